// Physical constants and the literal multiples of pi shared by the formula library.
#pragma once

// Mean equatorial radius of the spherical Earth, km.
inline constexpr double EarthRadius = 6378.145;
// Speed of light, km/s. Deliberately the rounded 2.998e5 that the tools show as "c=2.998e8 m/s",
// so that results agree with what a user computes by hand from the displayed constant.
inline constexpr double SpeedOfLight = 299800.0;
// Boltzmann's constant, dBW/K/Hz.
inline constexpr double BoltzmannDb = -228.6;
// Height of the geostationary orbit above the equator, km: where the distance and orbit tools
// start, since that is the link most of our users work on.
inline constexpr double GeostationaryHeight = 35786.05;

// The multiples are typed out so that every formula uses exactly these doubles and results
// match reference values to the last digit.
inline constexpr double Pi = 3.141592653589793;
inline constexpr double TwoPi = 6.283185307179586;
inline constexpr double FourPi = 12.566370614359172;
inline constexpr double HalfPi = 1.5707963267948966;
// 70*pi: the beamwidth law theta = 70 * lambda / D, rewritten in terms of gain and efficiency.
inline constexpr double SeventyPi = 219.9114857512855;
inline constexpr double EarthRadiusSquared = 40680733.64102501;
inline constexpr double EarthDiameter = 12756.29;

// Earth's gravitational parameter, km^3/s^2. A variable rather than a constant so that another
// gravity model can be plugged in; the formulas read it only through GetEarthGM.
extern double EarthGM;
double GetEarthGM();
