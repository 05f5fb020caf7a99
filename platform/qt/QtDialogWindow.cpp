#include "platform/qt/QtDialogWindow.h"

#include "platform/Dialog.h"
#include "platform/qt/ControlLabels.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextOption>

#include <algorithm>
#include <climits>

// The dialog's top-level widget. Every way of closing it, and every key that means something
// to a dialog, is handed to the CDialog through the window instead of Qt's own default-button
// and reject handling, so a focused edit is always applied first and exactly once.
class QtDialogFrame final : public QDialog {
public:
    QtDialogFrame(QtDialogWindow& window, QWidget* owner, Qt::WindowFlags flags)
        : QDialog(owner, flags), m_window(window)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (m_window.OnKey(watched, static_cast<QKeyEvent*>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::FocusOut:
            m_window.OnFocusOut(watched, static_cast<QFocusEvent*>(event));
            break;
        case QEvent::ContextMenu:
            if (m_window.OnControlContextMenu(static_cast<QContextMenuEvent*>(event)))
                return true;
            break;
        default:
            break;
        }
        return QDialog::eventFilter(watched, event);
    }

    void reject() override { m_window.OnReject(); }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!m_window.OnKey(this, event))
            QWidget::keyPressEvent(event);
    }

    void closeEvent(QCloseEvent* event) override
    {
        m_window.OnCloseBox();
        if (m_window.HasEnded())
            event->accept();
        else
            event->ignore();
    }

    void contextMenuEvent(QContextMenuEvent* event) override { m_window.OnContextMenu(event); }

private:
    QtDialogWindow& m_window;
};

namespace {

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

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

Qt::WindowFlags FrameFlags(const DialogTemplate& dialogTemplate)
{
    const bool appWindow = dialogTemplate.style & DS_APPWINDOW;
    Qt::WindowFlags flags = appWindow ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (dialogTemplate.style & DS_SYSMENU)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (appWindow)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

bool IsRadio(const ControlTemplate& control)
{
    return control.kind == ControlKind::RadioButton;
}

} // namespace

QtDialogWindow::QtDialogWindow(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner)
    : m_dialog(dialog), m_template(dialogTemplate)
{
    m_frame = std::make_unique<QtDialogFrame>(*this, owner, FrameFlags(dialogTemplate));
    m_frame->setWindowTitle(QString::fromUtf8(dialogTemplate.caption ? dialogTemplate.caption : ""));
    m_frame->setFont(DialogFont(dialogTemplate));
    m_frame->setSizeGripEnabled(false);
    // Measured on the font the frame actually resolved, which its controls inherit.
    m_units = DialogUnits(m_frame->font());
    m_frame->setFixedSize(m_units.ToPixels(dialogTemplate));

    m_entries.reserve(dialogTemplate.controls.size());
    for (const ControlTemplate& control : dialogTemplate.controls)
        CreateControl(control);
    BuildRadioGroups();
    AttachLabelBuddies();
    for (Entry& entry : m_entries)
        if (entry.control->kind == ControlKind::Label)
            ShowLabelText(entry);
    NameControlsForScreenReaders();
}

QtDialogWindow::~QtDialogWindow()
{
    m_tearingDown = true;
    m_frame.reset();
}

QDialog* QtDialogWindow::Frame() const
{
    return m_frame.get();
}

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
            auto* edit = new QPlainTextEdit(frame);
            edit->setReadOnly(true);
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
        auto* box = new QGroupBox(text, frame);
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

void QtDialogWindow::Deliver(int id, int code)
{
    if (!m_tearingDown && m_dialog.IsRunning())
        m_dialog.Notify(id, code);
}

QtDialogWindow::Entry* QtDialogWindow::Find(int id)
{
    if (id == IDC_STATIC)
        return nullptr;
    for (Entry& entry : m_entries)
        if (entry.control->id == id)
            return &entry;
    return nullptr;
}

const QtDialogWindow::Entry* QtDialogWindow::Find(int id) const
{
    return const_cast<QtDialogWindow*>(this)->Find(id);
}

const QtDialogWindow::Entry* QtDialogWindow::EntryOf(const QObject* widget) const
{
    for (const Entry& entry : m_entries)
        if (entry.widget == widget)
            return &entry;
    return nullptr;
}

QWidget* QtDialogWindow::Control(int id) const
{
    const Entry* entry = Find(id);
    return entry ? entry->widget : nullptr;
}

bool QtDialogWindow::HasControl(int id) const
{
    return Find(id) != nullptr;
}

bool QtDialogWindow::GetText(int id, std::string& out) const
{
    const Entry* entry = Find(id);
    if (!entry)
        return false;
    switch (entry->control->kind) {
    case ControlKind::Edit:
        if (const auto* edit = qobject_cast<const QLineEdit*>(entry->widget))
            out = ToUtf8(edit->text());
        else
            out = ToUtf8(static_cast<const QPlainTextEdit*>(entry->widget)->toPlainText());
        return true;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        out = ToUtf8(static_cast<const QAbstractButton*>(entry->widget)->text());
        return true;
    case ControlKind::GroupBox:
        out = ToUtf8(static_cast<const QGroupBox*>(entry->widget)->title());
        return true;
    case ControlKind::DropDownList:
        out = ToUtf8(static_cast<const QComboBox*>(entry->widget)->currentText());
        return true;
    case ControlKind::Label:
    case ControlKind::Picture:
    case ControlKind::Icon:
        out = entry->text;
        return true;
    }
    return false;
}

bool QtDialogWindow::SetText(int id, const std::string& text)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    if (!entry)
        return false;
    switch (entry->control->kind) {
    case ControlKind::Edit:
        if (auto* edit = qobject_cast<QLineEdit*>(entry->widget)) {
            edit->setText(FromUtf8(text));
            // Show the start of a long value, not its end.
            edit->setCursorPosition(0);
        } else {
            QString lines = FromUtf8(text);
            lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            static_cast<QPlainTextEdit*>(entry->widget)->setPlainText(lines);
        }
        return true;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        static_cast<QAbstractButton*>(entry->widget)->setText(FromUtf8(text));
        return true;
    case ControlKind::GroupBox:
        static_cast<QGroupBox*>(entry->widget)->setTitle(FromUtf8(text));
        return true;
    case ControlKind::Label:
        entry->text = text;
        ShowLabelText(*entry);
        return true;
    case ControlKind::Picture:
    case ControlKind::Icon:
        entry->text = text;
        return true;
    case ControlKind::DropDownList:
        // A drop-down list shows one of its entries and has no text of its own to set.
        return false;
    }
    return false;
}

bool QtDialogWindow::IsEnabled(int id) const
{
    const Entry* entry = Find(id);
    return entry && entry->widget->isEnabledTo(m_frame.get());
}

bool QtDialogWindow::SetEnabled(int id, bool enabled)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    if (!entry)
        return false;
    entry->widget->setEnabled(enabled);
    UpdateRadioTabStop(entry->radioGroup);
    return true;
}

bool QtDialogWindow::IsVisible(int id) const
{
    // The control's own state: while the dialog is being set up nothing is on screen yet.
    const Entry* entry = Find(id);
    return entry && !entry->widget->isHidden();
}

bool QtDialogWindow::SetVisible(int id, bool visible)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    if (!entry)
        return false;
    entry->widget->setVisible(visible);
    UpdateRadioTabStop(entry->radioGroup);
    return true;
}

bool QtDialogWindow::IsChecked(int id) const
{
    const Entry* entry = Find(id);
    if (!entry || (entry->control->kind != ControlKind::RadioButton && entry->control->kind != ControlKind::CheckBox))
        return false;
    return static_cast<const QAbstractButton*>(entry->widget)->isChecked();
}

bool QtDialogWindow::SetChecked(int id, bool checked)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    if (!entry || (entry->control->kind != ControlKind::RadioButton && entry->control->kind != ControlKind::CheckBox))
        return false;
    auto* button = static_cast<QAbstractButton*>(entry->widget);
    if (!checked && entry->radioGroup >= 0) {
        // An exclusive group refuses to uncheck its checked button; a refresh may still need
        // to leave a group with none checked.
        QButtonGroup* group = m_radioGroups[entry->radioGroup].buttons;
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
    } else {
        button->setChecked(checked);
    }
    return true;
}

bool QtDialogWindow::ResetList(int id)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    auto* list = entry ? qobject_cast<QComboBox*>(entry->widget) : nullptr;
    if (!list)
        return false;
    list->clear();
    entry->lastSelection = -1;
    return true;
}

bool QtDialogWindow::AddListEntry(int id, const std::string& text)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    auto* list = entry ? qobject_cast<QComboBox*>(entry->widget) : nullptr;
    if (!list)
        return false;
    const int before = list->currentIndex();
    list->addItem(FromUtf8(text));
    // Qt selects the first entry added to an empty list; the dialogs choose for themselves.
    if (before < 0)
        list->setCurrentIndex(-1);
    return true;
}

int QtDialogWindow::GetListSelection(int id) const
{
    const Entry* entry = Find(id);
    const auto* list = entry ? qobject_cast<const QComboBox*>(entry->widget) : nullptr;
    return list ? list->currentIndex() : -1;
}

bool QtDialogWindow::SetListSelection(int id, int index)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    auto* list = entry ? qobject_cast<QComboBox*>(entry->widget) : nullptr;
    if (!list)
        return false;
    const bool valid = index >= -1 && index < list->count();
    list->setCurrentIndex(valid ? index : -1);
    entry->lastSelection = list->currentIndex();
    return valid;
}

int QtDialogWindow::GetFocus() const
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != m_frame.get()) {
        // Before the window is shown, the control it will focus on showing answers, so a
        // dialog that places the focus while it initialises reads back what it placed.
        if (m_frame->isVisible())
            return -1;
        focus = m_frame->focusWidget();
    }
    for (QWidget* widget = focus; widget && widget != m_frame.get(); widget = widget->parentWidget())
        if (const Entry* entry = EntryOf(widget))
            return entry->control->id;
    return -1;
}

bool QtDialogWindow::SetFocus(int id)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    // Only what the keyboard could reach takes the focus; Qt itself would hand it to a label.
    if (!entry || !IsTabStopKind(entry->control->kind) || entry->widget->isHidden()
        || !entry->widget->isEnabledTo(m_frame.get()))
        return false;
    // On a window that is not active yet this only records the control; Qt gives it the
    // focus as the window becomes active.
    entry->widget->setFocus(Qt::OtherFocusReason);
    return m_frame->focusWidget() == entry->widget;
}

bool QtDialogWindow::SetPicture(int id, const unsigned char* png, std::size_t size)
{
    const Programmatic programmatic(*this);
    Entry* entry = Find(id);
    if (!entry || entry->control->kind != ControlKind::Picture || !png || size > INT_MAX)
        return false;
    const QImage image = QImage::fromData(png, static_cast<int>(size), "PNG");
    if (image.isNull())
        return false;

    const qreal ratio = m_frame->devicePixelRatioF();
    const QSize logical = entry->widget->size();
    const QSize device(qRound(logical.width() * ratio), qRound(logical.height() * ratio));
    if (device.isEmpty())
        return false;
    // Composed over the dialog's own background so a transparent edge of the image shows the
    // dialog, not a lighter or darker box.
    QImage canvas(device, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(m_frame->palette().color(QPalette::Window));
    {
        QPainter painter(&canvas);
        painter.drawImage(QPoint(0, 0),
                          image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    QPixmap pixmap = QPixmap::fromImage(canvas);
    pixmap.setDevicePixelRatio(ratio);
    static_cast<QLabel*>(entry->widget)->setPixmap(pixmap);
    entry->widget->show();
    return true;
}

void QtDialogWindow::EndModal(int result)
{
    m_ended = true;
    m_result = result;
    if (m_executing)
        m_frame->done(result);
}

int QtDialogWindow::Exec()
{
    if (m_ended)
        return m_result;
    m_executing = true;
    const int result = m_frame->exec();
    m_executing = false;
    return m_ended ? m_result : result;
}

bool QtDialogWindow::OnKey(QObject* target, QKeyEvent* event)
{
    if (m_tearingDown || !m_dialog.IsRunning())
        return false;
    const Qt::KeyboardModifiers chords = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
    if (event->modifiers() & chords)
        return false;
    // The menu keys open the window menu wherever the focus is, so that it can be reached
    // without a mouse. X11 turns the Menu key into a context-menu event before the key itself
    // arrives (see OnControlContextMenu), and the key then goes to the open menu, which ignores
    // it; other platforms send only the key.
    const bool menuKey = event->key() == Qt::Key_Menu
                         || (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier));
    if (menuKey && !m_dialog.SystemMenu().empty()) {
        ShowSystemMenu(KeyboardMenuPoint());
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_dialog.KeyEnter();
        return true;
    case Qt::Key_Escape:
        m_dialog.KeyEscape();
        return true;
    case Qt::Key_F1:
        m_dialog.KeyHelp();
        return true;
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
    case Qt::Key_F5:
    case Qt::Key_F6:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_F9:
    case Qt::Key_F10:
    case Qt::Key_F11:
    case Qt::Key_F12:
        if (event->modifiers() & Qt::ShiftModifier)
            return false;
        return m_dialog.KeyFunction(event->key() - Qt::Key_F1 + 1);
    case Qt::Key_Up:
    case Qt::Key_Left:
        return MoveInRadioGroup(target, -1);
    case Qt::Key_Down:
    case Qt::Key_Right:
        return MoveInRadioGroup(target, +1);
    default:
        return false;
    }
}

void QtDialogWindow::OnFocusOut(QObject* target, QFocusEvent* event)
{
    // The edit's own context menu takes the focus only for a moment; that is not leaving. Nor
    // is the dialog's own call disabling or hiding the edit, or placing the focus elsewhere.
    if (m_tearingDown || m_programmatic > 0 || event->reason() == Qt::PopupFocusReason)
        return;
    const Entry* entry = EntryOf(target);
    if (!entry || entry->control->kind != ControlKind::Edit || m_dialog.IsEnding())
        return;
    Deliver(entry->control->id, EN_KILLFOCUS);
}

void QtDialogWindow::OnCloseBox()
{
    if (!m_tearingDown && !m_ended && m_dialog.IsRunning())
        m_dialog.CloseBox();
}

void QtDialogWindow::OnReject()
{
    if (!m_tearingDown && !m_ended && m_dialog.IsRunning())
        m_dialog.KeyEscape();
}

void QtDialogWindow::OnContextMenu(QContextMenuEvent* event)
{
    if (m_tearingDown || m_ended || !m_dialog.IsRunning()) {
        event->ignore();
        return;
    }
    if (event->reason() == QContextMenuEvent::Mouse) {
        // Only the background offers the window's menu; a control's own spot is its own.
        for (const Entry& entry : m_entries) {
            const QWidget* widget = entry.widget;
            if (!widget->isHidden() && !widget->testAttribute(Qt::WA_TransparentForMouseEvents)
                && widget->geometry().contains(event->pos())) {
                event->ignore();
                return;
            }
        }
    }
    event->accept();
    ShowSystemMenu(event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : KeyboardMenuPoint());
}

bool QtDialogWindow::OnControlContextMenu(QContextMenuEvent* event)
{
    // From the keyboard, a control's own menu gives way to the window's: an edit's Cut, Copy
    // and Paste have keys of their own, the window menu has no other. A right click on a
    // control still opens that control's menu.
    if (event->reason() != QContextMenuEvent::Keyboard || m_dialog.SystemMenu().empty())
        return false;
    if (m_tearingDown || m_ended || !m_dialog.IsRunning())
        return false;
    event->accept();
    ShowSystemMenu(KeyboardMenuPoint());
    return true;
}

// Opened from the keyboard, the menu drops from the control that has the focus, where the
// user is looking, rather than from wherever the mouse pointer was left.
QPoint QtDialogWindow::KeyboardMenuPoint() const
{
    if (const Entry* entry = Find(GetFocus()))
        return entry->widget->mapToGlobal(QPoint(0, entry->widget->height()));
    return m_frame->mapToGlobal(QPoint(0, 0));
}

void QtDialogWindow::ShowSystemMenu(const QPoint& globalPos)
{
    const std::vector<SystemMenuItem>& items = m_dialog.SystemMenu();
    if (items.empty())
        return;
    QMenu menu(m_frame.get());
    int chosen = 0;
    for (const SystemMenuItem& item : items) {
        if (item.command == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(FromUtf8(item.text));
        const int command = item.command;
        // Shown beside the entry only: the key itself reaches the dialog through OnKey.
        if (const int key = m_dialog.FunctionKeyOf(command))
            action->setText(action->text() + QLatin1Char('\t') + QStringLiteral("F%1").arg(key));
        QObject::connect(action, &QAction::triggered, [&chosen, command] { chosen = command; });
    }
    menu.exec(globalPos);
    // The session may have ended the dialog while the menu was open.
    if (chosen != 0 && !m_tearingDown && !m_ended && m_dialog.IsRunning())
        m_dialog.OnSysCommand(chosen);
}
