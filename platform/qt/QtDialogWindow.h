// One running dialog as Qt widgets, built from its template and addressed by control id. Its
// members are defined one job to a file: QtDialogWindow.cpp (the window, its frame, the modal
// run), QtDialogWidgets, QtDialogRadioGroups, QtDialogLabels, QtDialogControlAccess, QtDialogKeys.
#pragma once

#include "platform/DialogHost.h"
#include "platform/DialogTemplate.h"
#include "platform/qt/DialogUnits.h"

#include <QFont>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class CDialog;
class QButtonGroup;
class QContextMenuEvent;
class QDialog;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QObject;
class QPoint;
class QWidget;
class QtDialogFrame;

class QtDialogWindow final : public DialogWindow {
public:
    // Builds the window and all its controls, hidden. The owner is the dialog running beneath
    // this one, or null for the first.
    QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner);
    ~QtDialogWindow() override;
    QtDialogWindow(const QtDialogWindow&) = delete;
    QtDialogWindow& operator=(const QtDialogWindow&) = delete;

    bool SetCaption(const std::string& text) override;
    bool HasControl(int id) const override;
    bool GetText(int id, std::string& out) const override;
    bool SetText(int id, const std::string& text) override;
    bool IsModified(int id) const override;
    bool SetModified(int id, bool modified) override;
    bool SetToolTip(int id, const std::string& text) override;
    bool IsEnabled(int id) const override;
    bool SetEnabled(int id, bool enabled) override;
    bool IsVisible(int id) const override;
    bool SetVisible(int id, bool visible) override;
    bool IsChecked(int id) const override;
    bool SetChecked(int id, bool checked) override;
    bool ResetList(int id) override;
    bool AddListEntry(int id, const std::string& text) override;
    int GetListSelection(int id) const override;
    bool SetListSelection(int id, int index) override;
    int GetFocus() const override;
    bool SetFocus(int id) override;
    bool SetPicture(int id, const unsigned char* png, std::size_t size) override;
    void EndModal(int result) override;

    // Shows the window and runs it modally until EndModal; returns that result. A dialog that
    // ended before it was shown (from its initialisation) is never shown.
    int Exec();
    bool HasEnded() const { return m_ended; }
    // From here on nothing reaches the dialog: its window is being torn down.
    void BeginTeardown() { m_tearingDown = true; }

    CDialog& Dialog() const { return m_dialog; }
    const DialogTemplate& Template() const { return m_template; }
    QDialog* Frame() const;
    const DialogUnits& Units() const { return m_units; }
    // The widget of a control, or null when the dialog has no control with that id.
    QWidget* Control(int id) const;

    // Events the frame hands on. OnKey answers whether the key was used.
    bool OnKey(QObject* target, QKeyEvent* event);
    void OnFocusIn(QObject* target, QFocusEvent* event);
    void OnFocusOut(QObject* target, QFocusEvent* event);
    void OnCloseBox();
    void OnReject();
    void OnContextMenu(QContextMenuEvent* event);
    // A context menu asked of a control; true when the window menu took its place.
    bool OnControlContextMenu(QContextMenuEvent* event);

private:
    struct Entry {
        const ControlTemplate* control;
        QWidget* widget;
        std::string text; // as last set, "&" markers included
        int radioGroup = -1;
        int lastSelection = -1;
    };
    struct RadioGroup {
        QButtonGroup* buttons;
        std::vector<std::size_t> members; // indices into m_entries, in creation order
    };

    void CreateControl(const ControlTemplate& control);
    void BuildRadioGroups();
    void AttachLabelBuddies();
    void NameControlsForScreenReaders();
    void KeepLabelWhole(Entry& entry);
    QRect GrowLeftAlignedLabel(const Entry& entry, QRect box, int needed) const;
    void ShowLabelText(Entry& entry);
    void UpdateRadioTabStop(int group);
    bool MoveInRadioGroup(QObject* target, int step);
    void ShowSystemMenu(const QPoint& globalPos);
    QPoint KeyboardMenuPoint() const;
    void Deliver(int id, int code);
    // Selected from the end back to the start, so that a long value shows its start.
    static void SelectWholeText(QLineEdit& edit);

    struct Programmatic {
        explicit Programmatic(QtDialogWindow& window) : m_window(window) { ++m_window.m_programmatic; }
        ~Programmatic() { --m_window.m_programmatic; }
        Programmatic(const Programmatic&) = delete;
        Programmatic& operator=(const Programmatic&) = delete;
        QtDialogWindow& m_window;
    };

    Entry* Find(int id);
    const Entry* Find(int id) const;
    const Entry* EntryOf(const QObject* widget) const;

    CDialog& m_dialog;
    const DialogTemplate& m_template;
    std::unique_ptr<QtDialogFrame> m_frame;
    DialogUnits m_units{1, 1};
    std::vector<Entry> m_entries;
    std::vector<RadioGroup> m_radioGroups;
    // Set while the dialog's own call changes a control: the focus Qt moves away from a control
    // being disabled or hidden then is not the user leaving it, and nothing is notified.
    int m_programmatic = 0;
    bool m_executing = false;
    bool m_ended = false;
    bool m_tearingDown = false;
    int m_result = -1;
};
