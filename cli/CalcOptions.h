// The command line of kortools-calc, read into one request.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What one run was asked to do. Names and values are kept as typed; they mean something only
// against the tool's model, which is where they are checked.
struct CalcRequest {
    std::string tool;
    bool list = false;      // --list: the tools and their captions
    bool vars = false;      // --vars: the tool's variables
    bool json = false;
    bool csv = false;
    bool fromState = false; // --from-state: start from the values the launcher kept
    bool epfd = false;      // --epfd: the PFD includes the receive relative gain
    std::string calc;       // --calc NAME, empty for the tool's own choice
    std::string fixed;      // --fixed NAME, empty for the tool's own choice
    std::vector<std::string> units;   // --unit NAME=LABEL, in order
    std::vector<std::string> sweeps;  // --sweep NAME=START:STOP:STEP or NAME=V1,V2,...
    std::vector<std::string> entries; // NAME=VALUE, in order
    std::string plot;       // --plot FILE: offaxis's patterns drawn into a PNG or SVG file
};

// A command line the program cannot carry out as asked: an unknown tool, variable, unit or
// option, or a word it cannot read. Reported in one line, with exit status 64.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int ExitRefused = 2;
inline constexpr int ExitUsage = 64;
inline constexpr int ExitNoSavedValues = 66;
inline constexpr int ExitUnavailable = 69;
inline constexpr int ExitWriteFailed = 74;

struct ParsedCommandLine {
    enum class Outcome { Run, Help, Usage, Version };
    Outcome outcome = Outcome::Run;
    CalcRequest request;
    std::string text; // the help text, or what is wrong with the command line
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

// Command-line text as a message quotes it: control characters escaped (\n, \x1b), and cut
// after 200 characters, so that a stray paste never floods or drives the terminal.
std::string Echoed(std::string_view typed);
// Only the control characters escaped: for the model's texts, which quote what was typed.
std::string EscapeControls(std::string_view text);

// " (did you mean 'link'?)" for the names within a typing slip of `typed`, nearest first; empty
// when none is.
std::string NearestNames(std::string_view typed, const std::vector<std::string>& names);

// The one line a usage error prints on standard error.
std::string UsageLine(const std::string& what);
