#include "models/KOTFreq.h"

#include "formulas/Propagation.h"
#include "framework/RealVarTable.h"

namespace {

constexpr double DefaultFrequency = 1e10;

constexpr RealVarTable<CKOTFreq> Vars({
    {"Frequency", UnitHz, 0.0001, NoUpperLimit, &CKOTFreq::m_frequency},
    {"Wavelength", UnitKm, 1e-10, NoUpperLimit, &CKOTFreq::m_wavelength},
});

} // namespace

CKOTFreq::CKOTFreq()
    : m_frequency(DefaultFrequency)
    , m_wavelength(WavelengthFromFrequency(DefaultFrequency))
{
}

CKOTFreq::~CKOTFreq() = default;

void CKOTFreq::GetTypeName(std::string& out) const
{
    out = "Frequency Tools";
}

int CKOTFreq::GetRealVar(int index, double& out) const
{
    return Vars.Get(*this, index, out);
}

int CKOTFreq::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!Vars.CheckAndStore(*this, index, value, sink))
        return 0;
    if (index == VarFrequency)
        m_wavelength = WavelengthFromFrequency(m_frequency);
    else
        m_frequency = FrequencyFromWavelength(m_wavelength);
    return 1;
}

void CKOTFreq::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

int CKOTFreq::GetVarUnit(int index) const
{
    return Vars.Unit(index);
}

int CKOTFreq::GetDisplayUnit(int index) const
{
    switch (index) {
    case VarFrequency:
        return m_frequencyDisplay;
    case VarWavelength:
        return m_wavelengthDisplay;
    default:
        return UnitNone;
    }
}

int CKOTFreq::SetDisplayUnit(int index, int unit)
{
    if (index == VarFrequency && unit >= UnitHz && unit <= UnitGHz) {
        m_frequencyDisplay = unit;
        return 1;
    }
    if (index == VarWavelength && unit >= UnitKm && unit <= UnitMm) {
        m_wavelengthDisplay = unit;
        return 1;
    }
    return 0;
}

int CKOTFreq::GetVarKind(int index) const
{
    return Vars.Kind(index);
}

int CKOTFreq::GetVarCount() const
{
    return VarTotal;
}
