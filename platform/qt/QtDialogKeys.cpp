// The keys that mean something to a dialog, and its window menu, opened from the mouse or the
// keyboard.
#include "platform/qt/QtDialogWindow.h"

#include "platform/Dialog.h"
#include "platform/qt/QtDialogFrame.h"
#include "platform/qt/QtUtf8.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

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
