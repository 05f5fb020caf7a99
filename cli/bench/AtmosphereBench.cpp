// How long one full atmospheric-loss computation takes: rain, the line-by-line gas sums, cloud,
// scintillation and their total, as the atmosphere tool works them out for each entry and for
// each point of its plot over the percentage of time.
#include "formulas/Atmosphere.h"

#include <benchmark/benchmark.h>

namespace {

void AtmosphericLossesOnce(benchmark::State& state)
{
    AtmosphereInputs in;
    int i = 0;
    for (auto _ : state) {
        // Two frequencies in turn, so that nothing is worked out once and reused.
        in.frequency = (i ^= 1) ? 14.25 : 29.5;
        const AtmosphereResults out = AtmosphericLosses(in);
        benchmark::DoNotOptimize(out.total);
    }
}
BENCHMARK(AtmosphericLossesOnce)->Unit(benchmark::kMicrosecond);

} // namespace
