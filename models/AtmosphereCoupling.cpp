#include "models/AtmosphereCoupling.h"

#include "models/ToolRegistry.h"

namespace {

// Every copy of the atmosphere from `from`; `from` may be one of them.
void ShareAtmosphere(ToolModels& models, const CKOTAtmos& from)
{
    const CKOTAtmos entries = from;
    models.atmos.TakeEntriesFrom(entries);
    models.link.m_atmosphere.TakeEntriesFrom(entries);
    models.pfd.m_atmosphere.TakeEntriesFrom(entries);
}

void ShareLook(ToolModels& models, const CKOTLook& from)
{
    const CKOTLook look = from;
    models.look = look;
    models.link.m_look = look;
    models.pfd.m_look = look;
}

void ShareCarrier(ToolModels& models, const CKOTMargin& from)
{
    const CKOTMargin carrier = from;
    models.margin.TakeCarrierFrom(carrier);
    models.link.m_margin.TakeCarrierFrom(carrier);
}

} // namespace

void TakeStation(CKOTAtmos& atmosphere, const CKOTLook& look)
{
    const double elevation = look.m_elevation >= atmosphere.GetRealMin(CKOTAtmos::VarElevation)
                                 ? look.m_elevation
                                 : atmosphere.m_elevation;
    atmosphere.SetStation(elevation, look.m_latitude, look.m_stationHeight);
}

void CoupleAtmosphereAtStartUp(ToolModels& models)
{
    ShareLook(models, models.look);
    ShareCarrier(models, models.margin);
    ShareAtmosphere(models, models.atmos);
}

void CoupleAfterAtmosphere(ToolModels& models)
{
    ShareAtmosphere(models, models.atmos);
}

// Only a look-angle tool closed with a change moves the Atmosphere tool's station: opened just
// to look, it leaves an elevation typed there alone. The budgets' copies still hold what the
// tool held before it opened.
void CoupleAfterLook(ToolModels& models)
{
    const CKOTLook& before = models.link.m_look;
    const bool changed = models.look.m_latitude != before.m_latitude || models.look.m_longitude != before.m_longitude
                         || models.look.m_stationHeight != before.m_stationHeight
                         || models.look.m_satelliteLongitude != before.m_satelliteLongitude;
    ShareLook(models, models.look);
    if (!changed)
        return;
    TakeStation(models.atmos, models.look);
    ShareAtmosphere(models, models.atmos);
}

void CoupleAfterMargin(ToolModels& models)
{
    ShareCarrier(models, models.margin);
}

void CoupleAfterLinkBudget(ToolModels& models)
{
    ShareLook(models, models.link.m_look);
    ShareCarrier(models, models.link.m_margin);
    ShareAtmosphere(models, models.link.m_atmosphere);
}

void CoupleAfterPfdBudget(ToolModels& models)
{
    ShareLook(models, models.pfd.m_look);
    ShareAtmosphere(models, models.pfd.m_atmosphere);
}
