#include "models/AtmosphereCoupling.h"

#include "models/ToolRegistry.h"

namespace {

// Every copy of the atmosphere from `from`; `from` may be one of them.
void ShareAtmosphere(ToolModels& models, const CKOTAtmos& from)
{
    const CKOTAtmos entries = from;
    models.atmos.TakeEntriesFrom(entries);
    for (CKOTAtmos* copy : {&models.link.m_atmosphere, &models.pfd.m_atmosphere, &models.ctoni.m_wanted.m_atmosphere,
                            &models.ctoni.m_interfering.m_atmosphere})
        copy->TakeEntriesFrom(entries);
}

void ShareLook(ToolModels& models, const CKOTLook& from)
{
    const CKOTLook look = from;
    for (CKOTLook* copy : {&models.look, &models.link.m_look, &models.pfd.m_look, &models.ctoni.m_wanted.m_look,
                           &models.ctoni.m_interfering.m_look})
        *copy = look;
}

void ShareCarrier(ToolModels& models, const CKOTMargin& from)
{
    const CKOTMargin carrier = from;
    for (CKOTMargin* copy : {&models.margin, &models.link.m_margin, &models.ctoni.m_wanted.m_margin,
                             &models.ctoni.m_interfering.m_margin})
        copy->TakeCarrierFrom(carrier);
}

// Whether a copy differs from the shared set in what the copies share.
bool SiteDiffers(const CKOTAtmos& shared, const CKOTAtmos& copy)
{
    CKOTAtmos probe = shared;
    probe.TakeEntriesFrom(copy);
    return !probe.SameEntries(shared);
}

bool LookDiffers(const CKOTLook& shared, const CKOTLook& copy)
{
    return shared.m_latitude != copy.m_latitude || shared.m_longitude != copy.m_longitude
           || shared.m_stationHeight != copy.m_stationHeight || shared.m_satelliteLongitude != copy.m_satelliteLongitude;
}

bool CarrierDiffers(const CKOTMargin& shared, const CKOTMargin& copy)
{
    return shared.m_symbolRate != copy.m_symbolRate || shared.m_rollOff != copy.m_rollOff
           || shared.m_modcod != copy.m_modcod || shared.m_implementationMargin != copy.m_implementationMargin;
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
    const bool changed = LookDiffers(models.link.m_look, models.look);
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

void CoupleAfterCtoNI(ToolModels& models)
{
    for (const CKOTLink* link : {&models.ctoni.m_wanted, &models.ctoni.m_interfering}) {
        if (LookDiffers(models.look, link->m_look))
            ShareLook(models, link->m_look);
        if (CarrierDiffers(models.margin, link->m_margin))
            ShareCarrier(models, link->m_margin);
        if (SiteDiffers(models.atmos, link->m_atmosphere))
            ShareAtmosphere(models, link->m_atmosphere);
    }
}
