#include "models/ToolCatalog.h"

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/AntennaCoupling.h"
#include "models/ToolModels.h"
#include "platform/DialogTemplate.h"
#include "resources/Resource.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <charconv>
#include <memory>
#include <string_view>
#include <system_error>
#include <typeinfo>
#include <vector>

namespace {

template <auto Member>
CKorObj& ModelOf(ToolModels& models)
{
    return models.*Member;
}

template <class Model>
bool IsModel(const CKorObj& model)
{
    return typeid(model) == typeid(Model);
}

template <class Model>
int FixedVarOf(const CKorObj& model)
{
    return static_cast<const Model&>(model).m_fixedVar;
}

template <class Model>
void SetFixedVarOf(CKorObj& model, int index)
{
    static_cast<Model&>(model).m_fixedVar = index;
}

int ReceiveGainFlag(const CKorObj& model)
{
    return static_cast<const CKOTPFD&>(model).m_includeReceiveGain;
}

void SetReceiveGainFlag(CKorObj& model, int flag)
{
    static_cast<CKOTPFD&>(model).SetIncludeReceiveGain(flag);
}

template <auto Member, class Model>
constexpr CatalogTool Tool(const char* name, int button, bool hasCalcVar)
{
    return {name, button, &ModelOf<Member>, &IsModel<Model>, hasCalcVar, false, nullptr, nullptr, nullptr, nullptr};
}

// In the order of the launcher's buttons, column by column.
const CatalogTool Tools[] = {
    Tool<&ToolModels::db, CKOTDB>("db", IDC_BUTTON_DB, false),
    Tool<&ToolModels::freq, CKOTFreq>("freq", IDC_BUTTON_FREQ, false),
    Tool<&ToolModels::spread, CKOTSpread>("spread", IDC_BUTTON_SPREAD, false),
    Tool<&ToolModels::path, CKOTPath>("path", IDC_BUTTON_PATH, true),
    Tool<&ToolModels::temp, CKOTTemp>("noise", IDC_BUTTON_TEMP, true),
    Tool<&ToolModels::gain, CKOTGain>("gain", IDC_BUTTON_GMAX, true),
    Tool<&ToolModels::t3db, CKOTT3dB>("beamwidth", IDC_BUTTON_THETA3DB, true),
    Tool<&ToolModels::off, CKOTOff>("offaxis", IDC_BUTTON_GREL, true),
    Tool<&ToolModels::gtot, CKOTGtoT>("gt", IDC_BUTTON_GTOT, false),
    Tool<&ToolModels::link, CKOTLink>("link", IDC_BUTTON_CN, false),
    {"pfd", IDC_BUTTON_PFD, &ModelOf<&ToolModels::pfd>, &IsModel<CKOTPFD>, false, false, nullptr, nullptr,
     &ReceiveGainFlag, &SetReceiveGainFlag},
    {"cni", IDC_BUTTON_CNI, &ModelOf<&ToolModels::ctoni>, &IsModel<CKOTCtoNI>, false, false,
     &FixedVarOf<CKOTCtoNI>, &SetFixedVarOf<CKOTCtoNI>, nullptr, nullptr},
    Tool<&ToolModels::fov1, CKOTFOV1>("period", IDC_BUTTON_PERIOD, false),
    {"fov", IDC_BUTTON_ANGLES, &ModelOf<&ToolModels::fov2>, &IsModel<CKOTFOV2>, false, true,
     &FixedVarOf<CKOTFOV2>, &SetFixedVarOf<CKOTFOV2>, nullptr, nullptr},
};

std::string VarName(const CKorObj& model, int index)
{
    std::string name;
    model.GetVarName(index, name);
    return CommandLineName(name);
}

// Quoted for a POSIX shell where it holds anything a shell would read otherwise.
std::string ShellWord(const std::string& word)
{
    bool plain = !word.empty();
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (!(std::isalnum(byte) || std::string_view("_-+=.,:/%@^").find(c) != std::string_view::npos))
            plain = false;
    }
    if (plain)
        return word;
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// What the user would type to give the variable its value: an enumeration's choice by its
// number, a real number in full precision in its display unit.
std::string EntryText(const CKorObj& model, int index)
{
    if (model.GetVarKind(index) == VarKindInt) {
        int value = 0;
        model.GetIntVar(index, value);
        return std::to_string(value);
    }
    double stored = 0.0;
    model.GetRealVar(index, stored);
    return ExactNumberText(ConvertUnit(stored, model.GetVarUnit(index), model.GetDisplayUnit(index)));
}

// Whether the two models hold the same value for the variable, but for the last digits a trip
// through text and back may change.
bool SameValue(const CKorObj& a, const CKorObj& b, int index)
{
    if (a.GetVarKind(index) != VarKindReal) {
        int x = 0, y = 0;
        a.GetIntVar(index, x);
        b.GetIntVar(index, y);
        return x == y;
    }
    double x = 0, y = 0;
    a.GetRealVar(index, x);
    b.GetRealVar(index, y);
    return x == y || std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y));
}

} // namespace

std::span<const CatalogTool> CatalogTools()
{
    return Tools;
}

const CatalogTool* FindCatalogTool(std::string_view name)
{
    for (const CatalogTool& tool : Tools)
        if (name == tool.name)
            return &tool;
    return nullptr;
}

const CatalogTool* CatalogToolOf(const CKorObj& model)
{
    for (const CatalogTool& tool : Tools)
        if (tool.isModel(model))
            return &tool;
    return nullptr;
}

std::string LauncherCaption(const CatalogTool& tool)
{
    const DialogTemplate* launcher = FindDialogTemplate(IDD_KORTOOLS_DIALOG);
    const ControlTemplate* button = launcher ? launcher->Find(tool.launcherButton) : nullptr;
    return button && button->text ? button->text : "";
}

bool IsFixedChoice(const CatalogTool& tool, const CKorObj& model, int index)
{
    if (!tool.fixedVar)
        return false;
    // C/(N+I) keeps one of the two ratios to the noise; any other value would silently read as
    // I/N. The field of view may hold any of its four quantities.
    if (tool.isModel(model) && IsModel<CKOTCtoNI>(model))
        return index == CKOTCtoNI::FixedCn || index == CKOTCtoNI::FixedIn;
    return index > VarIndexDescription && index < model.GetVarCount();
}

void PrepareStartingModels(ToolModels& models)
{
    CoupleAtStartUp(models);
}

int ApplyEntry(const CatalogTool& tool, CKorObj& model, int index, const std::string& text, ErrorSink& sink)
{
    if (tool.entryMarksEdited)
        model.SetCalcVar(index);
    if (model.IsEnumVar(index)) {
        // A choice's number: the whole text is a whole number, nothing else.
        int choice = 0;
        const char* const end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, choice);
        if (error == std::errc() && stop == end && !text.empty())
            return model.SetIntVar(index, choice, sink);
    }
    return model.SetValueFromText(index, text, sink);
}

int ChooseCalcVar(CKorObj& model, int index)
{
    if (!model.SetCalcVar(index))
        return 0;
    model.Recalculate();
    return 1;
}

std::string CommandLineFor(const CatalogTool& tool, const CKorObj& model)
{
    // The entries are tried on the starting models as the command-line program would apply
    // them, so that the line holds only what that program takes.
    const auto start = std::make_unique<ToolModels>();
    PrepareStartingModels(*start);
    CKorObj& replay = tool.model(*start);

    std::string line = std::string("kortools-calc ") + tool.name;
    const int count = model.GetVarCount();
    const int calcVar = model.GetCalcVar();
    if (tool.hasCalcVar && calcVar != replay.GetCalcVar()) {
        line += " --calc " + VarName(model, calcVar);
        ChooseCalcVar(replay, calcVar);
    }
    if (tool.fixedVar && tool.fixedVar(model) != tool.fixedVar(replay)) {
        line += " --fixed " + VarName(model, tool.fixedVar(model));
        tool.setFixedVar(replay, tool.fixedVar(model));
    }
    if (tool.receiveGainFlag && tool.receiveGainFlag(model)) {
        line += " --epfd";
        tool.setReceiveGainFlag(replay, tool.receiveGainFlag(model));
    }
    for (int index = VarIndexDescription + 1; index < count; ++index) {
        const int unit = model.GetDisplayUnit(index);
        if (unit != replay.GetDisplayUnit(index)) {
            line += " --unit " + ShellWord(VarName(model, index) + '=' + UnitLabel(unit));
            replay.SetDisplayUnit(index, unit);
        }
    }

    // Each entry is tried on the starting models as the command-line program would apply it,
    // and only where the value there is not yet the tool's: entering a value that already
    // follows from the others could move another (a path length worked back from its loss is
    // not the length the loss was worked out from). An entry can still move one set before it,
    // so the variables are gone through again until they all agree.
    std::vector<int> candidates;
    for (int index = VarIndexDescription + 1; index < count; ++index)
        if (model.GetVarAccess(index) == VarEditable && !(tool.hasCalcVar && index == calcVar))
            candidates.push_back(index);
    std::vector<bool> refused(static_cast<std::size_t>(count), false);
    auto enter = [&](int index) {
        const std::string text = EntryText(model, index);
        ErrorSink sink;
        if (ApplyEntry(tool, replay, index, text, sink))
            return true;
        refused[static_cast<std::size_t>(index)] = true;
        // A variable the model never takes typed (a link budget's beamwidths) is left out. A
        // value beyond an entry's limits, which only a derivation can have given, stays in: the
        // command then says so when it runs instead of quietly giving other values.
        return sink.Code != ErrorVariableFixed;
    };
    for (int pass = 0; pass < 3; ++pass) {
        bool entered = false;
        for (const int index : candidates) {
            if (refused[static_cast<std::size_t>(index)] || SameValue(model, replay, index))
                continue;
            if (enter(index)) {
                line += ' ' + ShellWord(VarName(model, index) + '=' + EntryText(model, index));
                entered = true;
            }
        }
        if (!entered)
            break;
    }
    // Where the edited variable decides what the next entry derives, it is entered last.
    if (tool.entryMarksEdited && replay.GetCalcVar() != calcVar && model.GetVarAccess(calcVar) == VarEditable &&
        enter(calcVar))
        line += ' ' + ShellWord(VarName(model, calcVar) + '=' + EntryText(model, calcVar));
    return line;
}
