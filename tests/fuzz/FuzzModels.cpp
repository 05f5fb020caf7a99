// Drives every tool model through random sequences of what a user can do to it: typed entries
// (any text, and numbers over the whole range of doubles), choices of the calculated variable,
// of display units and of patterns, the tools' own buttons, the sub-tools and the launcher's
// antenna coupling. A dialog either closes at once or lets the user type into its edits, click
// its buttons and pick from its lists first, so that what is entered in a sub-tool comes back
// into the budget that opened it. After every step no stored value may be infinite or not a
// number, and no value may be shown as such, in a model or in a dialog's edit.
#include "models/AntennaCoupling.h"
#include "models/KOTLink.h"
#include "models/KOTPFD.h"
#include "models/ToolRegistry.h"
#include "platform/Dialog.h"
#include "platform/DialogHost.h"
#include "resources/Resource.h"
#include "tests/fuzz/MemoryWindow.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Set FUZZ_MODELS_TRACE in the environment to have a replayed input print every step it takes.
bool g_trace = false;

template <class... Args>
void Trace(const char* format, Args... args)
{
    if (g_trace)
        std::fprintf(stderr, format, args...);
}

[[noreturn]] void Fail(const char* where, int index, const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s, variable or control %d: %s (%s)\n", where, index, what, detail.c_str());
    std::abort();
}

bool ShowsNonFinite(const std::string& text)
{
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

// Every value a tool's edit shows must be finite; the error dialog's texts are not values.
void CheckShownValue(const DialogTemplate& dialogTemplate, int id, const std::string& text)
{
    if (dialogTemplate.id != IDD_ERRORMSG && ShowsNonFinite(text))
        Fail(dialogTemplate.caption, id, "dialog shows a value that is not finite", text);
}

const char* const Patterns[] = {"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)"};

// Where overflow hides: the ends of the doubles, of the decibel range and of the tools' limits.
const char* const Extremes[] = {
    "1e308", "-1e308", "1.7e308", "-1.7e308", "1e300", "-1e300", "1e-300", "1e-308", "3000", "-3000",
    "2999", "-2999", "1e9", "1e11", "3e15", "1e6", "100", "1", "0.001", "0", "-300", "300", "500",
    "-200", "90", "180", "1e-6", "5070",
};

std::string TypedText(FuzzedDataProvider& in)
{
    char buffer[64];
    switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
        return in.ConsumeRandomLengthString(24);
    case 1:
        // Any power of ten a double can hold, and those just beyond.
        std::snprintf(buffer, sizeof buffer, "%de%d", in.ConsumeIntegralInRange(-9, 9),
                      in.ConsumeIntegralInRange(-330, 310));
        return buffer;
    case 2:
        std::snprintf(buffer, sizeof buffer, "%.9g", in.ConsumeFloatingPointInRange(-4000.0, 4000.0));
        return buffer;
    case 3:
        return Extremes[in.ConsumeIntegralInRange<std::size_t>(0, std::size(Extremes) - 1)];
    default:
        return Patterns[in.ConsumeIntegralInRange(0, 2)];
    }
}

// Runs every dialog to its end. Without an input to read, or when the input says so, it closes
// at once, as a user who opens a tool and closes it straight away: a sub-tool then hands back
// what it was given. Otherwise the user first types into its edits, clicks its buttons, radio
// buttons and check boxes and picks from its lists, and then closes it by Enter, Escape, the
// close box, or not at all (the run ends it). Sub-tools opened from there act the same way; the
// error dialog and anything deeper close at once.
class FuzzingHost final : public DialogHost {
public:
    void Drive(FuzzedDataProvider* input) { m_input = input; }

    int RunModal(CDialog& dialog) override
    {
        const DialogTemplate* dialogTemplate = dialog.Template();
        if (!dialogTemplate)
            return -1;
        MemoryWindow window(*dialogTemplate, CheckShownValue);
        ++m_runs;
        if (dialog.HostCreate(&window) == -1)
            return -1;
        dialog.HostInit();
        ++m_depth;
        if (m_input && m_depth <= MaxActingDepth && dialogTemplate->id != IDD_ERRORMSG && !dialog.IsEnding() &&
            m_input->ConsumeBool())
            Act(dialog, window);
        --m_depth;
        if (!dialog.IsEnding())
            dialog.EndDialog(IDCANCEL);
        dialog.HostDestroy();
        return dialog.Result();
    }
    void Beep(unsigned) override {}
    void SetClipboardText(const std::string&) override {}
    int ShowChart(const ChartData&) override { return 0; }

private:
    // A budget's dialog and a sub-tool opened from it.
    static constexpr int MaxActingDepth = 2;

    void Act(CDialog& dialog, MemoryWindow& window)
    {
        FuzzedDataProvider& in = *m_input;
        const int steps = in.ConsumeIntegralInRange(1, 6);
        for (int step = 0; step < steps && !dialog.IsEnding() && in.remaining_bytes() > 0; ++step) {
            const std::vector<int> ids = window.ActionableControls();
            if (ids.empty())
                break;
            const int id = ids[in.ConsumeIntegralInRange<std::size_t>(0, ids.size() - 1)];
            Trace("  %s: control %d\n", dialog.Template()->caption, id);
            switch (window.Kind(id)) {
            case ControlKind::Edit:
                // Clicking into an edit leaves the one before; the typing goes in all the same.
                MoveFocus(dialog, window, id);
                if (!dialog.IsEnding()) {
                    const std::string text = TypedText(in);
                    Trace("    types \"%s\"\n", text.c_str());
                    window.Type(id, text);
                }
                break;
            case ControlKind::DropDownList: {
                MoveFocus(dialog, window, id);
                const int count = window.ListSize(id);
                if (dialog.IsEnding() || count == 0)
                    break;
                const int entry = in.ConsumeIntegralInRange(0, count - 1);
                if (entry != window.GetListSelection(id)) {
                    window.SetListSelection(id, entry);
                    dialog.Notify(id, CBN_SELCHANGE);
                }
                break;
            }
            case ControlKind::RadioButton:
                if (MoveFocus(dialog, window, id) && !dialog.IsEnding()) {
                    window.SetChecked(id, true);
                    dialog.Notify(id, BN_CLICKED);
                }
                break;
            case ControlKind::CheckBox:
                if (MoveFocus(dialog, window, id) && !dialog.IsEnding()) {
                    window.SetChecked(id, !window.IsChecked(id));
                    dialog.Notify(id, BN_CLICKED);
                }
                break;
            default:
                if (MoveFocus(dialog, window, id) && !dialog.IsEnding())
                    dialog.Notify(id, BN_CLICKED);
                break;
            }
        }
        const int close = in.ConsumeIntegralInRange(0, 3);
        Trace("  %s: closes by %s\n", dialog.Template()->caption,
              close == 0 ? "Enter" : close == 1 ? "Escape" : close == 2 ? "close box" : "the run");
        switch (close) {
        case 0: dialog.KeyEnter(); break;
        case 1: dialog.KeyEscape(); break;
        case 2: dialog.CloseBox(); break;
        default: break;
        }
    }

    // The user takes the focus to `id`, and the edit that had it gets its leave notification.
    // False when that showed a dialog: the mouse button then comes up over it, and a click is lost.
    bool MoveFocus(CDialog& dialog, MemoryWindow& window, int id)
    {
        const int left = window.GetFocus();
        window.SetFocus(id);
        if (left == id || left == -1 || window.Kind(left) != ControlKind::Edit)
            return true;
        const int runs = m_runs;
        Trace("    leaves %d\n", left);
        dialog.Notify(left, EN_KILLFOCUS);
        return m_runs == runs;
    }

    FuzzedDataProvider* m_input = nullptr;
    int m_depth = 0;
    int m_runs = 0;
};

FuzzingHost g_host;

// The launcher's models: every tool the program has.
using Models = ToolModels;

struct Tool {
    const char* name;
    CKorObj* model;
};

std::vector<Tool> Tools(Models& models)
{
    std::vector<Tool> tools;
    for (const RegisteredTool& tool : RegisteredTools())
        tools.push_back({tool.name, &tool.model(models)});
    // The C/(N+I) tool's own links, which its buttons open and align.
    tools.push_back({"cni wanted link", &models.ctoni.m_wanted});
    tools.push_back({"cni interfering link", &models.ctoni.m_interfering});
    return tools;
}

// What a tool offers besides its variables: its buttons, its sub-tools, the launcher's
// coupling after it, and the dialog itself.
using Operation = void (*)(Models&, FuzzedDataProvider&);
const Operation Operations[] = {
    [](Models& m, FuzzedDataProvider&) { m.gtot.CalcPeakGain(); },
    [](Models& m, FuzzedDataProvider&) { m.gtot.CalcGtoT(); },
    [](Models& m, FuzzedDataProvider&) { m.gtot.CalcTemperature(); },
    [](Models& m, FuzzedDataProvider& in) { m.fov2.m_fixedVar = in.ConsumeIntegralInRange(2, 5); },
    [](Models& m, FuzzedDataProvider&) { CoupleAtStartUp(m); },
    [](Models& m, FuzzedDataProvider&) { CoupleAfterPeakGain(m); },
    [](Models& m, FuzzedDataProvider&) { CoupleAfterOffAxis(m); },
    [](Models& m, FuzzedDataProvider&) { CoupleAfterGtoT(m); },
    [](Models& m, FuzzedDataProvider&) { CoupleAfterBeamwidth(m); },
    [](Models& m, FuzzedDataProvider& in) {
        const auto tools = RegisteredTools();
        tools[in.ConsumeIntegralInRange<std::size_t>(0, tools.size() - 1)].runDialog(m);
    },
    [](Models& m, FuzzedDataProvider& in) {
        switch (in.ConsumeIntegralInRange(0, 6)) {
        case 0: m.link.RunFrequencyTool(); break;
        case 1: m.link.RunPathTool(); break;
        case 2: m.link.RunTxGainTool(); break;
        case 3: m.link.RunTxOffaxisTool(); break;
        case 4: m.link.RunRxGainTool(); break;
        case 5: m.link.RunRxOffaxisTool(); break;
        default: m.link.RunNoiseTool(); break;
        }
    },
    [](Models& m, FuzzedDataProvider& in) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: m.pfd.RunFrequencyTool(); break;
        case 1: m.pfd.RunSpreadTool(); break;
        case 2: m.pfd.RunTxGainTool(); break;
        case 3: m.pfd.RunTxOffaxisTool(); break;
        case 4: m.pfd.RunRxGainTool(); break;
        default: m.pfd.RunRxOffaxisTool(); break;
        }
    },
    [](Models& m, FuzzedDataProvider& in) { m.pfd.SetIncludeReceiveGain(in.ConsumeIntegralInRange(-1, 1)); },
    // The C/(N+I) tool's buttons: the held ratio, the derivations the dialog runs again after every
    // entry, and the two links.
    [](Models& m, FuzzedDataProvider& in) {
        m.ctoni.m_fixedVar = in.ConsumeBool() ? CKOTCtoNI::FixedCn : CKOTCtoNI::FixedIn;
    },
    [](Models& m, FuzzedDataProvider& in) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: m.ctoni.UpdateForCnOrIn(); break;
        case 1: m.ctoni.UpdateForCi(); break;
        case 2: m.ctoni.UpdateForCni(); break;
        case 3: m.ctoni.ComputeCni(); break;
        case 4: m.ctoni.RunWantedLink(); break;
        default: m.ctoni.RunInterferingLink(); break;
        }
    },
    // The patterns as the budgets' dialogs choose them, besides any write of an integer above.
    [](Models& m, FuzzedDataProvider& in) {
        const bool transmit = in.ConsumeBool();
        const int pattern = in.ConsumeIntegralInRange(0, 2);
        ErrorSink sink;
        if (in.ConsumeBool())
            m.link.SetIntVar(transmit ? CKOTLink::VarTxPattern : CKOTLink::VarRxPattern, pattern, sink);
        else
            m.pfd.SetIntVar(transmit ? CKOTPFD::VarTxPattern : CKOTPFD::VarRxPattern, pattern, sink);
    },
};

void RequireFinite(const std::vector<Tool>& tools)
{
    for (const Tool& tool : tools) {
        for (int index = 0; index < tool.model->GetVarCount(); ++index) {
            double value;
            if (tool.model->GetVarKind(index) != VarKindReal || !tool.model->GetRealVar(index, value))
                continue;
            if (!std::isfinite(value))
                Fail(tool.name, index, "stores a value that is not finite", std::to_string(value));
            std::string text;
            tool.model->GetValueText(index, text);
            if (ShowsNonFinite(text))
                Fail(tool.name, index, "shows a value that is not finite", text);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetDialogHost(&g_host);
    g_trace = std::getenv("FUZZ_MODELS_TRACE") != nullptr;
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    g_host.Drive(&in);
    Models models;
    const std::vector<Tool> tools = Tools(models);
    while (in.remaining_bytes() > 0) {
        const Tool& tool = tools[in.ConsumeIntegralInRange<std::size_t>(0, tools.size() - 1)];
        const int index = in.ConsumeIntegralInRange(-1, tool.model->GetVarCount());
        ErrorSink sink;
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
        case 1: {
            const std::string text = TypedText(in);
            const int accepted = tool.model->SetValueFromText(index, text, sink);
            Trace("%s %d: types \"%s\" (%s)\n", tool.name, index, text.c_str(), accepted ? "taken" : "refused");
            break;
        }
        case 2:
            Trace("%s: calculated variable %d\n", tool.name, index);
            tool.model->SetCalcVar(index);
            break;
        case 3:
            if (in.ConsumeBool()) {
                const int unit = in.ConsumeIntegralInRange(0, 47);
                Trace("%s %d: display unit %d\n", tool.name, index, unit);
                tool.model->SetDisplayUnit(index, unit);
            } else {
                const int value = in.ConsumeIntegralInRange(-2, 4);
                Trace("%s %d: integer %d\n", tool.name, index, value);
                tool.model->SetIntVar(index, value, sink);
            }
            break;
        default: {
            const std::size_t operation = in.ConsumeIntegralInRange<std::size_t>(0, std::size(Operations) - 1);
            Trace("operation %zu\n", operation);
            Operations[operation](models, in);
            break;
        }
        }
        RequireFinite(tools);
    }
    g_host.Drive(nullptr);
    return 0;
}
