#include "formulas/LookAngles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Expected values from a second route written apart from the one under test (python3, double
// precision): the station's geocentric radius and latitude from its geodetic position; range,
// elevation above the geocentric horizon and azimuth by the spherical closed forms (law of
// cosines over the central angle to the subsatellite point, great-circle bearing to it); both
// angles then turned onto the ellipsoid's normal, which leans north of the radius by the
// difference of the two latitudes. The skew is the astronomers' parallactic angle,
// atan2(sin H, tan(lat) cos(dec) - sin(dec) cos H), from the satellite's topocentric hour angle
// H and declination dec, folded into (-90, 90]. The code under test turns the Earth-fixed
// difference into east, north and up instead, and projects the Earth's axis for the skew.
TEST(LookAngles, AgreeWithAnIndependentComputation)
{
    const struct {
        const char* station;
        double latitude, longitude, height, satellite;
        double azimuth, elevation, range, skew;
    } rows[] = {
        // London to 19.2 E: the satellite east of the meridian, so the feed turns anticlockwise
        // seen from behind the dish.
        {"mid-latitude, satellite east", 51.5, 0.0, 0.0, 19.2,
         155.998146718, 28.387947893, 38748.966727, -14.792867634},
        {"high latitude, low elevation", 69.65, 18.96, 0.05, 5.0,
         194.854609272, 11.219511937, 40450.031061, 5.171412797},
        // The longitudes straddle 180: the satellite is 20 deg east, not 340 deg west.
        {"across the antimeridian, south", -20.0, 170.0, 0.2, -170.0,
         46.809800541, 57.339042465, 36651.449057, 43.339344397},
        {"below the horizon", 51.5, 0.0, 0.0, -120.0,
         294.342465406, -25.932364526, 44565.563114, 34.801124092},
        // On the equator the Earth's axis lies in the horizontal: a skew of nearly 90.
        {"high station near the equator", -0.18, -78.47, 2.85, -100.0,
         270.455748859, 64.770808389, 36304.068203, -89.511002278},
        {"below sea level", 31.5, 35.5, -0.4, 7.0,
         226.128130569, 42.105721143, 37617.174484, 38.101678176},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.station);
        const LookAngles look = GeostationaryLookAngles(row.latitude, row.longitude, row.height, row.satellite);
        EXPECT_NEAR(look.azimuth, row.azimuth, 1e-8);
        EXPECT_NEAR(look.elevation, row.elevation, 1e-8);
        EXPECT_NEAR(look.range, row.range, 1e-5);
        EXPECT_NEAR(look.skew, row.skew, 1e-8);
        EXPECT_EQ(look.IsVisible(), row.elevation >= 0.0);
    }
}

// Under the satellite on the equator it is straight up, exactly the orbit's height away, and
// neither azimuth nor skew is worked out of rounding noise.
TEST(LookAngles, StraightOverheadOnTheEquator)
{
    for (const double longitude : {0.0, 19.2, -97.0, 180.0}) {
        SCOPED_TRACE(longitude);
        const LookAngles look = GeostationaryLookAngles(0.0, longitude, 0.0, longitude);
        EXPECT_NEAR(look.elevation, 90.0, 1e-12);
        EXPECT_NEAR(look.range, GeostationaryHeight, 1e-9);
        EXPECT_EQ(look.azimuth, 0.0);
        EXPECT_EQ(look.skew, 0.0);
        EXPECT_TRUE(look.IsVisible());
    }
    // A station 3 km up is 3 km nearer.
    EXPECT_NEAR(GeostationaryLookAngles(0.0, 10.0, 3.0, 10.0).range, GeostationaryHeight - 3.0, 1e-9);
}

// A textbook's worked example, on its spherical Earth of 6371 km and an orbit of 42164 km: a
// station at 18 N 73 W and a satellite at 105 W, west of it. The book prints -58.67 deg, in its
// own sign (its polarisation vector against the normal of the plane of the propagation and the
// local vertical) and from rounded working (pi as 3.142, the unit vector to three decimals); the
// same steps at full precision give 58.6167475 in size, which the parallactic angle above gives
// as well. A satellite to the west of a northern station turns the feed clockwise: positive.
// Look angles on that sphere from the same python route.
TEST(LookAngles, TextbookExampleOnASphericalEarth)
{
    const LookAngles look = GeostationaryLookAngles(18.0, -73.0, 0.0, -105.0, Ellipsoid{6371.0, 0.0}, 42164.0);
    EXPECT_NEAR(look.skew, 58.616747673, 1e-8);
    EXPECT_NEAR(look.skew, 58.67, 0.06);
    EXPECT_NEAR(look.azimuth, 243.686197271, 1e-8);
    EXPECT_NEAR(look.elevation, 47.951020807, 1e-8);
    EXPECT_NEAR(look.range, 37216.596450, 1e-5);
}

// Over the whole range of entries every result is a number within its stated interval, the poles
// and the satellite's antipode included.
TEST(LookAngles, EveryResultStaysInItsInterval)
{
    for (double latitude = -90.0; latitude <= 90.0; latitude += 7.5) {
        for (double longitude = -180.0; longitude <= 180.0; longitude += 15.0) {
            for (const double height : {-0.5, 0.0, 9.0}) {
                const LookAngles look = GeostationaryLookAngles(latitude, longitude, height, 0.0);
                SCOPED_TRACE(testing::Message() << latitude << " N " << longitude << " E " << height << " km");
                ASSERT_TRUE(std::isfinite(look.azimuth) && std::isfinite(look.skew));
                EXPECT_GE(look.azimuth, 0.0);
                EXPECT_LT(look.azimuth, 360.0);
                EXPECT_GE(look.elevation, -90.0);
                EXPECT_LE(look.elevation, 90.0);
                EXPECT_GT(look.skew, -90.0);
                EXPECT_LE(look.skew, 90.0);
                // Nearest under the satellite, farthest at its antipode, straight through the Earth.
                EXPECT_GE(look.range, GeostationaryHeight - height - 1e-9);
                EXPECT_LE(look.range, GeostationaryRadius + Wgs84.equatorialRadius + height + 1e-9);
            }
        }
    }
}

} // namespace
