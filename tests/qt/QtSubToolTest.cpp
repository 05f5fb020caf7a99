// A tool opened over a link budget's antenna, on screen: its window title names the antenna, and
// the Calculate of the link's own quantity is disabled with its edit.
#include "tests/qt/QtTestSupport.h"

#include "models/KOTLink.h"
#include "resources/Resource.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace {

TEST(QtSubTool, TheGainToolOverTheReceiveAntennaSaysSoInItsTitle)
{
    CKOTLink link;
    RunScriptedBy(IDD_TOOL_LINK, [&] { return link.RunDialog(); }, [&](QtDialogWindow& budget) {
        int shown = 0;
        RunScriptedBy(
            IDD_TOOL_GAIN,
            [&] {
                Click(budget.Control(IDC_LINK_CALC_RX_GAIN));
                return 0;
            },
            [&](QtDialogWindow& gain) {
                ++shown;
                EXPECT_EQ(gain.Frame()->windowTitle(), QStringLiteral("Calculate Peak Gain (Receive)"));
                EXPECT_FALSE(gain.Control(IDC_GAIN_FREQUENCY)->isEnabled());
                EXPECT_FALSE(gain.Control(IDC_GAIN_CALC_FREQUENCY)->isEnabled());
                EXPECT_TRUE(gain.Control(IDC_GAIN_CALC_GAIN)->isEnabled());
                PressKey(Qt::Key_Escape);
            });
        EXPECT_EQ(shown, 1);
        EXPECT_EQ(budget.Frame()->windowTitle(), QStringLiteral("Link Budget"));
        PressKey(Qt::Key_Escape);
    });
}

} // namespace
