#include "dialogs/ToolFoV1.h"
#include "models/KOTFOV1.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolFoV1, OpensOnTheModelsOrbitWithTheUnitsItShows)
{
    ScriptedHost host;
    CKOTFOV1 model;
    RunTool(host, model, IDD_TOOL_FOV1, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_FOV1_HEIGHT), "35786.05");
        EXPECT_EQ(d.Text(IDC_FOV1_RADIUS), "42164.195");
        EXPECT_EQ(d.Text(IDC_FOV1_PERIOD), "1436.068");
        EXPECT_EQ(d.Text(IDC_FOV1_HEIGHT_UNIT), "km");
        EXPECT_EQ(d.Text(IDC_FOV1_RADIUS_UNIT), "km");
        // The template says "km"; the period is shown in minutes.
        EXPECT_EQ(d.Text(IDC_FOV1_PERIOD_UNIT), "min");
        EXPECT_EQ(d.Focus(), IDC_FOV1_HEIGHT);
    });
}

TEST(ToolFoV1, LeavingAnEditShowsTheOtherTwoForIt)
{
    const struct {
        const char* label;
        int edit;
        const char* typed;
        const char *height, *radius, *period;
    } rows[] = {
        {"geostationary height", IDC_FOV1_HEIGHT, "35786.05", "35786.05", "42164.195", "1436.068"},
        {"radius of 7000 km", IDC_FOV1_RADIUS, "7000", "621.855", "7000.0", "97.1418"},
        {"period of 90 min", IDC_FOV1_PERIOD, "90", "274.4152", "6652.5602", "90.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTFOV1 model;
        model.SetHeight(1000);
        RunTool(host, model, IDD_TOOL_FOV1, [&](ScriptedDialog& d) {
            d.TypeInto(row.edit, row.typed);
            d.PressTab();
            EXPECT_EQ(d.Text(IDC_FOV1_HEIGHT), row.height);
            EXPECT_EQ(d.Text(IDC_FOV1_RADIUS), row.radius);
            EXPECT_EQ(d.Text(IDC_FOV1_PERIOD), row.period);
            EXPECT_EQ(d.Text(IDC_FOV1_PERIOD_UNIT), "min");
        });
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolFoV1, APeriodBelowEightyFourAndAHalfMinutesIsRefusedAndTheOldValuesComeBack)
{
    ScriptedHost host;
    CKOTFOV1 model;
    RunTool(host, model, IDD_TOOL_FOV1, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_FOV1_PERIOD, "84");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_FOV1_HEIGHT), "35786.05");
        EXPECT_EQ(d.Text(IDC_FOV1_RADIUS), "42164.195");
        EXPECT_EQ(d.Text(IDC_FOV1_PERIOD), "1436.068");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Orbit Period' has been set to 84.0 min which is below the limit of 84.5 min");
    EXPECT_EQ(host.Beeps().size(), 1u);
    EXPECT_EQ(model.m_height, 35786.05);
}

} // namespace
