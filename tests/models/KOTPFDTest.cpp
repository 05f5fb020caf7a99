#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "framework/Units.h"
#include "models/KOTPFD.h"
#include "resources/Resource.h"
#include "tests/models/BudgetChecks.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// The chain from the transmit power to the PFD, computed here from what the model holds.
void ExpectChainHolds(const CKOTPFD& pfd)
{
    const double eirp = pfd.m_txPower + pfd.m_txPeakGain + pfd.m_txRelativeGain;
    const double counted = pfd.m_includeReceiveGain ? pfd.m_rxRelativeGain : 0.0;
    EXPECT_NEAR(pfd.m_eirp, eirp, 1e-9);
    EXPECT_NEAR(pfd.m_pfd, eirp - pfd.m_spreading - pfd.m_otherLosses + counted, 1e-9);
}

TEST(KOTPFD, NewModel)
{
    const CKOTPFD pfd;
    EXPECT_EQ(ValueText(pfd, 0), "PFD Tool");
    EXPECT_EQ(pfd.GetVarCount(), CKOTPFD::VarTotal);
    EXPECT_EQ(pfd.m_includeReceiveGain, 0);
    // The shared variables are the link budget's; these are the PFD's own and their neighbours.
    ExpectVariables(pfd, {
        {CKOTPFD::VarFrequency, "Frequency", VarKindReal, UnitHz, UnitGHz, "12.0"},
        {CKOTPFD::VarEirp, "Transmit EIRP", VarKindReal, UnitDbw, UnitDbw, "40.441"},
        {CKOTPFD::VarPathLength, "Path length", VarKindReal, UnitKm, UnitKm, "35786.05"},
        {CKOTPFD::VarSpreading, "Spreading factor", VarKindReal, UnitDb, UnitDb, "162.0664"},
        {CKOTPFD::VarOtherLosses, "Other losses", VarKindReal, UnitDb, UnitDb, "0.0"},
        {CKOTPFD::VarRxPeakGain, "Receive Peak Gain", VarKindReal, UnitDbi, UnitDbi, "40.441"},
        {CKOTPFD::VarRxPattern, "Receive Gain Pattern", VarKindInt, UnitNone, UnitNone, "29 - 25log(phi)"},
        {CKOTPFD::VarPfd, "PFD", VarKindReal, UnitDbwPer4KHzM2, UnitDbwPer4KHzM2, "-121.6254"},
    });
    std::string label;
    pfd.GetUnitLabel(CKOTPFD::VarPfd, label);
    EXPECT_EQ(label, "dBW/4KHz/m^2");
    pfd.GetVarName(CKOTPFD::VarTotal, label);
    EXPECT_EQ(label, "Unknown variable");
    ExpectPrinted(pfd.m_pfd, -121.625, 6);
    ExpectChainHolds(pfd);
}

TEST(KOTPFD, TheTransmitPowerGivesWayToEirpAndPfd)
{
    const struct {
        const char* label;
        int index;
        double value;
        int includeReceiveGain;
        double CKOTPFD::*member;
    } rows[] = {
        {"PFD", CKOTPFD::VarPfd, -100.0, 0, &CKOTPFD::m_pfd},
        {"EPFD", CKOTPFD::VarPfd, -100.0, 1, &CKOTPFD::m_pfd},
        {"EIRP", CKOTPFD::VarEirp, 50.0, 0, &CKOTPFD::m_eirp},
        {"EIRP with the EPFD", CKOTPFD::VarEirp, 50.0, 1, &CKOTPFD::m_eirp},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTPFD pfd;
        Set(pfd, {{CKOTPFD::VarTxOffAxisAngle, 1 * Degree}, {CKOTPFD::VarRxRelativeGain, -3.0},
                  {CKOTPFD::VarOtherLosses, 5.0}});
        pfd.SetIncludeReceiveGain(row.includeReceiveGain);
        CKOTPFD expected = pfd;
        ErrorSink sink;
        ASSERT_EQ(pfd.SetRealVar(row.index, row.value, sink), 1);

        EXPECT_NEAR(pfd.*row.member, row.value, 1e-9);
        ExpectChainHolds(pfd);
        expected.m_txPower = pfd.m_txPower;
        expected.Recalculate();
        EXPECT_EQ(RealValues(pfd), RealValues(expected));
    }
}

TEST(KOTPFD, PfdAndEirpFromTheDefaults)
{
    CKOTPFD pfd;
    Set(pfd, {{CKOTPFD::VarPfd, -120.0}});
    ExpectPrinted(pfd.m_eirp, 42.066, 5);
    ExpectPrinted(pfd.m_txPower, 1.625, 4);
    Set(pfd, {{CKOTPFD::VarEirp, 50.0}});
    ExpectPrinted(pfd.m_txPower, 9.559, 4);
    ExpectPrinted(pfd.m_pfd, -112.0664, 7);
}

// The EPFD counts the receive antenna's gain relative to its peak, never its peak gain.
TEST(KOTPFD, TheEpfdCountsTheReceiveRelativeGain)
{
    CKOTPFD pfd;
    Set(pfd, {{CKOTPFD::VarRxRelativeGain, -10.0}});
    const double pfdAlone = pfd.m_pfd;
    const double eirp = pfd.m_eirp;
    const double txPower = pfd.m_txPower;

    pfd.SetIncludeReceiveGain(1);
    EXPECT_NEAR(pfd.m_pfd, pfdAlone - 10.0, 1e-9);
    EXPECT_EQ(pfd.m_eirp, eirp);
    EXPECT_EQ(pfd.m_txPower, txPower);

    // Entering a PFD with the receive gain counted needs 10 dB more EIRP.
    Set(pfd, {{CKOTPFD::VarPfd, -120.0}});
    const double eirpCounted = pfd.m_eirp;
    pfd.SetIncludeReceiveGain(0);
    Set(pfd, {{CKOTPFD::VarPfd, -120.0}});
    EXPECT_NEAR(eirpCounted - pfd.m_eirp, 10.0, 1e-9);

    // Any non-zero flag counts it, and every later write keeps counting it.
    pfd.SetIncludeReceiveGain(2);
    EXPECT_NEAR(pfd.m_pfd, -130.0, 1e-9);
    Set(pfd, {{CKOTPFD::VarOtherLosses, 1.0}});
    EXPECT_NEAR(pfd.m_pfd, -131.0, 1e-9);

    // A new receive peak gain moves the relative gain at the same angle, and only that counts.
    Set(pfd, {{CKOTPFD::VarRxPeakGain, 50.0}});
    EXPECT_NE(pfd.m_rxRelativeGain, -10.0);
    ExpectChainHolds(pfd);
}

TEST(KOTPFD, EachWriteRunsItsOwnStep)
{
    const struct {
        const char* label;
        int index;
        double value;
        std::function<void(const CKOTPFD&)> expect;
    } rows[] = {
        {"frequency: the antennas but not the spreading factor", CKOTPFD::VarFrequency, 14e9,
         [](const CKOTPFD& p) {
             ExpectPrinted(p.m_txPeakGain, 41.780, 5);
             ExpectPrinted(p.m_rxPeakGain, 41.780, 5);
             ExpectPrinted(p.m_spreading, 162.06637, 8);
             ExpectPrinted(p.m_pfd, -120.2865, 7);
         }},
        {"wavelength: the frequency", CKOTPFD::VarWavelength, 3e-5,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_frequency, 9.99333e9, 6); }},
        {"transmit dish size: its peak gain", CKOTPFD::VarTxDishSize, 0.002,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_txPeakGain, 46.462, 5); }},
        {"transmit off-axis angle: its relative gain", CKOTPFD::VarTxOffAxisAngle, 2 * Degree,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_txRelativeGain, -16.0214, 6); }},
        {"receive relative gain: its off-axis angle", CKOTPFD::VarRxRelativeGain, -16.0214,
         [](const CKOTPFD& p) { EXPECT_NEAR(p.m_rxOffAxisAngle, 2 * Degree, 1e-6); }},
        {"path length: the spreading factor", CKOTPFD::VarPathLength, 1000.0,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_spreading, SpreadingLoss(1000.0), 12); }},
        // The printed spreading factor is rounded; the unrounded one gives back 35786.05 km.
        {"spreading factor: the path length", CKOTPFD::VarSpreading, 162.066,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_pathLength, 35784.509, 8); }},
        {"other losses: nothing but the chain", CKOTPFD::VarOtherLosses, 3.0,
         [](const CKOTPFD& p) { ExpectPrinted(p.m_pfd, -124.6254, 7); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTPFD pfd;
        ErrorSink sink;
        ASSERT_EQ(pfd.SetRealVar(row.index, row.value, sink), 1);
        row.expect(pfd);
        ExpectChainHolds(pfd);
    }
    CKOTPFD pfd;
    Set(pfd, {{CKOTPFD::VarSpreading, SpreadingLoss(GeostationaryHeight)}});
    EXPECT_NEAR(pfd.m_pathLength, GeostationaryHeight, 1e-9);
}

TEST(KOTPFD, LimitsAndRefusals)
{
    const struct {
        int index;
        double value;
        const char* refusal;
    } rows[] = {
        {CKOTPFD::VarPathLength, 0.001, nullptr},
        {CKOTPFD::VarPathLength, 0.0009, "Variable 'Path length' has been set to 0.0009 which is below the limit of 0.001"},
        {CKOTPFD::VarSpreading, -200.5,
         "Variable 'Spreading factor' has been set to -200.5 which is below the limit of -200.0"},
        {CKOTPFD::VarOtherLosses, -1e6, nullptr},
        {CKOTPFD::VarTxPower, 1e6, nullptr},
        {CKOTPFD::VarRxEfficiency, 0.0009,
         "Variable 'Receive Efficiency' has been set to 0.0009 which is below the limit of 0.001"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.refusal ? row.refusal : std::to_string(row.value));
        CKOTPFD pfd;
        ExpectLimit(pfd, row.index, row.value, row.refusal);
    }

    for (int index : {0, 1, int(CKOTPFD::VarTxBeamwidth), int(CKOTPFD::VarTxPattern), int(CKOTPFD::VarRxBeamwidth),
                      int(CKOTPFD::VarRxPattern), int(CKOTPFD::VarTotal)}) {
        SCOPED_TRACE(index);
        CKOTPFD pfd;
        const std::vector<double> before = RealValues(pfd);
        ErrorSink sink;
        EXPECT_EQ(pfd.SetRealVar(index, 1.0, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        EXPECT_EQ(RealValues(pfd), before);
    }
    CKOTPFD pfd;
    ErrorSink sink;
    EXPECT_EQ(pfd.SetIntVar(CKOTPFD::VarTxPattern, 3, sink), 0);
    EXPECT_EQ(sink.Code, ErrorInputRange);
    EXPECT_EQ(pfd.SetIntVar(CKOTPFD::VarTxPattern, PatternParabolic, sink), 1);
    EXPECT_EQ(pfd.m_txPattern, PatternParabolic);
}

// --- The tools the PFD model opens over its own values ---

struct SubTool {
    const char* name;
    int templateId;
    void (CKOTPFD::*run)();
};

const SubTool SubTools[] = {
    {"frequency", IDD_TOOL_FREQ, &CKOTPFD::RunFrequencyTool},
    {"spreading", IDD_TOOL_SPREAD, &CKOTPFD::RunSpreadTool},
    {"transmit gain", IDD_TOOL_GAIN, &CKOTPFD::RunTxGainTool},
    {"transmit off-axis", IDD_TOOL_OFFAXIS, &CKOTPFD::RunTxOffaxisTool},
    {"receive gain", IDD_TOOL_GAIN, &CKOTPFD::RunRxGainTool},
    {"receive off-axis", IDD_TOOL_OFFAXIS, &CKOTPFD::RunRxOffaxisTool},
};

void RunSubTool(CKOTPFD& pfd, const SubTool& tool, DialogScript script)
{
    ScriptedHost host;
    host.OnDialog(tool.templateId, std::move(script));
    (pfd.*tool.run)();
    EXPECT_EQ(host.PendingScripts(tool.templateId), 0u) << "the tool never opened";
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST(KOTPFD, AToolClosedWithoutAChangeLeavesTheModelAsItWas)
{
    for (const SubTool& tool : SubTools) {
        for (const SubToolClosing& closing : SubToolClosings) {
            SCOPED_TRACE(std::string(tool.name) + ", " + closing.name);
            CKOTPFD pfd;
            Set(pfd, {{CKOTPFD::VarTxOffAxisAngle, 2 * Degree}, {CKOTPFD::VarRxRelativeGain, -10.0},
                      {CKOTPFD::VarSpreading, 170.0}, {CKOTPFD::VarRxPeakGain, 45.0}, {CKOTPFD::VarPfd, -100.0}});
            pfd.SetIncludeReceiveGain(1);
            const BudgetHolds before = Holds(pfd);
            RunSubTool(pfd, tool, [&](ScriptedDialog& d) {
                closing.close(d);
                EXPECT_TRUE(d.Ended());
            });
            ExpectSameHolds(Holds(pfd), before);
            EXPECT_EQ(pfd.m_includeReceiveGain, 1);
        }
    }
}

TEST(KOTPFD, WhatIsAppliedInAToolComesBack)
{
    const struct {
        const char* label;
        const SubTool& tool;
        DialogScript script;
        std::function<void(const CKOTPFD&, const CKOTPFD& before)> expect;
    } rows[] = {
        {"a spreading factor", SubTools[1],
         [](ScriptedDialog& d) {
             EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "162.0664");
             EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "35786.05");
             d.TypeInto(IDC_SPREAD_DISTANCE, "1000");
             d.Click(IDC_SPREAD_CALC_LOSS);
         },
         [](const CKOTPFD& p, const CKOTPFD& before) {
             EXPECT_NEAR(p.m_pathLength, 1000.0, 1e-9);
             ExpectPrinted(p.m_spreading, SpreadingLoss(1000.0), 12);
             EXPECT_NEAR(p.m_pfd - before.m_pfd, before.m_spreading - p.m_spreading, 1e-9);
         }},
        {"a frequency", SubTools[0],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_FREQ_FREQUENCY, "14");
             d.Click(IDC_FREQ_TO_WAVELENGTH);
         },
         [](const CKOTPFD& p, const CKOTPFD& before) {
             EXPECT_EQ(p.m_frequency, 14e9);
             ExpectPrinted(p.m_txPeakGain, 41.780, 5);
             EXPECT_EQ(p.m_spreading, before.m_spreading);
         }},
        {"a receive off-axis angle", SubTools[5],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_OFF_ANGLE, "2");
             d.Click(IDC_OFF_CALC_RELATIVE);
         },
         [](const CKOTPFD& p, const CKOTPFD& before) {
             ExpectPrinted(p.m_rxRelativeGain, -16.0214, 6);
             // Only the EPFD counts it.
             EXPECT_EQ(p.m_pfd, before.m_pfd);
         }},
        {"a transmit efficiency", SubTools[2],
         [](ScriptedDialog& d) {
             d.TypeInto(IDC_GAIN_EFFICIENCY, "0.35");
             d.Click(IDC_GAIN_CALC_GAIN);
         },
         [](const CKOTPFD& p, const CKOTPFD& before) {
             ExpectPrinted(p.m_txPeakGain, 37.431, 5);
             EXPECT_NEAR(p.m_pfd - before.m_pfd, p.m_txPeakGain - before.m_txPeakGain, 1e-9);
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTPFD pfd;
        const CKOTPFD before = pfd;
        RunSubTool(pfd, row.tool, [&](ScriptedDialog& d) {
            row.script(d);
            d.Click(IDCANCEL);
        });
        row.expect(pfd, before);
        ExpectChainHolds(pfd);
    }
}

} // namespace
