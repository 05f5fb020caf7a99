#include "models/KOTTemp.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTTemp, CalculatedVariableFollowsEachInput)
{
    CKOTTemp model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarTemperature, 290, sink), 1);
    ExpectPrinted(model.m_noise, -203.82879, 8);
    ExpectPrinted(model.m_bandwidth, 1.03448, 6);

    ASSERT_EQ(model.SetCalcVar(CKOTTemp::VarNoise), 1);
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarBandwidth, 1e6, sink), 1);
    ExpectPrinted(model.m_noise, -143.97602, 8);

    // kT of 1000 K over 1 MHz is -138.6 dBW, the upper limit itself.
    ASSERT_EQ(model.SetCalcVar(CKOTTemp::VarTemperature), 1);
    EXPECT_EQ(model.m_temperature, 290);
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarNoise, -138.6, sink), 1);
    ExpectPrinted(model.m_temperature, 1000, 12);
    EXPECT_EQ(model.m_bandwidth, 1e6);

    EXPECT_EQ(model.SetCalcVar(5), 0);
    EXPECT_EQ(model.SetCalcVar(1), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTTemp::VarTemperature);
}

TEST(KOTTemp, LowestNoiseIsAcceptedAndItsBandwidthKept)
{
    CKOTTemp model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarNoise, -258.6, sink), 1);
    // 1e-3 spread over 300 K: below the bandwidth's own limit, yet stored as computed.
    ExpectPrinted(model.m_bandwidth, 3.33333e-6, 6);
}

// A bandwidth has no upper limit, and 1e300 Hz at the warmest temperature puts kTB past the
// largest double; the noise is still the finite sum of their decibels.
TEST(KOTTemp, NoiseOfTheWidestBandAtTheWarmestTemperatureIsFinite)
{
    CKOTTemp model;
    ErrorSink sink;
    ASSERT_EQ(model.SetCalcVar(CKOTTemp::VarNoise), 1);
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarTemperature, 1e9, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTTemp::VarBandwidth, 1e300, sink), 1);
    EXPECT_EQ(ValueText(model, CKOTTemp::VarNoise), "2861.4");
}

} // namespace
