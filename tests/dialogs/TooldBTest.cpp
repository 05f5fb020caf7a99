#include "dialogs/TooldB.h"
#include "models/KOTDB.h"
#include "platform/DialogHost.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

TEST(TooldB, OpensOnTheModelsValuesWithTheAbsoluteEditFocused)
{
    ScriptedHost host;
    CKOTDB model;
    RunTool(host, model, IDD_TOOL_DB, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "10.0");
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "10.0");
        EXPECT_TRUE(d.Enabled(IDC_DB_ABSOLUTE));
        EXPECT_TRUE(d.Enabled(IDC_DB_DECIBELS));
        EXPECT_EQ(d.Focus(), IDC_DB_ABSOLUTE);
        d.Click(IDCANCEL);
        EXPECT_TRUE(d.Ended());
        EXPECT_EQ(d.Result(), IDCANCEL);
    });
}

TEST(TooldB, EachArrowAppliesOnlyTheEntryItPointsAwayFrom)
{
    ScriptedHost host;
    CKOTDB model;
    RunTool(host, model, IDD_TOOL_DB, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_DB_ABSOLUTE, "100");
        d.Click(IDC_DB_TO_DB);
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "20.0");
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "100.0");

        // The absolute text typed here must not be taken by the other arrow.
        d.TypeInto(IDC_DB_ABSOLUTE, "5");
        d.TypeInto(IDC_DB_DECIBELS, "-30");
        d.Click(IDC_DB_TO_ABSOLUTE);
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "0.001");
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "-30.0");
    });
    EXPECT_DOUBLE_EQ(model.m_absolute, 0.001);
    EXPECT_DOUBLE_EQ(model.m_db, -30.0);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// What is pasted into a report is what the tool holds: the entry applied by the arrow, not the
// text typed afterwards and never applied.
TEST(TooldB, CopyValuesPutsTheAppliedValuesOnTheClipboard)
{
    ScriptedHost host;
    CKOTDB model;
    RunTool(host, model, IDD_TOOL_DB, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_DB_ABSOLUTE, "100");
        d.Click(IDC_DB_TO_DB);
        d.TypeInto(IDC_DB_ABSOLUTE, "5");
        d.ChooseFromWindowMenu("Copy Values");
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "5");
        EXPECT_EQ(d.Focus(), IDC_DB_ABSOLUTE);
    });
    EXPECT_EQ(host.ClipboardText(), "absolute_value = 100.0\ndb_value = 20.0 dB\n");
    EXPECT_DOUBLE_EQ(model.m_absolute, 100.0);
}

TEST(TooldB, RefusedAbsoluteShowsTheRangeErrorAndPutsBothOldValuesBack)
{
    ScriptedHost host;
    CKOTDB model;
    RunTool(host, model, IDD_TOOL_DB, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_DB_DECIBELS, "45");
        d.TypeInto(IDC_DB_ABSOLUTE, "0");
        d.Click(IDC_DB_TO_DB);
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "10.0");
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "10.0");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'absolute value' has been set to 0.0 which is below the limit of 1.0000e-300");
    EXPECT_EQ(host.ErrorsShown()[0].suggestion, "Re-enter data within ranges");
    EXPECT_EQ(host.Beeps().size(), 1u);
    EXPECT_DOUBLE_EQ(model.m_absolute, 10.0);
    EXPECT_DOUBLE_EQ(model.m_db, 10.0);
}

TEST(TooldB, RunDialogSaysWhetherTheDialogCouldBeCreated)
{
    CKOTDB model;
    {
        ScriptedHost host;
        EXPECT_EQ(model.RunDialog(), 1);
        ASSERT_EQ(host.DialogsRun().size(), 1u);
        EXPECT_EQ(host.DialogsRun()[0], IDD_TOOL_DB);
    }
    // With nothing to show it on, the dialog cannot be created.
    DialogHost* const previous = GetDialogHost();
    SetDialogHost(nullptr);
    EXPECT_EQ(model.RunDialog(), 0);
    SetDialogHost(previous);
}

} // namespace
