#include "models/PatternChart.h"

#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "models/KOTOff.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double Radians(double degrees)
{
    return degrees * Pi / 180;
}

CKOTOff Model(double peakGain, double beamwidthDeg, double angleDeg, int pattern)
{
    CKOTOff model;
    model.m_peakGain = peakGain;
    model.m_beamwidth = Radians(beamwidthDeg);
    model.m_offAxisAngle = Radians(angleDeg);
    model.m_pattern = pattern;
    model.m_relativeGain = RelativeGain(peakGain, model.m_beamwidth, model.m_offAxisAngle, pattern);
    return model;
}

// The curves, their range and their sampling, over beams from very narrow to very wide.
TEST(PatternChart, EachCurveIsItsPatternsRelativeGainFromZeroToTheRange)
{
    const struct {
        const char* label;
        double peakGain, beamwidthDeg, angleDeg;
        int pattern;
        double range;      // degrees
        int segments;      // between the points of each curve
    } rows[] = {
        {"the tool's start: ten 5 degree beamwidths", 30, 5, 0, PatternLog29, 50, 500},
        {"a wide beam stops at 180 degrees", 20, 30, 10, PatternLog32, 180, 300},
        {"a beam of 180 degrees: the floor of samples", 10, 180, 0, PatternParabolic, 180, PatternMinSegments},
        {"an angle past ten beamwidths widens the range to it", 40, 1, 25, PatternLog29, 25, 1000},
        {"a pencil beam: at most a thousand segments", 60, 0.01, 0, PatternLog32, 0.1, 500},
        {"a hair beam: capped", 70, 0.001, 0.5, PatternLog29, 0.5, PatternMaxSegments},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const CKOTOff model = Model(row.peakGain, row.beamwidthDeg, row.angleDeg, row.pattern);
        EXPECT_NEAR(PatternChartRange(model), row.range, row.range * 1e-12);
        const ChartData chart = PatternChart(model);
        ASSERT_EQ(chart.series.size(), 3u);
        for (int code = 0; code < PatternCodeCount; ++code) {
            SCOPED_TRACE(PatternNames[code]);
            const ChartSeries& series = chart.series[static_cast<std::size_t>(code)];
            EXPECT_EQ(series.title, PatternNames[code]);
            EXPECT_EQ(series.emphasised, code == row.pattern);
            ASSERT_EQ(series.points.size(), static_cast<std::size_t>(row.segments) + 1);
            EXPECT_EQ(series.points.front().first, 0.0);
            EXPECT_EQ(series.points.back().first, PatternChartRange(model));
            for (std::size_t i = 0; i < series.points.size(); ++i) {
                const auto [angle, gain] = series.points[i];
                if (i > 0) {
                    ASSERT_GT(angle, series.points[i - 1].first) << "point " << i;
                }
                ASSERT_DOUBLE_EQ(gain, RelativeGain(row.peakGain, Radians(row.beamwidthDeg), Radians(angle), code))
                    << "at " << angle << " deg";
            }
        }
    }
}

TEST(PatternChart, MarksTheToolsAngleAndRelativeGainAndNamesTheAxes)
{
    CKOTOff model = Model(30, 5, 10, PatternLog29);
    const ChartData chart = PatternChart(model);
    ASSERT_TRUE(chart.marker.has_value());
    EXPECT_DOUBLE_EQ(chart.marker->x, 10.0);
    EXPECT_DOUBLE_EQ(chart.marker->y, model.m_relativeGain);
    EXPECT_EQ(chart.marker->label, "Current: 10.0 deg, -26.0 dB");
    EXPECT_EQ(chart.xTitle, "Off-axis angle (deg)");
    EXPECT_EQ(chart.yTitle, "Relative gain (dB)");
    EXPECT_EQ(chart.title, "Peak gain 30.0 dBi, 3 dB beamwidth 5.0 deg");
    // The axis reaches below the envelope and the marked point; the parabolic lobe, hundreds
    // of dB down at ten beamwidths, does not drag it there.
    ASSERT_TRUE(chart.yRange.has_value());
    EXPECT_LE(chart.yRange->first, model.m_relativeGain);
    for (int code : {PatternLog29, PatternLog32})
        for (const auto& point : chart.series[static_cast<std::size_t>(code)].points)
            ASSERT_GE(point.second, chart.yRange->first);
    EXPECT_GT(chart.yRange->first, -100.0);
    EXPECT_GE(chart.yRange->second, 0.0);
}

// The saved state assigns the fields without checks: a pattern outside the list is drawn as the
// parabolic one it is computed as, and a beamwidth of nothing still gives a finite chart.
TEST(PatternChart, ValuesTheStateFileLeftUncheckedStillGiveASoundChart)
{
    CKOTOff badPattern = Model(30, 5, 0, PatternLog29);
    badPattern.m_pattern = 7;
    const ChartData chart = PatternChart(badPattern);
    EXPECT_TRUE(chart.series[PatternParabolic].emphasised);
    EXPECT_FALSE(chart.series[PatternLog29].emphasised);

    CKOTOff noBeam = Model(30, 5, 0, PatternLog29);
    noBeam.m_beamwidth = 0.0;
    noBeam.m_offAxisAngle = std::nan("");
    EXPECT_EQ(PatternChartRange(noBeam), 180.0);
    for (const ChartSeries& series : PatternChart(noBeam).series) {
        EXPECT_EQ(series.points.size(), static_cast<std::size_t>(PatternMaxSegments) + 1);
        for (const auto& [angle, gain] : series.points)
            ASSERT_TRUE(std::isfinite(angle) && std::isfinite(gain));
    }
}

TEST(PatternChart, ReadingTheModelChangesNothingInIt)
{
    CKOTOff model = Model(45, 2, 7, PatternLog32);
    ASSERT_EQ(model.SetCalcVar(CKOTOff::VarOffAxisAngle), 1);
    const std::vector<double> before = RealValues(model);
    const int calcVar = model.GetCalcVar();
    (void)PatternChart(model);
    EXPECT_EQ(RealValues(model), before);
    EXPECT_EQ(model.m_pattern, PatternLog32);
    EXPECT_EQ(model.GetCalcVar(), calcVar);
}

} // namespace
