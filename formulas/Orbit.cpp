#include "formulas/Orbit.h"

#include "formulas/Constants.h"
#include "formulas/Trig.h"

#include <algorithm>
#include <cmath>

namespace {

// Lower bound first, then the upper one. In the field-of-view solvers x is the caller's
// variable, so the tool shows the value that was actually used.
void Clamp(double& x, double lo, double hi)
{
    if (x < lo)
        x = lo;
    if (x > hi)
        x = hi;
}

void ClampBelow(double& x, double lo)
{
    if (x < lo)
        x = lo;
}

// 2*pi*sqrt(r^3/GM).
double PeriodOfRadius(double r)
{
    return TwoPi * std::sqrt(r * r * r / GetEarthGM());
}

// One metre keeps every triangle non-degenerate without a visible change to any result.
constexpr double MinimumLength = 0.001;

// A nadir angle close to zero divides the Earth's radius into a height and a distance past the
// largest double (R / sin(eta) passes it at 3.55e-305 rad), and no double holds that triangle.
// A solver that overflows so takes this angle instead, whose triangle fits (R / 4e-305 is
// 1.59e308), and writes it back like its other clamps; wherever the quotient is finite nothing
// changes.
constexpr double SmallestNadir = 4e-305;

} // namespace

double PeriodFromHeight(double height, double& radius)
{
    Clamp(height, MinimumLength, 1e11);
    radius = height + EarthRadius;
    return PeriodOfRadius(radius);
}

double PeriodFromRadius(double radius, double& height)
{
    Clamp(radius, EarthRadius + MinimumLength, EarthRadius + 1e11);
    height = radius - EarthRadius;
    return PeriodOfRadius(radius);
}

double HeightFromPeriod(double period, double& radius)
{
    // 5070 s is just above the period of an orbit grazing the surface.
    Clamp(period, 5070, 1e6);
    const double t = period / TwoPi;
    radius = std::pow(GetEarthGM() * (t * t), 0.3333333333333333);
    return radius - EarthRadius;
}

double FovFromHeightNadir(double& height, double& nadir, double& distance)
{
    ClampBelow(height, MinimumLength);
    const double a = height + EarthRadius;
    // Beyond the horizon's nadir angle the line of sight misses the Earth.
    const double horizonNadir = SafeAsin(EarthRadius / a);
    Clamp(nadir, 0, horizonNadir);
    if (nadir == 0) {
        distance = height;
        return HalfPi;
    }
    // Sine rule; the angle at the ground point is obtuse, so take the supplement.
    const double p = Pi - SafeAsin(std::sin(nadir) * a / EarthRadius);
    distance = std::sin(Pi - nadir - p) * a / std::sin(p);
    return p - HalfPi;
}

double FovFromHeightElevation(double& height, double& elevation, double& distance)
{
    Clamp(elevation, 0, HalfPi);
    ClampBelow(height, MinimumLength);
    if (elevation == HalfPi) {
        distance = height;
        return 0;
    }
    const double a = height + EarthRadius;
    const double p = elevation + HalfPi;
    const double nadir = SafeAsin(std::sin(p) * EarthRadius / a);
    distance = std::sin(Pi - nadir - p) * a / std::sin(p);
    return nadir;
}

double FovFromHeightDistance(double& height, double& distance, double& elevation)
{
    ClampBelow(height, MinimumLength);
    // The slant distance lies between straight down and the horizon.
    // Heights up to the largest double come from a nadir angle close to zero in the other
    // solvers; past about 1e154 km the square overflows, and the horizon is taken over the
    // height instead, the same value.
    double horizonDistance = std::sqrt(height * height + EarthDiameter * height);
    if (std::isinf(horizonDistance))
        horizonDistance = height * std::sqrt(1 + EarthDiameter / height);
    if (height > distance)
        distance = height;
    if (distance > horizonDistance)
        distance = horizonDistance;
    if (distance == height) {
        elevation = HalfPi;
        return 0;
    }
    const double a = height + EarthRadius;
    const double d2 = distance * distance;
    const double a2 = a * a;
    // Cosine rule at the satellite and at the ground point. Its squares stay finite: at heights
    // where they would not (past 9e153 km), the horizon rounds to the height itself, and the
    // distance has been set to it above.
    const double nadir = SafeAcos((d2 + a2 - EarthRadiusSquared) / (2 * a * distance));
    elevation = SafeAcos((d2 + EarthRadiusSquared - a2) / (EarthDiameter * distance)) - HalfPi;
    return nadir;
}

double FovFromElevationNadir(double& elevation, double& nadir, double& height)
{
    Clamp(elevation, 0, HalfPi);
    // The angle at the Earth's centre, pi/2 - eps - eta, cannot be negative.
    Clamp(nadir, 0, HalfPi - elevation);
    if (elevation == HalfPi || nadir == 0) {
        // Looking straight up: any height fits, so settle on the smallest one.
        elevation = HalfPi;
        nadir = 0;
        height = MinimumLength;
        return MinimumLength;
    }
    const double p = elevation + HalfPi;
    double distance = EarthRadius * std::sin(Pi - nadir - p) / std::sin(nadir);
    height = EarthRadius * std::sin(p) / std::sin(nadir) - EarthRadius;
    if (!std::isfinite(distance) || !std::isfinite(height)) {
        nadir = SmallestNadir;
        distance = EarthRadius * std::sin(Pi - nadir - p) / std::sin(nadir);
        height = EarthRadius * std::sin(p) / std::sin(nadir) - EarthRadius;
    }
    return distance;
}

double FovFromDistanceNadir(double& distance, double& nadir, double& height)
{
    ClampBelow(distance, MinimumLength);
    // At this nadir angle the ground point sees the satellite on its horizon.
    const double horizonNadir = std::atan(EarthRadius / distance);
    Clamp(nadir, 0, horizonNadir);
    if (nadir == 0) {
        height = distance;
        return HalfPi;
    }
    double o = SafeAsin(std::sin(nadir) * distance / EarthRadius);
    double p = Pi - nadir - o;
    height = std::sin(p) * distance / std::sin(o) - EarthRadius;
    if (!std::isfinite(height)) {
        // Still no further out than the horizon.
        nadir = std::min(SmallestNadir, horizonNadir);
        o = SafeAsin(std::sin(nadir) * distance / EarthRadius);
        p = Pi - nadir - o;
        height = std::sin(p) * distance / std::sin(o) - EarthRadius;
    }
    return p - HalfPi;
}

double FovFromDistanceElevation(double& distance, double& elevation, double& height)
{
    Clamp(elevation, 0, HalfPi);
    ClampBelow(distance, MinimumLength);
    if (elevation == HalfPi) {
        height = distance;
        return 0;
    }
    const double p = elevation + HalfPi;
    double r = std::sqrt(distance * distance + EarthRadiusSquared - 2 * distance * EarthRadius * std::cos(p));
    if (!std::isfinite(r)) {
        // A distance from a nadir angle close to zero in another solver, whose square
        // overflows: the same rule over the distance, the same value.
        const double q = EarthRadius / distance;
        r = distance * std::sqrt(1 + q * q - 2 * q * std::cos(p));
    }
    const double nadir = SafeAsin(std::sin(p) * EarthRadius / r);
    height = r - EarthRadius;
    return nadir;
}
