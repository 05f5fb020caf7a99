#include "models/KOTPath.h"

#include "formulas/Propagation.h"
#include "framework/KorDefaults.h"
#include "framework/RealVarTable.h"

namespace {

// Geostationary altitude.
constexpr double DefaultDistance = 35786.05;

constexpr RealVarTable<CKOTPath> Vars({
    {"Free space loss", UnitDb, -200.0, 500.0, &CKOTPath::m_loss},
    {"Distance", UnitKm, 0.001, 1e11, &CKOTPath::m_distance},
    {"Frequency", UnitHz, 0.0001, 3e15, &CKOTPath::m_frequency},
});

} // namespace

CKOTPath::CKOTPath()
    : m_standAlone(1)
    , m_distance(DefaultDistance)
    , m_frequency(KorDefaults().m_defaultFrequency)
    , m_frequencyDisplay(UnitGHz)
{
    m_loss = FreeSpaceLoss(m_distance, m_frequency);
}

CKOTPath::CKOTPath(double distance, double frequency, int frequencyDisplayUnit)
    : m_standAlone(0)
    , m_distance(distance)
    , m_frequency(frequency)
    , m_frequencyDisplay(frequencyDisplayUnit)
{
    m_loss = FreeSpaceLoss(m_distance, m_frequency);
}

CKOTPath::~CKOTPath() = default;

void CKOTPath::GetTypeName(std::string& out) const
{
    out = "Path Tool";
}

int CKOTPath::GetRealVar(int index, double& out) const
{
    return Vars.Get(*this, index, out);
}

int CKOTPath::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // Over a link budget the frequency is the link's, and refused like the calculated variable.
    const bool linkFrequency = index == VarFrequency && !m_standAlone;
    return Vars.SetAndRecalculate(*this, index, value, sink, linkFrequency);
}

void CKOTPath::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

int CKOTPath::GetVarUnit(int index) const
{
    return Vars.Unit(index);
}

int CKOTPath::GetDisplayUnit(int index) const
{
    return index == VarFrequency ? m_frequencyDisplay : GetVarUnit(index);
}

int CKOTPath::SetDisplayUnit(int index, int unit)
{
    if (index != VarFrequency || unit < UnitHz || unit > UnitGHz)
        return 0;
    m_frequencyDisplay = unit;
    return 1;
}

int CKOTPath::GetVarKind(int index) const
{
    return Vars.Kind(index);
}

int CKOTPath::GetVarCount() const
{
    return VarTotal;
}

int CKOTPath::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTPath::SetCalcVar(int index)
{
    if (index == VarLoss || index == VarDistance || (index == VarFrequency && m_standAlone)) {
        m_calcVar = index;
        return 1;
    }
    return 0;
}

void CKOTPath::Recalculate()
{
    // Stored as computed: a loss at or below 0 dB has no distance or frequency and gives 0.
    switch (m_calcVar) {
    case VarLoss:
        m_loss = FreeSpaceLoss(m_distance, m_frequency);
        break;
    case VarDistance:
        m_distance = DistanceFromLoss(m_loss, m_frequency);
        break;
    case VarFrequency:
        m_frequency = FrequencyFromLoss(m_loss, m_distance);
        break;
    default:
        break;
    }
}
