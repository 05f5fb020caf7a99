#include "dialogs/ToolOffaxis.h"
#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "models/KOTLink.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"
#include "models/PatternChart.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr double Degrees(double degrees)
{
    return degrees * Pi / 180;
}

TEST(ToolOffaxis, OpensWithThePatternListedAndThePeakGainLocked)
{
    ScriptedHost host;
    CKOTOff model;
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.ListEntries(IDC_OFF_PATTERN),
                  (std::vector<std::string>{"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)"}));
        EXPECT_EQ(d.Selection(IDC_OFF_PATTERN), PatternLog29);
        EXPECT_EQ(d.Text(IDC_OFF_GAIN), "30.0");
        EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "5.0");
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "0.0");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "0.0");
        EXPECT_FALSE(d.Enabled(IDC_OFF_GAIN));
        for (int id : {IDC_OFF_PATTERN, IDC_OFF_BEAMWIDTH, IDC_OFF_ANGLE, IDC_OFF_RELATIVE, IDC_OFF_CALC_BEAMWIDTH,
                       IDC_OFF_CALC_ANGLE, IDC_OFF_CALC_RELATIVE}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_EQ(d.Focus(), IDC_OFF_PATTERN);
    });
}

TEST(ToolOffaxis, EachCalculateDerivesItsRowFromTheOtherEntries)
{
    const struct {
        const char* label;
        int pattern;
        const char* beamwidth;
        const char* angle;
        const char* relative;
        int button;
        int calcVar;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        {"relative gain at 10 degrees", PatternLog29, "5", "10", "0", IDC_OFF_CALC_RELATIVE, CKOTOff::VarRelativeGain,
         IDC_OFF_RELATIVE, "-26.0"},
        {"angle of -26 dB", PatternLog29, "5", "0", "-26", IDC_OFF_CALC_ANGLE, CKOTOff::VarOffAxisAngle, IDC_OFF_ANGLE,
         "10.0"},
        {"parabolic angle of -3 dB", PatternParabolic, "5", "0", "-3", IDC_OFF_CALC_ANGLE, CKOTOff::VarOffAxisAngle,
         IDC_OFF_ANGLE, "2.5"},
        {"parabolic beamwidth", PatternParabolic, "1", "2.5", "-3", IDC_OFF_CALC_BEAMWIDTH, CKOTOff::VarBeamwidth,
         IDC_OFF_BEAMWIDTH, "5.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTOff model;
        RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
            d.Choose(IDC_OFF_PATTERN, row.pattern);
            d.TypeInto(IDC_OFF_BEAMWIDTH, row.beamwidth);
            d.TypeInto(IDC_OFF_ANGLE, row.angle);
            d.TypeInto(IDC_OFF_RELATIVE, row.relative);
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
            EXPECT_FALSE(d.Enabled(IDC_OFF_GAIN));
        });
        EXPECT_EQ(model.GetCalcVar(), row.calcVar);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

// The list applies at once, with no button, and the derived quantity follows the new pattern.
TEST(ToolOffaxis, ChoosingAPatternTakesEffectAtOnce)
{
    ScriptedHost host;
    CKOTOff model;
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_OFF_ANGLE, "10");
        d.Click(IDC_OFF_CALC_RELATIVE);
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-26.0");

        d.Choose(IDC_OFF_PATTERN, PatternLog32);
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-23.0");
        EXPECT_EQ(d.Text(IDC_OFF_PATTERN), "32 - 25log(phi)");
        EXPECT_EQ(model.m_pattern, PatternLog32);

        // Only the pattern is taken: an angle typed but not calculated is not.
        d.TypeInto(IDC_OFF_ANGLE, "20");
        d.Choose(IDC_OFF_PATTERN, PatternParabolic);
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-48.0");
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "10.0");
        EXPECT_FALSE(d.Enabled(IDC_OFF_GAIN));
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(model.m_pattern, PatternParabolic);
}

// The peak gain comes from the other antenna tools; here it is only shown.
TEST(ToolOffaxis, ThePeakGainFromOutsideIsShownButNeverTaken)
{
    ScriptedHost host;
    CKOTOff model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(1), sink), 1);
    model.SetBeamwidthAndGain(Degrees(0.874417), 46.46157);
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_OFF_GAIN), "46.4616");
        EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "0.8744");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-16.0213");
        d.Click(IDC_OFF_CALC_RELATIVE);
        // The shown, rounded beamwidth went back in; the peak gain did not.
        EXPECT_EQ(d.Text(IDC_OFF_GAIN), "46.4616");
        EXPECT_FALSE(d.Enabled(IDC_OFF_GAIN));
    });
    EXPECT_EQ(model.m_peakGain, 46.46157);
}

// Each edit has a leave handler, and it applies nothing: the values go in by a button.
TEST(ToolOffaxis, LeavingAnEditAppliesNothing)
{
    ScriptedHost host;
    CKOTOff model;
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        for (int id : {IDC_OFF_BEAMWIDTH, IDC_OFF_ANGLE, IDC_OFF_RELATIVE}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Dialog().HasKillFocusHandler(id));
        }
        d.TypeInto(IDC_OFF_ANGLE, "10");
        d.PressTab();
        d.TypeInto(IDC_OFF_BEAMWIDTH, "500");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "10");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "0.0");
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(model.m_offAxisAngle, 0.0);
    EXPECT_EQ(model.m_beamwidth, Degrees(5));
}

TEST(ToolOffaxis, ARefusedAngleStopsAfterTheBeamwidthWithoutRefreshing)
{
    ScriptedHost host;
    CKOTOff model;
    ErrorSink sink;
    ASSERT_EQ(model.SetIntVar(CKOTOff::VarPattern, PatternParabolic, sink), 1);
    ASSERT_EQ(model.SetRealVar(CKOTOff::VarOffAxisAngle, Degrees(10), sink), 1);
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-48.0");
        d.TypeInto(IDC_OFF_BEAMWIDTH, "4");
        d.TypeInto(IDC_OFF_ANGLE, "200");
        d.Click(IDC_OFF_CALC_RELATIVE);
        EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "4");
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "200");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-48.0");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Offaxis angle' has been set to 200.0 deg which is above the limit of 180.0 deg");
    // The beamwidth went in and the relative gain followed it, unseen until the next refresh.
    EXPECT_DOUBLE_EQ(model.m_beamwidth, Degrees(4));
    EXPECT_DOUBLE_EQ(model.m_offAxisAngle, Degrees(10));
    EXPECT_NEAR(model.m_relativeGain, -75, 1e-9);
}

TEST(ToolOffaxis, OpenedOverALinkTheBeamwidthIsShownButLocked)
{
    ScriptedHost host;
    CKOTOff model(Degrees(10), Degrees(2));
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "2.0");
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "10.0");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-26.0");

        // The beamwidth's Calculate is disabled with its edit; a click on it does nothing at all.
        EXPECT_FALSE(d.Enabled(IDC_OFF_CALC_BEAMWIDTH));
        d.TypeInto(IDC_OFF_ANGLE, "20");
        d.TypeInto(IDC_OFF_RELATIVE, "-30");
        d.Click(IDC_OFF_CALC_BEAMWIDTH);
        EXPECT_EQ(d.Text(IDC_OFF_ANGLE), "20");
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-30");
        EXPECT_EQ(model.GetCalcVar(), CKOTOff::VarRelativeGain);
        EXPECT_DOUBLE_EQ(model.m_offAxisAngle, Degrees(10));

        // The link's beamwidth is shown but cannot be typed over; the others work at it.
        EXPECT_FALSE(d.Enabled(IDC_OFF_BEAMWIDTH));
        d.Click(IDC_OFF_CALC_RELATIVE);
        EXPECT_EQ(d.Text(IDC_OFF_RELATIVE), "-33.5257");
        EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "2.0");
        EXPECT_FALSE(d.Enabled(IDC_OFF_BEAMWIDTH));
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_DOUBLE_EQ(model.m_beamwidth, Degrees(2));
    EXPECT_DOUBLE_EQ(model.m_offAxisAngle, Degrees(20));
}

// --- "Plot Pattern...": the window menu entry and F2. ---

struct PlotWay {
    const char* name;
    void (*plot)(ScriptedDialog&);
};

const PlotWay PlotWays[] = {
    {"window menu", [](ScriptedDialog& d) { d.ChooseFromWindowMenu("Plot Pattern..."); }},
    {"F2", [](ScriptedDialog& d) { d.PressFunctionKey(2); }},
};

void ExpectSameChart(const ChartData& shown, const ChartData& expected)
{
    EXPECT_EQ(shown.caption, expected.caption);
    EXPECT_EQ(shown.title, expected.title);
    ASSERT_EQ(shown.series.size(), expected.series.size());
    for (std::size_t i = 0; i < shown.series.size(); ++i) {
        SCOPED_TRACE(expected.series[i].title);
        EXPECT_EQ(shown.series[i].title, expected.series[i].title);
        EXPECT_EQ(shown.series[i].emphasised, expected.series[i].emphasised);
        EXPECT_EQ(shown.series[i].points, expected.series[i].points);
    }
    ASSERT_TRUE(shown.marker && expected.marker);
    EXPECT_EQ(shown.marker->x, expected.marker->x);
    EXPECT_EQ(shown.marker->y, expected.marker->y);
}

// The user picks a pattern and works out a gain, then plots: the chart is of what the tool
// shows, and looking at it changes nothing.
TEST(ToolOffaxis, PlotPatternShowsTheToolsPatternsAndPointAndChangesNothing)
{
    for (const PlotWay& way : PlotWays) {
        SCOPED_TRACE(way.name);
        ScriptedHost host;
        CKOTOff model;
        std::vector<double> beforePlot;
        RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
            EXPECT_EQ(d.WindowMenu(), (std::vector<std::string>{"-", "Plot Pattern...", "-", "Copy Values",
                                                                "Copy as Command"}));
            d.Choose(IDC_OFF_PATTERN, PatternLog32);
            d.TypeInto(IDC_OFF_ANGLE, "10");
            d.Click(IDC_OFF_CALC_RELATIVE);
            // Typed and not applied: not the tool's value, so not on the chart either.
            d.TypeInto(IDC_OFF_BEAMWIDTH, "2");
            beforePlot = RealValues(model);
            way.plot(d);
            EXPECT_FALSE(d.Ended());
            EXPECT_EQ(d.Text(IDC_OFF_BEAMWIDTH), "2");
            d.Click(IDCANCEL);
        });
        ASSERT_EQ(host.ChartsShown().size(), 1u);
        const ChartData& chart = host.ChartsShown()[0];
        EXPECT_TRUE(chart.series[PatternLog32].emphasised);
        EXPECT_FALSE(chart.series[PatternLog29].emphasised);
        ASSERT_TRUE(chart.marker.has_value());
        EXPECT_NEAR(chart.marker->x, 10.0, 1e-12);
        EXPECT_EQ(chart.marker->y, model.m_relativeGain);
        EXPECT_EQ(chart.title, "Peak gain 30.0 dBi, 3 dB beamwidth 5.0 deg");
        ExpectSameChart(chart, PatternChart(model));
        EXPECT_EQ(RealValues(model), beforePlot);
        EXPECT_EQ(model.m_pattern, PatternLog32);
        EXPECT_TRUE(host.ErrorsShown().empty());
        EXPECT_TRUE(host.Beeps().empty());
    }
}

// Opened from a budget over the budget's antenna, the sub-tool plots the budget's antenna.
TEST(ToolOffaxis, PlotPatternWorksInTheSubToolOfTheBudgets)
{
    const struct {
        const char* label;
        int budget;
        int button;
    } rows[] = {
        {"link, transmit side", IDD_TOOL_LINK, IDC_LINK_CALC_TX_OFFAXIS},
        {"link, receive side", IDD_TOOL_LINK, IDC_LINK_CALC_RX_OFFAXIS},
        {"PFD, transmit side", IDD_TOOL_PFD, IDC_PFD_CALC_TX_OFFAXIS},
    };
    for (const auto& row : rows) {
        for (const PlotWay& way : PlotWays) {
            SCOPED_TRACE(std::string(row.label) + ", " + way.name);
            ScriptedHost host;
            std::string gainShown, beamwidthShown;
            host.OnDialog(IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
                gainShown = d.Text(IDC_OFF_GAIN);
                beamwidthShown = d.Text(IDC_OFF_BEAMWIDTH);
                way.plot(d);
                d.Click(IDCANCEL);
            });
            const auto run = [&](auto& model) {
                RunTool(host, model, row.budget, [&](ScriptedDialog& d) { d.Click(row.button); });
            };
            std::vector<double> before;
            if (row.budget == IDD_TOOL_LINK) {
                CKOTLink link;
                before = RealValues(link);
                run(link);
                EXPECT_EQ(RealValues(link), before);
            } else {
                CKOTPFD pfd;
                before = RealValues(pfd);
                run(pfd);
                EXPECT_EQ(RealValues(pfd), before);
            }
            ASSERT_EQ(host.ChartsShown().size(), 1u);
            EXPECT_EQ(host.ChartsShown()[0].title,
                      "Peak gain " + gainShown + " dBi, 3 dB beamwidth " + beamwidthShown + " deg");
        }
    }
}

// Without the chart module the command still answers, with the program's error dialog.
TEST(ToolOffaxis, PlotPatternWithoutTheChartModuleSaysSo)
{
    ScriptedHost host;
    host.RefuseCharts();
    CKOTOff model;
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        d.PressFunctionKey(2);
        EXPECT_FALSE(d.Ended());
        d.Click(IDCANCEL);
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Chart not available");
    EXPECT_EQ(host.ErrorsShown()[0].explanation, "The chart module (kortools-chart.so) could not be loaded");
    EXPECT_EQ(host.Beeps().size(), 1u);
}

// A chart that could not be saved as an image is explained in the program's error dialog,
// naming the file and the system's reason.
TEST(ToolOffaxis, AChartThatCannotBeSavedSaysWhy)
{
    ScriptedHost host;
    CKOTOff model;
    RunTool(host, model, IDD_TOOL_OFFAXIS, [&](ScriptedDialog& d) {
        d.PressFunctionKey(2);
        ASSERT_EQ(host.ChartsShown().size(), 1u);
        ASSERT_TRUE(host.ChartsShown()[0].saveFailed);
        host.ChartsShown()[0].saveFailed("/media/full/pattern.png: No space left on device");
        d.Click(IDCANCEL);
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Image not saved");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "The chart could not be saved as an image: /media/full/pattern.png: No space left on device");
}

} // namespace
