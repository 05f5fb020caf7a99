// The launcher as the engineer meets it: the window that opens when KorTools starts, its tool
// buttons, the About box and the logo.
#include "app/AboutDlg.h"
#include "app/KorToolsApp.h"
#include "app/KorToolsDlg.h"
#include "models/ToolRegistry.h"
#include "platform/Dialog.h"
#include "resources/Images.h"
#include "resources/Resource.h"
#include "resources/Version.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int Launcher = IDD_KORTOOLS_DIALOG;
constexpr int About = IDD_ABOUTBOX;

struct ButtonRow {
    int id;
    const char* text;
    bool available;
    int toolTemplate; // 0 for a tool not in the program yet
};

// In tab order, left column before right, row by row.
const ButtonRow Buttons[] = {
    {IDC_BUTTON_DB, "dB - Abs", true, IDD_TOOL_DB},
    {IDC_BUTTON_GMAX, "GMax", true, IDD_TOOL_GAIN},
    {IDC_BUTTON_FREQ, "Freq - Wave", true, IDD_TOOL_FREQ},
    {IDC_BUTTON_THETA3DB, "Theta 3dB", true, IDD_TOOL_T3DB},
    {IDC_BUTTON_SPREAD, "Spread Loss", true, IDD_TOOL_SPREAD},
    {IDC_BUTTON_GREL, "GRel", true, IDD_TOOL_OFFAXIS},
    {IDC_BUTTON_PATH, "Path Loss", true, IDD_TOOL_PATH},
    {IDC_BUTTON_GTOT, "G/T", true, IDD_TOOL_GTOT},
    {IDC_BUTTON_TEMP, "Noise Temp", true, IDD_TOOL_TEMP},
    {IDC_BUTTON_CN, "C/N", true, IDD_TOOL_LINK},
    {IDC_BUTTON_PERIOD, "Period", true, IDD_TOOL_FOV1},
    {IDC_BUTTON_CNI, "C/(N+I)", true, IDD_TOOL_CTONI},
    {IDC_BUTTON_ANGLES, "Angles", true, IDD_TOOL_FOV2},
    {IDC_BUTTON_PFD, "PFD", true, IDD_TOOL_PFD},
    // The "Link Design:" group under the columns, after them.
    {IDC_BUTTON_ATMOS, "Atmosphere", true, IDD_TOOL_ATMOS},
    {IDC_BUTTON_LOOK, "Look Angles", true, IDD_TOOL_LOOK},
    {IDC_BUTTON_MARGIN, "Margin", true, IDD_TOOL_MARGIN},
};

// Width and height from a PNG's header chunk, which always comes first.
std::pair<int, int> PngSize(std::span<const unsigned char> png)
{
    if (png.size() < 24)
        return {0, 0};
    auto word = [&](std::size_t at) {
        return static_cast<int>(png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]);
    };
    return {word(16), word(20)};
}

TEST(Launcher, ShowsEveryToolReadyWithFocusOnTheFirst)
{
    ScriptedHost host;
    ToolModels models;
    host.OnDialog(Launcher, [&](ScriptedDialog& d) {
        for (const ButtonRow& button : Buttons) {
            SCOPED_TRACE(button.text);
            EXPECT_EQ(d.Text(button.id), button.text);
            EXPECT_EQ(d.Enabled(button.id), button.available);
        }
        EXPECT_EQ(d.Focus(), IDC_BUTTON_DB);
        // Tab walks the buttons in the table's order, the link-design group last.
        for (const ButtonRow& button : Buttons) {
            EXPECT_EQ(d.Focus(), button.id) << button.text;
            d.PressTab();
        }
        d.PressEscape();
    });
    CKorToolsDlg launcher(models);
    EXPECT_EQ(launcher.DoModal(), IDCANCEL);
    EXPECT_EQ(host.DialogsRun(), std::vector<int>{Launcher});
}

TEST(Launcher, EachAvailableButtonOpensItsToolAndDisabledOnesOpenNothing)
{
    ScriptedHost host;
    ToolModels models;
    std::vector<int> expected{Launcher};
    host.OnDialog(Launcher, [&](ScriptedDialog& d) {
        for (const ButtonRow& button : Buttons) {
            d.Click(button.id);
            if (button.available)
                expected.push_back(button.toolTemplate);
        }
        // Every tool has closed again and the launcher is still up.
        EXPECT_FALSE(d.Ended());
        d.CloseBox();
    });
    CKorToolsDlg launcher(models);
    EXPECT_EQ(launcher.DoModal(), IDCANCEL);
    EXPECT_EQ(host.DialogsRun(), expected);
    for (std::size_t run = 1; run < host.DialogsRun().size(); ++run)
        EXPECT_TRUE(host.OwnerWasDisabled(run)) << "run " << run;
}

// Start-up runs the launcher over the process-wide models, and a tool opened a second time
// shows what the first opening left in its model.
TEST(Launcher, StartUpRunsTheDecibelToolOverTheProcessWideModelThatKeepsItsValues)
{
    ScriptedHost host;
    host.OnDialog(Launcher, [&](ScriptedDialog& d) {
        d.Click(IDC_BUTTON_DB);
        d.Click(IDC_BUTTON_DB);
        d.PressEscape();
    });
    host.OnDialog(IDD_TOOL_DB, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "10.0");
        d.TypeInto(IDC_DB_ABSOLUTE, "100");
        d.Click(IDC_DB_TO_DB);
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "20.0");
        d.PressEscape();
    });
    host.OnDialog(IDD_TOOL_DB, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "100.0");
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "20.0");
        d.PressEscape();
    });

    EXPECT_EQ(TheApp().InitInstance(), FALSE);

    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{Launcher, IDD_TOOL_DB, IDD_TOOL_DB}));
    EXPECT_EQ(host.PendingScripts(IDD_TOOL_DB), 0u);
    EXPECT_DOUBLE_EQ(TheToolModels().db.m_absolute, 100.0);
    EXPECT_DOUBLE_EQ(TheToolModels().db.m_db, 20.0);
}

// The window menu ends with a separator and the About item. The window system keeps the low
// four bits of a menu command for itself, so every command from 16 to 31 is that item;
// neighbours on either side are not.
TEST(Launcher, AboutItemOnTheWindowMenuAndF1OpenTheAboutBox)
{
    ScriptedHost host;
    ToolModels models;
    host.OnDialog(Launcher, [&](ScriptedDialog& d) {
        const std::vector<SystemMenuItem>& menu = d.Dialog().SystemMenu();
        ASSERT_EQ(menu.size(), 2u);
        EXPECT_EQ(menu[0].command, 0);
        EXPECT_EQ(menu[0].text, "");
        EXPECT_EQ(menu[1].command, 16);
        EXPECT_EQ(menu[1].text, "&About KorTools...");

        d.Dialog().KeyHelp();
        for (int command = 16; command <= 31; ++command)
            d.Dialog().OnSysCommand(command);
        for (int command : {0, 15, 32, 0x1010, 0xF060})
            d.Dialog().OnSysCommand(command);
        EXPECT_FALSE(d.Ended());
        d.PressEscape();
    });
    CKorToolsDlg launcher(models);
    launcher.DoModal();

    std::vector<int> expected{Launcher};
    expected.insert(expected.end(), 17, About);
    EXPECT_EQ(host.DialogsRun(), expected);
    EXPECT_TRUE(host.OwnerWasDisabled(1));
}

TEST(Launcher, AboutBoxShowsTheProgramVersionAndClosesWithOk)
{
    ScriptedHost host;
    host.OnDialog(About, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Focus(), IDOK);
        d.PressEnter();
    });
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);

    const DialogTemplate* aboutTemplate = FindDialogTemplate(About);
    ASSERT_NE(aboutTemplate, nullptr);
    bool found = false;
    for (const ControlTemplate& control : aboutTemplate->controls)
        found = found || std::string(control.text) == std::string("KorTools Version ") + KorToolsVersion;
    EXPECT_TRUE(found) << "the About box's version line does not match " << KorToolsVersion;
}

TEST(Launcher, LogoIsShownWhenItsImageDecodes)
{
    ScriptedHost host;
    ToolModels models;
    const std::span<const unsigned char> logo = LogoPng();
    host.OnDialog(Launcher, [&](ScriptedDialog& d) {
        EXPECT_TRUE(d.Visible(IDC_LOGO));
        EXPECT_EQ(d.Picture(IDC_LOGO), std::vector<unsigned char>(logo.begin(), logo.end()));
        d.PressEscape();
    });
    CKorToolsDlg launcher(models);
    launcher.DoModal();
}

TEST(Launcher, ArtworkIsCompiledInAtItsDrawnSizes)
{
    EXPECT_EQ(PngSize(LogoPng()), (std::pair{200, 70}));
    const std::vector<std::span<const unsigned char>> icons = IconPngs();
    const int sizes[] = {16, 32, 48, 64, 128, 256};
    ASSERT_EQ(icons.size(), std::size(sizes));
    for (std::size_t i = 0; i < icons.size(); ++i)
        EXPECT_EQ(PngSize(icons[i]), (std::pair{sizes[i], sizes[i]})) << "icon " << i;
    // Windows carry the small ones only.
    const std::vector<std::span<const unsigned char>> windowIcons = WindowIconPngs();
    ASSERT_EQ(windowIcons.size(), 4u);
    for (std::size_t i = 0; i < windowIcons.size(); ++i)
        EXPECT_EQ(windowIcons[i].data(), icons[i].data()) << "icon " << i;
}

// Numbers follow the user's regional settings: an engineer with a German desktop types and
// reads "1,5".
TEST(Launcher, ApplicationObjectPutsNumbersOnTheUsersLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale is not installed";
    std::setlocale(LC_ALL, "C");
    setenv("LC_ALL", "de_DE.UTF-8", 1);

    CKorToolsApp app;
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);

    if (saved)
        setenv("LC_ALL", savedValue.c_str(), 1);
    else
        unsetenv("LC_ALL");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_STREQ(text, "1,5");
}

} // namespace
