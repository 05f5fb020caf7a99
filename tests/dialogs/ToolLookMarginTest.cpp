// The Look Angles and Link Margin tools in their windows, as the budgets' sub-tools, and in step
// with the Atmosphere tool.
#include "models/KOTLink.h"
#include "models/KOTLook.h"
#include "models/KOTMargin.h"
#include "models/KOTPFD.h"
#include "models/ToolRegistry.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A satellite below the horizon is an answer: the elevation goes negative and the window says so.
TEST(ToolLook, BelowTheHorizonIsSaidInWords)
{
    ScriptedHost host;
    CKOTLook model;
    RunTool(host, model, IDD_TOOL_LOOK, [&](ScriptedDialog& d) {
        EXPECT_FALSE(d.Visible(IDC_LOOK_BELOW_HORIZON));
        d.TypeInto(IDC_LOOK_SATELLITE, "-120");
        d.PressTab();
        EXPECT_TRUE(d.Visible(IDC_LOOK_BELOW_HORIZON));
        EXPECT_EQ(d.Text(IDC_LOOK_ELEVATION).front(), '-');
        EXPECT_FALSE(d.Enabled(IDC_LOOK_RANGE));
        d.Click(IDCANCEL);
    });
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(model.m_visible, 0);
}

// "Look Angles..." over each budget: a changed station or satellite above the horizon gives the
// budget its slant range as the path length; one below the horizon, or no change, gives nothing.
TEST(ToolLook, BudgetsTakeTheSlantRangeAsTheirPathLength)
{
    const struct {
        const char* satellite; // typed, or null for a look that changes nothing
        bool taken;
    } rows[] = {{"10", true}, {"-120", false}, {nullptr, false}};
    for (const bool link : {true, false}) {
        for (const auto& row : rows) {
            SCOPED_TRACE(std::string(link ? "link " : "pfd ") + (row.satellite ? row.satellite : "unchanged"));
            ScriptedHost host;
            CKOTLink linkModel;
            CKOTPFD pfdModel;
            const double before = link ? linkModel.m_pathLength : pfdModel.m_pathLength;
            double range = 0.0;
            host.OnDialog(IDD_TOOL_LOOK, [&](ScriptedDialog& d) {
                if (row.satellite) {
                    d.TypeInto(IDC_LOOK_SATELLITE, row.satellite);
                    d.PressTab();
                }
                d.Click(IDCANCEL);
            });
            const auto script = [&](ScriptedDialog& d) { d.PressFunctionKey(4); };
            if (link)
                RunTool(host, linkModel, IDD_TOOL_LINK, script);
            else
                RunTool(host, pfdModel, IDD_TOOL_PFD, script);
            const CKOTLook& look = link ? linkModel.m_look : pfdModel.m_look;
            range = look.m_range;
            const double after = link ? linkModel.m_pathLength : pfdModel.m_pathLength;
            EXPECT_EQ(after, row.taken ? range : before);
            if (row.taken) {
                // The path step ran: the loss follows the new length.
                if (link) {
                    EXPECT_NE(linkModel.m_pathLoss, CKOTLink().m_pathLoss);
                }
                EXPECT_EQ((link ? linkModel.m_atmosphere : pfdModel.m_atmosphere).m_elevation, look.m_elevation);
            }
        }
    }
}

// "Link Margin..." opens over the link's C/N and bandwidth, shown locked, and gives nothing back.
TEST(ToolMargin, OverTheLinkItsCnAndBandwidthAreTheLinks)
{
    ScriptedHost host;
    CKOTLink link;
    link.m_bandwidth = 36e6;
    host.OnDialog(IDD_TOOL_MARGIN, [&](ScriptedDialog& d) {
        EXPECT_FALSE(d.Enabled(IDC_MARGIN_CN));
        EXPECT_FALSE(d.Enabled(IDC_MARGIN_BANDWIDTH));
        EXPECT_EQ(d.Text(IDC_MARGIN_BANDWIDTH), "36.0");
        d.Choose(IDC_MARGIN_MODCOD, 0);
        d.PressFunctionKey(2);
        d.Click(IDCANCEL);
    });
    const double cn = link.m_cn;
    RunTool(host, link, IDD_TOOL_LINK, [](ScriptedDialog& d) { d.PressFunctionKey(5); });
    EXPECT_EQ(link.m_cn, cn);
    EXPECT_EQ(link.m_margin.m_modcod, 0);
    EXPECT_EQ(link.m_margin.m_carrierToNoise, CKOTMargin().m_carrierToNoise) << "the link's C/N was kept as the tool's own";
    ASSERT_EQ(host.ChartsShown().size(), 1u);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// The Atmosphere tool takes the station from a look-angle tool closed with a change, and only
// then; an elevation below the methods' 5 degrees is not taken.
TEST(ToolLook, TheAtmosphereTakesTheStationFromAChangedLook)
{
    const struct {
        const char* latitude;
        double atmosElevation; // after; 30 is the Atmosphere tool's own
    } rows[] = {{nullptr, 30.0}, {"40", -1.0}, {"85", 30.0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.latitude ? row.latitude : "unchanged");
        const auto models = std::make_unique<ToolModels>();
        ScriptedHost host;
        host.OnDialog(IDD_TOOL_LOOK, [&](ScriptedDialog& d) {
            if (row.latitude) {
                d.TypeInto(IDC_LOOK_LATITUDE, row.latitude);
                d.PressTab();
            }
            d.Click(IDCANCEL);
        });
        const RegisteredTool& look = *FindTool("look");
        look.runDialog(*models);
        look.afterDialog(*models);
        const double expected = row.atmosElevation < 0 ? models->look.m_elevation : row.atmosElevation;
        EXPECT_EQ(models->atmos.m_elevation, expected);
        EXPECT_EQ(models->link.m_atmosphere.m_elevation, expected);
        EXPECT_EQ(models->atmos.m_latitude, row.latitude ? models->look.m_latitude : 45.0);
    }
}

} // namespace
