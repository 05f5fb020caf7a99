#include "formulas/Trig.h"

#include <cmath>

namespace {

// Triangle-geometry ratios can land a few ulps beyond +-1 at the horizon or the zenith;
// clamping keeps those cases at the limiting angle instead of turning them into NaN.
double ClampUnit(double x)
{
    if (x < -1.0)
        x = -1.0;
    if (x > 1.0)
        x = 1.0;
    return x;
}

} // namespace

double SafeAsin(double x)
{
    return std::asin(ClampUnit(x));
}

double SafeAcos(double x)
{
    return std::acos(ClampUnit(x));
}
