#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "framework/Units.h"
#include "models/KOTT3dB.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

constexpr double Degrees(double degrees)
{
    return degrees * Pi / 180;
}

TEST(KOTT3dB, NewModelIsAThirtyDbiBeam)
{
    const CKOTT3dB model;
    EXPECT_EQ(ValueText(model, 0), "Theta 3dB tool");
    EXPECT_EQ(model.GetVarCount(), 5);
    EXPECT_EQ(model.GetCalcVar(), CKOTT3dB::VarBeamwidth);
    ExpectVariables(model, {
                               {CKOTT3dB::VarEfficiency, "Efficiency", VarKindReal, UnitNone, UnitNone, "0.7"},
                               {CKOTT3dB::VarPeakGain, "Peak gain", VarKindReal, UnitDbi, UnitDbi, "30.0"},
                               {CKOTT3dB::VarBeamwidth, "Theta 3dB", VarKindReal, UnitRad, UnitDeg, "5.8183"},
                           });
    ExpectPrinted(model.m_beamwidth, 0.1015487, 7);
    // No choice of display unit here.
    CKOTT3dB other;
    EXPECT_EQ(other.SetDisplayUnit(CKOTT3dB::VarBeamwidth, UnitRad), 0);
    EXPECT_EQ(other.GetDisplayUnit(CKOTT3dB::VarBeamwidth), UnitDeg);
}

// Whatever is derived, the three values then satisfy the beamwidth law.
TEST(KOTT3dB, EachCalculatedVariableFollowsTheBeamwidthLaw)
{
    const struct {
        const char* label;
        int calc, index;
        double value;
        int derived;
        double expected;
        int digits;
    } rows[] = {
        {"peak gain of a 1 degree beam", CKOTT3dB::VarPeakGain, CKOTT3dB::VarBeamwidth, Degrees(1),
         CKOTT3dB::VarPeakGain, 45.29594, 7},
        {"efficiency of a 5 degree beam", CKOTT3dB::VarEfficiency, CKOTT3dB::VarBeamwidth, Degrees(5),
         CKOTT3dB::VarEfficiency, 0.516945, 6},
        {"beamwidth of 40 dBi", CKOTT3dB::VarBeamwidth, CKOTT3dB::VarPeakGain, 40, CKOTT3dB::VarBeamwidth,
         Degrees(1.839911), 7},
        {"beamwidth at full efficiency", CKOTT3dB::VarBeamwidth, CKOTT3dB::VarEfficiency, 1,
         CKOTT3dB::VarBeamwidth, Degrees(6.954212), 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTT3dB model;
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        double derived = 0;
        ASSERT_EQ(model.GetRealVar(row.derived, derived), 1);
        ExpectPrinted(derived, row.expected, row.digits);
        EXPECT_NEAR(GainFromBeamwidth(model.m_beamwidth, model.m_efficiency), model.m_peakGain, 1e-9);
    }
}

TEST(KOTT3dB, LimitsAreInclusiveAndTheBeamwidthIsQuotedInDegrees)
{
    const struct {
        const char* label;
        int index;
        double value;
        const char* refusal; // null: accepted
    } rows[] = {
        {"narrowest beam", CKOTT3dB::VarBeamwidth, 1e-6, nullptr},
        {"beam too narrow", CKOTT3dB::VarBeamwidth, 5e-7,
         "Variable 'Theta 3dB' has been set to 2.8648e-05 deg which is below the limit of 5.7296e-05 deg"},
        {"half the sky", CKOTT3dB::VarBeamwidth, Pi, nullptr},
        {"beam too wide", CKOTT3dB::VarBeamwidth, 3.2,
         "Variable 'Theta 3dB' has been set to 183.3465 deg which is above the limit of 180.0 deg"},
        {"lowest efficiency", CKOTT3dB::VarEfficiency, 0.001, nullptr},
        {"efficiency below", CKOTT3dB::VarEfficiency, 0.0009,
         "Variable 'Efficiency' has been set to 0.0009 which is below the limit of 0.001"},
        {"full efficiency", CKOTT3dB::VarEfficiency, 1, nullptr},
        {"efficiency above", CKOTT3dB::VarEfficiency, 1.5,
         "Variable 'Efficiency' has been set to 1.5 which is above the limit of 1.0"},
        {"lowest peak gain", CKOTT3dB::VarPeakGain, -300, nullptr},
        {"peak gain below", CKOTT3dB::VarPeakGain, -301,
         "Variable 'Peak gain' has been set to -301.0 dBi which is below the limit of -300.0 dBi"},
        {"highest peak gain", CKOTT3dB::VarPeakGain, 300, nullptr},
        {"peak gain above", CKOTT3dB::VarPeakGain, 300.5,
         "Variable 'Peak gain' has been set to 300.5 dBi which is above the limit of 300.0 dBi"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTT3dB model;
        const int calc = row.index == CKOTT3dB::VarBeamwidth ? CKOTT3dB::VarPeakGain : CKOTT3dB::VarBeamwidth;
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        ExpectLimit(model, row.index, row.value, row.refusal);
    }
}

TEST(KOTT3dB, RefusesTheCalculatedVariableAndWhatIsNoRealVariable)
{
    for (int index : std::initializer_list<int>{CKOTT3dB::VarBeamwidth, VarIndexName, CKOTT3dB::VarTotal}) {
        SCOPED_TRACE(index);
        CKOTT3dB model;
        const std::vector<double> before = RealValues(model);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(index, Degrees(2), sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        EXPECT_EQ(RealValues(model), before);
    }
}

TEST(KOTT3dB, ChoosingTheCalculatedVariable)
{
    CKOTT3dB model;
    for (int index : std::initializer_list<int>{CKOTT3dB::VarEfficiency, CKOTT3dB::VarPeakGain, CKOTT3dB::VarBeamwidth}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 1);
        EXPECT_EQ(model.GetCalcVar(), index);
    }
    for (int index : std::initializer_list<int>{VarIndexDescription, CKOTT3dB::VarTotal}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 0);
        EXPECT_EQ(model.GetCalcVar(), CKOTT3dB::VarBeamwidth);
    }
}

// The launcher's coupling ignores the calculated variable: the gain and efficiency from the
// peak-gain tool set the beamwidth, and the off-axis tool's beamwidth sets the peak gain back.
TEST(KOTT3dB, CouplingOperationsKeepTheBeamwidthLaw)
{
    for (int calc : std::initializer_list<int>{CKOTT3dB::VarEfficiency, CKOTT3dB::VarPeakGain, CKOTT3dB::VarBeamwidth}) {
        SCOPED_TRACE(calc);
        CKOTT3dB model;
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        model.SetGainAndEfficiency(46.46157, 0.7);
        EXPECT_EQ(model.m_peakGain, 46.46157);
        EXPECT_EQ(model.m_efficiency, 0.7);
        ExpectPrinted(model.m_beamwidth, Degrees(0.874417), 6);
        EXPECT_EQ(ValueText(model, CKOTT3dB::VarBeamwidth), "0.8744");

        model.SetBeamwidth(model.m_beamwidth);
        ExpectPrinted(model.m_peakGain, 46.46157, 7);
        model.SetBeamwidth(Degrees(5));
        EXPECT_EQ(model.m_beamwidth, Degrees(5));
        EXPECT_EQ(model.m_efficiency, 0.7);
        ExpectPrinted(model.m_peakGain, 31.31654, 7);
        EXPECT_EQ(model.GetCalcVar(), calc);
    }
}

} // namespace
