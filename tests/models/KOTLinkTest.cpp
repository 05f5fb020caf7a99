#include "formulas/Antenna.h"
#include "formulas/Propagation.h"
#include "framework/Units.h"
#include "models/KOTLink.h"
#include "resources/Resource.h"
#include "tests/models/BudgetChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The chain from the transmit power to C/N, computed here from what the link holds.
void ExpectChainHolds(const CKOTLink& link)
{
    const double eirp = link.m_txPower + link.m_txPeakGain + link.m_txRelativeGain;
    const double rxPower = eirp - link.m_pathLoss - link.m_otherLosses + link.m_rxPeakGain + link.m_rxRelativeGain;
    EXPECT_NEAR(link.m_eirp, eirp, 1e-9);
    EXPECT_NEAR(link.m_rxPower, rxPower, 1e-9);
    EXPECT_NEAR(link.m_cn, rxPower - link.m_noise, 1e-9);
}

// Both antennas as their dish, the frequency, their efficiency and off-axis angle make them.
void ExpectAntennasFollowTheirDishes(const CKOTLink& link)
{
    EXPECT_NEAR(link.m_wavelength, WavelengthFromFrequency(link.m_frequency), 1e-15);
    for (auto [peak, dish, efficiency, beamwidth, relative, angle, pattern] :
         {std::tuple(link.m_txPeakGain, link.m_txDishSize, link.m_txEfficiency, link.m_txBeamwidth,
                     link.m_txRelativeGain, link.m_txOffAxisAngle, link.m_txPattern),
          std::tuple(link.m_rxPeakGain, link.m_rxDishSize, link.m_rxEfficiency, link.m_rxBeamwidth,
                     link.m_rxRelativeGain, link.m_rxOffAxisAngle, link.m_rxPattern)}) {
        EXPECT_NEAR(peak, PeakGain(dish, link.m_frequency, efficiency), 1e-9);
        EXPECT_NEAR(beamwidth, BeamwidthFromGain(peak, efficiency), 1e-12);
        // An angle found by a search gives the relative gain back within the search's tolerance.
        EXPECT_NEAR(relative, RelativeGain(peak, beamwidth, angle, pattern), 1e-4);
    }
}

// The dialog shows the headline quantities; these are the ones only the tools show, and the
// names and units the warnings and the other tools rely on.
TEST(KOTLink, NewLink)
{
    const CKOTLink link;
    EXPECT_EQ(ValueText(link, 0), "Link Tool");
    EXPECT_EQ(link.GetVarCount(), CKOTLink::VarTotal);
    EXPECT_EQ(link.GetCalcVar(), -1);
    EXPECT_EQ(link.m_wantedSignal, 1);
    ExpectVariables(link, {
        {CKOTLink::VarWavelength, "Wavelength", VarKindReal, UnitKm, UnitM, "0.025"},
        {CKOTLink::VarTxDishSize, "Transmit Dish Size", VarKindReal, UnitKm, UnitM, "1.0"},
        {CKOTLink::VarTxBeamwidth, "Transmit Theta 3dB", VarKindReal, UnitRad, UnitDeg, "1.7488"},
        {CKOTLink::VarRxPattern, "Receive Gain Pattern", VarKindInt, UnitNone, UnitNone, "29 - 25log(phi)"},
        {CKOTLink::VarPathLength, "Free space path length", VarKindReal, UnitKm, UnitKm, "35786.05"},
        {CKOTLink::VarTemperature, "Receiver Temperature", VarKindReal, UnitK, UnitK, "300.0"},
        {CKOTLink::VarBandwidth, "Receiver Bandwidth", VarKindReal, UnitHz, UnitHz, "1.0000e+06"},
        // A ratio of two powers: plain dB, not the dB/Hz of a C/N0.
        {CKOTLink::VarCn, "C/N", VarKindReal, UnitDb, UnitDb, "17.6053"},
    });
    ExpectPrinted(link.m_wavelength, 2.4983e-5, 5);
    ExpectPrinted(link.m_rxBeamwidth, 0.030523, 5);
    ExpectChainHolds(link);
    ExpectAntennasFollowTheirDishes(link);
}

// Entering a quantity at the far end of the chain moves the transmit power and nothing else
// before it, so that the forward chain gives back exactly what was entered.
TEST(KOTLink, TheTransmitPowerGivesWayToEachEndOfTheChain)
{
    const struct {
        int index;
        double value;
        double CKOTLink::*member;
    } rows[] = {
        {CKOTLink::VarCn, 20.0, &CKOTLink::m_cn},
        {CKOTLink::VarRxPower, -110.0, &CKOTLink::m_rxPower},
        {CKOTLink::VarEirp, 50.0, &CKOTLink::m_eirp},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        // Every term of the chain away from its default, so that a sign or a missing term shows.
        CKOTLink link;
        Set(link, {{CKOTLink::VarTxOffAxisAngle, 1 * Degree}, {CKOTLink::VarRxRelativeGain, -3.0},
                   {CKOTLink::VarOtherLosses, 5.0}, {CKOTLink::VarTemperature, 150.0}});
        CKOTLink expected = link;
        Set(link, {{row.index, row.value}});
        EXPECT_NEAR(link.*row.member, row.value, 1e-9);
        expected.m_txPower = link.m_txPower;
        expected.Recalculate();
        ExpectSameHolds(link, expected);
    }
}

// What each write brings into line besides the chain.
TEST(KOTLink, EachWriteRunsItsOwnStep)
{
    const struct {
        const char* label;
        int index;
        double value;
        double CKOTLink::*member;
        double expected;
        int digits;
    } rows[] = {
        {"frequency: both antennas", CKOTLink::VarFrequency, 14e9, &CKOTLink::m_rxPeakGain, 41.7799, 6},
        {"frequency: the path loss", CKOTLink::VarFrequency, 14e9, &CKOTLink::m_pathLoss, 206.4444, 7},
        {"wavelength: the frequency", CKOTLink::VarWavelength, 3e-5, &CKOTLink::m_frequency, 9.99333e9, 6},
        {"wavelength: the path loss", CKOTLink::VarWavelength, 3e-5, &CKOTLink::m_pathLoss, 203.51605, 8},
        {"dish size: peak gain", CKOTLink::VarTxDishSize, 0.002, &CKOTLink::m_txPeakGain, 46.462, 5},
        {"efficiency: peak gain", CKOTLink::VarRxEfficiency, 0.35, &CKOTLink::m_rxPeakGain, 37.431, 5},
        {"peak gain: dish size", CKOTLink::VarTxPeakGain, 46.462, &CKOTLink::m_txDishSize, 0.002, 5},
        {"off-axis angle: relative gain", CKOTLink::VarTxOffAxisAngle, 2 * Degree, &CKOTLink::m_txRelativeGain,
         -16.0214, 6},
        {"relative gain: off-axis angle", CKOTLink::VarRxRelativeGain, -16.0214, &CKOTLink::m_rxOffAxisAngle,
         2 * Degree, 6},
        {"path length: path loss", CKOTLink::VarPathLength, 1000.0, &CKOTLink::m_pathLoss, 174.03119, 8},
        // The loss of the default length gives that length back.
        {"path loss: path length", CKOTLink::VarPathLoss, 205.10546463849903, &CKOTLink::m_pathLength, 35786.05, 8},
        {"bandwidth: noise", CKOTLink::VarBandwidth, 3.6e7, &CKOTLink::m_noise, -128.266, 6},
        {"bandwidth: C/N", CKOTLink::VarBandwidth, 3.6e7, &CKOTLink::m_cn, 17.605 - 15.563, 4},
        {"temperature: noise", CKOTLink::VarTemperature, 600.0, &CKOTLink::m_noise, -140.8185, 7},
        {"noise: temperature", CKOTLink::VarNoise, -140.8185, &CKOTLink::m_temperature, 600.0, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTLink link;
        Set(link, {{row.index, row.value}});
        ExpectPrinted(link.*row.member, row.expected, row.digits);
        ExpectChainHolds(link);
        ExpectAntennasFollowTheirDishes(link);
    }
}

TEST(KOTLink, LimitsAreInclusive)
{
    const struct {
        int index;
        double value;
        const char* refusal;
    } rows[] = {
        {CKOTLink::VarFrequency, 3e15, nullptr},
        {CKOTLink::VarFrequency, 0.00009,
         "Variable 'Frequency' has been set to 9.0000e-14 GHz which is below the limit of 1.0000e-13 GHz"},
        {CKOTLink::VarTxEfficiency, 1.0, nullptr},
        {CKOTLink::VarRxOffAxisAngle, Pi, nullptr},
        {CKOTLink::VarTxOffAxisAngle, 181 * Degree,
         "Variable 'Transmit Offaxis Angle' has been set to 181.0 deg which is above the limit of 180.0 deg"},
        {CKOTLink::VarNoise, -138.5,
         "Variable 'Receiver Noise' has been set to -138.5 dBW which is above the limit of -138.6 dBW"},
        // Powers, losses and ratios that only enter sums take anything a budget could need,
        // and stop short of what could add up past the largest double.
        {CKOTLink::VarTxPower, 1e300, nullptr},
        {CKOTLink::VarOtherLosses, -5000.0, nullptr},
        {CKOTLink::VarOtherLosses, -1e300, nullptr},
        {CKOTLink::VarTxPower, 1e308,
         "Variable 'Transmit Power' has been set to 1.0000e+308 dBW which is above the limit of 1.0000e+300 dBW"},
        {CKOTLink::VarOtherLosses, -1.1e300,
         "Variable 'Other losses' has been set to -1.1000e+300 dB which is below the limit of -1.0000e+300 dB"},
        {CKOTLink::VarEirp, 2e300,
         "Variable 'Transmit EIRP' has been set to 2.0000e+300 dBW which is above the limit of 1.0000e+300 dBW"},
        {CKOTLink::VarRxPower, -1e301,
         "Variable 'Receive Power' has been set to -1.0000e+301 dBW which is below the limit of -1.0000e+300 dBW"},
        {CKOTLink::VarCn, 1e301, "Variable 'C/N' has been set to 1.0000e+301 dB which is above the limit of 1.0000e+300 dB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal ? row.refusal : std::to_string(row.value));
        CKOTLink link;
        ExpectLimit(link, row.index, row.value, row.refusal);
    }
}

// The terms that only enter sums at their bounds, solved back to the transmit power and carried
// forward again against the other bound: the largest sums the chain can make stay finite.
TEST(KOTLink, SumsOfTermsAtTheirBoundsStayFinite)
{
    const struct {
        const char* label;
        int target;
    } rows[] = {
        {"C/N", CKOTLink::VarCn},
        {"receive power", CKOTLink::VarRxPower},
        {"EIRP", CKOTLink::VarEirp},
        {"transmit power", CKOTLink::VarTxPower},
    };
    for (const auto& row : rows) {
        for (const double sign : {1.0, -1.0}) {
            SCOPED_TRACE(::testing::Message() << row.label << ", sign " << sign);
            CKOTLink link;
            Set(link, {{CKOTLink::VarOtherLosses, sign * 1e300}, {row.target, sign * 1e300}});
            Set(link, {{CKOTLink::VarOtherLosses, -sign * 1e300}});
            for (double value : RealValues(link))
                EXPECT_TRUE(std::isfinite(value)) << value;
            ExpectChainHolds(link);
        }
    }
    // The worst of them: C/N at its bound over the highest losses, then the losses turned round.
    CKOTLink link;
    Set(link, {{CKOTLink::VarOtherLosses, 1e300}, {CKOTLink::VarCn, 1e300}, {CKOTLink::VarOtherLosses, -1e300}});
    EXPECT_GT(link.m_cn, 2.9e300);
}

// The beamwidths are outputs only, a pattern is set as an integer, and a pattern outside the
// list is refused as an enumeration is.
TEST(KOTLink, RefusalsChangeNothing)
{
    const struct {
        int index;
        bool integer;
        int code;
    } rows[] = {
        {0, false, ErrorVariableFixed},
        {CKOTLink::VarTxBeamwidth, false, ErrorVariableFixed},
        {CKOTLink::VarRxBeamwidth, false, ErrorVariableFixed},
        {CKOTLink::VarTxPattern, false, ErrorVariableFixed},
        {CKOTLink::VarRxPattern, false, ErrorVariableFixed},
        {CKOTLink::VarTotal, false, ErrorVariableFixed},
        {CKOTLink::VarTxPeakGain, true, ErrorVariableFixed},
        {CKOTLink::VarRxPattern, true, ErrorInputRange},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        CKOTLink link;
        const CKOTLink before = link;
        ErrorSink sink;
        EXPECT_EQ(row.integer ? link.SetIntVar(row.index, 3, sink) : link.SetRealVar(row.index, 1.0, sink), 0);
        EXPECT_EQ(sink.Code, row.code);
        ExpectSameHolds(link, before);
    }
}

// A new pattern moves nothing by itself; the next write of the angle or of the relative gain
// brings the other into line with it.
TEST(KOTLink, APatternTakesEffectAtTheNextWriteOfItsSide)
{
    CKOTLink link;
    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    const CKOTLink before = link;
    ErrorSink sink;
    ASSERT_EQ(link.SetIntVar(CKOTLink::VarTxPattern, PatternLog32, sink), 1);
    EXPECT_EQ(RealValues(link), RealValues(before));

    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    EXPECT_NEAR(link.m_txRelativeGain, Pattern32(2 * Degree, link.m_txBeamwidth, link.m_txPeakGain), 1e-12);
    EXPECT_NE(link.m_txRelativeGain, before.m_txRelativeGain);

    ASSERT_EQ(link.SetIntVar(CKOTLink::VarRxPattern, PatternParabolic, sink), 1);
    Set(link, {{CKOTLink::VarRxRelativeGain, -3.0}});
    // Parabolic: -12 (phi / theta)^2 = -3 dB at half the beamwidth.
    EXPECT_NEAR(link.m_rxOffAxisAngle, link.m_rxBeamwidth / 2, 1e-6);
}

// --- The tools a link opens over its own values ---

const BudgetTool<CKOTLink> Tools[] = {
    {"frequency", IDD_TOOL_FREQ, &CKOTLink::RunFrequencyTool},
    {"path", IDD_TOOL_PATH, &CKOTLink::RunPathTool},
    {"transmit gain", IDD_TOOL_GAIN, &CKOTLink::RunTxGainTool},
    {"transmit off-axis", IDD_TOOL_OFFAXIS, &CKOTLink::RunTxOffaxisTool},
    {"receive gain", IDD_TOOL_GAIN, &CKOTLink::RunRxGainTool},
    {"receive off-axis", IDD_TOOL_OFFAXIS, &CKOTLink::RunRxOffaxisTool},
    {"noise", IDD_TOOL_TEMP, &CKOTLink::RunNoiseTool},
};
const BudgetTool<CKOTLink>& PathTool = Tools[1];
const BudgetTool<CKOTLink>& TxGainTool = Tools[2];
const BudgetTool<CKOTLink>& TxOffaxisTool = Tools[3];
const BudgetTool<CKOTLink>& RxOffaxisTool = Tools[5];

// Looking at a quantity in its tool changes nothing, even where an inverse step has run: a
// relative gain entered and its angle searched for, a path loss entered and its length derived,
// a pattern changed after the angle.
TEST(KOTLink, AToolClosedWithoutAChangeGivesNothingBack)
{
    CKOTLink worked;
    Set(worked, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}, {CKOTLink::VarRxRelativeGain, -10.0},
                 {CKOTLink::VarPathLoss, 200.0}, {CKOTLink::VarTxPeakGain, 45.0}, {CKOTLink::VarBandwidth, 3.6e7},
                 {CKOTLink::VarCn, 20.0}});
    ErrorSink sink;
    ASSERT_EQ(worked.SetIntVar(CKOTLink::VarRxPattern, PatternLog32, sink), 1);
    ASSERT_EQ(worked.SetDisplayUnit(CKOTLink::VarWavelength, UnitCm), 1);
    ExpectUnchangedToolsGiveNothingBack<CKOTLink>(worked, Tools);
}

TEST(KOTLink, TheOffaxisToolOpensOnTheLinksOwnAntenna)
{
    CKOTLink link;
    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    const CKOTLink before = link;
    for (int reopen = 0; reopen < 2; ++reopen) {
        RunBudgetTool(link, TxOffaxisTool, [](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "2.0");
            EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-16.0214");
            EXPECT_EQ(d.Text(IDC_OFF_GAIN), "40.441");
            EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "1.7488");
            EXPECT_EQ(d.Selection(IDC_OFF_PATTERN), PatternLog29);
        });
        ExpectSameHolds(link, before);
    }
}

// What the user applied in a tool comes back, and the link follows it.
TEST(KOTLink, WhatIsAppliedInAToolComesBack)
{
    const struct {
        const char* label;
        const BudgetTool<CKOTLink>& tool;
        DialogScript script;
        std::function<void(const CKOTLink&)> expect;
    } rows[] = {
        // The length is derived again from the loss, and is the length typed.
        {"a path of 1000 km", PathTool,
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_PATH_DISTANCE, "1000");
             d.Click(IDC_PATH_CALC_LOSS);
         },
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_pathLoss, 174.03119, 8);
             ExpectPrinted(l.m_pathLength, 1000.0, 8);
         }},
        // The angle is searched for again from the relative gain.
        {"a transmit off-axis angle", TxOffaxisTool,
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_OFF_ANGLE, "2");
             d.Click(IDC_OFF_CALC_RELATIVE);
         },
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_txRelativeGain, -16.0214, 6);
             EXPECT_NEAR(l.m_txOffAxisAngle, 2 * Degree, 1e-6);
         }},
        {"a receive pattern", RxOffaxisTool,
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_OFF_ANGLE, "1");
             d.Click(IDC_OFF_CALC_RELATIVE);
             d.Choose(IDC_OFF_PATTERN, PatternParabolic);
         },
         [](const CKOTLink& l) {
             EXPECT_EQ(l.m_rxPattern, PatternParabolic);
             EXPECT_NEAR(l.m_rxRelativeGain, ParabolicPattern(1 * Degree, l.m_rxBeamwidth), 1e-12);
             EXPECT_NEAR(l.m_rxOffAxisAngle, 1 * Degree, 1e-6);
             EXPECT_EQ(l.m_txPattern, PatternLog29);
         }},
        // The link's frequency is locked in the tool: its Calculate does nothing at all.
        {"the gain tool's locked frequency", TxGainTool,
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_GAIN_DISH, "2");
             d.Click(IDC_GAIN_CALC_FREQUENCY);
         },
         [](const CKOTLink& l) { ExpectSameHolds(l, CKOTLink()); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTLink link;
        RunBudgetTool(link, row.tool, [&](ScriptedDialog& d) {
            row.script(d);
            d.Click(IDCANCEL);
        });
        row.expect(link);
        ExpectChainHolds(link);
    }
}

// The frequency tool has no upper limit. A frequency typed there far past any band comes back
// into the link, whose dishes and path then have gains and losses of thousands of dB, and not
// infinite ones.
TEST(KOTLink, AFrequencyFarPastAnyBandComesBackFinite)
{
    CKOTLink link;
    RunBudgetTool(link, Tools[0], [](ScriptedDialog& d) {
        d.Click(IDC_FREQ_HZ);
        d.TypeInto(IDC_FREQ_FREQUENCY, "1e305");
        d.Click(IDC_FREQ_TO_WAVELENGTH);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(link.m_frequency, 1e305);
    ExpectPrinted(link.m_txPeakGain, 5938.8573, 8);
    ExpectPrinted(link.m_rxPeakGain, 5938.8573, 8);
    ExpectPrinted(link.m_pathLoss, 6103.5218, 8);
    for (double value : RealValues(link))
        EXPECT_TRUE(std::isfinite(value)) << value;
    ExpectChainHolds(link);
}

// A wavelength typed in the frequency tool has no upper limit either, and comes back as a
// frequency next to zero. A path loss or a peak gain then asks for a path and dishes further
// than any double: the link holds the largest one instead of an infinite one.
TEST(KOTLink, AFrequencyNextToZeroComesBackFinite)
{
    CKOTLink link;
    RunBudgetTool(link, Tools[0], [](ScriptedDialog& d) {
        d.Click(IDC_FREQ_KM);
        d.TypeInto(IDC_FREQ_WAVELENGTH, "1e305");
        d.Click(IDC_FREQ_TO_FREQUENCY);
        d.Click(IDCANCEL);
    });
    ExpectPrinted(link.m_frequency, 2.998e-300, 4);
    Set(link, {{CKOTLink::VarPathLoss, 500.0}, {CKOTLink::VarRxPeakGain, 100.0}});
    EXPECT_EQ(link.m_pathLength, std::numeric_limits<double>::max());
    EXPECT_EQ(link.m_rxDishSize, std::numeric_limits<double>::max());
    for (double value : RealValues(link))
        EXPECT_TRUE(std::isfinite(value)) << value;
    ExpectChainHolds(link);
}

} // namespace
