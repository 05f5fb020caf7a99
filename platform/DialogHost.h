// The seam between dialogs and whatever shows them: Qt widgets in the program, an in-memory
// script in the tests.
#pragma once

#include <cstddef>
#include <string>

class CDialog;
struct ChartData;

// One running dialog's controls, addressed by control id. Every operation on an id that the
// dialog does not have answers false (or -1, or an empty text) and changes nothing. Setting a
// text, a check or a selection never produces a notification.
//
// An edit keeps a modified flag: the user's typing sets it (typing the same text again too),
// the program setting the edit's text clears it. The edit's text is what the program last
// showed, rounded for display, for as long as the flag is clear.
//
// Where the program sets an edit's text, the caret goes to the start, unless the whole old text
// was selected: then the whole new one is. The whole text is selected when Tab reaches the edit,
// and when the edit has the focus as its window gets the keyboard (shown, or a dialog above it
// closed), so that what the user types next replaces it.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    // The window's title, which starts as the template's caption.
    virtual bool SetCaption(const std::string& text) = 0;
    virtual bool HasControl(int id) const = 0;
    virtual bool GetText(int id, std::string& out) const = 0;
    virtual bool SetText(int id, const std::string& text) = 0;
    // False for anything but an edit.
    virtual bool IsModified(int id) const = 0;
    virtual bool SetModified(int id, bool modified) = 0;
    // The text shown while the pointer rests on the control; an empty text shows none.
    virtual bool SetToolTip(int id, const std::string& text) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual bool SetEnabled(int id, bool enabled) = 0;
    virtual bool IsVisible(int id) const = 0;
    virtual bool SetVisible(int id, bool visible) = 0;
    virtual bool IsChecked(int id) const = 0;
    virtual bool SetChecked(int id, bool checked) = 0;
    virtual bool ResetList(int id) = 0;
    virtual bool AddListEntry(int id, const std::string& text) = 0;
    virtual int GetListSelection(int id) const = 0; // -1 when nothing is selected
    virtual bool SetListSelection(int id, int index) = 0;
    // The control that has the keyboard focus, or -1 when none of this dialog's has it.
    virtual int GetFocus() const = 0;
    virtual bool SetFocus(int id) = 0;
    // Decodes a PNG image and shows it in a picture control, stretched to the control's size
    // over the dialog's background. False when the image cannot be decoded.
    virtual bool SetPicture(int id, const unsigned char* png, std::size_t size) = 0;
    // Ends the modal run with this result once control returns to the host's loop.
    virtual void EndModal(int result) = 0;
};

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Creates the dialog's window from its template, runs it modally (the active window is its
    // owner and is disabled meanwhile) and returns the result it ended with, or -1 when it
    // could not be created.
    virtual int RunModal(CDialog& dialog) = 0;
    virtual void Beep(unsigned type) = 0;
    // Puts UTF-8 text on the desktop's clipboard, where the user pastes it into other programs.
    virtual void SetClipboardText(const std::string& text) = 0;
    // Shows the chart in a modal window above the running dialog (which is disabled meanwhile)
    // and returns when the user has closed it: 0, or -1 when it could not be shown.
    virtual int ShowChart(const ChartData& chart) = 0;
};

// The host that runs every dialog. The program installs the Qt host at start-up; tests
// install the scripted one. Not owned.
void SetDialogHost(DialogHost* host);
DialogHost* GetDialogHost();
