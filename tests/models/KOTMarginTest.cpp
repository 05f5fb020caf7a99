#include "framework/ErrorSink.h"
#include "models/KOTMargin.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int Qpsk14 = 0;
constexpr int Psk8_23 = 12;

// The starting carrier as the window shows it, rates and bandwidths in their display units; the
// figures are those of tests/formulas/LinkMarginTest.cpp's first row.
TEST(KOTMargin, StartsWithAQpskCarrierInA36MHzTransponder)
{
    const CKOTMargin model;
    ExpectVariables(model, {
        {CKOTMargin::VarCarrierToNoise, "C/N", VarKindReal, UnitDb, UnitDb, "10.0"},
        {CKOTMargin::VarNoiseBandwidth, "Noise Bandwidth", VarKindReal, UnitHz, UnitMHz, "36.0"},
        {CKOTMargin::VarSymbolRate, "Symbol Rate", VarKindReal, UnitSymPerS, UnitMsymPerS, "27.5"},
        {CKOTMargin::VarRollOff, "Roll-off", VarKindReal, UnitNone, UnitNone, "0.2"},
        {CKOTMargin::VarModcod, "MODCOD", VarKindInt, UnitNone, UnitNone, "QPSK 3/4"},
        {CKOTMargin::VarImplementationMargin, "Implementation Margin", VarKindReal, UnitDb, UnitDb, "1.0"},
        {CKOTMargin::VarCarrierToNoiseDensity, "C/N0", VarKindReal, UnitDbHz, UnitDbHz, "85.563"},
        {CKOTMargin::VarEsN0, "Es/N0", VarKindReal, UnitDb, UnitDb, "11.1697"},
        {CKOTMargin::VarEbN0, "Eb/N0", VarKindReal, UnitDb, UnitDb, "9.4452"},
        {CKOTMargin::VarRequiredEsN0, "Required Es/N0", VarKindReal, UnitDb, UnitDb, "5.03"},
        {CKOTMargin::VarMargin, "Link Margin", VarKindReal, UnitDb, UnitDb, "6.1397"},
        {CKOTMargin::VarBitRate, "Useful Bit Rate", VarKindReal, UnitBitPerS, UnitMbitPerS, "40.9055"},
        {CKOTMargin::VarOccupiedBandwidth, "Occupied Bandwidth", VarKindReal, UnitHz, UnitMHz, "33.0"},
        {CKOTMargin::VarBestModcod, "Best MODCOD", VarKindInt, UnitNone, UnitNone, "16APSK 2/3"},
    });
    EXPECT_EQ(model.GetEnumCount(CKOTMargin::VarModcod), Dvbs2ModcodCount);
    for (int index = CKOTMargin::VarCarrierToNoise; index < CKOTMargin::VarTotal; ++index)
        EXPECT_EQ(model.GetVarAccess(index), index < CKOTMargin::FirstDerivedVar ? VarEditable : VarReadOnly);
}

// Limits with the usual warning, in the display unit; nothing moves on a refusal.
TEST(KOTMargin, EntriesAreCheckedAgainstTheirLimits)
{
    CKOTMargin model;
    const struct {
        int index;
        double value;
        const char* refusal;
    } rows[] = {
        {CKOTMargin::VarCarrierToNoise, 100.5, "Variable 'C/N' has been set to 100.5 dB which is above the limit of 100.0 dB"},
        {CKOTMargin::VarCarrierToNoise, -50.0, nullptr},
        {CKOTMargin::VarNoiseBandwidth, 0.5, "Variable 'Noise Bandwidth' has been set to 5.0000e-07 MHz which is below the limit of 1.0000e-06 MHz"},
        {CKOTMargin::VarSymbolRate, 2e12, "Variable 'Symbol Rate' has been set to 2.0000e+06 Msym/s which is above the limit of 1.0000e+06 Msym/s"},
        {CKOTMargin::VarRollOff, 1.5, "Variable 'Roll-off' has been set to 1.5 which is above the limit of 1.0"},
        {CKOTMargin::VarRollOff, 0.0, nullptr},
        {CKOTMargin::VarImplementationMargin, -0.1, "Variable 'Implementation Margin' has been set to -0.1 dB which is below the limit of 0.0 dB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        ExpectLimit(model, row.index, row.value, row.refusal);
    }
    ErrorSink sink;
    EXPECT_EQ(model.SetIntVar(CKOTMargin::VarModcod, Dvbs2ModcodCount, sink), 0);
    EXPECT_EQ(model.m_modcod, 6);
}

// Typed rates are read in the display unit or converted from the one typed after them; a choice
// of MODCOD and every entry bring all the results along at once.
TEST(KOTMargin, TypedRatesAndAChosenModcodRecalculate)
{
    CKOTMargin model;
    ErrorSink sink;
    ASSERT_EQ(model.SetValueFromText(CKOTMargin::VarSymbolRate, "45", sink), 1);
    EXPECT_EQ(model.m_symbolRate, 45e6);
    ASSERT_EQ(model.SetValueFromText(CKOTMargin::VarNoiseBandwidth, "54e6 Hz", sink), 1);
    EXPECT_EQ(model.m_noiseBandwidth, 54e6);
    EXPECT_EQ(model.SetValueFromText(CKOTMargin::VarSymbolRate, "45 Mbit/s", sink), 0);
    ASSERT_EQ(model.SetRealVar(CKOTMargin::VarCarrierToNoise, 6.0, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTMargin::VarRollOff, 0.35, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTMargin::VarImplementationMargin, 0.5, sink), 1);
    ASSERT_EQ(model.SetIntVar(CKOTMargin::VarModcod, Psk8_23, sink), 1);
    const MarginResults out = LinkMargin({6.0, 54e6, 45e6, 0.35, Psk8_23, 0.5});
    EXPECT_EQ(model.m_esN0, out.esN0);
    EXPECT_EQ(model.m_margin, out.margin);
    EXPECT_LT(model.m_margin, 0.0);
    EXPECT_EQ(model.m_bestModcod, out.bestModcod);
    EXPECT_STREQ(model.BestModcodText(), "8PSK 3/5");

    const std::vector<ModcodMarginPoint> chart = model.MarginsOfEveryModcod();
    ASSERT_EQ(chart.size(), static_cast<std::size_t>(Dvbs2ModcodCount));
    EXPECT_EQ(chart[Psk8_23].margin, model.m_margin);
}

// Where not even QPSK 1/4 is received, the best MODCOD is none: -1, shown as "none".
TEST(KOTMargin, NoModcodFitsAWeakCarrier)
{
    CKOTMargin model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTMargin::VarCarrierToNoise, -5.0, sink), 1);
    EXPECT_EQ(model.m_bestModcod, -1);
    EXPECT_STREQ(model.BestModcodText(), "none");
    EXPECT_EQ(ValueText(model, CKOTMargin::VarBestModcod), "none");
    // Enough for the most robust one and not the next (Es/N0 -0.83 dB, 1 dB of it the
    // demodulator's) brings it back.
    ASSERT_EQ(model.SetIntVar(CKOTMargin::VarModcod, Qpsk14, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTMargin::VarCarrierToNoise, -2.0, sink), 1);
    EXPECT_EQ(model.m_bestModcod, Qpsk14);
    EXPECT_EQ(ValueText(model, CKOTMargin::VarBestModcod), "QPSK 1/4");
}

} // namespace
