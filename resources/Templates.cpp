// Every dialog of the program, described once as data. Controls are listed in creation order,
// which is also their tab order and the order in which screen readers meet them.
#include "platform/DialogTemplate.h"
#include "platform/Win.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <iterator>

namespace {

using K = ControlKind;
constexpr int S = IDC_STATIC;
constexpr const char* Font = "Segoe UI";
constexpr unsigned ToolStyle = DS_VISIBLE | DS_SYSMENU;

// The texts take the full width beside the icon, with room for a line more than they need;
// OK stands below them all, where no text can run into it.
const ControlTemplate AboutControls[] = {
    {S, K::Icon, "", 11, 17, 20, 20, 0},
    {S, K::Label, "KorTools Version 7.10.1.0", 39, 10, 171, 8, CF_NOPREFIX},
    {S, K::Label, "Copyright (C) 2026 Tessaline Systems Ltd", 39, 20, 171, 8, 0},
    {IDOK, K::PushButton, "OK", 84, 133, 50, 14, CF_DEFAULT},
    {S, K::Label, "For more information about the Korvella interference simulation please contact us at:", 39, 32, 171, 26, 0},
    {S, K::Label, "Tessaline Systems Ltd", 39, 60, 171, 10, 0},
    {S, K::Label, "Tel: +44 (0)1632 960000", 39, 72, 171, 10, 0},
    {S, K::Label, "Email: kt@tessaline.example", 39, 84, 171, 10, 0},
    {S, K::Label, "Web: tessaline.example", 39, 96, 171, 10, 0},
    {S, K::Label, "Contact us with your suggestions for new tools!", 39, 114, 171, 10, 0},
};

const ControlTemplate LauncherControls[] = {
    {IDC_BUTTON_DB, K::PushButton, "dB - Abs", 7, 28, 50, 14, 0},
    {IDC_BUTTON_GMAX, K::PushButton, "GMax", 63, 28, 50, 14, 0},
    {IDC_BUTTON_FREQ, K::PushButton, "Freq - Wave", 7, 46, 50, 14, 0},
    {IDC_BUTTON_THETA3DB, K::PushButton, "Theta 3dB", 63, 46, 50, 14, 0},
    {IDC_BUTTON_SPREAD, K::PushButton, "Spread Loss", 7, 64, 50, 14, 0},
    {IDC_BUTTON_GREL, K::PushButton, "GRel", 63, 64, 50, 14, 0},
    {IDC_BUTTON_PATH, K::PushButton, "Path Loss", 7, 82, 50, 14, 0},
    {IDC_BUTTON_GTOT, K::PushButton, "G/T", 63, 82, 50, 14, 0},
    {IDC_BUTTON_TEMP, K::PushButton, "Noise Temp", 7, 100, 50, 14, 0},
    {IDC_BUTTON_CN, K::PushButton, "C/N", 63, 112, 50, 14, 0},
    {IDC_BUTTON_PERIOD, K::PushButton, "Period", 7, 130, 50, 14, 0},
    {IDC_BUTTON_CNI, K::PushButton, "C/(N+I)", 63, 130, 50, 14, 0},
    {IDC_BUTTON_ANGLES, K::PushButton, "Angles", 7, 148, 50, 14, 0},
    {IDC_BUTTON_PFD, K::PushButton, "PFD", 63, 148, 50, 14, 0},
    {S, K::Label, "General:", 7, 19, 36, 8, 0},
    {S, K::Label, "Click on button to open tool.", 7, 7, 108, 10, 0},
    {S, K::Label, "Antenna:", 63, 19, 36, 8, 0},
    {S, K::Label, "Link Budget:", 63, 100, 45, 8, 0},
    {S, K::Label, "Orbits:", 7, 118, 45, 8, 0},
    {IDC_LOGO, K::Picture, "", 7, 167, 108, 33, CF_HIDDEN},
};

const ControlTemplate ErrorMsgControls[] = {
    {IDOK, K::PushButton, "OK", 85, 148, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "Information", 6, 7, 207, 134, 0},
    {S, K::Label, "Problem:", 21, 23, 43, 12, CF_RIGHT},
    {IDC_ERR_PROBLEM, K::Edit, "", 69, 19, 131, 21, CF_MULTILINE},
    {S, K::Label, "Explanation:", 14, 49, 50, 13, CF_RIGHT},
    {IDC_ERR_EXPLANATION, K::Edit, "", 69, 47, 131, 46, CF_MULTILINE},
    {S, K::Label, "Suggestion:", 18, 104, 45, 13, CF_RIGHT},
    {IDC_ERR_SUGGESTION, K::Edit, "", 69, 101, 131, 30, CF_MULTILINE},
};

const ControlTemplate DbControls[] = {
    {IDC_DB_ABSOLUTE, K::Edit, "", 15, 31, 88, 14, 0},
    {IDC_DB_TO_DB, K::PushButton, ">>", 113, 18, 50, 14, 0},
    {IDC_DB_DECIBELS, K::Edit, "", 172, 31, 88, 14, 0},
    {IDC_DB_TO_ABSOLUTE, K::PushButton, "<<", 113, 37, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 113, 68, 50, 14, CF_DEFAULT},
    {S, K::Label, "Absolute:", 43, 21, 32, 8, 0},
    {S, K::Label, "Decibels:", 200, 21, 32, 8, 0},
    {S, K::GroupBox, "", 5, 7, 263, 55, 0},
};

const ControlTemplate FreqControls[] = {
    {IDC_FREQ_FREQUENCY, K::Edit, "", 11, 40, 88, 14, 0},
    {IDC_FREQ_TO_WAVELENGTH, K::PushButton, ">>", 115, 30, 50, 14, 0},
    {IDC_FREQ_WAVELENGTH, K::Edit, "", 173, 40, 87, 14, 0},
    {IDC_FREQ_TO_FREQUENCY, K::PushButton, "<<", 115, 49, 50, 14, 0},
    {IDC_FREQ_GHZ, K::RadioButton, "GHz", 41, 74, 28, 10, CF_GROUP},
    {IDC_FREQ_MHZ, K::RadioButton, "MHz", 41, 84, 29, 10, 0},
    {IDC_FREQ_KHZ, K::RadioButton, "kHz", 41, 94, 27, 10, 0},
    {IDC_FREQ_HZ, K::RadioButton, "Hz", 41, 104, 24, 10, 0},
    {IDC_FREQ_KM, K::RadioButton, "km", 205, 74, 25, 10, CF_GROUP},
    {IDC_FREQ_M, K::RadioButton, "m", 205, 84, 22, 10, 0},
    {IDC_FREQ_CM, K::RadioButton, "cm", 205, 94, 25, 10, 0},
    {IDC_FREQ_MM, K::RadioButton, "mm", 205, 104, 28, 10, 0},
    {IDCANCEL, K::PushButton, "Close", 115, 143, 50, 14, CF_DEFAULT},
    {S, K::Label, "Frequency:", 35, 29, 48, 8, 0},
    {S, K::Label, "Wavelength:", 197, 29, 49, 8, 0},
    {S, K::GroupBox, "", 5, 4, 267, 134, 0},
    {S, K::Label, "c=2.998e8 m/s", 114, 17, 52, 10, 0},
    {S, K::GroupBox, "Units", 30, 61, 56, 62, 0},
    {S, K::GroupBox, "Units", 194, 62, 56, 62, 0},
};

const ControlTemplate SpreadControls[] = {
    {IDC_SPREAD_DISTANCE, K::Edit, "", 72, 22, 88, 12, 0},
    {IDC_SPREAD_LOSS, K::Edit, "", 72, 40, 88, 12, 0},
    {IDC_SPREAD_CALC_DISTANCE, K::PushButton, "Calculate", 180, 21, 50, 14, 0},
    {IDC_SPREAD_CALC_LOSS, K::PushButton, "Calculate", 180, 39, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 96, 66, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "Spreading Loss Calculation", 4, 4, 231, 56, 0},
    {S, K::Label, "Spreading Loss:", 11, 42, 54, 9, 0},
    {S, K::Label, "Distance:", 11, 23, 34, 11, 0},
    {S, K::Label, "km", 166, 23, 11, 10, 0},
    {S, K::Label, "dB", 166, 41, 10, 10, 0},
};

const ControlTemplate PathControls[] = {
    {IDC_PATH_DISTANCE, K::Edit, "", 53, 22, 88, 12, 0},
    {IDC_PATH_FREQUENCY, K::Edit, "", 53, 38, 88, 12, 0},
    {IDC_PATH_GHZ, K::RadioButton, "GHz", 79, 68, 33, 10, CF_GROUP},
    {IDC_PATH_MHZ, K::RadioButton, "MHz", 79, 78, 29, 10, 0},
    {IDC_PATH_KHZ, K::RadioButton, "kHz", 79, 88, 27, 10, 0},
    {IDC_PATH_HZ, K::RadioButton, "Hz", 79, 98, 27, 10, 0},
    {IDC_PATH_LOSS, K::Edit, "", 53, 124, 88, 12, 0},
    {IDC_PATH_CALC_DISTANCE, K::PushButton, "Calculate", 161, 21, 50, 14, 0},
    {IDC_PATH_CALC_FREQUENCY, K::PushButton, "Calculate", 161, 37, 50, 14, 0},
    {IDC_PATH_CALC_LOSS, K::PushButton, "Calculate", 160, 123, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 88, 153, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "Free Space Path Loss Calculation", 4, 4, 216, 143, 0},
    {S, K::Label, "Frequency:", 12, 39, 37, 11, 0},
    {S, K::Label, "Path Loss:", 12, 125, 34, 9, 0},
    {S, K::GroupBox, "Units", 69, 55, 56, 62, 0},
    {S, K::Label, "Distance:", 12, 22, 34, 11, 0},
    {S, K::Label, "km", 147, 23, 11, 10, 0},
    {S, K::Label, "dB", 147, 125, 10, 10, 0},
};

const ControlTemplate TempControls[] = {
    {IDC_TEMP_NOISE, K::Edit, "", 63, 28, 88, 14, 0},
    {IDC_TEMP_TEMPERATURE, K::Edit, "", 63, 46, 88, 14, 0},
    {IDC_TEMP_BANDWIDTH, K::Edit, "", 63, 64, 88, 14, 0},
    {IDC_TEMP_CALC_NOISE, K::PushButton, "Calculate", 189, 28, 50, 14, 0},
    {IDC_TEMP_CALC_TEMPERATURE, K::PushButton, "Calculate", 189, 46, 50, 14, 0},
    {IDC_TEMP_CALC_BANDWIDTH, K::PushButton, "Calculate", 189, 64, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 103, 93, 50, 14, CF_DEFAULT},
    {S, K::Label, "Thermal Noise:", 11, 31, 50, 8, 0},
    {S, K::Label, "Temperature:", 11, 49, 43, 8, 0},
    {S, K::GroupBox, "", 5, 4, 244, 85, 0},
    {S, K::Label, "k = - 228.6 dBW/K/Hz", 65, 15, 79, 10, 0},
    {S, K::Label, "Kelvin", 157, 49, 23, 9, 0},
    {S, K::Label, "dBW", 157, 30, 29, 10, 0},
    {S, K::Label, "Bandwidth:", 11, 67, 43, 8, 0},
    {S, K::Label, "Hz", 157, 67, 23, 9, 0},
};

const ControlTemplate GtoTControls[] = {
    {IDC_GTOT_GAIN, K::Edit, "", 67, 22, 88, 14, 0},
    {IDC_GTOT_TEMPERATURE, K::Edit, "", 67, 46, 88, 14, 0},
    {IDC_GTOT_GTOT, K::Edit, "", 67, 70, 88, 14, 0},
    {IDC_GTOT_CALC_GAIN, K::PushButton, "Calculate", 195, 22, 50, 14, 0},
    {IDC_GTOT_CALC_TEMPERATURE, K::PushButton, "Calculate", 195, 46, 50, 14, 0},
    {IDC_GTOT_CALC_GTOT, K::PushButton, "Calculate", 195, 70, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 107, 108, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 8, 7, 249, 95, 0},
    {S, K::Label, "G/T:", 18, 73, 28, 8, CF_VCENTER},
    {S, K::Label, "Temperature:", 18, 46, 46, 14, CF_VCENTER},
    {S, K::Label, "Peak Gain:", 18, 22, 46, 14, CF_VCENTER},
    {S, K::Label, "dB/K", 157, 72, 21, 9, 0},
    {S, K::Label, "K", 157, 48, 30, 9, 0},
    {S, K::Label, "dBi", 157, 25, 30, 9, 0},
};

const ControlTemplate GainControls[] = {
    {IDC_GAIN_FREQUENCY, K::Edit, "", 60, 22, 88, 14, 0},
    {IDC_GAIN_GHZ, K::RadioButton, "GHz", 72, 54, 28, 10, CF_GROUP},
    {IDC_GAIN_MHZ, K::RadioButton, "MHz", 72, 64, 29, 10, 0},
    {IDC_GAIN_KHZ, K::RadioButton, "kHz", 72, 74, 27, 10, 0},
    {IDC_GAIN_HZ, K::RadioButton, "Hz", 72, 84, 24, 10, 0},
    {IDC_GAIN_DISH, K::Edit, "", 60, 111, 88, 14, 0},
    {IDC_GAIN_EFFICIENCY, K::Edit, "", 60, 132, 88, 14, 0},
    {IDC_GAIN_GAIN, K::Edit, "", 60, 153, 88, 14, 0},
    {IDC_GAIN_CALC_FREQUENCY, K::PushButton, "Calculate", 175, 22, 50, 14, 0},
    {IDC_GAIN_CALC_DISH, K::PushButton, "Calculate", 175, 111, 50, 14, 0},
    {IDC_GAIN_CALC_EFFICIENCY, K::PushButton, "Calculate", 175, 132, 50, 14, 0},
    {IDC_GAIN_CALC_GAIN, K::PushButton, "Calculate", 175, 153, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 101, 181, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 8, 7, 231, 169, 0},
    {S, K::Label, "Frequency:", 16, 25, 39, 8, 0},
    {S, K::GroupBox, "Units", 60, 41, 56, 62, 0},
    {S, K::Label, "Dish Size:", 16, 114, 35, 8, 0},
    {S, K::Label, "m", 156, 114, 8, 8, 0},
    {S, K::Label, "Efficiency:", 16, 135, 35, 8, 0},
    {S, K::Label, "Peak Gain:", 16, 156, 37, 8, 0},
    {S, K::Label, "dBi", 154, 156, 12, 8, 0},
};

const ControlTemplate T3dBControls[] = {
    {IDC_T3DB_GAIN, K::Edit, "", 67, 23, 88, 14, 0},
    {IDC_T3DB_EFFICIENCY, K::Edit, "", 67, 45, 88, 14, 0},
    {IDC_T3DB_BEAMWIDTH, K::Edit, "", 67, 67, 88, 14, 0},
    {IDC_T3DB_CALC_GAIN, K::PushButton, "Calculate", 194, 23, 50, 14, 0},
    {IDC_T3DB_CALC_EFFICIENCY, K::PushButton, "Calculate", 194, 45, 50, 14, 0},
    {IDC_T3DB_CALC_BEAMWIDTH, K::PushButton, "Calculate", 194, 67, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 104, 105, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 5, 7, 248, 92, 0},
    {S, K::Label, "Half Power Beamwidth:", 18, 65, 45, 19, 0},
    {S, K::Label, "Efficiency:", 18, 48, 35, 8, 0},
    {S, K::Label, "Peak Gain:", 18, 25, 37, 10, 0},
    {S, K::Label, "dBi", 160, 26, 12, 8, 0},
    {S, K::Label, "degrees", 161, 69, 30, 9, 0},
};

const ControlTemplate OffaxisControls[] = {
    {IDC_OFF_PATTERN, K::DropDownList, "", 67, 26, 88, 46, 0},
    {IDC_OFF_GAIN, K::Edit, "", 67, 48, 88, 14, 0},
    {IDC_OFF_BEAMWIDTH, K::Edit, "", 67, 67, 88, 14, 0},
    {IDC_OFF_ANGLE, K::Edit, "", 67, 86, 88, 14, 0},
    {IDC_OFF_RELATIVE, K::Edit, "", 67, 105, 88, 14, 0},
    {IDC_OFF_CALC_BEAMWIDTH, K::PushButton, "Calculate", 193, 67, 50, 14, 0},
    {IDC_OFF_CALC_ANGLE, K::PushButton, "Calculate", 193, 86, 50, 14, 0},
    {IDC_OFF_CALC_RELATIVE, K::PushButton, "Calculate", 193, 105, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 107, 137, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 8, 7, 249, 125, 0},
    {S, K::Label, "Relative gain:", 12, 107, 49, 8, 0},
    {S, K::Label, "Half Power Beamwidth:", 12, 66, 46, 16, 0},
    {S, K::Label, "Offaxis Angle:", 12, 89, 52, 9, 0},
    {S, K::Label, "dB", 159, 108, 21, 9, 0},
    {S, K::Label, "degrees", 159, 70, 30, 9, 0},
    {S, K::Label, "degrees", 159, 89, 30, 9, 0},
    {S, K::Label, "Pattern:", 12, 28, 34, 9, 0},
    {S, K::Label, "Peak Gain:", 12, 50, 46, 11, 0},
    {S, K::Label, "dBi", 159, 51, 21, 9, 0},
};

// The unit labels carry a text here, but every refresh writes the variable's own unit there.
const ControlTemplate Fov1Controls[] = {
    {IDC_FOV1_HEIGHT, K::Edit, "", 113, 22, 70, 14, 0},
    {IDC_FOV1_RADIUS, K::Edit, "", 113, 45, 69, 14, 0},
    {IDC_FOV1_PERIOD, K::Edit, "", 113, 68, 69, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 109, 98, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 5, 7, 256, 86, 0},
    {S, K::Label, "Period of Circular Orbit:", 26, 71, 86, 8, 0},
    {S, K::Label, "Radius of Orbit:", 26, 48, 72, 8, 0},
    {S, K::Label, "Station Height:", 26, 25, 68, 8, 0},
    {IDC_FOV1_HEIGHT_UNIT, K::Label, "km", 187, 25, 28, 8, 0},
    {IDC_FOV1_RADIUS_UNIT, K::Label, "km", 187, 48, 28, 8, 0},
    {IDC_FOV1_PERIOD_UNIT, K::Label, "km", 187, 71, 28, 8, 0},
};

const ControlTemplate Fov2Controls[] = {
    {IDC_FOV2_HEIGHT, K::Edit, "", 104, 34, 70, 14, 0},
    {IDC_FOV2_ELEVATION, K::Edit, "", 104, 51, 69, 14, 0},
    {IDC_FOV2_NADIR, K::Edit, "", 104, 68, 69, 14, 0},
    {IDC_FOV2_DISTANCE, K::Edit, "", 104, 85, 69, 14, 0},
    {IDC_FOV2_FIX_HEIGHT, K::RadioButton, "", 212, 36, 16, 10, CF_GROUP},
    {IDC_FOV2_FIX_ELEVATION, K::RadioButton, "", 212, 53, 16, 10, 0},
    {IDC_FOV2_FIX_NADIR, K::RadioButton, "", 212, 70, 16, 10, 0},
    {IDC_FOV2_FIX_DISTANCE, K::RadioButton, "", 212, 87, 16, 10, 0},
    {IDCANCEL, K::PushButton, "Close", 99, 110, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "", 8, 7, 230, 100, 0},
    {S, K::Label, "Angle at Satellite:", 14, 71, 70, 8, 0},
    {S, K::Label, "Elevation Angle on Earth:", 14, 54, 87, 8, 0},
    {S, K::Label, "Satellite Height:", 14, 37, 73, 8, 0},
    {IDC_FOV2_HEIGHT_UNIT, K::Label, "km", 178, 37, 22, 8, 0},
    {IDC_FOV2_ELEVATION_UNIT, K::Label, "deg", 178, 54, 22, 8, 0},
    {IDC_FOV2_NADIR_UNIT, K::Label, "deg", 178, 71, 22, 8, 0},
    {S, K::Label, "Distance to Earth:", 14, 88, 72, 8, 0},
    {IDC_FOV2_DISTANCE_UNIT, K::Label, "km", 178, 88, 22, 8, 0},
    {S, K::Label, "Fixed:", 207, 18, 21, 8, 0},
};

const ControlTemplate LinkControls[] = {
    {IDC_LINK_FREQUENCY, K::Edit, "", 102, 9, 88, 12, 0},
    {IDC_LINK_TX_POWER, K::Edit, "", 102, 36, 88, 12, 0},
    {IDC_LINK_TX_GAIN, K::Edit, "", 102, 51, 88, 12, 0},
    {IDC_LINK_TX_RELATIVE, K::Edit, "", 102, 66, 88, 12, 0},
    {IDC_LINK_EIRP, K::Edit, "", 102, 81, 88, 12, CF_DISABLED},
    {IDC_LINK_PATH_LOSS, K::Edit, "", 102, 107, 88, 12, 0},
    {IDC_LINK_OTHER_LOSSES, K::Edit, "", 102, 122, 88, 12, 0},
    {IDC_LINK_RX_GAIN, K::Edit, "", 101, 153, 88, 12, 0},
    {IDC_LINK_RX_RELATIVE, K::Edit, "", 101, 168, 88, 12, 0},
    {IDC_LINK_RX_POWER, K::Edit, "", 101, 193, 88, 12, CF_DISABLED},
    {IDC_LINK_NOISE, K::Edit, "", 101, 208, 88, 12, 0},
    {IDC_LINK_CN, K::Edit, "", 101, 223, 88, 12, CF_DISABLED},
    {IDC_LINK_CALC_FREQUENCY, K::PushButton, "Calculate ...", 230, 8, 50, 14, 0},
    {IDC_LINK_CALC_TX_GAIN, K::PushButton, "Calculate ...", 230, 50, 50, 14, 0},
    {IDC_LINK_CALC_TX_OFFAXIS, K::PushButton, "Calculate ...", 230, 65, 50, 14, 0},
    {IDC_LINK_CALC_PATH, K::PushButton, "Calculate ...", 230, 106, 50, 14, 0},
    {IDC_LINK_CALC_RX_GAIN, K::PushButton, "Calculate ...", 230, 152, 50, 14, 0},
    {IDC_LINK_CALC_RX_OFFAXIS, K::PushButton, "Calculate ...", 230, 167, 50, 14, 0},
    {IDC_LINK_CALC_NOISE, K::PushButton, "Calculate ...", 230, 207, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 122, 245, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "Frequency", 6, 1, 281, 24, 0},
    {S, K::Label, "Frequency:", 57, 10, 38, 11, CF_RIGHT},
    {S, K::Label, "Transmit Power:", 24, 38, 71, 8, CF_RIGHT},
    {S, K::Label, "dBW", 197, 38, 18, 8, 0},
    {S, K::Label, "Transmit Peak Gain:", 10, 53, 85, 8, CF_RIGHT},
    {S, K::Label, "dBi", 197, 53, 18, 8, 0},
    {S, K::Label, "Transmit EIRP:", 14, 83, 81, 8, CF_RIGHT},
    {S, K::Label, "dBW", 197, 83, 18, 8, 0},
    {S, K::Label, "Transmit Relative Gain:", 6, 68, 89, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 68, 18, 8, 0},
    {S, K::Label, "Free Space Path Loss:", 23, 109, 72, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 109, 18, 8, 0},
    {S, K::Label, "Other Losses:", 23, 124, 72, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 124, 18, 8, 0},
    {IDC_LINK_SIGNAL_LABEL, K::Label, "Receive Power C: ", 35, 195, 60, 8, CF_RIGHT},
    {S, K::Label, "dBW", 197, 195, 18, 8, 0},
    {S, K::Label, "Receive Peak Gain:", 16, 155, 79, 8, CF_RIGHT},
    {S, K::Label, "dBi", 197, 155, 18, 8, 0},
    {S, K::Label, "Receive Relative Gain:", 8, 170, 87, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 170, 18, 8, 0},
    {IDC_LINK_RATIO_LABEL, K::Label, "C/N:", 59, 225, 36, 8, CF_RIGHT},
    {S, K::Label, "dB", 196, 225, 18, 8, 0},
    {S, K::Label, "Noise N:", 58, 210, 37, 8, CF_RIGHT},
    {S, K::Label, "dBW", 196, 210, 32, 8, 0},
    {S, K::GroupBox, "Transmitter", 6, 25, 281, 72, 0},
    {S, K::GroupBox, "Path", 7, 98, 281, 43, 0},
    {S, K::GroupBox, "Receiver", 7, 143, 281, 41, 0},
    {S, K::GroupBox, "Link", 7, 186, 281, 53, 0},
    {IDC_LINK_FREQUENCY_UNIT, K::Label, "GHz", 198, 11, 18, 8, 0},
};

const ControlTemplate PfdControls[] = {
    {IDC_PFD_FREQUENCY, K::Edit, "", 102, 9, 88, 12, 0},
    {IDC_PFD_TX_POWER, K::Edit, "", 102, 36, 88, 12, 0},
    {IDC_PFD_TX_GAIN, K::Edit, "", 102, 51, 88, 12, 0},
    {IDC_PFD_TX_RELATIVE, K::Edit, "", 102, 66, 88, 12, 0},
    {IDC_PFD_EIRP, K::Edit, "", 102, 81, 88, 12, CF_DISABLED},
    {IDC_PFD_SPREADING, K::Edit, "", 102, 107, 88, 12, 0},
    {IDC_PFD_OTHER_LOSSES, K::Edit, "", 102, 122, 88, 12, 0},
    {IDC_PFD_RX_GAIN, K::Edit, "", 101, 168, 88, 12, 0},
    {IDC_PFD_RX_RELATIVE, K::Edit, "", 101, 183, 88, 12, 0},
    {IDC_PFD_PFD, K::Edit, "", 101, 218, 88, 12, CF_DISABLED},
    {IDC_PFD_CALC_FREQUENCY, K::PushButton, "Calculate ...", 230, 8, 50, 14, 0},
    {IDC_PFD_CALC_TX_GAIN, K::PushButton, "Calculate ...", 230, 50, 50, 14, 0},
    {IDC_PFD_CALC_TX_OFFAXIS, K::PushButton, "Calculate ...", 230, 65, 50, 14, 0},
    {IDC_PFD_CALC_SPREAD, K::PushButton, "Calculate ...", 230, 106, 50, 14, 0},
    {IDC_PFD_CALC_RX_GAIN, K::PushButton, "Calculate ...", 230, 167, 50, 14, 0},
    {IDC_PFD_CALC_RX_OFFAXIS, K::PushButton, "Calculate ...", 230, 182, 50, 14, 0},
    {IDCANCEL, K::PushButton, "Close", 122, 246, 50, 14, CF_DEFAULT},
    {S, K::GroupBox, "Frequency", 6, 1, 281, 24, 0},
    {S, K::Label, "Frequency:", 59, 10, 38, 11, CF_RIGHT},
    {S, K::Label, "Transmit Power:", 30, 38, 67, 8, CF_RIGHT},
    {S, K::Label, "dBW in Reference BW", 197, 38, 83, 8, 0},
    {S, K::Label, "Transmit Peak Gain:", 21, 53, 76, 8, CF_RIGHT},
    {S, K::Label, "dBi", 197, 53, 18, 8, 0},
    {S, K::Label, "Transmit EIRP:", 37, 83, 60, 8, CF_RIGHT},
    {S, K::Label, "dBW in Reference BW", 197, 83, 77, 8, 0},
    {S, K::Label, "Transmit Relative Gain:", 15, 68, 82, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 68, 18, 8, 0},
    {S, K::Label, "Spreading Factor:", 31, 109, 66, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 109, 18, 8, 0},
    {S, K::Label, "Other Losses:", 41, 124, 56, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 124, 18, 8, 0},
    {IDC_PFD_PFD_LABEL, K::Label, "Received PFD:", 38, 219, 59, 11, CF_RIGHT},
    {S, K::Label, "dBW/m^2/Ref.BW", 197, 220, 77, 8, 0},
    {S, K::Label, "Receive Peak Gain:", 16, 170, 81, 8, CF_RIGHT},
    {S, K::Label, "dBi", 197, 170, 18, 8, 0},
    {S, K::Label, "Receive Relative Gain:", 14, 185, 83, 8, CF_RIGHT},
    {S, K::Label, "dB", 197, 185, 18, 8, 0},
    {S, K::GroupBox, "Transmitter", 6, 25, 281, 72, 0},
    {S, K::GroupBox, "Path", 7, 98, 281, 43, 0},
    {S, K::GroupBox, "Receiver", 7, 143, 281, 62, 0},
    {S, K::GroupBox, "PFD", 7, 206, 281, 33, 0},
    {IDC_PFD_FREQUENCY_UNIT, K::Label, "GHz", 198, 11, 18, 8, 0},
    {IDC_PFD_INCLUDE_RX_GAIN, K::CheckBox, "Include Receive Gain (for EPFD Calculation):", 23, 154, 157, 10, CF_LEFTTEXT},
};

// Close is the OK button here, and the dialog is shown by its modal run rather than on creation.
const ControlTemplate CtoNIControls[] = {
    {IDC_CNI_CN, K::Edit, "", 55, 42, 88, 12, 0},
    {IDC_CNI_IN, K::Edit, "", 55, 62, 88, 12, 0},
    {IDC_CNI_CI, K::Edit, "", 55, 82, 88, 12, 0},
    {IDC_CNI_CNI, K::Edit, "", 55, 102, 88, 12, 0},
    {IDC_CNI_CALC_WANTED, K::PushButton, "Calculate ...", 193, 41, 50, 14, 0},
    {IDC_CNI_CALC_INTERFERING, K::PushButton, "Calculate ...", 193, 61, 50, 14, 0},
    {IDOK, K::PushButton, "Close", 103, 128, 50, 14, CF_DEFAULT},
    {S, K::Label, "C/I:", 19, 83, 19, 11, 0},
    {S, K::Label, "dB", 151, 44, 18, 8, 0},
    {S, K::Label, "Fixed when vary \nC/I or C/(N+I):", 147, 19, 80, 17, 0},
    {S, K::Label, "dB", 151, 64, 18, 8, 0},
    {S, K::Label, "C/(N+I):", 19, 103, 30, 11, 0},
    {S, K::Label, "dB", 151, 84, 18, 8, 0},
    {S, K::Label, "I/N:", 19, 63, 19, 11, 0},
    {S, K::Label, "dB", 151, 104, 18, 8, 0},
    {S, K::GroupBox, "C/(N+I) Calculator", 7, 7, 242, 116, 0},
    {IDC_CNI_FIX_CN, K::RadioButton, "", 170, 43, 16, 10, CF_GROUP},
    {IDC_CNI_FIX_IN, K::RadioButton, "", 170, 63, 16, 10, 0},
    {S, K::Label, "C/N:", 19, 43, 19, 11, 0},
};

const DialogTemplate Templates[] = {
    {IDD_ABOUTBOX, "About KorTools", 217, 154, Font, 8, DS_SYSMENU, AboutControls},
    {IDD_KORTOOLS_DIALOG, "KorTools", 121, 207, Font, 8, DS_VISIBLE | DS_SYSMENU | DS_APPWINDOW, LauncherControls},
    {IDD_ERRORMSG, "Error Message", 221, 169, Font, 8, DS_VISIBLE | DS_SYSMENU, ErrorMsgControls},
    {IDD_TOOL_PATH, "Calculate Path Loss ", 226, 176, Font, 8, ToolStyle, PathControls},
    {IDD_TOOL_DB, "Decibel to/from Absolute", 277, 89, Font, 8, ToolStyle, DbControls},
    {IDD_TOOL_FREQ, "Frequency to/from Wavelength", 281, 162, Font, 8, ToolStyle, FreqControls},
    {IDD_TOOL_TEMP, "Noise Temperature Calculation", 256, 111, Font, 8, ToolStyle, TempControls},
    {IDD_TOOL_SPREAD, "Calculate Spreading Loss ", 243, 87, Font, 8, ToolStyle, SpreadControls},
    {IDD_TOOL_GTOT, "Calculate G/T", 265, 128, Font, 8, ToolStyle, GtoTControls},
    {IDD_TOOL_GAIN, "Calculate Peak Gain", 253, 202, Font, 8, ToolStyle, GainControls},
    {IDD_TOOL_T3DB, "Calculate Half Power Beamwidth", 259, 128, Font, 8, ToolStyle, T3dBControls},
    {IDD_TOOL_OFFAXIS, "Calculate Offaxis Gain", 265, 158, Font, 8, ToolStyle, OffaxisControls},
    {IDD_TOOL_FOV1, "Orbit Period Tool", 269, 117, Font, 8, ToolStyle, Fov1Controls},
    {IDD_TOOL_FOV2, "Orbit Field of View Tool", 247, 130, Font, 8, ToolStyle, Fov2Controls},
    {IDD_TOOL_LINK, "Link Budget", 294, 265, Font, 8, ToolStyle, LinkControls},
    {IDD_TOOL_PFD, "Power Flux Density Tool", 294, 266, Font, 8, ToolStyle, PfdControls},
    {IDD_TOOL_CTONI, "C/(N+I) Tool", 256, 148, Font, 8, DS_SYSMENU, CtoNIControls},
};

} // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& dialogTemplate : Templates)
        if (dialogTemplate.id == id)
            return &dialogTemplate;
    return nullptr;
}

const char* TemplateControlText(int dialogId, int controlId)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(dialogId);
    const ControlTemplate* control = dialogTemplate ? dialogTemplate->Find(controlId) : nullptr;
    return control ? control->text : nullptr;
}
