// Attenuation by the atmospheric gases: the specific attenuation of dry air and of water vapour
// summed line by line, and the slant-path attenuation from a station through the whole atmosphere
// (the oxygen part scaled by its equivalent height, the water-vapour part from the integrated
// water-vapour content); ITU-R P.676-12, Annexes 1 and 2.
// Units: frequency GHz, elevation degrees, station height km above sea level, dry-air pressure
// hPa, temperature K, water-vapour density g/m^3, integrated water-vapour content kg/m^2, dB/km
// and dB. The pressures are those of dry air: the water-vapour pressure is derived from the
// density (e = rho T / 216.7 hPa) and added where the method wants the total.
// Frequencies are taken within 1 to 1000 GHz (the slant path is meant for 1 to 350 GHz) and
// elevations within 5 to 90 deg. Surface values no weather reaches are taken at generous limits
// (pressures up to 10000 hPa, temperatures 100 to 1000 K, densities up to 1000 g/m^3, contents up
// to 1000 kg/m^2), and negative ones as zero, so the results stay finite.
#pragma once

// gamma_o: the 44 oxygen lines with the dry continuum (Debye spectrum and pressure-induced
// nitrogen absorption).
double DryAirSpecificAttenuation(double frequency, double pressure, double temperature, double vapourDensity);
// gamma_w: the 35 water-vapour lines, the last one standing for the water-vapour continuum.
double WaterVapourSpecificAttenuation(double frequency, double pressure, double temperature, double vapourDensity);

// h_o, km: the height of an atmosphere of uniform gamma_o that gives the zenith oxygen attenuation.
double OxygenEquivalentHeight(double frequency, double pressure, double temperature, double vapourDensity);

// A_w at zenith, dB, from the integrated water-vapour content above a station.
double ZenithWaterVapourAttenuation(double frequency, double vapourContent, double stationHeight);

// A_G = (gamma_o h_o + A_w) / sin(elevation), dB, from the surface values at the station.
double GasAttenuation(double frequency, double elevation, double stationHeight, double pressure,
                      double temperature, double vapourDensity, double vapourContent);
