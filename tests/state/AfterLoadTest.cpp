// What a load gives the models beyond the fields it assigns: the values that follow from them
// and are not in the file, and nothing else; and that no content of the file, however foreign,
// makes a tool look outside a table.
#include "formulas/Antenna.h"
#include "formulas/Propagation.h"
#include "framework/ErrorSink.h"
#include "models/AntennaCoupling.h"
#include "models/ToolRegistry.h"
#include "resources/Resource.h"
#include "state/ToolState.h"
#include "tests/models/ModelChecks.h"
#include "tests/state/StateLayout.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

void Set(CKorObj& model, int index, double value)
{
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(index, value, sink), 1) << sink.Explanation;
}

// The file does not hold the EIRP of the budgets nor the receiver bandwidth of the links. They
// follow from what it holds, and are brought back in line with it.
TEST(AfterLoad, TheEirpAndReceiverBandwidthFollowTheLoadedValues)
{
    ToolModels saved;
    Set(saved.link, CKOTLink::VarBandwidth, 3.6e7);
    Set(saved.link, CKOTLink::VarTxPower, 10.0);
    Set(saved.pfd, CKOTPFD::VarTxPower, 7.0);
    Set(saved.ctoni.m_wanted, CKOTLink::VarTemperature, 500.0);
    Set(saved.ctoni.m_wanted, CKOTLink::VarBandwidth, 2e7);
    Set(saved.ctoni.m_wanted, CKOTLink::VarTxPower, -3.0);
    ExpectPrinted(saved.link.m_noise, -128.266, 6);

    ToolModels loaded;
    ASSERT_TRUE(Load(Save(saved), loaded));
    const struct {
        const char* label;
        double loaded, saved;
    } eirps[] = {
        {"link", loaded.link.m_eirp, saved.link.m_eirp},
        {"PFD", loaded.pfd.m_eirp, saved.pfd.m_eirp},
        {"C/(N+I) wanted link", loaded.ctoni.m_wanted.m_eirp, saved.ctoni.m_wanted.m_eirp},
    };
    for (const auto& eirp : eirps) {
        SCOPED_TRACE(eirp.label);
        EXPECT_EQ(eirp.loaded, eirp.saved);
    }
    EXPECT_NEAR(loaded.link.m_bandwidth, 3.6e7, 3.6e7 * 1e-12);
    EXPECT_NEAR(loaded.ctoni.m_wanted.m_bandwidth, 2e7, 2e7 * 1e-12);

    // A noise typed next is that of a 36 MHz receiver: -140 dBW is 20.12 K, not the 724 K of
    // 1 MHz.
    Set(loaded.link, CKOTLink::VarNoise, -140.0);
    ExpectPrinted(loaded.link.m_temperature, 20.1232, 6);
}

// Only what the file does not hold is derived: ratios that disagree with the rest of a saved
// budget stay as saved until the user changes something.
TEST(AfterLoad, TheLoadedPowersAndRatiosStayAsSaved)
{
    Bytes file = Save(ToolModels());
    PutF64(file, 594, -1.0);  // link: Receive Power
    PutF64(file, 676, 99.0);  // link: C/N
    PutF64(file, 466, -77.0); // PFD: PFD
    PutF64(file, 702, 55.0);  // C/(N+I): C/I
    PutF64(file, 918, 44.0);  // C/(N+I) wanted link: C/N
    ToolModels loaded;
    ASSERT_TRUE(Load(file, loaded));
    EXPECT_EQ(loaded.link.m_rxPower, -1.0);
    EXPECT_EQ(loaded.link.m_cn, 99.0);
    EXPECT_EQ(loaded.pfd.m_pfd, -77.0);
    EXPECT_EQ(loaded.ctoni.m_ci, 55.0);
    EXPECT_EQ(loaded.ctoni.m_wanted.m_cn, 44.0);
}

// The interfering link of the C/(N+I) tool is not in the file. It shares the wanted link's
// frequency and receiver, as after working either link, and its antennas, path and budget
// follow that frequency.
TEST(AfterLoad, TheInterferingLinkSharesTheLoadedWantedLinksFrequencyAndReceiver)
{
    ToolModels saved;
    CKOTLink& savedWanted = saved.ctoni.m_wanted;
    Set(savedWanted, CKOTLink::VarFrequency, 1.4e10);
    Set(savedWanted, CKOTLink::VarTemperature, 500.0);
    Set(savedWanted, CKOTLink::VarBandwidth, 3.6e7);
    ASSERT_EQ(savedWanted.SetDisplayUnit(CKOTLink::VarFrequency, UnitMHz), 1);
    ASSERT_EQ(savedWanted.SetDisplayUnit(CKOTLink::VarWavelength, UnitCm), 1);

    ToolModels loaded;
    ASSERT_TRUE(Load(Save(saved), loaded));
    const CKOTLink& wanted = loaded.ctoni.m_wanted;
    const CKOTLink& interfering = loaded.ctoni.m_interfering;
    EXPECT_EQ(interfering.m_frequency, 1.4e10);
    EXPECT_EQ(interfering.m_wavelength, wanted.m_wavelength);
    EXPECT_EQ(interfering.m_frequencyDisplay, UnitMHz);
    EXPECT_EQ(interfering.m_wavelengthDisplay, UnitCm);
    EXPECT_EQ(interfering.m_temperature, 500.0);
    EXPECT_EQ(interfering.m_noise, wanted.m_noise);
    EXPECT_EQ(interfering.m_bandwidth, wanted.m_bandwidth);
    EXPECT_EQ(interfering.m_txPeakGain, PeakGain(interfering.m_txDishSize, 1.4e10, interfering.m_txEfficiency));
    EXPECT_EQ(interfering.m_pathLoss, FreeSpaceLoss(interfering.m_pathLength, 1.4e10));
    EXPECT_EQ(interfering.m_cn, interfering.m_rxPower - interfering.m_noise);
    EXPECT_EQ(interfering.m_wantedSignal, 0);
}

// After a restart, working the interfering link first hands the wanted link the frequency and
// receiver it already has, not the interfering link's values of construction.
TEST(AfterLoad, WorkingTheInterferingLinkFirstKeepsTheSavedWantedLink)
{
    ToolModels saved;
    Set(saved.ctoni.m_wanted, CKOTLink::VarFrequency, 1.4e10);
    Set(saved.ctoni.m_wanted, CKOTLink::VarBandwidth, 3.6e7);
    ToolModels loaded;
    ASSERT_TRUE(Load(Save(saved), loaded));
    const double noise = loaded.ctoni.m_wanted.m_noise;

    ScriptedHost host;
    host.OnDialog(IDD_TOOL_CTONI, [](ScriptedDialog& d) {
        // The link budget opens on the interfering link and is closed unchanged.
        d.Click(IDC_CNI_CALC_INTERFERING);
        d.PressEscape();
    });
    loaded.ctoni.RunDialog();
    EXPECT_EQ(host.DialogsRun(), (std::vector<int>{IDD_TOOL_CTONI, IDD_TOOL_LINK}));
    EXPECT_EQ(loaded.ctoni.m_wanted.m_frequency, 1.4e10);
    EXPECT_EQ(loaded.ctoni.m_wanted.m_noise, noise);
    EXPECT_NEAR(loaded.ctoni.m_wanted.m_bandwidth, 3.6e7, 3.6e7 * 1e-12);
}

// Unit codes, patterns and variable choices that no tool knows, and values that are no
// numbers at all, are loaded as they are and shown as they are: an unknown unit without a
// label, an unknown pattern without a name. The antenna coupling runs over them, every tool
// opens and closes over them, and the next save keeps them.
TEST(AfterLoad, CodesAndChoicesNoToolKnowsAreShownWithoutLookingOutsideAnyTable)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        long offset;
        FieldType type;
        int value;
    } codes[] = {
        {36, FieldType::I32, 1000},    // frequency tool: frequency display unit
        {40, FieldType::I32, -1},      // and wavelength display unit
        {70, FieldType::I32, INT_MIN}, // path loss: frequency display unit
        {152, FieldType::U16, 65535},  // field of view: edited variable
        {154, FieldType::U16, 7},      // and fixed variable
        {216, FieldType::I32, INT_MAX}, // peak gain: frequency display unit
        {254, FieldType::U16, 65535},  // off-axis gain: pattern
        {318, FieldType::I32, 47},     // PFD: frequency shown as a longitude
        {390, FieldType::U16, 3},      // and its patterns
        {464, FieldType::U16, 65535},
        {474, FieldType::I32, -7},     // and its include-receive-gain flag
        {488, FieldType::I32, 99},     // link: frequency display unit
        {500, FieldType::I32, 46},     // and wavelength shown as a latitude
        {568, FieldType::U16, 3},      // and its patterns
        {658, FieldType::U16, 65535},
        {718, FieldType::U16, 65535},  // C/(N+I): fixed-variable choice
        {730, FieldType::I32, -12},    // its wanted link's display units
        {742, FieldType::I32, 48},
    };
    const struct {
        long offset;
        double value;
    } reals[] = {
        {2, nan},      // decibel tool: absolute value
        {20, nan},     // frequency tool: frequency
        {120, -1e308}, // field of view: height
        {184, -inf},   // peak gain: dish size
        {246, nan},    // off-axis gain: beamwidth
        {284, 0.0},    // beamwidth: efficiency
        {480, inf},    // link: frequency
        {660, nan},    // link: receiver noise
        {910, -5.0},   // C/(N+I) wanted link: receiver temperature
    };
    Bytes file = Save(ToolModels());
    for (const auto& code : codes)
        PutInt(file, code.offset, code.type, code.value);
    for (const auto& real : reals)
        PutF64(file, real.offset, real.value);

    ToolModels models;
    ASSERT_TRUE(Load(file, models));
    CoupleAtStartUp(models);

    std::string label;
    models.freq.GetUnitLabel(CKOTFreq::VarFrequency, label);
    EXPECT_EQ(label, "");
    EXPECT_EQ(ValueText(models.freq, CKOTFreq::VarFrequency), "nan");
    EXPECT_EQ(ValueText(models.db, CKOTDB::VarAbsolute), "nan");
    EXPECT_EQ(ValueText(models.off, CKOTOff::VarPattern), "");
    EXPECT_EQ(ValueText(models.link, CKOTLink::VarFrequency), "inf");
    const CKorObj* all[] = {&models.db,   &models.freq, &models.path, &models.spread, &models.fov1, &models.fov2,
                            &models.temp, &models.gain, &models.off,  &models.gtot,   &models.t3db, &models.pfd,
                            &models.link, &models.ctoni, &models.ctoni.m_wanted, &models.ctoni.m_interfering};
    for (const CKorObj* model : all) {
        for (int index = 0; index <= model->GetVarCount(); ++index) {
            std::string text;
            model->GetValueText(index, text);
            model->GetUnitLabel(index, text);
        }
    }

    ScriptedHost host;
    host.OnDialog(IDD_TOOL_OFFAXIS, [](ScriptedDialog& d) {
        EXPECT_EQ(d.ListEntries(IDC_OFF_PATTERN).size(), 3u);
        EXPECT_EQ(d.Selection(IDC_OFF_PATTERN), -1);
    });
    host.OnDialog(IDD_TOOL_LINK, [](ScriptedDialog& d) {
        EXPECT_EQ(d.Text(IDC_LINK_FREQUENCY), "inf");
        EXPECT_EQ(d.Text(IDC_LINK_FREQUENCY_UNIT), "");
    });
    // Every tool's dialog, in the order of the file's records.
    ForEachToolRecord(models, [](auto& model) { model.RunDialog(); });
    EXPECT_EQ(host.DialogsRun().size(), 14u);

    const Bytes saved = Save(models);
    ASSERT_EQ(saved.size(), static_cast<std::size_t>(StateFileSize));
    for (const auto& code : codes) {
        SCOPED_TRACE(code.offset);
        Bytes expected = saved;
        PutInt(expected, code.offset, code.type, code.value);
        EXPECT_EQ(saved, expected);
    }
    for (long offset : {2L, 20L, 480L, 660L, 910L})
        EXPECT_EQ(std::bit_cast<std::uint64_t>(F64At(saved, offset)), std::bit_cast<std::uint64_t>(F64At(file, offset)))
            << "offset " << offset;
}

} // namespace
