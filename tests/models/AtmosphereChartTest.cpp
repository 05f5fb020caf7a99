#include "models/AtmosphereChart.h"

#include "formulas/Atmosphere.h"
#include "framework/ErrorSink.h"
#include "framework/Units.h"
#include "models/KOTAtmos.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CKOTAtmos Model(double percentage, double frequencyGHz, double elevation)
{
    CKOTAtmos model;
    ErrorSink sink;
    EXPECT_EQ(model.SetRealVar(CKOTAtmos::VarFrequency, frequencyGHz * 1e9, sink), 1);
    EXPECT_EQ(model.SetRealVar(CKOTAtmos::VarElevation, elevation, sink), 1);
    EXPECT_EQ(model.SetRealVar(CKOTAtmos::VarPercentage, percentage, sink), 1);
    return model;
}

// The curves over the tool's whole range of percentages, at the ends of it and between samples.
TEST(AtmosphereChart, FiveCurvesOverTheLogRangeWithTheToolsPointOnTheTotal)
{
    const struct {
        double percentage, frequencyGHz, elevation;
    } rows[] = {{0.1, 12, 30}, {0.001, 30, 10}, {5, 4, 60}, {0.0372, 20, 25}};
    const char* const titles[] = {"Rain A_R", "Gases A_G", "Clouds A_C", "Scintillation A_S", "Total A_T"};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.percentage << " % at " << row.frequencyGHz << " GHz");
        const CKOTAtmos model = Model(row.percentage, row.frequencyGHz, row.elevation);
        const std::vector<double> before = RealValues(model);
        const ChartData chart = AtmosphereChart(model);
        EXPECT_EQ(RealValues(model), before);

        EXPECT_TRUE(chart.xLogarithmic);
        EXPECT_EQ(chart.xRange, std::pair(0.001, 5.0));
        ASSERT_EQ(chart.series.size(), 5u);
        const double atModel[] = {model.m_rain, model.m_gas, model.m_cloud, model.m_scintillation, model.m_total};
        for (std::size_t s = 0; s < 5; ++s) {
            const ChartSeries& series = chart.series[s];
            EXPECT_EQ(series.title, titles[s]);
            EXPECT_EQ(series.emphasised, s == 4);
            ASSERT_EQ(series.points.size(), chart.series[4].points.size());
            EXPECT_EQ(series.points.front().first, 0.001);
            EXPECT_EQ(series.points.back().first, 5.0);
            // At least forty samples a decade, none skipped.
            EXPECT_GE(series.points.size(), std::size_t(3.69 * AtmosphereSamplesPerDecade));
            int atOwn = 0;
            for (std::size_t i = 0; i < series.points.size(); ++i) {
                const auto [p, loss] = series.points[i];
                if (i > 0) {
                    ASSERT_LE(p / series.points[i - 1].first, std::pow(10.0, 1.0 / AtmosphereSamplesPerDecade) * (1 + 1e-12))
                        << "at " << p;
                }
                ASSERT_GE(loss, 0.0) << "at " << p;
                if (p == row.percentage) {
                    ++atOwn;
                    EXPECT_DOUBLE_EQ(loss, atModel[s]);
                }
            }
            EXPECT_EQ(atOwn, 1);
        }
        for (std::size_t i = 0; i < chart.series[4].points.size(); ++i) {
            const auto value = [&](std::size_t s) { return chart.series[s].points[i].second; };
            ASSERT_NEAR(value(4), value(1) + std::sqrt(std::pow(value(0) + value(2), 2) + std::pow(value(3), 2)), 1e-9)
                << "at " << chart.series[4].points[i].first << " %";
        }
        ASSERT_TRUE(chart.marker.has_value());
        EXPECT_EQ(chart.marker->x, row.percentage);
        EXPECT_EQ(chart.marker->y, model.m_total);
        ASSERT_TRUE(chart.yRange.has_value());
        EXPECT_GE(chart.yRange->second, chart.series[4].points.front().second);
    }
}

// The texts give the values as the tool's window shows them, in the units it shows them in.
TEST(AtmosphereChart, TitlesAndMarkGiveTheValuesAsTheToolShowsThem)
{
    const CKOTAtmos model = Model(0.5, 14.25, 35);
    const std::string total = FormatNumber(model.m_total);
    const ChartData chart = AtmosphereChart(model);
    EXPECT_EQ(chart.caption, "Atmospheric Attenuation");
    EXPECT_EQ(chart.title, "Frequency 14.25 GHz, elevation 35.0 deg, R0.01 42.0 mm/h");
    EXPECT_EQ(chart.xTitle, "Time percentage (%)");
    EXPECT_EQ(chart.yTitle, "Attenuation (dB)");
    EXPECT_EQ(chart.marker->label, "Current: 0.5 %, " + total + " dB");
}

// The saved state assigns the percentage unchecked: the curves keep the tool's range and a point
// off it is not marked.
TEST(AtmosphereChart, APercentageOffTheRangeIsNotMarked)
{
    for (const double percentage : {50.0, 0.0, -1.0, std::nan("")}) {
        SCOPED_TRACE(percentage);
        CKOTAtmos model;
        model.m_percentage = percentage;
        const ChartData chart = AtmosphereChart(model);
        EXPECT_FALSE(chart.marker.has_value());
        EXPECT_EQ(chart.series[4].points.front().first, 0.001);
        EXPECT_EQ(chart.series[4].points.back().first, 5.0);
    }
}

} // namespace
