#include "dialogs/ToolSpread.h"
#include "framework/ErrorSink.h"
#include "models/KOTSpread.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolSpread, OpensOnTheGeostationaryDistance)
{
    ScriptedHost host;
    CKOTSpread model;
    RunTool(host, model, IDD_TOOL_SPREAD, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "35786.05");
        EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "162.0664");
        EXPECT_TRUE(d.Enabled(IDC_SPREAD_DISTANCE));
        EXPECT_TRUE(d.Enabled(IDC_SPREAD_LOSS));
        EXPECT_EQ(d.Focus(), IDC_SPREAD_DISTANCE);
    });
}

TEST(ToolSpread, EachCalculateDerivesItsRowFromTheEntryInTheOtherRow)
{
    ScriptedHost host;
    CKOTSpread model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTSpread::VarDistance, 1000.0, sink), 1);
    RunTool(host, model, IDD_TOOL_SPREAD, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_SPREAD_DISTANCE, "35786.05");
        d.TypeInto(IDC_SPREAD_LOSS, "1");
        d.Click(IDC_SPREAD_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "162.0664");
        EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "35786.05");

        d.TypeInto(IDC_SPREAD_DISTANCE, "1");
        d.TypeInto(IDC_SPREAD_LOSS, "100");
        d.Click(IDC_SPREAD_CALC_DISTANCE);
        EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "28.2095");
        EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "100.0");
    });
    EXPECT_DOUBLE_EQ(model.m_loss, 100.0);
}

TEST(ToolSpread, RefusedDistanceShowsTheRangeErrorAndRestoresBothEdits)
{
    ScriptedHost host;
    CKOTSpread model;
    RunTool(host, model, IDD_TOOL_SPREAD, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_SPREAD_LOSS, "100");
        d.TypeInto(IDC_SPREAD_DISTANCE, "0.0005");
        d.Click(IDC_SPREAD_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_SPREAD_DISTANCE), "35786.05");
        EXPECT_EQ(d.Text(IDC_SPREAD_LOSS), "162.0664");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Distance' has been set to 0.0005 km which is below the limit of 0.001 km");
    EXPECT_DOUBLE_EQ(model.m_distance, 35786.05);
}

} // namespace
