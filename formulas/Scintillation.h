// Tropospheric scintillation: the fade depth exceeded for a percentage of an average year on an
// Earth-space path, from the wet term of the surface refractivity (ITU-R P.618-13 section 2.4.1).
// Units: frequency GHz, elevation degrees, percentage %, nwet ppm (N-units), antenna diameter m,
// efficiency a fraction, dB.
// The method holds for 5 to 90 deg and 0.01 to 50 %; below 0.01 % its percentage curve is carried
// on (as the reference values for 0.001 % are), down to 0.001 %. Outside these ranges, and of
// 1 to 1000 GHz, inputs are taken at the nearest edge, so the result stays finite.
#pragma once

double ScintillationFadeDepth(double frequency, double elevation, double percentage, double nwet,
                              double diameter, double efficiency);
