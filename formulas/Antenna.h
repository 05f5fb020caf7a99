// Circular dish antenna: peak gain, beamwidth and off-axis reference patterns.
// Units: diameter km, frequency Hz, gains dB, efficiency a fraction, angles radians.
#pragma once

// Reference pattern codes as the models store them. Any other code is treated as parabolic.
enum PatternCode : int {
    PatternParabolic = 0,
    PatternLog29 = 1,
    PatternLog32 = 2,
};
inline constexpr int PatternCodeCount = 3;

// The names the tools show for the pattern codes, in code order. Public so that a model can
// offer them as the choices of its pattern variable without a second copy of the texts.
inline constexpr const char* PatternNames[PatternCodeCount] = {
    "Pure parabolic",
    "29 - 25log(phi)",
    "32 - 25log(phi)",
};

// The name the tools show for a pattern code; null for a code outside the list.
const char* PatternName(int code);

double PeakGain(double diameter, double frequency, double efficiency);
double DiameterFromGain(double gain, double frequency, double efficiency);
double FrequencyFromGain(double gain, double diameter, double efficiency);
double EfficiencyFromGain(double gain, double frequency, double diameter);

// Half-power beamwidth from theta[deg] = 70 * lambda / D.
double BeamwidthFromGain(double gain, double efficiency);
double GainFromBeamwidth(double beamwidth, double efficiency);
double EfficiencyFromBeamwidth(double gain, double beamwidth);
double DiameterInWavelengths(double beamwidth, double gain);

// Gain relative to boresight (0 on axis, negative off it) at off-axis angle phi.
double ParabolicPattern(double phi, double beamwidth);
double Pattern29(double phi, double beamwidth, double peakGain);
double Pattern32(double phi, double beamwidth, double peakGain);
double RelativeGain(double peakGain, double beamwidth, double phi, int code);

// Searches that invert RelativeGain for the off-axis angle (within [0, pi]) or for the beamwidth
// (within the beamwidths of efficiencies 0.001 to 1 at this peak gain). Both assume the relative
// gain falls with the angle and rises with the beamwidth.
double OffAxisFromRelativeGain(double peakGain, double beamwidth, double wanted, int code);
double BeamwidthFromRelativeGain(double peakGain, double wanted, double phi, int code);
