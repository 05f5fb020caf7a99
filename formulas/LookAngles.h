// Where an earth station points to see a geostationary satellite, and how the satellite's linear
// polarisation appears from there. Units: degrees and km.
//
// The station stands on an ellipsoidal Earth (WGS-84 unless told otherwise) at a geodetic
// latitude, a longitude (east positive) and a height above the ellipsoid, which is what a map or
// a receiver's position gives and close enough to the height above sea level for pointing. The
// satellite sits on the equator at the orbit radius. Azimuth and elevation are the station's own:
// from true north through east, and above the plane square to the ellipsoid's normal.
#pragma once

#include "formulas/Constants.h"

// The shape of the Earth: equatorial radius (km) and flattening.
struct Ellipsoid {
    double equatorialRadius;
    double flattening;
};
inline constexpr Ellipsoid Wgs84{6378.137, 1.0 / 298.257223563};

// The radius of the geostationary orbit, km. It is measured from the Earth's centre, while the
// program's GeostationaryHeight is the height above the equator, so the two add up with the
// equatorial radius of the same ellipsoid the stations stand on (42164.187 km).
inline constexpr double GeostationaryRadius = Wgs84.equatorialRadius + GeostationaryHeight;

struct LookAngles {
    // Degrees from true north, clockwise seen from above: 0 <= azimuth < 360. Where the satellite
    // is straight overhead no direction is better than another, and it is 0.
    double azimuth = 0.0;
    // Degrees above the horizon; negative when the satellite is below it, which is an answer
    // (the satellite cannot be seen from here), not an error.
    double elevation = 0.0;
    // Straight-line distance from the station to the satellite, km.
    double range = 0.0;
    // Polarisation skew, degrees, -90 < skew <= 90: the angle from the station's vertical to the
    // polarisation the satellite transmits parallel to the Earth's axis ("vertical"), both seen
    // square to the line of sight. Positive clockwise as seen from the station looking at the
    // satellite, that is from behind the dish: the way to turn the feed. So in the northern
    // hemisphere a satellite east of the station's meridian gives a negative skew, one to the
    // west a positive one, and the other way round in the southern hemisphere (London to a
    // satellite at 19.2 E: -14.8). A linear polarisation is a line, not an arrow, so the angle is
    // kept within half a turn; straight overhead (and from a pole) it is 0.
    double skew = 0.0;

    bool IsVisible() const { return elevation >= 0.0; }
};

// The look angles from a station at `latitude` (deg N, -90..90), `longitude` (deg E) and
// `height` (km) to a geostationary satellite at `satelliteLongitude` (deg E).
LookAngles GeostationaryLookAngles(double latitude, double longitude, double height, double satelliteLongitude);

// The same over any Earth and any equatorial orbit radius (km): a textbook's spherical Earth,
// or a satellite off the nominal orbit.
LookAngles GeostationaryLookAngles(double latitude, double longitude, double height, double satelliteLongitude,
                                   const Ellipsoid& earth, double orbitRadius);
