#include "models/AtmosphereChart.h"

#include "framework/ErrorSink.h"
#include "framework/Units.h"
#include "models/KOTAtmos.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// At the ends of the range, between two samples and on the tool's start; a percentage the saved
// state left off the range (0 is none a logarithmic axis can place) keeps the curves, unmarked.
TEST(AtmosphereChart, FiveCurvesOverTheLogRangeWithTheToolsPointOnTheTotal)
{
    for (const double percentage : {0.1, 0.001, 5.0, 0.0372, 0.0, 50.0}) {
        SCOPED_TRACE(percentage);
        CKOTAtmos model;
        ErrorSink sink;
        const bool inRange = model.SetRealVar(CKOTAtmos::VarPercentage, percentage, sink) == 1;
        model.m_percentage = percentage;
        const std::vector<double> before = RealValues(model);
        const ChartData chart = AtmosphereChart(model);
        EXPECT_EQ(RealValues(model), before);

        EXPECT_TRUE(chart.xLogarithmic);
        ASSERT_EQ(chart.series.size(), 5u);
        const double atModel[] = {model.m_rain, model.m_gas, model.m_cloud, model.m_scintillation, model.m_total};
        for (std::size_t s = 0; s < 5; ++s) {
            const auto& points = chart.series[s].points;
            EXPECT_EQ(chart.series[s].emphasised, s == 4);
            ASSERT_EQ(points.size(), chart.series[4].points.size());
            EXPECT_EQ(points.front().first, 0.001);
            EXPECT_EQ(points.back().first, 5.0);
            EXPECT_GE(points.size(), std::size_t(3.69 * AtmosphereSamplesPerDecade));
            const auto own = std::count_if(points.begin(), points.end(), [&](const auto& point) {
                return point.first == percentage && point.second == atModel[s];
            });
            EXPECT_EQ(own, inRange ? 1 : 0) << chart.series[s].title;
        }
        for (std::size_t i = 0; i < chart.series[4].points.size(); ++i) {
            const auto loss = [&](std::size_t s) { return chart.series[s].points[i].second; };
            ASSERT_NEAR(loss(4), loss(1) + std::hypot(loss(0) + loss(2), loss(3)), 1e-9) << "point " << i;
        }
        ASSERT_EQ(chart.marker.has_value(), inRange);
        if (inRange) {
            EXPECT_EQ(std::pair(chart.marker->x, chart.marker->y), std::pair(percentage, model.m_total));
        }
    }
}

// The texts give the values as the tool's window shows them.
TEST(AtmosphereChart, TitlesAndMarkGiveTheValuesAsTheToolShowsThem)
{
    CKOTAtmos model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTAtmos::VarFrequency, 14.25e9, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTAtmos::VarPercentage, 0.5, sink), 1);
    const ChartData chart = AtmosphereChart(model);
    EXPECT_EQ(chart.title, "Frequency 14.25 GHz, elevation 30.0 deg, R0.01 42.0 mm/h");
    EXPECT_EQ(chart.marker->label, "Current: 0.5 %, " + FormatNumber(model.m_total) + " dB");
    EXPECT_EQ(chart.series[0].title, "Rain A_R");
    EXPECT_EQ(chart.series[4].title, "Total A_T");
}

} // namespace
