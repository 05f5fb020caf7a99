// The chart drawing code lives in a module of its own (kortools-chart.so), loaded on first use,
// so that neither program pays at start-up for the charting library it links. This finds and
// loads it and calls its two entry points.
#pragma once

#include "platform/Chart.h"

#include <string>
#include <vector>

// The module's entry points, plain C so that they are found by name. Both take the chart as
// data; both run the chart module's own Qt code.
extern "C" {
// Runs the chart window modally above `owner` (a QWidget*, or null) and returns when the user
// has closed it. 0, or -1 when there is no application object to show it in.
using KorChartRunFn = int (*)(const ChartData* chart, void* owner);
// Renders the chart into `path`, PNG or SVG by its extension, without showing anything; makes
// an application object when there is none. 0, or -1 with the reason in `error`.
using KorChartRenderFn = int (*)(const ChartData* chart, const char* path, std::string* error);
}

inline constexpr const char* ChartModuleFile = "kortools-chart.so";
inline constexpr const char* ChartRunSymbol = "kortools_chart_run";
inline constexpr const char* ChartRenderSymbol = "kortools_chart_render";

class ChartModule {
public:
    // The module, loaded once per process from the first of `Candidates()` that loads. Null when
    // none does; `error` then says where it was looked for and why it failed.
    static const ChartModule* Get(std::string& error);
    // Loads the module from exactly this file (the tests load the one in the build tree).
    static const ChartModule* LoadFrom(const std::string& path, std::string& error);

    // Beside the running program (the build tree), then ../lib/kortools/ from it (installed).
    static std::vector<std::string> Candidates();

    KorChartRunFn run = nullptr;
    KorChartRenderFn render = nullptr;
};

// Whether `path` ends in an extension the module renders (".png" or ".svg", any case).
bool IsChartImageFile(const std::string& path);
