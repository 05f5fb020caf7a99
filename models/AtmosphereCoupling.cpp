#include "models/AtmosphereCoupling.h"

#include "models/ToolRegistry.h"

namespace {

// Every budget's atmosphere from `from`; `from` may be one of them.
void ShareAtmosphere(ToolModels& models, const CKOTAtmos& from)
{
    const CKOTAtmos entries = from;
    models.atmos.TakeEntriesFrom(entries);
    models.link.m_atmosphere.TakeEntriesFrom(entries);
    models.pfd.m_atmosphere.TakeEntriesFrom(entries);
}

} // namespace

void CoupleAtmosphereAtStartUp(ToolModels& models)
{
    ShareAtmosphere(models, models.atmos);
}

void CoupleAfterAtmosphere(ToolModels& models)
{
    ShareAtmosphere(models, models.atmos);
}

void CoupleAfterLinkBudget(ToolModels& models)
{
    ShareAtmosphere(models, models.link.m_atmosphere);
}

void CoupleAfterPfdBudget(ToolModels& models)
{
    ShareAtmosphere(models, models.pfd.m_atmosphere);
}
