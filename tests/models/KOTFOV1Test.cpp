#include "formulas/Constants.h"
#include "framework/Units.h"
#include "models/KOTFOV1.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTFOV1, StartsOnTheGeostationaryOrbit)
{
    const CKOTFOV1 model;
    std::string text;
    model.GetTypeName(text);
    EXPECT_EQ(text, "Satellite Period Tool");
    EXPECT_EQ(ValueText(model, 0), "Satellite Period Tool");
    EXPECT_EQ(model.GetVarCount(), 5);
    EXPECT_EQ(model.GetCalcVar(), -1);

    ExpectVariables(model, {
                               {CKOTFOV1::VarHeight, "Height above Earth", VarKindReal, UnitKm, UnitKm, "35786.05"},
                               {CKOTFOV1::VarSemiMajorAxis, "Semi major axis", VarKindReal, UnitKm, UnitKm,
                                "42164.195"},
                               // Kept in seconds, shown in minutes.
                               {CKOTFOV1::VarPeriod, "Orbit Period", VarKindReal, UnitSec, UnitMin, "1436.068"},
                           });
    model.GetUnitLabel(CKOTFOV1::VarPeriod, text);
    EXPECT_EQ(text, "min");
    EXPECT_EQ(model.m_height, 35786.05);
    ExpectPrinted(model.m_semiMajorAxis, 42164.195, 8);
    ExpectPrinted(model.m_period, 86164.081, 8);
    model.GetVarName(5, text);
    EXPECT_EQ(text, "Unknown variable");
    double value = 1;
    EXPECT_EQ(model.GetRealVar(5, value), 0);
    EXPECT_EQ(value, 0.0);
}

// Whichever quantity is set, the other two are the ones the orbit formulas give for it, and
// the value given is kept exactly.
TEST(KOTFOV1, EachSetterDerivesTheOtherTwo)
{
    const struct {
        const char* label;
        int index;
        double value;
        double height, radius, period;
        int digits;
    } rows[] = {
        {"period of 90 min", CKOTFOV1::VarPeriod, 5400, 274.415, 6652.560, 5400, 6},
        {"radius of 7000 km", CKOTFOV1::VarSemiMajorAxis, 7000, 621.855, 7000, 97.1418 * 60, 6},
        {"geostationary height", CKOTFOV1::VarHeight, 35786.05, 35786.05, 42164.195, 86164.081, 8},
        {"lowest height", CKOTFOV1::VarHeight, 0.001, 0.001, 6378.146, 5069.35, 6},
        {"lowest period", CKOTFOV1::VarPeriod, 5070, 0.54671, 6378.69171, 5070, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTFOV1 model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        ExpectPrinted(model.m_height, row.height, row.digits);
        ExpectPrinted(model.m_semiMajorAxis, row.radius, row.digits);
        ExpectPrinted(model.m_period, row.period, row.digits);
        double stored = 0;
        model.GetRealVar(row.index, stored);
        EXPECT_EQ(stored, row.value);
    }
}

// The setters themselves take what they are given; the formulas use it clamped to their range.
TEST(KOTFOV1, SettersKeepAnUncheckedArgument)
{
    CKOTFOV1 model;
    model.SetPeriod(100);
    EXPECT_EQ(model.m_period, 100);
    ExpectPrinted(model.m_height, 0.54671, 5);
    model.SetHeight(-5);
    EXPECT_EQ(model.m_height, -5);
    ExpectPrinted(model.m_period, 5069.35, 6);
}

// A limit itself is accepted. Beyond it nothing changes, and the warning quotes the period in
// minutes, as it is shown.
TEST(KOTFOV1, Limits)
{
    const struct {
        const char* label;
        int index;
        double value;
        int code; // 0: accepted
        const char* explanation;
    } rows[] = {
        {"lowest height", CKOTFOV1::VarHeight, 0.001, 0, nullptr},
        {"highest height", CKOTFOV1::VarHeight, 1e11, 0, nullptr},
        {"lowest radius", CKOTFOV1::VarSemiMajorAxis, EarthRadius + 0.001, 0, nullptr},
        {"highest radius", CKOTFOV1::VarSemiMajorAxis, 1e11, 0, nullptr},
        {"lowest period", CKOTFOV1::VarPeriod, 5070, 0, nullptr},
        {"highest period", CKOTFOV1::VarPeriod, 1e6, 0, nullptr},
        {"height below", CKOTFOV1::VarHeight, 0.0005, -1,
         "Variable 'Height above Earth' has been set to 0.0005 km which is below the limit of 0.001 km"},
        {"height above", CKOTFOV1::VarHeight, 1.5e11, -1,
         "Variable 'Height above Earth' has been set to 1.5000e+11 km which is above the limit of 1.0000e+11 km"},
        // 6378.146 is a hair below the lowest radius, which prints the same.
        {"radius at the surface", CKOTFOV1::VarSemiMajorAxis, 6378.146, -1,
         "Variable 'Semi major axis' has been set to 6378.146 km which is below the limit of 6378.146 km"},
        {"radius above", CKOTFOV1::VarSemiMajorAxis, 2e11, -1,
         "Variable 'Semi major axis' has been set to 2.0000e+11 km which is above the limit of 1.0000e+11 km"},
        {"period of 84 min", CKOTFOV1::VarPeriod, 84 * 60, -1,
         "Variable 'Orbit Period' has been set to 84.0 min which is below the limit of 84.5 min"},
        {"period above", CKOTFOV1::VarPeriod, 1e6 + 60, -1,
         "Variable 'Orbit Period' has been set to 16667.6667 min which is above the limit of 16666.6667 min"},
        {"name", 0, 1, ErrorVariableFixed, nullptr},
        {"past the last variable", 5, 1, ErrorVariableFixed, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTFOV1 model;
        const std::vector<double> before = RealValues(model);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(row.index, row.value, sink), row.code == 0 ? 1 : 0);
        EXPECT_EQ(sink.Code, row.code);
        if (row.explanation) {
            EXPECT_EQ(sink.Problem, "Input range error");
            EXPECT_EQ(sink.Explanation, row.explanation);
        }
        if (row.code != 0) {
            EXPECT_EQ(RealValues(model), before);
        }
    }
}

TEST(KOTFOV1, APeriodTypedInHours)
{
    CKOTFOV1 typed;
    CKOTFOV1 inMinutes;
    ErrorSink sink;
    ASSERT_EQ(typed.SetValueFromText(CKOTFOV1::VarPeriod, "1.5 hours", sink), 1);
    ASSERT_EQ(inMinutes.SetValueFromText(CKOTFOV1::VarPeriod, "90", sink), 1);
    EXPECT_EQ(typed.m_period, 5400);
    EXPECT_EQ(ValueText(typed, CKOTFOV1::VarPeriod), "90.0");
    EXPECT_EQ(RealValues(typed), RealValues(inMinutes));
    // An hour is below the lowest period; the warning speaks in minutes.
    EXPECT_EQ(typed.SetValueFromText(CKOTFOV1::VarPeriod, "1hours", sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Orbit Period' has been set to 60.0 min which is below the limit of 84.5 min");
}

} // namespace
