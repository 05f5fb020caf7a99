// A dialog window for the fuzz targets: no toolkit, no screen, just the controls' state in
// memory, behaving as the real platform does where the dialogs can tell.
#pragma once

#include "platform/DialogHost.h"
#include "platform/DialogTemplate.h"

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// One running dialog's controls, held in memory. Like the real platform, setting a text, a
// check or a selection never notifies, checking a radio button unchecks the rest of its group,
// disabling or hiding the focused control passes the focus on to the next tab stop, and an edit
// counts as modified from the user's typing until the program sets its text. Every
// text the dialog writes into one of its edits is first shown to `checkEditText`, when given.
class MemoryWindow final : public DialogWindow {
public:
    using EditTextCheck = std::function<void(const DialogTemplate&, int id, const std::string& text)>;

    explicit MemoryWindow(const DialogTemplate& dialogTemplate, EditTextCheck checkEditText = {})
        : m_template(dialogTemplate), m_checkEditText(std::move(checkEditText))
    {
        for (std::size_t position = 0; position < dialogTemplate.controls.size(); ++position) {
            const ControlTemplate& control = dialogTemplate.controls[position];
            if (control.id != IDC_STATIC)
                m_controls.emplace(control.id, Control(position, control));
        }
    }

    bool SetCaption(const std::string&) override { return true; }
    bool HasControl(int id) const override { return Find(id) != nullptr; }
    bool GetText(int id, std::string& out) const override
    {
        const Control* control = Find(id);
        if (!control)
            return false;
        out = control->text;
        return true;
    }
    bool SetText(int id, const std::string& text) override
    {
        Control* control = Find(id);
        if (!control)
            return false;
        if (m_checkEditText && Kind(id) == ControlKind::Edit)
            m_checkEditText(m_template, id, text);
        control->text = text;
        control->modified = false;
        return true;
    }
    bool IsModified(int id) const override { return Find(id) && Kind(id) == ControlKind::Edit && Find(id)->modified; }
    bool SetModified(int id, bool modified) override
    {
        if (!Find(id) || Kind(id) != ControlKind::Edit)
            return false;
        Find(id)->modified = modified;
        return true;
    }
    bool SetToolTip(int id, const std::string&) override { return HasControl(id); }
    bool IsEnabled(int id) const override { return Find(id) && Find(id)->enabled; }
    bool SetEnabled(int id, bool enabled) override { return SetState(id, &Control::enabled, enabled); }
    bool IsVisible(int id) const override { return Find(id) && Find(id)->visible; }
    bool SetVisible(int id, bool visible) override { return SetState(id, &Control::visible, visible); }
    bool IsChecked(int id) const override { return Find(id) && Find(id)->checked; }
    bool SetChecked(int id, bool checked) override
    {
        Control* control = Find(id);
        if (!control)
            return false;
        if (checked && Kind(id) == ControlKind::RadioButton)
            for (int other : RadioGroup(control->position))
                Find(other)->checked = false;
        control->checked = checked;
        return true;
    }
    bool ResetList(int id) override
    {
        Control* control = Find(id);
        if (!control)
            return false;
        control->entries.clear();
        control->selection = -1;
        return true;
    }
    bool AddListEntry(int id, const std::string& text) override
    {
        Control* control = Find(id);
        if (!control)
            return false;
        control->entries.push_back(text);
        return true;
    }
    int GetListSelection(int id) const override { return Find(id) ? Find(id)->selection : -1; }
    bool SetListSelection(int id, int index) override
    {
        Control* control = Find(id);
        if (!control || index < -1 || index >= static_cast<int>(control->entries.size()))
            return false;
        control->selection = index;
        return true;
    }
    int GetFocus() const override { return m_focus; }
    bool SetFocus(int id) override
    {
        if (!Reachable(id))
            return false;
        m_focus = id;
        return true;
    }
    bool SetPicture(int id, const unsigned char*, std::size_t) override { return HasControl(id); }
    void EndModal(int) override {}

    ControlKind Kind(int id) const { return m_template.controls[Find(id)->position].kind; }
    int ListSize(int id) const { return static_cast<int>(Find(id)->entries.size()); }
    // What the user types: the text changes, and nothing is told of it.
    void Type(int id, const std::string& text)
    {
        Find(id)->text = text;
        Find(id)->modified = true;
    }

    // The controls a user can act on: enabled, visible, and of a kind that takes a click.
    std::vector<int> ActionableControls() const
    {
        std::vector<int> ids;
        for (const ControlTemplate& control : m_template.controls)
            if (control.id != IDC_STATIC && IsTabStopKind(control.kind) && Reachable(control.id))
                ids.push_back(control.id);
        return ids;
    }

private:
    struct Control {
        Control(std::size_t at, const ControlTemplate& control)
            : position(at)
            , text(control.text ? control.text : "")
            , enabled(!(control.flags & CF_DISABLED))
            , visible(!(control.flags & CF_HIDDEN))
        {
        }

        std::size_t position; // in the template, which is creation and tab order
        std::string text;
        bool enabled;
        bool visible;
        bool checked = false;
        bool modified = false;
        std::vector<std::string> entries;
        int selection = -1;
    };

    const Control* Find(int id) const
    {
        const auto found = m_controls.find(id);
        return found == m_controls.end() ? nullptr : &found->second;
    }
    Control* Find(int id)
    {
        const auto found = m_controls.find(id);
        return found == m_controls.end() ? nullptr : &found->second;
    }
    bool Reachable(int id) const
    {
        const Control* control = Find(id);
        return control && control->enabled && control->visible;
    }

    bool SetState(int id, bool Control::*state, bool value)
    {
        Control* control = Find(id);
        if (!control)
            return false;
        control->*state = value;
        if (!value && id == m_focus)
            m_focus = NextTabStop(control->position);
        return true;
    }

    int NextTabStop(std::size_t after) const
    {
        const std::size_t count = m_template.controls.size();
        for (std::size_t step = 1; step <= count; ++step) {
            const ControlTemplate& control = m_template.controls[(after + step) % count];
            if (control.id != IDC_STATIC && IsTabStop(control) && Reachable(control.id))
                return control.id;
        }
        return -1;
    }

    // The radio buttons of the group the button at `position` belongs to: from the one marked
    // as starting the group to the last radio button before the next start.
    std::vector<int> RadioGroup(std::size_t position) const
    {
        const auto& controls = m_template.controls;
        std::size_t first = position;
        while (first > 0 && !(controls[first].flags & CF_GROUP) && controls[first - 1].kind == ControlKind::RadioButton)
            --first;
        std::vector<int> ids;
        for (std::size_t at = first; at < controls.size() && controls[at].kind == ControlKind::RadioButton; ++at) {
            if (at != first && (controls[at].flags & CF_GROUP))
                break;
            if (controls[at].id != IDC_STATIC)
                ids.push_back(controls[at].id);
        }
        return ids;
    }

    const DialogTemplate& m_template;
    EditTextCheck m_checkEditText;
    std::map<int, Control> m_controls;
    int m_focus = -1;
};
