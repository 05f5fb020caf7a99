#include "models/ToolCharts.h"

#include "models/AtmosphereChart.h"
#include "models/KOTAtmos.h"
#include "models/KOTMargin.h"
#include "models/KOTOff.h"
#include "models/MarginChart.h"
#include "models/PatternChart.h"

std::optional<ChartData> ChartOfTool(const CKorObj& model)
{
    if (const auto* offAxis = dynamic_cast<const CKOTOff*>(&model))
        return PatternChart(*offAxis);
    if (const auto* atmosphere = dynamic_cast<const CKOTAtmos*>(&model))
        return AtmosphereChart(*atmosphere);
    if (const auto* margin = dynamic_cast<const CKOTMargin*>(&model))
        return MarginChart(*margin);
    return std::nullopt;
}
