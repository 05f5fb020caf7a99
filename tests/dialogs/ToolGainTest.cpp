#include "dialogs/ToolGain.h"
#include "framework/Units.h"
#include "models/KOTGain.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

constexpr int UnitRadios[] = {IDC_GAIN_GHZ, IDC_GAIN_MHZ, IDC_GAIN_KHZ, IDC_GAIN_HZ};

TEST(ToolGain, StandAloneOpensWithEverythingUsable)
{
    ScriptedHost host;
    CKOTGain model;
    RunTool(host, model, IDD_TOOL_GAIN, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "12.0");
        EXPECT_EQ(d.Text(IDC_GAIN_DISH), "2.0");
        EXPECT_EQ(d.Text(IDC_GAIN_EFFICIENCY), "0.7");
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "46.4616");
        for (int id : {IDC_GAIN_FREQUENCY, IDC_GAIN_DISH, IDC_GAIN_EFFICIENCY, IDC_GAIN_GAIN,
                       IDC_GAIN_CALC_FREQUENCY, IDC_GAIN_CALC_DISH, IDC_GAIN_CALC_EFFICIENCY, IDC_GAIN_CALC_GAIN}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        for (int id : UnitRadios) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
            EXPECT_EQ(d.Checked(id), id == IDC_GAIN_GHZ);
        }
        EXPECT_EQ(d.Focus(), IDC_GAIN_FREQUENCY);
    });
}

TEST(ToolGain, EachCalculateDerivesItsRowFromTheOtherEntries)
{
    const struct {
        const char* label;
        const char* dish;
        const char* gain;
        int button;
        int calcVar;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        {"peak gain of the 2 m dish", "2", "0", IDC_GAIN_CALC_GAIN, CKOTGain::VarPeakGain, IDC_GAIN_GAIN, "46.4616"},
        {"peak gain of a 3 m dish", "3", "0", IDC_GAIN_CALC_GAIN, CKOTGain::VarPeakGain, IDC_GAIN_GAIN, "49.9834"},
        {"dish for 50 dBi, in m", "0", "50", IDC_GAIN_CALC_DISH, CKOTGain::VarDishSize, IDC_GAIN_DISH, "3.0057"},
        {"efficiency for 50 dBi, above 1", "2", "50", IDC_GAIN_CALC_EFFICIENCY, CKOTGain::VarEfficiency,
         IDC_GAIN_EFFICIENCY, "1.581"},
        {"frequency for 50 dBi, in GHz", "2", "50", IDC_GAIN_CALC_FREQUENCY, CKOTGain::VarFrequency,
         IDC_GAIN_FREQUENCY, "18.0344"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTGain model;
        RunTool(host, model, IDD_TOOL_GAIN, [&](ScriptedDialog& d) {
            d.TypeInto(IDC_GAIN_DISH, row.dish);
            d.TypeInto(IDC_GAIN_GAIN, row.gain);
            d.Click(row.button);
            // What the user typed for the derived quantity is overwritten.
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
        });
        EXPECT_EQ(model.GetCalcVar(), row.calcVar);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolGain, ARefusedDishSizeStopsAfterTheFrequencyWithoutRefreshing)
{
    ScriptedHost host;
    CKOTGain model;
    RunTool(host, model, IDD_TOOL_GAIN, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_GAIN_FREQUENCY, "14");
        d.TypeInto(IDC_GAIN_DISH, "0.0005");
        d.Click(IDC_GAIN_CALC_GAIN);
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "14");
        EXPECT_EQ(d.Text(IDC_GAIN_DISH), "0.0005");
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "46.4616");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Dish size' has been set to 0.0005 m which is below the limit of 0.001 m");
    // The frequency went in first and the peak gain followed it, though nothing showed that yet.
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
    EXPECT_NEAR(model.m_peakGain, 47.800506, 1e-6);
    EXPECT_DOUBLE_EQ(model.m_dishSize, 0.002);
}

TEST(ToolGain, AUnitButtonRedisplaysTheFrequencyAndLaterEntriesAreReadInIt)
{
    ScriptedHost host;
    CKOTGain model;
    RunTool(host, model, IDD_TOOL_GAIN, [&](ScriptedDialog& d) {
        d.Click(IDC_GAIN_MHZ);
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "12000.0");
        EXPECT_TRUE(d.Checked(IDC_GAIN_MHZ));
        EXPECT_FALSE(d.Checked(IDC_GAIN_GHZ));

        d.TypeInto(IDC_GAIN_FREQUENCY, "14000");
        d.Click(IDC_GAIN_CALC_GAIN);
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "14000.0");
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "47.8005");

        d.Click(IDC_GAIN_HZ);
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "1.4000e+10");
    });
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
    EXPECT_EQ(model.m_frequencyDisplay, UnitHz);
}

TEST(ToolGain, OpenedOverALinkTheFrequencyIsShownButLocked)
{
    ScriptedHost host;
    CKOTGain model(14e9, UnitMHz, 0.6, 0.0012);
    RunTool(host, model, IDD_TOOL_GAIN, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "14000.0");
        EXPECT_EQ(d.Text(IDC_GAIN_DISH), "1.2");
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "42.6941");
        EXPECT_FALSE(d.Enabled(IDC_GAIN_FREQUENCY));
        for (int id : UnitRadios) {
            SCOPED_TRACE(id);
            EXPECT_FALSE(d.Enabled(id));
            EXPECT_EQ(d.Checked(id), id == IDC_GAIN_MHZ);
        }
        EXPECT_TRUE(d.Enabled(IDC_GAIN_DISH));
        EXPECT_TRUE(d.Enabled(IDC_GAIN_EFFICIENCY));
        EXPECT_TRUE(d.Enabled(IDC_GAIN_GAIN));
        // The focus passes the locked frequency by.
        EXPECT_EQ(d.Focus(), IDC_GAIN_DISH);

        // The frequency's Calculate is disabled with its edit; a click on it does nothing at all.
        EXPECT_FALSE(d.Enabled(IDC_GAIN_CALC_FREQUENCY));
        d.TypeInto(IDC_GAIN_DISH, "3");
        d.TypeInto(IDC_GAIN_GAIN, "60");
        d.Click(IDC_GAIN_CALC_FREQUENCY);
        EXPECT_EQ(d.Text(IDC_GAIN_DISH), "3");
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "60");
        EXPECT_DOUBLE_EQ(model.m_dishSize, 0.0012);
        EXPECT_EQ(model.GetCalcVar(), CKOTGain::VarPeakGain);

        // The others work at the link's frequency and never try to set it.
        d.Click(IDC_GAIN_CALC_GAIN);
        EXPECT_EQ(d.Text(IDC_GAIN_GAIN), "50.6529");
        d.TypeInto(IDC_GAIN_GAIN, "45");
        d.Click(IDC_GAIN_CALC_DISH);
        EXPECT_EQ(d.Text(IDC_GAIN_DISH), "1.5649");

        EXPECT_EQ(d.Text(IDC_GAIN_FREQUENCY), "14000.0");
        EXPECT_FALSE(d.Enabled(IDC_GAIN_FREQUENCY));
        EXPECT_FALSE(d.Enabled(IDC_GAIN_MHZ));
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_DOUBLE_EQ(model.m_frequency, 14e9);
    EXPECT_EQ(model.m_frequencyDisplay, UnitMHz);
}

} // namespace
