// Entries as a script types them: units, refusals, usage errors and the choices a tool offers.
#include "formulas/Constants.h"
#include "tests/cli/CalcProcess.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

double Value(const CalcRun& run, const std::string& name)
{
    EXPECT_EQ(run.status, 0) << run.err;
    if (run.status != 0)
        return std::nan("");
    return JsonVar(nlohmann::json::parse(run.out), name).get<double>();
}

// A value with a unit lands where the same quantity typed in the display unit does.
TEST(CalcEntries, AUnitOfTheVariablesFamilyIsConverted)
{
    const struct {
        const char* label;
        std::vector<std::string> withUnit;
        std::vector<std::string> inDisplayUnit;
        const char* compared;
    } rows[] = {
        {"GHz into GHz", {"link", "frequency=14GHz"}, {"link", "frequency=14"}, "c_n"},
        {"MHz into GHz", {"link", "frequency=14000MHz"}, {"link", "frequency=14"}, "c_n"},
        {"MHz in lower case", {"link", "frequency=14000mhz"}, {"link", "frequency=14"}, "c_n"},
        {"a blank before the unit", {"link", "frequency=14 GHz"}, {"link", "frequency=14"}, "wavelength"},
        {"km into m", {"gain", "dish_size=0.0024km"}, {"gain", "dish_size=2.4"}, "peak_gain"},
        {"m into km", {"link", "free_space_path_length=4e7m"}, {"link", "free_space_path_length=40000"},
         "free_space_path_losses"},
        {"rad into deg", {"offaxis", "offaxis_angle=0.0174532925199432957rad"}, {"offaxis", "offaxis_angle=1"},
         "relative_gain"},
        {"W into dBW", {"link", "transmit_power=100W"}, {"link", "transmit_power=20"}, "c_n"},
        {"hours into min", {"period", "orbit_period=12hours"}, {"period", "orbit_period=720"}, "height_above_earth"},
        {"h into min", {"period", "orbit_period=1.5h"}, {"period", "orbit_period=90"}, "height_above_earth"},
        {"degrees into deg", {"offaxis", "offaxis_angle=2 degrees"}, {"offaxis", "offaxis_angle=2"}, "relative_gain"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        std::vector<std::string> a = row.withUnit, b = row.inDisplayUnit;
        a.push_back("--json");
        b.push_back("--json");
        const double expected = Value(RunCalc(b), row.compared);
        EXPECT_NEAR(Value(RunCalc(a), row.compared), expected, 1e-9 * std::fabs(expected) + 1e-12);
    }
}

// Anything the program cannot take as asked is one line on standard error and status 64, and
// nothing on standard output.
TEST(CalcEntries, UsageErrorsAreOneLineAndStatus64)
{
    const struct {
        std::vector<std::string> args;
        const char* says;
    } rows[] = {
        {{}, "no tool given"},
        {{"warp"}, "unknown tool 'warp'"},
        {{"link", "--warp"}, "--warp"},
        {{"link", "speed=3"}, "link has no variable 'speed'"},
        // The nearest names of a slip, and none for what is nowhere near.
        {{"lnik"}, "unknown tool 'lnik' (did you mean 'link'?)"},
        {{"gian"}, "unknown tool 'gian' (did you mean 'gain'?)"},
        {{"xyzzy"}, "unknown tool 'xyzzy' (see"},
        {{"link", "frequence=3"}, "no variable 'frequence' (did you mean 'frequency'?)"},
        {{"link", "bandwidth=3"}, "no variable 'bandwidth' (did you mean 'receiver_bandwidth'?)"},
        // A derived variable names the --calc choice that makes it an entry, where there is one.
        {{"gt", "g_t=3"}, "g_t is derived in gt and cannot be entered (--calc peak_gain makes it an entry)"},
        {{"path", "--sweep", "free_space_loss=1,2"}, "cannot be swept (--calc distance makes it an entry)"},
        {{"link", "transmit_theta_3db=2"}, "cannot be entered (see"},
        {{"link", "frequency"}, "'frequency' is not NAME=VALUE"},
        {{"link", "=3"}, "'=3' is not NAME=VALUE"},
        {{"link", "transmit_theta_3db=2"}, "transmit_theta_3db is derived in link"},
        {{"path", "free_space_loss=200"}, "free_space_loss is derived in path"},
        {{"link", "--calc", "c_n"}, "link has no choice of calculated variable"},
        {{"path", "--calc", "nothing"}, "path has no variable 'nothing'"},
        {{"link", "--fixed", "c_n"}, "link holds no variable fixed"},
        {{"cni", "--fixed", "c_i"}, "cni cannot hold c_i fixed"},
        {{"link", "--epfd"}, "--epfd is for the pfd tool only"},
        {{"freq", "--unit", "frequency=dB"}, "frequency cannot be shown in dB"},
        {{"freq", "--unit", "frequency=furlongs"}, "unknown unit 'furlongs'"},
        {{"link", "--json", "--csv"}, "excludes"},
        {{"--list", "link"}, "--list takes no tool"},
        {{"link", "--vars", "c_n=3"}, "--vars takes no entries"},
        // A usage error anywhere stops the run before any entry is applied or refused.
        {{"link", "transmit_dish_size=0", "speed=3"}, "link has no variable 'speed'"},
    };
    for (const auto& row : rows) {
        std::string label;
        for (const std::string& arg : row.args)
            label += arg + ' ';
        SCOPED_TRACE(label);
        const CalcRun run = RunCalc(row.args);
        EXPECT_EQ(run.status, 64);
        EXPECT_EQ(run.out, "");
        ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
        EXPECT_EQ(run.err.rfind("kortools-calc: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
    }
}

// A refused entry prints the model's three texts, applies nothing after it and prints nothing.
// A unit of another quantity is the model's refusal, as in the tool's edit box.
TEST(CalcEntries, ARefusedEntryPrintsTheModelsThreeTextsAndStatus2)
{
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> err;
    } rows[] = {
        {{"link", "transmit_dish_size=0", "frequency=14"},
         {"Input range error", "Variable 'Transmit Dish Size' has been set to 0.0 m which is below the limit of 0.001 m",
          "Re-enter data within ranges"}},
        {{"link", "frequency=14dBW", "transmit_dish_size=2"},
         {"Input range error", "Variable 'Frequency' cannot take a value in dBW", "Re-enter data within ranges"}},
        {{"db", "absolute_value=3dB"},
         {"Input range error", "Variable 'absolute value' cannot take a value in dB", "Re-enter data within ranges"}},
        // Read whole or not at all, as in the window: what follows the number is a unit or nothing.
        {{"link", "frequency=14,5"},
         {"Input range error", "Variable 'Frequency' has been set to '14,5' which is not a number",
          "Re-enter data within ranges"}},
        {{"link", "frequency=14 parsecs"}, {}},
        {{"period", "orbit_period=100 hours and a bit"}, {}},
        {{"link", "frequency=abc"}, {}},
        {{"link", "frequency=inf"}, {}},
        {{"offaxis", "gain_pattern=7"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.at(1));
        const CalcRun run = RunCalc(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        const std::vector<std::string> lines = Lines(run.err);
        EXPECT_EQ(lines.size(), 3u) << run.err;
        if (!row.err.empty()) {
            EXPECT_EQ(lines, row.err);
        }
    }
}

TEST(CalcEntries, EnumerationsTakeTheirTextOrTheirNumber)
{
    const CalcRun byNumber = RunCalc({"offaxis", "gain_pattern=2", "offaxis_angle=3", "--json"});
    const CalcRun byText = RunCalc({"offaxis", "gain_pattern=32 - 25log(phi)", "offaxis_angle=3", "--json"});
    ASSERT_EQ(byNumber.status, 0) << byNumber.err;
    EXPECT_EQ(byNumber.out, byText.out);
    EXPECT_EQ(JsonVar(nlohmann::json::parse(byNumber.out), "gain_pattern"), 2);
    EXPECT_EQ(JsonVar(nlohmann::json::parse(byNumber.out), "gain_pattern", "text"), "32 - 25log(phi)");
}

// The choices are made before any entry, whatever their place on the line: --unit decides the
// unit entries are read in, --calc what they derive, --fixed what stays.
TEST(CalcEntries, ChoicesComeBeforeTheEntries)
{
    const CalcRun mhz = RunCalc({"freq", "frequency=1500", "--unit", "frequency=MHz", "--json"});
    EXPECT_DOUBLE_EQ(Value(mhz, "frequency"), 1500);
    EXPECT_EQ(JsonVar(nlohmann::json::parse(mhz.out), "frequency", "unit"), "MHz");
    EXPECT_NEAR(Value(mhz, "wavelength"), SpeedOfLight / 1.5e9 * 1000, 1e-12); // km/s over Hz, in m

    // Solved for distance instead of loss: the loss typed stays, the distance follows.
    const CalcRun path = RunCalc({"path", "free_space_loss=200", "--calc", "distance", "--json"});
    EXPECT_DOUBLE_EQ(Value(path, "free_space_loss"), 200);
    EXPECT_NEAR(Value(path, "distance"), 19881.1056, 1e-4);

    // With C/N held, a new C/I moves I/N; with I/N held, it moves C/N.
    const CalcRun cnHeld = RunCalc({"cni", "--fixed", "c_n", "c_i=5", "--json"});
    EXPECT_DOUBLE_EQ(Value(cnHeld, "c_n"), 10);
    EXPECT_DOUBLE_EQ(Value(cnHeld, "i_n"), 5);
    const CalcRun inHeld = RunCalc({"cni", "c_i=5", "--json"});
    EXPECT_DOUBLE_EQ(Value(inHeld, "i_n"), 0);
    EXPECT_DOUBLE_EQ(Value(inHeld, "c_n"), 5);
}

// G/T's entries only store, as in its window; the quantity --calc names is derived once they are
// all in, at every point of a sweep too.
TEST(CalcEntries, GtoTDerivesWhatCalcNamesAfterItsEntries)
{
    const struct {
        std::vector<std::string> args;
        const char* derived;
        double expected;
    } rows[] = {
        {{"gt", "peak_gain=30", "temperature=300"}, "g_t", 30 - 10 * std::log10(300.0)},
        {{"gt", "--calc", "g_t", "temperature=1000", "peak_gain=30"}, "g_t", 0},
        {{"gt", "--calc", "peak_gain", "temperature=1000", "g_t=10"}, "peak_gain", 40},
        {{"gt", "g_t=0", "--calc", "temperature", "peak_gain=30"}, "temperature", 1000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.at(1));
        std::vector<std::string> args = row.args;
        args.push_back("--json");
        EXPECT_NEAR(Value(RunCalc(args), row.derived), row.expected, 1e-9);
    }
    const CalcRun sweep = RunCalc({"gt", "peak_gain=30", "--sweep", "temperature=10,100,1000"});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::vector<std::string> lines = Lines(sweep.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines.at(1), "30,10,20");
    EXPECT_EQ(lines.at(3), "30,1000,0");

    const CalcRun vars = RunCalc({"gt", "--calc", "temperature", "--vars"});
    ASSERT_EQ(vars.status, 0) << vars.err;
    const std::vector<std::string> varLines = Lines(vars.out);
    ASSERT_EQ(varLines.size(), 3u);
    EXPECT_NE(varLines.at(0).find("\tentered"), std::string::npos);
    EXPECT_NE(varLines.at(1).find("\tderived"), std::string::npos);
    EXPECT_NE(varLines.at(2).find("\tentered"), std::string::npos);
    EXPECT_EQ(RunCalc({"gt", "g_t=3"}).status, 64);
}

TEST(CalcEntries, VarsListsEveryVariableAndWhetherItCanBeEntered)
{
    const CalcRun run = RunCalc({"link", "--vars"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines.front(), "frequency\tFrequency\tFrequency\tGHz\tfrom 1.0000e-13 to 3.0000e+06\tentered");
    // Shown only by a tool the link opens, so the link's window gives it no label.
    EXPECT_EQ(lines.at(7), "transmit_theta_3db\tTransmit Theta 3dB\t\tdeg\tfrom 0.0\tderived");
    EXPECT_EQ(lines.at(9), "transmit_gain_pattern\tTransmit Gain Pattern\t\t\t"
                           "choices 0 Pure parabolic; 1 29 - 25log(phi); 2 32 - 25log(phi)\tentered");

    // What is derived follows the --calc choice.
    const CalcRun path = RunCalc({"path", "--calc", "frequency", "--vars"});
    ASSERT_EQ(path.status, 0) << path.err;
    EXPECT_EQ(Lines(path.out), (std::vector<std::string>{
                                   "free_space_loss\tFree space loss\tPath Loss\tdB\tfrom -200.0 to 500.0\tentered",
                                   "distance\tDistance\tDistance\tkm\tfrom 0.001 to 1.0000e+11\tentered",
                                   "frequency\tFrequency\tFrequency\tGHz\tfrom 1.0000e-13 to 3.0000e+06\tderived",
                               }));
}

// The label is the window's, where the model's name says something else or nothing an engineer
// would look for; a list's label is the one on its closed row, not one beside its open list.
TEST(CalcEntries, VarsNamesEachVariableAsTheWindowLabelsIt)
{
    const struct {
        const char* tool;
        const char* name;
        const char* label;
    } rows[] = {
        {"period", "height_above_earth", "Station Height"},
        {"fov", "height_above_earth", "Satellite Height"},
        {"offaxis", "gain_pattern", "Pattern"},
        {"pfd", "pfd", "Received PFD"},
        {"cni", "c_n_i_", "C/(N+I)"},
    };
    for (const auto& row : rows) {
        const CalcRun run = RunCalc({row.tool, "--vars"});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string start = std::string(row.name) + "\t";
        bool found = false;
        for (const std::string& line : Lines(run.out)) {
            if (line.rfind(start, 0) != 0)
                continue;
            found = true;
            const std::size_t label = line.find('\t', start.size()) + 1;
            EXPECT_EQ(line.substr(label, line.find('\t', label) - label), row.label) << line;
        }
        EXPECT_TRUE(found) << row.tool << " " << row.name;
    }
}

// Numbers are read and written with a '.' whatever the locale says.
TEST(CalcEntries, TheLocaleChangesNoNumber)
{
    const CalcRun plain = RunCalc({"link", "frequency=14.5"});
    const CalcRun german = RunCalc({"link", "frequency=14.5"}, {"LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8"});
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(german.status, 0);
    EXPECT_EQ(german.out, plain.out);
    EXPECT_NE(plain.out.find("frequency = 14.5 GHz\n"), std::string::npos);
    // Nor is a comma ever the decimal point.
    const CalcRun comma = RunCalc({"link", "frequency=14,5"}, {"LANG=de_DE.UTF-8", "LC_ALL=de_DE.UTF-8"});
    EXPECT_EQ(comma.status, 2);
    EXPECT_EQ(comma.out, "");
}

// The pure parabolic pattern on boresight works out a negative zero; no output shows its sign.
TEST(CalcEntries, AZeroIsShownWithoutASign)
{
    const CalcRun text = RunCalc({"offaxis", "gain_pattern=0"});
    EXPECT_NE(text.out.find("relative_gain = 0.0 dB\n"), std::string::npos) << text.out;
    const CalcRun json = RunCalc({"offaxis", "gain_pattern=0", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const nlohmann::json values = nlohmann::json::parse(json.out);
    EXPECT_EQ(JsonVar(values, "relative_gain", "text"), "0.0");
    EXPECT_FALSE(std::signbit(JsonVar(values, "relative_gain").get<double>()));
    const CalcRun csv = RunCalc({"offaxis", "gain_pattern=0", "--csv"});
    EXPECT_EQ(Lines(csv.out).at(1).rfind("0,0,", 0), 0u) << csv.out;
}

TEST(CalcEntries, HelpAndTheManualPage)
{
    const CalcRun help = RunCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: kortools-calc [OPTIONS] TOOL [NAME=VALUE...]"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--sweep"), std::string::npos);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
    FILE* page = std::fopen((std::string(KORTOOLS_CALC_STAGE) + "/share/man/man1/kortools-calc.1.gz").c_str(), "r");
    EXPECT_NE(page, nullptr) << "the manual page is installed beside the program";
    if (page)
        std::fclose(page);
}

} // namespace

namespace {

// The link-design tools from the installed program: a satellite below the horizon is an answer
// (exit 0, "visible = no"), and the best MODCOD follows the C/N down to none.
TEST(CalcEntries, LinkDesignToolsAnswerEveryCase)
{
    const struct {
        std::vector<std::string> args;
        const char* line;
    } rows[] = {
        {{"look", "satellite_longitude=-120"}, "visible = no\n"},
        {{"look", "station_latitude=0", "satellite_longitude=0"}, "range = 35786.05 km\n"},
        {{"margin", "c_n=3"}, "best_modcod = QPSK 2/3\n"},
        {{"margin", "c_n=-5"}, "best_modcod = none\n"},
        {{"atmos", "rain_height=0"}, "rain_attenuation = 0.0 dB\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.back());
        const CalcRun run = RunCalc(row.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find(row.line), std::string::npos) << run.out;
    }
}

} // namespace
