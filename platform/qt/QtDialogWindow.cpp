// The window itself: its frame and the events the frame hands on, building the window, the
// modal run and its end, and the notifications sent to the dialog (an edit losing the focus).
#include "platform/qt/QtDialogWindow.h"

#include "platform/Dialog.h"
#include "platform/qt/QtDialogFrame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

QtDialogFrame::QtDialogFrame(QtDialogWindow& window, QWidget* owner, Qt::WindowFlags flags)
    : QDialog(owner, flags), m_window(window)
{
}

bool QtDialogFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (m_window.OnKey(watched, static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::FocusIn:
        m_window.OnFocusIn(watched, static_cast<QFocusEvent*>(event));
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

void QtDialogFrame::reject()
{
    m_window.OnReject();
}

void QtDialogFrame::keyPressEvent(QKeyEvent* event)
{
    if (!m_window.OnKey(this, event))
        QWidget::keyPressEvent(event);
}

void QtDialogFrame::closeEvent(QCloseEvent* event)
{
    m_window.OnCloseBox();
    if (m_window.HasEnded())
        event->accept();
    else
        event->ignore();
}

void QtDialogFrame::contextMenuEvent(QContextMenuEvent* event)
{
    m_window.OnContextMenu(event);
}

namespace {

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

void QtDialogWindow::Deliver(int id, int code)
{
    if (!m_tearingDown && m_dialog.IsRunning())
        m_dialog.Notify(id, code);
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

// Qt selects an edit's text only when Tab brings the focus. When the window gets the keyboard
// (shown, or the error dialog above it closed) the caret would sit where the program's text
// left it, at the start, and "10" typed into "0.0" would make "100.0".
void QtDialogWindow::OnFocusIn(QObject* target, QFocusEvent* event)
{
    if (m_tearingDown || event->reason() != Qt::ActiveWindowFocusReason)
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(target); edit && EntryOf(edit))
        SelectWholeText(*edit);
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
