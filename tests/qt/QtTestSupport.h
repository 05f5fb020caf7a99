// Shared by the Qt host's tests: the application object, a way to act on a running modal
// dialog as its user would, and a dialog that records what reached it.
#pragma once

// Mouse clicks go through the window system, so hit testing, modality and click-to-focus are
// the ones a real user meets.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include "platform/Dialog.h"
#include "platform/qt/QtDialogWindow.h"
#include "platform/qt/QtHost.h"

#include <QByteArray>
#include <QColor>
#include <QSize>

#include <functional>
#include <string>
#include <vector>

class QWidget;

// The host every test runs its dialogs on; installed once the tests start.
QtHost& Host();

// Returned by RunScripted when the script left the dialog open.
inline constexpr int ScriptLeftOpen = -2;

// Runs the dialog modally. Once its window is active, the script acts on it; a dialog the
// script leaves open is ended with ScriptLeftOpen.
int RunScripted(CDialog& dialog, const std::function<void(QtDialogWindow&)>& script);
// Calls `run`, which runs a dialog of this template modally that the test does not hold (a
// tool's RunDialog, say), and scripts that dialog as RunScripted does. Returns what `run` did.
int RunScriptedBy(int templateId, const std::function<int()>& run,
                  const std::function<void(QtDialogWindow&)>& script);

// What the user does, on whatever has the keyboard focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void PressTab();
void Type(const QString& text);
void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);
// A click at a point of the dialog's window, whatever is there.
void ClickAt(QtDialogWindow& window, QPoint point, Qt::MouseButton button = Qt::LeftButton);
// Presses the window's close box.
void PressCloseBox(QtDialogWindow& window);

// A PNG image of the given size whose left half is `left` and right half `right`.
QByteArray TwoColourPng(QSize size, QColor left, QColor right);

struct Notification {
    int id;
    int code;
    std::string text; // the control's text when the handler ran
    bool operator==(const Notification&) const = default;
};
void PrintTo(const Notification& notification, std::ostream* out);

// Handles every notification the tests provoke: EN_KILLFOCUS on the G/T edits, BN_CLICKED on
// the G/T "Calculate" buttons, on the frequency unit radio buttons, on the PFD tool's receive
// gain check box and on the C/(N+I) tool's "Fixed" radio buttons, CBN_SELCHANGE on the test
// list 500. Everything that reaches it is recorded.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(int templateId) : CDialog(templateId) {}

    std::vector<Notification> notifications;
    int helpPresses = 0;
    std::vector<int> sysCommands;
    int refusedCancels = 0;

    // Runs inside OnInitDialog, before the focus is placed.
    std::function<void(RecordingDialog&)> onInit;
    // Runs inside each handler, after the notification is recorded.
    std::function<void(int id, int code)> onNotify;
    // Cancel does nothing, as a dialog that will not be closed.
    bool refuseCancel = false;
    // Appended to when the dialog is destroyed, to see in which order dialogs went.
    std::vector<int>* destroyLog = nullptr;

    void KeyHelp() override { ++helpPresses; }
    void OnSysCommand(int command) override { sysCommands.push_back(command); }

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override;
    void OnDestroy() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    template <int Id, int Code>
    void Record();
};

// A window over a template, built without a modal run, with its dialog attached as a running
// host would attach it.
struct OpenWindow {
    explicit OpenWindow(int templateId);
    OpenWindow(int templateId, const DialogTemplate& dialogTemplate);
    ~OpenWindow();
    OpenWindow(const OpenWindow&) = delete;
    OpenWindow& operator=(const OpenWindow&) = delete;
    // Shows the window and waits until it has the keyboard.
    void Show();

    RecordingDialog dialog;
    QtDialogWindow window;
};
