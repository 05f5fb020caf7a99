// The off-axis gain tool's reference patterns as a chart: relative gain against off-axis angle
// for every pattern, at the tool's peak gain and beamwidth, with the tool's own point marked.
// Shared by the tool's "Plot Pattern..." and by kortools-calc offaxis --plot.
#pragma once

#include "platform/Chart.h"

class CKOTOff;

// Samples per beamwidth, and the most and fewest a curve gets whatever the range.
inline constexpr int PatternSamplesPerBeamwidth = 50;
inline constexpr int PatternMaxSegments = 1000;
inline constexpr int PatternMinSegments = 200;

// The angle (degrees) the curves run to: ten beamwidths, which shows the main lobe and the
// reference envelope well beyond it, but never past 180 degrees; and never short of the tool's
// own off-axis angle, so that the marked point is on the chart.
double PatternChartRange(const CKOTOff& model);

// Reads the model and changes nothing in it.
ChartData PatternChart(const CKOTOff& model);
