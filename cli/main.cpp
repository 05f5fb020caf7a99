// kortools-calc: every KorTools tool from the command line, over the same models as the window.
// The program never sets a locale: numbers are read and written with a '.' whatever LANG says.
#include "cli/CalcOptions.h"
#include "cli/CalcRun.h"

#include <cstdio>

int main(int argc, char** argv)
{
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    switch (parsed.outcome) {
    case ParsedCommandLine::Outcome::Version:
        std::fprintf(stdout, "%s\n", parsed.text.c_str());
        return std::fflush(stdout) == 0 ? 0 : ExitWriteFailed;
    case ParsedCommandLine::Outcome::Help:
        std::fputs(parsed.text.c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : ExitWriteFailed;
    case ParsedCommandLine::Outcome::Usage:
        std::fprintf(stderr, "%s\n", UsageLine(parsed.text).c_str());
        return ExitUsage;
    case ParsedCommandLine::Outcome::Run:
        break;
    }
    return RunCalc(parsed.request, stdout, stderr);
}
