#include "models/KOTFreq.h"

#include "formulas/Propagation.h"

namespace {

constexpr double DefaultFrequency = 1e10;

constexpr VarRow<CKOTFreq> Rows[] = {
    RealVarShownIn("Frequency", UnitHz, &CKOTFreq::m_frequencyDisplay, FrequencyUnits, 0.0001, NoUpperLimit,
                   &CKOTFreq::m_frequency),
    RealVarShownIn("Wavelength", UnitKm, &CKOTFreq::m_wavelengthDisplay, DistanceUnits, 1e-10, NoUpperLimit,
                   &CKOTFreq::m_wavelength),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTFreq> CKOTFreq::Vars()
{
    return Rows;
}

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

int CKOTFreq::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!CheckAndStore(index, value, sink))
        return 0;
    if (index == VarFrequency)
        m_wavelength = WavelengthFromFrequency(m_frequency);
    else
        m_frequency = FrequencyFromWavelength(m_wavelength);
    return 1;
}
