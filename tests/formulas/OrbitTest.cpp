#include "formulas/Constants.h"
#include "formulas/Orbit.h"
#include "formulas/Trig.h"
#include "tests/formulas/Printed.h"

#include <limits>

namespace {

struct Written { double result, output; };
Written FromHeight(double h) { Written w{}; w.result = PeriodFromHeight(h, w.output); return w; }
Written FromRadius(double r) { Written w{}; w.result = PeriodFromRadius(r, w.output); return w; }
Written FromPeriod(double t) { Written w{}; w.result = HeightFromPeriod(t, w.output); return w; }

// The field-of-view triangle; angles in radians.
struct Fov { double height, elevation, distance, nadir; };
using Solver = Fov (*)(Fov);
Fov HeightNadir(Fov f) { f.elevation = FovFromHeightNadir(f.height, f.nadir, f.distance); return f; }
Fov HeightElevation(Fov f) { f.nadir = FovFromHeightElevation(f.height, f.elevation, f.distance); return f; }
Fov HeightDistance(Fov f) { f.nadir = FovFromHeightDistance(f.height, f.distance, f.elevation); return f; }
Fov ElevationNadir(Fov f) { f.distance = FovFromElevationNadir(f.elevation, f.nadir, f.height); return f; }
Fov DistanceNadir(Fov f) { f.elevation = FovFromDistanceNadir(f.distance, f.nadir, f.height); return f; }
Fov DistanceElevation(Fov f) { f.nadir = FovFromDistanceElevation(f.distance, f.elevation, f.height); return f; }

// Unknowns start as NaN, so a solver that reads one of its outputs cannot pass.
constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(Orbit, Periods)
{
    ExpectPrinted({
        {"geostationary period, s", FromHeight(35786.05).result, "86164.081"},
        {"geostationary period, min", FromHeight(35786.05).result / 60, "1436.068"},
        {"geostationary radius", FromHeight(35786.05).output, "42164.195"},
        {"height 0 counts as 1 m", FromHeight(0).result, "5069.35"},
        {"radius written for a negative height", FromHeight(-100).output, "6378.146"},
        {"7000 km radius, s", FromRadius(7000).result, "5828.51"},
        {"7000 km radius, height", FromRadius(7000).output, "621.855"},
        {"5400 s", FromPeriod(5400).result, "274.415"},
        {"100 s counts as 5070 s", FromPeriod(100).result, "0.54671"},
    });
    ExpectExact({
        {"radius at the surface is raised", FromRadius(6378.146).output, 6378.146000000001 - EarthRadius},
        {"radius capped", FromRadius(1e12).output, 100000006378.145 - EarthRadius},
        {"height capped", FromHeight(1e12).output, 1e11 + EarthRadius},
        {"period capped", FromPeriod(1e7).result, FromPeriod(1e6).result},
    });
    for (const double period : {5070.0, 5400.0, 86164.0, 1e6}) {
        SCOPED_TRACE(period);
        EXPECT_NEAR(FromHeight(FromPeriod(period).result).result, period, 1e-12 * period);
        EXPECT_NEAR(FromRadius(FromPeriod(period).output).result, period, 1e-12 * period);
    }
}

TEST(Orbit, EverySolverAgreesWithItsSiblings)
{
    const Fov geo = HeightElevation({35786.05, 5 * Deg, Unknown, Unknown});
    EXPECT_TRUE(MatchesPrinted(geo.distance, "41126.810"));
    EXPECT_TRUE(MatchesPrinted(geo.nadir / Deg, "8.667124"));

    const struct { const char* label; Solver solve; bool h, e, d, n; } solvers[] = {
        {"height, nadir", HeightNadir, true, false, false, true},
        {"height, elevation", HeightElevation, true, true, false, false},
        {"height, distance", HeightDistance, true, false, true, false},
        {"elevation, nadir", ElevationNadir, false, true, false, true},
        {"distance, nadir", DistanceNadir, false, false, true, true},
        {"distance, elevation", DistanceElevation, false, true, true, false},
    };
    for (const auto& [height, elevationDeg] : {std::pair{35786.05, 5.0}, {500.0, 30.0}, {20200.0, 60.0}, {1000.0, 0.5}}) {
        const Fov ref = HeightElevation({height, elevationDeg * Deg, Unknown, Unknown});
        for (const auto& s : solvers) {
            SCOPED_TRACE(::testing::Message() << s.label << " from h=" << height << ", elev=" << elevationDeg);
            const Fov got = s.solve({s.h ? ref.height : Unknown, s.e ? ref.elevation : Unknown,
                                     s.d ? ref.distance : Unknown, s.n ? ref.nadir : Unknown});
            EXPECT_NEAR(got.height, ref.height, 1e-9 * ref.height);
            EXPECT_NEAR(got.elevation, ref.elevation, 1e-11);
            EXPECT_NEAR(got.distance, ref.distance, 1e-9 * ref.distance);
            EXPECT_NEAR(got.nadir, ref.nadir, 1e-11);
        }
    }
}

TEST(Orbit, FieldOfViewClampsAreWrittenBack)
{
    // Angles in degrees. At the horizon asin/acos act on a value next to 1, so elevations are
    // compared to five decimals only.
    const struct { const char* label; Solver solve; Fov in; const char *h, *e, *d, *n; } rows[] = {
        {"nadir cut to the horizon", HeightNadir, {35786.05, Unknown, Unknown, 10}, "35786.05", "0.00000", "41678.995", "8.700487"},
        {"height raised to 1 m", HeightNadir, {-5, Unknown, Unknown, 0}, "0.001", "90.00000", "0.001", "0.000000"},
        {"elevation above the zenith", HeightElevation, {35786.05, 100, Unknown, Unknown}, "35786.05", "90.00000", "35786.05", "0.000000"},
        {"elevation below the horizon", HeightElevation, {35786.05, -5, Unknown, Unknown}, "35786.05", "0.00000", "41678.995", "8.700487"},
        {"distance beyond the horizon", HeightDistance, {35786.05, Unknown, 50000, Unknown}, "35786.05", "0.00000", "41678.995", "8.700487"},
        {"distance shorter than the height", HeightDistance, {35786.05, Unknown, 100, Unknown}, "35786.05", "90.00000", "35786.05", "0.000000"},
        {"elevation at the zenith", ElevationNadir, {Unknown, 90, Unknown, 5}, "0.001", "90.00000", "0.001", "0.000000"},
        {"zero nadir", ElevationNadir, {Unknown, 30, Unknown, 0}, "0.001", "90.00000", "0.001", "0.000000"},
        {"nadir cut to 90 - elevation", ElevationNadir, {Unknown, 80, Unknown, 20}, "0.00000", "80.00000", "0.00000", "10.000000"},
        {"nadir cut to atan(R/d)", DistanceNadir, {Unknown, Unknown, 41126.81, 10}, "35240.303", "0.00000", "41126.81", "8.81548"},
        {"negative nadir", DistanceNadir, {Unknown, Unknown, 1000, -3}, "1000", "90.00000", "1000", "0.000000"},
        {"elevation above the zenith", DistanceElevation, {Unknown, 95, 1000, Unknown}, "1000", "90.00000", "1000", "0.000000"},
        {"zero distance", DistanceElevation, {Unknown, 30, 0, Unknown}, "0.00050", "30.00000", "0.001", "59.99999"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const Fov got = row.solve({row.in.height, row.in.elevation * Deg, row.in.distance, row.in.nadir * Deg});
        EXPECT_TRUE(MatchesPrinted(got.height, row.h));
        EXPECT_TRUE(MatchesPrinted(got.elevation / Deg, row.e));
        EXPECT_TRUE(MatchesPrinted(got.distance, row.d));
        EXPECT_TRUE(MatchesPrinted(got.nadir / Deg, row.n));
    }
    // Ratios a rounding error past 1 still give the limiting angle.
    ExpectExact({{"asin above 1", SafeAsin(1 + 1e-15), HalfPi}, {"acos below -1", SafeAcos(-1 - 1e-15), Pi}});
}

// A nadir angle a hair above zero puts the satellite further out than a double reaches; the
// solvers take the smallest angle whose triangle fits, and write it back. The lengths such
// triangles have then come back as inputs, whose squares overflow. Angles in radians.
TEST(Orbit, FieldOfViewOfANadirAngleNextToZeroIsFinite)
{
    const struct { const char* label; Solver solve; Fov in; const char *h, *e, *d, *n; } rows[] = {
        {"nadir raised to 4e-305 rad", ElevationNadir, {Unknown, 5 * Deg, Unknown, 1e-310},
         "1.5884686e308", "0.08726646", "1.5884686e308", "4e-305"},
        // The horizon's nadir angle here is below the smallest one, and is kept.
        {"nadir raised to the horizon's", DistanceNadir, {Unknown, Unknown, 1.7e308, 1e-320},
         "1.7000000e308", "0.000000", "1.7000000e308", "3.75185e-305"},
        {"a height whose horizon overflows", HeightDistance, {1e200, Unknown, 1e201, Unknown},
         "1.0000000e200", "1.5707963", "1.0000000e200", "0.000000"},
        {"a distance whose square overflows", DistanceElevation, {Unknown, 30 * Deg, 1e200, Unknown},
         "1.0000000e200", "0.52359878", "1.0000000e200", "5.52363560e-197"},
        {"the longest distance", DistanceElevation, {Unknown, 0, 1.7e308, Unknown},
         "1.7000000e308", "0.000000", "1.7000000e308", "3.75185e-305"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const Fov got = row.solve(row.in);
        EXPECT_TRUE(MatchesPrinted(got.height, row.h));
        EXPECT_TRUE(MatchesPrinted(got.elevation, row.e));
        EXPECT_TRUE(MatchesPrinted(got.distance, row.d));
        EXPECT_TRUE(MatchesPrinted(got.nadir, row.n));
    }
    // Straight down from one metre a subnormal nadir angle divides by a sine of zero. The
    // height is finite, not accurate: sin(pi - eta - o) cannot resolve angles this small.
    const Fov close = DistanceNadir({Unknown, Unknown, 0.001, 5e-324});
    EXPECT_TRUE(std::isfinite(close.height));
    EXPECT_EQ(close.nadir, 4e-305);
}
