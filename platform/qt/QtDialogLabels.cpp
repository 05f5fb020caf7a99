// A dialog's labels on screen: their mnemonics' buddies, their text, boxes that keep every line
// whole, and the names that screen readers announce for the controls they label.
#include "platform/qt/QtDialogWindow.h"

#include "platform/qt/ControlLabels.h"
#include "platform/qt/QtUtf8.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

#include <algorithm>

void QtDialogWindow::AttachLabelBuddies()
{
    // A label's mnemonic takes the keyboard to the next control that Tab could reach.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const ControlTemplate& control = *m_entries[i].control;
        if (control.kind != ControlKind::Label || (control.flags & CF_NOPREFIX))
            continue;
        for (std::size_t j = i + 1; j < m_entries.size(); ++j) {
            if (IsTabStop(*m_entries[j].control)) {
                static_cast<QLabel*>(m_entries[i].widget)->setBuddy(m_entries[j].widget);
                break;
            }
        }
    }
}

void QtDialogWindow::ShowLabelText(Entry& entry)
{
    auto* label = static_cast<QLabel*>(entry.widget);
    // With a buddy Qt reads "&" as the mnemonic marker itself; without one it would print it.
    if ((entry.control->flags & CF_NOPREFIX) || label->buddy())
        label->setText(FromUtf8(entry.text));
    else
        label->setText(FromUtf8(StripMnemonic(entry.text)));
    KeepLabelWhole(entry);
}

// Label boxes were sized for one face; on another a one-line label can come out a few pixels
// short, and wrapping would push its last word below the box where nobody sees it. A label
// with no room for a line more than its own line breaks give it ("Fixed when vary \nC/I or
// C/(N+I):" is two) therefore keeps exactly those lines, and its box grows away from its
// aligned edges until every one of them fits.
void QtDialogWindow::KeepLabelWhole(Entry& entry)
{
    auto* label = static_cast<QLabel*>(entry.widget);
    QRect box = m_units.ToPixels(*entry.control);
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    const int lineCount = static_cast<int>(lines.size());
    if (box.height() >= (lineCount + 1) * metrics.lineSpacing())
        return;
    label->setWordWrap(false);
    int needed = 0;
    for (QString line : lines)
        needed = std::max(needed, metrics.horizontalAdvance(line.remove(QLatin1Char('&'))) + 1);
    if (needed > box.width()) {
        if (entry.control->flags & CF_RIGHT)
            box.setLeft(box.right() - needed + 1);
        else
            box.setWidth(needed);
    }
    const int tall = (lineCount - 1) * metrics.lineSpacing() + metrics.height();
    if (tall > box.height()) {
        const int extra = tall - box.height();
        if (entry.control->flags & CF_VCENTER)
            box.adjust(0, -extra / 2, 0, extra - extra / 2);
        else
            box.setHeight(tall);
    }
    label->setGeometry(box);
}

void QtDialogWindow::NameControlsForScreenReaders()
{
    for (Entry& entry : m_entries) {
        const std::string name = AccessibleNameFor(m_template, *entry.control);
        if (!name.empty())
            entry.widget->setAccessibleName(FromUtf8(name));
    }
}
