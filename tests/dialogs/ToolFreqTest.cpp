#include "dialogs/ToolFreq.h"
#include "framework/Units.h"
#include "models/KOTFreq.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr int FrequencyRadios[] = {IDC_FREQ_GHZ, IDC_FREQ_MHZ, IDC_FREQ_KHZ, IDC_FREQ_HZ};
constexpr int WavelengthRadios[] = {IDC_FREQ_KM, IDC_FREQ_M, IDC_FREQ_CM, IDC_FREQ_MM};

// Exactly one button of the group is checked, and it is `checked`; all of them can be used.
void ExpectGroup(const ScriptedDialog& d, const int (&group)[4], int checked)
{
    for (int id : group) {
        SCOPED_TRACE(id);
        EXPECT_EQ(d.Checked(id), id == checked);
        EXPECT_TRUE(d.Enabled(id));
    }
}

TEST(ToolFreq, OpensInGigahertzAndMetres)
{
    ScriptedHost host;
    CKOTFreq model;
    RunTool(host, model, IDD_TOOL_FREQ, [&](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "10.0");
        EXPECT_EQ(d.Text(IDC_FREQ_WAVELENGTH), "0.03");
        // The figure the edit rounds away, where the pointer rests on it.
        EXPECT_EQ(d.ToolTip(IDC_FREQ_WAVELENGTH), "0.02998 m");
        EXPECT_EQ(d.ToolTip(IDC_FREQ_FREQUENCY), "10 GHz");
        EXPECT_TRUE(d.Enabled(IDC_FREQ_FREQUENCY));
        EXPECT_TRUE(d.Enabled(IDC_FREQ_WAVELENGTH));
        ExpectGroup(d, FrequencyRadios, IDC_FREQ_GHZ);
        ExpectGroup(d, WavelengthRadios, IDC_FREQ_M);
    });
}

TEST(ToolFreq, AUnitButtonChangesOnlyHowTheQuantityIsShown)
{
    ScriptedHost host;
    CKOTFreq model;
    const double wavelength = model.m_wavelength;
    RunTool(host, model, IDD_TOOL_FREQ, [&](ScriptedDialog& d) {
        d.Click(IDC_FREQ_MM);
        EXPECT_EQ(d.Text(IDC_FREQ_WAVELENGTH), "29.98");
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "10.0");
        ExpectGroup(d, WavelengthRadios, IDC_FREQ_MM);
        ExpectGroup(d, FrequencyRadios, IDC_FREQ_GHZ);
    });
    EXPECT_DOUBLE_EQ(model.m_frequency, 1e10);
    EXPECT_DOUBLE_EQ(model.m_wavelength, wavelength);
    EXPECT_EQ(model.m_wavelengthDisplay, UnitMm);
}

TEST(ToolFreq, TypingAFrequencyThenChoosingMegahertzAppliesNothing)
{
    ScriptedHost host;
    CKOTFreq model;
    RunTool(host, model, IDD_TOOL_FREQ, [&](ScriptedDialog& d) {
        d.TypeInto(IDC_FREQ_FREQUENCY, "1");
        d.Click(IDC_FREQ_MHZ);
        // The model's own 10 GHz, now in MHz, replaces what was typed.
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "10000.0");
        EXPECT_EQ(d.Text(IDC_FREQ_WAVELENGTH), "0.03");
        ExpectGroup(d, FrequencyRadios, IDC_FREQ_MHZ);
    });
    EXPECT_DOUBLE_EQ(model.m_frequency, 1e10);
    EXPECT_EQ(model.m_frequencyDisplay, UnitMHz);
    EXPECT_TRUE(host.ErrorsShown().empty());
}

TEST(ToolFreq, EntriesAreReadInTheUnitShown)
{
    ScriptedHost host;
    CKOTFreq model;
    RunTool(host, model, IDD_TOOL_FREQ, [&](ScriptedDialog& d) {
        d.Click(IDC_FREQ_MHZ);
        d.TypeInto(IDC_FREQ_FREQUENCY, "1");
        d.Click(IDC_FREQ_TO_WAVELENGTH);
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "1.0");
        EXPECT_EQ(d.Text(IDC_FREQ_WAVELENGTH), "299.8");

        // The frequency typed here must not be taken by the other arrow.
        d.TypeInto(IDC_FREQ_FREQUENCY, "5");
        d.Click(IDC_FREQ_CM);
        d.TypeInto(IDC_FREQ_WAVELENGTH, "3");
        d.Click(IDC_FREQ_TO_FREQUENCY);
        EXPECT_EQ(d.Text(IDC_FREQ_FREQUENCY), "9993.3333");
        EXPECT_EQ(d.Text(IDC_FREQ_WAVELENGTH), "3.0");

        // The tooltip has the digits the edit rounds away: typed, they give the very frequency
        // the tool holds.
        const std::string tip = d.ToolTip(IDC_FREQ_FREQUENCY);
        ASSERT_GT(tip.size(), 16u);
        EXPECT_EQ(tip.substr(0, 12), "9993.3333333");
        EXPECT_EQ(tip.substr(tip.size() - 4), " MHz");
        const double typed = std::strtod(tip.c_str(), nullptr);
        EXPECT_EQ(ConvertUnit(typed, UnitMHz, model.GetVarUnit(CKOTFreq::VarFrequency)), model.m_frequency);
    });
    EXPECT_NEAR(model.m_frequency, 9.99333e9, 1e4);
    EXPECT_DOUBLE_EQ(model.m_wavelength, 3e-5);
}

} // namespace
