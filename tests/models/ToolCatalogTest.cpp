// The tools as scripts name them, and the command line that reproduces a tool's values: applied
// to the starting models the way the command-line program applies it, it must give back every
// value, unit and choice the tool had.
#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::unique_ptr<ToolModels> StartingModels()
{
    auto models = std::make_unique<ToolModels>();
    PrepareStartingModels(*models);
    return models;
}

std::string NameOf(const CKorObj& model, int index)
{
    std::string name;
    model.GetVarName(index, name);
    return name;
}

TEST(ToolCatalog, EveryVariableHasACommandLineNameOfItsOwn)
{
    const auto models = StartingModels();
    for (const RegisteredTool& tool : RegisteredTools()) {
        const CKorObj& model = tool.model(*models);
        std::set<std::string> names;
        for (int index = VarIndexDescription + 1; index < model.GetVarCount(); ++index) {
            const std::string name = CommandLineName(NameOf(model, index));
            SCOPED_TRACE(std::string(tool.name) + " " + name);
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(names.insert(name).second) << "two variables share the name";
            EXPECT_EQ(FindVarByCommandLineName(model, name), index);
        }
    }
}

TEST(ToolCatalog, AnEnumerationTakesItsChoiceByNumberOrText)
{
    auto models = StartingModels();
    const RegisteredTool& tool = *FindTool("offaxis");
    CKorObj& model = tool.model(*models);
    const int pattern = FindVarByCommandLineName(model, "gain_pattern");
    ASSERT_GE(pattern, 0);
    ErrorSink sink;
    int choice = -1;
    EXPECT_EQ(ApplyEntry(tool, model, pattern, "2", sink), 1);
    model.GetIntVar(pattern, choice);
    EXPECT_EQ(choice, 2);
    EXPECT_EQ(ApplyEntry(tool, model, pattern, "Pure parabolic", sink), 1);
    model.GetIntVar(pattern, choice);
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(ApplyEntry(tool, model, pattern, "3", sink), 0);
    EXPECT_EQ(sink.Problem, "Input range error");
    model.GetIntVar(pattern, choice);
    EXPECT_EQ(choice, 0);
}

TEST(ToolCatalog, AFieldOfViewEntryMakesItsVariableTheEditedOne)
{
    auto models = StartingModels();
    const RegisteredTool& tool = *FindTool("fov");
    CKorObj& model = tool.model(*models);
    const int distance = FindVarByCommandLineName(model, "distance_to_horizon");
    ErrorSink sink;
    ASSERT_EQ(ApplyEntry(tool, model, distance, "40000", sink), 1);
    EXPECT_EQ(model.GetCalcVar(), distance);
    EXPECT_EQ(ValueText(model, distance), "40000.0");
}

// --- The command line that reproduces a tool ---

int UnitCodeOf(const std::string& label)
{
    for (int code = UnitNone; code <= UnitLongitudeDms; ++code)
        if (UnitLabel(code) == label)
            return code;
    return -1;
}

// Applies a line CommandLineFor wrote to the tool's model in `models`, as the command-line
// program reads it. Every word must be taken, but for a value beyond an entry's limits that the
// tool had derived: then `reproducible` turns false and the rest of the line is not applied.
void Replay(const RegisteredTool& tool, ToolModels& models, const std::string& line, const CKorObj& original,
            bool& reproducible)
{
    reproducible = true;
    CKorObj& model = tool.model(models);
    std::istringstream words(line);
    std::string word;
    words >> word;
    ASSERT_EQ(word, "kortools-calc");
    words >> word;
    ASSERT_EQ(word, tool.name);
    while (words >> word) {
        SCOPED_TRACE(word);
        if (word == "--epfd") {
            tool.setReceiveGainFlag(model, 1);
            continue;
        }
        if (word == "--calc" || word == "--fixed" || word == "--unit") {
            std::string argument;
            words >> argument;
            if (word == "--calc") {
                ASSERT_EQ(ChooseCalcVar(model, FindVarByCommandLineName(model, argument)), 1);
            } else if (word == "--fixed") {
                tool.setFixedVar(model, FindVarByCommandLineName(model, argument));
            } else {
                const std::size_t equals = argument.find('=');
                const int index = FindVarByCommandLineName(model, argument.substr(0, equals));
                ASSERT_EQ(model.SetDisplayUnit(index, UnitCodeOf(argument.substr(equals + 1))), 1);
            }
            continue;
        }
        const std::size_t equals = word.find('=');
        ASSERT_NE(equals, std::string::npos);
        const int index = FindVarByCommandLineName(model, word.substr(0, equals));
        ASSERT_GE(index, 0);
        ErrorSink sink;
        if (ApplyEntry(tool, model, index, word.substr(equals + 1), sink))
            continue;
        ASSERT_EQ(sink.Code, ErrorRangeWarning) << sink.Explanation;
        double value = 0;
        original.GetRealVar(index, value);
        EXPECT_TRUE(value < original.GetRealMin(index) || value > original.GetRealMax(index))
            << "refused although within the limits: " << sink.Explanation;
        reproducible = false;
        return;
    }
    DeriveAfterEntries(tool, model);
}

void ExpectSameValues(const RegisteredTool& tool, const CKorObj& expected, const CKorObj& actual)
{
    EXPECT_EQ(actual.GetCalcVar(), CalcVarThatFollows(tool, expected));
    for (int index = VarIndexDescription + 1; index < expected.GetVarCount(); ++index) {
        SCOPED_TRACE(NameOf(expected, index));
        EXPECT_EQ(actual.GetDisplayUnit(index), expected.GetDisplayUnit(index));
        if (expected.GetVarKind(index) == VarKindReal) {
            double want = 0, got = 0;
            expected.GetRealVar(index, want);
            actual.GetRealVar(index, got);
            EXPECT_NEAR(got, want, 1e-9 * std::max(1.0, std::fabs(want)));
        } else {
            int want = 0, got = 0;
            expected.GetIntVar(index, want);
            actual.GetIntVar(index, got);
            EXPECT_EQ(got, want);
        }
    }
}

// What an engineer might do to a tool: type a value near the one shown (or far from it), pick
// another calculated variable, display unit, fixed variable or the EPFD.
void DoSomething(const RegisteredTool& tool, CKorObj& model, std::mt19937& random)
{
    const int first = VarIndexDescription + 1;
    const int count = model.GetVarCount();
    const int index = std::uniform_int_distribution<int>(first, count - 1)(random);
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
    case 0:
        // As the tool's "Calculate" button does: the variable is derived at once.
        if (tool.HasCalcVar())
            ChooseCalcVar(model, index);
        return;
    case 1:
        if (tool.setFixedVar)
            tool.setFixedVar(model, index);
        return;
    case 2:
        if (tool.setReceiveGainFlag)
            tool.setReceiveGainFlag(model, !tool.receiveGainFlag(model));
        return;
    case 3:
        for (int unit = UnitKm; unit <= UnitGHz; ++unit)
            if (std::uniform_int_distribution<int>(0, 3)(random) == 0)
                model.SetDisplayUnit(index, unit);
        return;
    default:
        break;
    }
    if (model.GetVarAccess(index) != VarEditable)
        return;
    std::string text;
    if (model.GetVarKind(index) == VarKindInt) {
        text = std::to_string(std::uniform_int_distribution<int>(0, 2)(random));
    } else {
        double stored = 0;
        model.GetRealVar(index, stored);
        double shown = ConvertUnit(stored, model.GetVarUnit(index), model.GetDisplayUnit(index));
        shown = shown * std::uniform_real_distribution<double>(0.3, 3.0)(random) +
                std::uniform_real_distribution<double>(-5.0, 5.0)(random);
        text = ExactNumberText(shown);
    }
    ErrorSink refused;
    ApplyEntry(tool, model, index, text, refused);
}

TEST(ToolCatalog, TheCommandLineGivesBackEveryValueAndChoice)
{
    std::mt19937 random(20261209);
    for (const RegisteredTool& tool : RegisteredTools()) {
        int reproduced = 0;
        for (int round = 0; round < 60; ++round) {
            auto worked = StartingModels();
            CKorObj& model = tool.model(*worked);
            const int steps = round == 0 ? 0 : std::uniform_int_distribution<int>(1, 8)(random);
            for (int step = 0; step < steps; ++step)
                DoSomething(tool, model, random);
            // Every other round a G/T ends on its "Calculate"; the others may leave values typed
            // after it, which no line gives back.
            if (round % 2 == 1)
                DeriveAfterEntries(tool, model);
            if ((tool.MarksEditedVar() && !IsOneTriangle(model)) || !AntennasInStep(model) ||
                (tool.DerivesLast() && CalcVarThatFollows(tool, model) < 0))
                continue;
            const std::string line = CommandLineFor(tool, model);
            SCOPED_TRACE(line);
            auto replayed = StartingModels();
            bool reproducible = true;
            Replay(tool, *replayed, line, model, reproducible);
            if (!reproducible)
                continue;
            ++reproduced;
            ExpectSameValues(tool, model, tool.model(*replayed));
            if (tool.fixedVar) {
                EXPECT_EQ(tool.fixedVar(tool.model(*replayed)), tool.fixedVar(model));
            }
            if (tool.receiveGainFlag) {
                EXPECT_EQ(tool.receiveGainFlag(tool.model(*replayed)), tool.receiveGainFlag(model));
            }
            if (HasFailure())
                return;
        }
        // States no line can give back (values beyond an entry's limits, a field of view left
        // by another choice, a relative gain left by an older dish) must stay the exception, or
        // the rounds would test nothing.
        EXPECT_GE(reproduced, 15) << tool.name;
    }
}

// G/T derives only what is asked for: the line picks the quantity the other two give back.
TEST(ToolCatalog, AGtoTLineDerivesWhatTheWindowCalculatedLast)
{
    const RegisteredTool& tool = *FindTool("gt");
    const struct {
        const char* label;
        void (CKOTGtoT::*calculate)();
        const char* expected;
    } rows[] = {
        {"G/T", &CKOTGtoT::CalcGtoT, "kortools-calc gt temperature=150"},
        {"peak gain", &CKOTGtoT::CalcPeakGain, "kortools-calc gt --calc peak_gain temperature=150 g_t=10"},
        {"temperature", &CKOTGtoT::CalcTemperature, "kortools-calc gt --calc temperature g_t=10"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const auto models = StartingModels();
        CKOTGtoT& model = models->gtot;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarTemperature, 150, sink), 1);
        ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarGtoT, 10, sink), 1);
        (model.*row.calculate)();
        EXPECT_EQ(CommandLineFor(tool, model), row.expected);
    }
    // Typed after the last Calculate: nothing follows, and the line derives G/T as it starts.
    const auto models = StartingModels();
    ErrorSink sink;
    ASSERT_EQ(models->gtot.SetRealVar(CKOTGtoT::VarGtoT, 10, sink), 1);
    EXPECT_EQ(CalcVarThatFollows(tool, models->gtot), -1);
    EXPECT_EQ(CommandLineFor(tool, models->gtot), "kortools-calc gt");
}

TEST(ToolCatalog, ADefaultToolNeedsNoOptions)
{
    const auto models = StartingModels();
    for (const RegisteredTool& tool : RegisteredTools()) {
        const std::string line = CommandLineFor(tool, tool.model(*models));
        SCOPED_TRACE(line);
        EXPECT_EQ(line.find("--"), std::string::npos);
        EXPECT_EQ(line.rfind(std::string("kortools-calc ") + tool.name, 0), 0u);
    }
}

} // namespace
