#include "formulas/Scintillation.h"

#include "formulas/Constants.h"

#include <algorithm>
#include <cmath>

double ScintillationFadeDepth(double frequency, double elevation, double percentage, double nwet,
                              double diameter, double efficiency)
{
    const double f = std::clamp(frequency, 1.0, 1000.0);
    const double sinTheta = std::sin(std::clamp(elevation, 5.0, 90.0) * Pi / 180);
    const double p = std::clamp(percentage, 0.001, 50.0);

    // The turbulent layer is taken 1000 m thick: the path length through it, in metres.
    const double turbulentPath = 2000 / (std::sqrt(sinTheta * sinTheta + 2.35e-4) + sinTheta);
    const double effectiveDiameter = std::sqrt(std::max(efficiency, 0.0)) * std::max(diameter, 0.0);
    // A large aperture averages the fluctuations out: past x = 7 nothing is left of them.
    const double x = 1.22 * effectiveDiameter * effectiveDiameter * f / turbulentPath;
    if (!(x < 7))
        return 0;
    const double averaging = 3.86 * std::pow(x * x + 1, 11.0 / 12) * std::sin(11.0 / 6 * std::atan2(1, x)) -
                             7.08 * std::pow(x, 5.0 / 6);
    if (!(averaging > 0))
        return 0;
    const double sigmaRef = 3.6e-3 + 1e-4 * nwet;
    const double sigma = sigmaRef * std::pow(f, 7.0 / 12) * std::sqrt(averaging) / std::pow(sinTheta, 1.2);
    const double logP = std::log10(p);
    const double timeFactor = -0.061 * logP * logP * logP + 0.072 * logP * logP - 1.71 * logP + 3.0;
    return std::max(timeFactor * sigma, 0.0);
}
