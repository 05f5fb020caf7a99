// A tool's chart, shown through the host with the program's own error dialogs around it.
#pragma once

struct ChartData;

// Shows the chart until the user closes it; when it cannot be shown (no chart module), says so
// in the error dialog instead, as a menu command that did nothing would leave the user guessing.
// A failed "Save Image..." in the chart window is explained in the error dialog too, over the
// chart, which stays open.
void ShowToolChart(ChartData chart);
