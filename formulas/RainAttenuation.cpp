#include "formulas/RainAttenuation.h"

#include "formulas/Constants.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double Degree = Pi / 180;

// One curve fit of the rain coefficients over log10(f): a sum of Gaussians plus a straight line.
// k is fitted as log10 k, alpha as itself.
struct GaussianTerm {
    double a, b, c;
};
struct CoefficientFit {
    GaussianTerm terms[5];
    int count;
    double m, c;
};

constexpr CoefficientFit KH = {{{-5.33980, -0.10008, 1.13098},
                                {-0.35351, 1.26970, 0.45400},
                                {-0.23789, 0.86036, 0.15354},
                                {-0.94158, 0.64552, 0.16817}},
                               4, -0.18961, 0.71147};
constexpr CoefficientFit KV = {{{-3.80595, 0.56934, 0.81061},
                                {-3.44965, -0.22911, 0.51059},
                                {-0.39902, 0.73042, 0.11899},
                                {0.50167, 1.07319, 0.27195}},
                               4, -0.16398, 0.63297};
constexpr CoefficientFit AlphaH = {{{-0.14318, 1.82442, -0.55187},
                                    {0.29591, 0.77564, 0.19822},
                                    {0.32177, 0.63773, 0.13164},
                                    {-5.37610, -0.96230, 1.47828},
                                    {16.1721, -3.29980, 3.43990}},
                                   5, 0.67849, -1.95537};
constexpr CoefficientFit AlphaV = {{{-0.07771, 2.33840, -0.76284},
                                    {0.56727, 0.95545, 0.54039},
                                    {-0.20238, 1.14520, 0.26809},
                                    {-48.2991, 0.791669, 0.116226},
                                    {48.5833, 0.791459, 0.116479}},
                                   5, -0.053739, 0.83433};

double Evaluate(const CoefficientFit& fit, double logF)
{
    double sum = fit.m * logF + fit.c;
    for (int j = 0; j < fit.count; ++j) {
        const double x = (logF - fit.terms[j].b) / fit.terms[j].c;
        sum += fit.terms[j].a * std::exp(-x * x);
    }
    return sum;
}

double ClampFrequency(double frequency) { return std::clamp(frequency, 1.0, 1000.0); }
double ClampElevation(double elevation) { return std::clamp(elevation, 5.0, 90.0); }
double ClampRainRate(double rainRate) { return std::min(rainRate, 1e4); }

// R0.01 of the zones in the order of RainZoneLetters.
constexpr double ZoneRates001[] = {8, 12, 15, 19, 22, 28, 30, 32, 35, 42, 60, 63, 95, 145, 115};
static_assert(std::size(ZoneRates001) == RainZoneLetters.size());

} // namespace

RainCoefficients RainCoefficientsFor(double frequency, double elevation, double tilt)
{
    const double logF = std::log10(ClampFrequency(frequency));
    const double kH = std::pow(10.0, Evaluate(KH, logF));
    const double kV = std::pow(10.0, Evaluate(KV, logF));
    const double alphaH = Evaluate(AlphaH, logF);
    const double alphaV = Evaluate(AlphaV, logF);
    // Between the horizontal and the vertical values by the tilt as the path sees it: an
    // elevated path sees less of the drops' flattening.
    const double cosElevation = std::cos(ClampElevation(elevation) * Degree);
    const double mix = cosElevation * cosElevation * std::cos(2 * tilt * Degree);
    const double k = (kH + kV + (kH - kV) * mix) / 2;
    const double alpha = (kH * alphaH + kV * alphaV + (kH * alphaH - kV * alphaV) * mix) / (2 * k);
    return {k, alpha};
}

double RainSpecificAttenuation(double frequency, double elevation, double tilt, double rainRate)
{
    if (!(rainRate > 0))
        return 0;
    const RainCoefficients c = RainCoefficientsFor(frequency, elevation, tilt);
    return c.k * std::pow(ClampRainRate(rainRate), c.alpha);
}

double RainAttenuation(double frequency, double elevation, double latitude, double stationHeight,
                       double rainHeight, double percentage, double rainRate001, double tilt)
{
    if (!(rainHeight > stationHeight) || !(rainRate001 > 0))
        return 0;
    const double rainColumn = std::min(rainHeight - stationHeight, 100.0);
    const double f = ClampFrequency(frequency);
    const double theta = ClampElevation(elevation);
    const double p = std::clamp(percentage, 0.001, 5.0);
    const double sinTheta = std::sin(theta * Degree);
    const double cosTheta = std::cos(theta * Degree);

    const double slant = rainColumn / sinTheta;
    const double horizontal = slant * cosTheta;
    const double gamma = RainSpecificAttenuation(f, theta, tilt, rainRate001);

    // The rain cell is shorter than the horizontal path through the rain...
    const double r001 = 1 / (1 + 0.78 * std::sqrt(horizontal * gamma / f) - 0.38 * (1 - std::exp(-2 * horizontal)));
    // ...and, when the path leaves the cell through its side, the slant length in rain is that of
    // the shortened cell.
    const double zeta = std::atan2(rainColumn, horizontal * r001) / Degree;
    const double inRain = zeta > theta ? horizontal * r001 / cosTheta : slant;
    // Tropical rain columns are less uniform in height: chi grows towards the equator.
    const double chi = std::fabs(latitude) < 36 ? 36 - std::fabs(latitude) : 0;
    const double v001 = 1 / (1 + std::sqrt(sinTheta) * (31 * (1 - std::exp(-theta / (1 + chi))) *
                                                            std::sqrt(inRain * gamma) / (f * f) - 0.45));
    const double a001 = gamma * inRain * v001;
    if (!(a001 > 0))
        return 0;

    double beta = 0;
    if (p < 1 && std::fabs(latitude) < 36) {
        beta = -0.005 * (std::fabs(latitude) - 36);
        if (theta < 25)
            beta += 1.8 - 4.25 * sinTheta;
    }
    const double exponent = 0.655 + 0.033 * std::log(p) - 0.045 * std::log(a001) - beta * (1 - p) * sinTheta;
    return a001 * std::pow(p / 0.01, -exponent);
}

double RainZoneRate001(char zone)
{
    const auto at = RainZoneLetters.find(zone);
    return at == std::string_view::npos ? 0 : ZoneRates001[at];
}
