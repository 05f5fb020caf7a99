// How long one typed entry takes in the look-angle and link-margin tools: the write through the
// model's SetRealVar, its limit check, and every result derived again. Figures to read, not
// limits a test enforces; both should stay well under a microsecond.
#include "framework/ErrorSink.h"
#include "models/KOTLook.h"
#include "models/KOTMargin.h"

#include <benchmark/benchmark.h>

namespace {

// The satellite's longitude, two values in turn so that nothing is worked out once and reused.
void LookAnglesEntry(benchmark::State& state)
{
    CKOTLook model;
    ErrorSink sink;
    int i = 0;
    for (auto _ : state) {
        model.SetRealVar(CKOTLook::VarSatelliteLongitude, (i ^= 1) ? 19.2 : 28.2, sink);
        benchmark::DoNotOptimize(model.m_skew);
    }
}
BENCHMARK(LookAnglesEntry);

// C/N, two values in turn: the margin, the rates and the search for the best MODCOD.
void LinkMarginEntry(benchmark::State& state)
{
    CKOTMargin model;
    ErrorSink sink;
    int i = 0;
    for (auto _ : state) {
        model.SetRealVar(CKOTMargin::VarCarrierToNoise, (i ^= 1) ? 10.0 : 7.5, sink);
        benchmark::DoNotOptimize(model.m_bestModcod);
    }
}
BENCHMARK(LinkMarginEntry);

} // namespace
