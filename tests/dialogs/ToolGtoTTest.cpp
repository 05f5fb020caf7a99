#include "dialogs/ToolGtoT.h"
#include "models/KOTGtoT.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolGtoT, OpensOnTheModelsValues)
{
    ScriptedHost host;
    CKOTGtoT model;
    RunTool(host, model, IDD_TOOL_GTOT, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_GTOT_GAIN), "30.0");
        EXPECT_EQ(d.Text(IDC_GTOT_TEMPERATURE), "300.0");
        EXPECT_EQ(d.Text(IDC_GTOT_GTOT), "5.2288");
        for (int id : {IDC_GTOT_GAIN, IDC_GTOT_TEMPERATURE, IDC_GTOT_GTOT}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_EQ(d.Focus(), IDC_GTOT_GAIN);
    });
}

TEST(ToolGtoT, LeavingAnEditStoresOnlyThatValueUntilCalculateIsPressed)
{
    ScriptedHost host;
    CKOTGtoT model;
    RunTool(host, model, IDD_TOOL_GTOT, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_GTOT_TEMPERATURE, "600");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_GTOT_TEMPERATURE), "600.0");
        EXPECT_EQ(d.Text(IDC_GTOT_GTOT), "5.2288");
        EXPECT_DOUBLE_EQ(model.m_temperature, 600.0);

        d.TypeInto(IDC_GTOT_TEMPERATURE, "300");
        d.TypeInto(IDC_GTOT_GTOT, "0");
        d.Click(IDC_GTOT_CALC_GTOT);
        EXPECT_EQ(d.Text(IDC_GTOT_GTOT), "5.2288");
    });
    EXPECT_DOUBLE_EQ(model.m_peakGain, 30.0);
}

TEST(ToolGtoT, EachCalculateDerivesItsRowFromTheOtherTwo)
{
    const struct {
        const char* label;
        int edit;
        const char* typed;
        int button;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        // Typed and then the button clicked directly: the click leaves the edit first.
        {"G/T from a new peak gain", IDC_GTOT_GAIN, "40", IDC_GTOT_CALC_GTOT, IDC_GTOT_GTOT, "15.2288"},
        {"temperature from a new G/T", IDC_GTOT_GTOT, "10", IDC_GTOT_CALC_TEMPERATURE,
         IDC_GTOT_TEMPERATURE, "100.0"},
        {"peak gain from a new G/T", IDC_GTOT_GTOT, "10", IDC_GTOT_CALC_GAIN, IDC_GTOT_GAIN, "34.7712"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTGtoT model;
        RunTool(host, model, IDD_TOOL_GTOT, [&](ScriptedDialog& d) {
            d.TypeInto(row.edit, row.typed);
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
        });
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolGtoT, ARefusedEntryIsReportedOnceAndTheOldValueComesBack)
{
    ScriptedHost host;
    CKOTGtoT model;
    RunTool(host, model, IDD_TOOL_GTOT, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_GTOT_TEMPERATURE, "0");
        d.Click(IDC_GTOT_CALC_GTOT);
        EXPECT_EQ(d.Text(IDC_GTOT_TEMPERATURE), "300.0");
        EXPECT_EQ(d.Text(IDC_GTOT_GTOT), "5.2288");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Temperature' has been set to 0.0 K which is below the limit of 0.001 K");
    EXPECT_EQ(host.Beeps().size(), 1u);
    EXPECT_DOUBLE_EQ(model.m_temperature, 300.0);
}

} // namespace
