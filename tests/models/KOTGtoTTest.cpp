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

TEST(KOTGtoT, PeakGainFromTheLauncherMovesGtoT)
{
    CKOTGtoT model;
    model.SetPeakGain(40);
    EXPECT_EQ(model.m_peakGain, 40);
    EXPECT_EQ(model.m_temperature, 300);
    ExpectPrinted(model.m_gtot, 15.22879, 7);
}

} // namespace
