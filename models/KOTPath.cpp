#include "models/KOTPath.h"

#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "framework/KorDefaults.h"

namespace {

constexpr VarRow<CKOTPath> Rows[] = {
    RealVar("Free space loss", UnitDb, -200.0, 500.0, &CKOTPath::m_loss),
    RealVar("Distance", UnitKm, 0.001, 1e11, &CKOTPath::m_distance),
    RealVarShownIn("Frequency", UnitHz, &CKOTPath::m_frequencyDisplay, FrequencyUnits, 0.0001, 3e15,
                   &CKOTPath::m_frequency),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTPath> CKOTPath::Vars()
{
    return Rows;
}

CKOTPath::CKOTPath()
    : m_standAlone(1)
    , m_distance(GeostationaryHeight)
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

int CKOTPath::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // Over a link budget the frequency is the link's, and refused like the calculated variable.
    const bool linkFrequency = index == VarFrequency && !m_standAlone;
    return SetAndRecalculate(index, value, sink, linkFrequency);
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
