#include "models/KOTOff.h"

#include "formulas/Antenna.h"
#include "formulas/Constants.h"

namespace {

constexpr VarRow<CKOTOff> Rows[] = {
    RealVar("Offaxis angle", UnitRad, UnitDeg, 0.0, Pi, &CKOTOff::m_offAxisAngle),
    RealVar("Relative gain", UnitDb, -300.0, 0.0, &CKOTOff::m_relativeGain),
    RealVar("Peak gain", UnitDbi, -300.0, 300.0, &CKOTOff::m_peakGain),
    RealVar("Theta 3dB", UnitRad, UnitDeg, 1e-6, Pi, &CKOTOff::m_beamwidth),
    EnumVar("Gain Pattern", std::span<const char* const>(PatternNames), &CKOTOff::m_pattern),
};
static_assert(CoversEveryVar(Rows));

constexpr double StartPeakGain = 30.0;
constexpr double StartBeamwidth = 0.08726646259971647; // 5 degrees

} // namespace

VarRows<CKOTOff> CKOTOff::Vars()
{
    return Rows;
}

CKOTOff::CKOTOff()
    : m_standAlone(1)
    , m_offAxisAngle(0.0)
    , m_peakGain(StartPeakGain)
    , m_relativeGain(0.0) // on boresight
    , m_beamwidth(StartBeamwidth)
    , m_pattern(PatternLog29)
{
}

CKOTOff::CKOTOff(double offAxisAngle, double beamwidth)
    : m_standAlone(0)
    , m_offAxisAngle(offAxisAngle)
    , m_peakGain(StartPeakGain)
    , m_beamwidth(beamwidth)
    , m_pattern(PatternLog29)
{
    m_relativeGain = RelativeGain(m_peakGain, m_beamwidth, m_offAxisAngle, m_pattern);
}

CKOTOff::~CKOTOff() = default;

void CKOTOff::GetTypeName(std::string& out) const
{
    out = "Offaxis angle tool";
}

int CKOTOff::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // Over a link the beamwidth is the link's, and refused like the calculated variable.
    const bool linkBeamwidth = index == VarBeamwidth && !m_standAlone;
    return SetAndRecalculate(index, value, sink, linkBeamwidth);
}

int CKOTOff::SetIntVar(int index, const int& value, ErrorSink& sink)
{
    // The pattern is never calculated, so only its own limits apply.
    if (!CheckAndStoreInt(index, value, sink))
        return 0;
    Recalculate();
    return 1;
}

int CKOTOff::GetCalcVar() const
{
    return m_calcVar;
}

int CKOTOff::SetCalcVar(int index)
{
    // The peak gain is always an input, and the pattern a choice.
    if (index == VarOffAxisAngle || index == VarRelativeGain || (index == VarBeamwidth && m_standAlone)) {
        m_calcVar = index;
        return 1;
    }
    return 0;
}

void CKOTOff::Recalculate()
{
    // Stored as computed, unchecked. The searches never fail: a relative gain no angle reaches
    // gives 0 or pi, one no beamwidth reaches gives the end of the beamwidth range, and a
    // relative gain of 0 dB gives no beamwidth at all (0).
    switch (m_calcVar) {
    case VarOffAxisAngle:
        m_offAxisAngle = OffAxisFromRelativeGain(m_peakGain, m_beamwidth, m_relativeGain, m_pattern);
        break;
    case VarRelativeGain:
        m_relativeGain = RelativeGain(m_peakGain, m_beamwidth, m_offAxisAngle, m_pattern);
        break;
    case VarBeamwidth:
        m_beamwidth = BeamwidthFromRelativeGain(m_peakGain, m_relativeGain, m_offAxisAngle, m_pattern);
        break;
    default:
        break;
    }
}

void CKOTOff::SetBeamwidthAndGain(double beamwidth, double peakGain)
{
    m_beamwidth = beamwidth;
    m_peakGain = peakGain;
    m_relativeGain = RelativeGain(m_peakGain, m_beamwidth, m_offAxisAngle, m_pattern);
}
