#include "dialogs/ToolOffaxis.h"
#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "models/KOTOff.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

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
              "Variable 'Offaxis angle' has been set to 200.0 which is above the limit of 180.0");
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

        // The beamwidth's Calculate does nothing at all: no entry applied, no refresh.
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

} // namespace
