#include "models/ToolCatalog.h"

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/AntennaCoupling.h"

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

template <class Model>
bool IsModel(const CKorObj& model)
{
    return typeid(model) == typeid(Model);
}

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

} // namespace

bool IsFixedChoice(const RegisteredTool& tool, const CKorObj& model, int index)
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
    CoupleAtmosphereAtStartUp(models);
}

// What the user would type to give the variable its value: an enumeration's choice by its
// number, a real number in full precision in its display unit.
std::string CurrentEntryText(const CKorObj& model, int index)
{
    if (model.GetVarKind(index) == VarKindInt) {
        int value = 0;
        model.GetIntVar(index, value);
        return std::to_string(value);
    }
    double stored = 0.0;
    model.GetRealVar(index, stored);
    const int unit = model.GetVarUnit(index);
    const int display = model.GetDisplayUnit(index);
    const double shown = ConvertUnit(stored, unit, display);
    // Converting to the display unit and back need not give the very same double (degrees and
    // radians); one a few steps beside it usually does. Where a derivation is ill-conditioned
    // (a satellite seen at the horizon) that last digit moves the results visibly.
    double below = shown;
    double above = shown;
    for (int step = 0; step < 4 && std::isfinite(shown); ++step) {
        if (ConvertUnit(above, display, unit) == stored)
            return ExactNumberText(above);
        if (ConvertUnit(below, display, unit) == stored)
            return ExactNumberText(below);
        above = std::nextafter(above, HUGE_VAL);
        below = std::nextafter(below, -HUGE_VAL);
    }
    return ExactNumberText(shown);
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
    // A negative zero is kept with its sign (the saved file holds it), so it is not the same as
    // a zero, though both show as "0.0".
    if (x == y)
        return std::signbit(x) == std::signbit(y);
    return std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y));
}

int ApplyEntry(const RegisteredTool& tool, CKorObj& model, int index, const std::string& text, ErrorSink& sink)
{
    if (tool.MarksEditedVar())
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

void DeriveAfterEntries(const RegisteredTool& tool, CKorObj& model)
{
    if (tool.DerivesLast())
        model.Recalculate();
}

int CalcVarThatFollows(const RegisteredTool& tool, const CKorObj& model)
{
    const int last = model.GetCalcVar();
    if (!tool.DerivesLast())
        return last;
    const auto scratch = std::make_unique<ToolModels>();
    CKorObj& trial = tool.model(*scratch);
    std::vector<int> order{last};
    for (int index = VarIndexDescription + 1; index < model.GetVarCount(); ++index)
        if (index != last)
            order.push_back(index);
    for (const int index : order) {
        tool.copy(trial, model);
        if (ChooseCalcVar(trial, index) && SameValue(model, trial, index))
            return index;
    }
    return -1;
}

std::string CommandLineFor(const RegisteredTool& tool, const CKorObj& model)
{
    // The entries are tried on the starting models as the command-line program would apply
    // them, so that the line holds only what that program takes.
    const auto start = std::make_unique<ToolModels>();
    PrepareStartingModels(*start);
    CKorObj& replay = tool.model(*start);

    std::string line = std::string("kortools-calc ") + tool.name;
    const int count = model.GetVarCount();
    // The window may hold values typed after the last "Calculate"; the line then derives what
    // was calculated last, and gives back the others.
    const int follows = CalcVarThatFollows(tool, model);
    const int calcVar = follows >= 0 ? follows : model.GetCalcVar();
    if (tool.HasCalcVar() && calcVar != replay.GetCalcVar()) {
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
    // Choices (the gain patterns) go first, as settings before values: a pattern chosen after a
    // relative gain would work that gain out again from its angle.
    std::vector<int> candidates;
    for (const bool choices : {true, false})
        for (int index = VarIndexDescription + 1; index < count; ++index)
            if (model.GetVarAccess(index) == VarEditable && !(tool.HasCalcVar() && index == calcVar) &&
                (model.IsEnumVar(index) != 0) == choices)
                candidates.push_back(index);
    std::vector<bool> refused(static_cast<std::size_t>(count), false);
    // Whether the entry was taken. A refused one is not tried again.
    auto enter = [&](int index) {
        ErrorSink sink;
        if (ApplyEntry(tool, replay, index, CurrentEntryText(model, index), sink))
            return true;
        refused[static_cast<std::size_t>(index)] = true;
        return false;
    };
    for (int pass = 0; pass < 3; ++pass) {
        bool entered = false;
        for (const int index : candidates) {
            if (refused[static_cast<std::size_t>(index)] || SameValue(model, replay, index))
                continue;
            if (enter(index)) {
                line += ' ' + ShellWord(VarName(model, index) + '=' + CurrentEntryText(model, index));
                entered = true;
            }
        }
        if (!entered)
            break;
    }
    // A refused entry is needed only where no other entry brought the value: a relative gain far
    // beyond its limits follows from an off-axis angle that is entered too. A value that only a
    // derivation could have given, and that nothing else gives back, stays in the line, so that
    // the command refuses it when run instead of quietly giving other values. A variable the
    // model never takes typed (a link budget's beamwidths) is left out.
    for (const int index : candidates) {
        if (!refused[static_cast<std::size_t>(index)] || SameValue(model, replay, index))
            continue;
        ErrorSink sink;
        if (!ApplyEntry(tool, replay, index, CurrentEntryText(model, index), sink) && sink.Code == ErrorVariableFixed)
            continue;
        line += ' ' + ShellWord(VarName(model, index) + '=' + CurrentEntryText(model, index));
    }
    // Where the edited variable decides what the next entry derives, it is entered last; if it
    // cannot be, the command says so when run, as above.
    if (tool.MarksEditedVar() && replay.GetCalcVar() != calcVar && model.GetVarAccess(calcVar) == VarEditable) {
        ErrorSink sink;
        if (ApplyEntry(tool, replay, calcVar, CurrentEntryText(model, calcVar), sink) || sink.Code != ErrorVariableFixed)
            line += ' ' + ShellWord(VarName(model, calcVar) + '=' + CurrentEntryText(model, calcVar));
    }
    return line;
}
