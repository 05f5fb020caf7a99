// A dialog's labels on screen: their mnemonics' buddies, their text, boxes that keep every line
// whole, and the names that screen readers announce for the controls they label.
#include "platform/qt/QtDialogWindow.h"

#include "platform/ControlLabels.h"
#include "platform/qt/QtDialogFrame.h"
#include "platform/qt/QtUtf8.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace {

// A label box grown past the window's right or bottom edge takes that edge with it, keeping the
// margin the template left between the box and the edge; the window never shrinks.
void GrowFrameAround(QWidget& frame, const QSize& templateSize, const QRect& drawn, const QRect& grown)
{
    const auto edge = [](int window, int drawnEnd, int grownEnd, int templateEnd) {
        if (grownEnd <= window)
            return window;
        return std::max(window, grownEnd + std::max(templateEnd - drawnEnd, 0));
    };
    const QSize size = frame.size();
    const QSize needed(edge(size.width(), drawn.right() + 1, grown.right() + 1, templateSize.width()),
                       edge(size.height(), drawn.bottom() + 1, grown.bottom() + 1, templateSize.height()));
    if (needed != size)
        frame.setFixedSize(needed);
}

} // namespace

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
// aligned edges until every one of them fits. A box of several lines wraps its words and grows
// downwards until the last line fits. The window grows with a box that passes its edge.
void QtDialogWindow::KeepLabelWhole(Entry& entry)
{
    auto* label = static_cast<QLabel*>(entry.widget);
    const QRect drawn = m_units.ToPixels(*entry.control);
    QRect box = drawn;
    const QFontMetrics metrics(label->font());
    const QStringList lines = label->text().split(QLatin1Char('\n'));
    const int lineCount = static_cast<int>(lines.size());
    if (box.height() >= (lineCount + 1) * metrics.lineSpacing()) {
        label->setWordWrap(!(entry.control->flags & CF_VCENTER));
        if (label->wordWrap())
            box.setHeight(std::max(box.height(), label->heightForWidth(box.width())));
        label->setGeometry(box);
        GrowFrameAround(*m_frame, m_units.ToPixels(m_template), drawn, box);
        return;
    }
    label->setWordWrap(false);
    int needed = 0;
    for (QString line : lines)
        needed = std::max(needed, metrics.horizontalAdvance(line.remove(QLatin1Char('&'))) + 1);
    if (needed > box.width()) {
        if (entry.control->flags & CF_RIGHT)
            box.setLeft(box.right() - needed + 1);
        else
            box = GrowLeftAlignedLabel(entry, box, needed);
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
    GrowFrameAround(*m_frame, m_units.ToPixels(m_template), drawn, box);
}

// A left-aligned label grows to the right, unless that would take it up to the control it
// labels ("Thermal Noise:" on a wider face than the one it was drawn for): then it keeps the gap
// it was drawn with and grows to the left instead, as far as the edge of the group box or window
// it stands in allows.
QRect QtDialogWindow::GrowLeftAlignedLabel(const Entry& entry, QRect box, int needed) const
{
    const QRect drawn = box;
    box.setWidth(needed);
    int neighbour = INT_MAX;
    int floor = m_units.ToPixelsX(2);
    for (const Entry& other : m_entries) {
        const QRect rect = m_units.ToPixels(*other.control);
        if (other.control->kind == ControlKind::GroupBox) {
            if (rect.contains(drawn) && rect.left() + m_units.ToPixelsX(2) > floor)
                floor = rect.left() + m_units.ToPixelsX(2);
            continue;
        }
        if (other.control->kind == ControlKind::Label || &other == &entry)
            continue;
        const bool sameRow = rect.top() <= drawn.bottom() && drawn.top() <= rect.bottom();
        if (sameRow && rect.left() > drawn.right())
            neighbour = std::min(neighbour, rect.left());
    }
    if (neighbour == INT_MAX)
        return box;
    const int gap = neighbour - drawn.right();
    const int over = box.right() + gap - neighbour;
    if (over > 0)
        box.translate(-std::min(over, std::max(0, drawn.left() - floor)), 0);
    return box;
}

void QtDialogWindow::NameControlsForScreenReaders()
{
    for (Entry& entry : m_entries) {
        const std::string name = AccessibleNameFor(m_template, *entry.control);
        if (!name.empty())
            entry.widget->setAccessibleName(FromUtf8(name));
    }
}
