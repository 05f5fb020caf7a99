#include "models/KOTFOV1.h"

#include "formulas/Constants.h"
#include "formulas/Orbit.h"

namespace {

// The radius must stay above the surface; the sum is taken in double, just as the period
// formula bounds it, so anything the setter accepts is used unchanged.
constexpr double LowestRadius = EarthRadius + 0.001;

constexpr VarRow<CKOTFOV1> Rows[] = {
    RealVar("Height above Earth", UnitKm, 0.001, 1e11, &CKOTFOV1::m_height),
    RealVar("Semi major axis", UnitKm, LowestRadius, 1e11, &CKOTFOV1::m_semiMajorAxis),
    RealVar("Orbit Period", UnitSec, UnitMin, 5070, 1e6, &CKOTFOV1::m_period),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTFOV1> CKOTFOV1::Vars()
{
    return Rows;
}

CKOTFOV1::CKOTFOV1()
{
    SetHeight(GeostationaryHeight);
}

CKOTFOV1::~CKOTFOV1() = default;

void CKOTFOV1::GetTypeName(std::string& out) const
{
    out = "Satellite Period Tool";
}

int CKOTFOV1::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // Anything but the three variables is refused by CheckAndStore; each of the three then
    // derives the other two from the value just stored.
    if (!CheckAndStore(index, value, sink))
        return 0;
    switch (index) {
    case VarHeight:
        SetHeight(value);
        break;
    case VarSemiMajorAxis:
        SetSemiMajorAxis(value);
        break;
    default:
        SetPeriod(value);
        break;
    }
    return 1;
}

void CKOTFOV1::SetHeight(double height)
{
    m_height = height;
    m_period = PeriodFromHeight(height, m_semiMajorAxis);
}

void CKOTFOV1::SetSemiMajorAxis(double semiMajorAxis)
{
    m_semiMajorAxis = semiMajorAxis;
    m_period = PeriodFromRadius(semiMajorAxis, m_height);
}

void CKOTFOV1::SetPeriod(double period)
{
    m_period = period;
    m_height = HeightFromPeriod(period, m_semiMajorAxis);
}
