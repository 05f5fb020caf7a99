// Atmospheric losses on an Earth-space path exceeded for a percentage of an average year: rain,
// gases, clouds and scintillation, their combination and the sky noise temperature they cause
// (ITU-R P.618-13 sections 2.5 and 3).
// Units as the fields say. The gas and cloud entries are the user's for the percentage wanted
// (the usual choice for percentages below 1 % is their 1 % values); they are used as given.
#pragma once

struct AtmosphereInputs {
    double frequency = 14.25;         // GHz
    double elevation = 30;            // deg
    double latitude = 45;             // deg N
    double stationHeight = 0;         // km above sea level
    double tilt = 45;                 // polarisation tilt, deg (0 horizontal, 90 vertical, 45 circular)
    double percentage = 0.01;         // % of an average year
    double rainRate = 42;             // rain rate exceeded for 0.01 %, mm/h (zone K)
    double rainHeight = 3.71;         // km above sea level
    double pressure = 1013.25;        // total surface pressure, hPa
    double temperature = 15;          // surface temperature, deg C
    double vapourDensity = 7.5;       // surface water-vapour density, g/m^3
    double vapourContent = 15;        // integrated water-vapour content V_t, kg/m^2
    double liquidWater = 1;           // reduced columnar cloud liquid water L, kg/m^2
    double nwet = 47.5;               // wet term of the surface refractivity, ppm
    double diameter = 1.2;            // antenna diameter, m
    double efficiency = 0.65;         // antenna efficiency, fraction
};

struct AtmosphereResults {
    double rainSpecific = 0;     // gamma_R at the 0.01 % rain rate, dB/km
    double rain = 0;             // A_R, dB
    double gas = 0;              // A_G, dB
    double cloud = 0;            // A_C, dB
    double scintillation = 0;    // A_S, dB
    double total = 0;            // A_T, dB
    double skyTemperature = 0;   // K
};

// A_T = A_G + sqrt((A_R + A_C)^2 + A_S^2): rain and cloud fades come together, scintillation
// is a fluctuation about them, and the gases are always there.
double TotalAttenuation(double gas, double rain, double cloud, double scintillation);

// Sky noise temperature seen through an absorbing atmosphere of `attenuation` dB, K: the medium
// radiates at 275 K, the cosmic background at 2.7 K comes through what is left.
double SkyNoiseTemperature(double attenuation);

AtmosphereResults AtmosphericLosses(const AtmosphereInputs& in);
