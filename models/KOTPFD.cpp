#include "models/KOTPFD.h"

#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "models/KOTSpread.h"

#include <tuple>

namespace {

using Shared = CKOTPFD::SharedVars;

constexpr VarRow<CKOTPFD> Rows[] = {
    Shared::Frequency,
    Shared::Wavelength,
    Shared::TxPower,
    Shared::TxPeakGain,
    Shared::TxRelativeGain,
    Shared::TxDishSize,
    Shared::TxEfficiency,
    Shared::TxBeamwidth,
    Shared::TxOffAxisAngle,
    Shared::TxPattern,
    Shared::Eirp,
    RealVar("Path length", UnitKm, 0.001, 1e11, &CKOTPFD::m_pathLength),
    RealVar("Spreading factor", UnitDb, -200.0, 500.0, &CKOTPFD::m_spreading),
    SumTermVar("Other losses", UnitDb, &CKOTPFD::m_otherLosses),
    Shared::RxPeakGain,
    Shared::RxRelativeGain,
    Shared::RxDishSize,
    Shared::RxEfficiency,
    Shared::RxBeamwidth,
    Shared::RxOffAxisAngle,
    Shared::RxPattern,
    SumTermVar("PFD", UnitDbwPer4KHzM2, &CKOTPFD::m_pfd),
};
static_assert(CoversEveryVar(Rows));

// As in the link budget, the beamwidths and patterns have no row and are refused as fixed.
constexpr SetStep<CKOTPFD> Steps[] = {
    {CKOTPFD::VarFrequency, &CKOTPFD::UpdateFrequency},
    {CKOTPFD::VarWavelength, &CKOTPFD::UpdateFromWavelength},
    {CKOTPFD::VarTxPower, nullptr},
    {CKOTPFD::VarTxPeakGain, &CKOTPFD::UpdateTxPeakGain},
    {CKOTPFD::VarTxRelativeGain, &CKOTPFD::UpdateTxOffaxis},
    {CKOTPFD::VarTxDishSize, &CKOTPFD::UpdateTxDish},
    {CKOTPFD::VarTxEfficiency, &CKOTPFD::UpdateTxDish},
    {CKOTPFD::VarTxOffAxisAngle, &CKOTPFD::UpdateTxRelativeGain},
    {CKOTPFD::VarEirp, &CKOTPFD::SolveFromEirp},
    {CKOTPFD::VarPathLength, &CKOTPFD::UpdateLossFromLength},
    {CKOTPFD::VarSpreading, &CKOTPFD::UpdateSpreadingLength},
    {CKOTPFD::VarOtherLosses, nullptr},
    {CKOTPFD::VarRxPeakGain, &CKOTPFD::UpdateRxPeakGain},
    {CKOTPFD::VarRxRelativeGain, &CKOTPFD::UpdateRxOffaxis},
    {CKOTPFD::VarRxDishSize, &CKOTPFD::UpdateRxDish},
    {CKOTPFD::VarRxEfficiency, &CKOTPFD::UpdateRxDish},
    {CKOTPFD::VarRxOffAxisAngle, &CKOTPFD::UpdateRxRelativeGain},
    {CKOTPFD::VarPfd, &CKOTPFD::SolveFromPfd},
};

} // namespace

VarRows<CKOTPFD> CKOTPFD::Vars()
{
    return Rows;
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

int CKOTPFD::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return SetBudgetVar(index, value, sink, Steps);
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
