#include "tests/support/ScriptedHost.h"

#include "platform/Dialog.h"
#include "platform/DialogTemplate.h"
#include "platform/Win.h"
#include "resources/Resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr unsigned char PngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};

bool IsCheckable(ControlKind kind)
{
    return kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
}

struct ScriptedControl {
    explicit ScriptedControl(const ControlTemplate& control)
        : source(&control), text(control.text ? control.text : ""),
          enabled((control.flags & CF_DISABLED) == 0), visible((control.flags & CF_HIDDEN) == 0)
    {
    }

    const ControlTemplate* source;
    std::string text;
    bool enabled;
    bool visible;
    bool checked = false;
    // An edit's: typed into since the program last set its text, and where the caret and the
    // selection are (the caret at `caret`, the selection between it and `anchor`).
    bool modified = false;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::string toolTip;
    std::vector<std::string> entries;
    int selection = -1;
    std::vector<unsigned char> picture;

    ControlKind Kind() const { return source->kind; }
    int Id() const { return source->id; }
    bool Reachable() const { return enabled && visible; }
    bool WhollySelected() const
    {
        return !text.empty() && std::min(anchor, caret) == 0 && std::max(anchor, caret) == text.size();
    }
    // From the end back to the start, as the Qt host selects it.
    void SelectWholeText()
    {
        anchor = text.size();
        caret = 0;
    }
    void PutCaret(std::size_t at) { anchor = caret = at; }
    // Replaces the selection, or inserts at the caret.
    void TypeKeys(const std::string& keys)
    {
        const std::size_t from = std::min(anchor, caret);
        text.replace(from, std::max(anchor, caret) - from, keys);
        PutCaret(from + keys.size());
        modified = true;
    }
};

} // namespace

// One dialog's controls in memory, in creation order.
class ScriptedWindow final : public DialogWindow {
public:
    ScriptedWindow(CDialog& dialog, const DialogTemplate& dialogTemplate)
        : caption(dialogTemplate.caption ? dialogTemplate.caption : ""), m_dialog(dialog)
    {
        for (const ControlTemplate& control : dialogTemplate.controls)
            controls.emplace_back(control);
    }

    ScriptedControl* Find(int id)
    {
        if (id == IDC_STATIC)
            return nullptr;
        for (ScriptedControl& control : controls)
            if (control.Id() == id)
                return &control;
        return nullptr;
    }

    const ScriptedControl* Find(int id) const { return const_cast<ScriptedWindow*>(this)->Find(id); }

    bool SetCaption(const std::string& text) override
    {
        caption = text;
        return true;
    }

    bool HasControl(int id) const override { return Find(id) != nullptr; }

    bool GetText(int id, std::string& out) const override
    {
        const ScriptedControl* control = Find(id);
        if (!control)
            return false;
        if (control->Kind() == ControlKind::DropDownList)
            out = control->selection >= 0 ? control->entries[control->selection] : std::string();
        else
            out = control->text;
        return true;
    }

    bool SetText(int id, const std::string& text) override
    {
        ScriptedControl* control = Find(id);
        if (!control || control->Kind() == ControlKind::DropDownList)
            return false;
        const bool whole = control->WhollySelected();
        control->text = text;
        control->modified = false;
        if (whole)
            control->SelectWholeText();
        else
            control->PutCaret(0);
        return true;
    }

    bool IsModified(int id) const override
    {
        const ScriptedControl* control = Find(id);
        return control && control->Kind() == ControlKind::Edit && control->modified;
    }

    bool SetModified(int id, bool modified) override
    {
        ScriptedControl* control = Find(id);
        if (!control || control->Kind() != ControlKind::Edit)
            return false;
        control->modified = modified;
        return true;
    }

    bool SetToolTip(int id, const std::string& text) override
    {
        ScriptedControl* control = Find(id);
        if (!control)
            return false;
        control->toolTip = text;
        return true;
    }

    bool IsEnabled(int id) const override
    {
        const ScriptedControl* control = Find(id);
        return control && control->enabled;
    }

    bool SetEnabled(int id, bool enabled) override
    {
        ScriptedControl* control = Find(id);
        if (!control)
            return false;
        control->enabled = enabled;
        if (!enabled)
            PassFocusOnFrom(id);
        return true;
    }

    bool IsVisible(int id) const override
    {
        const ScriptedControl* control = Find(id);
        return control && control->visible;
    }

    bool SetVisible(int id, bool visible) override
    {
        ScriptedControl* control = Find(id);
        if (!control)
            return false;
        control->visible = visible;
        if (!visible)
            PassFocusOnFrom(id);
        return true;
    }

    bool IsChecked(int id) const override
    {
        const ScriptedControl* control = Find(id);
        return control && IsCheckable(control->Kind()) && control->checked;
    }

    // A radio group is exclusive, as in the Qt host: checking a button unchecks the rest of its
    // group. Unchecking touches that button only, so a group may be left with none checked.
    bool SetChecked(int id, bool checked) override
    {
        ScriptedControl* control = Find(id);
        if (!control || !IsCheckable(control->Kind()))
            return false;
        if (checked && control->Kind() == ControlKind::RadioButton)
            for (std::size_t at : RadioGroupOf(id))
                controls[at].checked = false;
        control->checked = checked;
        return true;
    }

    bool ResetList(int id) override
    {
        ScriptedControl* list = FindList(id);
        if (!list)
            return false;
        list->entries.clear();
        list->selection = -1;
        return true;
    }

    bool AddListEntry(int id, const std::string& text) override
    {
        ScriptedControl* list = FindList(id);
        if (!list)
            return false;
        list->entries.push_back(text);
        return true;
    }

    int GetListSelection(int id) const override
    {
        const ScriptedControl* list = const_cast<ScriptedWindow*>(this)->FindList(id);
        return list ? list->selection : -1;
    }

    // An index past the entries clears the selection and fails, as the platform's list does.
    bool SetListSelection(int id, int index) override
    {
        ScriptedControl* list = FindList(id);
        if (!list)
            return false;
        if (index < -1 || index >= static_cast<int>(list->entries.size())) {
            list->selection = -1;
            return false;
        }
        list->selection = index;
        return true;
    }

    int GetFocus() const override { return blocked ? -1 : focus; }

    bool SetFocus(int id) override
    {
        const ScriptedControl* control = Find(id);
        if (!control || !IsTabStopKind(control->Kind()) || !control->Reachable())
            return false;
        focus = id;
        return true;
    }

    bool SetPicture(int id, const unsigned char* png, std::size_t size) override
    {
        ScriptedControl* control = Find(id);
        if (!control || control->Kind() != ControlKind::Picture || !png || size < sizeof PngSignature ||
            std::memcmp(png, PngSignature, sizeof PngSignature) != 0)
            return false;
        control->picture.assign(png, png + size);
        return true;
    }

    void EndModal(int code) override
    {
        ended = true;
        result = code;
    }

    // The user moves the focus: it goes first, then the edit left behind hears of it.
    void MoveFocus(int id)
    {
        const int from = focus;
        if (from == id)
            return;
        focus = id;
        NotifyLeft(from);
    }

    // The window has the keyboard again: an edit holding the focus has its whole text selected.
    void TakeKeyboard()
    {
        ScriptedControl* focused = Find(focus);
        if (focused && focused->Kind() == ControlKind::Edit)
            focused->SelectWholeText();
    }

    // The edit `id` lost the focus to another control or another window.
    void NotifyLeft(int id)
    {
        const ScriptedControl* left = Find(id);
        if (left && left->Kind() == ControlKind::Edit)
            m_dialog.Notify(id, EN_KILLFOCUS);
    }

    int NextTabStop(bool forward) const
    {
        const std::vector<std::vector<std::size_t>> stops = TabStops();
        const int count = static_cast<int>(stops.size());
        if (count == 0)
            return -1;
        int current = -1;
        for (int i = 0; i < count && current == -1; ++i)
            for (std::size_t at : stops[i])
                if (controls[at].Id() == focus)
                    current = i;
        int start = current;
        if (start == -1) {
            // The focus is on a control Tab passes by (a click put it there), or nowhere. Tab goes
            // on from where that control stands in creation order.
            const int position = PositionOf(focus);
            if (position == -1) {
                start = forward ? count - 1 : 0;
            } else {
                int before = 0; // stops that come before the focused control
                while (before < count && stops[before].front() < static_cast<std::size_t>(position))
                    ++before;
                start = forward ? before - 1 : before;
            }
        }
        for (int step = 1; step <= count; ++step) {
            const int i = forward ? (start + step) % count : (start - step + count) % count;
            const int target = StopTarget(stops[i]);
            if (target != -1)
                return target;
        }
        return -1;
    }

    // The radio buttons of the group `id` belongs to, itself included, Tab stops or not.
    std::vector<std::size_t> RadioGroupOf(int id) const
    {
        for (const std::vector<std::size_t>& group : RadioGroups())
            for (std::size_t at : group)
                if (controls[at].Id() == id)
                    return group;
        return {};
    }

    CDialog& Dialog() { return m_dialog; }

    std::string caption;
    std::vector<ScriptedControl> controls;
    int focus = -1;
    // A dialog runs above this one.
    bool blocked = false;
    // Dialogs shown above this one so far.
    int shownAbove = 0;
    bool ended = false;
    int result = -1;

private:
    ScriptedControl* FindList(int id)
    {
        ScriptedControl* control = Find(id);
        return control && control->Kind() == ControlKind::DropDownList ? control : nullptr;
    }

    int PositionOf(int id) const
    {
        for (std::size_t at = 0; at < controls.size(); ++at)
            if (id != IDC_STATIC && controls[at].Id() == id)
                return static_cast<int>(at);
        return -1;
    }

    // The radio groups in creation order, each a list of control positions. A group runs from
    // a button that starts a group up to the next such button or the next control that is not
    // a radio button; it is exclusive whether or not Tab reaches its buttons.
    std::vector<std::vector<std::size_t>> RadioGroups() const
    {
        std::vector<std::vector<std::size_t>> groups;
        bool inGroup = false;
        for (std::size_t at = 0; at < controls.size(); ++at) {
            const ScriptedControl& control = controls[at];
            if (control.Kind() != ControlKind::RadioButton) {
                inGroup = false;
                continue;
            }
            if (inGroup && !(control.source->flags & CF_GROUP))
                groups.back().push_back(at);
            else
                groups.push_back({at});
            inGroup = true;
        }
        return groups;
    }

    // Tab stops in creation order, each a list of control positions: a single control, or the
    // buttons of one radio group that Tab reaches. Controls Tab passes by are in none.
    std::vector<std::vector<std::size_t>> TabStops() const
    {
        std::vector<int> groupOf(controls.size(), -1);
        const std::vector<std::vector<std::size_t>> groups = RadioGroups();
        for (std::size_t group = 0; group < groups.size(); ++group)
            for (std::size_t at : groups[group])
                groupOf[at] = static_cast<int>(group);

        std::vector<std::vector<std::size_t>> stops;
        for (std::size_t at = 0; at < controls.size(); ++at) {
            const ScriptedControl& control = controls[at];
            if (control.Id() == IDC_STATIC || !IsTabStop(*control.source))
                continue;
            if (groupOf[at] != -1 && !stops.empty() && groupOf[stops.back().front()] == groupOf[at])
                stops.back().push_back(at);
            else
                stops.push_back({at});
        }
        return stops;
    }

    int StopTarget(const std::vector<std::size_t>& stop) const
    {
        for (std::size_t at : stop)
            if (controls[at].checked && controls[at].Reachable())
                return controls[at].Id();
        for (std::size_t at : stop)
            if (controls[at].Reachable())
                return controls[at].Id();
        return -1;
    }

    // A control that can no longer hold the focus hands it on without anyone being told, as the
    // platform does when a program disables the focused control.
    void PassFocusOnFrom(int id)
    {
        if (focus != id)
            return;
        const int next = NextTabStop(true);
        focus = next == id ? -1 : next;
    }

    CDialog& m_dialog;
};

// --- ScriptedHost ---

ScriptedHost::ScriptedHost() : m_previous(GetDialogHost())
{
    SetDialogHost(this);
}

ScriptedHost::~ScriptedHost()
{
    SetDialogHost(m_previous);
    // A script that no run took asserted nothing: the dialog it was written for never opened.
    for (const auto& [templateId, scripts] : m_scripts)
        if (!scripts.empty())
            ADD_FAILURE() << "dialog " << templateId << " never ran: " << scripts.size()
                          << (scripts.size() == 1 ? " script" : " scripts") << " left";
}

void ScriptedHost::OnDialog(int templateId, DialogScript script)
{
    m_scripts[templateId].push_back(std::move(script));
}

std::size_t ScriptedHost::PendingScripts(int templateId) const
{
    const auto found = m_scripts.find(templateId);
    return found == m_scripts.end() ? 0 : found->second.size();
}

DialogScript ScriptedHost::TakeScript(int templateId)
{
    const auto found = m_scripts.find(templateId);
    if (found == m_scripts.end() || found->second.empty())
        return nullptr;
    DialogScript script = std::move(found->second.front());
    found->second.pop_front();
    return script;
}

void ScriptedHost::Beep(unsigned type)
{
    m_beeps.push_back(type);
}

void ScriptedHost::SetClipboardText(const std::string& text)
{
    m_clipboard = text;
    ++m_clipboardWrites;
}

int ScriptedHost::ShowChart(const ChartData& chart)
{
    if (m_refuseCharts)
        return -1;
    m_charts.push_back(chart);
    return 0;
}

bool ScriptedHost::OwnerWasDisabled(std::size_t runIndex) const
{
    return runIndex < m_ownerDisabled.size() && m_ownerDisabled[runIndex];
}

int ScriptedHost::RunModal(CDialog& dialog)
{
    const DialogTemplate* dialogTemplate = dialog.Template();
    if (!dialogTemplate)
        return -1;
    ScriptedWindow window(dialog, *dialogTemplate);
    if (dialog.HostCreate(&window) == -1)
        return -1;

    ScriptedWindow* owner = m_running.empty() ? nullptr : m_running.back();
    // Taken before anything runs, so that a nested run of the same template gets the next one.
    DialogScript script = TakeScript(dialogTemplate->id);
    m_runs.push_back(dialogTemplate->id);
    if (owner)
        owner->blocked = true;
    m_ownerDisabled.push_back(owner && owner->blocked);
    m_running.push_back(&window);

    // Whatever way this run is left, the dialog beneath gets its window back, and the keyboard
    // with it when this one had taken it.
    struct Restore {
        ScriptedHost& host;
        ScriptedWindow* owner;
        bool shown = false;
        ~Restore()
        {
            host.m_running.pop_back();
            if (!owner)
                return;
            owner->blocked = false;
            if (shown)
                owner->TakeKeyboard();
        }
    } restore{*this, owner};

    dialog.HostInit();
    if (!window.ended)
        window.TakeKeyboard();
    if (dialogTemplate->id == IDD_ERRORMSG) {
        ErrorShown shown;
        window.GetText(IDC_ERR_PROBLEM, shown.problem);
        window.GetText(IDC_ERR_EXPLANATION, shown.explanation);
        window.GetText(IDC_ERR_SUGGESTION, shown.suggestion);
        m_errors.push_back(std::move(shown));
    }
    // This dialog now has the keyboard: an edit focused beneath it has just lost the focus.
    // One that ended while it initialised was never shown and took nothing away.
    if (owner && !window.ended) {
        ++owner->shownAbove;
        restore.shown = true;
        owner->NotifyLeft(owner->focus);
    }

    if (script && !window.ended) {
        ScriptedDialog view(dialog, window);
        script(view);
    }
    if (!window.ended)
        dialog.EndDialog(IDCANCEL);
    // The window hides, taking the focus with it; the ending dialog must not react.
    window.NotifyLeft(window.focus);
    dialog.HostDestroy();
    return window.result;
}

// --- ScriptedDialog ---

bool ScriptedDialog::CanAct(const char* action) const
{
    if (m_window.ended)
        return false;
    if (m_window.blocked) {
        ADD_FAILURE() << action << ": dialog " << m_dialog.TemplateId()
                      << " is disabled while another dialog runs above it";
        return false;
    }
    return true;
}

void ScriptedDialog::TypeInto(int editId, const std::string& text)
{
    if (!CanAct("TypeInto"))
        return;
    ScriptedControl* edit = m_window.Find(editId);
    if (!edit || edit->Kind() != ControlKind::Edit) {
        ADD_FAILURE() << "TypeInto: dialog " << m_dialog.TemplateId() << " has no edit " << editId;
        return;
    }
    if (!edit->Reachable()) {
        ADD_FAILURE() << "TypeInto: edit " << editId << " is " << (edit->enabled ? "hidden" : "disabled");
        return;
    }
    m_window.MoveFocus(editId);
    // The edit just left may have closed the dialog or taken this edit away from the user;
    // then the typing goes nowhere.
    if (m_window.ended || m_window.focus != editId)
        return;
    edit->SelectWholeText();
    edit->TypeKeys(text);
}

void ScriptedDialog::Type(const std::string& keys)
{
    if (!CanAct("Type"))
        return;
    ScriptedControl* edit = m_window.Find(m_window.focus);
    if (!edit || edit->Kind() != ControlKind::Edit) {
        ADD_FAILURE() << "Type: the focus in dialog " << m_dialog.TemplateId() << " is not in an edit";
        return;
    }
    edit->TypeKeys(keys);
}

void ScriptedDialog::PressTab()
{
    if (CanAct("PressTab"))
        TabTo(m_window.NextTabStop(true));
}

void ScriptedDialog::PressShiftTab()
{
    if (CanAct("PressShiftTab"))
        TabTo(m_window.NextTabStop(false));
}

void ScriptedDialog::TabTo(int id)
{
    if (id == -1)
        return;
    m_window.MoveFocus(id);
    ScriptedControl* edit = m_window.Find(id);
    if (!m_window.ended && m_window.focus == id && edit->Kind() == ControlKind::Edit)
        edit->SelectWholeText();
}

void ScriptedDialog::Click(int id)
{
    if (!CanAct("Click"))
        return;
    ScriptedControl* control = m_window.Find(id);
    if (!control || !control->Reachable())
        return;
    const ControlKind kind = control->Kind();
    if (!IsTabStopKind(kind))
        return;
    const int shownBefore = m_window.shownAbove;
    m_window.MoveFocus(id);
    // The click puts the caret where it lands, after the short texts the tools show; a click
    // lost to a dialog shown meanwhile leaves the selection the returning keyboard made.
    if (kind == ControlKind::Edit && !m_window.ended && m_window.focus == id && m_window.shownAbove == shownBefore)
        control->PutCaret(control->text.size());
    if (kind == ControlKind::Edit || kind == ControlKind::DropDownList)
        return;
    // The edit just left may have closed the dialog or disabled this button meanwhile. Or it
    // showed a dialog (the error dialog): the mouse button came up over that one, so the
    // button was pressed but never clicked.
    if (m_window.ended || !control->Reachable() || m_window.shownAbove != shownBefore)
        return;
    if (kind == ControlKind::RadioButton) {
        for (std::size_t at : m_window.RadioGroupOf(id))
            m_window.controls[at].checked = false;
        control->checked = true;
    } else if (kind == ControlKind::CheckBox) {
        control->checked = !control->checked;
    }
    m_dialog.Notify(id, BN_CLICKED);
}

void ScriptedDialog::Choose(int listId, int index)
{
    if (!CanAct("Choose"))
        return;
    ScriptedControl* list = m_window.Find(listId);
    if (!list || list->Kind() != ControlKind::DropDownList) {
        ADD_FAILURE() << "Choose: dialog " << m_dialog.TemplateId() << " has no list " << listId;
        return;
    }
    if (!list->Reachable())
        return;
    if (index < 0 || index >= static_cast<int>(list->entries.size())) {
        ADD_FAILURE() << "Choose: list " << listId << " has no entry " << index << " (it has "
                      << list->entries.size() << ")";
        return;
    }
    m_window.MoveFocus(listId);
    if (m_window.ended || !list->Reachable() || index >= static_cast<int>(list->entries.size()))
        return;
    // Taking the entry that is already chosen changes nothing and says nothing.
    if (list->selection == index)
        return;
    list->selection = index;
    m_dialog.Notify(listId, CBN_SELCHANGE);
}

void ScriptedDialog::PressEnter()
{
    if (CanAct("PressEnter"))
        m_dialog.KeyEnter();
}

void ScriptedDialog::PressEscape()
{
    if (CanAct("PressEscape"))
        m_dialog.KeyEscape();
}

void ScriptedDialog::ChooseFromWindowMenu(const std::string& entryText)
{
    if (!CanAct("ChooseFromWindowMenu"))
        return;
    for (const SystemMenuItem& item : m_dialog.SystemMenu()) {
        if (item.command != 0 && item.text == entryText) {
            m_dialog.OnSysCommand(item.command);
            return;
        }
    }
    ADD_FAILURE() << "ChooseFromWindowMenu: dialog " << m_dialog.TemplateId() << " has no entry \"" << entryText
                  << "\" on its window menu";
}

void ScriptedDialog::PressFunctionKey(int number)
{
    if (CanAct("PressFunctionKey"))
        m_dialog.KeyFunction(number);
}

std::vector<std::string> ScriptedDialog::WindowMenu() const
{
    std::vector<std::string> entries;
    for (const SystemMenuItem& item : m_dialog.SystemMenu())
        entries.push_back(item.command == 0 ? std::string("-") : item.text);
    return entries;
}

void ScriptedDialog::CloseBox()
{
    if (CanAct("CloseBox"))
        m_dialog.CloseBox();
}

namespace {

const ScriptedControl* Seen(const ScriptedWindow& window, const CDialog& dialog, int id)
{
    const ScriptedControl* control = window.Find(id);
    if (!control)
        ADD_FAILURE() << "dialog " << dialog.TemplateId() << " has no control " << id;
    return control;
}

} // namespace

std::string ScriptedDialog::Text(int id) const
{
    std::string text;
    if (Seen(m_window, m_dialog, id))
        m_window.GetText(id, text);
    return text;
}

std::string ScriptedDialog::Caption() const
{
    return m_window.caption;
}

std::string ScriptedDialog::ToolTip(int id) const
{
    const ScriptedControl* control = Seen(m_window, m_dialog, id);
    return control ? control->toolTip : std::string();
}

bool ScriptedDialog::Enabled(int id) const
{
    const ScriptedControl* control = Seen(m_window, m_dialog, id);
    return control && control->enabled;
}

bool ScriptedDialog::Visible(int id) const
{
    const ScriptedControl* control = Seen(m_window, m_dialog, id);
    return control && control->visible;
}

bool ScriptedDialog::Checked(int id) const
{
    return Seen(m_window, m_dialog, id) && m_window.IsChecked(id);
}

std::vector<std::string> ScriptedDialog::ListEntries(int id) const
{
    const ScriptedControl* control = Seen(m_window, m_dialog, id);
    return control ? control->entries : std::vector<std::string>();
}

int ScriptedDialog::Selection(int id) const
{
    return Seen(m_window, m_dialog, id) ? m_window.GetListSelection(id) : -1;
}

std::vector<unsigned char> ScriptedDialog::Picture(int id) const
{
    const ScriptedControl* control = Seen(m_window, m_dialog, id);
    return control ? control->picture : std::vector<unsigned char>();
}

int ScriptedDialog::Focus() const
{
    return m_window.focus;
}

bool ScriptedDialog::Ended() const
{
    return m_window.ended;
}

int ScriptedDialog::Result() const
{
    return m_window.result;
}

bool ScriptedDialog::Blocked() const
{
    return m_window.blocked;
}
