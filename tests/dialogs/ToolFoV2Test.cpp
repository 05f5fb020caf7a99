#include "dialogs/ToolFoV2.h"
#include "models/KOTFOV2.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

using M = CKOTFOV2;

constexpr int FixedRadios[] = {IDC_FOV2_FIX_HEIGHT, IDC_FOV2_FIX_ELEVATION, IDC_FOV2_FIX_NADIR,
                               IDC_FOV2_FIX_DISTANCE};

struct Shown {
    const char *height, *elevation, *distance, *nadir;
};

void ExpectShown(const ScriptedDialog& d, const Shown& shown)
{
    EXPECT_EQ(d.Text(IDC_FOV2_HEIGHT), shown.height);
    EXPECT_EQ(d.Text(IDC_FOV2_ELEVATION), shown.elevation);
    EXPECT_EQ(d.Text(IDC_FOV2_DISTANCE), shown.distance);
    EXPECT_EQ(d.Text(IDC_FOV2_NADIR), shown.nadir);
}

constexpr Shown Defaults{"35786.05", "5.0", "41126.8097", "8.6671"};

TEST(ToolFoV2, OpensOnTheModelsTriangleWithItsFixedVariableChosen)
{
    const struct {
        int fixed;
        int radio;
    } rows[] = {
        {M::VarHeight, IDC_FOV2_FIX_HEIGHT},
        {M::VarElevation, IDC_FOV2_FIX_ELEVATION},
        {M::VarDistance, IDC_FOV2_FIX_DISTANCE},
        {M::VarNadirAngle, IDC_FOV2_FIX_NADIR},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.fixed);
        ScriptedHost host;
        M model;
        model.m_fixedVar = row.fixed;
        RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
            ExpectShown(d, Defaults);
            EXPECT_EQ(d.Text(IDC_FOV2_HEIGHT_UNIT), "km");
            EXPECT_EQ(d.Text(IDC_FOV2_ELEVATION_UNIT), "deg");
            EXPECT_EQ(d.Text(IDC_FOV2_DISTANCE_UNIT), "km");
            EXPECT_EQ(d.Text(IDC_FOV2_NADIR_UNIT), "deg");
            for (int radio : FixedRadios) {
                SCOPED_TRACE(radio);
                EXPECT_TRUE(d.Enabled(radio));
                EXPECT_EQ(d.Checked(radio), radio == row.radio);
            }
        });
    }
}

TEST(ToolFoV2, WithTheHeightFixedANewElevationMovesDistanceAndAngle)
{
    ScriptedHost host;
    M model;
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_FOV2_ELEVATION, "30");
        d.PressTab();
        ExpectShown(d, {"35786.05", "30.0", "38611.7503", "7.5276"});
    });
    EXPECT_EQ(model.m_fixedVar, M::VarHeight);
    EXPECT_EQ(model.m_editedVar, M::VarElevation);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST(ToolFoV2, ChoosingAFixedVariableChangesNothingElse)
{
    const struct {
        int radio;
        int fixed;
    } rows[] = {
        {IDC_FOV2_FIX_NADIR, M::VarNadirAngle},
        {IDC_FOV2_FIX_ELEVATION, M::VarElevation},
        {IDC_FOV2_FIX_HEIGHT, M::VarHeight},
        {IDC_FOV2_FIX_DISTANCE, M::VarDistance},
    };
    ScriptedHost host;
    M model;
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        // The first click also leaves the height edit, untouched: that applies nothing.
        d.Click(IDC_FOV2_FIX_DISTANCE);
        const M before = model;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.fixed);
            d.Click(row.radio);
            EXPECT_EQ(model.m_fixedVar, row.fixed);
            EXPECT_EQ(model.m_editedVar, before.m_editedVar);
            EXPECT_EQ(model.m_height, before.m_height);
            EXPECT_EQ(model.m_elevation, before.m_elevation);
            EXPECT_EQ(model.m_distance, before.m_distance);
            EXPECT_EQ(model.m_nadirAngle, before.m_nadirAngle);
            ExpectShown(d, Defaults);
            EXPECT_TRUE(d.Checked(row.radio));
        }
    });
}

// Once the distance is held instead, the same kind of entry moves the height.
TEST(ToolFoV2, TheChosenFixedVariableTakesEffectWithTheNextEntry)
{
    ScriptedHost host;
    M model;
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        d.Click(IDC_FOV2_FIX_DISTANCE);
        d.TypeInto(IDC_FOV2_ELEVATION, "30");
        d.PressTab();
        ExpectShown(d, {"38280.65", "30.0", "41126.8097", "7.1048"});
    });
}

TEST(ToolFoV2, ARefusedEntryStaysInItsEditAndIsStillTheEditedVariable)
{
    ScriptedHost host;
    M model;
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_FOV2_NADIR, "91");
        d.PressTab();
        ExpectShown(d, {"35786.05", "5.0", "41126.8097", "91"});
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Angle at satellite' has been set to 91.0 deg which is above the limit of 90.0 deg");
    EXPECT_EQ(model.m_editedVar, M::VarNadirAngle);
    EXPECT_EQ(model.m_height, 35786.05);
    EXPECT_NEAR(model.m_distance, 41126.810, 0.001);
}

// The edits show the triangle to four decimals; the tool holds it exactly. Passing through the
// edits three times round without typing moves none of it (read back, the rounded texts once
// moved the elevation from 5.0 to 5.0018 deg) and edits no variable, which the saved state
// would keep.
TEST(ToolFoV2, PassingThroughTheEditsWithoutTypingMovesNothing)
{
    constexpr int Edits[] = {IDC_FOV2_HEIGHT, IDC_FOV2_ELEVATION, IDC_FOV2_DISTANCE, IDC_FOV2_NADIR};
    ScriptedHost host;
    M model;
    const M before = model;
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        PassThrough(d, Edits, 3);
        ExpectShown(d, Defaults);
    });
    EXPECT_EQ(model.m_elevation, before.m_elevation);
    EXPECT_EQ(RealValues(model), RealValues(before));
    EXPECT_EQ(model.m_editedVar, before.m_editedVar);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// Typing the very text an edit shows is an entry like any other: the rounded distance is taken
// as typed, and it is the edited variable.
TEST(ToolFoV2, RetypingTheShownTextEntersIt)
{
    ScriptedHost host;
    M model;
    ASSERT_NE(model.m_distance, 41126.8097);
    RunTool(host, model, IDD_TOOL_FOV2, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_FOV2_DISTANCE, d.Text(IDC_FOV2_DISTANCE));
        d.PressTab();
    });
    EXPECT_EQ(model.m_distance, 41126.8097);
    EXPECT_EQ(model.m_editedVar, M::VarDistance);
    EXPECT_EQ(model.m_height, 35786.05);
}

} // namespace
