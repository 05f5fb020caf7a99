#include "cli/CalcRun.h"

#include "cli/CalcOptions.h"
#include "cli/CalcTool.h"
#include "cli/EntryText.h"
#include "cli/Output.h"
#include "cli/Sweep.h"
#include "framework/KorObj.h"
#include "models/ToolCatalog.h"
#include "models/ToolCharts.h"
#include "models/ToolRegistry.h"
#include "platform/ChartModule.h"
#include "state/StateFile.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

int Finish(OutputBuffer& out, std::FILE* errors, int status)
{
    if (!out.Flush()) {
        std::fprintf(errors, "kortools-calc: the output could not be written: %s\n", std::strerror(out.Error()));
        return ExitWriteFailed;
    }
    return status;
}

void ReportRefusal(std::FILE* errors, const ErrorSink& refused)
{
    std::fprintf(errors, "%s\n%s\n%s\n", refused.Problem.c_str(), EscapeControls(refused.Explanation).c_str(),
                 refused.Suggestion.c_str());
}

// The tools that have a chart, as the command line names them: "offaxis or atmos".
std::string PlottingTools()
{
    const auto models = std::make_unique<ToolModels>();
    std::vector<std::string> names;
    for (const RegisteredTool& tool : RegisteredTools())
        if (ChartOfTool(tool.model(*models)))
            names.emplace_back(tool.name);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + names[i];
    return text;
}

// Everything --plot asks of the command line, checked before anything is applied.
void CheckPlotRequest(const CalcRequest& request, const CKorObj& model)
{
    if (request.plot.empty())
        return;
    if (!ChartOfTool(model))
        throw UsageError("--plot draws a chart of " + PlottingTools() + " only");
    if (!request.sweeps.empty() || request.vars)
        throw UsageError("--plot takes no --sweep or --vars");
    if (!IsChartImageFile(request.plot))
        throw UsageError("--plot " + Echoed(request.plot) + ": the file name must end in .png or .svg");
}

// Through the same drawing code as the window's chart, in the module the window loads, so that
// this program links no toolkit. Drawn offscreen unless the caller chose a platform.
int WritePlot(const CKorObj& model, const std::string& path, std::FILE* errors)
{
    std::string error;
    const ChartModule* module = ChartModule::Get(error);
    if (!module) {
        // The module comes with the window program's package, which a machine running only
        // this program may lack.
        std::fprintf(errors,
                     "kortools-calc: --plot needs the chart module, installed with the package kortools "
                     "(apt install kortools): %s\n",
                     error.c_str());
        return ExitUnavailable;
    }
    // An empty setting chooses nothing, and Qt would then try the desktop's display.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // CheckPlotRequest has made sure the tool has one.
    const std::optional<ChartData> chart = ChartOfTool(model);
    if (module->render(&*chart, path.c_str(), &error) != 0) {
        std::fprintf(errors, "kortools-calc: --plot: %s\n", error.c_str());
        return ExitWriteFailed;
    }
    return 0;
}

int Calculate(const CalcRequest& request, std::FILE* errors, OutputBuffer& out)
{
    if (request.list) {
        if (!request.tool.empty() || !request.entries.empty())
            throw UsageError("--list takes no tool or entries");
        WriteToolList(out);
        return 0;
    }
    if (request.tool.empty())
        throw UsageError("no tool given");
    const RegisteredTool* catalogTool = FindTool(request.tool);
    if (!catalogTool) {
        std::vector<std::string> names;
        for (const RegisteredTool& tool : RegisteredTools())
            names.emplace_back(tool.name);
        throw UsageError("unknown tool '" + Echoed(request.tool) + "'" + NearestNames(request.tool, names));
    }

    std::unique_ptr<ToolModels> models = StartingModels(request.fromState);
    if (!models) {
        const std::optional<std::string> path = GetStateFilePath();
        std::fprintf(errors, "kortools-calc: --from-state: no saved values to read in %s\n",
                     path ? path->c_str() : "any directory");
        return ExitNoSavedValues;
    }
    CalcTool tool(*catalogTool, std::move(models));
    tool.ApplyChoices(request);
    CKorObj& model = tool.Model();
    CheckPlotRequest(request, model);

    if (request.vars) {
        if (!request.entries.empty() || !request.sweeps.empty())
            throw UsageError("--vars takes no entries or sweeps");
        for (int index = VarIndexDescription + 1; index < model.GetVarCount(); ++index)
            WriteVarLine(out, model, index, VarLabelInWindow(tool.Tool(), index), tool.CanEnter(index));
        return 0;
    }

    // Every word is read before any is applied, so that a mistyped name never leaves half a
    // run behind it.
    std::vector<CalcEntry> entries;
    for (const std::string& word : request.entries)
        entries.push_back(tool.Resolve(word));
    std::vector<SweepAxis> axes;
    for (const std::string& word : request.sweeps)
        axes.emplace_back(tool, word);

    for (const CalcEntry& entry : entries) {
        ErrorSink refused;
        if (!tool.Apply(model, entry, refused)) {
            ReportRefusal(errors, refused);
            return ExitRefused;
        }
    }
    DeriveAfterEntries(*catalogTool, model);

    if (!axes.empty()) {
        const SweepResult result = RunSweep(tool, axes, request.json, out, errors);
        return result.refused > 0 ? ExitRefused : 0;
    }
    if (!request.plot.empty()) {
        if (const int status = WritePlot(model, request.plot, errors))
            return status;
    }
    const ValueColumns columns(model);
    if (request.json) {
        columns.WriteJson(out, *catalogTool, model, 0);
    } else if (request.csv) {
        columns.WriteCsvHeader(out);
        columns.WriteCsvRow(out, model);
    } else {
        WriteValueText(out, model);
    }
    return 0;
}

} // namespace

int RunCalc(const CalcRequest& request, std::FILE* out, std::FILE* errors)
{
    OutputBuffer buffer(out);
    int status = 0;
    try {
        status = Calculate(request, errors, buffer);
    } catch (const UsageError& error) {
        std::fprintf(errors, "%s\n", UsageLine(error.what()).c_str());
        return ExitUsage;
    } catch (const RefusedEntry& refused) {
        ReportRefusal(errors, refused.Refusal());
        return ExitRefused;
    }
    return Finish(buffer, errors, status);
}
