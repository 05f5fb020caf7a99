// The program's string table: every error text and menu text the user can see.
#pragma once

// Launcher context menu item that opens the About box.
inline constexpr int IDS_ABOUTBOX = 101;
// Every tool's window menu items that copy its values, and the command line that gives them.
inline constexpr int IDS_COPY_VALUES = 102;
inline constexpr int IDS_COPY_COMMAND = 103;
// The off-axis gain tool's window menu item that plots its patterns, and what it shows when the
// chart cannot be drawn.
inline constexpr int IDS_PLOT_PATTERN = 104;
inline constexpr int IDS_CHART_PROBLEM = 105;
inline constexpr int IDS_CHART_EXPLANATION = 106;
inline constexpr int IDS_CHART_SUGGESTION = 107;
// What the launcher shows when the values could not be kept for the next run; the path and the
// system's reason follow the explanation.
inline constexpr int IDS_STATE_PROBLEM = 108;
inline constexpr int IDS_STATE_EXPLANATION = 109;
inline constexpr int IDS_STATE_SUGGESTION = 110;
// What a chart window shows when "Save Image..." could not write the file; the file and the
// system's reason follow the explanation.
inline constexpr int IDS_IMAGE_PROBLEM = 111;
inline constexpr int IDS_IMAGE_EXPLANATION = 112;
inline constexpr int IDS_IMAGE_SUGGESTION = 113;
// The Atmosphere tool's window menu item that plots its attenuations, and the budgets' item
// that opens the Atmosphere tool over them.
inline constexpr int IDS_PLOT_ATTENUATION = 114;
inline constexpr int IDS_ATMOSPHERIC_LOSSES = 115;
inline constexpr int IDS_LOOK_ANGLES = 116;
inline constexpr int IDS_LINK_MARGIN = 117;
inline constexpr int IDS_PLOT_MARGIN = 118;

// Error texts: one id per error code and text, code = id - base.
inline constexpr int IDS_ERROR_PROBLEM = 1000;
inline constexpr int IDS_ERROR_EXPLANATION = 1100;
inline constexpr int IDS_ERROR_SUGGESTION = 1200;

// The text of a string id, or null when the table has no such id.
const char* ResourceString(int id);

// The text a dialog template gives one of its controls (a launcher button's caption), or null
// when there is no such dialog or control. For code that names controls by id without seeing
// the templates' types.
const char* TemplateControlText(int dialogId, int controlId);
