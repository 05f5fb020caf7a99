#include "models/KOTPFD.h"

#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "models/KOTSpread.h"

#include <tuple>

namespace {

constexpr VarRow<CKOTPFD> PathRows[] = {
    RealVar("Path length", UnitKm, 0.001, 1e11, &CKOTPFD::m_pathLength),
    RealVar("Spreading factor", UnitDb, -200.0, 500.0, &CKOTPFD::m_spreading),
    SumTermVar("Other losses", UnitDb, &CKOTPFD::m_otherLosses),
};

constexpr VarRow<CKOTPFD> FluxRows[] = {
    SumTermVar("PFD", UnitDbwPer4KHzM2, &CKOTPFD::m_pfd),
};

constexpr SetStep<CKOTPFD> OwnSteps[] = {
    {CKOTPFD::VarPathLength, &CKOTPFD::UpdateLossFromLength},
    {CKOTPFD::VarSpreading, &CKOTPFD::UpdateSpreadingLength},
    {CKOTPFD::VarOtherLosses, nullptr},
    {CKOTPFD::VarPfd, &CKOTPFD::SolveFromPfd},
};

} // namespace

VarRows<CKOTPFD> CKOTPFD::Vars()
{
    static constexpr auto table = BudgetRows(PathRows, FluxRows);
    static_assert(CoversEveryVar(table.rows));
    return table.rows;
}

SetSteps<CKOTPFD> CKOTPFD::Steps()
{
    return OwnSteps;
}

CKOTPFD::CKOTPFD()
    : m_pathLength(GeostationaryHeight)
{
    UpdateLossFromLength();
    Recalculate();
}

CKOTPFD::~CKOTPFD() = default;

void CKOTPFD::GetTypeName(std::string& out) const
{
    out = "PFD Tool";
}

void CKOTPFD::Recalculate()
{
    UpdateEirp();
    UpdatePfd();
}

void CKOTPFD::DeriveUnsavedValues()
{
    UpdateEirp();
}

void CKOTPFD::UpdatePfd()
{
    // The receive peak gain never counts: the receive antenna enters only through its gain
    // relative to its peak, and only for the EPFD.
    m_pfd = m_eirp - m_spreading - m_otherLosses + CountedReceiveGain();
}

void CKOTPFD::SetIncludeReceiveGain(int flag)
{
    m_includeReceiveGain = flag;
    UpdatePfd();
}

void CKOTPFD::UpdateLossFromLength()
{
    // The spreading loss does not depend on the frequency; it is recomputed with it all the same.
    m_spreading = SpreadingLoss(m_pathLength);
}

void CKOTPFD::UpdateSpreadingLength()
{
    m_pathLength = DistanceFromSpreadingLoss(m_spreading);
}

void CKOTPFD::SolveFromPfd()
{
    m_eirp = m_pfd + m_spreading + m_otherLosses - CountedReceiveGain();
    SolveFromEirp();
}

void CKOTPFD::RunSpreadTool()
{
    CKOTSpread tool;
    tool.m_loss = m_spreading;
    tool.m_distance = m_pathLength;
    const auto take = [](const CKOTSpread& t) { return std::tuple(t.m_loss, t.m_distance); };
    if (RunSubTool(tool, take)) {
        std::tie(m_spreading, m_pathLength) = take(tool);
        UpdateSpreadingLength();
    }
    Recalculate();
}
