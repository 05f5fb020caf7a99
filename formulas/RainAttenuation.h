// Rain: the specific attenuation of a rain rate, the attenuation it causes on an Earth-space path
// for a percentage of an average year, and the rain climatic zones as a starting rain rate
// (ITU-R P.838-3, P.618-13 section 2.2.1.1, and the zone table of P.837-1).
// Units: frequency GHz, angles degrees (tilt 0 horizontal, 90 vertical, 45 circular), heights
// km above sea level, rain rate mm/h, percentage of an average year %, dB and dB/km.
// Out-of-domain inputs are taken at the nearest edge of the method (1 to 1000 GHz, 5 to 90 deg,
// 0.001 to 5 %), and rain rates past 10000 mm/h and rain columns past 100 km, which no weather
// reaches, at those values, so the results stay finite.
#pragma once

#include <string_view>

struct RainCoefficients {
    double k;
    double alpha;
};

// k and alpha of gamma_R = k R^alpha for a path at `elevation` and polarisation `tilt`.
RainCoefficients RainCoefficientsFor(double frequency, double elevation, double tilt);

// gamma_R, dB/km; 0 for no rain.
double RainSpecificAttenuation(double frequency, double elevation, double tilt, double rainRate);

// Attenuation exceeded for `percentage` % of an average year, from the rain rate exceeded for
// 0.01 % (rainRate001). No rain column above the station (rainHeight <= stationHeight) or no rain
// gives 0.
double RainAttenuation(double frequency, double elevation, double latitude, double stationHeight,
                       double rainHeight, double percentage, double rainRate001, double tilt);

// The climatic zones by letter, A to Q without I and O, and the rain rate exceeded for 0.01 % of
// an average year in a zone (mm/h); 0 for a letter that names no zone.
inline constexpr std::string_view RainZoneLetters = "ABCDEFGHJKLMNPQ";
double RainZoneRate001(char zone);
