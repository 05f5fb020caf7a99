#include "formulas/Atmosphere.h"

#include "formulas/CloudAttenuation.h"
#include "formulas/GasAttenuation.h"
#include "formulas/RainAttenuation.h"
#include "formulas/Scintillation.h"

#include <algorithm>
#include <cmath>

double TotalAttenuation(double gas, double rain, double cloud, double scintillation)
{
    return gas + std::hypot(rain + cloud, scintillation);
}

double SkyNoiseTemperature(double attenuation)
{
    const double transmitted = std::pow(10.0, -std::max(attenuation, 0.0) / 10);
    return 275 * (1 - transmitted) + 2.7 * transmitted;
}

AtmosphereResults AtmosphericLosses(const AtmosphereInputs& in)
{
    AtmosphereResults out;
    out.rainSpecific = RainSpecificAttenuation(in.frequency, in.elevation, in.tilt, in.rainRate);
    out.rain = RainAttenuation(in.frequency, in.elevation, in.latitude, in.stationHeight, in.rainHeight,
                               in.percentage, in.rainRate, in.tilt);
    // The user enters the total pressure, as a barometer reads it; the line sums take that of dry
    // air, which is what is left after the water-vapour pressure e = rho T / 216.7.
    const double kelvin = in.temperature + 273.15;
    const double dryPressure = in.pressure - in.vapourDensity * kelvin / 216.7;
    out.gas = GasAttenuation(in.frequency, in.elevation, in.stationHeight, dryPressure, kelvin,
                             in.vapourDensity, in.vapourContent);
    out.cloud = CloudAttenuation(in.frequency, in.elevation, in.liquidWater);
    out.scintillation = ScintillationFadeDepth(in.frequency, in.elevation, in.percentage, in.nwet,
                                               in.diameter, in.efficiency);
    out.total = TotalAttenuation(out.gas, out.rain, out.cloud, out.scintillation);
    out.skyTemperature = SkyNoiseTemperature(out.gas + out.rain + out.cloud);
    return out;
}
