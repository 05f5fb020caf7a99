#include "framework/Units.h"
#include "models/KOTCtoNI.h"
#include "resources/Resource.h"
#include "tests/models/ModelChecks.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTCtoNI, NewModelCombinesTenDbOfCnWithNoInterference)
{
    const CKOTCtoNI model;
    EXPECT_EQ(ValueText(model, 0), "C/(N+I) Tool");
    EXPECT_EQ(model.GetVarCount(), 6);
    EXPECT_EQ(model.GetCalcVar(), -1);
    ExpectVariables(model, {
                               {CKOTCtoNI::VarCn, "C/N", VarKindReal, UnitDb, UnitDb, "10.0"},
                               {CKOTCtoNI::VarIn, "I/N", VarKindReal, UnitDb, UnitDb, "0.0"},
                               {CKOTCtoNI::VarCi, "C/I", VarKindReal, UnitDb, UnitDb, "10.0"},
                               {CKOTCtoNI::VarCni, "C/(N+I)", VarKindReal, UnitDb, UnitDb, "6.9897"},
                           });
    EXPECT_EQ(model.m_fixedVar, CKOTCtoNI::FixedIn);
    EXPECT_EQ(model.m_wanted.m_wantedSignal, 1);
    EXPECT_EQ(model.m_interfering.m_wantedSignal, 0);
}

// Each entry under each choice of the fixed ratio, from C/N 10 and I/N 0.
TEST(KOTCtoNI, EachEntryIsSolvedWithTheChosenRatioHeld)
{
    const struct {
        const char* label;
        int fixed, index;
        double value, cn, in, ci, cni;
    } rows[] = {
        {"C/I with I/N held", CKOTCtoNI::FixedIn, CKOTCtoNI::VarCi, 20, 20, 0, 20, 16.9897},
        {"C/I with C/N held", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCi, 20, 10, -10, 20, 9.5861},
        {"C/(N+I) with C/N held", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 7, 10, -0.0206, 10.0206, 7},
        {"C/(N+I) with I/N held", CKOTCtoNI::FixedIn, CKOTCtoNI::VarCni, 7, 10.0103, 0, 10.0103, 7},
        // C/(N+I) as high as C/N is no interference at all: I/N saturates and C/(N+I) is C/N.
        {"C/(N+I) equal to C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, 10, -3000, 3010, 10},
        {"C/N with I/N kept", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCn, 13, 13, 0, 13, 9.9897},
        {"I/N with C/N kept", CKOTCtoNI::FixedIn, CKOTCtoNI::VarIn, 10, 10, 10, 0, -0.4139},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTCtoNI model;
        model.m_fixedVar = row.fixed;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        EXPECT_NEAR(model.m_cn, row.cn, 5e-5);
        EXPECT_NEAR(model.m_in, row.in, 5e-5);
        EXPECT_NEAR(model.m_ci, row.ci, 5e-5);
        EXPECT_NEAR(model.m_cni, row.cni, 5e-5);
        double entered;
        model.GetRealVar(row.index, entered);
        EXPECT_EQ(entered, row.value);
    }
}

// Where the product of the ratios is finite the derivation keeps its own arithmetic to the last
// bit; where it is not, the same value comes from the sum of decibels instead of infinity.
TEST(KOTCtoNI, ACnWhoseRatioOverflowsIsStillTheSumOfItsDecibels)
{
    CKOTCtoNI model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTCtoNI::VarCni, 7, sink), 1);
    EXPECT_EQ(model.m_cn, ToDb((FromDb(0) + 1) * FromDb(7)));

    ASSERT_EQ(model.SetRealVar(CKOTCtoNI::VarIn, 1500, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTCtoNI::VarCni, 1600, sink), 1);
    EXPECT_DOUBLE_EQ(model.m_cn, 3100);
    EXPECT_DOUBLE_EQ(model.m_ci, 1600);
    EXPECT_EQ(ValueText(model, CKOTCtoNI::VarCn), "3100.0");
}

TEST(KOTCtoNI, RefusesWhatIsOutsideTheDecibelRangeOrNoRatio)
{
    CKOTCtoNI model;
    const std::vector<double> before = RealValues(model);
    ExpectLimit(model, CKOTCtoNI::VarCn, 3001, "Variable 'C/N' has been set to 3001.0 dB which is above the limit of 3000.0 dB");
    ExpectLimit(model, CKOTCtoNI::VarCni, -3001,
                "Variable 'C/(N+I)' has been set to -3001.0 dB which is below the limit of -3000.0 dB");
    for (int index : {0, 1, 6}) {
        SCOPED_TRACE(index);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(index, 1, sink), 0);
        EXPECT_EQ(sink.Code, ErrorVariableFixed);
    }
    ErrorSink sink;
    EXPECT_EQ(model.SetIntVar(CKOTCtoNI::VarCn, 1, sink), 0);
    EXPECT_EQ(sink.Code, ErrorVariableFixed);
    EXPECT_EQ(RealValues(model), before);
}

// Interference can only lower C/(N+I) from C/N, so with C/N held an entry above it has no
// I/N to give it and is refused with C/N as the limit, as is one so far below that I/N would
// pass 3000 dB. Every other entry under either choice has its ratios, to the ends of the range.
TEST(KOTCtoNI, WithCnHeldACniOutsideWhatAnInterferenceGivesIsRefused)
{
    const struct {
        const char* label;
        int fixed, index;
        double cn, value;
        const char* refusal;
    } rows[] = {
        {"just above C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, 10.0001,
         "Variable 'C/(N+I)' has been set to 10.0001 dB which is above the limit of 10.0 dB"},
        {"above a negative C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, -25.5, -20,
         "Variable 'C/(N+I)' has been set to -20.0 dB which is above the limit of -25.5 dB"},
        {"above the decibel range too", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, 3001,
         "Variable 'C/(N+I)' has been set to 3001.0 dB which is above the limit of 10.0 dB"},
        // An I/N past 3000 dB would be cut there and give another C/(N+I).
        {"more than the range below C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, -2990.5,
         "Variable 'C/(N+I)' has been set to -2990.5 dB which is below the limit of -2990.0 dB"},
        {"at C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, 10, nullptr},
        {"the range below C/N", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, 10, -2990, nullptr},
        {"below a low C/N, at the end of the range", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCni, -100, -3000, nullptr},
        {"above C/N with I/N held", CKOTCtoNI::FixedIn, CKOTCtoNI::VarCni, 10, 2990, nullptr},
        {"C/I lowest with C/N held", CKOTCtoNI::FixedCn, CKOTCtoNI::VarCi, 10, -3000, nullptr},
        {"C/I lowest with I/N held", CKOTCtoNI::FixedIn, CKOTCtoNI::VarCi, 10, -3000, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTCtoNI model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(CKOTCtoNI::VarCn, row.cn, sink), 1);
        model.m_fixedVar = row.fixed;
        ExpectLimit(model, row.index, row.value, row.refusal);
        if (!row.refusal && row.index == CKOTCtoNI::VarCni) {
            // What was taken is met: the derived ratios combine back into the entry.
            EXPECT_NEAR(ToDb(1 / (1 / FromDb(model.m_cn) + 1 / FromDb(model.m_ci))), row.value, 5e-9);
        }
    }
}

// Before the link tool opens, both links' transmit powers are moved so that their C/N are the
// tool's C/N and I/N; what the user changes in the link comes back as the tool's ratios.
TEST(KOTCtoNI, TheWantedLinkOpensAlignedWithTheRatiosAndSharesItsReceiver)
{
    ScriptedHost host;
    CKOTCtoNI model;
    host.OnDialog(IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        EXPECT_NEAR(model.m_wanted.m_txPower, -7.6053, 5e-5);
        EXPECT_NEAR(model.m_interfering.m_txPower, -17.6053, 5e-5);
        EXPECT_EQ(d.Text(IDC_LINK_SIGNAL_LABEL), "Receive Power C: ");
        EXPECT_EQ(d.Text(IDC_LINK_RATIO_LABEL), "C/N:");
        EXPECT_EQ(d.Text(IDC_LINK_CN), "10.0");
        // A receiver 3 dB noisier, for both links.
        d.TypeInto(IDC_LINK_NOISE, "-140.8288");
        d.PressTab();
    });
    model.RunWantedLink();
    EXPECT_EQ(host.PendingScripts(IDD_TOOL_LINK), 0u);
    EXPECT_NEAR(model.m_cn, 7, 5e-5);
    EXPECT_NEAR(model.m_in, -3, 5e-5);
    EXPECT_NEAR(model.m_ci, 10, 5e-5);
    EXPECT_EQ(model.m_interfering.m_noise, model.m_wanted.m_noise);
    EXPECT_EQ(model.m_interfering.m_temperature, model.m_wanted.m_temperature);
}

TEST(KOTCtoNI, TheInterferingLinkOpensWithItsOwnLabelsAndGivesItsFrequencyToTheWanted)
{
    ScriptedHost host;
    CKOTCtoNI model;
    host.OnDialog(IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_LINK_SIGNAL_LABEL), "Interfering signal I:");
        EXPECT_EQ(d.Text(IDC_LINK_RATIO_LABEL), "I/N:");
        EXPECT_EQ(d.Text(IDC_LINK_CN), "0.0");
        d.TypeInto(IDC_LINK_FREQUENCY, "14");
        d.PressTab();
    });
    model.RunInterferingLink();
    EXPECT_EQ(model.m_wanted.m_frequency, 14e9);
    EXPECT_EQ(model.m_interfering.m_frequency, 14e9);
    // The wanted link's antennas and path follow the frequency it was given.
    CKOTLink expected;
    expected.m_txPower = model.m_wanted.m_txPower;
    ErrorSink sink;
    ASSERT_EQ(expected.SetRealVar(CKOTLink::VarFrequency, 14e9, sink), 1);
    EXPECT_EQ(model.m_wanted.m_cn, expected.m_cn);
    EXPECT_EQ(model.m_cn, model.m_wanted.m_cn);
    EXPECT_EQ(model.m_in, model.m_interfering.m_cn);
    EXPECT_EQ(model.m_ci, model.m_cn - model.m_in);
}

TEST(KOTCtoNI, ALinkClosedUntouchedLeavesTheRatiosAsTheyWere)
{
    for (const bool wanted : {true, false}) {
        SCOPED_TRACE(wanted ? "wanted" : "interfering");
        ScriptedHost host;
        CKOTCtoNI model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(CKOTCtoNI::VarIn, -4, sink), 1);
        host.OnDialog(IDD_TOOL_LINK, [](ScriptedDialog& d) { d.PressEscape(); });
        if (wanted)
            model.RunWantedLink();
        else
            model.RunInterferingLink();
        EXPECT_NEAR(model.m_cn, 10, 1e-9);
        EXPECT_NEAR(model.m_in, -4, 1e-9);
        EXPECT_NEAR(model.m_ci, 14, 1e-9);
    }
}

} // namespace
