// The host contract played on the Qt host offscreen, with real key and mouse events.
#include "tests/contract/HostContract.h"

#include "tests/qt/QtTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

namespace {

static_assert(LeftOpen == ScriptLeftOpen);

class QtHostDriver final : public HostDriver {
public:
    int Run(CDialog& dialog, const std::function<void()>& user) override
    {
        QtDialogWindow* owner = Host().Innermost();
        const int result = RunScripted(dialog, [&](QtDialogWindow&) { user(); });
        // The host hands the keyboard back to the window beneath a modal dialog that closes,
        // as a desktop's window manager would; offscreen there is none.
        if (owner && !QTest::qWaitFor([owner] { return QApplication::activeWindow() == owner->Frame(); }))
            ADD_FAILURE() << "the owner never became the active window again";
        return result;
    }

    void TypeInto(int editId, const std::string& text) override
    {
        QtDialogWindow* window = Acting();
        if (!window)
            return;
        auto* edit = qobject_cast<QLineEdit*>(window->Control(editId));
        if (!edit) {
            ADD_FAILURE() << "TypeInto: dialog " << window->Dialog().TemplateId() << " has no edit " << editId;
            return;
        }
        if (!edit->isEnabledTo(window->Frame()) || edit->isHidden()) {
            ADD_FAILURE() << "TypeInto: edit " << editId << " cannot be reached";
            return;
        }
        ::Click(edit);
        // Leaving the edit before may have closed the dialog or taken this edit away.
        if (window->Dialog().IsEnding() || QApplication::focusWidget() != edit)
            return;
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QString::fromStdString(text));
    }

    void Type(const std::string& keys) override
    {
        if (!Acting())
            return;
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!edit) {
            ADD_FAILURE() << "Type: the focus is not in an edit";
            return;
        }
        QTest::keyClicks(edit, QString::fromStdString(keys));
    }

    void PressTab() override
    {
        if (Acting())
            ::PressTab();
    }

    void Click(int id) override
    {
        QtDialogWindow* window = Acting();
        if (!window)
            return;
        QWidget* widget = window->Control(id);
        if (!widget) {
            ADD_FAILURE() << "Click: dialog " << window->Dialog().TemplateId() << " has no control " << id;
            return;
        }
        // A radio button or check box reacts on its indicator and its text; its box may be
        // wider than both. (A check box with its text on the left is clicked on its text.)
        const ControlKind kind = window->Template().Find(id)->kind;
        const bool indicator = kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
        const int middle = widget->height() / 2;
        QTest::mouseClick(widget, Qt::LeftButton, {}, indicator ? QPoint(middle, middle) : widget->rect().center());
    }

    void Choose(int listId, int index) override
    {
        QtDialogWindow* window = Acting();
        if (!window)
            return;
        auto* list = qobject_cast<QComboBox*>(window->Control(listId));
        if (!list || index < 0 || index >= list->count()) {
            ADD_FAILURE() << "Choose: dialog " << window->Dialog().TemplateId() << " has no list " << listId
                          << " with an entry " << index;
            return;
        }
        // The click opens the list; its release is not taken as a choice.
        ::Click(list);
        if (window->Dialog().IsEnding() || !list->view()->isVisible()) {
            ADD_FAILURE() << "Choose: list " << listId << " did not open";
            return;
        }
        QAbstractItemView* entries = list->view();
        QTest::keyClick(entries, Qt::Key_Home);
        for (int k = 0; k < index; ++k)
            QTest::keyClick(entries, Qt::Key_Down);
        QTest::keyClick(entries, Qt::Key_Return);
    }

    void PressEnter() override
    {
        if (Acting())
            PressKey(Qt::Key_Return);
    }

    void PressEscape() override
    {
        if (Acting())
            PressKey(Qt::Key_Escape);
    }

    void PressFunctionKey(int number) override
    {
        if (Acting())
            PressKey(static_cast<Qt::Key>(Qt::Key_F1 + number - 1));
    }

    void CloseBox() override
    {
        if (QtDialogWindow* window = Acting())
            PressCloseBox(*window);
    }

    std::string PastedText() override
    {
        return QGuiApplication::clipboard()->text(QClipboard::Clipboard).toUtf8().toStdString();
    }

    std::string Text(int id) override
    {
        std::string text;
        if (QtDialogWindow* window = Seen(id))
            window->GetText(id, text);
        return text;
    }

    std::string ToolTip(int id) override
    {
        QtDialogWindow* window = Seen(id);
        return window ? window->Control(id)->toolTip().toStdString() : std::string();
    }

    bool Enabled(int id) override
    {
        QtDialogWindow* window = Seen(id);
        return window && window->IsEnabled(id);
    }

    bool Checked(int id) override
    {
        QtDialogWindow* window = Seen(id);
        return window && window->IsChecked(id);
    }

    int Focus() override
    {
        QtDialogWindow* window = Host().Innermost();
        return window ? window->GetFocus() : -1;
    }

    bool TakesInput(const CDialog& dialog) override
    {
        for (QtDialogWindow* window : Host().Running()) {
            if (&window->Dialog() != &dialog)
                continue;
            QWidget* modal = QApplication::activeModalWidget();
            return window->Frame()->isActiveWindow() && (!modal || modal == window->Frame());
        }
        ADD_FAILURE() << "dialog " << dialog.TemplateId() << " is not running";
        return false;
    }

private:
    // The innermost dialog, unless it is already ending: then there is nothing to act on.
    static QtDialogWindow* Acting()
    {
        QtDialogWindow* window = Host().Innermost();
        if (!window)
            ADD_FAILURE() << "no dialog is running";
        return window && !window->Dialog().IsEnding() ? window : nullptr;
    }

    static QtDialogWindow* Seen(int id)
    {
        QtDialogWindow* window = Host().Innermost();
        if (!window || !window->HasControl(id)) {
            ADD_FAILURE() << "the running dialog has no control " << id;
            return nullptr;
        }
        return window;
    }
};

std::unique_ptr<HostDriver> MakeQtHostDriver()
{
    return std::make_unique<QtHostDriver>();
}

INSTANTIATE_TEST_SUITE_P(Qt, HostContract, ::testing::Values(HostDriverFactory{"QtHost", &MakeQtHostDriver}), HostName);

} // namespace
