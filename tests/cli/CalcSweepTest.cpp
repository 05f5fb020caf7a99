// Sweeps: the points a range or list gives, their order, their rows, and refused points.
#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, ',');)
        cells.push_back(cell);
    return cells;
}

// The column of `name` in every data row, read back as numbers.
std::vector<double> Column(const std::string& csv, const std::string& name)
{
    const std::vector<std::string> lines = Lines(csv);
    std::vector<double> values;
    if (lines.empty())
        return values;
    const std::vector<std::string> header = Cells(lines[0]);
    const auto at = std::find(header.begin(), header.end(), name) - header.begin();
    for (std::size_t i = 1; i < lines.size(); ++i)
        values.push_back(std::stod(Cells(lines[i]).at(static_cast<std::size_t>(at))));
    return values;
}

TEST(CalcSweep, ARangeGivesAHeaderAndOneRowPerPointStopIncluded)
{
    const CalcRun run = RunCalc({"path", "--sweep", "frequency=10:14:0.1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(lines[0], "free_space_loss,distance,frequency");
    const std::vector<double> frequency = Column(run.out, "frequency");
    for (std::size_t i = 0; i < frequency.size(); ++i)
        EXPECT_EQ(frequency[i], 10 + static_cast<double>(i) * 0.1) << "point " << i + 1 << " is START + i*STEP";

    // Each row is the tool's own result for that entry, in full precision.
    const CalcRun single = RunCalc({"path", "frequency=12.5", "--csv"});
    ASSERT_EQ(single.status, 0);
    EXPECT_EQ(lines[26], Lines(single.out).at(1));

    const CalcRun down = RunCalc({"path", "--sweep", "frequency=14GHz:10000MHz:-1GHz"});
    EXPECT_EQ(Column(down.out, "frequency"), (std::vector<double>{14, 13, 12, 11, 10}));
}

// Sweeps multiply, the first outermost; fixed entries are applied once before every point, and
// each point applies its swept values in the order the sweeps were given.
TEST(CalcSweep, SeveralSweepsGiveEveryCombinationFirstOutermost)
{
    const CalcRun run = RunCalc({"path", "--sweep", "distance=1000,2000,3000", "--sweep", "frequency=1:2:1",
                                 "frequency=20"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Column(run.out, "distance"), (std::vector<double>{1000, 1000, 2000, 2000, 3000, 3000}));
    EXPECT_EQ(Column(run.out, "frequency"), (std::vector<double>{1, 2, 1, 2, 1, 2}));

    // The order matters where one entry moves another: C/I entered after C/N.
    const CalcRun ordered = RunCalc({"cni", "--sweep", "c_n=12,14", "--sweep", "c_i=5", "--json"});
    ASSERT_EQ(ordered.status, 0) << ordered.err;
    const std::vector<std::string> lines = Lines(ordered.out);
    ASSERT_EQ(lines.size(), 2u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const nlohmann::json point = nlohmann::json::parse(lines[i]);
        EXPECT_EQ(point.at("point"), i + 1);
        EXPECT_EQ(point.at("tool"), "cni");
        EXPECT_DOUBLE_EQ(JsonVar(point, "c_i").get<double>(), 5);
    }
}

TEST(CalcSweep, ARefusedPointIsReportedAndLeftOutAndTheRunEndsWith2)
{
    const CalcRun run = RunCalc({"link", "--sweep", "transmit_dish_size=1,0,2,-1,3"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Column(run.out, "transmit_dish_size"), (std::vector<double>{1, 2, 3}));
    const std::vector<std::string> err = Lines(run.err);
    ASSERT_EQ(err.size(), 2u) << run.err;
    EXPECT_EQ(err[0], "point 2 (transmit_dish_size=0): Variable 'Transmit Dish Size' has been set to 0.0 m which is "
                      "below the limit of 0.001 m");
    EXPECT_EQ(err[1].rfind("point 4 (transmit_dish_size=-1): ", 0), 0u);

    // Past 20 refused points the rest are counted in one line, not each reported.
    const CalcRun many = RunCalc({"link", "--sweep", "transmit_dish_size=-100:1:1"});
    EXPECT_EQ(many.status, 2);
    EXPECT_EQ(Column(many.out, "transmit_dish_size"), (std::vector<double>{1}));
    const std::vector<std::string> manyErr = Lines(many.err);
    ASSERT_EQ(manyErr.size(), 21u) << many.err;
    EXPECT_EQ(manyErr.back(), "81 more points refused, 101 in all");
}

// A full disk (or a closed pipe) stops the sweep at the first failed write: the refused points
// that come later are never reached.
TEST(CalcSweep, AFailedWriteStopsTheSweepWith74)
{
    const CalcRun run =
        RunCalcLine("kortools-calc link --sweep transmit_dish_size=1,2,3,4,5,0 --sweep frequency=1:10:0.001 > /dev/full");
    EXPECT_EQ(run.status, 74);
    const std::vector<std::string> err = Lines(run.err);
    ASSERT_EQ(err.size(), 1u) << run.err;
    EXPECT_EQ(err[0], "kortools-calc: the output could not be written: No space left on device");
}

// A sweep the variable's own limits refuse at every point is refused before it starts, quoting
// the limit; so is a list of nothing but refused values.
TEST(CalcSweep, ASweepNoPointOfWhichIsTakenDoesNotStart)
{
    const struct {
        const char* sweep;
        const char* says;
    } rows[] = {
        {"transmit_dish_size=-5:-1:0.5", "below the limit of 0.001 m"},
        {"transmit_dish_size=-1:-5:-0.5", "below the limit of 0.001 m"},
        {"frequency=4e6:5e6:1e5", "above the limit of"},
        {"transmit_dish_size=0,-1", "below the limit of 0.001 m"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sweep);
        const CalcRun run = RunCalc({"link", "--sweep", row.sweep});
        EXPECT_EQ(run.status, 64);
        EXPECT_EQ(run.out, "");
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_NE(run.err.find("no point of the sweep of"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    }
    // One point within the limits is enough to run.
    EXPECT_EQ(RunCalc({"link", "--sweep", "transmit_dish_size=-5:0.001:0.001"}).status, 2);
}

// The swept column holds the grid's values as typed, not the last bits of START + i*STEP.
TEST(CalcSweep, GridValuesAreWrittenAsAPersonTypesThem)
{
    const CalcRun run = RunCalc({"freq", "--sweep", "frequency=0.1:0.7:0.1"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> swept;
    for (const std::string& line : Lines(run.out))
        swept.push_back(line.substr(0, line.find(',')));
    EXPECT_EQ(swept, (std::vector<std::string>{"frequency", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"}));
}

// What the command line typed comes back in a message escaped and cut, never as raw control
// characters or a screenful.
TEST(CalcSweep, TypedTextInAMessageIsEscapedAndCut)
{
    const CalcRun control = RunCalc({"link", "--sweep", "na\x1b[2Jme=1,2"});
    EXPECT_EQ(control.status, 64);
    EXPECT_NE(control.err.find("'na\\x1b[2Jme'"), std::string::npos) << control.err;
    const CalcRun longName = RunCalc({"link", std::string(5000, 'x') + "=1"});
    EXPECT_EQ(longName.status, 64);
    EXPECT_NE(longName.err.find("'" + std::string(200, 'x') + "...'"), std::string::npos);
    EXPECT_LT(longName.err.size(), 400u);
}

// A list's values go to the model as typed: units of the variable's quantity are read, and one of
// another quantity is refused at its point like any value the model does not take.
TEST(CalcSweep, AListsUnitsAreTheModelsToReadOrRefuse)
{
    const CalcRun run = RunCalc({"path", "--sweep", "frequency=14GHz,12 dB,500 mhz"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(Column(run.out, "frequency"), (std::vector<double>{14, 0.5}));
    const std::vector<std::string> err = Lines(run.err);
    ASSERT_EQ(err.size(), 1u) << run.err;
    EXPECT_EQ(err[0], "point 2 (frequency=12 dB): Variable 'Frequency' cannot take a value in dB");
}

TEST(CalcSweep, ASweepThatCannotRunIsAUsageError)
{
    const struct {
        const char* sweep;
        const char* says;
    } rows[] = {
        {"frequency=10:14:0", "does not lead from START to STOP"},
        {"frequency=10:14:-1", "does not lead from START to STOP"},
        {"frequency=10:14", "is not START:STOP:STEP"},
        {"transmit_gain_pattern=0:x:1", "'x' is not a number for transmit_gain_pattern"},
        {"frequency=10,,12", "an empty value"},
        {"frequency=1:1e30:1e-30", "too many points"},
        {"transmit_theta_3db=1,2", "cannot be swept"},
        {"nothing=1,2", "no variable 'nothing'"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sweep);
        const CalcRun run = RunCalc({"link", "--sweep", row.sweep});
        EXPECT_EQ(run.status, 64);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    }
}

// A range's START, STOP and STEP are read by the model, as an entry is: what it cannot read is
// its refusal, in its three texts, and nothing is worked out.
TEST(CalcSweep, ARangeTheModelCannotReadIsItsRefusal)
{
    const struct {
        const char* sweep;
        const char* explanation;
    } rows[] = {
        {"frequency=10:x:1", "Variable 'Frequency' has been set to 'x' which is not a number"},
        {"frequency=10,5:14:1", "Variable 'Frequency' has been set to '10,5' which is not a number"},
        {"frequency=10:14 parsecs:1", "Variable 'Frequency' has been set to '14 parsecs' which is not a number"},
        {"frequency=10:14dB:1", "Variable 'Frequency' cannot take a value in dB"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.sweep);
        const CalcRun run = RunCalc({"link", "--sweep", row.sweep});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(Lines(run.err),
                  (std::vector<std::string>{"Input range error", row.explanation, "Re-enter data within ranges"}));
    }
}

// JSON lines and CSV cells read back to the same numbers, and to the single run's values.
TEST(CalcSweep, JsonLinesAndCsvAgreeNumberForNumber)
{
    const std::vector<std::string> sweep = {"offaxis", "--sweep", "gain_pattern=0,1,2", "--sweep",
                                            "offaxis_angle=0:5:0.5"};
    const CalcRun csv = RunCalc(sweep);
    std::vector<std::string> asJson = sweep;
    asJson.push_back("--json");
    const CalcRun json = RunCalc(asJson);
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_EQ(json.status, 0) << json.err;
    const std::vector<std::string> objects = Lines(json.out);
    const std::vector<double> relative = Column(csv.out, "relative_gain");
    ASSERT_EQ(objects.size(), 33u);
    ASSERT_EQ(relative.size(), 33u);
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const nlohmann::json point = nlohmann::json::parse(objects[i]);
        EXPECT_EQ(JsonVar(point, "relative_gain").get<double>(), relative[i]);
        EXPECT_EQ(JsonVar(point, "gain_pattern"), static_cast<int>(i / 11));
    }
    // The enumeration's CSV cell is its text.
    EXPECT_NE(Lines(csv.out).at(12).find(",29 - 25log(phi)"), std::string::npos);
}

} // namespace
