#include "dialogs/ChartWindow.h"

#include "framework/ErrorSink.h"
#include "platform/Chart.h"
#include "platform/DialogHost.h"
#include "resources/Strings.h"

#include <string>

namespace {

void ShowError(int problem, int explanation, int suggestion, const std::string& detail = {})
{
    ErrorSink sink;
    sink.Problem = ResourceString(problem);
    sink.Explanation = ResourceString(explanation);
    if (!detail.empty())
        sink.Explanation += ": " + detail;
    sink.Suggestion = ResourceString(suggestion);
    sink.ShowError();
}

} // namespace

void ShowToolChart(ChartData chart)
{
    chart.saveFailed = [](const std::string& reason) {
        ShowError(IDS_IMAGE_PROBLEM, IDS_IMAGE_EXPLANATION, IDS_IMAGE_SUGGESTION, reason);
    };
    DialogHost* host = GetDialogHost();
    if (host && host->ShowChart(chart) == 0)
        return;
    ShowError(IDS_CHART_PROBLEM, IDS_CHART_EXPLANATION, IDS_CHART_SUGGESTION);
}
