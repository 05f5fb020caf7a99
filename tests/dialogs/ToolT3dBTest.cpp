#include "dialogs/ToolT3dB.h"
#include "formulas/Constants.h"
#include "models/KOTT3dB.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

constexpr int Edits[] = {IDC_T3DB_GAIN, IDC_T3DB_EFFICIENCY, IDC_T3DB_BEAMWIDTH};

TEST(ToolT3dB, OpensOnTheModelsValues)
{
    ScriptedHost host;
    CKOTT3dB model;
    RunTool(host, model, IDD_TOOL_T3DB, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_T3DB_GAIN), "30.0");
        EXPECT_EQ(d.Text(IDC_T3DB_EFFICIENCY), "0.7");
        EXPECT_EQ(d.Text(IDC_T3DB_BEAMWIDTH), "5.8183");
        for (int id : Edits) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_EQ(d.Focus(), IDC_T3DB_GAIN);
    });
}

TEST(ToolT3dB, EachCalculateDerivesItsRowFromTheOtherTwo)
{
    const struct {
        const char* label;
        const char* gain;
        const char* efficiency;
        const char* beamwidth;
        int button;
        int calcVar;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        {"beamwidth of 30 dBi at 0.7, in degrees", "30", "0.7", "0", IDC_T3DB_CALC_BEAMWIDTH, CKOTT3dB::VarBeamwidth,
         IDC_T3DB_BEAMWIDTH, "5.8183"},
        {"beamwidth of 40 dBi", "40", "0.7", "0", IDC_T3DB_CALC_BEAMWIDTH, CKOTT3dB::VarBeamwidth,
         IDC_T3DB_BEAMWIDTH, "1.8399"},
        {"peak gain of a 1 degree beam", "0", "0.7", "1", IDC_T3DB_CALC_GAIN, CKOTT3dB::VarPeakGain, IDC_T3DB_GAIN,
         "45.2959"},
        {"efficiency of a 5 degree beam", "30", "0", "5", IDC_T3DB_CALC_EFFICIENCY, CKOTT3dB::VarEfficiency,
         IDC_T3DB_EFFICIENCY, "0.5169"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTT3dB model;
        RunTool(host, model, IDD_TOOL_T3DB, [&](ScriptedDialog& d) {
            d.TypeInto(IDC_T3DB_GAIN, row.gain);
            d.TypeInto(IDC_T3DB_EFFICIENCY, row.efficiency);
            d.TypeInto(IDC_T3DB_BEAMWIDTH, row.beamwidth);
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
        });
        EXPECT_EQ(model.GetCalcVar(), row.calcVar);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

// Each edit has a leave handler, and it applies nothing: the values go in together, by a button.
TEST(ToolT3dB, LeavingAnEditAppliesNothing)
{
    ScriptedHost host;
    CKOTT3dB model;
    RunTool(host, model, IDD_TOOL_T3DB, [&](ScriptedDialog& d) {
        for (int id : Edits) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Dialog().HasKillFocusHandler(id));
        }
        d.TypeInto(IDC_T3DB_GAIN, "40");
        d.PressTab();
        d.TypeInto(IDC_T3DB_EFFICIENCY, "2");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_T3DB_GAIN), "40");
        EXPECT_EQ(d.Text(IDC_T3DB_EFFICIENCY), "2");
        EXPECT_EQ(d.Text(IDC_T3DB_BEAMWIDTH), "5.8183");
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(model.m_peakGain, 30.0);
    EXPECT_EQ(model.m_efficiency, 0.7);
}

TEST(ToolT3dB, ARefusedPeakGainStopsAfterTheEfficiencyWithoutRefreshing)
{
    ScriptedHost host;
    CKOTT3dB model;
    RunTool(host, model, IDD_TOOL_T3DB, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_T3DB_EFFICIENCY, "0.5");
        d.TypeInto(IDC_T3DB_GAIN, "301");
        d.Click(IDC_T3DB_CALC_BEAMWIDTH);
        EXPECT_EQ(d.Text(IDC_T3DB_EFFICIENCY), "0.5");
        EXPECT_EQ(d.Text(IDC_T3DB_GAIN), "301");
        EXPECT_EQ(d.Text(IDC_T3DB_BEAMWIDTH), "5.8183");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Peak gain' has been set to 301.0 dBi which is above the limit of 300.0 dBi");
    // The efficiency went in first and the beamwidth followed it, unseen until the next refresh.
    EXPECT_EQ(model.m_efficiency, 0.5);
    EXPECT_EQ(model.m_peakGain, 30.0);
    EXPECT_NEAR(model.m_beamwidth * 180 / Pi, 4.917370, 1e-6);
}

} // namespace
