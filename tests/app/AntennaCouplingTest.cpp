// The four antenna tools kept in step: at start-up, and after each of their dialogs closes.
// Each case starts the four models from values that differ from one another, so that a step
// taken out of order, or an argument read at the wrong moment, shows in the result.
#include "app/KorToolsDlg.h"
#include "formulas/Antenna.h"
#include "formulas/Noise.h"
#include "models/AntennaCoupling.h"
#include "models/ToolRegistry.h"
#include "resources/Resource.h"
#include "tests/app/PrivateTempDir.h"
#include "tests/dialogs/ToolDialogRun.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Four models that disagree about the antenna: each tool left with an antenna of its own.
struct Disagreeing : ToolModels {
    Disagreeing()
    {
        gain.m_dishSize = 0.0024;
        gain.m_efficiency = 0.62;
        gain.m_frequency = 14e9;
        gain.m_peakGain = PeakGain(gain.m_dishSize, gain.m_frequency, gain.m_efficiency);
        t3db.m_efficiency = 0.55;
        t3db.m_peakGain = 41.0;
        t3db.m_beamwidth = 1.5 * Degree;
        off.m_peakGain = 33.0;
        off.m_beamwidth = 2.5 * Degree;
        off.m_offAxisAngle = 1.0 * Degree;
        off.m_pattern = PatternLog29;
        gtot.m_peakGain = 38.0;
        gtot.m_temperature = 150.0;
    }
};

TEST(AntennaCoupling, StartUpTakesEveryToolFromTheGainToolsDish)
{
    ToolModels models;
    CoupleAtStartUp(models);
    // The printed values of a new program with no saved state.
    ExpectPrinted(models.gtot.m_peakGain, 46.46157, 7);
    ExpectPrinted(models.gtot.m_gtot, 21.69036, 7);
    ExpectPrinted(models.t3db.m_peakGain, 46.46157, 7);
    EXPECT_EQ(models.t3db.m_efficiency, 0.7);
    ExpectPrinted(models.t3db.m_beamwidth / Degree, 0.874417, 6);
    EXPECT_EQ(models.off.m_beamwidth, models.t3db.m_beamwidth);
    EXPECT_EQ(models.off.m_peakGain, models.gain.m_peakGain);
    // The gain tool itself is only read.
    EXPECT_EQ(RealValues(models.gain), RealValues(ToolModels().gain));
}

TEST(AntennaCoupling, AfterThePeakGainToolTheOthersFollowItsDish)
{
    Disagreeing models;
    const double gain = models.gain.m_peakGain;
    CoupleAfterPeakGain(models);
    EXPECT_EQ(models.gtot.m_peakGain, gain);
    EXPECT_EQ(models.gtot.m_gtot, GtoTFromGain(gain, 150.0));
    EXPECT_EQ(models.t3db.m_peakGain, gain);
    EXPECT_EQ(models.t3db.m_efficiency, 0.62);
    EXPECT_EQ(models.t3db.m_beamwidth, BeamwidthFromGain(gain, 0.62));
    // The off-axis tool takes the beamwidth the beamwidth tool has just derived.
    EXPECT_EQ(models.off.m_beamwidth, BeamwidthFromGain(gain, 0.62));
    EXPECT_EQ(models.off.m_peakGain, gain);
    EXPECT_EQ(models.off.m_relativeGain,
              RelativeGain(gain, models.off.m_beamwidth, 1.0 * Degree, PatternLog29));
}

// The beamwidth tool's new peak gain reaches the gain tool last, so the G/T and off-axis tools
// still receive the gain tool's peak gain from before: the order is part of the design.
TEST(AntennaCoupling, AfterTheBeamwidthToolGtoTAndOffAxisGetTheGainToolsOldPeakGain)
{
    Disagreeing models;
    const double oldGain = models.gain.m_peakGain;
    CoupleAfterBeamwidth(models);
    EXPECT_EQ(models.gtot.m_peakGain, oldGain);
    EXPECT_EQ(models.off.m_peakGain, oldGain);
    EXPECT_EQ(models.off.m_beamwidth, 1.5 * Degree);
    EXPECT_EQ(models.off.m_relativeGain, RelativeGain(oldGain, 1.5 * Degree, 1.0 * Degree, PatternLog29));
    EXPECT_EQ(models.gain.m_peakGain, 41.0);
    EXPECT_EQ(models.gain.m_efficiency, 0.55);
    EXPECT_EQ(models.gain.m_dishSize, DiameterFromGain(41.0, 14e9, 0.55));
    // The beamwidth tool keeps what the user left in it.
    EXPECT_EQ(models.t3db.m_peakGain, 41.0);
    EXPECT_EQ(models.t3db.m_beamwidth, 1.5 * Degree);
}

TEST(AntennaCoupling, AfterTheOffAxisToolItsBeamwidthSetsTheDishAndGtoTKeepsTheOldGain)
{
    Disagreeing models;
    const double oldGain = models.gain.m_peakGain;
    const double derivedGain = GainFromBeamwidth(2.5 * Degree, 0.55);
    CoupleAfterOffAxis(models);
    EXPECT_EQ(models.t3db.m_beamwidth, 2.5 * Degree);
    EXPECT_EQ(models.t3db.m_peakGain, derivedGain);
    EXPECT_EQ(models.gtot.m_peakGain, oldGain);
    EXPECT_EQ(models.gain.m_peakGain, derivedGain);
    EXPECT_EQ(models.gain.m_efficiency, 0.55);
    EXPECT_EQ(models.gain.m_dishSize, DiameterFromGain(derivedGain, 14e9, 0.55));
    // The off-axis tool's own peak gain is left as the user had it until the next sequence
    // that ends by setting it.
    EXPECT_EQ(models.off.m_peakGain, 33.0);
}

// An off-axis beamwidth of 0 (derived from a relative gain of 0 dB at angle 0) would otherwise
// reach the beamwidth tool and wipe the peak gain of three tools.
TEST(AntennaCoupling, AnOffAxisBeamwidthThatIsNotAboveZeroIsNotCarriedOver)
{
    for (const double beamwidth : {0.0, -1.0}) {
        SCOPED_TRACE(beamwidth);
        Disagreeing models;
        models.off.m_beamwidth = beamwidth;
        const Disagreeing before;
        CoupleAfterOffAxis(models);
        EXPECT_EQ(RealValues(models.t3db), RealValues(before.t3db));
        EXPECT_EQ(RealValues(models.gain), RealValues(before.gain));
        EXPECT_EQ(RealValues(models.gtot), RealValues(before.gtot));
    }
}

TEST(AntennaCoupling, AfterTheGtoToolItsPeakGainReachesEveryTool)
{
    Disagreeing models;
    CoupleAfterGtoT(models);
    // The beamwidth tool takes the G/T tool's peak gain with the gain tool's efficiency.
    EXPECT_EQ(models.t3db.m_peakGain, 38.0);
    EXPECT_EQ(models.t3db.m_efficiency, 0.62);
    EXPECT_EQ(models.t3db.m_beamwidth, BeamwidthFromGain(38.0, 0.62));
    EXPECT_EQ(models.gain.m_peakGain, 38.0);
    EXPECT_EQ(models.gain.m_dishSize, DiameterFromGain(38.0, 14e9, 0.62));
    // Here the gain tool has its new peak gain before the off-axis tool reads it.
    EXPECT_EQ(models.off.m_peakGain, 38.0);
    EXPECT_EQ(models.off.m_beamwidth, BeamwidthFromGain(38.0, 0.62));
}

// Stands in for what a user left in the four tools, so that each sequence has something to do.
void LeaveValues(ToolModels& models)
{
    models.gain.m_efficiency = 0.6;
    models.t3db.m_beamwidth = 2.0 * Degree;
    models.off.m_beamwidth = 3.0 * Degree;
    models.gtot.m_peakGain = 35.0;
}

// The launcher runs a tool's sequence after its dialog however the dialog was closed, and the
// start-up sequence before any tool opens.
TEST(AntennaCoupling, TheLauncherRunsEachSequenceAfterItsToolClosesHoweverItClosed)
{
    const struct {
        const char* label;
        int button;
        int templateId;
        void (*sequence)(ToolModels&);
    } tools[] = {
        {"peak gain", IDC_BUTTON_GMAX, IDD_TOOL_GAIN, &CoupleAfterPeakGain},
        {"beamwidth", IDC_BUTTON_THETA3DB, IDD_TOOL_T3DB, &CoupleAfterBeamwidth},
        {"off-axis gain", IDC_BUTTON_GREL, IDD_TOOL_OFFAXIS, &CoupleAfterOffAxis},
        {"G/T", IDC_BUTTON_GTOT, IDD_TOOL_GTOT, &CoupleAfterGtoT},
    };
    for (const auto& tool : tools) {
        for (const Closing& closing : AllClosings) {
            SCOPED_TRACE(std::string(tool.label) + ", " + closing.name);
            // Each start of the launcher begins from the models here, not from what the last
            // one kept.
            PrivateTempDir freshStart;
            ScriptedHost host;
            ToolModels models;
            host.OnDialog(IDD_KORTOOLS_DIALOG, [&](ScriptedDialog& d) {
                // Start-up has already brought G/T to the gain tool's dish.
                ExpectPrinted(models.gtot.m_peakGain, 46.46157, 7);
                LeaveValues(models);
                d.Click(tool.button);
                d.PressEscape();
            });
            host.OnDialog(tool.templateId, [&](ScriptedDialog& d) { (d.*closing.press)(); });
            CKorToolsDlg launcher(models);
            launcher.DoModal();

            ToolModels expected;
            CoupleAtStartUp(expected);
            LeaveValues(expected);
            tool.sequence(expected);
            EXPECT_EQ(RealValues(models.gain), RealValues(expected.gain));
            EXPECT_EQ(RealValues(models.t3db), RealValues(expected.t3db));
            EXPECT_EQ(RealValues(models.off), RealValues(expected.off));
            EXPECT_EQ(RealValues(models.gtot), RealValues(expected.gtot));
        }
    }
}

} // namespace
