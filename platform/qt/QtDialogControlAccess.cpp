// The dialog's calls on its controls by id: their texts, states, list entries, focus and pictures,
// and finding a control's entry by id or by widget.
#include "platform/qt/QtDialogWindow.h"

#include "platform/Win.h"
#include "platform/qt/QtDialogFrame.h"
#include "platform/qt/QtUtf8.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <climits>

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

bool QtDialogWindow::SetCaption(const std::string& text)
{
    m_frame->setWindowTitle(FromUtf8(text));
    return true;
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
            // A refresh must not undo the selection that makes the user's next keys replace the
            // value. setText also clears the modified flag.
            const bool whole = !edit->text().isEmpty() && edit->selectedText() == edit->text();
            edit->setText(FromUtf8(text));
            if (whole)
                SelectWholeText(*edit);
            else
                // Show the start of a long value, not its end.
                edit->setCursorPosition(0);
        } else {
            QString lines = FromUtf8(text);
            lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            auto* box = static_cast<QPlainTextEdit*>(entry->widget);
            box->setPlainText(lines);
            box->document()->setModified(false);
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

void QtDialogWindow::SelectWholeText(QLineEdit& edit)
{
    const int length = static_cast<int>(edit.text().size());
    edit.setSelection(length, -length);
}

bool QtDialogWindow::IsModified(int id) const
{
    const Entry* entry = Find(id);
    if (!entry || entry->control->kind != ControlKind::Edit)
        return false;
    if (const auto* edit = qobject_cast<const QLineEdit*>(entry->widget))
        return edit->isModified();
    return static_cast<const QPlainTextEdit*>(entry->widget)->document()->isModified();
}

bool QtDialogWindow::SetModified(int id, bool modified)
{
    Entry* entry = Find(id);
    if (!entry || entry->control->kind != ControlKind::Edit)
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(entry->widget))
        edit->setModified(modified);
    else
        static_cast<QPlainTextEdit*>(entry->widget)->document()->setModified(modified);
    return true;
}

bool QtDialogWindow::SetToolTip(int id, const std::string& text)
{
    Entry* entry = Find(id);
    if (!entry)
        return false;
    entry->widget->setToolTip(FromUtf8(text));
    return true;
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
