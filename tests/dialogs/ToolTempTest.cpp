#include "dialogs/ToolTemp.h"
#include "models/KOTTemp.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

namespace {

TEST(ToolTemp, OpensOnTheModelsValues)
{
    ScriptedHost host;
    CKOTTemp model;
    RunTool(host, model, IDD_TOOL_TEMP, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_TEMP_NOISE), "-203.8288");
        EXPECT_EQ(d.Text(IDC_TEMP_TEMPERATURE), "300.0");
        EXPECT_EQ(d.Text(IDC_TEMP_BANDWIDTH), "1.0");
        for (int id : {IDC_TEMP_NOISE, IDC_TEMP_TEMPERATURE, IDC_TEMP_BANDWIDTH}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_EQ(d.Focus(), IDC_TEMP_NOISE);
    });
}

TEST(ToolTemp, EachCalculateDerivesItsRowFromTheOtherTwoEntries)
{
    const struct {
        const char* label;
        int button;
        const char* noise;
        const char* temperature;
        const char* bandwidth;
        int calcVar;
        int derivedEdit;
        const char* derived;
    } rows[] = {
        {"bandwidth", IDC_TEMP_CALC_BANDWIDTH, "-203.82879", "290", "7", CKOTTemp::VarBandwidth,
         IDC_TEMP_BANDWIDTH, "1.0345"},
        {"noise", IDC_TEMP_CALC_NOISE, "-1", "290", "1000000", CKOTTemp::VarNoise, IDC_TEMP_NOISE,
         "-143.976"},
        {"temperature", IDC_TEMP_CALC_TEMPERATURE, "-143.97602", "1", "1000000", CKOTTemp::VarTemperature,
         IDC_TEMP_TEMPERATURE, "290.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTTemp model;
        RunTool(host, model, IDD_TOOL_TEMP, [&](ScriptedDialog& d) {
            d.TypeInto(IDC_TEMP_NOISE, row.noise);
            d.TypeInto(IDC_TEMP_TEMPERATURE, row.temperature);
            d.TypeInto(IDC_TEMP_BANDWIDTH, row.bandwidth);
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.derivedEdit), row.derived);
        });
        EXPECT_EQ(model.GetCalcVar(), row.calcVar);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

TEST(ToolTemp, ARefusedTemperatureLeavesTheTypedTextsAndAppliesNoBandwidth)
{
    ScriptedHost host;
    CKOTTemp model;
    RunTool(host, model, IDD_TOOL_TEMP, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_TEMP_TEMPERATURE, "0");
        d.TypeInto(IDC_TEMP_BANDWIDTH, "1000000");
        d.Click(IDC_TEMP_CALC_NOISE);
        EXPECT_EQ(d.Text(IDC_TEMP_TEMPERATURE), "0");
        EXPECT_EQ(d.Text(IDC_TEMP_BANDWIDTH), "1000000");
        EXPECT_EQ(d.Text(IDC_TEMP_NOISE), "-203.8288");
    });
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    EXPECT_EQ(host.ErrorsShown()[0].explanation,
              "Variable 'Temperature' has been set to 0.0 K which is below the limit of 0.001 K");
    EXPECT_DOUBLE_EQ(model.m_temperature, 300.0);
    EXPECT_DOUBLE_EQ(model.m_bandwidth, 1.0);
    // The choice of the derived quantity comes first and stays.
    EXPECT_EQ(model.GetCalcVar(), CKOTTemp::VarNoise);
}

} // namespace
