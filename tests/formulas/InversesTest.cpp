// Every closed-form inverse among the formulas, worked forward again: it must give back the
// result it started from, so that a quantity a tool derived and the one it was derived from
// always agree in the digits the tool shows.
#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "formulas/Noise.h"
#include "formulas/Orbit.h"
#include "formulas/Propagation.h"
#include "tests/formulas/Printed.h"

namespace {

constexpr double Ghz12 = 1.2e10;
constexpr double TwoMetres = 0.002;

double PeriodBackFromHeight(double period)
{
    double radius = 0;
    return PeriodFromHeight(HeightFromPeriod(period, radius), radius);
}

double PeriodBackFromRadius(double period)
{
    double radius = 0, height = 0;
    HeightFromPeriod(period, radius);
    return PeriodFromRadius(radius, height);
}

} // namespace

TEST(Inverses, GiveBackTheResultTheyStartedFrom)
{
    // `tolerance` is absolute: decibels for losses and gains, kelvin, radians, seconds.
    const struct {
        const char* label;
        double result;
        double (*roundTrip)(double);
        double tolerance;
    } rows[] = {
        {"geostationary loss at 12 GHz, by its distance", 205.10546463849903,
         [](double loss) { return FreeSpaceLoss(DistanceFromLoss(loss, Ghz12), Ghz12); }, 1e-9},
        {"a short path's loss, by its distance", 0.5,
         [](double loss) { return FreeSpaceLoss(DistanceFromLoss(loss, Ghz12), Ghz12); }, 1e-9},
        {"a loss at 3e15 Hz, by its distance", 450,
         [](double loss) { return FreeSpaceLoss(DistanceFromLoss(loss, 3e15), 3e15); }, 1e-9},
        {"a loss whose power of ten overflows, by its distance", 6168.13082,
         [](double loss) { return FreeSpaceLoss(DistanceFromLoss(loss, 1.7e308), 1.7e308); }, 1e-9},
        {"a loss over 1 m, by its frequency", 40,
         [](double loss) { return FreeSpaceLoss(0.001, FrequencyFromLoss(loss, 0.001)); }, 1e-9},
        {"wavelength, by its frequency", 2.5e-5,
         [](double wavelength) { return WavelengthFromFrequency(FrequencyFromWavelength(wavelength)); }, 1e-20},
        {"peak gain, by its dish", 46.46,
         [](double gain) { return PeakGain(DiameterFromGain(gain, Ghz12, 0.7), Ghz12, 0.7); }, 1e-9},
        {"a negative peak gain, by its dish", -3,
         [](double gain) { return PeakGain(DiameterFromGain(gain, Ghz12, 0.7), Ghz12, 0.7); }, 1e-9},
        {"peak gain, by its frequency", 46.46,
         [](double gain) { return PeakGain(TwoMetres, FrequencyFromGain(gain, TwoMetres, 0.7), 0.7); }, 1e-9},
        {"peak gain, by its efficiency", 46.46,
         [](double gain) { return PeakGain(TwoMetres, Ghz12, EfficiencyFromGain(gain, Ghz12, TwoMetres)); }, 1e-9},
        {"beamwidth, by its peak gain", 5 * Deg,
         [](double beamwidth) { return BeamwidthFromGain(GainFromBeamwidth(beamwidth, 0.7), 0.7); }, 1e-15},
        {"beamwidth, by its efficiency", 5 * Deg,
         [](double beamwidth) { return BeamwidthFromGain(30, EfficiencyFromBeamwidth(30, beamwidth)); }, 1e-15},
        {"noise, by its temperature", -150,
         [](double noise) { return NoisePower(TemperatureFromNoise(noise, 1e6), 1e6); }, 1e-9},
        {"noise, by its bandwidth", -150, [](double noise) { return NoisePower(300, BandwidthFromNoise(300, noise)); },
         1e-9},
        {"G/T, by its peak gain", 21.69, [](double gtot) { return GtoTFromGain(GainFromGtoT(300, gtot), 300); }, 1e-12},
        {"G/T, by its temperature", 21.69, [](double gtot) { return GtoTFromGain(46.46, TemperatureFromGtoT(46.46, gtot)); },
         1e-9},
        {"a low orbit's period, by its height", 5400, PeriodBackFromHeight, 1e-8},
        {"geostationary period, by its height", 86164.09, PeriodBackFromHeight, 1e-8},
        {"geostationary period, by its radius", 86164.09, PeriodBackFromRadius, 1e-8},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_NEAR(row.roundTrip(row.result), row.result, row.tolerance);
    }
}
