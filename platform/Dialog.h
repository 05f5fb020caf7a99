// A modal dialog built from a template. Hosts create its controls, deliver the notifications
// of its message map and end it; the dialog itself only reacts.
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Object.h"
#include "platform/Win.h"

#include <set>
#include <string>
#include <vector>

class CDialog;
class DialogWindow;

using DialogHandler = void (CDialog::*)();

struct MessageMapEntry {
    int id;
    int code;
    DialogHandler handler;
};

// A message-map row for a handler of a class derived from CDialog.
template <class Derived>
constexpr MessageMapEntry OnNotify(int id, int code, void (Derived::*handler)())
{
    return {id, code, static_cast<DialogHandler>(handler)};
}

// An entry of the window's own menu (the system menu on some desktops, a context menu here).
struct SystemMenuItem {
    int command; // 0 for a separator
    std::string text;
};

class CDialog : public CObject {
public:
    explicit CDialog(int templateId);
    // A dialog over a template that is not among the program's own (tests describe small ones
    // of their own). The template must outlive the dialog.
    explicit CDialog(const DialogTemplate& dialogTemplate);
    ~CDialog() override;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog modally through the installed host; -1 when it could not be created.
    int DoModal();
    void EndDialog(int result);

    int TemplateId() const { return m_templateId; }
    // Null when the template does not exist.
    const DialogTemplate* Template() const { return m_template; }

    // Control access. Each answers "missing" (false, -1, empty) for an id the dialog does not
    // have, and when the dialog is not running.
    bool HasControl(int id) const;
    bool GetItemText(int id, std::string& out) const;
    bool SetItemText(int id, const std::string& text);
    bool IsItemEnabled(int id) const;
    bool EnableItem(int id, bool enabled);
    bool IsItemVisible(int id) const;
    bool ShowItem(int id, bool visible);
    bool IsItemChecked(int id) const;
    bool CheckItem(int id, bool checked);
    bool ResetList(int id);
    bool AddListEntry(int id, const std::string& text);
    int GetListSelection(int id) const;
    bool SetListSelection(int id, int index);
    int GetFocusItem() const;
    bool SetFocusItem(int id);
    bool SetItemPicture(int id, const unsigned char* png, std::size_t size);

    // The window's own menu, shown by the host; choosing an entry calls OnSysCommand.
    const std::vector<SystemMenuItem>& SystemMenu() const { return m_systemMenu; }
    void AppendSystemMenu(int command, const std::string& text);

    // --- Called by hosts, in this order: create, init, notifications and keys, destroy. ---

    // Attaches the host's window and sends OnCreate. -1 when the dialog refused to be created
    // (the host then destroys the window without OnInitDialog or OnDestroy).
    int HostCreate(DialogWindow* window);
    // Sends OnInitDialog; when it returns TRUE, the focus goes to the first enabled tab stop.
    void HostInit();
    // Sends OnDestroy and detaches the window. No notification is delivered after this starts.
    void HostDestroy();

    // A control's notification. Ignored once the dialog is ending; an edit's EN_KILLFOCUS is
    // never delivered again while its own handler is still running.
    void Notify(int id, int code);
    // Enter: a focused push button is pressed; otherwise the default button (or OK).
    void KeyEnter();
    // Escape and the window's close box: Cancel.
    void KeyEscape();
    void CloseBox();
    // F1.
    virtual void KeyHelp();
    virtual void OnSysCommand(int command);

    // Whether this edit has a leave handler in the message map.
    bool HasKillFocusHandler(int id) const;
    // The first enabled, visible tab stop in creation order, or -1.
    int FirstTabStop() const;
    bool IsEnding() const { return m_ending; }
    bool IsRunning() const { return m_window != nullptr; }
    int Result() const { return m_result; }

protected:
    virtual int OnCreate();
    virtual BOOL OnInitDialog();
    virtual void OnDestroy();
    virtual void OnOK();
    virtual void OnCancel();
    // The dialog's message map, ended by a row whose handler is null.
    virtual const MessageMapEntry* GetMessageMap() const;

private:
    const MessageMapEntry* FindEntry(int id, int code) const;
    // Before a dialog closes from the keyboard or its close box, the edit that has the focus
    // is applied exactly as leaving it would, so nothing typed and left is silently lost.
    void ApplyFocusedEdit();
    void Close(int commandId);

    int m_templateId;
    const DialogTemplate* m_template;
    DialogWindow* m_window = nullptr;
    bool m_ending = false;
    bool m_destroying = false;
    int m_result = -1;
    std::set<int> m_leaving;
    std::vector<SystemMenuItem> m_systemMenu;
};
