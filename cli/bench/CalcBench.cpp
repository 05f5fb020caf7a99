// How fast the command-line program works a link budget: one typed entry through the model, and
// a million-point sweep written as CSV. Figures to read, not limits a test enforces: the machine
// decides them as much as the code does.
#include "cli/CalcTool.h"
#include "cli/Output.h"
#include "cli/Sweep.h"
#include "framework/ErrorSink.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// A frequency typed into the link tool, read by SetValueFromText, and C/N recomputed from it.
void LinkEntry(benchmark::State& state)
{
    const RegisteredTool& tool = *FindTool("link");
    const auto models = std::make_unique<ToolModels>();
    PrepareStartingModels(*models);
    CKOTLink& link = models->link;
    const std::string texts[] = {"14.25", "11.7"};
    ErrorSink refused;
    int i = 0;
    for (auto _ : state) {
        ApplyEntry(tool, link, CKOTLink::VarFrequency, texts[i ^= 1], refused);
        benchmark::DoNotOptimize(link.m_cn);
    }
}
BENCHMARK(LinkEntry);

// kortools-calc link --sweep frequency=1:1000000:1 > /dev/null, within the process.
void LinkSweep(benchmark::State& state)
{
    std::FILE* null = std::fopen("/dev/null", "w");
    for (auto _ : state) {
        CalcTool tool(*FindTool("link"), StartingModels(false));
        const std::vector<SweepAxis> axes{SweepAxis(tool, "frequency=1:1000000:1")};
        OutputBuffer out(null);
        const SweepResult result = RunSweep(tool, axes, false, out, stderr);
        out.Flush();
        benchmark::DoNotOptimize(result.points);
    }
    std::fclose(null);
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(LinkSweep)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
