// The host contract played on the scripted host.
#include "tests/contract/HostContract.h"

#include "platform/Dialog.h"
#include "tests/support/ScriptedHost.h"

#include <vector>

namespace {

class ScriptedHostDriver final : public HostDriver {
public:
    int Run(CDialog& dialog, const std::function<void()>& user) override
    {
        m_host.OnDialog(dialog.TemplateId(), [this, &dialog, &user](ScriptedDialog& view) {
            m_running.push_back(&view);
            user();
            m_running.pop_back();
            if (!view.Ended())
                dialog.EndDialog(LeftOpen);
        });
        return dialog.DoModal();
    }

    void TypeInto(int editId, const std::string& text) override { Innermost().TypeInto(editId, text); }
    void Type(const std::string& keys) override { Innermost().Type(keys); }
    void PressTab() override { Innermost().PressTab(); }
    void Click(int id) override { Innermost().Click(id); }
    void Choose(int listId, int index) override { Innermost().Choose(listId, index); }
    void PressEnter() override { Innermost().PressEnter(); }
    void PressEscape() override { Innermost().PressEscape(); }
    void CloseBox() override { Innermost().CloseBox(); }
    void PressFunctionKey(int number) override { Innermost().PressFunctionKey(number); }

    std::string Text(int id) override { return Innermost().Text(id); }
    std::string ToolTip(int id) override { return Innermost().ToolTip(id); }
    bool Enabled(int id) override { return Innermost().Enabled(id); }
    bool Checked(int id) override { return Innermost().Checked(id); }
    int Focus() override { return Innermost().Focus(); }
    std::string PastedText() override { return m_host.ClipboardText(); }

    bool TakesInput(const CDialog& dialog) override
    {
        for (ScriptedDialog* view : m_running)
            if (&view->Dialog() == &dialog)
                return !view->Blocked();
        ADD_FAILURE() << "dialog " << dialog.TemplateId() << " is not running";
        return false;
    }

private:
    ScriptedDialog& Innermost()
    {
        // Only ever called from inside a run's script.
        return *m_running.back();
    }

    ScriptedHost m_host;
    std::vector<ScriptedDialog*> m_running;
};

std::unique_ptr<HostDriver> MakeScriptedHostDriver()
{
    return std::make_unique<ScriptedHostDriver>();
}

INSTANTIATE_TEST_SUITE_P(Scripted, HostContract, ::testing::Values(HostDriverFactory{"ScriptedHost", &MakeScriptedHostDriver}), HostName);

} // namespace
