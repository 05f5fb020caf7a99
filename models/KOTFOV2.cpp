#include "models/KOTFOV2.h"

#include "formulas/Constants.h"
#include "formulas/Orbit.h"

#include <utility>

namespace {

constexpr VarRow<CKOTFOV2> Rows[] = {
    RealVar("Height above Earth", UnitKm, 0.001, 1e11, &CKOTFOV2::m_height),
    RealVar("Elevation angle", UnitRad, UnitDeg, 0, HalfPi, &CKOTFOV2::m_elevation),
    RealVar("Distance to Horizon", UnitKm, 0.001, 1e11, &CKOTFOV2::m_distance),
    RealVar("Angle at satellite", UnitRad, UnitDeg, 0, HalfPi, &CKOTFOV2::m_nadirAngle),
};
static_assert(CoversEveryVar(Rows));

// For each pair of known variables, the solver that takes them (in its own argument order), the
// variable it writes and the one it returns.
struct Solution {
    int known1, known2;
    double (*solve)(double&, double&, double&);
    double CKOTFOV2::*in1;
    double CKOTFOV2::*in2;
    double CKOTFOV2::*written;
    double CKOTFOV2::*returned;
};

using M = CKOTFOV2;
constexpr Solution Solutions[] = {
    {M::VarHeight, M::VarElevation, FovFromHeightElevation, &M::m_height, &M::m_elevation, &M::m_distance,
     &M::m_nadirAngle},
    {M::VarHeight, M::VarDistance, FovFromHeightDistance, &M::m_height, &M::m_distance, &M::m_elevation,
     &M::m_nadirAngle},
    {M::VarHeight, M::VarNadirAngle, FovFromHeightNadir, &M::m_height, &M::m_nadirAngle, &M::m_distance,
     &M::m_elevation},
    {M::VarElevation, M::VarDistance, FovFromDistanceElevation, &M::m_distance, &M::m_elevation, &M::m_height,
     &M::m_nadirAngle},
    {M::VarElevation, M::VarNadirAngle, FovFromElevationNadir, &M::m_elevation, &M::m_nadirAngle, &M::m_height,
     &M::m_distance},
    {M::VarDistance, M::VarNadirAngle, FovFromDistanceNadir, &M::m_distance, &M::m_nadirAngle, &M::m_height,
     &M::m_elevation},
};

const Solution* FindSolution(int a, int b)
{
    if (a > b)
        std::swap(a, b);
    for (const Solution& solution : Solutions)
        if (solution.known1 == a && solution.known2 == b)
            return &solution;
    return nullptr;
}

} // namespace

VarRows<CKOTFOV2> CKOTFOV2::Vars()
{
    return Rows;
}

CKOTFOV2::CKOTFOV2()
    : m_height(GeostationaryHeight)
    , m_elevation(5 * Pi / 180)
    , m_distance(0.0)
{
    m_nadirAngle = FovFromHeightElevation(m_height, m_elevation, m_distance);
}

CKOTFOV2::~CKOTFOV2() = default;

void CKOTFOV2::GetTypeName(std::string& out) const
{
    out = "Enhanced Field of View Tool";
}

int CKOTFOV2::GetVarAccess(int) const
{
    return VarEditable;
}

int CKOTFOV2::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!CheckAndStore(index, value, sink))
        return 0;
    Recalculate();
    return 1;
}

int CKOTFOV2::GetCalcVar() const
{
    return m_editedVar;
}

int CKOTFOV2::SetCalcVar(int index)
{
    m_editedVar = index;
    return 1;
}

void CKOTFOV2::Recalculate()
{
    const Solution* solution = FindSolution(m_editedVar, m_fixedVar);
    if (!solution)
        return;
    this->*(solution->returned) = solution->solve(this->*(solution->in1), this->*(solution->in2),
                                                  this->*(solution->written));
}
