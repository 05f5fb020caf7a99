#include "models/KOTGtoT.h"

#include "formulas/Noise.h"
#include "framework/RealVarTable.h"
#include "framework/Units.h"

namespace {

constexpr RealVarTable<CKOTGtoT> Vars({
    {"Peak gain", UnitDb, -300.0, 300.0, &CKOTGtoT::m_peakGain},
    {"Temperature", UnitK, 0.001, 1e9, &CKOTGtoT::m_temperature},
    {"G/T", UnitDb, -3000.0, 3000.0, &CKOTGtoT::m_gtot},
});

} // namespace

CKOTGtoT::CKOTGtoT()
    : m_gtot(GtoTFromGain(m_peakGain, m_temperature))
{
}

CKOTGtoT::~CKOTGtoT() = default;

void CKOTGtoT::GetTypeName(std::string& out) const
{
    out = "G/T tool";
}

int CKOTGtoT::GetRealVar(int index, double& out) const
{
    return Vars.Get(*this, index, out);
}

int CKOTGtoT::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return Vars.CheckAndStore(*this, index, value, sink);
}

void CKOTGtoT::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

int CKOTGtoT::GetVarUnit(int index) const
{
    return Vars.Unit(index);
}

int CKOTGtoT::GetVarKind(int index) const
{
    return Vars.Kind(index);
}

int CKOTGtoT::GetVarCount() const
{
    return VarTotal;
}

void CKOTGtoT::CalcPeakGain()
{
    m_peakGain = GainFromGtoT(m_temperature, m_gtot);
}

void CKOTGtoT::CalcGtoT()
{
    m_gtot = GtoTFromGain(m_peakGain, m_temperature);
}

void CKOTGtoT::CalcTemperature()
{
    m_temperature = TemperatureFromGtoT(m_peakGain, m_gtot);
}

void CKOTGtoT::SetPeakGain(double peakGain)
{
    m_peakGain = peakGain;
    CalcGtoT();
}
