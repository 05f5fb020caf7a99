#include "dialogs/ToolPFD.h"
#include "models/KOTPFD.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What only the EPFD uses: the receive relative gain and the two receive tools.
constexpr int ReceiveControls[] = {IDC_PFD_RX_RELATIVE, IDC_PFD_CALC_RX_GAIN, IDC_PFD_CALC_RX_OFFAXIS};

TEST(ToolPFD, OpensOnANewModel)
{
    ScriptedHost host;
    CKOTPFD model;
    RunTool(host, model, IDD_TOOL_PFD, [&](ScriptedDialog& d) {
        const struct {
            int id;
            const char* text;
        } shown[] = {
            {IDC_PFD_FREQUENCY, "12.0"}, {IDC_PFD_FREQUENCY_UNIT, "GHz"}, {IDC_PFD_TX_POWER, "0.0"},
            {IDC_PFD_TX_GAIN, "40.441"}, {IDC_PFD_TX_RELATIVE, "0.0"}, {IDC_PFD_EIRP, "40.441"},
            {IDC_PFD_SPREADING, "162.0664"}, {IDC_PFD_OTHER_LOSSES, "0.0"}, {IDC_PFD_RX_GAIN, "40.441"},
            {IDC_PFD_RX_RELATIVE, "0.0"}, {IDC_PFD_PFD, "-121.6254"}, {IDC_PFD_PFD_LABEL, "Received PFD:"},
        };
        for (const auto& row : shown) {
            SCOPED_TRACE(row.id);
            EXPECT_EQ(d.Text(row.id), row.text);
        }
        // The template starts the EIRP and PFD edits disabled; both take input.
        for (int id : {IDC_PFD_EIRP, IDC_PFD_PFD, IDC_PFD_FREQUENCY_UNIT, IDC_PFD_INCLUDE_RX_GAIN}) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_FALSE(d.Checked(IDC_PFD_INCLUDE_RX_GAIN));
        EXPECT_FALSE(d.Enabled(IDC_PFD_RX_GAIN));
        for (int id : ReceiveControls) {
            SCOPED_TRACE(id);
            EXPECT_FALSE(d.Enabled(id));
        }
    });
}

TEST(ToolPFD, TheCheckBoxTurnsThePfdIntoTheEpfd)
{
    ScriptedHost host;
    CKOTPFD model;
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTPFD::VarRxRelativeGain, -10.0, sink), 1);
    RunTool(host, model, IDD_TOOL_PFD, [&](ScriptedDialog& d) {
        d.Click(IDC_PFD_INCLUDE_RX_GAIN);
        EXPECT_TRUE(d.Checked(IDC_PFD_INCLUDE_RX_GAIN));
        EXPECT_EQ(d.Text(IDC_PFD_PFD_LABEL), "Received EPFD:");
        EXPECT_EQ(d.Text(IDC_PFD_PFD), "-131.6254");
        EXPECT_EQ(d.Text(IDC_PFD_EIRP), "40.441");
        EXPECT_EQ(d.Text(IDC_PFD_TX_POWER), "0.0");
        for (int id : ReceiveControls) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        // The receive peak gain never enters the flux density.
        EXPECT_FALSE(d.Enabled(IDC_PFD_RX_GAIN));

        d.TypeInto(IDC_PFD_RX_RELATIVE, "-20");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_PFD_PFD), "-141.6254");

        d.Click(IDC_PFD_INCLUDE_RX_GAIN);
        EXPECT_FALSE(d.Checked(IDC_PFD_INCLUDE_RX_GAIN));
        EXPECT_EQ(d.Text(IDC_PFD_PFD_LABEL), "Received PFD:");
        EXPECT_EQ(d.Text(IDC_PFD_PFD), "-121.6254");
        for (int id : ReceiveControls) {
            SCOPED_TRACE(id);
            EXPECT_FALSE(d.Enabled(id));
        }
        EXPECT_FALSE(d.Enabled(IDC_PFD_RX_GAIN));
    });
    EXPECT_EQ(model.m_includeReceiveGain, 0);
}

TEST(ToolPFD, TheTransmitPowerGivesWayToPfdAndEirp)
{
    ScriptedHost host;
    CKOTPFD model;
    RunTool(host, model, IDD_TOOL_PFD, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_PFD_PFD, "-120");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_PFD_EIRP), "42.0664");
        EXPECT_EQ(d.Text(IDC_PFD_TX_POWER), "1.6254");

        d.TypeInto(IDC_PFD_EIRP, "50");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_PFD_TX_POWER), "9.559");
        EXPECT_EQ(d.Text(IDC_PFD_PFD), "-112.0664");
        EXPECT_EQ(d.Text(IDC_PFD_SPREADING), "162.0664");
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST(ToolPFD, EachCalculateButtonOpensItsTool)
{
    const struct {
        const char* label;
        int button;
        int tool;
        int edit, calc;
        const char* typed;
        int changed;
        const char* shown;
    } rows[] = {
        {"frequency", IDC_PFD_CALC_FREQUENCY, IDD_TOOL_FREQ, IDC_FREQ_FREQUENCY, IDC_FREQ_TO_WAVELENGTH, "14",
         IDC_PFD_TX_GAIN, "41.7799"},
        {"transmit gain", IDC_PFD_CALC_TX_GAIN, IDD_TOOL_GAIN, IDC_GAIN_DISH, IDC_GAIN_CALC_GAIN, "2",
         IDC_PFD_TX_GAIN, "46.4616"},
        {"transmit off-axis", IDC_PFD_CALC_TX_OFFAXIS, IDD_TOOL_OFFAXIS, IDC_OFF_ANGLE, IDC_OFF_CALC_RELATIVE, "2",
         IDC_PFD_TX_RELATIVE, "-16.0214"},
        {"spreading", IDC_PFD_CALC_SPREAD, IDD_TOOL_SPREAD, IDC_SPREAD_DISTANCE, IDC_SPREAD_CALC_LOSS, "1000",
         IDC_PFD_SPREADING, "130.9921"},
        {"receive gain", IDC_PFD_CALC_RX_GAIN, IDD_TOOL_GAIN, IDC_GAIN_DISH, IDC_GAIN_CALC_GAIN, "2",
         IDC_PFD_RX_GAIN, "46.4616"},
        {"receive off-axis", IDC_PFD_CALC_RX_OFFAXIS, IDD_TOOL_OFFAXIS, IDC_OFF_ANGLE, IDC_OFF_CALC_RELATIVE, "2",
         IDC_PFD_RX_RELATIVE, "-16.0214"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTPFD model;
        // The receive tools work only for the EPFD.
        model.SetIncludeReceiveGain(1);
        host.OnDialog(row.tool, [&](ScriptedDialog& d) {
            d.TypeInto(row.edit, row.typed);
            d.Click(row.calc);
            d.Click(IDCANCEL);
        });
        RunTool(host, model, IDD_TOOL_PFD, [&](ScriptedDialog& d) {
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.changed), row.shown);
        });
        EXPECT_EQ(host.DialogsRun(), (std::vector<int>{IDD_TOOL_PFD, row.tool}));
        EXPECT_TRUE(host.OwnerWasDisabled(1));
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

} // namespace
