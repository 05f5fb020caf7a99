// The launcher keeps every tool's values from one run to the next: it loads them when it is
// created, before the antenna tools are coupled, and saves them when it is destroyed, saying so
// when it could not. Each test runs in a temporary directory of its own (PrivateTempDir.cpp).
#include "app/KorToolsDlg.h"
#include "framework/ErrorSink.h"
#include "models/AntennaCoupling.h"
#include "models/KOTAtmos.h"
#include "models/ToolRegistry.h"
#include "platform/SessionEnding.h"
#include "resources/Resource.h"
#include "resources/Strings.h"
#include "state/StateFile.h"
#include "state/ToolState.h"
#include "tests/models/ModelChecks.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes StateFileBytes()
{
    const std::optional<std::string> path = GetStateFilePath();
    if (!path)
        return {};
    std::FILE* file = std::fopen(path->c_str(), "rb");
    if (!file)
        return {};
    Bytes bytes;
    for (int c; (c = std::fgetc(file)) != EOF;)
        bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
}

// One run of the program: the launcher over new models, with whatever the script does in it.
void RunLauncher(ScriptedHost& host, ToolModels& models, DialogScript script)
{
    host.OnDialog(IDD_KORTOOLS_DIALOG, std::move(script));
    CKorToolsDlg launcher(models);
    launcher.DoModal();
}

TEST(LauncherState, WhatOneRunLeavesInTheToolsTheNextRunShows)
{
    {
        ScriptedHost host;
        ToolModels models;
        host.OnDialog(IDD_TOOL_DB, [](ScriptedDialog& d) {
            d.TypeInto(IDC_DB_ABSOLUTE, "100");
            d.Click(IDC_DB_TO_DB);
            d.PressEscape();
        });
        host.OnDialog(IDD_TOOL_LINK, [](ScriptedDialog& d) {
            d.TypeInto(IDC_LINK_CN, "20");
            d.PressTab();
            EXPECT_EQ(d.Text(IDC_LINK_TX_POWER), "2.3947");
            d.PressEscape();
        });
        RunLauncher(host, models, [](ScriptedDialog& d) {
            d.Click(IDC_BUTTON_DB);
            d.Click(IDC_BUTTON_CN);
            d.PressEscape();
        });
    }
    const Bytes kept = StateFileBytes();
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(StateFileSize));
    EXPECT_EQ(kept[0], 1);
    EXPECT_EQ(kept[1], 0);

    ScriptedHost host;
    ToolModels models;
    host.OnDialog(IDD_TOOL_DB, [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_DB_ABSOLUTE), "100.0");
        EXPECT_EQ(d.Text(IDC_DB_DECIBELS), "20.0");
        d.PressEscape();
    });
    host.OnDialog(IDD_TOOL_LINK, [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_LINK_TX_POWER), "2.3947");
        EXPECT_EQ(d.Text(IDC_LINK_EIRP), "42.8357");
        EXPECT_EQ(d.Text(IDC_LINK_CN), "20.0");
        d.PressEscape();
    });
    RunLauncher(host, models, [](ScriptedDialog& d) {
        d.Click(IDC_BUTTON_DB);
        d.Click(IDC_BUTTON_CN);
        d.PressEscape();
    });
}

// The file is read before the launcher initialises, so the antenna tools start in step with
// the gain tool's saved dish, not with the one it is constructed with.
TEST(LauncherState, TheAntennaToolsStartInStepWithTheSavedDish)
{
    ToolModels saved;
    saved.gain.m_dishSize = 0.0035;
    saved.gain.m_efficiency = 0.6;
    saved.gain.m_peakGain = 51.25;
    ASSERT_TRUE(SaveStateFile([&](std::FILE* file) { WriteToolStates(file, saved); }));

    ScriptedHost host;
    ToolModels models;
    RunLauncher(host, models, [&](ScriptedDialog& d) {
        EXPECT_EQ(models.gain.m_dishSize, 0.0035);
        EXPECT_EQ(models.t3db.m_peakGain, 51.25);
        EXPECT_EQ(models.t3db.m_efficiency, 0.6);
        EXPECT_EQ(models.gtot.m_peakGain, 51.25);
        EXPECT_EQ(models.off.m_peakGain, 51.25);
        EXPECT_EQ(models.off.m_beamwidth, models.t3db.m_beamwidth);
        d.PressEscape();
    });
}

// A file this program cannot read changes nothing, and the launcher's closing replaces it with
// one it can.
TEST(LauncherState, AFileOfAnotherVersionIsReplacedWhenTheLauncherCloses)
{
    ASSERT_TRUE(SaveStateFile([](std::FILE* file) {
        const unsigned char version2[] = {0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x59, 0x40};
        std::fwrite(version2, 1, sizeof version2, file);
    }));
    ScriptedHost host;
    ToolModels models;
    RunLauncher(host, models, [&](ScriptedDialog& d) {
        EXPECT_EQ(models.db.m_absolute, 10.0);
        d.CloseBox();
    });
    const Bytes kept = StateFileBytes();
    ASSERT_EQ(kept.size(), static_cast<std::size_t>(StateFileSize));
    EXPECT_EQ(kept[0], 1);
    EXPECT_EQ(kept[1], 0);
}

// A save that fails always says so on standard error; the error dialog comes only when the user
// closed the launcher, as at the end of a session nobody is left to close it.
TEST(LauncherState, AFailedSaveIsReportedAndShownOnlyWhenTheUserClosed)
{
    const std::string blocked = std::string(std::getenv("TMPDIR")) + "/blocked";
    std::ofstream(blocked) << "a file where the state home should be";
    ::setenv("XDG_STATE_HOME", (blocked + "/state").c_str(), 1);
    const std::string explanation =
        "The tools' values could not be kept for the next run: " + blocked + "/state: Not a directory";
    const struct {
        const char* label;
        bool sessionEnding;
        void (ScriptedDialog::*close)();
    } closings[] = {
        {"Escape", false, &ScriptedDialog::PressEscape},
        {"close box", false, &ScriptedDialog::CloseBox},
        {"end of the session", true, &ScriptedDialog::CloseBox},
    };
    for (const auto& row : closings) {
        SCOPED_TRACE(row.label);
        ScriptedHost host;
        ToolModels models;
        testing::internal::CaptureStderr();
        RunLauncher(host, models, [&](ScriptedDialog& d) {
            SetSessionEnding(row.sessionEnding);
            (d.*row.close)();
        });
        SetSessionEnding(false);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "kortools: " + explanation + "\n");
        if (row.sessionEnding) {
            EXPECT_TRUE(host.ErrorsShown().empty());
            continue;
        }
        ASSERT_EQ(host.ErrorsShown().size(), 1u);
        EXPECT_EQ(host.ErrorsShown()[0].problem, "Values not kept");
        EXPECT_EQ(host.ErrorsShown()[0].explanation, explanation);
        EXPECT_EQ(host.ErrorsShown()[0].suggestion, ResourceString(IDS_STATE_SUGGESTION));
    }
}

TEST(LauncherState, ASaveThatSucceedsSaysNothing)
{
    ScriptedHost host;
    ToolModels models;
    testing::internal::CaptureStderr();
    RunLauncher(host, models, [](ScriptedDialog& d) { d.PressEscape(); });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(host.ErrorsShown().empty());
    EXPECT_EQ(StateFileBytes().size(), static_cast<std::size_t>(StateFileSize));
    EXPECT_TRUE(std::filesystem::is_regular_file(GetStateFilePath(StateFile::Json).value_or("")));
}

// The Atmosphere tool keeps its values in kortools.json, and the next run starts from them.
TEST(LauncherState, TheAtmosphereToolsValuesReachTheNextRun)
{
    for (const bool reopened : {false, true}) {
        ScriptedHost host;
        ToolModels models;
        RunLauncher(host, models, [&](ScriptedDialog& d) {
            ErrorSink refused;
            if (!reopened) {
                EXPECT_TRUE(models.atmos.SetRealVar(CKOTAtmos::VarElevation, 21.75, refused));
                EXPECT_TRUE(models.atmos.SetIntVar(CKOTAtmos::VarRainZone, 4, refused));
            } else {
                EXPECT_EQ(models.atmos.m_elevation, 21.75);
                EXPECT_EQ(models.atmos.m_rainZone, 4);
            }
            d.PressEscape();
        });
    }
}

// When kortools.json alone cannot be saved, the report names it; kortools.dat is saved.
TEST(LauncherState, AFailedSaveOfTheJsonFileAloneIsReportedByItsPath)
{
    const std::string json = GetStateFilePath(StateFile::Json).value_or("");
    ASSERT_TRUE(std::filesystem::create_directories(json));
    const std::string explanation =
        "The tools' values could not be kept for the next run: " + json + ": it is not a regular file";
    ScriptedHost host;
    ToolModels models;
    testing::internal::CaptureStderr();
    RunLauncher(host, models, [](ScriptedDialog& d) { d.CloseBox(); });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "kortools: " + explanation + "\n");
    ASSERT_EQ(host.ErrorsShown().size(), 1u);
    EXPECT_EQ(host.ErrorsShown()[0].explanation, explanation);
    EXPECT_EQ(StateFileBytes().size(), static_cast<std::size_t>(StateFileSize));
}

} // namespace
