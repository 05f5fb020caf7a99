// The tools a link budget or the PFD tool opens over its own values: their captions name the
// antenna they work on, and the Calculate button of the quantity that belongs to the budget is
// disabled with its edit.
#include "models/KOTLink.h"
#include "models/KOTPFD.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::vector<int> GainButtons = {IDC_GAIN_CALC_FREQUENCY, IDC_GAIN_CALC_DISH, IDC_GAIN_CALC_EFFICIENCY,
                                      IDC_GAIN_CALC_GAIN};
const std::vector<int> OffaxisButtons = {IDC_OFF_CALC_BEAMWIDTH, IDC_OFF_CALC_ANGLE, IDC_OFF_CALC_RELATIVE};
const std::vector<int> PathButtons = {IDC_PATH_CALC_DISTANCE, IDC_PATH_CALC_FREQUENCY, IDC_PATH_CALC_LOSS};

struct SubTool {
    int tool;
    const char* caption;
    const std::vector<int>& calculates;
    int locked; // the Calculate of the budget's own quantity
};

// Opens the sub-tool from the budget's button (after clicking `first`, when given) and checks
// its caption and its Calculate buttons.
template <class Model>
void ExpectSubTool(int budget, int first, int button, const SubTool& sub)
{
    ScriptedHost host;
    Model model;
    host.OnDialog(sub.tool, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Caption(), sub.caption);
        for (const int id : sub.calculates)
            EXPECT_EQ(d.Enabled(id), id != sub.locked) << id;
        d.PressEscape();
    });
    RunTool(host, model, budget, [&](ScriptedDialog& d) {
        if (first)
            d.Click(first);
        d.Click(button);
    });
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{budget, sub.tool}));
}

TEST(AntennaTool, TheBudgetsSubToolsNameTheirAntennaAndLockTheBudgetsQuantity)
{
    const struct {
        const char* label;
        int linkButton, pfdButton;
        bool receive;
        SubTool sub;
    } rows[] = {
        {"transmit gain", IDC_LINK_CALC_TX_GAIN, IDC_PFD_CALC_TX_GAIN, false,
         {IDD_TOOL_GAIN, "Calculate Peak Gain (Transmit)", GainButtons, IDC_GAIN_CALC_FREQUENCY}},
        {"receive gain", IDC_LINK_CALC_RX_GAIN, IDC_PFD_CALC_RX_GAIN, true,
         {IDD_TOOL_GAIN, "Calculate Peak Gain (Receive)", GainButtons, IDC_GAIN_CALC_FREQUENCY}},
        {"transmit off-axis", IDC_LINK_CALC_TX_OFFAXIS, IDC_PFD_CALC_TX_OFFAXIS, false,
         {IDD_TOOL_OFFAXIS, "Calculate Offaxis Gain (Transmit)", OffaxisButtons, IDC_OFF_CALC_BEAMWIDTH}},
        {"receive off-axis", IDC_LINK_CALC_RX_OFFAXIS, IDC_PFD_CALC_RX_OFFAXIS, true,
         {IDD_TOOL_OFFAXIS, "Calculate Offaxis Gain (Receive)", OffaxisButtons, IDC_OFF_CALC_BEAMWIDTH}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ExpectSubTool<CKOTLink>(IDD_TOOL_LINK, 0, row.linkButton, row.sub);
        // The PFD tool's receive antenna counts only in the EPFD.
        ExpectSubTool<CKOTPFD>(IDD_TOOL_PFD, row.receive ? IDC_PFD_INCLUDE_RX_GAIN : 0, row.pfdButton, row.sub);
    }
    // The link's path is of no antenna.
    ExpectSubTool<CKOTLink>(IDD_TOOL_LINK, 0, IDC_LINK_CALC_PATH,
                            {IDD_TOOL_PATH, "Calculate Path Loss ", PathButtons, IDC_PATH_CALC_FREQUENCY});
}

} // namespace
