#include "formulas/Noise.h"

#include "formulas/Constants.h"
#include "framework/Units.h"

double NoisePower(double temperature, double bandwidth)
{
    // With no temperature or no bandwidth the tool shows k alone rather than -3000 dB.
    if (temperature <= 0 || bandwidth <= 0)
        return BoltzmannDb;
    return ToDb(temperature * bandwidth) + BoltzmannDb;
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
