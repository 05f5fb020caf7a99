// Attenuation by cloud liquid water on an Earth-space path, from the double-Debye permittivity of
// water (ITU-R P.840-8).
// Units: frequency GHz, temperature K, elevation degrees, liquid water kg/m^2 (reduced columnar
// content, i.e. taken at 273.15 K), coefficient (dB/km)/(g/m^3), dB.
// Frequencies are taken within 1 to 1000 GHz and elevations within 5 to 90 deg, so the results
// stay finite.
#pragma once

// Specific attenuation coefficient K_l of liquid water at `temperature`.
double CloudLiquidCoefficient(double frequency, double temperature);

// A_C = L K_l(f, 273.15 K) / sin(elevation).
double CloudAttenuation(double frequency, double elevation, double liquidWater);
