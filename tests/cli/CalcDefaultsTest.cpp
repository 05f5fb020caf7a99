// Every tool run with no entries prints what its dialog shows at a fresh start: the launcher's
// models, coupled at start-up, opened in the real dialogs through the scripted host, against the
// program's --json texts, units and choices.
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"
#include "resources/Resource.h"
#include "tests/cli/CalcProcess.h"
#include "tests/dialogs/ToolDialogRun.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Shown {
    int id;   // the edit, or the list of an enumeration
    int var;  // the model's variable it shows
    int unitId = 0; // the label beside it that names its unit, where there is one
};

// What each tool's dialog shows, by its command-line name; the dialog is the registry's.
struct GuiTool {
    const char* name;
    std::vector<Shown> shown;
    int patternList = 0; // the list that shows an enumeration, and its variable
    int patternVar = 0;
};

const std::vector<GuiTool>& GuiTools()
{
    static const std::vector<GuiTool> tools = {
        {"db",
         {{IDC_DB_ABSOLUTE, CKOTDB::VarAbsolute}, {IDC_DB_DECIBELS, CKOTDB::VarDb}}},
        {"freq",
         {{IDC_FREQ_FREQUENCY, CKOTFreq::VarFrequency}, {IDC_FREQ_WAVELENGTH, CKOTFreq::VarWavelength}}},
        {"spread",
         {{IDC_SPREAD_LOSS, CKOTSpread::VarLoss}, {IDC_SPREAD_DISTANCE, CKOTSpread::VarDistance}}},
        {"path",
         {{IDC_PATH_FREQUENCY, CKOTPath::VarFrequency}, {IDC_PATH_LOSS, CKOTPath::VarLoss},
          {IDC_PATH_DISTANCE, CKOTPath::VarDistance}}},
        {"noise",
         {{IDC_TEMP_NOISE, CKOTTemp::VarNoise}, {IDC_TEMP_TEMPERATURE, CKOTTemp::VarTemperature},
          {IDC_TEMP_BANDWIDTH, CKOTTemp::VarBandwidth}}},
        {"gain",
         {{IDC_GAIN_FREQUENCY, CKOTGain::VarFrequency}, {IDC_GAIN_DISH, CKOTGain::VarDishSize},
          {IDC_GAIN_EFFICIENCY, CKOTGain::VarEfficiency}, {IDC_GAIN_GAIN, CKOTGain::VarPeakGain}}},
        {"beamwidth",
         {{IDC_T3DB_EFFICIENCY, CKOTT3dB::VarEfficiency}, {IDC_T3DB_GAIN, CKOTT3dB::VarPeakGain},
          {IDC_T3DB_BEAMWIDTH, CKOTT3dB::VarBeamwidth}}},
        {"offaxis",
         {{IDC_OFF_ANGLE, CKOTOff::VarOffAxisAngle}, {IDC_OFF_RELATIVE, CKOTOff::VarRelativeGain},
          {IDC_OFF_GAIN, CKOTOff::VarPeakGain}, {IDC_OFF_BEAMWIDTH, CKOTOff::VarBeamwidth}},
         IDC_OFF_PATTERN, CKOTOff::VarPattern},
        {"gt",
         {{IDC_GTOT_GAIN, CKOTGtoT::VarPeakGain}, {IDC_GTOT_TEMPERATURE, CKOTGtoT::VarTemperature},
          {IDC_GTOT_GTOT, CKOTGtoT::VarGtoT}}},
        {"link",
         {{IDC_LINK_FREQUENCY, CKOTLink::VarFrequency, IDC_LINK_FREQUENCY_UNIT},
          {IDC_LINK_TX_POWER, CKOTLink::VarTxPower}, {IDC_LINK_TX_GAIN, CKOTLink::VarTxPeakGain},
          {IDC_LINK_TX_RELATIVE, CKOTLink::VarTxRelativeGain}, {IDC_LINK_EIRP, CKOTLink::VarEirp},
          {IDC_LINK_PATH_LOSS, CKOTLink::VarPathLoss}, {IDC_LINK_OTHER_LOSSES, CKOTLink::VarOtherLosses},
          {IDC_LINK_RX_GAIN, CKOTLink::VarRxPeakGain}, {IDC_LINK_RX_RELATIVE, CKOTLink::VarRxRelativeGain},
          {IDC_LINK_RX_POWER, CKOTLink::VarRxPower}, {IDC_LINK_NOISE, CKOTLink::VarNoise},
          {IDC_LINK_CN, CKOTLink::VarCn}}},
        {"pfd",
         {{IDC_PFD_FREQUENCY, CKOTPFD::VarFrequency, IDC_PFD_FREQUENCY_UNIT},
          {IDC_PFD_TX_POWER, CKOTPFD::VarTxPower}, {IDC_PFD_TX_GAIN, CKOTPFD::VarTxPeakGain},
          {IDC_PFD_TX_RELATIVE, CKOTPFD::VarTxRelativeGain}, {IDC_PFD_EIRP, CKOTPFD::VarEirp},
          {IDC_PFD_SPREADING, CKOTPFD::VarSpreading}, {IDC_PFD_OTHER_LOSSES, CKOTPFD::VarOtherLosses},
          {IDC_PFD_RX_GAIN, CKOTPFD::VarRxPeakGain}, {IDC_PFD_RX_RELATIVE, CKOTPFD::VarRxRelativeGain},
          {IDC_PFD_PFD, CKOTPFD::VarPfd}}},
        {"cni",
         {{IDC_CNI_CN, CKOTCtoNI::VarCn}, {IDC_CNI_IN, CKOTCtoNI::VarIn}, {IDC_CNI_CI, CKOTCtoNI::VarCi},
          {IDC_CNI_CNI, CKOTCtoNI::VarCni}}},
        {"period",
         {{IDC_FOV1_HEIGHT, CKOTFOV1::VarHeight, IDC_FOV1_HEIGHT_UNIT},
          {IDC_FOV1_RADIUS, CKOTFOV1::VarSemiMajorAxis, IDC_FOV1_RADIUS_UNIT},
          {IDC_FOV1_PERIOD, CKOTFOV1::VarPeriod, IDC_FOV1_PERIOD_UNIT}}},
        {"fov",
         {{IDC_FOV2_HEIGHT, CKOTFOV2::VarHeight, IDC_FOV2_HEIGHT_UNIT},
          {IDC_FOV2_ELEVATION, CKOTFOV2::VarElevation, IDC_FOV2_ELEVATION_UNIT},
          {IDC_FOV2_DISTANCE, CKOTFOV2::VarDistance, IDC_FOV2_DISTANCE_UNIT},
          {IDC_FOV2_NADIR, CKOTFOV2::VarNadirAngle, IDC_FOV2_NADIR_UNIT}}},
        {"atmos",
         {{IDC_ATMOS_FREQUENCY, CKOTAtmos::VarFrequency}, {IDC_ATMOS_ELEVATION, CKOTAtmos::VarElevation},
          {IDC_ATMOS_LATITUDE, CKOTAtmos::VarLatitude}, {IDC_ATMOS_STATION_HEIGHT, CKOTAtmos::VarStationHeight},
          {IDC_ATMOS_TILT, CKOTAtmos::VarTilt}, {IDC_ATMOS_PERCENTAGE, CKOTAtmos::VarPercentage},
          {IDC_ATMOS_DIAMETER, CKOTAtmos::VarDiameter}, {IDC_ATMOS_EFFICIENCY, CKOTAtmos::VarEfficiency},
          {IDC_ATMOS_RAIN_RATE, CKOTAtmos::VarRainRate}, {IDC_ATMOS_RAIN_HEIGHT, CKOTAtmos::VarRainHeight},
          {IDC_ATMOS_PRESSURE, CKOTAtmos::VarPressure}, {IDC_ATMOS_TEMPERATURE, CKOTAtmos::VarTemperature},
          {IDC_ATMOS_VAPOUR_DENSITY, CKOTAtmos::VarVapourDensity},
          {IDC_ATMOS_VAPOUR_CONTENT, CKOTAtmos::VarVapourContent},
          {IDC_ATMOS_LIQUID_WATER, CKOTAtmos::VarLiquidWater}, {IDC_ATMOS_NWET, CKOTAtmos::VarNwet},
          {IDC_ATMOS_RAIN_SPECIFIC, CKOTAtmos::VarRainSpecific}, {IDC_ATMOS_RAIN, CKOTAtmos::VarRain},
          {IDC_ATMOS_GAS, CKOTAtmos::VarGas}, {IDC_ATMOS_CLOUD, CKOTAtmos::VarCloud},
          {IDC_ATMOS_SCINTILLATION, CKOTAtmos::VarScintillation},
          {IDC_ATMOS_TOTAL, CKOTAtmos::VarTotalAttenuation},
          {IDC_ATMOS_AVAILABILITY, CKOTAtmos::VarAvailability},
          {IDC_ATMOS_SKY_TEMPERATURE, CKOTAtmos::VarSkyTemperature}},
         IDC_ATMOS_RAIN_ZONE,
         CKOTAtmos::VarRainZone},
        {"look",
         {{IDC_LOOK_LATITUDE, CKOTLook::VarLatitude}, {IDC_LOOK_LONGITUDE, CKOTLook::VarLongitude},
          {IDC_LOOK_STATION_HEIGHT, CKOTLook::VarStationHeight}, {IDC_LOOK_SATELLITE, CKOTLook::VarSatelliteLongitude},
          {IDC_LOOK_AZIMUTH, CKOTLook::VarAzimuth}, {IDC_LOOK_ELEVATION, CKOTLook::VarElevation},
          {IDC_LOOK_RANGE, CKOTLook::VarRange}, {IDC_LOOK_SKEW, CKOTLook::VarSkew}}},
        {"margin",
         {{IDC_MARGIN_CN, CKOTMargin::VarCarrierToNoise}, {IDC_MARGIN_BANDWIDTH, CKOTMargin::VarNoiseBandwidth},
          {IDC_MARGIN_SYMBOL_RATE, CKOTMargin::VarSymbolRate}, {IDC_MARGIN_ROLL_OFF, CKOTMargin::VarRollOff},
          {IDC_MARGIN_IMPLEMENTATION, CKOTMargin::VarImplementationMargin},
          {IDC_MARGIN_CN0, CKOTMargin::VarCarrierToNoiseDensity}, {IDC_MARGIN_ESN0, CKOTMargin::VarEsN0},
          {IDC_MARGIN_EBN0, CKOTMargin::VarEbN0}, {IDC_MARGIN_REQUIRED, CKOTMargin::VarRequiredEsN0},
          {IDC_MARGIN_MARGIN, CKOTMargin::VarMargin}, {IDC_MARGIN_BIT_RATE, CKOTMargin::VarBitRate},
          {IDC_MARGIN_OCCUPIED, CKOTMargin::VarOccupiedBandwidth}, {IDC_MARGIN_BEST, CKOTMargin::VarBestModcod}},
         IDC_MARGIN_MODCOD,
         CKOTMargin::VarModcod},
    };
    return tools;
}

std::string CommandLineNameOf(const CKorObj& model, int index)
{
    std::string name;
    model.GetVarName(index, name);
    return CommandLineName(name);
}

TEST(CalcDefaults, TheTableCoversEveryTool)
{
    ASSERT_EQ(GuiTools().size(), RegisteredTools().size());
    for (const GuiTool& tool : GuiTools())
        EXPECT_NE(FindTool(tool.name), nullptr) << tool.name;
}

TEST(CalcDefaults, EveryToolPrintsWhatItsDialogShowsAtAFreshStart)
{
    for (const GuiTool& gui : GuiTools()) {
        SCOPED_TRACE(gui.name);
        const CalcRun run = RunCalc({gui.name, "--json"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "");
        const nlohmann::json printed = nlohmann::json::parse(run.out);
        EXPECT_EQ(printed.at("tool"), gui.name);

        const auto models = std::make_unique<ToolModels>();
        PrepareStartingModels(*models);
        const RegisteredTool& tool = *FindTool(gui.name);
        const CKorObj& model = tool.model(*models);
        EXPECT_EQ(printed.at("variables").size(), static_cast<std::size_t>(model.GetVarCount() - 2));

        ScriptedHost host;
        host.OnDialog(tool.dialogTemplate, [&](ScriptedDialog& d) {
            for (const Shown& shown : gui.shown) {
                const std::string name = CommandLineNameOf(model, shown.var);
                SCOPED_TRACE(name);
                EXPECT_EQ(JsonVar(printed, name, "text"), d.Text(shown.id));
                if (shown.unitId) {
                    EXPECT_EQ(JsonVar(printed, name, "unit"), d.Text(shown.unitId));
                }
            }
            if (gui.patternList) {
                const std::string name = CommandLineNameOf(model, gui.patternVar);
                EXPECT_EQ(JsonVar(printed, name), d.Selection(gui.patternList));
                EXPECT_EQ(JsonVar(printed, name, "text"), d.ListEntries(gui.patternList).at(
                                                                static_cast<std::size_t>(d.Selection(gui.patternList))));
            }
        });
        // The registry's dialog is the one its model runs.
        EXPECT_EQ(tool.runDialog(*models), 1);
        EXPECT_EQ(host.PendingScripts(tool.dialogTemplate), 0u);
    }
}

// The plain text is the same lines the window's "Copy Values" gives, and --list names each tool
// by its launcher button.
TEST(CalcDefaults, TextAndToolListComeFromTheSameModels)
{
    const auto models = std::make_unique<ToolModels>();
    PrepareStartingModels(*models);
    for (const RegisteredTool& tool : RegisteredTools()) {
        SCOPED_TRACE(tool.name);
        const CalcRun run = RunCalc({tool.name});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, FormatValueLines(tool.model(*models)));
    }
    const CalcRun list = RunCalc({"--list"});
    ASSERT_EQ(list.status, 0);
    const std::vector<std::string> lines = Lines(list.out);
    ASSERT_EQ(lines.size(), RegisteredTools().size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], std::string(RegisteredTools()[i].name) + '\t' + LauncherCaption(RegisteredTools()[i]));
}

} // namespace
