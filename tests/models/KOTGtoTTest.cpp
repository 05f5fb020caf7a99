#include "models/KOTGtoT.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

// The setters only store: the dialog's Calculate buttons decide what is derived.
TEST(KOTGtoT, SettersStoreAndCalculateDerives)
{
    CKOTGtoT model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarTemperature, 600, sink), 1);
    ExpectPrinted(model.m_gtot, 5.22879, 6);
    model.CalcGtoT();
    ExpectPrinted(model.m_gtot, 2.21849, 6);

    ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarGtoT, 10, sink), 1);
    EXPECT_EQ(model.m_temperature, 600);
    model.CalcTemperature();
    EXPECT_DOUBLE_EQ(model.m_temperature, 100);

    ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarTemperature, 1000, sink), 1);
    model.CalcPeakGain();
    EXPECT_DOUBLE_EQ(model.m_peakGain, 40);

    // Calculated values are kept even where the setter would refuse them.
    ASSERT_EQ(model.SetRealVar(CKOTGtoT::VarGtoT, -3000, sink), 1);
    model.CalcPeakGain();
    EXPECT_DOUBLE_EQ(model.m_peakGain, -2970);
}

// A script picks the quantity derived and derives it once its entries are in; the window's
// buttons make theirs the calculated one.
TEST(KOTGtoT, TheCalculatedVariableIsDerivedOnRecalculate)
{
    const struct {
        int calc;
        double CKOTGtoT::*derived;
        double expected;
    } rows[] = {
        {CKOTGtoT::VarGtoT, &CKOTGtoT::m_gtot, 0.0},
        {CKOTGtoT::VarPeakGain, &CKOTGtoT::m_peakGain, 40.0},
        {CKOTGtoT::VarTemperature, &CKOTGtoT::m_temperature, 100.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.calc);
        CKOTGtoT model;
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        model.m_peakGain = 30.0;
        model.m_temperature = 1000.0;
        model.m_gtot = 10.0;
        (model.*row.derived) = -1.0;
        EXPECT_EQ(model.GetCalcVar(), row.calc);
        model.Recalculate();
        EXPECT_NEAR(model.*row.derived, row.expected, 1e-12);
    }
    CKOTGtoT model;
    EXPECT_EQ(model.GetCalcVar(), CKOTGtoT::VarGtoT);
    EXPECT_EQ(model.SetCalcVar(1), 0);
    model.CalcTemperature();
    EXPECT_EQ(model.GetCalcVar(), CKOTGtoT::VarTemperature);
}

TEST(KOTGtoT, PeakGainFromTheLauncherMovesGtoT)
{
    CKOTGtoT model;
    model.SetPeakGain(40);
    EXPECT_EQ(model.m_peakGain, 40);
    EXPECT_EQ(model.m_temperature, 300);
    ExpectPrinted(model.m_gtot, 15.22879, 7);
}

// G/T is a gain over a temperature, shown and typed in dB/K; the peak gain is the antenna's, in
// dBi as in the other antenna tools. Neither takes the other's unit, nor a plain dB.
TEST(KOTGtoT, GtoTInDbPerKelvinAndThePeakGainInDbi)
{
    const struct {
        int index;
        const char* label;
        const char* typed;
        const char* refusal; // null: accepted
    } rows[] = {
        {CKOTGtoT::VarGtoT, "dB/K", "12 dB/K", nullptr},
        {CKOTGtoT::VarGtoT, "dB/K", "12db/k", nullptr},
        {CKOTGtoT::VarGtoT, "dB/K", "12 dB", "Variable 'G/T' cannot take a value in dB"},
        {CKOTGtoT::VarGtoT, "dB/K", "12 dBi", "Variable 'G/T' cannot take a value in dBi"},
        {CKOTGtoT::VarPeakGain, "dBi", "12 dBi", nullptr},
        {CKOTGtoT::VarPeakGain, "dBi", "12 dB/K", "Variable 'Peak gain' cannot take a value in dB/K"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        CKOTGtoT model;
        std::string label;
        model.GetUnitLabel(row.index, label);
        EXPECT_EQ(label, row.label);
        ErrorSink sink;
        EXPECT_EQ(model.SetValueFromText(row.index, row.typed, sink), row.refusal ? 0 : 1);
        double stored = 0;
        model.GetRealVar(row.index, stored);
        if (row.refusal) {
            EXPECT_EQ(sink.Explanation, row.refusal);
        } else {
            EXPECT_EQ(stored, 12);
        }
    }
}

} // namespace
