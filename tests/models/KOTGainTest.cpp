#include "formulas/Antenna.h"
#include "framework/Units.h"
#include "models/KOTGain.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

TEST(KOTGain, NewModelIsATwoMetreDishAtTwelveGigahertz)
{
    const CKOTGain model;
    EXPECT_EQ(ValueText(model, 0), "Gain Tool");
    EXPECT_EQ(model.GetVarCount(), 6);
    EXPECT_EQ(model.IsStandAlone(), 1);
    EXPECT_EQ(model.GetCalcVar(), CKOTGain::VarPeakGain);
    ExpectVariables(model, {
                               {CKOTGain::VarDishSize, "Dish size", VarKindReal, UnitKm, UnitM, "2.0"},
                               {CKOTGain::VarEfficiency, "Efficiency", VarKindReal, UnitNone, UnitNone, "0.7"},
                               {CKOTGain::VarFrequency, "Frequency", VarKindReal, UnitHz, UnitGHz, "12.0"},
                               {CKOTGain::VarPeakGain, "Peak gain", VarKindReal, UnitDbi, UnitDbi, "46.4616"},
                           });
    ExpectPrinted(model.m_peakGain, 46.46157, 7);
}

// Each derived quantity, fed back into the forward formula with the others, gives the peak
// gain the user set: the inverse really inverts.
TEST(KOTGain, EachCalculatedVariableInvertsThePeakGain)
{
    const struct {
        const char* label;
        int calc, index;
        double value;
        int derived;
        double expected;
        int digits;
    } rows[] = {
        {"dish size from 50 dBi", CKOTGain::VarDishSize, CKOTGain::VarPeakGain, 50, CKOTGain::VarDishSize,
         0.00300574, 6},
        {"frequency from 50 dBi", CKOTGain::VarFrequency, CKOTGain::VarPeakGain, 50, CKOTGain::VarFrequency,
         1.80344e10, 6},
        // A computed value is not limited: the efficiency goes above 1.
        {"efficiency from 50 dBi", CKOTGain::VarEfficiency, CKOTGain::VarPeakGain, 50, CKOTGain::VarEfficiency,
         1.58103, 6},
        {"peak gain of a 3 m dish", CKOTGain::VarPeakGain, CKOTGain::VarDishSize, 0.003, CKOTGain::VarPeakGain,
         49.98339, 7},
        {"dish size at another efficiency", CKOTGain::VarDishSize, CKOTGain::VarEfficiency, 0.5,
         CKOTGain::VarDishSize, 0.00236643, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTGain model;
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        double derived = 0;
        ASSERT_EQ(model.GetRealVar(row.derived, derived), 1);
        ExpectPrinted(derived, row.expected, row.digits);
        EXPECT_NEAR(PeakGain(model.m_dishSize, model.m_frequency, model.m_efficiency), model.m_peakGain, 1e-9);
    }
}

TEST(KOTGain, NoFrequencyGivesAPeakGainAtOrBelowZero)
{
    CKOTGain model;
    ASSERT_EQ(model.SetCalcVar(CKOTGain::VarFrequency), 1);
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTGain::VarPeakGain, -1, sink), 1);
    EXPECT_EQ(model.m_frequency, 0.0);
    EXPECT_EQ(ValueText(model, CKOTGain::VarFrequency), "0.0");
}

// Limits hold at their value and refuse beyond it, quoted in the unit the user reads.
TEST(KOTGain, LimitsAreInclusiveAndQuotedInTheDisplayUnit)
{
    const struct {
        const char* label;
        int index;
        double value;
        const char* refusal; // null: accepted
    } rows[] = {
        {"smallest dish", CKOTGain::VarDishSize, 1e-6, nullptr},
        {"half a millimetre", CKOTGain::VarDishSize, 5e-7,
         "Variable 'Dish size' has been set to 0.0005 m which is below the limit of 0.001 m"},
        {"largest dish", CKOTGain::VarDishSize, 100, nullptr},
        {"dish above", CKOTGain::VarDishSize, 100.5,
         "Variable 'Dish size' has been set to 1.0050e+05 m which is above the limit of 1.0000e+05 m"},
        {"lowest efficiency", CKOTGain::VarEfficiency, 0.001, nullptr},
        {"efficiency below", CKOTGain::VarEfficiency, 0.0009,
         "Variable 'Efficiency' has been set to 0.0009 which is below the limit of 0.001"},
        {"full efficiency", CKOTGain::VarEfficiency, 1, nullptr},
        {"efficiency above", CKOTGain::VarEfficiency, 1.01,
         "Variable 'Efficiency' has been set to 1.01 which is above the limit of 1.0"},
        {"lowest frequency", CKOTGain::VarFrequency, 0.0001, nullptr},
        {"frequency below, in GHz", CKOTGain::VarFrequency, 0.00009,
         "Variable 'Frequency' has been set to 9.0000e-14 GHz which is below the limit of 1.0000e-13 GHz"},
        {"highest frequency", CKOTGain::VarFrequency, 3e15, nullptr},
        {"frequency above, in GHz", CKOTGain::VarFrequency, 3.1e15,
         "Variable 'Frequency' has been set to 3.1000e+06 GHz which is above the limit of 3.0000e+06 GHz"},
        {"highest peak gain", CKOTGain::VarPeakGain, 300, nullptr},
        {"peak gain above", CKOTGain::VarPeakGain, 300.5,
         "Variable 'Peak gain' has been set to 300.5 dBi which is above the limit of 300.0 dBi"},
        {"lowest peak gain", CKOTGain::VarPeakGain, -300, nullptr},
        {"peak gain below", CKOTGain::VarPeakGain, -300.5,
         "Variable 'Peak gain' has been set to -300.5 dBi which is below the limit of -300.0 dBi"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTGain model;
        // Derive something other than the variable under test.
        const int calc = row.index == CKOTGain::VarPeakGain ? CKOTGain::VarDishSize : CKOTGain::VarPeakGain;
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        ExpectLimit(model, row.index, row.value, row.refusal);
    }
}

TEST(KOTGain, RefusesTheCalculatedVariableAndWhatIsNoRealVariable)
{
    for (int index : std::initializer_list<int>{CKOTGain::VarPeakGain, VarIndexName, VarIndexDescription, CKOTGain::VarTotal}) {
        SCOPED_TRACE(index);
        CKOTGain model;
        const std::vector<double> before = RealValues(model);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(index, 1, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        EXPECT_EQ(sink.Problem, "Variable fixed");
        EXPECT_EQ(RealValues(model), before);
    }
}

TEST(KOTGain, ChoosingTheCalculatedVariableDoesNotRecalculate)
{
    CKOTGain model;
    for (int index : std::initializer_list<int>{CKOTGain::VarDishSize, CKOTGain::VarEfficiency, CKOTGain::VarFrequency, CKOTGain::VarPeakGain}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 1);
        EXPECT_EQ(model.GetCalcVar(), index);
    }
    for (int index : std::initializer_list<int>{VarIndexName, VarIndexDescription, CKOTGain::VarTotal, -1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 0);
        EXPECT_EQ(model.GetCalcVar(), CKOTGain::VarPeakGain);
    }
    model.m_dishSize = 0.003;
    ASSERT_EQ(model.SetCalcVar(CKOTGain::VarEfficiency), 1);
    ExpectPrinted(model.m_peakGain, 46.46157, 7);
    EXPECT_EQ(model.m_efficiency, 0.7);
}

TEST(KOTGain, OnlyTheFrequencyHasAChoiceOfUnit)
{
    CKOTGain model;
    const struct {
        int index, unit, result;
        const char* frequencyText;
    } rows[] = {
        {CKOTGain::VarFrequency, UnitHz, 1, "1.2000e+10"},
        {CKOTGain::VarFrequency, UnitMHz, 1, "12000.0"},
        {CKOTGain::VarFrequency, UnitGHz, 1, "12.0"},
        {CKOTGain::VarFrequency, UnitMmPerS, 0, "12.0"},
        {CKOTGain::VarFrequency, UnitW, 0, "12.0"},
        {CKOTGain::VarDishSize, UnitCm, 0, "12.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.unit);
        EXPECT_EQ(model.SetDisplayUnit(row.index, row.unit), row.result);
        EXPECT_EQ(ValueText(model, CKOTGain::VarFrequency), row.frequencyText);
    }
    EXPECT_EQ(model.GetDisplayUnit(CKOTGain::VarDishSize), UnitM);
}

// Opened over a link, the frequency is the link's: it can be neither set nor derived here.
TEST(KOTGain, LinkInstanceKeepsTheLinksFrequency)
{
    CKOTGain model(14e9, UnitMHz, 0.6, 0.0012);
    EXPECT_EQ(model.IsStandAlone(), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTGain::VarPeakGain);
    EXPECT_EQ(ValueText(model, CKOTGain::VarFrequency), "14000.0");
    ExpectPrinted(model.m_peakGain, PeakGain(0.0012, 14e9, 0.6), 12);

    EXPECT_EQ(model.SetCalcVar(CKOTGain::VarFrequency), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTGain::VarPeakGain);
    ErrorSink refused;
    EXPECT_EQ(model.SetRealVar(CKOTGain::VarFrequency, 12e9, refused), 0);
    EXPECT_EQ(refused.Code, ErrorVariableFixed);
    EXPECT_EQ(model.m_frequency, 14e9);

    const struct {
        const char* label;
        int calc, index;
        double value;
    } accepted[] = {
        {"dish size", CKOTGain::VarPeakGain, CKOTGain::VarDishSize, 0.0024},
        {"efficiency", CKOTGain::VarPeakGain, CKOTGain::VarEfficiency, 0.65},
        {"peak gain", CKOTGain::VarDishSize, CKOTGain::VarPeakGain, 45},
    };
    for (const auto& row : accepted) {
        SCOPED_TRACE(row.label);
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        EXPECT_EQ(model.m_frequency, 14e9);
    }
    ExpectPrinted(model.m_dishSize, DiameterFromGain(45, 14e9, 0.65), 12);
}

// The launcher hands over the beamwidth tool's gain and efficiency; the dish follows at this
// model's frequency, whatever is calculated and without the setters' limits.
TEST(KOTGain, GainAndEfficiencyFromTheCouplingResizeTheDish)
{
    for (int calc : std::initializer_list<int>{CKOTGain::VarDishSize, CKOTGain::VarEfficiency, CKOTGain::VarFrequency, CKOTGain::VarPeakGain}) {
        SCOPED_TRACE(calc);
        CKOTGain model;
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        model.SetGainAndEfficiency(50, 1.2);
        EXPECT_EQ(model.m_peakGain, 50);
        EXPECT_EQ(model.m_efficiency, 1.2);
        EXPECT_EQ(model.m_frequency, 1.2e10);
        ExpectPrinted(model.m_dishSize, 0.00229567, 6);
        EXPECT_NEAR(PeakGain(model.m_dishSize, model.m_frequency, model.m_efficiency), 50, 1e-9);
        EXPECT_EQ(model.GetCalcVar(), calc);
    }
}

} // namespace
