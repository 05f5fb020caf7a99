// The Atmosphere tool's losses as a chart: rain, gases, clouds, scintillation and their total
// against the time percentage, on a logarithmic percentage axis, with the tool's own percentage
// marked on the total. Shared by the tool's "Plot Attenuation..." and by kortools-calc atmos --plot.
#pragma once

#include "platform/Chart.h"

class CKOTAtmos;

// The percentages (%) the curves run over: the tool's own limits, where the rain method holds.
inline constexpr double AtmosphereChartLowest = 0.001;
inline constexpr double AtmosphereChartHighest = 5.0;
// Samples per decade of percentage: the curves bend most towards the rarest percentages, and
// forty a decade draws them smooth at any size the chart window is given.
inline constexpr int AtmosphereSamplesPerDecade = 40;

// Reads the model and changes nothing in it.
ChartData AtmosphereChart(const CKOTAtmos& model);
