#include "cli/CalcOptions.h"

#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>

namespace {

constexpr const char* Description =
    "Runs one KorTools tool from the command line: the same models, limits and messages as the\n"
    "tool's dialog. Entries NAME=VALUE are applied in order, as if typed into the tool's edit\n"
    "boxes, and every variable is printed as \"name = value unit\", as JSON or as CSV.";

// The tools are the registry's, so the list cannot fall behind it.
std::string ToolNamesLine()
{
    std::string line = "Tools:";
    std::size_t width = line.size();
    for (const RegisteredTool& tool : RegisteredTools()) {
        const std::string word = std::string(" ") + tool.name + ",";
        if (width + word.size() > 96) {
            line += "\n";
            width = 0;
        }
        line += width == 0 ? word.substr(1) : word;
        width += word.size();
    }
    line.pop_back();
    return line + " (kortools-calc --list). Variable names: kortools-calc TOOL --vars.\n\n";
}

constexpr const char* Footer = R"(Values are read as the tool's edit box reads them: in the variable's display unit, or ending
in a unit of the same kind (frequency=14GHz, free_space_path_length=36000km, "frequency=14 GHz",
offaxis_angle=0.01rad, orbit_period=1.5h). The tool refuses a unit of another kind, and a
number followed by anything else (frequency=14,5), as it refuses a value outside its limits
(status 2). An enumeration takes the text of a choice or its number (gain_pattern=2). Numbers
always use '.' for the decimal point, whatever the locale.

Sweeps: --sweep NAME=START:STOP:STEP (STOP included) or --sweep NAME=V1,V2,... . Several
sweeps give every combination, the first one outermost. Entries NAME=VALUE are applied once
first, then each point's swept values in the order the sweeps were given. Output: CSV (a header
of names, one row per point) or, with --json, one JSON object per line. A refused point is
left out and reported in one line (the first 20; the rest are counted); a sweep whose every
point the variable's limits refuse does not start (status 64). A failed write stops it (74).

Plots: kortools-calc offaxis [NAME=VALUE...] --plot FILE.svg (or FILE.png) draws the three
reference patterns at the tool's peak gain and beamwidth, as the off-axis tool's "Plot
Pattern..." does; atmos --plot draws the losses against the time percentage, as the Atmosphere
tool's "Plot Attenuation..." does. The tool's values after the entries are marked; the values
are printed too.

Exit status: 0 done; 2 the model refused an entry or a sweep's START, STOP or STEP (its
problem, explanation and suggestion on standard error; with a sweep, the refused points are
left out and the others written);
64 usage error (--plot too: a tool other than offaxis or atmos, a sweep, a file not ending in .png or
.svg); 66 --from-state without saved values to read; 69 --plot: the chart module
(kortools-chart.so, in the package kortools) cannot be loaded; 74 the output (or the plot)
could not be written.
Nothing is ever written to the saved values (kortools.dat).

Examples:
  kortools-calc link c_n=20
  kortools-calc link frequency=14GHz free_space_path_length=36000km --json
  kortools-calc gt --calc temperature peak_gain=30 g_t=5
  kortools-calc path --sweep frequency=10:14:0.5 > loss.csv)";

} // namespace

std::string EscapeControls(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            escaped += "\\n";
        else if (c == '\t')
            escaped += "\\t";
        else if (c == '\r')
            escaped += "\\r";
        else if (byte < 0x20 || byte == 0x7f) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", byte);
            escaped += hex;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string Echoed(std::string_view typed)
{
    constexpr std::size_t Longest = 200;
    if (typed.size() <= Longest)
        return EscapeControls(typed);
    // Never in the middle of a UTF-8 character.
    std::size_t cut = Longest;
    while (cut > 0 && (static_cast<unsigned char>(typed[cut]) & 0xc0) == 0x80)
        --cut;
    return EscapeControls(typed.substr(0, cut)) + "...";
}

namespace {

// Letters put in, left out, changed or swapped with the next.
std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t changed = d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1);
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, changed});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

std::string NearestNames(std::string_view typed, const std::vector<std::string>& names)
{
    // A slip is a third of the name at most, and never the whole of a short one.
    const std::size_t allowed = std::max<std::size_t>(1, typed.size() / 3);
    std::size_t best = allowed + 1;
    std::vector<std::string> nearest;
    for (const std::string& name : names) {
        const bool contains = typed.size() >= 3 && name.find(typed) != std::string::npos;
        const std::size_t distance = contains ? 1 : EditDistance(typed, name);
        if (distance < best) {
            best = distance;
            nearest.clear();
        }
        if (distance == best && nearest.size() < 3)
            nearest.push_back(name);
    }
    if (nearest.empty())
        return "";
    std::string text = " (did you mean ";
    for (std::size_t i = 0; i < nearest.size(); ++i)
        text += (i == 0 ? "'" : i + 1 == nearest.size() ? " or '" : ", '") + nearest[i] + "'";
    return text + "?)";
}

std::string UsageLine(const std::string& what)
{
    return "kortools-calc: " + what + " (see kortools-calc --help)";
}

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    ParsedCommandLine parsed;
    CalcRequest& request = parsed.request;

    CLI::App app(Description, "kortools-calc");
    app.footer(ToolNamesLine() + Footer);
    app.get_formatter()->column_width(30);
    app.add_option("TOOL", request.tool, "The tool to run (see --list)");
    app.add_option("NAME=VALUE", request.entries, "Entries, applied in order");
    app.set_version_flag("--version", std::string("kortools-calc ") + ProgramVersion(), "Print the program's version");
    app.add_flag("--list", request.list, "List the tools with their launcher captions");
    app.add_flag("--vars", request.vars,
                 "List the tool's variables: name, the model's name, display unit, limits, entered or derived");
    app.add_option("--calc", request.calc, "The variable the tool calculates (tools that offer a choice)")
        ->type_name("NAME");
    app.add_option("--fixed", request.fixed, "The variable held fixed (fov, cni)")->type_name("NAME");
    app.add_flag("--epfd", request.epfd, "pfd: include the receive relative gain (EPFD)");
    // One value per occurrence, so that the entries after an option are never taken as more
    // of its values.
    app.add_option("--unit", request.units, "Show a variable in another display unit, e.g. frequency=MHz")
        ->type_name("NAME=LABEL")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--sweep", request.sweeps, "Repeat for each value: NAME=START:STOP:STEP or NAME=V1,V2,...")
        ->type_name("NAME=VALUES")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    app.add_option("--plot", request.plot, "offaxis, atmos: draw the tool's chart into FILE (.png or .svg)")
        ->type_name("FILE");
    auto* json = app.add_flag("--json", request.json, "Write JSON");
    app.add_flag("--csv", request.csv, "Write CSV")->excludes(json);
    app.add_flag("--from-state", request.fromState,
                 "Start from the values the KorTools window kept (read only)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        parsed.outcome = ParsedCommandLine::Outcome::Help;
        parsed.text = app.help();
        // A tool is needed but for --list and --help, which the parser cannot say: TOOL is
        // shown required, as a user must give it.
        const std::string optional = "[TOOL]";
        if (const std::size_t at = parsed.text.find(optional); at != std::string::npos)
            parsed.text.replace(at, optional.size(), "TOOL");
        return parsed;
    } catch (const CLI::CallForVersion& version) {
        parsed.outcome = ParsedCommandLine::Outcome::Version;
        parsed.text = version.what();
        return parsed;
    } catch (const CLI::ParseError& error) {
        parsed.outcome = ParsedCommandLine::Outcome::Usage;
        parsed.text = error.what();
        return parsed;
    }
    return parsed;
}
