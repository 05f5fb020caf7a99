#include "models/KOTT3dB.h"

#include "formulas/Antenna.h"
#include "formulas/Constants.h"

namespace {

constexpr VarRow<CKOTT3dB> Rows[] = {
    RealVar("Efficiency", UnitNone, 0.001, 1.0, &CKOTT3dB::m_efficiency),
    RealVar("Peak gain", UnitDbi, -300.0, 300.0, &CKOTT3dB::m_peakGain),
    RealVar("Theta 3dB", UnitRad, UnitDeg, 1e-6, Pi, &CKOTT3dB::m_beamwidth),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTT3dB> CKOTT3dB::Vars()
{
    return Rows;
}

CKOTT3dB::CKOTT3dB()
    : m_efficiency(0.7)
    , m_peakGain(30.0)
    , m_beamwidth(BeamwidthFromGain(m_peakGain, m_efficiency))
{
}

CKOTT3dB::~CKOTT3dB() = default;

void CKOTT3dB::GetTypeName(std::string& out) const
{
    out = "Theta 3dB tool";
}

int CKOTT3dB::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return SetAndRecalculate(index, value, sink);
}

int CKOTT3dB::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTT3dB::SetCalcVar(int index)
{
    if (index == VarEfficiency || index == VarPeakGain || index == VarBeamwidth) {
        m_calcVar = index;
        return 1;
    }
    return 0;
}

void CKOTT3dB::Recalculate()
{
    // Stored as computed, unchecked, like every derived value.
    switch (m_calcVar) {
    case VarEfficiency:
        m_efficiency = EfficiencyFromBeamwidth(m_peakGain, m_beamwidth);
        break;
    case VarPeakGain:
        m_peakGain = GainFromBeamwidth(m_beamwidth, m_efficiency);
        break;
    case VarBeamwidth:
        m_beamwidth = BeamwidthFromGain(m_peakGain, m_efficiency);
        break;
    default:
        break;
    }
}

void CKOTT3dB::SetGainAndEfficiency(double peakGain, double efficiency)
{
    m_peakGain = peakGain;
    m_efficiency = efficiency;
    m_beamwidth = BeamwidthFromGain(m_peakGain, m_efficiency);
}

void CKOTT3dB::SetBeamwidth(double beamwidth)
{
    m_beamwidth = beamwidth;
    m_peakGain = GainFromBeamwidth(m_beamwidth, m_efficiency);
}
