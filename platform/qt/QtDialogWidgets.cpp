// Building a dialog's widgets from its template: one Qt widget per control, with the few widget
// classes of its own that the templates need.
#include "platform/qt/QtDialogWindow.h"

#include "platform/Win.h"
#include "platform/qt/QtDialogFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextOption>
#include <qdrawutil.h>

#include <algorithm>

namespace {

// A group box drawn the way the templates were laid out for: the frame's top edge runs through
// the middle of the title's line and the title interrupts it, so the box's first row starts
// half a line below its top. Qt's own group box puts the frame under the whole title, a line
// lower, where it cuts through the controls of that first row.
class TemplateGroupBox final : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        const QFontMetrics metrics(font());
        const int lineHeight = metrics.height();
        // Drawn here rather than by the style, whose group-box frame leaves room for the title
        // below the widget's top whatever rectangle it is given.
        qDrawShadeRect(&painter, rect().adjusted(0, lineHeight / 2, 0, 0), palette(), true, 1, 0);
        if (title().isEmpty())
            return;
        // The title's own background hides the frame behind it, nothing more: the box stacks
        // above the controls it frames, and none of them sits under its title.
        const int indent = metrics.averageCharWidth();
        const int pad = std::max(1, metrics.averageCharWidth() / 3);
        const QRect text(indent, 0, metrics.horizontalAdvance(title()) + 2 * pad, lineHeight);
        painter.fillRect(text, palette().brush(backgroundRole()));
        painter.drawItemText(text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                             QPalette::WindowText);
    }
};

// A check box whose text stands on the left and whose box stands at the right edge of its
// rectangle, the text filling the room before it. Like the text of an ordinary check box, all
// of it takes the click; the keyboard, the accessible role and the signals are QCheckBox's own.
class LeftTextCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);

        // The box keeps the size and the height the style gives it, moved to the right edge.
        QStyleOptionButton box = option;
        box.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
        box.rect.moveRight(rect().right());
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, box);

        QStyleOptionButton label = option;
        const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
        label.rect = rect();
        label.rect.setRight(box.rect.left() - spacing - 1);
        painter.drawControl(QStyle::CE_CheckBoxLabel, label);

        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
            focus.rect = style()->itemTextRect(option.fontMetrics, label.rect, flags, isEnabled(), option.text)
                             .adjusted(-1, 0, 1, 0)
                             .intersected(rect());
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

void QtDialogWindow::CreateControl(const ControlTemplate& control)
{
    QtDialogFrame* frame = m_frame.get();
    const QString text = QString::fromUtf8(control.text ? control.text : "");
    const std::size_t index = m_entries.size();
    const int id = control.id;
    QRect geometry = m_units.ToPixels(control);
    QWidget* widget = nullptr;

    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(text, frame);
        // The default button only looks the part: Enter reaches it through the dialog, which
        // first applies the focused edit.
        button->setAutoDefault(false);
        button->setDefault(control.flags & CF_DEFAULT);
        QObject::connect(button, &QAbstractButton::clicked, [this, id] { Deliver(id, BN_CLICKED); });
        widget = button;
        break;
    }
    case ControlKind::Edit:
        if (control.flags & CF_MULTILINE) {
            // The several-line edits are messages for reading (the error dialog's texts): never
            // typed into, but drawn in the normal colours, not the faint disabled ones, and
            // selectable with the mouse or the keyboard so that a message can be copied.
            auto* edit = new QPlainTextEdit(frame);
            edit->setReadOnly(true);
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            edit->setTabChangesFocus(true);
            edit->setPlainText(text);
            widget = edit;
        } else {
            auto* edit = new QLineEdit(text, frame);
            edit->setCursorPosition(0);
            widget = edit;
        }
        break;
    case ControlKind::Label: {
        auto* label = new QLabel(frame);
        label->setTextFormat(Qt::PlainText);
        const Qt::Alignment horizontal = (control.flags & CF_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
        const Qt::Alignment vertical = (control.flags & CF_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
        label->setAlignment(horizontal | vertical);
        // Plain labels wrap their words into the box they were given; a vertically centred
        // one is a single line.
        label->setWordWrap(!(control.flags & CF_VCENTER));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = label;
        break;
    }
    case ControlKind::GroupBox: {
        auto* box = new TemplateGroupBox(text, frame);
        // Created after the controls it frames, so it stacks above them; it must not take
        // their clicks.
        box->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = box;
        break;
    }
    case ControlKind::RadioButton: {
        // Left auto-exclusive: Qt's accessibility announces a checkable button without it as a
        // check box. Exclusivity itself comes from the template's groups (BuildRadioGroups),
        // since a button that belongs to a QButtonGroup follows the group, not its parent.
        auto* radio = new QRadioButton(text, frame);
        QObject::connect(radio, &QAbstractButton::clicked, [this, id] { Deliver(id, BN_CLICKED); });
        widget = radio;
        break;
    }
    case ControlKind::CheckBox: {
        const bool leftText = control.flags & CF_LEFTTEXT;
        auto* check = leftText ? new LeftTextCheckBox(text, frame) : new QCheckBox(text, frame);
        QObject::connect(check, &QAbstractButton::clicked, [this, id] { Deliver(id, BN_CLICKED); });
        // Like a one-line label, the box was sized for one face; on a wider one its text would be
        // cut. It grows away from the box, which stays where the layout put it.
        const int needed = check->sizeHint().width();
        if (needed > geometry.width()) {
            if (leftText)
                geometry.setLeft(geometry.right() - needed + 1);
            else
                geometry.setWidth(needed);
        }
        widget = check;
        break;
    }
    case ControlKind::DropDownList: {
        auto* list = new QComboBox(frame);
        list->setEditable(false);
        // The template's height is that of the open list; the closed box keeps its natural
        // height and the rest becomes the list's rows.
        const int closedHeight = list->sizeHint().height();
        const int rowHeight = QFontMetrics(frame->font()).height() + 2;
        list->setMaxVisibleItems(std::max(1, (geometry.height() - closedHeight) / rowHeight));
        geometry.setHeight(closedHeight);
        QObject::connect(list, &QComboBox::activated, [this, index, id](int selected) {
            // Choosing the entry that was already selected is no change.
            if (selected == m_entries[index].lastSelection)
                return;
            m_entries[index].lastSelection = selected;
            Deliver(id, CBN_SELCHANGE);
        });
        widget = list;
        break;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(frame);
        picture->setAlignment(Qt::AlignCenter);
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        widget = picture;
        break;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(frame);
        icon->setAlignment(Qt::AlignCenter);
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        icon->setPixmap(QApplication::windowIcon().pixmap(geometry.size()));
        widget = icon;
        break;
    }
    }

    widget->setGeometry(geometry);
    if (control.flags & CF_DISABLED)
        widget->setEnabled(false);
    if (control.flags & CF_HIDDEN)
        widget->hide();
    widget->installEventFilter(frame);
    m_entries.push_back({&control, widget, control.text ? control.text : ""});
}
