#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "formulas/Noise.h"
#include "formulas/Propagation.h"
#include "framework/Units.h"
#include "models/KOTLink.h"
#include "resources/Resource.h"
#include "tests/models/BudgetChecks.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The chain from the transmit power to C/N, computed here from what the link holds: after any
// accepted write the link's own EIRP, receive power and C/N must agree with it.
void ExpectChainHolds(const CKOTLink& link)
{
    const double eirp = link.m_txPower + link.m_txPeakGain + link.m_txRelativeGain;
    const double rxPower =
        eirp - link.m_pathLoss - link.m_otherLosses + link.m_rxPeakGain + link.m_rxRelativeGain;
    EXPECT_NEAR(link.m_eirp, eirp, 1e-9);
    EXPECT_NEAR(link.m_rxPower, rxPower, 1e-9);
    EXPECT_NEAR(link.m_cn, rxPower - link.m_noise, 1e-9);
}

// Both antennas as their dish, frequency, efficiency and off-axis angle give them.
void ExpectAntennasFollowTheirDishes(const CKOTLink& link)
{
    EXPECT_NEAR(link.m_wavelength, WavelengthFromFrequency(link.m_frequency), 1e-15);
    EXPECT_NEAR(link.m_txPeakGain, PeakGain(link.m_txDishSize, link.m_frequency, link.m_txEfficiency), 1e-9);
    EXPECT_NEAR(link.m_rxPeakGain, PeakGain(link.m_rxDishSize, link.m_frequency, link.m_rxEfficiency), 1e-9);
    EXPECT_NEAR(link.m_txBeamwidth, BeamwidthFromGain(link.m_txPeakGain, link.m_txEfficiency), 1e-12);
    EXPECT_NEAR(link.m_rxBeamwidth, BeamwidthFromGain(link.m_rxPeakGain, link.m_rxEfficiency), 1e-12);
    EXPECT_NEAR(link.m_txRelativeGain,
                RelativeGain(link.m_txPeakGain, link.m_txBeamwidth, link.m_txOffAxisAngle, link.m_txPattern), 1e-4);
    EXPECT_NEAR(link.m_rxRelativeGain,
                RelativeGain(link.m_rxPeakGain, link.m_rxBeamwidth, link.m_rxOffAxisAngle, link.m_rxPattern), 1e-4);
}

TEST(KOTLink, NewLink)
{
    const CKOTLink link;
    EXPECT_EQ(ValueText(link, 0), "Link Tool");
    EXPECT_EQ(link.GetVarCount(), CKOTLink::VarTotal);
    EXPECT_EQ(link.GetCalcVar(), -1);
    EXPECT_EQ(link.m_wantedSignal, 1);
    ExpectVariables(link, {
        {CKOTLink::VarFrequency, "Frequency", VarKindReal, UnitHz, UnitGHz, "12.0"},
        {CKOTLink::VarWavelength, "Wavelength", VarKindReal, UnitKm, UnitM, "0.025"},
        {CKOTLink::VarTxPower, "Transmit Power", VarKindReal, UnitDbw, UnitDbw, "0.0"},
        {CKOTLink::VarTxPeakGain, "Transmit Peak Gain", VarKindReal, UnitDbi, UnitDbi, "40.441"},
        {CKOTLink::VarTxRelativeGain, "Transmit Relative Gain", VarKindReal, UnitDb, UnitDb, "0.0"},
        {CKOTLink::VarTxDishSize, "Transmit Dish Size", VarKindReal, UnitKm, UnitM, "1.0"},
        {CKOTLink::VarTxEfficiency, "Transmit Efficiency", VarKindReal, UnitNone, UnitNone, "0.7"},
        {CKOTLink::VarTxBeamwidth, "Transmit Theta 3dB", VarKindReal, UnitRad, UnitDeg, "1.7488"},
        {CKOTLink::VarTxOffAxisAngle, "Transmit Offaxis Angle", VarKindReal, UnitRad, UnitDeg, "0.0"},
        {CKOTLink::VarTxPattern, "Transmit Gain Pattern", VarKindInt, UnitNone, UnitNone, "29 - 25log(phi)"},
        {CKOTLink::VarEirp, "Transmit EIRP", VarKindReal, UnitDbw, UnitDbw, "40.441"},
        {CKOTLink::VarPathLength, "Free space path length", VarKindReal, UnitKm, UnitKm, "35786.05"},
        {CKOTLink::VarPathLoss, "Free space path losses", VarKindReal, UnitDb, UnitDb, "205.1055"},
        {CKOTLink::VarOtherLosses, "Other losses", VarKindReal, UnitDb, UnitDb, "2.0"},
        {CKOTLink::VarRxPeakGain, "Receive Peak Gain", VarKindReal, UnitDbi, UnitDbi, "40.441"},
        {CKOTLink::VarRxRelativeGain, "Receive Relative Gain", VarKindReal, UnitDb, UnitDb, "0.0"},
        {CKOTLink::VarRxDishSize, "Receive Dish Size", VarKindReal, UnitKm, UnitM, "1.0"},
        {CKOTLink::VarRxEfficiency, "Receive Efficiency", VarKindReal, UnitNone, UnitNone, "0.7"},
        {CKOTLink::VarRxBeamwidth, "Receive Theta 3dB", VarKindReal, UnitRad, UnitDeg, "1.7488"},
        {CKOTLink::VarRxOffAxisAngle, "Receive Offaxis Angle", VarKindReal, UnitRad, UnitDeg, "0.0"},
        {CKOTLink::VarRxPattern, "Receive Gain Pattern", VarKindInt, UnitNone, UnitNone, "29 - 25log(phi)"},
        {CKOTLink::VarRxPower, "Receive Power", VarKindReal, UnitDbw, UnitDbw, "-126.2235"},
        {CKOTLink::VarNoise, "Receiver Noise", VarKindReal, UnitDbw, UnitDbw, "-143.8288"},
        {CKOTLink::VarTemperature, "Receiver Temperature", VarKindReal, UnitK, UnitK, "300.0"},
        {CKOTLink::VarBandwidth, "Receiver Bandwidth", VarKindReal, UnitHz, UnitHz, "1.0000e+06"},
        // A plain ratio, whatever its unit label says.
        {CKOTLink::VarCn, "C/N", VarKindReal, UnitDbPerHz, UnitDbPerHz, "17.6053"},
    });
    std::string name;
    link.GetVarName(CKOTLink::VarTotal, name);
    EXPECT_EQ(name, "Unknown variable");

    ExpectPrinted(link.m_wavelength, 2.4983e-5, 5);
    ExpectPrinted(link.m_txBeamwidth, 0.030523, 5);
    ExpectPrinted(link.m_rxPower, -126.224, 6);
    ExpectChainHolds(link);
    ExpectAntennasFollowTheirDishes(link);
}

TEST(KOTLink, PatternsAreTheReferencePatterns)
{
    const CKOTLink link;
    for (int index : {int(CKOTLink::VarTxPattern), int(CKOTLink::VarRxPattern)}) {
        SCOPED_TRACE(index);
        ASSERT_EQ(link.GetEnumCount(index), PatternCodeCount);
        for (int choice = 0; choice < PatternCodeCount; ++choice)
            EXPECT_STREQ(link.GetEnumText(index, choice), PatternName(choice));
        int pattern = -1;
        EXPECT_EQ(link.GetIntVar(index, pattern), 1);
        EXPECT_EQ(pattern, PatternLog29);
    }
    EXPECT_EQ(link.GetEnumCount(CKOTLink::VarTxPeakGain), 0);
    EXPECT_EQ(link.GetEnumText(CKOTLink::VarTxPeakGain, 0), nullptr);
    int out = -1;
    EXPECT_EQ(link.GetIntVar(CKOTLink::VarTxPeakGain, out), 0);
}

// Entering a quantity at the far end of the chain moves only the transmit power (and the chain
// behind it): the forward budget then gives back exactly what was entered.
TEST(KOTLink, TheTransmitPowerGivesWayToEachEndOfTheChain)
{
    const struct {
        const char* label;
        int index;
        double value;
        double CKOTLink::*member;
    } rows[] = {
        {"C/N", CKOTLink::VarCn, 20.0, &CKOTLink::m_cn},
        {"receive power", CKOTLink::VarRxPower, -110.0, &CKOTLink::m_rxPower},
        {"EIRP", CKOTLink::VarEirp, 50.0, &CKOTLink::m_eirp},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        // Every term of the chain away from its default, so that a sign or a missing term shows.
        CKOTLink link;
        Set(link, {{CKOTLink::VarTxOffAxisAngle, 1 * Degree}, {CKOTLink::VarRxRelativeGain, -3.0},
                   {CKOTLink::VarOtherLosses, 5.0}, {CKOTLink::VarTemperature, 150.0}});
        CKOTLink expected = link;
        ErrorSink sink;
        ASSERT_EQ(link.SetRealVar(row.index, row.value, sink), 1);

        EXPECT_NEAR(link.*row.member, row.value, 1e-9);
        ExpectChainHolds(link);
        // Nothing but the transmit power and the chain behind it moved.
        expected.m_txPower = link.m_txPower;
        expected.Recalculate();
        EXPECT_EQ(RealValues(link), RealValues(expected));
    }
}

TEST(KOTLink, CnOfTwentyFromTheDefaults)
{
    CKOTLink link;
    Set(link, {{CKOTLink::VarCn, 20.0}});
    ExpectPrinted(link.m_rxPower, -123.829, 6);
    ExpectPrinted(link.m_eirp, 42.836, 5);
    ExpectPrinted(link.m_txPower, 2.395, 4);
}

// What each write brings into line besides the chain.
TEST(KOTLink, EachWriteRunsItsOwnStep)
{
    const struct {
        const char* label;
        int index;
        double value;
        std::function<void(const CKOTLink&)> expect;
    } rows[] = {
        {"frequency: wavelength, both antennas and the path loss", CKOTLink::VarFrequency, 14e9,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_txPeakGain, 41.780, 5);
             ExpectPrinted(l.m_pathLoss, 206.4444, 7);
         }},
        {"wavelength: the frequency, then as the frequency", CKOTLink::VarWavelength, 3e-5,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_frequency, 9.99333e9, 6);
             EXPECT_NEAR(l.m_wavelength, 3e-5, 1e-15);
             EXPECT_NEAR(l.m_pathLoss, FreeSpaceLoss(35786.05, l.m_frequency), 1e-9);
         }},
        {"transmit dish size: its peak gain", CKOTLink::VarTxDishSize, 0.002,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_txPeakGain, 46.462, 5);
             ExpectPrinted(l.m_rxPeakGain, 40.441, 5);
         }},
        {"receive efficiency: its peak gain", CKOTLink::VarRxEfficiency, 0.35,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_rxPeakGain, 37.431, 5);
             ExpectPrinted(l.m_txPeakGain, 40.441, 5);
         }},
        {"transmit peak gain: its dish size", CKOTLink::VarTxPeakGain, 46.462,
         [](const CKOTLink& l) { ExpectPrinted(l.m_txDishSize, 0.002, 5); }},
        {"receive peak gain: its dish size", CKOTLink::VarRxPeakGain, 37.431,
         [](const CKOTLink& l) { ExpectPrinted(l.m_rxDishSize, 0.000707, 3); }},
        {"transmit off-axis angle: its relative gain", CKOTLink::VarTxOffAxisAngle, 2 * Degree,
         [](const CKOTLink& l) { ExpectPrinted(l.m_txRelativeGain, -16.0214, 6); }},
        {"receive relative gain: its off-axis angle", CKOTLink::VarRxRelativeGain, -16.0214,
         [](const CKOTLink& l) {
             EXPECT_NEAR(l.m_rxOffAxisAngle, 2 * Degree, 1e-6);
             EXPECT_EQ(l.m_rxRelativeGain, -16.0214);
         }},
        {"path length: the path loss", CKOTLink::VarPathLength, 1000.0,
         [](const CKOTLink& l) { ExpectPrinted(l.m_pathLoss, 174.03119, 8); }},
        // The inverse takes a flat 22 dB where the loss takes 20log(4pi): not the default length.
        {"path loss: the path length", CKOTLink::VarPathLoss, 205.10546,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_pathLength, 35720.98142, 8);
             EXPECT_EQ(l.m_pathLoss, 205.10546);
         }},
        {"bandwidth: the noise", CKOTLink::VarBandwidth, 3.6e7,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_noise, -128.266, 6);
             ExpectPrinted(l.m_cn, 17.605 - 15.563, 4);
         }},
        {"temperature: the noise", CKOTLink::VarTemperature, 600.0,
         [](const CKOTLink& l) { ExpectPrinted(l.m_noise, -140.8185, 7); }},
        {"noise: the temperature", CKOTLink::VarNoise, -140.8185,
         [](const CKOTLink& l) {
             ExpectPrinted(l.m_temperature, 600.0, 5);
             EXPECT_EQ(l.m_bandwidth, 1e6);
         }},
        {"transmit power: nothing but the chain", CKOTLink::VarTxPower, 10.0,
         [](const CKOTLink& l) { ExpectPrinted(l.m_cn, 27.6053, 6); }},
        {"other losses: nothing but the chain", CKOTLink::VarOtherLosses, 0.0,
         [](const CKOTLink& l) { ExpectPrinted(l.m_cn, 19.6053, 6); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTLink link;
        ErrorSink sink;
        ASSERT_EQ(link.SetRealVar(row.index, row.value, sink), 1);
        row.expect(link);
        ExpectChainHolds(link);
        ExpectAntennasFollowTheirDishes(link);
    }
}

TEST(KOTLink, LimitsAreInclusiveAndNoneMeansNone)
{
    const struct {
        int index;
        double value;
        const char* refusal;
    } rows[] = {
        {CKOTLink::VarFrequency, 3e15, nullptr},
        {CKOTLink::VarFrequency, 0.0001, nullptr},
        {CKOTLink::VarFrequency, 0.00009,
         "Variable 'Frequency' has been set to 9.0000e-14 which is below the limit of 1.0000e-13"},
        {CKOTLink::VarTxEfficiency, 1.0, nullptr},
        {CKOTLink::VarRxEfficiency, 0.001, nullptr},
        {CKOTLink::VarRxEfficiency, 1.01, "Variable 'Receive Efficiency' has been set to 1.01 which is above the limit of 1.0"},
        {CKOTLink::VarTxOffAxisAngle, 0.0, nullptr},
        {CKOTLink::VarRxOffAxisAngle, Pi, nullptr},
        {CKOTLink::VarTxOffAxisAngle, 181 * Degree,
         "Variable 'Transmit Offaxis Angle' has been set to 181.0 which is above the limit of 180.0"},
        {CKOTLink::VarTxDishSize, 0.0000005,
         "Variable 'Transmit Dish Size' has been set to 0.0005 which is below the limit of 0.001"},
        {CKOTLink::VarPathLength, 0.0009,
         "Variable 'Free space path length' has been set to 0.0009 which is below the limit of 0.001"},
        {CKOTLink::VarPathLoss, 500.5,
         "Variable 'Free space path losses' has been set to 500.5 which is above the limit of 500.0"},
        {CKOTLink::VarNoise, -138.5,
         "Variable 'Receiver Noise' has been set to -138.5 which is above the limit of -138.6"},
        {CKOTLink::VarBandwidth, 2e9,
         "Variable 'Receiver Bandwidth' has been set to 2.0000e+09 which is above the limit of 1.0000e+09"},
        {CKOTLink::VarRxPeakGain, -301.0,
         "Variable 'Receive Peak Gain' has been set to -301.0 which is below the limit of -300.0"},
        // Powers and losses that only enter sums take any value.
        {CKOTLink::VarTxPower, -1e300, nullptr},
        {CKOTLink::VarTxPower, 1e300, nullptr},
        {CKOTLink::VarOtherLosses, -5000.0, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal ? row.refusal : std::to_string(row.value));
        CKOTLink link;
        ExpectLimit(link, row.index, row.value, row.refusal);
    }
}

TEST(KOTLink, OutputsAndWrongKindsAreRefusedAsFixed)
{
    for (int index : {-1, 0, 1, int(CKOTLink::VarTxBeamwidth), int(CKOTLink::VarRxBeamwidth),
                      int(CKOTLink::VarTxPattern), int(CKOTLink::VarRxPattern), int(CKOTLink::VarTotal)}) {
        SCOPED_TRACE(index);
        CKOTLink link;
        const std::vector<double> before = RealValues(link);
        ErrorSink sink;
        EXPECT_EQ(link.SetRealVar(index, 1.0, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        EXPECT_EQ(sink.Problem, "Variable fixed");
        EXPECT_EQ(RealValues(link), before);
    }
    CKOTLink link;
    ErrorSink sink;
    EXPECT_EQ(link.SetIntVar(CKOTLink::VarTxPeakGain, 1, sink), 0);
    EXPECT_EQ(sink.Code, ErrorVariableFixed);
}

TEST(KOTLink, APatternOutsideTheListIsRefused)
{
    for (int pattern : {-1, 3}) {
        SCOPED_TRACE(pattern);
        CKOTLink link;
        ErrorSink sink;
        EXPECT_EQ(link.SetIntVar(CKOTLink::VarRxPattern, pattern, sink), 0);
        EXPECT_EQ(sink.Code, ErrorInputRange);
        EXPECT_EQ(sink.Problem, "Input range error");
        EXPECT_EQ(link.m_rxPattern, PatternLog29);
    }
}

// A new pattern moves nothing by itself; the next write of the angle or of the relative gain
// brings the other into line with it.
TEST(KOTLink, APatternTakesEffectAtTheNextWriteOfItsSide)
{
    CKOTLink link;
    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    const std::vector<double> before = RealValues(link);
    ErrorSink sink;
    ASSERT_EQ(link.SetIntVar(CKOTLink::VarTxPattern, PatternLog32, sink), 1);
    EXPECT_EQ(link.m_txPattern, PatternLog32);
    EXPECT_EQ(RealValues(link), before);

    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    EXPECT_NEAR(link.m_txRelativeGain, Pattern32(2 * Degree, link.m_txBeamwidth, link.m_txPeakGain), 1e-12);
    EXPECT_NE(link.m_txRelativeGain, before[CKOTLink::VarTxRelativeGain]);

    ASSERT_EQ(link.SetIntVar(CKOTLink::VarRxPattern, PatternParabolic, sink), 1);
    Set(link, {{CKOTLink::VarRxRelativeGain, -3.0}});
    // Parabolic: -12 (phi / theta)^2 = -3 dB at half the beamwidth.
    EXPECT_NEAR(link.m_rxOffAxisAngle, link.m_rxBeamwidth / 2, 1e-6);
    ExpectChainHolds(link);
}

TEST(KOTLink, OnlyFrequencyAndWavelengthHaveAChoiceOfUnit)
{
    CKOTLink link;
    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarFrequency, UnitMHz), 1);
    EXPECT_EQ(ValueText(link, CKOTLink::VarFrequency), "12000.0");
    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarWavelength, UnitMm), 1);
    EXPECT_EQ(ValueText(link, CKOTLink::VarWavelength), "24.9833");

    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarFrequency, UnitKm), 0);
    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarWavelength, UnitGHz), 0);
    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarTxPeakGain, UnitDbi), 0);
    EXPECT_EQ(link.SetDisplayUnit(CKOTLink::VarTxDishSize, UnitCm), 0);
    EXPECT_EQ(link.m_frequencyDisplay, UnitMHz);
    EXPECT_EQ(link.m_wavelengthDisplay, UnitMm);
}

// --- The tools a link opens over its own values ---

struct SubTool {
    const char* name;
    int templateId;
    void (CKOTLink::*run)();
};

const SubTool SubTools[] = {
    {"frequency", IDD_TOOL_FREQ, &CKOTLink::RunFrequencyTool},
    {"path", IDD_TOOL_PATH, &CKOTLink::RunPathTool},
    {"transmit gain", IDD_TOOL_GAIN, &CKOTLink::RunTxGainTool},
    {"transmit off-axis", IDD_TOOL_OFFAXIS, &CKOTLink::RunTxOffaxisTool},
    {"receive gain", IDD_TOOL_GAIN, &CKOTLink::RunRxGainTool},
    {"receive off-axis", IDD_TOOL_OFFAXIS, &CKOTLink::RunRxOffaxisTool},
    {"noise", IDD_TOOL_TEMP, &CKOTLink::RunNoiseTool},
};

void RunSubTool(CKOTLink& link, const SubTool& tool, DialogScript script)
{
    ScriptedHost host;
    host.OnDialog(tool.templateId, std::move(script));
    (link.*tool.run)();
    EXPECT_EQ(host.PendingScripts(tool.templateId), 0u) << "the tool never opened";
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// A link the user has worked on, where every inverse step has run: a relative gain entered and
// its angle searched for, a path loss entered and its length derived from it, a pattern changed
// after the angle, and C/N entered.
void WorkOn(CKOTLink& link)
{
    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}, {CKOTLink::VarRxRelativeGain, -10.0},
               {CKOTLink::VarPathLoss, 200.0}, {CKOTLink::VarTxPeakGain, 45.0}, {CKOTLink::VarBandwidth, 3.6e7},
               {CKOTLink::VarCn, 20.0}});
    ErrorSink sink;
    ASSERT_EQ(link.SetIntVar(CKOTLink::VarRxPattern, PatternLog32, sink), 1);
    ASSERT_EQ(link.SetDisplayUnit(CKOTLink::VarWavelength, UnitCm), 1);
}

// Looking at a quantity in its tool and closing it, whichever way, changes nothing the link
// holds: the tool gets the link's own values, and nothing unchanged is taken back through an
// inverse step that would move it.
TEST(KOTLink, AToolClosedWithoutAChangeLeavesTheLinkAsItWas)
{
    for (const SubTool& tool : SubTools) {
        for (const SubToolClosing& closing : SubToolClosings) {
            SCOPED_TRACE(std::string(tool.name) + ", " + closing.name);
            CKOTLink link;
            WorkOn(link);
            const BudgetHolds before = Holds(link);
            RunSubTool(link, tool, [&](ScriptedDialog& d) {
                closing.close(d);
                EXPECT_TRUE(d.Ended());
            });
            ExpectSameHolds(Holds(link), before);
        }
    }
}

TEST(KOTLink, TheOffaxisToolOpensOnTheLinksOwnAntenna)
{
    CKOTLink link;
    Set(link, {{CKOTLink::VarTxOffAxisAngle, 2 * Degree}});
    const double relativeGain = link.m_txRelativeGain;
    const double eirp = link.m_eirp;
    for (int reopen = 0; reopen < 2; ++reopen) {
        SCOPED_TRACE(reopen);
        RunSubTool(link, SubTools[3], [](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "2.0");
            EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-16.0214");
            EXPECT_EQ(d.Text(IDC_OFF_GAIN), "40.441");
            EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "1.7488");
            EXPECT_EQ(d.Selection(IDC_OFF_PATTERN), PatternLog29);
            d.Click(IDCANCEL);
        });
        EXPECT_EQ(link.m_txRelativeGain, relativeGain);
        EXPECT_EQ(link.m_eirp, eirp);
    }
}

// What the user applied in a tool comes back, and the link follows it.
TEST(KOTLink, WhatIsAppliedInAToolComesBack)
{
    const struct {
        const char* label;
        const SubTool& tool;
        DialogScript script;
        std::function<void(const CKOTLink&, const CKOTLink& before)> expect;
    } rows[] = {
        {"a frequency in MHz", SubTools[0],
         [](ScriptedDialog& d) {
             d.Click(IDC_FREQ_MHZ);
             d.TypeInto(IDC_FREQ_FREQUENCY, "14000");
             d.Click(IDC_FREQ_TO_WAVELENGTH);
         },
         [](const CKOTLink& l, const CKOTLink&) {
             EXPECT_EQ(l.m_frequency, 14e9);
             EXPECT_EQ(l.m_frequencyDisplay, UnitMHz);
             EXPECT_EQ(ValueText(l, CKOTLink::VarFrequency), "14000.0");
             ExpectPrinted(l.m_txPeakGain, 41.780, 5);
             ExpectPrinted(l.m_pathLoss, 206.4444, 7);
         }},
        // The distance is derived again from the loss, with the inverse's flat 22 dB.
        {"a path of 1000 km", SubTools[1],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_PATH_DISTANCE, "1000");
             d.Click(IDC_PATH_CALC_LOSS);
         },
         [](const CKOTLink& l, const CKOTLink& before) {
             ExpectPrinted(l.m_pathLoss, 174.03119, 8);
             ExpectPrinted(l.m_pathLength, 998.18, 5);
             EXPECT_NEAR(l.m_cn - before.m_cn, before.m_pathLoss - l.m_pathLoss, 1e-9);
         }},
        {"a 2 m transmit dish", SubTools[2],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_GAIN_DISH, "2");
             d.Click(IDC_GAIN_CALC_GAIN);
         },
         [](const CKOTLink& l, const CKOTLink& before) {
             ExpectPrinted(l.m_txPeakGain, 46.462, 5);
             EXPECT_NEAR(l.m_txDishSize, 0.002, 1e-15);
             EXPECT_NEAR(l.m_eirp - before.m_eirp, l.m_txPeakGain - before.m_txPeakGain, 1e-9);
             EXPECT_EQ(l.m_rxPeakGain, before.m_rxPeakGain);
         }},
        {"a receive efficiency of 0.35", SubTools[4],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_GAIN_EFFICIENCY, "0.35");
             d.Click(IDC_GAIN_CALC_GAIN);
         },
         [](const CKOTLink& l, const CKOTLink& before) {
             ExpectPrinted(l.m_rxPeakGain, 37.431, 5);
             EXPECT_EQ(l.m_rxEfficiency, 0.35);
             EXPECT_EQ(l.m_txPeakGain, before.m_txPeakGain);
         }},
        {"a transmit off-axis angle", SubTools[3],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_OFF_ANGLE, "2");
             d.Click(IDC_OFF_CALC_RELATIVE);
         },
         [](const CKOTLink& l, const CKOTLink& before) {
             ExpectPrinted(l.m_txRelativeGain, -16.0214, 6);
             // Searched for again from the relative gain.
             EXPECT_NEAR(l.m_txOffAxisAngle, 2 * Degree, 1e-6);
             EXPECT_NEAR(l.m_eirp - before.m_eirp, l.m_txRelativeGain, 1e-9);
         }},
        {"a receive pattern", SubTools[5],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_OFF_ANGLE, "1");
             d.Click(IDC_OFF_CALC_RELATIVE);
             d.Choose(IDC_OFF_PATTERN, PatternParabolic);
         },
         [](const CKOTLink& l, const CKOTLink&) {
             EXPECT_EQ(l.m_rxPattern, PatternParabolic);
             EXPECT_NEAR(l.m_rxRelativeGain, ParabolicPattern(1 * Degree, l.m_rxBeamwidth), 1e-12);
             EXPECT_NEAR(l.m_rxOffAxisAngle, 1 * Degree, 1e-6);
             EXPECT_EQ(l.m_txPattern, PatternLog29);
         }},
        {"a bandwidth of 36 MHz", SubTools[6],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_TEMP_BANDWIDTH, "3.6e7");
             d.Click(IDC_TEMP_CALC_NOISE);
         },
         [](const CKOTLink& l, const CKOTLink& before) {
             EXPECT_EQ(l.m_bandwidth, 3.6e7);
             ExpectPrinted(l.m_noise, -128.266, 6);
             ExpectPrinted(before.m_cn - l.m_cn, 15.563, 5);
         }},
        // The link's frequency is locked in the tool: its Calculate does nothing at all.
        {"the gain tool's locked frequency", SubTools[2],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_GAIN_DISH, "2");
             d.Click(IDC_GAIN_CALC_FREQUENCY);
         },
         [](const CKOTLink& l, const CKOTLink& before) { EXPECT_EQ(RealValues(l), RealValues(before)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTLink link;
        const CKOTLink before = link;
        RunSubTool(link, row.tool, [&](ScriptedDialog& d) {
            row.script(d);
            d.Click(IDCANCEL);
        });
        row.expect(link, before);
        ExpectChainHolds(link);
    }
}

} // namespace
