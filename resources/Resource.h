// Dialog template ids and control ids.
#pragma once

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_KORTOOLS_DIALOG = 102;
inline constexpr int IDD_ERRORMSG = 123;
inline constexpr int IDD_TOOL_CTONI = 132;
inline constexpr int IDD_TOOL_PATH = 158;
inline constexpr int IDD_TOOL_DB = 159;
inline constexpr int IDD_TOOL_FREQ = 160;
inline constexpr int IDD_TOOL_GAIN = 161;
inline constexpr int IDD_TOOL_T3DB = 162;
inline constexpr int IDD_TOOL_LINK = 164;
inline constexpr int IDD_TOOL_TEMP = 165;
inline constexpr int IDD_TOOL_FOV1 = 216;
inline constexpr int IDD_TOOL_FOV2 = 217;
inline constexpr int IDD_TOOL_SPREAD = 218;
inline constexpr int IDD_TOOL_PFD = 219;
inline constexpr int IDD_TOOL_GTOT = 220;
inline constexpr int IDD_TOOL_OFFAXIS = 221;
inline constexpr int IDD_TOOL_ATMOS = 222;
inline constexpr int IDD_TOOL_LOOK = 223;
inline constexpr int IDD_TOOL_MARGIN = 224;

// Error message dialog.
inline constexpr int IDC_ERR_PROBLEM = 140;
inline constexpr int IDC_ERR_EXPLANATION = 141;
inline constexpr int IDC_ERR_SUGGESTION = 143;

// Launcher buttons and logo.
inline constexpr int IDC_BUTTON_DB = 1000;
inline constexpr int IDC_BUTTON_FREQ = 1001;
inline constexpr int IDC_BUTTON_PATH = 1002;
inline constexpr int IDC_BUTTON_PERIOD = 1003;
inline constexpr int IDC_BUTTON_TEMP = 1004;
inline constexpr int IDC_BUTTON_GMAX = 1005;
inline constexpr int IDC_BUTTON_GREL = 1006;
inline constexpr int IDC_BUTTON_THETA3DB = 1007;
inline constexpr int IDC_BUTTON_CN = 1008;
inline constexpr int IDC_BUTTON_ANGLES = 1009;
inline constexpr int IDC_BUTTON_CNI = 1011;
inline constexpr int IDC_BUTTON_PFD = 1012;
inline constexpr int IDC_BUTTON_GTOT = 1013;
inline constexpr int IDC_BUTTON_SPREAD = 1016;
inline constexpr int IDC_LOGO = 1025;
// The "Link Design:" group under the two columns.
inline constexpr int IDC_BUTTON_ATMOS = 1026;
inline constexpr int IDC_BUTTON_LOOK = 1027;
inline constexpr int IDC_BUTTON_MARGIN = 1028;
// The launcher's menu command that opens the About box.
inline constexpr int IDM_ABOUTBOX = 0x0010;
// Every tool's window menu: its values, or the kortools-calc command line that gives them, to
// the clipboard. Like the About box's, the low four bits are left to the window system.
inline constexpr int IDM_COPY_VALUES = 0x0020;
inline constexpr int IDM_COPY_COMMAND = 0x0030;
// The off-axis gain tool's window menu: its reference patterns as a chart.
inline constexpr int IDM_PLOT_PATTERN = 0x0040;
// The Atmosphere tool's window menu: its attenuations against the time percentage as a chart.
inline constexpr int IDM_PLOT_ATTENUATION = 0x0050;
// The link and PFD budgets' window menu: the Atmosphere tool over the budget, whose total
// becomes the budget's other losses.
inline constexpr int IDM_ATMOSPHERIC_LOSSES = 0x0060;
// The budgets' window menu: the Look Angles tool, whose slant range becomes the path length; and
// the link's: the Link Margin tool over its C/N. The Link Margin tool's own: its chart.
inline constexpr int IDM_LOOK_ANGLES = 0x0070;
inline constexpr int IDM_LINK_MARGIN = 0x0080;
inline constexpr int IDM_PLOT_MARGIN = 0x0090;

// Decibel tool.
inline constexpr int IDC_DB_ABSOLUTE = 367;
inline constexpr int IDC_DB_TO_DB = 368;
inline constexpr int IDC_DB_TO_ABSOLUTE = 369;
inline constexpr int IDC_DB_DECIBELS = 370;

// Frequency tool.
inline constexpr int IDC_FREQ_FREQUENCY = 379;
inline constexpr int IDC_FREQ_WAVELENGTH = 380;
inline constexpr int IDC_FREQ_TO_WAVELENGTH = 381;
inline constexpr int IDC_FREQ_TO_FREQUENCY = 382;
inline constexpr int IDC_FREQ_HZ = 371;
inline constexpr int IDC_FREQ_GHZ = 372;
inline constexpr int IDC_FREQ_MHZ = 373;
inline constexpr int IDC_FREQ_KHZ = 374;
inline constexpr int IDC_FREQ_KM = 375;
inline constexpr int IDC_FREQ_M = 376;
inline constexpr int IDC_FREQ_CM = 377;
inline constexpr int IDC_FREQ_MM = 378;

// Spreading loss tool.
inline constexpr int IDC_SPREAD_DISTANCE = 1008;
inline constexpr int IDC_SPREAD_LOSS = 362;
inline constexpr int IDC_SPREAD_CALC_DISTANCE = 366;
inline constexpr int IDC_SPREAD_CALC_LOSS = 369;

// Path loss tool.
inline constexpr int IDC_PATH_DISTANCE = 367;
inline constexpr int IDC_PATH_FREQUENCY = 361;
inline constexpr int IDC_PATH_GHZ = 363;
inline constexpr int IDC_PATH_MHZ = 364;
inline constexpr int IDC_PATH_KHZ = 365;
inline constexpr int IDC_PATH_HZ = 370;
inline constexpr int IDC_PATH_LOSS = 362;
inline constexpr int IDC_PATH_CALC_DISTANCE = 366;
inline constexpr int IDC_PATH_CALC_FREQUENCY = 368;
inline constexpr int IDC_PATH_CALC_LOSS = 369;

// Noise temperature tool.
inline constexpr int IDC_TEMP_NOISE = 412;
inline constexpr int IDC_TEMP_TEMPERATURE = 413;
inline constexpr int IDC_TEMP_BANDWIDTH = 417;
inline constexpr int IDC_TEMP_CALC_NOISE = 415;
inline constexpr int IDC_TEMP_CALC_TEMPERATURE = 414;
inline constexpr int IDC_TEMP_CALC_BANDWIDTH = 416;

// G/T tool.
inline constexpr int IDC_GTOT_GAIN = 1017;
inline constexpr int IDC_GTOT_TEMPERATURE = 1018;
inline constexpr int IDC_GTOT_GTOT = 1019;
inline constexpr int IDC_GTOT_CALC_GAIN = 1020;
inline constexpr int IDC_GTOT_CALC_TEMPERATURE = 1021;
inline constexpr int IDC_GTOT_CALC_GTOT = 1022;

// Peak gain tool.
inline constexpr int IDC_GAIN_FREQUENCY = 387;
inline constexpr int IDC_GAIN_GHZ = 388;
inline constexpr int IDC_GAIN_MHZ = 389;
inline constexpr int IDC_GAIN_KHZ = 390;
inline constexpr int IDC_GAIN_HZ = 391;
inline constexpr int IDC_GAIN_DISH = 380;
inline constexpr int IDC_GAIN_EFFICIENCY = 381;
inline constexpr int IDC_GAIN_GAIN = 382;
inline constexpr int IDC_GAIN_CALC_FREQUENCY = 383;
inline constexpr int IDC_GAIN_CALC_DISH = 384;
inline constexpr int IDC_GAIN_CALC_EFFICIENCY = 385;
inline constexpr int IDC_GAIN_CALC_GAIN = 386;

// Half power beamwidth tool.
inline constexpr int IDC_T3DB_GAIN = 399;
inline constexpr int IDC_T3DB_EFFICIENCY = 398;
inline constexpr int IDC_T3DB_BEAMWIDTH = 400;
inline constexpr int IDC_T3DB_CALC_GAIN = 403;
inline constexpr int IDC_T3DB_CALC_EFFICIENCY = 402;
inline constexpr int IDC_T3DB_CALC_BEAMWIDTH = 401;

// Off-axis gain tool.
inline constexpr int IDC_OFF_PATTERN = 1023;
inline constexpr int IDC_OFF_GAIN = 410;
inline constexpr int IDC_OFF_BEAMWIDTH = 405;
inline constexpr int IDC_OFF_ANGLE = 404;
inline constexpr int IDC_OFF_RELATIVE = 406;
inline constexpr int IDC_OFF_CALC_BEAMWIDTH = 408;
inline constexpr int IDC_OFF_CALC_ANGLE = 407;
inline constexpr int IDC_OFF_CALC_RELATIVE = 409;

// Orbit period tool.
inline constexpr int IDC_FOV1_HEIGHT = 1127;
inline constexpr int IDC_FOV1_RADIUS = 1128;
inline constexpr int IDC_FOV1_PERIOD = 1130;
inline constexpr int IDC_FOV1_HEIGHT_UNIT = 1124;
inline constexpr int IDC_FOV1_RADIUS_UNIT = 1125;
inline constexpr int IDC_FOV1_PERIOD_UNIT = 1131;

// Orbit field-of-view tool.
inline constexpr int IDC_FOV2_HEIGHT = 1127;
inline constexpr int IDC_FOV2_ELEVATION = 1001;
inline constexpr int IDC_FOV2_NADIR = 1130;
inline constexpr int IDC_FOV2_DISTANCE = 1129;
inline constexpr int IDC_FOV2_FIX_HEIGHT = 1003;
inline constexpr int IDC_FOV2_FIX_ELEVATION = 1004;
inline constexpr int IDC_FOV2_FIX_NADIR = 1005;
inline constexpr int IDC_FOV2_FIX_DISTANCE = 1006;
inline constexpr int IDC_FOV2_HEIGHT_UNIT = 1124;
inline constexpr int IDC_FOV2_ELEVATION_UNIT = 1002;
inline constexpr int IDC_FOV2_NADIR_UNIT = 1131;
inline constexpr int IDC_FOV2_DISTANCE_UNIT = 1126;

// Link budget tool; the PFD tool shares the ids of the controls the two have in common.
inline constexpr int IDC_LINK_FREQUENCY = 411;
inline constexpr int IDC_LINK_TX_POWER = 412;
inline constexpr int IDC_LINK_TX_GAIN = 413;
inline constexpr int IDC_LINK_TX_RELATIVE = 414;
inline constexpr int IDC_LINK_EIRP = 416;
inline constexpr int IDC_LINK_PATH_LOSS = 417;
inline constexpr int IDC_LINK_OTHER_LOSSES = 418;
inline constexpr int IDC_LINK_RX_GAIN = 423;
inline constexpr int IDC_LINK_RX_RELATIVE = 424;
inline constexpr int IDC_LINK_RX_POWER = 422;
inline constexpr int IDC_LINK_NOISE = 419;
inline constexpr int IDC_LINK_CN = 428;
inline constexpr int IDC_LINK_CALC_FREQUENCY = 410;
inline constexpr int IDC_LINK_CALC_TX_GAIN = 415;
inline constexpr int IDC_LINK_CALC_TX_OFFAXIS = 420;
inline constexpr int IDC_LINK_CALC_PATH = 421;
inline constexpr int IDC_LINK_CALC_RX_GAIN = 425;
inline constexpr int IDC_LINK_CALC_RX_OFFAXIS = 426;
inline constexpr int IDC_LINK_CALC_NOISE = 429;
inline constexpr int IDC_LINK_SIGNAL_LABEL = 1012;
inline constexpr int IDC_LINK_RATIO_LABEL = 1013;
inline constexpr int IDC_LINK_FREQUENCY_UNIT = 431;

// Power flux density tool.
inline constexpr int IDC_PFD_FREQUENCY = 411;
inline constexpr int IDC_PFD_TX_POWER = 412;
inline constexpr int IDC_PFD_TX_GAIN = 413;
inline constexpr int IDC_PFD_TX_RELATIVE = 414;
inline constexpr int IDC_PFD_EIRP = 416;
inline constexpr int IDC_PFD_SPREADING = 417;
inline constexpr int IDC_PFD_OTHER_LOSSES = 418;
inline constexpr int IDC_PFD_RX_GAIN = 423;
inline constexpr int IDC_PFD_RX_RELATIVE = 424;
inline constexpr int IDC_PFD_PFD = 1016;
inline constexpr int IDC_PFD_CALC_FREQUENCY = 410;
inline constexpr int IDC_PFD_CALC_TX_GAIN = 415;
inline constexpr int IDC_PFD_CALC_TX_OFFAXIS = 420;
inline constexpr int IDC_PFD_CALC_SPREAD = 421;
inline constexpr int IDC_PFD_CALC_RX_GAIN = 425;
inline constexpr int IDC_PFD_CALC_RX_OFFAXIS = 426;
inline constexpr int IDC_PFD_PFD_LABEL = 1015;
inline constexpr int IDC_PFD_FREQUENCY_UNIT = 431;
inline constexpr int IDC_PFD_INCLUDE_RX_GAIN = 1014;

// C/(N+I) tool.
inline constexpr int IDC_CNI_CN = 1013;
inline constexpr int IDC_CNI_IN = 1014;
inline constexpr int IDC_CNI_CI = 1015;
inline constexpr int IDC_CNI_CNI = 1009;
inline constexpr int IDC_CNI_CALC_WANTED = 411;
inline constexpr int IDC_CNI_CALC_INTERFERING = 413;
inline constexpr int IDC_CNI_FIX_CN = 1011;
inline constexpr int IDC_CNI_FIX_IN = 1012;

// Atmosphere tool: entries, then results, in the window's order.
inline constexpr int IDC_ATMOS_FREQUENCY = 1100;
inline constexpr int IDC_ATMOS_ELEVATION = 1101;
inline constexpr int IDC_ATMOS_LATITUDE = 1102;
inline constexpr int IDC_ATMOS_STATION_HEIGHT = 1103;
inline constexpr int IDC_ATMOS_TILT = 1104;
inline constexpr int IDC_ATMOS_DIAMETER = 1105;
inline constexpr int IDC_ATMOS_EFFICIENCY = 1106;
inline constexpr int IDC_ATMOS_PERCENTAGE = 1107;
inline constexpr int IDC_ATMOS_RAIN_ZONE = 1108;
inline constexpr int IDC_ATMOS_RAIN_RATE = 1109;
inline constexpr int IDC_ATMOS_RAIN_HEIGHT = 1110;
inline constexpr int IDC_ATMOS_PRESSURE = 1111;
inline constexpr int IDC_ATMOS_TEMPERATURE = 1112;
inline constexpr int IDC_ATMOS_VAPOUR_DENSITY = 1113;
inline constexpr int IDC_ATMOS_VAPOUR_CONTENT = 1114;
inline constexpr int IDC_ATMOS_LIQUID_WATER = 1115;
inline constexpr int IDC_ATMOS_NWET = 1116;
inline constexpr int IDC_ATMOS_RAIN_SPECIFIC = 1120;
inline constexpr int IDC_ATMOS_RAIN = 1121;
inline constexpr int IDC_ATMOS_GAS = 1122;
inline constexpr int IDC_ATMOS_CLOUD = 1123;
inline constexpr int IDC_ATMOS_SCINTILLATION = 1124;
inline constexpr int IDC_ATMOS_TOTAL = 1125;
inline constexpr int IDC_ATMOS_AVAILABILITY = 1126;
inline constexpr int IDC_ATMOS_SKY_TEMPERATURE = 1127;

// Look Angles tool.
inline constexpr int IDC_LOOK_LATITUDE = 1140;
inline constexpr int IDC_LOOK_LONGITUDE = 1141;
inline constexpr int IDC_LOOK_STATION_HEIGHT = 1142;
inline constexpr int IDC_LOOK_SATELLITE = 1143;
inline constexpr int IDC_LOOK_AZIMUTH = 1144;
inline constexpr int IDC_LOOK_ELEVATION = 1145;
inline constexpr int IDC_LOOK_RANGE = 1146;
inline constexpr int IDC_LOOK_SKEW = 1147;
inline constexpr int IDC_LOOK_BELOW_HORIZON = 1148;

// Link Margin tool.
inline constexpr int IDC_MARGIN_CN = 1160;
inline constexpr int IDC_MARGIN_BANDWIDTH = 1161;
inline constexpr int IDC_MARGIN_SYMBOL_RATE = 1162;
inline constexpr int IDC_MARGIN_ROLL_OFF = 1163;
inline constexpr int IDC_MARGIN_MODCOD = 1164;
inline constexpr int IDC_MARGIN_IMPLEMENTATION = 1165;
inline constexpr int IDC_MARGIN_CN0 = 1166;
inline constexpr int IDC_MARGIN_ESN0 = 1167;
inline constexpr int IDC_MARGIN_EBN0 = 1168;
inline constexpr int IDC_MARGIN_REQUIRED = 1169;
inline constexpr int IDC_MARGIN_MARGIN = 1170;
inline constexpr int IDC_MARGIN_BIT_RATE = 1171;
inline constexpr int IDC_MARGIN_OCCUPIED = 1172;
inline constexpr int IDC_MARGIN_BEST = 1173;
