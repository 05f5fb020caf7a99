#include "models/PatternChart.h"

#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "framework/Units.h"
#include "models/KOTOff.h"

#include <algorithm>
#include <cmath>

namespace {

double Degrees(double radians)
{
    return radians * 180.0 / Pi;
}

} // namespace

double PatternChartRange(const CKOTOff& model)
{
    const double tenBeamwidths = 10.0 * Degrees(model.m_beamwidth);
    const double range = std::min(180.0, std::max(tenBeamwidths, Degrees(model.m_offAxisAngle)));
    // The saved state assigns the angles unchecked; a chart of nothing helps nobody.
    return std::isfinite(range) && range > 0.0 ? range : 180.0;
}

ChartData PatternChart(const CKOTOff& model)
{
    ChartData chart;
    chart.caption = "Antenna Pattern";
    chart.title = "Peak gain " + FormatNumber(model.m_peakGain) + " dBi, 3 dB beamwidth "
                  + FormatNumber(Degrees(model.m_beamwidth)) + " deg";
    chart.xTitle = "Off-axis angle (deg)";
    chart.yTitle = "Relative gain (dB)";

    const double range = PatternChartRange(model);
    // Fine enough for the bend of the main lobe (a fiftieth of a beamwidth), with a floor so
    // that a wide beam still draws a smooth curve and a ceiling on what a chart has to hold.
    // A range of a whole number of beamwidths takes exactly that many fiftieths, not one more
    // for the rounding in the division.
    const double wanted =
        std::ceil(range / Degrees(model.m_beamwidth) * PatternSamplesPerBeamwidth * (1.0 - 1e-12));
    const int segments = std::isfinite(wanted) ? static_cast<int>(std::clamp(
                                                     wanted, double(PatternMinSegments), double(PatternMaxSegments)))
                                               : PatternMaxSegments;
    // RelativeGain treats any other code as parabolic, and so does the emphasis.
    const int chosen = PatternName(model.m_pattern) ? model.m_pattern : int(PatternParabolic);

    for (int code = 0; code < PatternCodeCount; ++code) {
        ChartSeries series;
        series.title = PatternName(code);
        series.emphasised = code == chosen;
        series.points.reserve(static_cast<std::size_t>(segments) + 1);
        for (int i = 0; i <= segments; ++i) {
            // The last angle is the range itself, not a sum of steps that may fall short of it.
            const double degrees = i == segments ? range : range * i / segments;
            const double gain = RelativeGain(model.m_peakGain, model.m_beamwidth, degrees * Pi / 180.0, code);
            series.points.emplace_back(degrees, gain);
        }
        chart.series.push_back(std::move(series));
    }

    // The parabolic main lobe falls as the square of the angle, to hundreds of dB down at ten
    // beamwidths; the axis stops a little below the reference envelope (and the tool's point),
    // where the curves still tell the patterns apart.
    double lowest = model.m_relativeGain;
    for (const ChartSeries& series : chart.series)
        if (series.title != PatternName(PatternParabolic))
            for (const auto& point : series.points)
                lowest = std::min(lowest, point.second);
    chart.xRange = std::pair(0.0, range);
    chart.yRange = std::pair(std::isfinite(lowest) ? std::floor(lowest / 10.0) * 10.0 - 10.0 : -100.0, 5.0);

    const double angle = Degrees(model.m_offAxisAngle);
    chart.marker = ChartPoint{angle, model.m_relativeGain,
                              "Current: " + FormatNumber(angle) + " deg, " + FormatNumber(model.m_relativeGain) + " dB"};
    return chart;
}
