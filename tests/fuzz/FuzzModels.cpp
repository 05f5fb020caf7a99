// Drives every tool model through random sequences of what a user can do to it: typed entries
// (any text, and numbers over the whole range of doubles), choices of the calculated variable,
// of display units and of patterns, the tools' own buttons, the sub-tools (whose dialogs accept
// at once) and the launcher's antenna coupling. After every step no stored value may be
// infinite or not a number, and no value may be shown as such.
#include "app/AntennaCoupling.h"
#include "app/ToolModels.h"
#include "platform/Dialog.h"
#include "platform/DialogHost.h"

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

// A window with no controls: every operation answers "missing".
class NoWindow final : public DialogWindow {
public:
    bool HasControl(int) const override { return false; }
    bool GetText(int, std::string&) const override { return false; }
    bool SetText(int, const std::string&) override { return false; }
    bool IsEnabled(int) const override { return false; }
    bool SetEnabled(int, bool) override { return false; }
    bool IsVisible(int) const override { return false; }
    bool SetVisible(int, bool) override { return false; }
    bool IsChecked(int) const override { return false; }
    bool SetChecked(int, bool) override { return false; }
    bool ResetList(int) override { return false; }
    bool AddListEntry(int, const std::string&) override { return false; }
    int GetListSelection(int) const override { return -1; }
    bool SetListSelection(int, int) override { return false; }
    int GetFocus() const override { return -1; }
    bool SetFocus(int) override { return false; }
    bool SetPicture(int, const unsigned char*, std::size_t) override { return false; }
    void EndModal(int) override {}
};

// Runs every dialog to its end at once, as a user who opens a tool and closes it straight away:
// the sub-tools then hand back what they were given.
class AcceptingHost final : public DialogHost {
public:
    int RunModal(CDialog& dialog) override
    {
        NoWindow window;
        if (dialog.HostCreate(&window) == -1)
            return -1;
        dialog.HostInit();
        dialog.EndDialog(IDCANCEL);
        dialog.HostDestroy();
        return IDCANCEL;
    }
    void Beep(unsigned) override {}
};

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

struct Tool {
    const char* name;
    CKorObj* model;
};

std::vector<Tool> Tools(ToolModels& models)
{
    return {
        {"decibel", &models.db},     {"frequency", &models.freq}, {"path loss", &models.path},
        {"spreading", &models.spread}, {"orbit period", &models.fov1}, {"field of view", &models.fov2},
        {"noise", &models.temp},     {"peak gain", &models.gain}, {"off-axis", &models.off},
        {"G/T", &models.gtot},       {"beamwidth", &models.t3db},
    };
}

// What a tool offers besides its variables: its buttons, its sub-tools, the launcher's
// coupling after it, and the dialog itself.
using Operation = void (*)(ToolModels&, FuzzedDataProvider&);
const Operation Operations[] = {
    [](ToolModels& m, FuzzedDataProvider&) { m.gtot.CalcPeakGain(); },
    [](ToolModels& m, FuzzedDataProvider&) { m.gtot.CalcGtoT(); },
    [](ToolModels& m, FuzzedDataProvider&) { m.gtot.CalcTemperature(); },
    [](ToolModels& m, FuzzedDataProvider& in) { m.fov2.m_fixedVar = in.ConsumeIntegralInRange(2, 5); },
    [](ToolModels& m, FuzzedDataProvider&) { CoupleAtStartUp(m); },
    [](ToolModels& m, FuzzedDataProvider&) { CoupleAfterPeakGain(m); },
    [](ToolModels& m, FuzzedDataProvider&) { CoupleAfterOffAxis(m); },
    [](ToolModels& m, FuzzedDataProvider&) { CoupleAfterGtoT(m); },
    [](ToolModels& m, FuzzedDataProvider&) { CoupleAfterBeamwidth(m); },
    [](ToolModels& m, FuzzedDataProvider& in) {
        switch (in.ConsumeIntegralInRange(0, 10)) {
        case 0: m.db.RunDialog(); break;
        case 1: m.freq.RunDialog(); break;
        case 2: m.path.RunDialog(); break;
        case 3: m.spread.RunDialog(); break;
        case 4: m.fov1.RunDialog(); break;
        case 5: m.fov2.RunDialog(); break;
        case 6: m.temp.RunDialog(); break;
        case 7: m.gain.RunDialog(); break;
        case 8: m.off.RunDialog(); break;
        case 9: m.gtot.RunDialog(); break;
        default: m.t3db.RunDialog(); break;
        }
    },
};

[[noreturn]] void Fail(const char* tool, int index, const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s tool, variable %d: %s (%s)\n", tool, index, what, detail.c_str());
    std::abort();
}

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
            if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos)
                Fail(tool.name, index, "shows a value that is not finite", text);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static AcceptingHost host;
    SetDialogHost(&host);
    std::setlocale(LC_ALL, "C");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    ToolModels models;
    const std::vector<Tool> tools = Tools(models);
    while (in.remaining_bytes() > 0) {
        const Tool& tool = tools[in.ConsumeIntegralInRange<std::size_t>(0, tools.size() - 1)];
        const int index = in.ConsumeIntegralInRange(-1, tool.model->GetVarCount());
        ErrorSink sink;
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0:
        case 1:
            tool.model->SetValueFromText(index, TypedText(in), sink);
            break;
        case 2:
            tool.model->SetCalcVar(index);
            break;
        case 3:
            if (in.ConsumeBool())
                tool.model->SetDisplayUnit(index, in.ConsumeIntegralInRange(0, 47));
            else
                tool.model->SetIntVar(index, in.ConsumeIntegralInRange(-2, 4), sink);
            break;
        default:
            Operations[in.ConsumeIntegralInRange<std::size_t>(0, std::size(Operations) - 1)](models, in);
            break;
        }
        RequireFinite(tools);
    }
    return 0;
}
