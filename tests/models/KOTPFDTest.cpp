#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "framework/Units.h"
#include "models/KOTLink.h"
#include "models/KOTPFD.h"
#include "resources/Resource.h"
#include "tests/models/BudgetChecks.h"

#include <gtest/gtest.h>

#include <cmath>
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
    ExpectVariables(pfd, {
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
    ExpectChainHolds(pfd);
}

// The frequency and both antennas are the link budget's, variable for variable.
TEST(KOTPFD, SharedVariablesFollowAsInTheLinkBudget)
{
    static_assert(int(CKOTPFD::VarEirp) == int(CKOTLink::VarEirp));
    static_assert(int(CKOTPFD::VarRxPattern) == int(CKOTLink::VarRxPattern));
    const struct {
        int index;
        double value;
    } rows[] = {
        {CKOTPFD::VarFrequency, 14e9}, {CKOTPFD::VarWavelength, 3e-5}, {CKOTPFD::VarTxPower, 3.0},
        {CKOTPFD::VarTxPeakGain, 45.0}, {CKOTPFD::VarTxRelativeGain, -12.0}, {CKOTPFD::VarTxDishSize, 0.002},
        {CKOTPFD::VarTxEfficiency, 0.5}, {CKOTPFD::VarTxOffAxisAngle, 2 * Degree}, {CKOTPFD::VarEirp, 50.0},
        {CKOTPFD::VarRxPeakGain, 45.0}, {CKOTPFD::VarRxRelativeGain, -12.0}, {CKOTPFD::VarRxDishSize, 0.002},
        {CKOTPFD::VarRxEfficiency, 0.5}, {CKOTPFD::VarRxOffAxisAngle, 2 * Degree},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        CKOTPFD pfd;
        CKOTLink link;
        Set(pfd, {{row.index, row.value}});
        Set(link, {{row.index, row.value}});
        for (int index = CKOTPFD::VarFrequency; index <= CKOTPFD::VarRxPattern; ++index) {
            const bool shared = index <= CKOTPFD::VarEirp || index >= CKOTPFD::VarRxPeakGain;
            if (shared) {
                EXPECT_EQ(ValueText(pfd, index), ValueText(link, index)) << index;
            }
        }
        ExpectChainHolds(pfd);
    }
}

// Entering the EIRP or the PFD moves the transmit power and nothing else before it.
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
        Set(pfd, {{row.index, row.value}});
        EXPECT_NEAR(pfd.*row.member, row.value, 1e-9);
        expected.m_txPower = pfd.m_txPower;
        expected.Recalculate();
        ExpectSameHolds(pfd, expected);
    }
}

// The EPFD counts the receive antenna's gain relative to its peak, never its peak gain.
TEST(KOTPFD, TheEpfdCountsTheReceiveRelativeGain)
{
    CKOTPFD pfd;
    Set(pfd, {{CKOTPFD::VarRxRelativeGain, -10.0}});
    const CKOTPFD alone = pfd;
    pfd.SetIncludeReceiveGain(1);
    EXPECT_NEAR(pfd.m_pfd, alone.m_pfd - 10.0, 1e-9);
    EXPECT_EQ(pfd.m_eirp, alone.m_eirp);
    EXPECT_EQ(pfd.m_txPower, alone.m_txPower);

    // Entering a PFD with the receive gain counted needs 10 dB more EIRP.
    Set(pfd, {{CKOTPFD::VarPfd, -120.0}});
    const double eirpCounted = pfd.m_eirp;
    pfd.SetIncludeReceiveGain(0);
    Set(pfd, {{CKOTPFD::VarPfd, -120.0}});
    EXPECT_NEAR(eirpCounted - pfd.m_eirp, 10.0, 1e-9);

    // Any non-zero flag counts it, and the writes after it keep counting it.
    pfd.SetIncludeReceiveGain(2);
    EXPECT_NEAR(pfd.m_pfd, -130.0, 1e-9);
    Set(pfd, {{CKOTPFD::VarRxPeakGain, 50.0}});
    EXPECT_NE(pfd.m_rxRelativeGain, -10.0);
    ExpectChainHolds(pfd);
}

TEST(KOTPFD, EachOwnWriteRunsItsStep)
{
    const struct {
        const char* label;
        int index;
        double value;
        double CKOTPFD::*member;
        double expected;
        int digits;
    } rows[] = {
        {"frequency: not the spreading factor", CKOTPFD::VarFrequency, 14e9, &CKOTPFD::m_spreading, 162.06637, 8},
        {"frequency: the PFD through the EIRP", CKOTPFD::VarFrequency, 14e9, &CKOTPFD::m_pfd, -120.2865, 7},
        {"path length: spreading factor", CKOTPFD::VarPathLength, 1000.0, &CKOTPFD::m_spreading, 130.9921, 7},
        // The printed spreading factor is rounded; the unrounded one gives back 35786.05 km.
        {"spreading factor: path length", CKOTPFD::VarSpreading, 162.066, &CKOTPFD::m_pathLength, 35784.509, 8},
        {"exact spreading factor: path length", CKOTPFD::VarSpreading, SpreadingLoss(GeostationaryHeight),
         &CKOTPFD::m_pathLength, GeostationaryHeight, 12},
        {"other losses: the PFD", CKOTPFD::VarOtherLosses, 3.0, &CKOTPFD::m_pfd, -124.6254, 7},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTPFD pfd;
        Set(pfd, {{row.index, row.value}});
        ExpectPrinted(pfd.*row.member, row.expected, row.digits);
        ExpectChainHolds(pfd);
    }
}

// PFD and other losses at their bounds, solved back to the transmit power and then carried
// forward again against the other bound: the largest sums the chain can make stay finite.
TEST(KOTPFD, SumsOfTermsAtTheirBoundsStayFinite)
{
    for (const double sign : {1.0, -1.0}) {
        for (const int includeReceiveGain : {0, 1}) {
            SCOPED_TRACE(::testing::Message() << "sign " << sign << ", receive gain counted " << includeReceiveGain);
            CKOTPFD pfd;
            pfd.SetIncludeReceiveGain(includeReceiveGain);
            Set(pfd, {{CKOTPFD::VarOtherLosses, sign * 1e300}, {CKOTPFD::VarPfd, sign * 1e300}});
            EXPECT_GT(sign * pfd.m_txPower, 1.9e300);
            Set(pfd, {{CKOTPFD::VarOtherLosses, -sign * 1e300}});
            EXPECT_GT(sign * pfd.m_pfd, 2.9e300);
            for (double value : RealValues(pfd))
                EXPECT_TRUE(std::isfinite(value)) << value;
            ExpectChainHolds(pfd);
        }
    }
}

TEST(KOTPFD, LimitsAndRefusals)
{
    CKOTPFD pfd;
    ExpectLimit(pfd, CKOTPFD::VarPathLength, 0.0009,
                "Variable 'Path length' has been set to 0.0009 km which is below the limit of 0.001 km");
    ExpectLimit(pfd, CKOTPFD::VarSpreading, -200.5,
                "Variable 'Spreading factor' has been set to -200.5 dB which is below the limit of -200.0 dB");
    ExpectLimit(pfd, CKOTPFD::VarPathLength, 0.001, nullptr);
    ExpectLimit(pfd, CKOTPFD::VarOtherLosses, -1e6, nullptr);
    ExpectLimit(pfd, CKOTPFD::VarOtherLosses, -1e300, nullptr);
    ExpectLimit(pfd, CKOTPFD::VarOtherLosses, -1e308,
                "Variable 'Other losses' has been set to -1.0000e+308 dB which is below the limit of -1.0000e+300 dB");
    ExpectLimit(pfd, CKOTPFD::VarPfd, 1.5e300,
                "Variable 'PFD' has been set to 1.5000e+300 dBW/4KHz/m^2 which is above the limit of 1.0000e+300 dBW/4KHz/m^2");

    for (int index : {0, int(CKOTPFD::VarTxBeamwidth), int(CKOTPFD::VarTxPattern), int(CKOTPFD::VarRxBeamwidth),
                      int(CKOTPFD::VarRxPattern), int(CKOTPFD::VarTotal)}) {
        SCOPED_TRACE(index);
        const CKOTPFD before = pfd;
        ErrorSink sink;
        EXPECT_EQ(pfd.SetRealVar(index, 1.0, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
        ExpectSameHolds(pfd, before);
    }
    ErrorSink sink;
    EXPECT_EQ(pfd.SetIntVar(CKOTPFD::VarTxPattern, 3, sink), 0);
    EXPECT_EQ(sink.Code, ErrorInputRange);
}

// --- The tools the PFD model opens over its own values ---

const BudgetTool<CKOTPFD> Tools[] = {
    {"frequency", IDD_TOOL_FREQ, &CKOTPFD::RunFrequencyTool},
    {"spreading", IDD_TOOL_SPREAD, &CKOTPFD::RunSpreadTool},
    {"transmit gain", IDD_TOOL_GAIN, &CKOTPFD::RunTxGainTool},
    {"transmit off-axis", IDD_TOOL_OFFAXIS, &CKOTPFD::RunTxOffaxisTool},
    {"receive gain", IDD_TOOL_GAIN, &CKOTPFD::RunRxGainTool},
    {"receive off-axis", IDD_TOOL_OFFAXIS, &CKOTPFD::RunRxOffaxisTool},
};

TEST(KOTPFD, AToolClosedWithoutAChangeGivesNothingBack)
{
    CKOTPFD worked;
    Set(worked, {{CKOTPFD::VarTxOffAxisAngle, 2 * Degree}, {CKOTPFD::VarRxRelativeGain, -10.0},
                 {CKOTPFD::VarSpreading, 170.0}, {CKOTPFD::VarRxPeakGain, 45.0}, {CKOTPFD::VarPfd, -100.0}});
    worked.SetIncludeReceiveGain(1);
    ExpectUnchangedToolsGiveNothingBack<CKOTPFD>(worked, Tools);
}

TEST(KOTPFD, TheSpreadingToolOpensOnThePathAndGivesItBack)
{
    CKOTPFD pfd;
    const CKOTPFD before = pfd;
    RunBudgetTool(pfd, Tools[1], [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "162.0664");
        EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "35786.05");
        d.TypeInto(IDC_SPREAD_DISTANCE, "1000");
        d.Click(IDC_SPREAD_CALC_LOSS);
    });
    EXPECT_NEAR(pfd.m_pathLength, 1000.0, 1e-9);
    ExpectPrinted(pfd.m_spreading, 130.9921, 7);
    EXPECT_NEAR(pfd.m_pfd - before.m_pfd, before.m_spreading - pfd.m_spreading, 1e-9);
}

} // namespace
