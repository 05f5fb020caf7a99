#include "models/KOTSpread.h"

#include "formulas/Propagation.h"
#include "framework/RealVarTable.h"
#include "framework/Units.h"

namespace {

// Geostationary altitude.
constexpr double DefaultDistance = 35786.05;

constexpr RealVarTable<CKOTSpread> Vars({
    {"Spread loss", UnitDb, -3000.0, 3000.0, &CKOTSpread::m_loss},
    {"Distance", UnitKm, 0.001, 1e11, &CKOTSpread::m_distance},
});

} // namespace

CKOTSpread::CKOTSpread()
    : m_loss(SpreadingLoss(DefaultDistance))
    , m_distance(DefaultDistance)
{
}

CKOTSpread::~CKOTSpread() = default;

void CKOTSpread::GetTypeName(std::string& out) const
{
    out = "Spread Loss Tool";
}

int CKOTSpread::GetRealVar(int index, double& out) const
{
    return Vars.Get(*this, index, out);
}

int CKOTSpread::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!Vars.CheckAndStore(*this, index, value, sink))
        return 0;
    if (index == VarLoss)
        m_distance = DistanceFromSpreadingLoss(m_loss);
    else
        m_loss = SpreadingLoss(m_distance);
    return 1;
}

void CKOTSpread::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

int CKOTSpread::GetVarUnit(int index) const
{
    return Vars.Unit(index);
}

int CKOTSpread::GetVarKind(int index) const
{
    return Vars.Kind(index);
}

int CKOTSpread::GetVarCount() const
{
    return VarTotal;
}
