#include "dialogs/ToolCtoNI.h"
#include "models/KOTCtoNI.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ToolCtoNI, OpensOnTheRatiosWithInterferenceHeld)
{
    ScriptedHost host;
    CKOTCtoNI model;
    RunTool(host, model, IDD_TOOL_CTONI, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_CNI_CN), "10.0");
        EXPECT_EQ(d.Text(IDC_CNI_IN), "0.0");
        EXPECT_EQ(d.Text(IDC_CNI_CI), "10.0");
        EXPECT_EQ(d.Text(IDC_CNI_CNI), "6.9897");
        EXPECT_FALSE(d.Checked(IDC_CNI_FIX_CN));
        EXPECT_TRUE(d.Checked(IDC_CNI_FIX_IN));
        EXPECT_EQ(d.Focus(), IDC_CNI_CN);
        // The Fixed pair is one stop, entered at its checked button, as every radio group.
        std::set<int> reached;
        for (int i = 0; i < 9; ++i) {
            d.PressTab();
            reached.insert(d.Focus());
        }
        EXPECT_EQ(reached, (std::set<int>{IDC_CNI_CN, IDC_CNI_IN, IDC_CNI_CI, IDC_CNI_CNI, IDC_CNI_CALC_WANTED,
                                          IDC_CNI_CALC_INTERFERING, IDOK, IDC_CNI_FIX_IN}));
        // Close is the OK button of this tool.
        d.PressEnter();
        EXPECT_EQ(d.Result(), IDOK);
    });
}

TEST(ToolCtoNI, WithCnHeldAnEnteredCniIsMetByTheInterference)
{
    const struct {
        const char* typed;
        const char* in;
        const char* ci;
        const char* cni;
    } rows[] = {
        {"7", "-0.0206", "10.0206", "7.0"},
        // At C/N: no interference at all.
        {"10", "-3000.0", "3010.0", "10.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ScriptedHost host;
        CKOTCtoNI model;
        RunTool(host, model, IDD_TOOL_CTONI, [&](ScriptedDialog& d) {
            d.Click(IDC_CNI_FIX_CN);
            EXPECT_TRUE(d.Checked(IDC_CNI_FIX_CN));
            EXPECT_FALSE(d.Checked(IDC_CNI_FIX_IN));
            d.TypeInto(IDC_CNI_CNI, row.typed);
            d.PressTab();
            EXPECT_EQ(d.Text(IDC_CNI_CN), "10.0");
            EXPECT_EQ(d.Text(IDC_CNI_IN), row.in);
            EXPECT_EQ(d.Text(IDC_CNI_CI), row.ci);
            EXPECT_EQ(d.Text(IDC_CNI_CNI), row.cni);
        });
        EXPECT_EQ(model.m_fixedVar, CKOTCtoNI::FixedCn);
    }
}

TEST(ToolCtoNI, ChoosingTheHeldRatioAloneChangesNothing)
{
    ScriptedHost host;
    CKOTCtoNI model;
    const std::vector<double> before = {model.m_cn, model.m_in, model.m_ci, model.m_cni};
    RunTool(host, model, IDD_TOOL_CTONI, [&](ScriptedDialog& d) {
        d.Click(IDC_CNI_FIX_CN);
        d.Click(IDC_CNI_FIX_IN);
        d.Click(IDC_CNI_FIX_CN);
        EXPECT_EQ(d.Text(IDC_CNI_CNI), "6.9897");
    });
    EXPECT_EQ((std::vector<double>{model.m_cn, model.m_in, model.m_ci, model.m_cni}), before);
    EXPECT_EQ(model.m_fixedVar, CKOTCtoNI::FixedCn);
}

// Each button opens the link tool on its own link, labelled for its signal and showing the
// tool's ratio; what the user changes there comes back as the four ratios.
TEST(ToolCtoNI, EachCalculateOpensTheLinkOfItsSignal)
{
    const struct {
        const char* label;
        int button;
        const char* signal;
        const char* ratio;
        const char* shown;
    } rows[] = {
        {"wanted", IDC_CNI_CALC_WANTED, "Receive Power C: ", "C/N:", "10.0"},
        {"interfering", IDC_CNI_CALC_INTERFERING, "Interfering signal I:", "I/N:", "0.0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        CKOTCtoNI model;
        host.OnDialog(IDD_TOOL_LINK, [&](ScriptedDialog& d) {
            EXPECT_EQ(d.Text(IDC_LINK_SIGNAL_LABEL), row.signal);
            EXPECT_EQ(d.Text(IDC_LINK_RATIO_LABEL), row.ratio);
            EXPECT_EQ(d.Text(IDC_LINK_CN), row.shown);
            // 6 dB less power on this link.
            d.TypeInto(IDC_LINK_OTHER_LOSSES, "8");
            d.PressTab();
        });
        RunTool(host, model, IDD_TOOL_CTONI, [&](ScriptedDialog& d) {
            d.Click(row.button);
            EXPECT_EQ(host.DialogsRun(), (std::vector<int>{IDD_TOOL_CTONI, IDD_TOOL_LINK}));
            EXPECT_TRUE(host.OwnerWasDisabled(1));
            const bool wanted = row.button == IDC_CNI_CALC_WANTED;
            EXPECT_EQ(d.Text(IDC_CNI_CN), wanted ? "4.0" : "10.0");
            EXPECT_EQ(d.Text(IDC_CNI_IN), wanted ? "0.0" : "-6.0");
            EXPECT_EQ(d.Text(IDC_CNI_CI), wanted ? "4.0" : "16.0");
        });
    }
}

// A refused entry leaves every ratio as it was, to the last bit, and its edit shows the kept
// value again; deriving the ratios anew from C/N held would move I/N off 0 by a rounding.
TEST(ToolCtoNI, ARefusedEntryChangesNoRatio)
{
    const struct {
        bool cnHeld;
        int edit;
        const char* typed;
        const char* explanation;
    } rows[] = {
        {true, IDC_CNI_CNI, "12", "Variable 'C/(N+I)' has been set to 12.0 dB which is above the limit of 10.0 dB"},
        {true, IDC_CNI_CNI, "-3001", "Variable 'C/(N+I)' has been set to -3001.0 dB which is below the limit of -2990.0 dB"},
        {true, IDC_CNI_CI, "3001", "Variable 'C/I' has been set to 3001.0 dB which is above the limit of 3000.0 dB"},
        {false, IDC_CNI_CI, "3001", "Variable 'C/I' has been set to 3001.0 dB which is above the limit of 3000.0 dB"},
        {false, IDC_CNI_CN, "-3001", "Variable 'C/N' has been set to -3001.0 dB which is below the limit of -3000.0 dB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.explanation);
        ScriptedHost host;
        CKOTCtoNI model;
        const std::vector<double> before = {model.m_cn, model.m_in, model.m_ci, model.m_cni};
        RunTool(host, model, IDD_TOOL_CTONI, [&](ScriptedDialog& d) {
            d.Click(row.cnHeld ? IDC_CNI_FIX_CN : IDC_CNI_FIX_IN);
            d.TypeInto(row.edit, row.typed);
            d.PressTab();
            EXPECT_EQ(d.Text(IDC_CNI_CN), "10.0");
            EXPECT_EQ(d.Text(IDC_CNI_IN), "0.0");
            EXPECT_EQ(d.Text(IDC_CNI_CI), "10.0");
            EXPECT_EQ(d.Text(IDC_CNI_CNI), "6.9897");
        });
        EXPECT_EQ((std::vector<double>{model.m_cn, model.m_in, model.m_ci, model.m_cni}), before);
        ASSERT_EQ(host.ErrorsShown().size(), 1u);
        EXPECT_EQ(host.ErrorsShown()[0].explanation, row.explanation);
    }
}

} // namespace
