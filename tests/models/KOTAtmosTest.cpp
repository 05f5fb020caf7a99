#include "framework/ErrorSink.h"
#include "models/KOTAtmos.h"
#include "tests/formulas/Printed.h"

#include <gtest/gtest.h>

namespace {

// The model hands the formulas their units (Hz to GHz, km to m): at 14.25 GHz and 0.01 % its
// starting station gives the figures worked from the Recommendations' equations directly.
TEST(KOTAtmos, StartingStationAtKuBandForOneHundredthOfAPercent)
{
    CKOTAtmos model;
    ErrorSink sink;
    ASSERT_TRUE(model.SetRealVar(CKOTAtmos::VarFrequency, 14.25e9, sink));
    ASSERT_TRUE(model.SetRealVar(CKOTAtmos::VarPercentage, 0.01, sink));
    ExpectPrinted({
        {"gamma_R", model.m_rainSpecific, "2.477"},
        {"A_R", model.m_rain, "11.93"},
        {"A_G", model.m_gas, "0.150"},
        {"A_C", model.m_cloud, "0.372"},
        {"A_S", model.m_scintillation, "0.626"},
        {"A_T", model.m_total, "12.46"},
        {"T_sky", model.m_skyTemperature, "259.5"},
        {"availability", model.m_availability, "99.99"},
    });
}

} // namespace
