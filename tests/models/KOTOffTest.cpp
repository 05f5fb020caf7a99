#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "framework/Units.h"
#include "models/KOTOff.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

// Multiplied before dividing, so that an angle typed in degrees lands on the same side of a
// pattern's breakpoint as the program's own conversion puts it.
constexpr double Degrees(double degrees)
{
    return degrees * Pi / 180;
}

double InDegrees(double radians)
{
    return radians * 180 / Pi;
}

TEST(KOTOff, NewModelLooksAlongTheBoresight)
{
    const CKOTOff model;
    EXPECT_EQ(ValueText(model, 0), "Offaxis angle tool");
    EXPECT_EQ(model.GetVarCount(), 7);
    EXPECT_EQ(model.IsStandAlone(), 1);
    EXPECT_EQ(model.GetCalcVar(), CKOTOff::VarRelativeGain);
    ExpectVariables(model, {
                               {CKOTOff::VarOffAxisAngle, "Offaxis angle", VarKindReal, UnitRad, UnitDeg, "0.0"},
                               {CKOTOff::VarRelativeGain, "Relative gain", VarKindReal, UnitDb, UnitDb, "0.0"},
                               // dB here, where the peak-gain and beamwidth tools say dBi.
                               {CKOTOff::VarPeakGain, "Peak gain", VarKindReal, UnitDbi, UnitDbi, "30.0"},
                               {CKOTOff::VarBeamwidth, "Theta 3dB", VarKindReal, UnitRad, UnitDeg, "5.0"},
                               {CKOTOff::VarPattern, "Gain Pattern", VarKindInt, UnitNone, UnitNone,
                                "29 - 25log(phi)"},
                           });
    EXPECT_EQ(model.m_beamwidth, Degrees(5));
}

TEST(KOTOff, ThePatternIsAnEnumerationOfThePatternNames)
{
    const CKOTOff model;
    EXPECT_EQ(model.GetEnumCount(CKOTOff::VarPattern), PatternCodeCount);
    for (int choice = 0; choice < PatternCodeCount; ++choice)
        EXPECT_STREQ(model.GetEnumText(CKOTOff::VarPattern, choice), PatternName(choice));
    EXPECT_EQ(model.GetEnumCount(CKOTOff::VarBeamwidth), 0);
    int pattern = -1;
    EXPECT_EQ(model.GetIntVar(CKOTOff::VarPattern, pattern), 1);
    EXPECT_EQ(pattern, PatternLog29);
}

// The three patterns through the model, on either side of each line where a pattern changes
// its law: the main lobe's end phi_m (5.3085 degrees for code 1, 4.6965 for code 2), the
// log law's start phi_r (3.2535) and the far-lobe floor (36.3 and 48 degrees, inclusive).
TEST(KOTOff, PatternsAtTheirBreakpoints)
{
    const struct {
        const char* label;
        int pattern;
        double angle; // degrees
        double relative;
        int digits;
    } rows[] = {
        {"parabolic at half the beamwidth", PatternParabolic, 2.5, -3, 12},
        {"parabolic at the beamwidth", PatternParabolic, 5, -12, 12},
        {"parabolic at 10", PatternParabolic, 10, -48, 12},
        {"parabolic has no floor", PatternParabolic, 50, -1200, 12},
        {"29: main lobe at 2", PatternLog29, 2, -1.96, 12},
        {"29: main lobe just inside phi_m", PatternLog29, 5.30, -13.7641, 6},
        {"29: past phi_m the gain falls to the log law", PatternLog29, 5.32, -19.147791, 8},
        {"29: log law at 10", PatternLog29, 10, -26, 12},
        {"29: log law at 36.3 still", PatternLog29, 36.3, -39.997666, 8},
        {"29: the floor past 36.3", PatternLog29, 36.31, -40, 12},
        {"29: the floor at 50", PatternLog29, 50, -40, 12},
        {"32: main lobe at 2", PatternLog32, 2, -1.96, 12},
        {"32: log law past phi_m", PatternLog32, 5.30, -16.106897, 8},
        {"32: log law at 10", PatternLog32, 10, -23, 12},
        {"32: log law at 40", PatternLog32, 40, -38.0515, 6},
        {"32: log law at 48 still", PatternLog32, 48, -40.031031, 8},
        {"32: the floor past 48", PatternLog32, 48.01, -40, 12},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTOff model;
        ErrorSink sink;
        ASSERT_EQ(model.SetIntVar(CKOTOff::VarPattern, row.pattern, sink), 1);
        ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(row.angle), sink), 1);
        ExpectPrinted(model.m_relativeGain, row.relative, row.digits);
    }
}

// Changing the pattern recalculates at once, at the angle already set.
TEST(KOTOff, ChoosingAnotherPatternRecalculates)
{
    CKOTOff model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(10), sink), 1);
    ExpectPrinted(model.m_relativeGain, -26, 12);
    ASSERT_EQ(model.SetIntVar(CKOTOff::VarPattern, PatternLog32, sink), 1);
    ExpectPrinted(model.m_relativeGain, -23, 12);
    ASSERT_EQ(model.SetIntVar(CKOTOff::VarPattern, PatternParabolic, sink), 1);
    ExpectPrinted(model.m_relativeGain, -48, 12);
    // As the user types it: a digit or the start of a name picks the pattern.
    ASSERT_EQ(model.SetValueFromText(CKOTOff::VarPattern, "3", sink), 1);
    EXPECT_EQ(model.m_pattern, PatternLog32);
    ASSERT_EQ(model.SetValueFromText(CKOTOff::VarPattern, "Pure", sink), 1);
    EXPECT_EQ(model.m_pattern, PatternParabolic);
}

TEST(KOTOff, PatternRefusals)
{
    const struct {
        const char* label;
        int index;
        int value;
        const char* text; // typed instead of set, when not null
        int code;
    } rows[] = {
        {"code 3", CKOTOff::VarPattern, 3, nullptr, ErrorInputRange},
        {"code -1", CKOTOff::VarPattern, -1, nullptr, ErrorInputRange},
        {"a name that matches nothing", CKOTOff::VarPattern, 0, "x", ErrorInputRange},
        {"a real variable set as an integer", CKOTOff::VarOffAxisAngle, 1, nullptr, ErrorVariableFixed},
        {"past the last variable", CKOTOff::VarTotal, 1, nullptr, ErrorVariableFixed},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTOff model;
        const std::vector<double> before = RealValues(model);
        ErrorSink sink;
        const int result = row.text ? model.SetValueFromText(row.index, row.text, sink)
                                    : model.SetIntVar(row.index, row.value, sink);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(sink.Code, row.code);
        EXPECT_EQ(model.m_pattern, PatternLog29);
        EXPECT_EQ(RealValues(model), before);
    }
    CKOTOff model;
    ErrorSink sink;
    EXPECT_EQ(model.SetIntVar(CKOTOff::VarPattern, 5, sink), 0);
    EXPECT_EQ(sink.Problem, "Input range error");
}

// Each search, fed back into the pattern, reaches the relative gain the user set.
TEST(KOTOff, SearchesInvertThePattern)
{
    const struct {
        const char* label;
        int calc, pattern;
        double angle;    // degrees, set before
        double relative; // dB, then set
        double expected; // degrees, of the derived angle or beamwidth
        int digits;
    } rows[] = {
        {"parabolic angle at -3 dB", CKOTOff::VarOffAxisAngle, PatternParabolic, 0, -3, 2.5, 6},
        {"29 angle at -26 dB", CKOTOff::VarOffAxisAngle, PatternLog29, 0, -26, 10, 6},
        {"parabolic beamwidth at -3 dB", CKOTOff::VarBeamwidth, PatternParabolic, 2.5, -3, 5, 6},
        {"29 beamwidth in the main lobe", CKOTOff::VarBeamwidth, PatternLog29, 2, -1.96, 5, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTOff model;
        ErrorSink sink;
        ASSERT_EQ(model.SetIntVar(CKOTOff::VarPattern, row.pattern, sink), 1);
        ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(row.angle), sink), 1);
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        ASSERT_EQ(model.SetRealVar(CKOTOff::VarRelativeGain, row.relative, sink), 1);
        double derived = 0;
        ASSERT_EQ(model.GetRealVar(row.calc, derived), 1);
        ExpectPrinted(InDegrees(derived), row.expected, row.digits);
        EXPECT_NEAR(RelativeGain(model.m_peakGain, model.m_beamwidth, model.m_offAxisAngle, model.m_pattern),
                    row.relative, 1e-5);
    }
}

TEST(KOTOff, SearchesThatReachNothingGiveTheEndOfTheirRange)
{
    CKOTOff model;
    ErrorSink sink;
    ASSERT_EQ(model.SetCalcVar(CKOTOff::VarOffAxisAngle), 1);
    // Below the -40 dB floor: no angle reaches it, and the search ends at pi.
    ASSERT_EQ(model.SetRealVar(CKOTOff::VarRelativeGain, -45, sink), 1);
    EXPECT_EQ(model.m_offAxisAngle, Pi);
    EXPECT_EQ(ValueText(model, CKOTOff::VarOffAxisAngle), "180.0");
    ASSERT_EQ(model.SetRealVar(CKOTOff::VarRelativeGain, 0, sink), 1);
    EXPECT_EQ(model.m_offAxisAngle, 0.0);

    // A beamwidth for 0 dB off the boresight does not exist: 0 comes back, and every relative
    // gain computed from it is 0.
    CKOTOff beam;
    ASSERT_EQ(beam.SetIntVar(CKOTOff::VarPattern, PatternParabolic, sink), 1);
    ASSERT_EQ(beam.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(2.5), sink), 1);
    ASSERT_EQ(beam.SetCalcVar(CKOTOff::VarBeamwidth), 1);
    ASSERT_EQ(beam.SetRealVar(CKOTOff::VarRelativeGain, 0, sink), 1);
    EXPECT_EQ(beam.m_beamwidth, 0.0);
    ASSERT_EQ(beam.SetCalcVar(CKOTOff::VarRelativeGain), 1);
    ASSERT_EQ(beam.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(20), sink), 1);
    EXPECT_EQ(beam.m_relativeGain, 0.0);
}

TEST(KOTOff, LimitsAreInclusiveAndAnglesAreQuotedInDegrees)
{
    const struct {
        const char* label;
        int index;
        double value;
        const char* refusal; // null: accepted
    } rows[] = {
        {"on the boresight", CKOTOff::VarOffAxisAngle, 0, nullptr},
        {"negative angle", CKOTOff::VarOffAxisAngle, -0.001,
         "Variable 'Offaxis angle' has been set to -0.0573 deg which is below the limit of 0.0 deg"},
        {"straight behind", CKOTOff::VarOffAxisAngle, Pi, nullptr},
        {"angle past pi", CKOTOff::VarOffAxisAngle, 3.2,
         "Variable 'Offaxis angle' has been set to 183.3465 deg which is above the limit of 180.0 deg"},
        {"narrowest beam", CKOTOff::VarBeamwidth, 1e-6, nullptr},
        {"beam too narrow", CKOTOff::VarBeamwidth, 5e-7,
         "Variable 'Theta 3dB' has been set to 2.8648e-05 deg which is below the limit of 5.7296e-05 deg"},
        {"widest beam", CKOTOff::VarBeamwidth, Pi, nullptr},
        {"beam too wide", CKOTOff::VarBeamwidth, 3.2,
         "Variable 'Theta 3dB' has been set to 183.3465 deg which is above the limit of 180.0 deg"},
        {"highest peak gain", CKOTOff::VarPeakGain, 300, nullptr},
        {"peak gain above", CKOTOff::VarPeakGain, 300.5,
         "Variable 'Peak gain' has been set to 300.5 dBi which is above the limit of 300.0 dBi"},
        {"lowest peak gain", CKOTOff::VarPeakGain, -300, nullptr},
        {"peak gain below", CKOTOff::VarPeakGain, -301,
         "Variable 'Peak gain' has been set to -301.0 dBi which is below the limit of -300.0 dBi"},
        {"boresight gain", CKOTOff::VarRelativeGain, 0, nullptr},
        {"above the boresight", CKOTOff::VarRelativeGain, 1,
         "Variable 'Relative gain' has been set to 1.0 dB which is above the limit of 0.0 dB"},
        {"lowest relative gain", CKOTOff::VarRelativeGain, -300, nullptr},
        {"relative gain below", CKOTOff::VarRelativeGain, -300.5,
         "Variable 'Relative gain' has been set to -300.5 dB which is below the limit of -300.0 dB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTOff model;
        const int calc = row.index == CKOTOff::VarRelativeGain ? CKOTOff::VarOffAxisAngle : CKOTOff::VarRelativeGain;
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        ExpectLimit(model, row.index, row.value, row.refusal);
    }
}

TEST(KOTOff, ChoosingTheCalculatedVariable)
{
    CKOTOff model;
    for (int index : std::initializer_list<int>{CKOTOff::VarOffAxisAngle, CKOTOff::VarBeamwidth, CKOTOff::VarRelativeGain}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 1);
        EXPECT_EQ(model.GetCalcVar(), index);
    }
    // The peak gain is always an input and the pattern a choice.
    for (int index : std::initializer_list<int>{CKOTOff::VarPeakGain, CKOTOff::VarPattern, VarIndexName, CKOTOff::VarTotal}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.SetCalcVar(index), 0);
        EXPECT_EQ(model.GetCalcVar(), CKOTOff::VarRelativeGain);
    }
    // The choice alone recalculates nothing.
    model.m_offAxisAngle = Degrees(10);
    ASSERT_EQ(model.SetCalcVar(CKOTOff::VarOffAxisAngle), 1);
    EXPECT_EQ(model.m_relativeGain, 0.0);
    EXPECT_EQ(model.m_offAxisAngle, Degrees(10));
}

TEST(KOTOff, RefusesTheCalculatedVariableAndThePatternAsAReal)
{
    for (int index : std::initializer_list<int>{CKOTOff::VarRelativeGain, CKOTOff::VarPattern, VarIndexName, CKOTOff::VarTotal}) {
        SCOPED_TRACE(index);
        CKOTOff model;
        const std::vector<double> before = RealValues(model);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(index, -1, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        EXPECT_EQ(RealValues(model), before);
        EXPECT_EQ(model.m_pattern, PatternLog29);
    }
}

// Opened over a link, the beamwidth is the link's: it can be neither set nor derived here.
TEST(KOTOff, LinkInstanceKeepsTheLinksBeamwidth)
{
    CKOTOff model(Degrees(10), Degrees(5));
    EXPECT_EQ(model.IsStandAlone(), 0);
    EXPECT_EQ(model.m_peakGain, 30.0);
    EXPECT_EQ(model.m_pattern, PatternLog29);
    EXPECT_EQ(model.GetCalcVar(), CKOTOff::VarRelativeGain);
    ExpectPrinted(model.m_relativeGain, -26, 12);

    EXPECT_EQ(model.SetCalcVar(CKOTOff::VarBeamwidth), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTOff::VarRelativeGain);
    ErrorSink refused;
    EXPECT_EQ(model.SetRealVar(CKOTOff::VarBeamwidth, Degrees(2), refused), 0);
    EXPECT_EQ(refused.Code, ErrorVariableFixed);
    ErrorSink typed;
    EXPECT_EQ(model.SetValueFromText(CKOTOff::VarBeamwidth, "2", typed), 0);
    EXPECT_EQ(typed.Code, ErrorVariableFixed);

    ErrorSink sink;
    EXPECT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(2), sink), 1);
    EXPECT_EQ(model.SetRealVar(CKOTOff::VarPeakGain, 40, sink), 1);
    EXPECT_EQ(model.SetIntVar(CKOTOff::VarPattern, PatternLog32, sink), 1);
    ASSERT_EQ(model.SetCalcVar(CKOTOff::VarOffAxisAngle), 1);
    EXPECT_EQ(model.SetRealVar(CKOTOff::VarRelativeGain, -20, sink), 1);
    EXPECT_EQ(model.m_beamwidth, Degrees(5));
}

// The launcher hands over the beamwidth and peak gain of the other antenna tools; the relative
// gain always follows at the angle the user set, even when the angle is what is calculated.
TEST(KOTOff, BeamwidthAndGainFromTheCouplingRecomputeTheRelativeGain)
{
    for (int calc : std::initializer_list<int>{CKOTOff::VarOffAxisAngle, CKOTOff::VarRelativeGain, CKOTOff::VarBeamwidth}) {
        SCOPED_TRACE(calc);
        CKOTOff model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(1), sink), 1);
        ASSERT_EQ(model.SetCalcVar(calc), 1);
        model.SetBeamwidthAndGain(Degrees(0.874417), 46.46157);
        EXPECT_EQ(model.m_beamwidth, Degrees(0.874417));
        EXPECT_EQ(model.m_peakGain, 46.46157);
        EXPECT_EQ(model.m_offAxisAngle, Degrees(1));
        ExpectPrinted(model.m_relativeGain, -16.02134, 7);
        EXPECT_EQ(model.GetCalcVar(), calc);
    }
}

} // namespace
