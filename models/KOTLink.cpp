#include "models/KOTLink.h"

#include "formulas/Constants.h"
#include "formulas/Noise.h"
#include "formulas/Propagation.h"
#include "models/KOTPath.h"
#include "models/KOTTemp.h"

#include <tuple>

namespace {

constexpr VarRow<CKOTLink> PathRows[] = {
    RealVar("Free space path length", UnitKm, 0.001, 1e11, &CKOTLink::m_pathLength),
    RealVar("Free space path losses", UnitDb, -200.0, 500.0, &CKOTLink::m_pathLoss),
    SumTermVar("Other losses", UnitDb, &CKOTLink::m_otherLosses),
};

constexpr VarRow<CKOTLink> ReceiverRows[] = {
    SumTermVar("Receive Power", UnitDbw, &CKOTLink::m_rxPower),
    // kT at 0.001 K and at 1e9 K over 1 Hz, as in the noise tool.
    RealVar("Receiver Noise", UnitDbw, -258.6, -138.6, &CKOTLink::m_noise),
    RealVar("Receiver Temperature", UnitK, 0.001, 1e9, &CKOTLink::m_temperature),
    RealVar("Receiver Bandwidth", UnitHz, 0.001, 1e9, &CKOTLink::m_bandwidth),
    // A ratio of two powers in one bandwidth, so plain dB: dB/Hz would make it C/N0.
    SumTermVar("C/N", UnitDb, &CKOTLink::m_cn),
};

constexpr SetStep<CKOTLink> OwnSteps[] = {
    {CKOTLink::VarPathLength, &CKOTLink::UpdateLossFromLength},
    {CKOTLink::VarPathLoss, &CKOTLink::UpdatePathLength},
    {CKOTLink::VarOtherLosses, nullptr},
    {CKOTLink::VarRxPower, &CKOTLink::SolveFromReceivePower},
    {CKOTLink::VarNoise, &CKOTLink::UpdateTemperature},
    {CKOTLink::VarTemperature, &CKOTLink::UpdateNoise},
    {CKOTLink::VarBandwidth, &CKOTLink::UpdateNoise},
    {CKOTLink::VarCn, &CKOTLink::SolveFromCn},
};

} // namespace

VarRows<CKOTLink> CKOTLink::Vars()
{
    static constexpr auto table = BudgetRows(PathRows, ReceiverRows);
    static_assert(CoversEveryVar(table.rows));
    return table.rows;
}

SetSteps<CKOTLink> CKOTLink::Steps()
{
    return OwnSteps;
}

CKOTLink::CKOTLink()
    : m_pathLength(GeostationaryHeight)
{
    UpdateLossFromLength();
    UpdateNoise();
    Recalculate();
}

CKOTLink::~CKOTLink() = default;

void CKOTLink::GetTypeName(std::string& out) const
{
    out = "Link Tool";
}

void CKOTLink::Recalculate()
{
    UpdateEirp();
    m_rxPower = m_eirp - m_pathLoss - m_otherLosses + m_rxPeakGain + m_rxRelativeGain;
    m_cn = m_rxPower - m_noise;
}

void CKOTLink::UpdateLossFromLength()
{
    m_pathLoss = FreeSpaceLoss(m_pathLength, m_frequency);
}

void CKOTLink::UpdatePathLength()
{
    m_pathLength = DistanceFromLoss(m_pathLoss, m_frequency);
}

void CKOTLink::UpdateNoise()
{
    m_noise = NoisePower(m_temperature, m_bandwidth);
}

void CKOTLink::UpdateTemperature()
{
    m_temperature = TemperatureFromNoise(m_noise, m_bandwidth);
}

void CKOTLink::UpdateBandwidth()
{
    m_bandwidth = BandwidthFromNoise(m_temperature, m_noise);
}

void CKOTLink::DeriveUnsavedValues()
{
    UpdateEirp();
    UpdateBandwidth();
}

void CKOTLink::SolveFromReceivePower()
{
    m_eirp = m_rxPower + m_pathLoss + m_otherLosses - m_rxPeakGain - m_rxRelativeGain;
    SolveFromEirp();
}

void CKOTLink::SolveFromCn()
{
    m_rxPower = m_cn + m_noise;
    SolveFromReceivePower();
}

void CKOTLink::RunPathTool()
{
    // Over a link the frequency is the link's: the tool shows it but cannot change it.
    CKOTPath tool(m_pathLength, m_frequency, m_frequencyDisplay);
    const auto take = [](const CKOTPath& t) { return std::tuple(t.m_loss, t.m_distance); };
    if (RunSubTool(tool, take)) {
        std::tie(m_pathLoss, m_pathLength) = take(tool);
        UpdatePathLength();
    }
    Recalculate();
}

void CKOTLink::RunMarginTool()
{
    CKOTMargin tool = m_margin;
    tool.LockToLink(m_cn, m_bandwidth);
    if (tool.RunDialog() == 1)
        m_margin.TakeCarrierFrom(tool);
}

void CKOTLink::RunNoiseTool()
{
    CKOTTemp tool;
    tool.m_noise = m_noise;
    tool.m_temperature = m_temperature;
    tool.m_bandwidth = m_bandwidth;
    const auto take = [](const CKOTTemp& t) { return std::tuple(t.m_noise, t.m_temperature, t.m_bandwidth); };
    if (RunSubTool(tool, take))
        std::tie(m_noise, m_temperature, m_bandwidth) = take(tool);
    Recalculate();
}
