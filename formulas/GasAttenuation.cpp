#include "formulas/GasAttenuation.h"

#include "formulas/Constants.h"

#include <algorithm>
#include <cmath>

namespace {

// A spectral line: its frequency (GHz) and six constants. For oxygen, c1 and c2 make the line
// strength, c3 and c4 its width, c5 and c6 the interference (line-mixing) shift; for water
// vapour, c1 and c2 the strength and c3 to c6 the width.
struct Line {
    double f0, c1, c2, c3, c4, c5, c6;
};

constexpr Line OxygenLines[] = {
    {50.474214, 0.975, 9.651, 6.69, 0, 2.566, 6.85},
    {50.987745, 2.529, 8.653, 7.17, 0, 2.246, 6.8},
    {51.50336, 6.193, 7.709, 7.64, 0, 1.947, 6.729},
    {52.021429, 14.32, 6.819, 8.11, 0, 1.667, 6.64},
    {52.542418, 31.24, 5.983, 8.58, 0, 1.388, 6.526},
    {53.066934, 64.29, 5.201, 9.06, 0, 1.349, 6.206},
    {53.595775, 124.6, 4.474, 9.55, 0, 2.227, 5.085},
    {54.130025, 227.3, 3.8, 9.96, 0, 3.17, 3.75},
    {54.67118, 389.7, 3.182, 10.37, 0, 3.558, 2.654},
    {55.221384, 627.1, 2.618, 10.89, 0, 2.56, 2.952},
    {55.783815, 945.3, 2.109, 11.34, 0, -1.172, 6.135},
    {56.264774, 543.4, 0.014, 17.03, 0, 3.525, -0.978},
    {56.363399, 1331.8, 1.654, 11.89, 0, -2.378, 6.547},
    {56.968211, 1746.6, 1.255, 12.23, 0, -3.545, 6.451},
    {57.612486, 2120.1, 0.91, 12.62, 0, -5.416, 6.056},
    {58.323877, 2363.7, 0.621, 12.95, 0, -1.932, 0.436},
    {58.446588, 1442.1, 0.083, 14.91, 0, 6.768, -1.273},
    {59.164204, 2379.9, 0.387, 13.53, 0, -6.561, 2.309},
    {59.590983, 2090.7, 0.207, 14.08, 0, 6.957, -0.776},
    {60.306056, 2103.4, 0.207, 14.15, 0, -6.395, 0.699},
    {60.434778, 2438, 0.386, 13.39, 0, 6.342, -2.825},
    {61.150562, 2479.5, 0.621, 12.92, 0, 1.014, -0.584},
    {61.800158, 2275.9, 0.91, 12.63, 0, 5.014, -6.619},
    {62.41122, 1915.4, 1.255, 12.17, 0, 3.029, -6.759},
    {62.486253, 1503, 0.083, 15.13, 0, -4.499, 0.844},
    {62.997984, 1490.2, 1.654, 11.74, 0, 1.856, -6.675},
    {63.568526, 1078, 2.108, 11.34, 0, 0.658, -6.139},
    {64.127775, 728.7, 2.617, 10.88, 0, -3.036, -2.895},
    {64.67891, 461.3, 3.181, 10.38, 0, -3.968, -2.59},
    {65.224078, 274, 3.8, 9.96, 0, -3.528, -3.68},
    {65.764779, 153, 4.473, 9.55, 0, -2.548, -5.002},
    {66.302096, 80.4, 5.2, 9.06, 0, -1.66, -6.091},
    {66.836834, 39.8, 5.982, 8.58, 0, -1.68, -6.393},
    {67.369601, 18.56, 6.818, 8.11, 0, -1.956, -6.475},
    {67.900868, 8.172, 7.708, 7.64, 0, -2.216, -6.545},
    {68.431006, 3.397, 8.652, 7.17, 0, -2.492, -6.6},
    {68.960312, 1.334, 9.65, 6.69, 0, -2.773, -6.65},
    {118.750334, 940.3, 0.01, 16.64, 0, -0.439, 0.079},
    {368.498246, 67.4, 0.048, 16.4, 0, 0, 0},
    {424.76302, 637.7, 0.044, 16.4, 0, 0, 0},
    {487.249273, 237.4, 0.049, 16, 0, 0, 0},
    {715.392902, 98.1, 0.145, 16, 0, 0, 0},
    {773.83949, 572.3, 0.141, 16.2, 0, 0, 0},
    {834.145546, 183.1, 0.145, 14.7, 0, 0, 0},
};

constexpr Line WaterVapourLines[] = {
    {22.23508, 0.1079, 2.144, 26.38, 0.76, 5.087, 1},
    {67.80396, 0.0011, 8.732, 28.58, 0.69, 4.93, 0.82},
    {119.99594, 0.0007, 8.353, 29.48, 0.7, 4.78, 0.79},
    {183.310087, 2.273, 0.668, 29.06, 0.77, 5.022, 0.85},
    {321.22563, 0.047, 6.179, 24.04, 0.67, 4.398, 0.54},
    {325.152888, 1.514, 1.541, 28.23, 0.64, 4.893, 0.74},
    {336.227764, 0.001, 9.825, 26.93, 0.69, 4.74, 0.61},
    {380.197353, 11.67, 1.048, 28.11, 0.54, 5.063, 0.89},
    {390.134508, 0.0045, 7.347, 21.52, 0.63, 4.81, 0.55},
    {437.346667, 0.0632, 5.048, 18.45, 0.6, 4.23, 0.48},
    {439.150807, 0.9098, 3.595, 20.07, 0.63, 4.483, 0.52},
    {443.018343, 0.192, 5.048, 15.55, 0.6, 5.083, 0.5},
    {448.001085, 10.41, 1.405, 25.64, 0.66, 5.028, 0.67},
    {470.888999, 0.3254, 3.597, 21.34, 0.66, 4.506, 0.65},
    {474.689092, 1.26, 2.379, 23.2, 0.65, 4.804, 0.64},
    {488.490108, 0.2529, 2.852, 25.86, 0.69, 5.201, 0.72},
    {503.568532, 0.0372, 6.731, 16.12, 0.61, 3.98, 0.43},
    {504.482692, 0.0124, 6.731, 16.12, 0.61, 4.01, 0.45},
    {547.67644, 0.9785, 0.158, 26, 0.7, 4.5, 1},
    {552.02096, 0.184, 0.158, 26, 0.7, 4.5, 1},
    {556.935985, 497, 0.159, 30.86, 0.69, 4.552, 1},
    {620.700807, 5.015, 2.391, 24.38, 0.71, 4.856, 0.68},
    {645.766085, 0.0067, 8.633, 18, 0.6, 4, 0.5},
    {658.00528, 0.2732, 7.816, 32.1, 0.69, 4.14, 1},
    {752.033113, 243.4, 0.396, 30.86, 0.68, 4.352, 0.84},
    {841.051732, 0.0134, 8.177, 15.9, 0.33, 5.76, 0.45},
    {859.965698, 0.1325, 8.055, 30.6, 0.68, 4.09, 0.84},
    {899.303175, 0.0547, 7.914, 29.85, 0.68, 4.53, 0.9},
    {902.611085, 0.0386, 8.429, 28.65, 0.7, 5.1, 0.95},
    {906.205957, 0.1836, 5.11, 24.08, 0.7, 4.7, 0.53},
    {916.171582, 8.4, 1.441, 26.73, 0.7, 5.15, 0.78},
    {923.112692, 0.0079, 10.293, 29, 0.7, 5, 0.8},
    {970.315022, 9.009, 1.919, 25.5, 0.64, 4.94, 0.67},
    {987.926764, 134.6, 0.257, 29.85, 0.68, 4.55, 0.9},
    {1780, 17506, 0.952, 196.3, 2, 24.15, 5},
};

// The lines the oxygen equivalent height adds for the bands above the 60 GHz complex: weight and
// line frequency (GHz).
struct HeightLine {
    double c, f0;
};
constexpr HeightLine OxygenHeightLines[] = {
    {0.1597, 118.750334}, {0.1066, 368.498246}, {0.1325, 424.763020}, {0.1242, 487.249273},
    {0.0938, 715.392902}, {0.1448, 773.839490}, {0.1374, 834.145546},
};

double ClampFrequency(double frequency) { return std::clamp(frequency, 1.0, 1000.0); }
double ClampPressure(double pressure) { return std::clamp(pressure, 0.0, 1e4); }
double ClampTemperature(double temperature) { return std::clamp(temperature, 100.0, 1000.0); }
double ClampDensity(double density) { return std::clamp(density, 0.0, 1e3); }

// Water-vapour partial pressure, hPa.
double VapourPressure(double vapourDensity, double temperature) { return vapourDensity * temperature / 216.7; }

// The shape of a line at f: the resonance at f0 and its mirror at -f0, with the shift delta.
double LineShape(double f, double f0, double width, double delta)
{
    const double below = f0 - f;
    const double above = f0 + f;
    return f / f0 * ((width - delta * below) / (below * below + width * width) +
                     (width - delta * above) / (above * above + width * width));
}

} // namespace

double DryAirSpecificAttenuation(double frequency, double pressure, double temperature, double vapourDensity)
{
    const double f = ClampFrequency(frequency);
    const double p = ClampPressure(pressure);
    if (p == 0)
        return 0;
    const double t = ClampTemperature(temperature);
    const double theta = 300 / t;
    const double e = VapourPressure(ClampDensity(vapourDensity), t);
    const double theta08 = std::pow(theta, 0.8);
    double sum = 0;
    for (const Line& line : OxygenLines) {
        const double strength = line.c1 * 1e-7 * p * theta * theta * theta * std::exp(line.c2 * (1 - theta));
        double width = line.c3 * 1e-4 * (p * std::pow(theta, 0.8 - line.c4) + 1.1 * e * theta);
        // Zeeman splitting keeps the lines from narrowing without bound at low pressure.
        width = std::sqrt(width * width + 2.25e-6);
        const double delta = (line.c5 + line.c6 * theta) * 1e-4 * (p + e) * theta08;
        sum += strength * LineShape(f, line.f0, width, delta);
    }
    // The dry continuum: the Debye spectrum of oxygen below 10 GHz and pressure-induced nitrogen
    // absorption above 100 GHz.
    const double d = 5.6e-4 * (p + e) * theta08;
    const double ratio = f / d;
    sum += f * p * theta * theta *
           (6.14e-5 / (d * (1 + ratio * ratio)) + 1.4e-12 * p * std::pow(theta, 1.5) / (1 + 1.9e-5 * std::pow(f, 1.5)));
    return 0.1820 * f * sum;
}

double WaterVapourSpecificAttenuation(double frequency, double pressure, double temperature, double vapourDensity)
{
    const double f = ClampFrequency(frequency);
    const double p = ClampPressure(pressure);
    const double t = ClampTemperature(temperature);
    const double theta = 300 / t;
    const double e = VapourPressure(ClampDensity(vapourDensity), t);
    const double theta35 = std::pow(theta, 3.5);
    double sum = 0;
    for (const Line& line : WaterVapourLines) {
        const double strength = line.c1 * 1e-1 * e * theta35 * std::exp(line.c2 * (1 - theta));
        double width = line.c3 * 1e-4 * (p * std::pow(theta, line.c4) + line.c5 * e * std::pow(theta, line.c6));
        // Doppler broadening, which takes over from the pressure broadening high up.
        width = 0.535 * width + std::sqrt(0.217 * width * width + 2.1316e-12 * line.f0 * line.f0 / theta);
        sum += strength * LineShape(f, line.f0, width, 0);
    }
    return 0.1820 * f * sum;
}

double OxygenEquivalentHeight(double frequency, double pressure, double temperature, double vapourDensity)
{
    const double f = ClampFrequency(frequency);
    const double t = ClampTemperature(temperature);
    // Total pressure relative to the standard one; kept above zero for the negative powers.
    const double total = ClampPressure(pressure) + VapourPressure(ClampDensity(vapourDensity), t);
    const double rp = std::max(total, 1e-3) / 1013.25;
    const double band = (f - 59.7) / (2.87 + 12.4 * std::exp(-7.9 * rp));
    const double t1 = 5.1040 / (1 + 0.066 * std::pow(rp, -2.3)) * std::exp(-band * band);
    double t2 = 0;
    for (const HeightLine& line : OxygenHeightLines)
        t2 += line.c * std::exp(2.12 * rp) / ((f - line.f0) * (f - line.f0) + 0.025 * std::exp(2.2 * rp));
    const double t3 = 0.0114 * f / (1 + 0.14 * std::pow(rp, -2.6)) * (15.02 * f * f - 1353 * f + 5.333e4) /
                      (f * f * f - 151.3 * f * f + 9629 * f - 6803);
    // The scale of the dry atmosphere, which the fit takes to vanish at 163 K.
    const double a = std::max(0.7832 + 0.00709 * (t - 273.15), 0.0);
    const double height = 6.1 * a / (1 + 0.17 * std::pow(rp, -1.1)) * (1 + t1 + t2 + t3);
    // Below 70 GHz the height is capped to what the pressure allows.
    return f < 70 ? std::min(height, 10.7 * std::pow(rp, 0.3)) : height;
}

double ZenithWaterVapourAttenuation(double frequency, double vapourContent, double stationHeight)
{
    if (!(vapourContent > 0))
        return 0;
    const double f = ClampFrequency(frequency);
    const double content = std::min(vapourContent, 1e3);
    // The water-vapour spectrum is taken at a reference atmosphere that holds the given content,
    // and scaled from 20.6 GHz, where the attenuation per kg/m^2 is known best.
    constexpr double referenceFrequency = 20.6;
    constexpr double referencePressure = 845; // dry air, hPa
    const double referenceDensity = content / 2.38;
    const double referenceTemperature = 14 * std::log(0.22 * content / 2.38) + 3 + 273.15;
    const auto reference = [&](double at) {
        return WaterVapourSpecificAttenuation(at, referencePressure, referenceTemperature, referenceDensity);
    };
    const double ratio = reference(f) / reference(referenceFrequency);
    const double attenuation = 0.0176 * content * ratio;
    if (f < 20)
        return attenuation;
    // Above 20 GHz, a correction for the station's height (meant for 0 to 4 km).
    const double c1 = (f - 22.43) / 3.097;
    const double c2 = (f - 183.5) / 4.096;
    const double c3 = (f - 325) / 3.651;
    const double a = 0.2048 * std::exp(-c1 * c1) + 0.2326 * std::exp(-c2 * c2) + 0.2073 * std::exp(-c3 * c3) - 0.1113;
    const double b = 8.741e4 * std::exp(-0.587 * f) + 312.2 * std::pow(f, -2.38) + 0.723;
    return attenuation * (a * std::pow(std::clamp(stationHeight, 0.0, 4.0), b) + 1);
}

double GasAttenuation(double frequency, double elevation, double stationHeight, double pressure,
                      double temperature, double vapourDensity, double vapourContent)
{
    const double oxygen = DryAirSpecificAttenuation(frequency, pressure, temperature, vapourDensity) *
                          OxygenEquivalentHeight(frequency, pressure, temperature, vapourDensity);
    const double vapour = ZenithWaterVapourAttenuation(frequency, vapourContent, stationHeight);
    return (oxygen + vapour) / std::sin(std::clamp(elevation, 5.0, 90.0) * Pi / 180);
}
