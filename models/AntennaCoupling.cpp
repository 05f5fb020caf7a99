#include "models/AntennaCoupling.h"

#include "models/ToolRegistry.h"

void CoupleAtStartUp(ToolModels& models)
{
    // Without saved values the other three tools then start from the gain tool's dish, not from
    // defaults of their own that describe another antenna.
    CoupleAfterPeakGain(models);
}

void CoupleAfterPeakGain(ToolModels& models)
{
    models.gtot.SetPeakGain(models.gain.m_peakGain);
    models.t3db.SetGainAndEfficiency(models.gain.m_peakGain, models.gain.m_efficiency);
    models.off.SetBeamwidthAndGain(models.t3db.m_beamwidth, models.gain.m_peakGain);
}

void CoupleAfterOffAxis(ToolModels& models)
{
    // The off-axis tool derives a beamwidth of 0 when no beamwidth reaches its entries (a
    // relative gain of 0 dB at angle 0). Carried over, that 0 would wipe the peak gain of the
    // other three tools (0 dBi, a 9.5 mm dish), so nothing is carried at all.
    if (!(models.off.m_beamwidth > 0.0))
        return;
    models.t3db.SetBeamwidth(models.off.m_beamwidth);
    models.gtot.SetPeakGain(models.gain.m_peakGain);
    models.gain.SetGainAndEfficiency(models.t3db.m_peakGain, models.t3db.m_efficiency);
}

void CoupleAfterGtoT(ToolModels& models)
{
    models.t3db.SetGainAndEfficiency(models.gtot.m_peakGain, models.gain.m_efficiency);
    models.gain.SetGainAndEfficiency(models.t3db.m_peakGain, models.t3db.m_efficiency);
    models.off.SetBeamwidthAndGain(models.t3db.m_beamwidth, models.gain.m_peakGain);
}

void CoupleAfterBeamwidth(ToolModels& models)
{
    models.gtot.SetPeakGain(models.gain.m_peakGain);
    models.off.SetBeamwidthAndGain(models.t3db.m_beamwidth, models.gain.m_peakGain);
    models.gain.SetGainAndEfficiency(models.t3db.m_peakGain, models.t3db.m_efficiency);
}
