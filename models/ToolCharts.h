// The one place that says which tools have a chart and which chart that is: the command line's
// --plot draws whatever this gives, so a tool's chart joins it by a line here.
#pragma once

#include "platform/Chart.h"

#include <optional>

class CKorObj;

// The chart of the tool whose model `model` is, as its window plots it; none for a tool
// without one. Reads the model and changes nothing in it.
std::optional<ChartData> ChartOfTool(const CKorObj& model);
