// The Link Margin tool's MODCODs as a chart: the margin each would leave at the carrier's Es/N0
// against its spectral efficiency, drawn as points, with the chosen MODCOD and the best one
// marked. Shared by the tool's "Plot Margin..." and by kortools-calc margin --plot.
#pragma once

#include "platform/Chart.h"

class CKOTMargin;

// Reads the model and changes nothing in it.
ChartData MarginChart(const CKOTMargin& model);
