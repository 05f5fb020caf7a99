// A tool's window menu on the Qt host: opened by a right click on the dialog's background or,
// without a mouse, by Shift+F10 or the Menu key from wherever the focus is; its copy commands
// reach the desktop's clipboard.
#include "tests/qt/QtTestSupport.h"

#include "framework/ValueReport.h"
#include "models/KOTDB.h"
#include "models/ToolCatalog.h"
#include "resources/Resource.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Once the menu that `open` opens is up, reads its entries (a separator as "-") into `entries`
// and clicks `choice`; closes it when it has no such entry. Empty `entries` afterwards: no menu
// opened.
void OpenMenuAndChoose(const std::function<void()>& open, QStringList& entries, const QString& choice)
{
    entries.clear();
    QTimer::singleShot(0, [&entries, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == choice)
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
        else
            menu->close();
    });
    QWidget* const active = QApplication::activeWindow();
    open();
    QTest::qWait(10);
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    // The offscreen platform makes a menu the active window and leaves no window active when it
    // closes; an X server leaves the keyboard with the dialog all along (the end-to-end test
    // goes on with keys there).
    if (active && !QApplication::activeWindow()) {
        active->activateWindow();
        if (!QTest::qWaitFor([active] { return QApplication::activeWindow() == active; }))
            ADD_FAILURE() << "the dialog did not get the keyboard back";
    }
}

// What X11 makes of the Menu key: a context-menu request to the focused control, before the key.
void AskForMenuFromKeyboard(QWidget* control)
{
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(control, &request);
}

const QStringList ToolMenu{"-", "Copy Values", "Copy as Command"};

QString Clipboard()
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

TEST(QtWindowMenu, ARightClickOnTheBackgroundCopiesTheToolsValues)
{
    CKOTDB model;
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    QStringList entries;
    RunScriptedBy(IDD_TOOL_DB, [&] { return model.RunDialog(); }, [&](QtDialogWindow& window) {
        OpenMenuAndChoose([&] { ClickAt(window, QPoint(3, 3), Qt::RightButton); }, entries, "Copy Values");
        EXPECT_EQ(entries, ToolMenu);
        EXPECT_EQ(Clipboard(), FromUtf8(FormatValueLines(model)));

        OpenMenuAndChoose([&] { ClickAt(window, QPoint(3, 3), Qt::RightButton); }, entries, "Copy as Command");
        EXPECT_EQ(Clipboard(), FromUtf8(CommandLineFor(*ToolOf(model), model)));
    });
    EXPECT_FALSE(Clipboard().isEmpty());
}

// The focus stays in the edit and its typed text stays unapplied: opening the menu is not
// leaving the edit. From the keyboard the edit's own menu gives way to the window's; a right
// click on the edit still opens the edit's own.
TEST(QtWindowMenu, ShiftF10AndTheMenuKeyOpenItFromAnEdit)
{
    CKOTDB model;
    QStringList entries;
    RunScriptedBy(IDD_TOOL_DB, [&] { return model.RunDialog(); }, [&](QtDialogWindow& window) {
        QWidget* absolute = window.Control(IDC_DB_ABSOLUTE);
        ASSERT_TRUE(absolute->hasFocus());
        Type("5");
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);

        OpenMenuAndChoose([] { PressKey(Qt::Key_F10, Qt::ShiftModifier); }, entries, "Copy Values");
        EXPECT_EQ(entries, ToolMenu);
        EXPECT_EQ(Clipboard(), FromUtf8(FormatValueLines(model)));

        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
        OpenMenuAndChoose([] { PressKey(Qt::Key_Menu); }, entries, "Copy Values");
        EXPECT_EQ(entries, ToolMenu);
        EXPECT_EQ(Clipboard(), FromUtf8(FormatValueLines(model)));

        OpenMenuAndChoose(
[&] { AskForMenuFromKeyboard(absolute); },
            entries, "");
        EXPECT_EQ(entries, ToolMenu);

        OpenMenuAndChoose([&] { Click(absolute, Qt::RightButton); }, entries, "");
        EXPECT_FALSE(entries.isEmpty());
        EXPECT_FALSE(entries.contains("Copy Values"));

        EXPECT_TRUE(absolute->hasFocus());
        EXPECT_EQ(model.m_absolute, 10.0);
        std::string shown;
        window.Dialog().GetItemText(IDC_DB_ABSOLUTE, shown);
        EXPECT_EQ(shown, "5");
    });
}

// A dialog without a window menu leaves the keys and the controls' own menus alone.
TEST(QtWindowMenu, WithoutAWindowMenuTheKeysOpenNothingOfTheWindows)
{
    RecordingDialog dialog(IDD_TOOL_GTOT);
    QStringList entries;
    RunScripted(dialog, [&](QtDialogWindow& window) {
        OpenMenuAndChoose([] { PressKey(Qt::Key_F10, Qt::ShiftModifier); }, entries, "");
        EXPECT_TRUE(entries.isEmpty());

        QWidget* edit = window.Control(IDC_GTOT_GAIN);
        OpenMenuAndChoose(
[&] { AskForMenuFromKeyboard(edit); },
            entries, "");
        EXPECT_FALSE(entries.isEmpty()) << "the edit's own menu did not open";
    });
    EXPECT_TRUE(dialog.sysCommands.empty());
}

} // namespace
