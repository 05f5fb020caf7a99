// The names variables go by on the command line, and the values as text for scripts.
#include "framework/ValueReport.h"
#include "tests/support/TestKorObj.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

TEST(CommandLineName, LowerCaseWithEveryRunOfOtherCharactersOneUnderscore)
{
    const struct {
        const char* name;
        const char* expected;
    } cases[] = {
        {"Transmit Power", "transmit_power"},
        {"C/(N+I)", "c_n_i_"},
        {"Theta 3dB", "theta_3db"},
        {"dB value", "db_value"},
        {"G/T", "g_t"},
        {"  Height -- above", "_height_above"},
        {"Ångström", "_ngstr_m"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CommandLineName(c.name), c.expected);
    }
}

TEST(CommandLineName, FindsAVariableByItsNameOrWithoutTheEndUnderscores)
{
    const CTestKorObj model;
    EXPECT_EQ(FindVarByCommandLineName(model, "distance"), CTestKorObj::VarDistance);
    EXPECT_EQ(FindVarByCommandLineName(model, "Distance"), -1);
    EXPECT_EQ(FindVarByCommandLineName(model, ""), -1);
    EXPECT_EQ(FindVarByCommandLineName(model, "name"), -1); // Name and Description are no tool's values
    for (int index = CTestKorObj::VarDistance; index < CTestKorObj::VarTotal; ++index) {
        std::string name;
        model.GetVarName(index, name);
        SCOPED_TRACE(name);
        EXPECT_EQ(FindVarByCommandLineName(model, CommandLineName(name)), index);
    }
}

// Whatever the desktop's language, text for scripts has a '.' point; the tool's own edits keep
// following the locale.
TEST(ValueText, PointDecimalsUnderACommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale is not installed";
    const CTestKorObj model; // 1 km shown in m, 12 GHz
    std::string shown;
    model.GetValueText(CTestKorObj::VarFrequency, shown);
    EXPECT_EQ(shown.find('.'), std::string::npos) << shown;
    EXPECT_EQ(ScriptValueText(model, CTestKorObj::VarFrequency), "12.0");
    EXPECT_EQ(ExactNumberText(0.1), "0.1");
    const std::string lines = FormatValueLines(model);
    EXPECT_NE(lines.find("distance = 1000.0 m\n"), std::string::npos) << lines;
    // And the locale is the user's again afterwards.
    model.GetValueText(CTestKorObj::VarFrequency, shown);
    EXPECT_EQ(shown.find('.'), std::string::npos) << shown;
    std::setlocale(LC_NUMERIC, previous.c_str());
}

TEST(ExactNumberText, ReadsBackAsTheSameDouble)
{
    for (const double x : {0.0, -0.0, 1.0, 0.1, 1.0 / 3.0, 1e300, -2.5e-308, 12e9, 35786.05}) {
        const std::string text = ExactNumberText(x);
        SCOPED_TRACE(text);
        EXPECT_EQ(std::strtod(text.c_str(), nullptr), x);
    }
}

} // namespace
