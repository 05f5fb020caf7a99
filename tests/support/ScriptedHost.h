// The dialog host of the tests: every control lives in memory, and a test plays the user by
// script. A script is registered per template; each modal run of that template takes the next
// one, acts through a ScriptedDialog and reads back what the user would see. Nested modal runs
// (a sub-tool, the error dialog) are plain recursion: the handler that opens one returns only
// after that dialog's own script has run.
//
// The host behaves like the real platform wherever a dialog's code could tell the difference:
// - the user's actions move the keyboard focus first, and an edit that loses the focus, to
//   another control or to a dialog opening above its own, gets EN_KILLFOCUS; by then the focus
//   is already where it went;
// - programmatic changes (texts, checks, selections, the focus) never notify; checking a
//   radio button unchecks the rest of its group;
// - a dialog that ends while an edit has the focus hides, and that edit loses the focus too,
//   which the dialog must ignore;
// - disabling or hiding the control that has the focus passes the focus on to the next tab
//   stop, silently;
// - while a dialog runs above another, the one beneath is disabled and has no focused control;
// - a click whose leaving of an edit shows a dialog (the error dialog) is lost: the mouse
//   button comes up over that dialog;
// - a control that Tab passes by still takes a click, and the focus with it; Tab goes on from
//   there to the next stop in creation order. Radio buttons of one group stay exclusive
//   whether Tab reaches them or not;
// - an edit's modified flag is set by the user's typing, the same text again included, and
//   cleared by the program's text;
// - an edit's whole text is selected when Tab reaches it, and when it holds the focus as its
//   window gets the keyboard (shown, or a dialog above it closed). A click puts the caret at
//   the end of the text; the program's text puts it at the start, unless the whole old text
//   was selected: then the whole new text is.
// tests/contract runs the same suite against this host and the Qt host to keep it so.
#pragma once

#include "platform/Chart.h"
#include "platform/DialogHost.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

class CDialog;
class ScriptedDialog;
class ScriptedWindow;

using DialogScript = std::function<void(ScriptedDialog&)>;

class ScriptedHost : public DialogHost {
public:
    // Installs itself as the host of every dialog; the destructor puts the previous one back
    // and fails the test for every template with scripts that no run took.
    ScriptedHost();
    ~ScriptedHost() override;
    ScriptedHost(const ScriptedHost&) = delete;
    ScriptedHost& operator=(const ScriptedHost&) = delete;

    // Each modal run of the template takes the next script registered for it, first in first
    // out; with none left the dialog closes at once with IDCANCEL, sending it nothing. (It was
    // still on screen for that moment: an edit focused beneath it has lost the focus. A dialog
    // that ends while it initialises is never shown, and the edit keeps the focus.)
    void OnDialog(int templateId, DialogScript script);
    // Scripts registered for the template that no run has taken yet.
    std::size_t PendingScripts(int templateId) const;

    int RunModal(CDialog& dialog) override;
    void Beep(unsigned type) override;
    void SetClipboardText(const std::string& text) override;
    // Records the chart and returns at once, as if the user had looked and closed it; -1
    // without recording after RefuseCharts(), as when the chart module cannot be loaded.
    int ShowChart(const ChartData& chart) override;
    void RefuseCharts() { m_refuseCharts = true; }
    // Every chart shown, in order.
    const std::vector<ChartData>& ChartsShown() const { return m_charts; }

    const std::vector<unsigned>& Beeps() const { return m_beeps; }
    // What a paste would give now: the text last put on the clipboard, empty before any.
    const std::string& ClipboardText() const { return m_clipboard; }
    // How many times anything was put on the clipboard.
    int ClipboardWrites() const { return m_clipboardWrites; }

    struct ErrorShown {
        std::string problem, explanation, suggestion;
    };
    // One per run of the error dialog: its three texts as they stood right after its init.
    const std::vector<ErrorShown>& ErrorsShown() const { return m_errors; }
    // Template ids, in the order their runs started.
    const std::vector<int>& DialogsRun() const { return m_runs; }
    // Modal runs in progress.
    int Depth() const { return static_cast<int>(m_running.size()); }
    // Whether the dialog beneath was disabled while run number runIndex (counted as in
    // DialogsRun) ran; false for a run with nothing beneath it.
    bool OwnerWasDisabled(std::size_t runIndex) const;

private:
    DialogScript TakeScript(int templateId);

    DialogHost* m_previous;
    std::map<int, std::deque<DialogScript>> m_scripts;
    std::vector<unsigned> m_beeps;
    std::string m_clipboard;
    int m_clipboardWrites = 0;
    std::vector<ChartData> m_charts;
    bool m_refuseCharts = false;
    std::vector<ErrorShown> m_errors;
    std::vector<int> m_runs;
    std::vector<bool> m_ownerDisabled;
    std::vector<ScriptedWindow*> m_running;
};

// The user's view of one running dialog, handed to its script.
class ScriptedDialog {
public:
    CDialog& Dialog() { return m_dialog; }

    // --- What the user does. Nothing happens once the dialog has ended; acting on a dialog
    // while another runs above it is a mistake in the test. ---

    // Clicks into the edit, selects all and types: the edit's text becomes `text`. A missing,
    // disabled or hidden edit is a mistake in the test.
    void TypeInto(int editId, const std::string& text);
    // Types into the edit that has the focus, over its selection or at its caret, as the keys
    // would. The focus elsewhere is a mistake in the test.
    void Type(const std::string& keys);
    // To the next (previous) enabled, visible tab stop in creation order, wrapping. A radio
    // group is one stop, entered at its checked button, or its first when none is checked.
    void PressTab();
    void PressShiftTab();
    // Missing, disabled or hidden: nothing happens. A push button takes the focus and is
    // clicked; a radio button takes the focus, is checked and unchecks the rest of its group;
    // a check box takes the focus and toggles; but when leaving the focused edit shows a
    // dialog, the control only takes the focus. An edit or a list only takes the focus;
    // labels, group boxes and pictures do not react.
    void Click(int id);
    // Takes the focus to the list and picks an entry: CBN_SELCHANGE, unless it is the entry
    // already selected. A disabled or hidden list ignores it; a missing list or entry is a
    // mistake in the test.
    void Choose(int listId, int index);
    void PressEnter();
    void PressEscape();
    void CloseBox();
    // Opens the window menu and picks the entry with this text. Opening the menu does not leave
    // the focused edit (on screen it takes the focus only for a moment). A missing entry is a
    // mistake in the test.
    void ChooseFromWindowMenu(const std::string& entryText);
    // F2 to F12 (F1 is the dialog's help key): whatever the dialog bound to it, or nothing.
    void PressFunctionKey(int number);

    // --- What the user sees. A missing control is a mistake in the test. ---

    // A list's text is its selected entry.
    std::string Text(int id) const;
    // The window's title.
    std::string Caption() const;
    // What shows while the pointer rests on the control; empty when nothing does.
    std::string ToolTip(int id) const;
    bool Enabled(int id) const;
    bool Visible(int id) const;
    bool Checked(int id) const;
    std::vector<std::string> ListEntries(int id) const;
    int Selection(int id) const;
    // The picture control's image as it was handed over, empty when none was set.
    std::vector<unsigned char> Picture(int id) const;
    // The window menu's entries as it shows them, a separator as "-".
    std::vector<std::string> WindowMenu() const;
    // The control that has the focus (or gets it back when the dialog above it closes), or -1.
    int Focus() const;
    bool Ended() const;
    int Result() const;
    // Another dialog runs above this one: the user cannot reach it.
    bool Blocked() const;

private:
    friend class ScriptedHost;
    ScriptedDialog(CDialog& dialog, ScriptedWindow& window) : m_dialog(dialog), m_window(window) {}

    bool CanAct(const char* action) const;
    // Tab's move to the stop `id` (-1: none), selecting an edit's text.
    void TabTo(int id);

    CDialog& m_dialog;
    ScriptedWindow& m_window;
};
