#include "formulas/LookAngles.h"

#include <cmath>

namespace {

constexpr double Degree = Pi / 180.0;

// Below this share of the range the satellite is straight overhead: the horizontal part of the
// line of sight is then rounding noise (about 1e-16 of it), and an azimuth or a skew worked out
// from noise would be any angle at all.
constexpr double OverheadShare = 1e-12;

} // namespace

LookAngles GeostationaryLookAngles(double latitude, double longitude, double height, double satelliteLongitude)
{
    return GeostationaryLookAngles(latitude, longitude, height, satelliteLongitude, Wgs84, GeostationaryRadius);
}

LookAngles GeostationaryLookAngles(double latitude, double longitude, double height, double satelliteLongitude,
                                   const Ellipsoid& earth, double orbitRadius)
{
    const double sinPhi = std::sin(latitude * Degree);
    const double cosPhi = std::cos(latitude * Degree);
    const double sinLambda = std::sin(longitude * Degree);
    const double cosLambda = std::cos(longitude * Degree);

    // The station in Earth-centred, Earth-fixed coordinates: x to 0 E on the equator, z to the
    // north pole. n is the radius of curvature across the meridian.
    const double e2 = earth.flattening * (2.0 - earth.flattening);
    const double n = earth.equatorialRadius / std::sqrt(1.0 - e2 * sinPhi * sinPhi);
    const double across = (n + height) * cosPhi;
    const double stationZ = (n * (1.0 - e2) + height) * sinPhi;

    // From the station to the satellite, still Earth-fixed, then turned into the station's east,
    // north and up (up along the ellipsoid's normal).
    const double dx = orbitRadius * std::cos(satelliteLongitude * Degree) - across * cosLambda;
    const double dy = orbitRadius * std::sin(satelliteLongitude * Degree) - across * sinLambda;
    const double dz = -stationZ;
    const double outward = cosLambda * dx + sinLambda * dy;
    const double east = cosLambda * dy - sinLambda * dx;
    const double north = cosPhi * dz - sinPhi * outward;
    const double up = cosPhi * outward + sinPhi * dz;

    LookAngles look;
    look.range = std::sqrt(dx * dx + dy * dy + dz * dz);
    const double horizontal = std::hypot(east, north);
    look.elevation = std::atan2(up, horizontal) / Degree;
    if (horizontal <= OverheadShare * look.range)
        return look;

    look.azimuth = std::atan2(east, north) / Degree;
    if (look.azimuth < 0.0)
        look.azimuth += 360.0;
    // A tiny negative angle comes back as 360 exactly, which is north again.
    if (look.azimuth >= 360.0)
        look.azimuth -= 360.0;

    // The skew is the turn about the line of sight k that takes the station's up u into the
    // Earth's axis a, both seen square to k: atan2(k . (u x a), u . a - (u . k)(a . k)). In east,
    // north, up the axis is (0, cos phi, sin phi), so u x a is (-cos phi, 0, 0). A positive turn
    // about k is clockwise to someone looking along k, the station looking at the satellite.
    const double ke = east / look.range;
    const double kn = north / look.range;
    const double ku = up / look.range;
    double skew = std::atan2(-ke * cosPhi, sinPhi - ku * (kn * cosPhi + ku * sinPhi)) / Degree;
    if (skew > 90.0)
        skew -= 180.0;
    else if (skew <= -90.0)
        skew += 180.0;
    look.skew = skew;
    return look;
}
