#include "models/AtmosphereChart.h"

#include "formulas/Atmosphere.h"
#include "models/KOTAtmos.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// A variable as the tool's window shows it: its value text and unit label.
std::string Shown(const CKOTAtmos& model, int index)
{
    std::string value;
    std::string unit;
    model.GetValueText(index, value);
    model.GetUnitLabel(index, unit);
    return unit.empty() ? value : value + " " + unit;
}

// Evenly spaced in the logarithm from the lowest percentage to the highest, both exactly, with
// the tool's own percentage among them, so that the marked point lies on the total's curve
// rather than on a chord between two samples.
std::vector<double> Percentages(double own)
{
    const double low = std::log10(AtmosphereChartLowest);
    const double high = std::log10(AtmosphereChartHighest);
    const int segments = static_cast<int>(std::ceil((high - low) * AtmosphereSamplesPerDecade));
    std::vector<double> percentages;
    percentages.reserve(static_cast<std::size_t>(segments) + 2);
    for (int i = 0; i <= segments; ++i)
        percentages.push_back(i == 0          ? AtmosphereChartLowest
                              : i == segments ? AtmosphereChartHighest
                                              : std::pow(10.0, low + (high - low) * i / segments));
    const auto at = std::lower_bound(percentages.begin(), percentages.end(), own);
    if (own > AtmosphereChartLowest && own < AtmosphereChartHighest && *at != own)
        percentages.insert(at, own);
    return percentages;
}

} // namespace

ChartData AtmosphereChart(const CKOTAtmos& model)
{
    ChartData chart;
    chart.caption = "Atmospheric Attenuation";
    chart.title = "Frequency " + Shown(model, CKOTAtmos::VarFrequency) + ", elevation "
                  + Shown(model, CKOTAtmos::VarElevation) + ", R0.01 " + Shown(model, CKOTAtmos::VarRainRate);
    chart.xTitle = "Time percentage (%)";
    chart.yTitle = "Attenuation (dB)";
    // The rarest percentages are the ones a link is designed for; on a linear axis four decades
    // of them would be crowded into its first thousandth.
    chart.xLogarithmic = true;

    // In the order the tool lists them, the total last, drawn over the others.
    const char* const titles[] = {"Rain A_R", "Gases A_G", "Clouds A_C", "Scintillation A_S", "Total A_T"};
    double AtmosphereResults::*const results[] = {&AtmosphereResults::rain, &AtmosphereResults::gas,
                                                  &AtmosphereResults::cloud, &AtmosphereResults::scintillation,
                                                  &AtmosphereResults::total};
    constexpr std::size_t count = std::size(titles);
    chart.series.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        chart.series[i].title = titles[i];
        chart.series[i].emphasised = i == count - 1;
    }

    // Everything but the percentage is the tool's as it stands.
    AtmosphereInputs inputs = model.Inputs();
    double highest = 0.0;
    for (const double percentage : Percentages(model.m_percentage)) {
        inputs.percentage = percentage;
        const AtmosphereResults losses = AtmosphericLosses(inputs);
        for (std::size_t i = 0; i < count; ++i)
            chart.series[i].points.emplace_back(percentage, losses.*results[i]);
        if (std::isfinite(losses.total))
            highest = std::max(highest, losses.total);
    }
    chart.xRange = std::pair(AtmosphereChartLowest, AtmosphereChartHighest);
    // From no loss to a little above the worst total, which every part stays below.
    chart.yRange = std::pair(0.0, std::max(1.0, std::ceil(highest * 1.05)));

    // The saved state assigns the percentage unchecked: a point off the axis, or one a
    // logarithmic axis cannot place, is not marked.
    const double own = model.m_percentage;
    if (own >= AtmosphereChartLowest && own <= AtmosphereChartHighest)
        chart.marker = ChartPoint{own, model.m_total,
                                  "Current: " + Shown(model, CKOTAtmos::VarPercentage) + ", "
                                      + Shown(model, CKOTAtmos::VarTotalAttenuation)};
    return chart;
}
