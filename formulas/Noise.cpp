#include "formulas/Noise.h"

#include "formulas/Constants.h"
#include "framework/Units.h"

#include <cmath>

double NoisePower(double temperature, double bandwidth)
{
    // With no temperature or no bandwidth the tool shows k alone rather than -3000 dB.
    if (temperature <= 0 || bandwidth <= 0)
        return BoltzmannDb;
    const double product = temperature * bandwidth;
    // A product past the largest double (1e9 K over 1e300 Hz) is taken as a sum of decibels,
    // which is the same value; everywhere else the product keeps its last bit.
    if (!std::isfinite(product))
        return ToDb(temperature) + ToDb(bandwidth) + BoltzmannDb;
    return ToDb(product) + BoltzmannDb;
}

double TemperatureFromNoise(double noise, double bandwidth)
{
    // The noise tool's limits keep the bandwidth at 1e-4 Hz or more, so no guard here.
    return FromDb(noise - BoltzmannDb) / bandwidth;
}

double BandwidthFromNoise(double temperature, double noise)
{
    // 1 Hz rather than 0: zero is below the noise tool's bandwidth limit, 1 Hz is inside it.
    if (temperature <= 0)
        return 1;
    return FromDb(noise - BoltzmannDb) / temperature;
}

double GtoTFromGain(double gain, double temperature)
{
    return gain - ToDb(temperature);
}

double GainFromGtoT(double temperature, double gtot)
{
    return ToDb(temperature) + gtot;
}

double TemperatureFromGtoT(double gain, double gtot)
{
    return FromDb(gain - gtot);
}
