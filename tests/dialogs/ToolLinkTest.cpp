#include "dialogs/ToolLink.h"
#include "models/KOTLink.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int Edits[] = {
    IDC_LINK_FREQUENCY, IDC_LINK_TX_POWER, IDC_LINK_TX_GAIN, IDC_LINK_TX_RELATIVE, IDC_LINK_EIRP,
    IDC_LINK_PATH_LOSS, IDC_LINK_OTHER_LOSSES, IDC_LINK_RX_GAIN, IDC_LINK_RX_RELATIVE, IDC_LINK_RX_POWER,
    IDC_LINK_NOISE, IDC_LINK_CN,
};

TEST(ToolLink, OpensOnANewLink)
{
    ScriptedHost host;
    CKOTLink model;
    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        const struct {
            int id;
            const char* text;
        } shown[] = {
            {IDC_LINK_FREQUENCY, "12.0"}, {IDC_LINK_FREQUENCY_UNIT, "GHz"}, {IDC_LINK_TX_POWER, "0.0"},
            {IDC_LINK_TX_GAIN, "40.441"}, {IDC_LINK_TX_RELATIVE, "0.0"}, {IDC_LINK_EIRP, "40.441"},
            {IDC_LINK_PATH_LOSS, "205.1055"}, {IDC_LINK_OTHER_LOSSES, "2.0"}, {IDC_LINK_RX_GAIN, "40.441"},
            {IDC_LINK_RX_RELATIVE, "0.0"}, {IDC_LINK_RX_POWER, "-126.2235"}, {IDC_LINK_NOISE, "-143.8288"},
            {IDC_LINK_CN, "17.6053"}, {IDC_LINK_SIGNAL_LABEL, "Receive Power C: "}, {IDC_LINK_RATIO_LABEL, "C/N:"},
        };
        for (const auto& row : shown) {
            SCOPED_TRACE(row.id);
            EXPECT_EQ(d.Text(row.id), row.text);
        }
        // EIRP, receive power and C/N start disabled in the template and take input too.
        for (int id : Edits) {
            SCOPED_TRACE(id);
            EXPECT_TRUE(d.Enabled(id));
        }
        EXPECT_TRUE(d.Enabled(IDC_LINK_FREQUENCY_UNIT));
        EXPECT_EQ(d.Focus(), IDC_LINK_FREQUENCY);
    });
}

// Opened by the C/(N+I) tool on its interfering link.
TEST(ToolLink, AnInterferingLinkSaysSo)
{
    ScriptedHost host;
    CKOTLink model;
    model.m_wantedSignal = 0;
    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_LINK_SIGNAL_LABEL), "Interfering signal I:");
        EXPECT_EQ(d.Text(IDC_LINK_RATIO_LABEL), "I/N:");
    });
}

TEST(ToolLink, ACnOfTwentyIsReachedByTheTransmitPower)
{
    ScriptedHost host;
    CKOTLink model;
    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_LINK_CN, "20");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_LINK_CN), "20.0");
        EXPECT_EQ(d.Text(IDC_LINK_TX_POWER), "2.3947");
        EXPECT_EQ(d.Text(IDC_LINK_EIRP), "42.8357");
        EXPECT_EQ(d.Text(IDC_LINK_RX_POWER), "-123.8288");
        EXPECT_EQ(d.Text(IDC_LINK_TX_GAIN), "40.441");
        EXPECT_EQ(d.Text(IDC_LINK_PATH_LOSS), "205.1055");
        EXPECT_EQ(d.Text(IDC_LINK_NOISE), "-143.8288");
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST(ToolLink, TheFrequencyToolChangesTheUnitTheFrequencyIsShownIn)
{
    ScriptedHost host;
    CKOTLink model;
    host.OnDialog(IDD_TOOL_FREQ, [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "12.0");
        d.Click(IDC_FREQ_MHZ);
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "12000.0");
        d.Click(IDCANCEL);
    });
    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        d.Click(IDC_LINK_CALC_FREQUENCY);
        EXPECT_EQ(d.Text(IDC_LINK_FREQUENCY), "12000.0");
        EXPECT_EQ(d.Text(IDC_LINK_FREQUENCY_UNIT), "MHz");
        EXPECT_EQ(d.Text(IDC_LINK_CN), "17.6053");

        // Later entries are read in the new unit.
        d.TypeInto(IDC_LINK_FREQUENCY, "14000");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_LINK_PATH_LOSS), "206.4444");
    });
    EXPECT_EQ(model.m_frequency, 14e9);
}

// Each button opens its tool above the link, and the link shows what came back.
TEST(ToolLink, EachCalculateButtonOpensItsTool)
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
        {"frequency", IDC_LINK_CALC_FREQUENCY, IDD_TOOL_FREQ, IDC_FREQ_FREQUENCY, IDC_FREQ_TO_WAVELENGTH, "14",
         IDC_LINK_PATH_LOSS, "206.4444"},
        {"transmit gain", IDC_LINK_CALC_TX_GAIN, IDD_TOOL_GAIN, IDC_GAIN_DISH, IDC_GAIN_CALC_GAIN, "2",
         IDC_LINK_TX_GAIN, "46.4616"},
        {"transmit off-axis", IDC_LINK_CALC_TX_OFFAXIS, IDD_TOOL_OFFAXIS, IDC_OFF_ANGLE, IDC_OFF_CALC_RELATIVE, "2",
         IDC_LINK_TX_RELATIVE, "-16.0214"},
        {"path", IDC_LINK_CALC_PATH, IDD_TOOL_PATH, IDC_PATH_DISTANCE, IDC_PATH_CALC_LOSS, "1000",
         IDC_LINK_PATH_LOSS, "174.0312"},
        {"receive gain", IDC_LINK_CALC_RX_GAIN, IDD_TOOL_GAIN, IDC_GAIN_DISH, IDC_GAIN_CALC_GAIN, "2",
         IDC_LINK_RX_GAIN, "46.4616"},
        {"receive off-axis", IDC_LINK_CALC_RX_OFFAXIS, IDD_TOOL_OFFAXIS, IDC_OFF_ANGLE, IDC_OFF_CALC_RELATIVE, "2",
         IDC_LINK_RX_RELATIVE, "-16.0214"},
        {"noise", IDC_LINK_CALC_NOISE, IDD_TOOL_TEMP, IDC_TEMP_BANDWIDTH, IDC_TEMP_CALC_NOISE, "3.6e7",
         IDC_LINK_NOISE, "-128.2658"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTLink model;
        host.OnDialog(row.tool, [&](ScriptedDialog& d) {
            d.TypeInto(row.edit, row.typed);
            d.Click(row.calc);
            d.Click(IDCANCEL);
        });
        RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
            d.Click(row.button);
            EXPECT_EQ(d.Text(row.changed), row.shown);
        });
        EXPECT_EQ(host.DialogsRun(), (std::vector<int>{IDD_TOOL_LINK, row.tool}));
        EXPECT_TRUE(host.OwnerWasDisabled(1));
        EXPECT_EQ(host.PendingScripts(row.tool), 0u);
        EXPECT_TRUE(host.ErrorsShown().empty());
    }
}

// The receiver's noise shows as "-143.8288"; read back, it once moved the receiver temperature
// from 300 K to 299.9991 K. Passing through every edit of the budget without typing works
// nothing again; typing the noise's own text does take it.
TEST(ToolLink, PassingThroughTheBudgetWithoutTypingMovesNothing)
{
    ScriptedHost host;
    CKOTLink model;
    const CKOTLink before = model;
    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        PassThrough(d, Edits, 3);
        d.PressEscape();
    });
    EXPECT_EQ(model.m_temperature, 300.0);
    EXPECT_EQ(RealValues(model), RealValues(before));
    EXPECT_TRUE(host.ErrorsShown().empty());

    RunTool(host, model, IDD_TOOL_LINK, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_LINK_NOISE, d.Text(IDC_LINK_NOISE));
        d.PressTab();
    });
    EXPECT_EQ(model.m_noise, -143.8288);
    EXPECT_NE(model.m_temperature, 300.0);
    EXPECT_NEAR(model.m_temperature, 299.9991, 0.00005);
}

} // namespace
