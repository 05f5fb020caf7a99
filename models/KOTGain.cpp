#include "models/KOTGain.h"

#include "formulas/Antenna.h"

namespace {

constexpr VarRow<CKOTGain> Rows[] = {
    RealVar("Dish size", UnitKm, UnitM, 1e-6, 100.0, &CKOTGain::m_dishSize),
    RealVar("Efficiency", UnitNone, 0.001, 1.0, &CKOTGain::m_efficiency),
    RealVarShownIn("Frequency", UnitHz, &CKOTGain::m_frequencyDisplay, FrequencyUnits, 0.0001, 3e15,
                   &CKOTGain::m_frequency),
    RealVar("Peak gain", UnitDbi, -300.0, 300.0, &CKOTGain::m_peakGain),
};
static_assert(CoversEveryVar(Rows));

// The tool's own starting frequency. Deliberately not the program's default frequency: the
// antenna tools start on the same dish whatever that default is.
constexpr double StartFrequency = 1.2e10;

} // namespace

VarRows<CKOTGain> CKOTGain::Vars()
{
    return Rows;
}

CKOTGain::CKOTGain()
    : m_standAlone(1)
    , m_dishSize(0.002)
    , m_efficiency(0.7)
    , m_frequency(StartFrequency)
    , m_frequencyDisplay(UnitGHz)
{
    m_peakGain = PeakGain(m_dishSize, m_frequency, m_efficiency);
}

CKOTGain::CKOTGain(double frequency, int frequencyDisplayUnit, double efficiency, double dishSize)
    : m_standAlone(0)
    , m_dishSize(dishSize)
    , m_efficiency(efficiency)
    , m_frequency(frequency)
    , m_frequencyDisplay(frequencyDisplayUnit)
{
    m_peakGain = PeakGain(m_dishSize, m_frequency, m_efficiency);
}

CKOTGain::~CKOTGain() = default;

void CKOTGain::GetTypeName(std::string& out) const
{
    out = "Gain Tool";
}

int CKOTGain::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // Over a link the frequency is the link's, and refused like the calculated variable.
    const bool linkFrequency = index == VarFrequency && !m_standAlone;
    return SetAndRecalculate(index, value, sink, linkFrequency);
}

int CKOTGain::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTGain::SetCalcVar(int index)
{
    if (index == VarDishSize || index == VarEfficiency || index == VarPeakGain
        || (index == VarFrequency && m_standAlone)) {
        m_calcVar = index;
        return 1;
    }
    return 0;
}

void CKOTGain::Recalculate()
{
    // Stored as computed, unchecked: an efficiency derived from a high gain may well exceed 1,
    // and the user should see that rather than have it refused.
    switch (m_calcVar) {
    case VarDishSize:
        m_dishSize = DiameterFromGain(m_peakGain, m_frequency, m_efficiency);
        break;
    case VarEfficiency:
        m_efficiency = EfficiencyFromGain(m_peakGain, m_frequency, m_dishSize);
        break;
    case VarFrequency:
        m_frequency = FrequencyFromGain(m_peakGain, m_dishSize, m_efficiency);
        break;
    case VarPeakGain:
        m_peakGain = PeakGain(m_dishSize, m_frequency, m_efficiency);
        break;
    default:
        break;
    }
}

void CKOTGain::SetGainAndEfficiency(double peakGain, double efficiency)
{
    m_efficiency = efficiency;
    m_peakGain = peakGain;
    m_dishSize = DiameterFromGain(m_peakGain, m_frequency, m_efficiency);
}
