// One run of kortools-calc from its parsed command line to its exit status.
#pragma once

#include <cstdio>

struct CalcRequest;

// Writes the results to `out` and what went wrong to `errors`; returns the exit status: 0, or
// ExitRefused, ExitUsage, ExitNoSavedValues, ExitWriteFailed. Never writes the saved values.
int RunCalc(const CalcRequest& request, std::FILE* out, std::FILE* errors);
