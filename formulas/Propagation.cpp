#include "formulas/Propagation.h"

#include "formulas/Constants.h"
#include "framework/Units.h"

#include <algorithm>
#include <cmath>

namespace {

// 20*log10(4*pi) to six decimals. The inverses take off exactly this, so that a loss worked back
// to a distance or a frequency gives that loss again.
constexpr double FreeSpaceLossOffset = 21.984197;

} // namespace

double WavelengthFromFrequency(double frequency)
{
    if (frequency <= 0)
        return 0;
    return SpeedOfLight / frequency;
}

double FrequencyFromWavelength(double wavelength)
{
    if (wavelength <= 0)
        return 0;
    return SpeedOfLight / wavelength;
}

double FreeSpaceLoss(double distance, double frequency)
{
    if (frequency <= 0)
        return 0;
    // One metre instead of zero keeps the logarithm finite when the user clears the distance.
    if (distance <= 0)
        distance = 0.001;
    const double ratio = distance * frequency / SpeedOfLight;
    // A frequency from the frequency tool, which has no upper limit, times a long path can pass
    // the largest double; the loss is then taken as a sum of decibels, which is the same value.
    // Everywhere else the product keeps its last bit.
    if (std::isinf(ratio))
        return 20 * (std::log10(distance) + std::log10(frequency / SpeedOfLight)) + FreeSpaceLossOffset;
    return 20 * std::log10(ratio) + FreeSpaceLossOffset;
}

double DistanceFromLoss(double loss, double frequency)
{
    if (loss <= 0 || frequency <= 0)
        return 0;
    const double distance = std::pow(10.0, (loss - FreeSpaceLossOffset) / 20) * SpeedOfLight / frequency;
    // A loss of thousands of dB at a frequency past 1e300 Hz (both from a budget over the
    // frequency tool) overflows before the division, and a frequency next to zero overflows the
    // quotient: it is then taken as a sum of logarithms, the same value, or the largest double
    // if it is past any. Everywhere else it keeps its last bit.
    if (!std::isfinite(distance))
        return SaturatedPow10((loss - FreeSpaceLossOffset) / 20 + std::log10(SpeedOfLight) - std::log10(frequency));
    return distance;
}

double FrequencyFromLoss(double loss, double distance)
{
    if (distance <= 0 || loss <= 0)
        return 0;
    return std::pow(10.0, (loss - FreeSpaceLossOffset) / 20) * SpeedOfLight / distance;
}

double SpreadingLoss(double distance)
{
    const double r = 1000 * std::max(distance, 0.001);
    return -ToDb(1 / (FourPi * r * r));
}

double DistanceFromSpreadingLoss(double loss)
{
    return std::sqrt(1 / (FourPi * FromDb(-loss))) / 1000;
}
