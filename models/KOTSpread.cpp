#include "models/KOTSpread.h"

#include "formulas/Constants.h"
#include "formulas/Propagation.h"

namespace {

constexpr VarRow<CKOTSpread> Rows[] = {
    RealVar("Spread loss", UnitDb, -3000.0, 3000.0, &CKOTSpread::m_loss),
    RealVar("Distance", UnitKm, 0.001, 1e11, &CKOTSpread::m_distance),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTSpread> CKOTSpread::Vars()
{
    return Rows;
}

CKOTSpread::CKOTSpread()
    : m_loss(SpreadingLoss(GeostationaryHeight))
    , m_distance(GeostationaryHeight)
{
}

CKOTSpread::~CKOTSpread() = default;

void CKOTSpread::GetTypeName(std::string& out) const
{
    out = "Spread Loss Tool";
}

int CKOTSpread::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!CheckAndStore(index, value, sink))
        return 0;
    if (index == VarLoss)
        m_distance = DistanceFromSpreadingLoss(m_loss);
    else
        m_loss = SpreadingLoss(m_distance);
    return 1;
}
