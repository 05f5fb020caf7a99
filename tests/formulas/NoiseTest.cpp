#include "formulas/Noise.h"
#include "tests/formulas/Printed.h"

TEST(Noise, ReferenceValues)
{
    ExpectPrinted({
        {"300 K in 1 Hz", NoisePower(300, 1), "-203.82879"},
        {"290 K in 1 MHz", NoisePower(290, 1e6), "-143.97602"},
        {"G/T of 30 dB at 300 K", GtoTFromGain(30, 300), "5.22879"},
        // The product of temperature and bandwidth is past the largest double.
        {"1e9 K in 1e300 Hz", NoisePower(1e9, 1e300), "2861.40000"},
        {"1e5 K in 1e304 Hz", NoisePower(1e5, 1e304), "2861.40000"},
        {"0 K is the ToDb floor in G/T", GtoTFromGain(30, 0), "3030.00000"},
    });
    ExpectExact({
        {"0 K gives k alone", NoisePower(0, 1e6), -228.6},
        {"zero bandwidth gives k alone", NoisePower(300, 0), -228.6},
        {"bandwidth at 0 K is 1 Hz", BandwidthFromNoise(0, -150), 1},
    });
}

TEST(Noise, InversesRecoverTheMissingInput)
{
    const struct { double temperature, bandwidth, gain; } rows[] = {
        {300, 1, 30}, {290, 1e6, 46.46}, {20, 3.6e7, -3}, {1e-3, 1e-4, 0}, {5e4, 5e8, 70},
    };
    for (const auto& [temperature, bandwidth, gain] : rows) {
        SCOPED_TRACE(::testing::Message() << temperature << " K, " << bandwidth << " Hz, " << gain << " dB");
        const double noise = NoisePower(temperature, bandwidth);
        EXPECT_NEAR(TemperatureFromNoise(noise, bandwidth), temperature, 1e-12 * temperature);
        EXPECT_NEAR(BandwidthFromNoise(temperature, noise), bandwidth, 1e-12 * bandwidth);
        const double gtot = GtoTFromGain(gain, temperature);
        EXPECT_NEAR(GainFromGtoT(temperature, gtot), gain, 1e-12);
        EXPECT_NEAR(TemperatureFromGtoT(gain, gtot), temperature, 1e-12 * temperature);
    }
}
