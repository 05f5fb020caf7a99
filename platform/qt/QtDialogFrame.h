// The dialog's top-level widget, private to the files that define QtDialogWindow: each of them
// parents controls, groups or menus to it, or asks it about the window.
#pragma once

#include <QDialog>

class QCloseEvent;
class QContextMenuEvent;
class QEvent;
class QKeyEvent;
class QObject;
class QWidget;
class QtDialogWindow;

// The dialog's top-level widget. Every way of closing it, and every key that means something
// to a dialog, is handed to the CDialog through the window instead of Qt's own default-button
// and reject handling, so a focused edit is always applied first and exactly once.
class QtDialogFrame final : public QDialog {
public:
    QtDialogFrame(QtDialogWindow& window, QWidget* owner, Qt::WindowFlags flags);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QtDialogWindow& m_window;
};
