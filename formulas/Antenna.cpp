#include "formulas/Antenna.h"

#include "formulas/Constants.h"
#include "framework/Units.h"

#include <algorithm>
#include <cmath>

namespace {

double ToDegrees(double radians)
{
    return radians * 180 / Pi;
}

// The two log-law patterns share one shape and differ only in these constants.
struct LogLawConstants {
    double sideLobeOffset;  // added to 15*log10(D/lambda) for the first side-lobe level G1
    double intercept;       // of the intercept - 25*log10(phi) envelope
    double farLobeDegrees;  // beyond this the gain is a flat -10 dBi
};

constexpr LogLawConstants Log29 = {-1, 29, 36.3};
constexpr LogLawConstants Log32 = {2, 32, 48};

double LogLawPattern(double phi, double beamwidth, double peakGain, const LogLawConstants& c)
{
    const double d = DiameterInWavelengths(beamwidth, peakGain);
    const double g1 = std::min(15 * std::log10(d) + c.sideLobeOffset, peakGain);
    const double phiM = (20 / d) * std::sqrt(peakGain - g1);
    const double phiR = 15.85 * std::pow(d, -0.6);
    const double phiDeg = ToDegrees(phi);

    // The main-lobe test comes first, so when phiR < phiM the G1 plateau is never reached and
    // the gain steps down at phiM. Keep the order: the off-axis results depend on it.
    const double lobe = d * phiDeg;
    double gain;
    if (phiDeg <= phiM)
        gain = peakGain - 0.0025 * (lobe * lobe);
    else if (phiDeg <= phiR)
        gain = g1;
    else if (phiDeg <= c.farLobeDegrees)
        gain = c.intercept - 25 * std::log10(phiDeg);
    else
        gain = -10;
    return gain - peakGain;
}

} // namespace

const char* PatternName(int code)
{
    if (code < 0 || code >= PatternCodeCount)
        return nullptr;
    return PatternNames[code];
}

double PeakGain(double diameter, double frequency, double efficiency)
{
    const double aperture = Pi * diameter * frequency / SpeedOfLight;
    const double gain = aperture * aperture * efficiency;
    // The frequency tool has no upper limit, and a budget takes back whatever frequency it gave:
    // past 1e150 Hz or so the squared aperture is past the largest double (and times a zero
    // efficiency not a number). The gain is then taken as a sum of decibels, with ToDb's floor,
    // which is the same value; everywhere else the product keeps its last bit.
    if (!std::isfinite(gain)) {
        const double db =
            20 * (std::log10(diameter) + std::log10(frequency) + std::log10(Pi / SpeedOfLight)) + 10 * std::log10(efficiency);
        return db > ToDb(0) ? db : ToDb(0);
    }
    return ToDb(gain);
}

double DiameterFromGain(double gain, double frequency, double efficiency)
{
    if (efficiency <= 0 || frequency <= 0)
        return 0;
    const double diameter = std::sqrt(FromDb(gain) / efficiency) * SpeedOfLight / (frequency * Pi);
    // A budget's frequency may be next to zero (from a wavelength of 1e300 km in the frequency
    // tool), and its efficiency may be one another tool derived: where the quotient overflows
    // it is taken as a sum of logarithms, the same value, or the largest double if it is past
    // any. Everywhere else it keeps its last bit.
    if (!std::isfinite(diameter))
        return SaturatedPow10((std::log10(FromDb(gain)) - std::log10(efficiency)) / 2 + std::log10(SpeedOfLight / Pi)
                              - std::log10(frequency));
    return diameter;
}

double FrequencyFromGain(double gain, double diameter, double efficiency)
{
    if (diameter <= 0 || efficiency <= 0 || gain <= 0)
        return 0;
    return std::sqrt(FromDb(gain) / efficiency) * SpeedOfLight / (diameter * Pi);
}

double EfficiencyFromGain(double gain, double frequency, double diameter)
{
    if (diameter <= 0)
        return 0;
    const double ratio = SpeedOfLight / (diameter * Pi * frequency);
    const double efficiency = FromDb(gain) * (ratio * ratio);
    // A frequency next to zero over a budget, or a derived dish next to zero, overflows the
    // square; it is then taken as a sum of logarithms, the same value, or the largest double if
    // it is past any. Everywhere else it keeps its last bit.
    if (!std::isfinite(efficiency))
        return SaturatedPow10(std::log10(FromDb(gain))
                              + 2 * (std::log10(SpeedOfLight / Pi) - std::log10(diameter) - std::log10(frequency)));
    return efficiency;
}

double BeamwidthFromGain(double gain, double efficiency)
{
    if (efficiency <= 0)
        return 0;
    const double degrees = std::sqrt(efficiency / FromDb(gain)) * SeventyPi;
    // An efficiency the gain tool derived at a frequency next to zero can be past 1e300; where
    // the quotient overflows it is taken as a sum of logarithms, the same value, or the
    // largest double if it is past any. Everywhere else it keeps its last bit.
    if (!std::isfinite(degrees))
        return SaturatedPow10((std::log10(efficiency) - std::log10(FromDb(gain))) / 2 + std::log10(SeventyPi * Pi / 180));
    return degrees * Pi / 180;
}

double GainFromBeamwidth(double beamwidth, double efficiency)
{
    if (beamwidth <= 0)
        return 0;
    const double ratio = SeventyPi / ToDegrees(beamwidth);
    return ToDb(ratio * ratio * efficiency);
}

double EfficiencyFromBeamwidth(double gain, double beamwidth)
{
    const double ratio = ToDegrees(beamwidth) / SeventyPi;
    return FromDb(gain) * (ratio * ratio);
}

double DiameterInWavelengths(double beamwidth, double gain)
{
    // Equal to 70/theta[deg] up to rounding. The route through the efficiency is kept because
    // pattern gains are compared with reference values to the last printed digit.
    return std::sqrt(FromDb(gain) / (EfficiencyFromBeamwidth(gain, beamwidth) * (Pi * Pi)));
}

double ParabolicPattern(double phi, double beamwidth)
{
    if (beamwidth <= 0)
        return 0;
    const double ratio = phi / beamwidth;
    return -12 * (ratio * ratio);
}

double Pattern29(double phi, double beamwidth, double peakGain)
{
    return LogLawPattern(phi, beamwidth, peakGain, Log29);
}

double Pattern32(double phi, double beamwidth, double peakGain)
{
    return LogLawPattern(phi, beamwidth, peakGain, Log32);
}

double RelativeGain(double peakGain, double beamwidth, double phi, int code)
{
    if (beamwidth <= 0)
        return 0;
    switch (code) {
    case PatternLog29: return Pattern29(phi, beamwidth, peakGain);
    case PatternLog32: return Pattern32(phi, beamwidth, peakGain);
    default: return ParabolicPattern(phi, beamwidth);
    }
}

double OffAxisFromRelativeGain(double peakGain, double beamwidth, double wanted, int code)
{
    if (beamwidth <= 0 || wanted >= 0)
        return 0;
    const double onAxis = RelativeGain(peakGain, beamwidth, 0, code);
    const double backward = RelativeGain(peakGain, beamwidth, Pi, code);
    if (wanted > onAxis)
        return 0;
    // Below the far-lobe floor no angle reaches the wanted gain; the farthest angle is the
    // closest answer.
    if (backward > wanted)
        return Pi;

    double lo = 0;
    double hi = Pi;
    double mid = 0;
    for (int i = 0; i < 101; ++i) {
        mid = (lo + hi) / 2;
        const double g = RelativeGain(peakGain, beamwidth, mid, code);
        if (g > wanted)
            lo = mid;
        else
            hi = mid;
        if (std::fabs(g - wanted) < 1e-5)
            break;
    }
    return mid;
}

double BeamwidthFromRelativeGain(double peakGain, double wanted, double phi, int code)
{
    if (wanted >= 0)
        return 0;
    double lo = BeamwidthFromGain(peakGain, 0.001);
    double hi = BeamwidthFromGain(peakGain, 1);
    if (RelativeGain(peakGain, lo, phi, code) > wanted)
        return lo;
    if (wanted > RelativeGain(peakGain, hi, phi, code))
        return hi;

    double mid = lo;
    for (int i = 0; i < 201; ++i) {
        mid = (lo + hi) / 2;
        const double g = RelativeGain(peakGain, mid, phi, code);
        if (wanted > g)
            lo = mid;
        else
            hi = mid;
        if (std::fabs(g - wanted) < 1e-5)
            break;
    }
    return mid;
}
