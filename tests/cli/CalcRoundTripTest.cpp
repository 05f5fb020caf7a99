// A tool left with any values gives a command line ("Copy as Command") that the program turns
// back into those values, and --from-state starts from what the window kept without touching it.
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"
#include "state/ToolState.h"
#include "tests/cli/CalcProcess.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

namespace {

// The variable's value in its display unit: what the program prints in full precision.
double DisplayValue(const CKorObj& model, int index)
{
    if (model.GetVarKind(index) == VarKindInt) {
        int value = 0;
        model.GetIntVar(index, value);
        return value;
    }
    double stored = 0.0;
    model.GetRealVar(index, stored);
    return ConvertUnit(stored, model.GetVarUnit(index), model.GetDisplayUnit(index));
}

// A value near the one the variable has, within its limits, as a user would try one: up to
// twice or half a positive quantity, up to 10 either way of a decibel or an angle. (Values
// far off give budgets whose derived dish sizes no entry may reach, which no command line of
// entries can give back.)
std::string RandomEntry(const CKorObj& model, int index, std::mt19937& random)
{
    if (model.IsEnumVar(index))
        return std::to_string(std::uniform_int_distribution<int>(0, model.GetEnumCount(index) - 1)(random));
    const double low = model.GetRealMin(index);
    const double high = model.GetRealMax(index);
    double stored = 0.0;
    model.GetRealVar(index, stored);
    if (low > 0 && stored > 0)
        stored *= std::exp2(std::uniform_real_distribution<double>(-1, 1)(random));
    else
        stored += std::uniform_real_distribution<double>(-10, 10)(random);
    stored = std::max(stored, low);
    if (high > low)
        stored = std::min(stored, high);
    return ExactNumberText(ConvertUnit(stored, model.GetVarUnit(index), model.GetDisplayUnit(index)));
}

// The model after random choices and entries, as a user might leave the tool.
void Scramble(const RegisteredTool& tool, CKorObj& model, std::mt19937& random)
{
    const int count = model.GetVarCount();
    auto anyVar = [&] { return std::uniform_int_distribution<int>(2, count - 1)(random); };
    if (tool.HasCalcVar())
        model.SetCalcVar(anyVar());
    if (tool.fixedVar) {
        const int index = anyVar();
        if (IsFixedChoice(tool, model, index))
            tool.setFixedVar(model, index);
    }
    if (tool.setReceiveGainFlag)
        tool.setReceiveGainFlag(model, std::uniform_int_distribution<int>(0, 1)(random));
    for (int index = 2; index < count; ++index) {
        const int family = UnitFamily(model.GetDisplayUnit(index));
        for (int unit = UnitKm; unit <= UnitDbwPer1MHzM2; ++unit)
            if (UnitFamily(unit) == family && std::uniform_int_distribution<int>(0, 3)(random) == 0)
                model.SetDisplayUnit(index, unit);
    }
    for (int entry = 0; entry < 2 * count; ++entry) {
        const int index = anyVar();
        ErrorSink refused;
        ApplyEntry(tool, model, index, RandomEntry(model, index, random), refused);
    }
    // The G/T window's user ends on a "Calculate".
    DeriveAfterEntries(tool, model);
}

// Whether some variable the user may enter holds a value beyond what an entry may give it, which
// only a derivation can have put there.
bool HoldsAValueNoEntryGives(const CKorObj& model)
{
    for (int index = 2; index < model.GetVarCount(); ++index) {
        double value = 0.0;
        if (model.GetVarAccess(index) == VarEditable && model.GetRealVar(index, value) &&
            (value < model.GetRealMin(index) || value > model.GetRealMax(index)))
            return true;
    }
    return false;
}

// Random entries in the tool, then its command line through the program: every value back,
// in full precision, in the same unit, with the same text. False when the tool was left in a
// state that no command line of entries can give back; then the program must say so.
bool ExpectRoundTrip(const RegisteredTool& tool, std::mt19937& random)
{
    const auto models = std::make_unique<ToolModels>();
    PrepareStartingModels(*models);
    CKorObj& model = tool.model(*models);
    Scramble(tool, model, random);
    // The field of view's quantities can be left by an earlier choice of fixed variable, or
    // clamped, so that they fit no pair of entries under the present one.
    if (tool.MarksEditedVar() && !IsOneTriangle(model))
        return false;
    if (!AntennasInStep(model))
        return false;
    const std::string line = CommandLineFor(tool, model);
    SCOPED_TRACE(line);

    const CalcRun run = RunCalcLine(line + " --json");
    if (run.status == 2) {
        // A derived value beyond an entry's limits (a relative gain of -3.7e8 dB at 180
        // degrees off a parabola) is written into the line as it is, and refused when run.
        EXPECT_TRUE(HoldsAValueNoEntryGives(model)) << run.err;
        EXPECT_NE(run.err.find("Input range error"), std::string::npos) << run.err;
        return false;
    }
    EXPECT_EQ(run.status, 0) << run.err;
    if (run.status != 0)
        return false;
    const nlohmann::json printed = nlohmann::json::parse(run.out);
    for (int index = 2; index < model.GetVarCount(); ++index) {
        std::string name;
        model.GetVarName(index, name);
        name = CommandLineName(name);
        SCOPED_TRACE(name);
        EXPECT_EQ(JsonVar(printed, name, "unit"), UnitText(model, index));
        EXPECT_EQ(JsonVar(printed, name, "text"), ScriptValueText(model, index));
        const double expected = DisplayValue(model, index);
        const nlohmann::json& value = JsonVar(printed, name);
        if (!std::isfinite(expected)) {
            EXPECT_TRUE(value.is_null());
            continue;
        }
        EXPECT_TRUE(value.is_number());
        if (value.is_number()) {
            EXPECT_NEAR(value.get<double>(), expected, 1e-9 * std::fabs(expected) + 1e-300);
        }
    }
    return true;
}

constexpr int Rounds = 12;

TEST(CalcRoundTrip, TheCommandLineOfAToolReproducesItsValues)
{
    std::mt19937 random(20240917);
    for (const RegisteredTool& tool : RegisteredTools()) {
        SCOPED_TRACE(tool.name);
        int reproduced = 0;
        for (int round = 0; round < Rounds; ++round)
            reproduced += ExpectRoundTrip(tool, random) ? 1 : 0;
        // Some states no line gives back (the field of view's, mostly); enough others must be
        // left for the rounds to test something.
        EXPECT_GE(reproduced, Rounds / 4);
    }
}

// A directory of this test's own that TMPDIR names, and XDG_STATE_HOME its subdirectory state,
// while it lives: the program looks for kortools.dat there and nowhere near the user's own.
class StateDirectory {
public:
    StateDirectory()
    {
        char path[] = "/tmp/kortools-calc-state-XXXXXX";
        m_path = ::mkdtemp(path) ? path : "";
        EXPECT_FALSE(m_path.empty());
        const char* previous = std::getenv("TMPDIR");
        if (previous)
            m_previous = previous;
        ::setenv("TMPDIR", m_path.c_str(), 1);
        ::setenv("XDG_STATE_HOME", (m_path + "/state").c_str(), 1);
    }
    ~StateDirectory()
    {
        if (m_previous.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", m_previous.c_str(), 1);
        ::unsetenv("XDG_STATE_HOME");
        std::filesystem::remove_all(m_path);
    }
    const std::string& Path() const { return m_path; }
    std::vector<std::string> Environment() const { return {"TMPDIR=" + m_path, "XDG_STATE_HOME=" + m_path + "/state"}; }

private:
    std::string m_path;
    std::string m_previous;
};

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(CalcFromState, StartsFromTheSavedValuesAndLeavesTheFileAsItWas)
{
    const StateDirectory directory;
    const auto saved = std::make_unique<ToolModels>();
    PrepareStartingModels(*saved);
    ErrorSink refused;
    ASSERT_TRUE(saved->link.SetValueFromText(CKOTLink::VarFrequency, "14", refused));
    ASSERT_TRUE(saved->link.SetValueFromText(CKOTLink::VarTxPower, "10", refused));
    ASSERT_TRUE(SaveStateFile([&](std::FILE* file) { WriteToolStates(file, *saved); }));
    const std::string path = directory.Path() + "/state/kortools/kortools.dat";
    const std::string before = FileBytes(path);
    ASSERT_EQ(before.size(), static_cast<std::size_t>(StateFileSize));
    struct stat statBefore {};
    ASSERT_EQ(::stat(path.c_str(), &statBefore), 0);

    const std::vector<std::string> environment = directory.Environment();
    const CalcRun run = RunCalc({"link", "--from-state", "--json"}, environment);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json printed = nlohmann::json::parse(run.out);
    EXPECT_DOUBLE_EQ(JsonVar(printed, "frequency").get<double>(), 14);
    EXPECT_DOUBLE_EQ(JsonVar(printed, "transmit_power").get<double>(), 10);
    EXPECT_EQ(JsonVar(printed, "c_n", "text"), ScriptValueText(saved->link, CKOTLink::VarCn));

    // A sweep from the saved budget, and a refused entry, write nothing either.
    EXPECT_EQ(RunCalc({"link", "--from-state", "--sweep", "transmit_power=0:20:1"}, environment).status, 0);
    EXPECT_EQ(RunCalc({"link", "--from-state", "transmit_dish_size=0"}, environment).status, 2);
    EXPECT_EQ(RunCalc({"link", "c_n=30"}, environment).status, 0);

    EXPECT_EQ(FileBytes(path), before);
    struct stat statAfter {};
    ASSERT_EQ(::stat(path.c_str(), &statAfter), 0);
    EXPECT_EQ(statAfter.st_ino, statBefore.st_ino) << "the file was replaced";
    EXPECT_EQ(statAfter.st_mtim.tv_sec, statBefore.st_mtim.tv_sec);
    EXPECT_EQ(statAfter.st_mtim.tv_nsec, statBefore.st_mtim.tv_nsec);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              1) << "nothing else was left in the directory";
}

// Asked to start from saved values that are not there, the program says so rather than
// quietly working from the defaults.
TEST(CalcFromState, WithoutSavedValuesItStopsWith66)
{
    const StateDirectory directory;
    // Shared, as /tmp is: where the old place would be a private directory, made by nobody now.
    ASSERT_EQ(::chmod(directory.Path().c_str(), 01777), 0);
    const CalcRun run = RunCalc({"link", "--from-state"}, directory.Environment());
    EXPECT_EQ(run.status, 66);
    EXPECT_TRUE(std::filesystem::is_empty(directory.Path())) << "looking for the values made a directory";
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("no saved values"), std::string::npos) << run.err;
}

} // namespace
