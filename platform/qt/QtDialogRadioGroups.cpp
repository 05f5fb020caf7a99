// A dialog's radio groups: which buttons exclude one another, where Tab stops in each group, and
// how the arrow keys move within it.
#include "platform/qt/QtDialogWindow.h"

#include "platform/qt/QtDialogFrame.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace {

bool IsRadio(const ControlTemplate& control)
{
    return control.kind == ControlKind::RadioButton;
}

} // namespace

void QtDialogWindow::BuildRadioGroups()
{
    int current = -1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const ControlTemplate& control = *m_entries[i].control;
        if (!IsRadio(control)) {
            current = -1;
            continue;
        }
        if (current == -1 || (control.flags & CF_GROUP)) {
            auto* buttons = new QButtonGroup(m_frame.get());
            buttons->setExclusive(true);
            m_radioGroups.push_back({buttons, {}});
            current = static_cast<int>(m_radioGroups.size()) - 1;
            QObject::connect(buttons, &QButtonGroup::buttonToggled,
                             [this, current](QAbstractButton*, bool) { UpdateRadioTabStop(current); });
        }
        m_entries[i].radioGroup = current;
        m_radioGroups[current].members.push_back(i);
        m_radioGroups[current].buttons->addButton(static_cast<QAbstractButton*>(m_entries[i].widget));
    }
    for (std::size_t group = 0; group < m_radioGroups.size(); ++group)
        UpdateRadioTabStop(static_cast<int>(group));
}

void QtDialogWindow::UpdateRadioTabStop(int group)
{
    if (m_tearingDown || group < 0 || group >= static_cast<int>(m_radioGroups.size()))
        return;
    // Tab reaches a radio group once: at its checked button, or at its first usable one when
    // none is checked. The others are reached with the arrow keys. Buttons that Tab passes by
    // are never that stop (a group of nothing else has none); a click still reaches them.
    const std::vector<std::size_t>& members = m_radioGroups[group].members;
    const auto usable = [this](std::size_t i) {
        return IsTabStop(*m_entries[i].control) && !m_entries[i].widget->isHidden()
               && m_entries[i].widget->isEnabledTo(m_frame.get());
    };
    std::size_t stop = members.size();
    for (std::size_t k = 0; k < members.size(); ++k) {
        const auto* button = static_cast<QAbstractButton*>(m_entries[members[k]].widget);
        if (button->isChecked() && usable(members[k])) {
            stop = k;
            break;
        }
    }
    for (std::size_t k = 0; stop == members.size() && k < members.size(); ++k)
        if (usable(members[k]))
            stop = k;
    for (std::size_t k = 0; k < members.size(); ++k)
        m_entries[members[k]].widget->setFocusPolicy(k == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool QtDialogWindow::MoveInRadioGroup(QObject* target, int step)
{
    const Entry* entry = EntryOf(target);
    if (!entry || entry->radioGroup < 0)
        return false;
    const std::vector<std::size_t>& members = m_radioGroups[entry->radioGroup].members;
    const int count = static_cast<int>(members.size());
    int position = 0;
    while (position < count && &m_entries[members[position]] != entry)
        ++position;
    for (int k = 1; k < count; ++k) {
        const int next = ((position + step * k) % count + count) % count;
        QWidget* widget = m_entries[members[next]].widget;
        if (widget->isHidden() || !widget->isEnabledTo(m_frame.get()))
            continue;
        // An arrow key both moves to and chooses the next button, as a click would.
        widget->setFocus(Qt::OtherFocusReason);
        static_cast<QAbstractButton*>(widget)->click();
        return true;
    }
    return true;
}
