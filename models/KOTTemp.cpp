#include "models/KOTTemp.h"

#include "formulas/Noise.h"

namespace {

constexpr VarRow<CKOTTemp> Rows[] = {
    // kT at 0.001 K and at 1e9 K, over the bandwidth of 1 Hz.
    RealVar("Noise", UnitDbw, -258.6, -138.6, &CKOTTemp::m_noise),
    RealVar("Temperature", UnitK, 0.001, 1e9, &CKOTTemp::m_temperature),
    RealVar("Bandwidth", UnitHz, 0.0001, NoUpperLimit, &CKOTTemp::m_bandwidth),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTTemp> CKOTTemp::Vars()
{
    return Rows;
}

CKOTTemp::CKOTTemp()
{
    // In the body: the noise is declared before the two members it is computed from.
    m_noise = NoisePower(m_temperature, m_bandwidth);
}

CKOTTemp::~CKOTTemp() = default;

void CKOTTemp::GetTypeName(std::string& out) const
{
    out = "Temp Tool";
}

int CKOTTemp::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return SetAndRecalculate(index, value, sink);
}

int CKOTTemp::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTTemp::SetCalcVar(int index)
{
    if (index < VarNoise || index >= VarTotal)
        return 0;
    m_calcVar = index;
    return 1;
}

void CKOTTemp::Recalculate()
{
    switch (m_calcVar) {
    case VarNoise:
        m_noise = NoisePower(m_temperature, m_bandwidth);
        break;
    case VarTemperature:
        m_temperature = TemperatureFromNoise(m_noise, m_bandwidth);
        break;
    case VarBandwidth:
        m_bandwidth = BandwidthFromNoise(m_temperature, m_noise);
        break;
    default:
        break;
    }
}
