#include "formulas/CloudAttenuation.h"

#include "formulas/Constants.h"

#include <algorithm>
#include <cmath>

double CloudLiquidCoefficient(double frequency, double temperature)
{
    const double f = std::clamp(frequency, 1.0, 1000.0);
    const double theta = 300 / std::max(temperature, 1.0);
    // Static permittivity, and the high-frequency limits of the two relaxations.
    const double eps0 = 77.66 + 103.3 * (theta - 1);
    const double eps1 = 0.0671 * eps0;
    const double eps2 = 3.52;
    // The principal and secondary relaxation frequencies, GHz.
    const double fp = 20.20 - 146 * (theta - 1) + 316 * (theta - 1) * (theta - 1);
    const double fs = 39.8 * fp;
    const double rp = f / fp;
    const double rs = f / fs;
    const double epsImag = f * (eps0 - eps1) / (fp * (1 + rp * rp)) + f * (eps1 - eps2) / (fs * (1 + rs * rs));
    const double epsReal = (eps0 - eps1) / (1 + rp * rp) + (eps1 - eps2) / (1 + rs * rs) + eps2;
    const double eta = (2 + epsReal) / epsImag;
    return 0.819 * f / (epsImag * (1 + eta * eta));
}

double CloudAttenuation(double frequency, double elevation, double liquidWater)
{
    if (!(liquidWater > 0))
        return 0;
    const double sinElevation = std::sin(std::clamp(elevation, 5.0, 90.0) * Pi / 180);
    return liquidWater * CloudLiquidCoefficient(frequency, 273.15) / sinElevation;
}
