#include "dialogs/ToolPath.h"
#include "framework/Units.h"
#include "models/KOTPath.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

constexpr int UnitRadios[] = {IDC_PATH_GHZ, IDC_PATH_MHZ, IDC_PATH_KHZ, IDC_PATH_HZ};

TEST(ToolPath, StandAloneOpensWithEverythingUsable)
{
    ScriptedHost host;
    CKOTPath model;
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "35786.05");
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "12.0");
        EXPECT_EQ(d.Text(IDC_PATH_LOSS), "205.1055");
        for (int id : {IDC_PATH_DISTANCE, IDC_PATH_FREQUENCY, IDC_PATH_LOSS, IDC_PATH_CALC_DISTANCE,
                       IDC_PATH_CALC_FREQUENCY, IDC_PATH_CALC_LOSS}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        for (int id : UnitRadios) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
            EXPECT_EQ(d.Checked(id), id == IDC_PATH_GHZ);
        }
        EXPECT_EQ(d.Focus(), IDC_PATH_DISTANCE);
    });
}

TEST(ToolPath, EachCalculateDerivesItsRowFromTheOtherEntries)
{
    const struct {
        const char* label;
        int button;
        const char* distance;
        const char* frequency;
        const char* loss;
        int calcVar;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        {"loss", IDC_PATH_CALC_LOSS, "1000", "14", "1", CKOTPath::VarLoss, IDC_PATH_LOSS, "175.3701"},
        {"distance", IDC_PATH_CALC_DISTANCE, "1", "12", "200", CKOTPath::VarDistance, IDC_PATH_DISTANCE,
         "19881.1056"},
        {"frequency", IDC_PATH_CALC_FREQUENCY, "1000", "1", "200", CKOTPath::VarFrequency,
         IDC_PATH_FREQUENCY, "238.5733"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTPath model;
        RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
            d.TypeInto(IDC_PATH_DISTANCE, row.distance);
            d.TypeInto(IDC_PATH_FREQUENCY, row.frequency);
            d.TypeInto(IDC_PATH_LOSS, row.loss);
            d.Click(row.button);
            // What the user typed for the derived quantity is overwritten.
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
        });
        EXPECT_EQ(model.GetCalcVar(), row.calcVar);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolPath, ARefusedDistanceStopsAfterTheFrequencyWithoutRefreshing)
{
    ScriptedHost host;
    CKOTPath model;
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_PATH_FREQUENCY, "14");
        d.TypeInto(IDC_PATH_DISTANCE, "0.0005");
        d.Click(IDC_PATH_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "14");
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "0.0005");
        EXPECT_EQ(d.Text(IDC_PATH_LOSS), "205.1055");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Distance' has been set to 0.0005 km which is below the limit of 0.001 km");
    // The frequency went in first and the loss followed it, though nothing showed that yet.
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
    EXPECT_NEAR(model.m_loss, 206.4444, 1e-4);
    EXPECT_DOUBLE_EQ(model.m_distance, 35786.05);
}

TEST(ToolPath, ARefusedFrequencyStopsBeforeTheDistanceIsApplied)
{
    ScriptedHost host;
    CKOTPath model;
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_PATH_DISTANCE, "1000");
        d.TypeInto(IDC_PATH_FREQUENCY, "4e6");
        d.Click(IDC_PATH_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "1000");
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "4e6");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Frequency' has been set to 4.0000e+06 GHz which is above the limit of 3.0000e+06 GHz");
    EXPECT_DOUBLE_EQ(model.m_distance, 35786.05);
    EXPECT_DOUBLE_EQ(model.m_frequency, 12e9);
}

TEST(ToolPath, AUnitButtonRedisplaysTheFrequencyAndLaterEntriesAreReadInIt)
{
    ScriptedHost host;
    CKOTPath model;
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_PATH_FREQUENCY, "1");
        d.Click(IDC_PATH_MHZ);
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "12000.0");
        EXPECT_TRUE(d.Checked(IDC_PATH_MHZ));
        EXPECT_FALSE(d.Checked(IDC_PATH_GHZ));
        EXPECT_DOUBLE_EQ(model.m_frequency, 12e9);

        d.TypeInto(IDC_PATH_FREQUENCY, "14000");
        d.TypeInto(IDC_PATH_DISTANCE, "1000");
        d.Click(IDC_PATH_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "14000.0");
        EXPECT_EQ(d.Text(IDC_PATH_LOSS), "175.3701");
    });
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
    EXPECT_EQ(model.m_frequencyDisplay, UnitMHz);
}

TEST(ToolPath, OpenedOverALinkTheFrequencyIsShownButLocked)
{
    ScriptedHost host;
    CKOTPath model(1000.0, 14e9, UnitMHz);
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "14000.0");
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "1000.0");
        EXPECT_EQ(d.Text(IDC_PATH_LOSS), "175.3701");
        EXPECT_FALSE(d.Enabled(IDC_PATH_FREQUENCY));
        for (int id : UnitRadios) {
            SCOPED_TRACE(id);
            EXPECT_FALSE(d.Enabled(id));
            EXPECT_EQ(d.Checked(id), id == IDC_PATH_MHZ);
        }
        EXPECT_TRUE(d.Enabled(IDC_PATH_DISTANCE));
        EXPECT_TRUE(d.Enabled(IDC_PATH_LOSS));

        // The frequency's Calculate is disabled with its edit; a click on it does nothing at all.
        EXPECT_FALSE(d.Enabled(IDC_PATH_CALC_FREQUENCY));
        d.TypeInto(IDC_PATH_DISTANCE, "2000");
        d.Click(IDC_PATH_CALC_FREQUENCY);
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "2000");
        EXPECT_DOUBLE_EQ(model.m_distance, 1000.0);
        EXPECT_EQ(model.GetCalcVar(), CKOTPath::VarLoss);

        // The other two work, and never try to set the link's frequency.
        d.Click(IDC_PATH_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_PATH_LOSS), "181.3907");
        d.TypeInto(IDC_PATH_LOSS, "180");
        d.Click(IDC_PATH_CALC_DISTANCE);
        EXPECT_EQ(d.Text(IDC_PATH_DISTANCE), "1704.0948");

        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "14000.0");
        EXPECT_FALSE(d.Enabled(IDC_PATH_FREQUENCY));
        EXPECT_FALSE(d.Enabled(IDC_PATH_MHZ));
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
}

TEST(ToolPath, AUnitTypedAfterTheNumberIsReadInThatUnit)
{
    ScriptedHost host;
    CKOTPath model;
    RunTool(host, model, IDD_TOOL_PATH, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_PATH_DISTANCE, "1000");
        d.TypeInto(IDC_PATH_FREQUENCY, "500 MHz");
        d.Click(IDC_PATH_CALC_LOSS);
        EXPECT_EQ(d.Text(IDC_PATH_FREQUENCY), "0.5");
        EXPECT_TRUE(d.Checked(IDC_PATH_GHZ));
        EXPECT_TRUE(host.ErrorsShown().empty());

        d.TypeInto(IDC_PATH_DISTANCE, "500 MHz");
        d.Click(IDC_PATH_CALC_LOSS);
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation, "Variable 'Distance' cannot take a value in MHz");
    EXPECT_DOUBLE_EQ(model.m_frequency, 5e8);
    EXPECT_DOUBLE_EQ(model.m_distance, 1000);
}

} // namespace
