// The Atmosphere tool in its window and as the budgets' "Atmospheric Losses..." sub-tool.
#include "dialogs/ToolAtmos.h"
#include "models/KOTAtmos.h"
#include "models/KOTLink.h"
#include "models/KOTPFD.h"
#include "models/ToolRegistry.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Entries go in as each edit is left; a zone fills its rate in; results are shown, never typed.
TEST(ToolAtmos, EntriesZonesAndResults)
{
    ScriptedHost host;
    CKOTAtmos model;
    RunTool(host, model, IDD_TOOL_ATMOS, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_ATMOS_RAIN_ZONE), "K");
        EXPECT_EQ(d.Text(IDC_ATMOS_RAIN_RATE), "42.0");
        d.Choose(IDC_ATMOS_RAIN_ZONE, 14); // P
        EXPECT_EQ(d.Text(IDC_ATMOS_RAIN_RATE), "145.0");
        // A rate of one's own is no zone's.
        d.TypeInto(IDC_ATMOS_RAIN_RATE, "60");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_ATMOS_RAIN_ZONE), "None");
        // A rain height at the station leaves no rain on the path.
        d.TypeInto(IDC_ATMOS_RAIN_HEIGHT, "0");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_ATMOS_RAIN), "0.0");
        for (int result : {IDC_ATMOS_RAIN_SPECIFIC, IDC_ATMOS_TOTAL, IDC_ATMOS_SKY_TEMPERATURE})
            EXPECT_FALSE(d.Enabled(result));
        // Beyond the method's elevations: the ordinary range warning, nothing changed.
        d.TypeInto(IDC_ATMOS_ELEVATION, "4");
        d.PressTab();
        EXPECT_EQ(d.Text(IDC_ATMOS_ELEVATION), "30.0");
        d.PressFunctionKey(2);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(model.m_rainRate, 60.0);
    EXPECT_EQ(model.m_rainZone, 0);
    EXPECT_EQ(model.m_rain, 0.0);
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
    ASSERT_EQ(host.ChartsShown().size(), 1u);
}

// "Atmospheric Losses..." over each budget: the budget's frequency (and the link's receive
// antenna) are shown locked; what the user changes comes back as the other losses, and a
// look that changes nothing gives nothing back.
TEST(ToolAtmos, BudgetsTakeTheTotalAsTheirOtherLosses)
{
    for (const bool link : {true, false}) {
        SCOPED_TRACE(link ? "link" : "pfd");
        for (const bool change : {true, false}) {
            ScriptedHost host;
            CKOTLink linkModel;
            CKOTPFD pfdModel;
            const double before = link ? linkModel.m_otherLosses : pfdModel.m_otherLosses;
            std::string totalShown;
            host.OnDialog(IDD_TOOL_ATMOS, [&](ScriptedDialog& d) {
                EXPECT_FALSE(d.Enabled(IDC_ATMOS_FREQUENCY));
                EXPECT_EQ(d.Enabled(IDC_ATMOS_DIAMETER), !link);
                EXPECT_EQ(d.Text(IDC_ATMOS_DIAMETER), link ? "1.0" : "1.2");
                if (change) {
                    d.TypeInto(IDC_ATMOS_PERCENTAGE, "0.01");
                    d.PressTab();
                }
                totalShown = d.Text(IDC_ATMOS_TOTAL);
                d.Click(IDCANCEL);
            });
            const int budget = link ? IDD_TOOL_LINK : IDD_TOOL_PFD;
            const int lossEdit = link ? IDC_LINK_OTHER_LOSSES : IDC_PFD_OTHER_LOSSES;
            const auto script = [&](ScriptedDialog& d) {
                const std::string shownBefore = d.Text(lossEdit);
                d.PressFunctionKey(3);
                EXPECT_EQ(d.Text(lossEdit), change ? totalShown : shownBefore);
            };
            if (link)
                RunTool(host, linkModel, budget, script);
            else
                RunTool(host, pfdModel, budget, script);
            const CKOTAtmos& kept = link ? linkModel.m_atmosphere : pfdModel.m_atmosphere;
            const double after = link ? linkModel.m_otherLosses : pfdModel.m_otherLosses;
            EXPECT_EQ(kept.m_percentage, change ? 0.01 : 0.1);
            if (!change) {
                EXPECT_EQ(after, before);
            }
            EXPECT_TRUE(host.ErrorsShown().empty());
        }
    }
}

// A budget outside the methods' frequencies is told so and opens nothing.
TEST(ToolAtmos, ABudgetOutsideTheMethodsFrequenciesIsRefused)
{
    ScriptedHost host;
    CKOTLink link;
    link.m_frequency = 80e9;
    RunTool(host, link, IDD_TOOL_LINK, [&](ScriptedDialog& d) { d.PressFunctionKey(3); });
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{IDD_TOOL_LINK, IDD_ERRORMSG}));
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].problem, "Input range error");
}

// The station and its atmosphere are one set across the tool and both budgets; each keeps its
// own frequency and antenna.
TEST(ToolAtmos, TheToolAndTheBudgetsKeepOneAtmosphere)
{
    const auto models = std::make_unique<ToolModels>();
    ScriptedHost host;
    host.OnDialog(IDD_TOOL_ATMOS, [](ScriptedDialog& d) {
        d.TypeInto(IDC_ATMOS_ELEVATION, "20");
        d.PressTab();
        d.Click(IDCANCEL);
    });
    RunTool(host, models->link, IDD_TOOL_LINK, [](ScriptedDialog& d) { d.PressFunctionKey(3); });
    FindTool("link")->afterDialog(*models);
    EXPECT_EQ(models->atmos.m_elevation, 20.0);
    EXPECT_EQ(models->pfd.m_atmosphere.m_elevation, 20.0);
    EXPECT_EQ(models->atmos.m_frequency, 12e9);
    EXPECT_EQ(models->atmos.m_diameter, 0.0012);

    // The C/(N+I) tool's links open the same tool, on the same atmosphere, and share it back.
    host.OnDialog(IDD_TOOL_ATMOS, [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_ATMOS_ELEVATION), "20.0");
        d.TypeInto(IDC_ATMOS_ELEVATION, "25");
        d.PressTab();
        d.Click(IDCANCEL);
    });
    host.OnDialog(IDD_TOOL_LINK, [](ScriptedDialog& d) { d.PressFunctionKey(3); });
    host.OnDialog(IDD_TOOL_CTONI, [](ScriptedDialog& d) { d.Click(IDC_CNI_CALC_WANTED); });
    const RegisteredTool& cni = *FindTool("cni");
    cni.runDialog(*models);
    cni.afterDialog(*models);
    EXPECT_EQ(host.PendingScripts(IDD_TOOL_ATMOS), 0u);
    EXPECT_EQ(models->atmos.m_elevation, 25.0);
    EXPECT_EQ(models->link.m_atmosphere.m_elevation, 25.0);
}

} // namespace
