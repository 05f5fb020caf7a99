#include "models/MarginChart.h"

#include "formulas/Dvbs2Modcods.h"
#include "models/KOTMargin.h"

#include <algorithm>
#include <string>

namespace {

std::string Shown(const CKOTMargin& model, int index)
{
    std::string value;
    std::string unit;
    model.GetValueText(index, value);
    model.GetUnitLabel(index, unit);
    return unit.empty() ? value : value + " " + unit;
}

} // namespace

ChartData MarginChart(const CKOTMargin& model)
{
    ChartData chart;
    chart.caption = "Link Margin by MODCOD";
    chart.title = "Es/N0 " + Shown(model, CKOTMargin::VarEsN0) + ", implementation margin "
                  + Shown(model, CKOTMargin::VarImplementationMargin);
    chart.xTitle = "Spectral efficiency (bit/symbol)";
    chart.yTitle = "Margin (dB)";

    // A MODCOD is a point, not a place on a curve: what lies between two of them is no carrier.
    ChartSeries all{"Every MODCOD", {}, false, true};
    ChartSeries best{"Best: " + std::string(model.BestModcodText()), {}, true, true};
    for (const ModcodMarginPoint& point : model.MarginsOfEveryModcod()) {
        all.points.emplace_back(point.efficiency, point.margin);
        if (point.modcod == model.m_bestModcod)
            best.points.emplace_back(point.efficiency, point.margin);
    }
    // The list is in the table's order, which is not everywhere that of the efficiencies.
    std::sort(all.points.begin(), all.points.end());
    chart.series.push_back(std::move(all));
    if (!best.points.empty())
        chart.series.push_back(std::move(best));

    const Modcod& chosen = Dvbs2Modcods[static_cast<std::size_t>(model.m_modcod)];
    chart.marker = ChartPoint{chosen.efficiency, model.m_margin,
                              "Chosen: " + std::string(chosen.name) + ", " + Shown(model, CKOTMargin::VarMargin)};
    return chart;
}
