// Every example the user is shown runs as printed: those of --help, of the manual page and of the
// README's section on kortools-calc, each through the installed program.
#include "resources/Version.h"
#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The sources, two folders above this file.
std::string SourceText(const std::string& relative)
{
    const fs::path root = fs::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / relative);
    EXPECT_TRUE(in) << relative;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The command of each line between `from` and `to` that starts with `prefix`, without it.
std::vector<std::string> Examples(const std::string& text, const std::string& from, const std::string& to,
                                  const std::string& prefix)
{
    std::vector<std::string> examples;
    bool inside = false;
    for (const std::string& line : Lines(text)) {
        if (line.rfind(from, 0) == 0) {
            inside = true;
            continue;
        }
        if (inside && line.rfind(to, 0) == 0)
            break;
        if (inside && line.rfind(prefix, 0) == 0)
            examples.push_back(line.substr(prefix.size()));
    }
    return examples;
}

// Roff's "\-" is the '-' the user types.
std::string Unroff(std::string line)
{
    for (std::size_t at; (at = line.find("\\-")) != std::string::npos;)
        line.erase(at, 1);
    return line;
}

TEST(CalcExamples, EveryExampleShownRunsAsPrinted)
{
    const CalcRun help = RunCalc({"--help"});
    ASSERT_EQ(help.status, 0);
    std::vector<std::string> manual;
    for (const std::string& line : Examples(SourceText("cli/kortools-calc.1"), ".SH EXAMPLES", ".SH", ".B "))
        manual.push_back(Unroff(line));
    const struct {
        const char* where;
        std::vector<std::string> examples;
    } sources[] = {
        {"--help", Examples(help.out, "Examples:", "\x01", "  ")},
        {"manual page", manual},
        {"README", Examples(SourceText("README.md"), "## Command line: kortools-calc", "## ", "$ ")},
    };
    char directory[] = "/tmp/kortools-calc-examples-XXXXXX";
    ASSERT_NE(::mkdtemp(directory), nullptr);
    const std::string name = "kortools-calc";
    for (const auto& source : sources) {
        SCOPED_TRACE(source.where);
        int run = 0;
        for (const std::string& example : source.examples) {
            if (example.rfind(name + ' ', 0) != 0)
                continue; // "$ cat loss.csv" and the like
            SCOPED_TRACE(example);
            ++run;
            const CalcRun result = RunProgram({"/bin/sh", "-c",
                                               std::string("cd ") + directory + " && '" + CalcProgram() + "'" +
                                                   example.substr(name.size())});
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(result.err, "");
        }
        EXPECT_GE(run, 3) << "examples found";
    }
    fs::remove_all(directory);
}

TEST(CalcExamples, VersionPrintsTheProgramsVersion)
{
    const CalcRun run = RunCalc({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("kortools-calc ") + KorToolsVersion + "\n");
    EXPECT_EQ(run.err, "");
}

} // namespace
