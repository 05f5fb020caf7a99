// kortools-calc offaxis --plot and atmos --plot: the tool's chart drawn into a file through the
// chart module that the staged install carries, with no display.
#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

class PlotDirectory {
public:
    PlotDirectory()
    {
        char path[] = "/tmp/kortools-calc-plot-XXXXXX";
        m_path = ::mkdtemp(path) ? path : "";
        EXPECT_FALSE(m_path.empty());
    }
    ~PlotDirectory() { fs::remove_all(m_path); }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

#ifdef KORTOOLS_CHART_BUILT
// With no display at all: the program draws offscreen by itself.
TEST(CalcPlot, WritesTheToolsChartAsSvgAndPngAfterTheEntries)
{
    PlotDirectory dir;
    const std::vector<std::string> noDisplay{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="};

    const struct {
        std::vector<std::string> entries;
        const char* printed;
        std::size_t curves;
        // The legend's names of the curves and of the point after the entry; the axis' labels.
        std::vector<const char*> texts;
    } rows[] = {
        {{"offaxis", "offaxis_angle=3"}, "offaxis_angle = 3.0 deg", 3,
         {"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)", "Current: 3.0 deg, -29.3896 dB"}},
        // Decades of percentage, labelled as such.
        {{"atmos", "time_percentage=0.01"}, "time_percentage = 0.01 %", 5,
         {"Rain A_R", "Gases A_G", "Clouds A_C", "Scintillation A_S", "Total A_T", "Current: 0.01 %, ", ">0.001<",
          ">0.1<", ">1<"}},
        // MODCODs as points, not a curve.
        {{"margin", "c_n=12"}, "c_n = 12.0 dB", 0, {"Every MODCOD", "Best: 16APSK 5/6", "Chosen: QPSK 3/4, "}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.entries[0]);
        std::vector<std::string> args = row.entries;
        args.insert(args.end(), {"--plot", dir.File("p.svg")});
        const CalcRun svg = RunCalc(args, noDisplay);
        ASSERT_EQ(svg.status, 0) << svg.err;
        EXPECT_EQ(svg.err, "");
        EXPECT_NE(svg.out.find(row.printed), std::string::npos) << svg.out;
        const std::string drawing = Contents(dir.File("p.svg"));
        EXPECT_NE(drawing.find("<svg"), std::string::npos);
        // The curves are drawn as polylines, the frame and markers as paths.
        EXPECT_GE(Count(drawing, "<polyline"), row.curves);
        EXPECT_GE(Count(drawing, "<path"), 1u);
        for (const char* text : row.texts) {
            SCOPED_TRACE(text);
            EXPECT_NE(drawing.find(text), std::string::npos);
        }
    }

    const CalcRun png = RunCalc({"offaxis", "--plot", dir.File("p.PNG")}, noDisplay);
    ASSERT_EQ(png.status, 0) << png.err;
    const std::string image = Contents(dir.File("p.PNG"));
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(image.substr(12, 4), "IHDR");
}
#endif

TEST(CalcPlot, RefusesWhatItCannotDrawOrWrite)
{
    PlotDirectory dir;
    const struct {
        const char* label;
        std::vector<std::string> args;
        int status;
        const char* says;
    } rows[] = {
        {"not an image name", {"offaxis", "--plot", dir.File("p.jpg")}, 64, "must end in .png or .svg"},
        {"no extension", {"offaxis", "--plot", dir.File("plot")}, 64, "must end in .png or .svg"},
        {"a tool without a chart", {"gain", "--plot", dir.File("p.svg")}, 64, "a chart of offaxis, atmos or margin only"},
        {"with a sweep", {"offaxis", "--sweep", "offaxis_angle=1:3:1", "--plot", dir.File("p.svg")}, 64, "--sweep"},
#ifdef KORTOOLS_CHART_BUILT
        {"into no directory", {"offaxis", "--plot", dir.File("missing/p.svg")}, 74, "p.svg"},
#endif
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const CalcRun run = RunCalc(row.args);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
        EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
    }
    EXPECT_TRUE(fs::is_empty(dir.File("")));
}

#ifdef KORTOOLS_CHART_BUILT
// A write that fails part way (a full disk; here a file size limit with its signal ignored) is
// reported with status 74, and the file that was there is left as it was, never truncated.
TEST(CalcPlot, AFailedWriteIsReportedAndLeavesTheFileAsItWas)
{
    PlotDirectory dir;
    for (const char* name : {"p.svg", "p.png"}) {
        SCOPED_TRACE(name);
        const std::string path = dir.File(name);
        {
            std::ofstream before(path);
            before << "before";
        }
        const CalcRun run = RunProgram({"/bin/sh", "-c",
                                        "trap '' XFSZ; ulimit -f 2; exec '" + CalcProgram() + "' offaxis --plot '" +
                                            path + "'"},
                                       {"QT_QPA_PLATFORM=offscreen"});
        EXPECT_EQ(run.status, 74);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(name), std::string::npos) << run.err;
        EXPECT_EQ(Contents(path), "before");
    }
}
#endif

// A program copied away from its module says what is missing and exits 69, writing nothing.
TEST(CalcPlot, WithoutTheChartModuleExitsUnavailable)
{
    PlotDirectory dir;
    const std::string copy = dir.File("kortools-calc");
    fs::copy_file(CalcProgram(), copy);
    fs::permissions(copy, fs::perms::owner_exec, fs::perm_options::add);
    const CalcRun run = RunProgram({copy, "offaxis", "--plot", dir.File("p.svg")});
    EXPECT_EQ(run.status, 69);
    EXPECT_NE(run.err.find("kortools-chart.so"), std::string::npos) << run.err;
    // The module is the window program's package's: the message names the one to install.
    EXPECT_NE(run.err.find("package kortools "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(fs::exists(dir.File("p.svg")));
}

} // namespace
