#include "models/ToolCharts.h"

#include "models/AtmosphereChart.h"
#include "models/KOTAtmos.h"
#include "models/KOTOff.h"
#include "models/PatternChart.h"

std::optional<ChartData> ChartOfTool(const CKorObj& model)
{
    if (const auto* offAxis = dynamic_cast<const CKOTOff*>(&model))
        return PatternChart(*offAxis);
    if (const auto* atmosphere = dynamic_cast<const CKOTAtmos*>(&model))
        return AtmosphereChart(*atmosphere);
    return std::nullopt;
}
