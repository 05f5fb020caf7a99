#include "models/KOTGtoT.h"

#include "formulas/Noise.h"

namespace {

constexpr VarRow<CKOTGtoT> Rows[] = {
    RealVar("Peak gain", UnitDbi, -300.0, 300.0, &CKOTGtoT::m_peakGain),
    RealVar("Temperature", UnitK, 0.001, 1e9, &CKOTGtoT::m_temperature),
    RealVar("G/T", UnitDbPerK, -3000.0, 3000.0, &CKOTGtoT::m_gtot),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTGtoT> CKOTGtoT::Vars()
{
    return Rows;
}

CKOTGtoT::CKOTGtoT()
    : m_gtot(GtoTFromGain(m_peakGain, m_temperature))
{
}

CKOTGtoT::~CKOTGtoT() = default;

void CKOTGtoT::GetTypeName(std::string& out) const
{
    out = "G/T tool";
}

int CKOTGtoT::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return CheckAndStore(index, value, sink);
}

int CKOTGtoT::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTGtoT::SetCalcVar(int index)
{
    if (index != VarPeakGain && index != VarTemperature && index != VarGtoT)
        return 0;
    m_calcVar = index;
    return 1;
}

void CKOTGtoT::Recalculate()
{
    if (m_calcVar == VarPeakGain)
        CalcPeakGain();
    else if (m_calcVar == VarTemperature)
        CalcTemperature();
    else
        CalcGtoT();
}

void CKOTGtoT::CalcPeakGain()
{
    m_calcVar = VarPeakGain;
    m_peakGain = GainFromGtoT(m_temperature, m_gtot);
}

void CKOTGtoT::CalcGtoT()
{
    m_calcVar = VarGtoT;
    m_gtot = GtoTFromGain(m_peakGain, m_temperature);
}

void CKOTGtoT::CalcTemperature()
{
    m_calcVar = VarTemperature;
    m_temperature = TemperatureFromGtoT(m_peakGain, m_gtot);
}

void CKOTGtoT::SetPeakGain(double peakGain)
{
    m_peakGain = peakGain;
    CalcGtoT();
}
