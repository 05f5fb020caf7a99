// A modal dialog built from a template. Hosts create its controls, deliver the notifications
// of its message map and end it; the dialog itself only reacts.
#pragma once

#include "platform/DialogTemplate.h"
#include "platform/Object.h"
#include "platform/Win.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

class CDialog;
class DialogWindow;

using DialogHandler = void (CDialog::*)();
// A handler shared by several controls, told which one fired.
using DialogIdHandler = void (CDialog::*)(int id);

// One row of a dialog's message map: the notification `code` from one control, from a range of
// ids, or from a list of them, and the handler it runs. A map ends with MessageMapEnd.
struct MessageMapEntry {
    int firstId;
    int lastId;
    std::span<const int> ids; // when not empty, these ids and not the range
    int code;
    DialogHandler handler;
    DialogIdHandler idHandler;

    constexpr bool Covers(int id) const
    {
        if (!ids.empty()) {
            for (int each : ids)
                if (each == id)
                    return true;
            return false;
        }
        return id >= firstId && id <= lastId;
    }
    constexpr bool IsEnd() const { return !handler && !idHandler; }
};

inline constexpr MessageMapEntry MessageMapEnd{0, 0, {}, 0, nullptr, nullptr};

// Message-map rows for handlers of a class derived from CDialog.
template <class Derived>
constexpr MessageMapEntry OnNotify(int id, int code, void (Derived::*handler)())
{
    return {id, id, {}, code, static_cast<DialogHandler>(handler), nullptr};
}

template <class Derived>
constexpr MessageMapEntry OnNotify(int id, int code, void (Derived::*handler)(int))
{
    return {id, id, {}, code, nullptr, static_cast<DialogIdHandler>(handler)};
}

// Every id from first to last, inclusive.
template <class Derived>
constexpr MessageMapEntry OnNotifyRange(int firstId, int lastId, int code, void (Derived::*handler)(int))
{
    return {firstId, lastId, {}, code, nullptr, static_cast<DialogIdHandler>(handler)};
}

// The ids listed, which must outlive the map (a constant array beside it).
template <class Derived>
constexpr MessageMapEntry OnNotifyEach(std::span<const int> ids, int code, void (Derived::*handler)(int))
{
    return {0, -1, ids, code, nullptr, static_cast<DialogIdHandler>(handler)};
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

    // The window's caption in place of the template's, such as a sub-tool naming what it works
    // on. False when the dialog is not running.
    bool SetCaption(const std::string& text);

    // Control access. Each answers "missing" (false, -1, empty) for an id the dialog does not
    // have, and when the dialog is not running.
    bool HasControl(int id) const;
    bool GetItemText(int id, std::string& out) const;
    bool SetItemText(int id, const std::string& text);
    // Whether the user has typed into the edit since the program last set its text.
    bool IsItemModified(int id) const;
    bool SetItemModified(int id, bool modified);
    bool SetItemToolTip(int id, const std::string& text);
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
    // Before the entry at `position` (at the end when past it).
    void InsertSystemMenu(std::size_t position, int command, const std::string& text);
    // Function key F`number` (2 to 12) as a shortcut for a window-menu command, so that the
    // entry can be reached without opening the menu.
    void BindFunctionKey(int number, int command);
    // The function key bound to the command, or 0; the menu shows it beside the entry.
    int FunctionKeyOf(int command) const;

    // --- Called by hosts, in this order: create, init, notifications and keys, destroy. ---

    // Attaches the host's window and sends OnCreate. -1 when the dialog refused to be created
    // (the host then destroys the window without OnInitDialog or OnDestroy).
    int HostCreate(DialogWindow* window);
    // Sends OnInitDialog; when it returns TRUE, the focus goes to the first enabled tab stop.
    void HostInit();
    // Sends OnDestroy and detaches the window. No notification is delivered after this starts.
    void HostDestroy();

    // A control's notification. Ignored once the dialog is ending. While one edit's leave
    // handler runs (with the error dialog it may show) no other EN_KILLFOCUS is delivered: the
    // error dialog takes the focus from whatever edit the user had just moved to, and that edit
    // is applied when the user leaves it, not behind the user's back.
    void Notify(int id, int code);
    // Enter: a focused push button is pressed; otherwise the default button (or OK).
    void KeyEnter();
    // Escape and the window's close box: Cancel.
    void KeyEscape();
    void CloseBox();
    // F1.
    virtual void KeyHelp();
    // F2 to F12: the window-menu command bound to the key, if any. True when one was.
    bool KeyFunction(int number);
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
    // The dialog's message map, ended by MessageMapEnd.
    virtual const MessageMapEntry* GetMessageMap() const;

private:
    const MessageMapEntry* FindEntry(int id, int code) const;
    void Dispatch(const MessageMapEntry& entry, int id);
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
    bool m_leaving = false;
    std::vector<SystemMenuItem> m_systemMenu;
    std::vector<std::pair<int, int>> m_functionKeys; // (number, command)
};
