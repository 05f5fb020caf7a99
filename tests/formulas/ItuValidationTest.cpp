// The atmospheric-loss formulas against the validation examples of ITU-R Study Group 3
// (tests/formulas/itu/README.md): every row, each value to the digits it is printed with.
#include "formulas/Atmosphere.h"
#include "formulas/CloudAttenuation.h"
#include "formulas/GasAttenuation.h"
#include "formulas/RainAttenuation.h"
#include "formulas/Scintillation.h"
#include "tests/formulas/Printed.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Inputs = std::map<std::string, double>;

// A validation CSV: a row of column names, a row of units, then the data rows, kept as printed.
struct Table {
    explicit Table(const std::string& name) : file(name)
    {
        std::ifstream in(std::string(KORTOOLS_ITU_VALIDATION) + "/" + name);
        std::vector<std::string> columns;
        std::string line;
        for (int n = 0; std::getline(in, line); ++n) {
            std::stringstream fields(line);
            std::map<std::string, std::string> row;
            size_t c = 0;
            for (std::string cell; std::getline(fields, cell, ','); ++c) {
                if (n == 0)
                    columns.push_back(cell);
                else if (c < columns.size())
                    row[columns[c]] = cell;
            }
            if (n > 1)
                rows.push_back(row);
        }
        EXPECT_FALSE(rows.empty()) << name << " is missing or empty";
    }
    const char* Text(size_t r, const std::string& column) const { return rows[r].at(column).c_str(); }
    double operator()(size_t r, const std::string& column) const { return std::strtod(Text(r, column), nullptr); }
    Inputs Row(size_t r) const
    {
        Inputs values;
        for (const auto& [column, text] : rows[r])
            values[column] = std::strtod(text.c_str(), nullptr);
        return values;
    }
    // Names a row as a text editor does: its line in the file.
    std::string Where(size_t r) const { return file + " line " + std::to_string(r + 3); }

    std::string file;
    std::vector<std::map<std::string, std::string>> rows;
};

// How far a printed input may be from the value it stands for: half a unit of its last place.
double Rounding(const char* printed)
{
    const char* dot = std::strchr(printed, '.');
    return dot ? 0.5 * std::pow(10.0, -static_cast<double>(std::strlen(dot + 1))) : 0.5;
}

// Checks `formula` on every row of `table` against the printed column `expected`. The reference
// values were worked out from inputs with more digits than the table prints: where `rounded`
// names such inputs, the result may differ by as much as it moves when each of them moves by its
// rounding (a first-order bound), and by nothing more.
void ExpectReproduced(const Table& table, const char* expected, const std::function<double(const Inputs&)>& formula,
                      std::initializer_list<const char*> rounded = {})
{
    for (size_t r = 0; r < table.rows.size(); ++r) {
        SCOPED_TRACE(table.Where(r));
        const Inputs row = table.Row(r);
        const double value = formula(row);
        double slack = 0;
        for (const char* input : rounded) {
            Inputs moved = row;
            moved[input] += Rounding(table.Text(r, input));
            slack += std::fabs(formula(moved) - value);
        }
        const char* printed = table.Text(r, expected);
        const double toward = std::clamp(std::strtod(printed, nullptr) - value, -slack, slack);
        EXPECT_TRUE(MatchesPrinted(value + toward, printed)) << expected << " " << value << ", allowing " << slack;
    }
}

} // namespace

TEST(ItuValidation, RainAttenuation)
{
    // The table gives the slant length below the rain height instead of the height itself.
    ExpectReproduced(Table("ITURP618-13_A_rain.csv"), "A_rain", [](const Inputs& in) {
        const double rainHeight = in.at("hs") + in.at("Ls") * std::sin(in.at("el") * Deg);
        return RainAttenuation(in.at("f"), in.at("el"), in.at("lat"), in.at("hs"), rainHeight, in.at("p"),
                               in.at("R001"), in.at("tau"));
    }, {"el", "Ls"});
}

TEST(ItuValidation, RainSpecificAttenuation)
{
    const Table t("ITURP838-3_rain_specific_attenuation.csv");
    ExpectReproduced(t, "k", [](const Inputs& in) {
        return RainCoefficientsFor(in.at("f"), in.at("el"), in.at("tau")).k;
    });
    ExpectReproduced(t, "alpha", [](const Inputs& in) {
        return RainCoefficientsFor(in.at("f"), in.at("el"), in.at("tau")).alpha;
    });
    ExpectReproduced(t, "gamma_r", [](const Inputs& in) {
        return RainSpecificAttenuation(in.at("f"), in.at("el"), in.at("tau"), in.at("R"));
    });
}

TEST(ItuValidation, GasSpecificAttenuation)
{
    const Table t("ITURP676-12_gamma.csv");
    ExpectReproduced(t, "gamma0", [](const Inputs& in) {
        return DryAirSpecificAttenuation(in.at("f"), in.at("P"), in.at("T"), in.at("rho"));
    });
    ExpectReproduced(t, "gammaw", [](const Inputs& in) {
        return WaterVapourSpecificAttenuation(in.at("f"), in.at("P"), in.at("T"), in.at("rho"));
    });
}

TEST(ItuValidation, GasSlantPath)
{
    ExpectReproduced(Table("ITURP676-12_zenith_attenuation.csv"), "Aw", [](const Inputs& in) {
        return ZenithWaterVapourAttenuation(in.at("f"), in.at("V_t"), in.at("h"));
    });
    ExpectReproduced(Table("ITURP676-12_A_gas.csv"), "A_gas", [](const Inputs& in) {
        return GasAttenuation(in.at("f"), in.at("el"), in.at("h"), in.at("P"), in.at("T"), in.at("rho"), in.at("V_t"));
    }, {"el", "rho", "T", "V_t"});
}

TEST(ItuValidation, CloudAttenuation)
{
    Table t("ITURP840-8_cloud_attenuation.csv");
    // The liquid water of each row's site and percentage; where a case is listed twice, the copy
    // printed with more digits.
    const Table liquid("ITURP840-8_columnar_content_reduced_liquid.csv");
    for (size_t r = 0; r < t.rows.size(); ++r)
        for (size_t l = 0; l < liquid.rows.size(); ++l)
            if (std::fabs(liquid(l, "lat") - t(r, "lat")) < 1e-9 && std::fabs(liquid(l, "lon") - t(r, "lon")) < 1e-9 &&
                std::fabs(liquid(l, "p") - t(r, "p")) < 1e-9 &&
                std::strlen(liquid.Text(l, "Lred")) > t.rows[r]["Lred"].size())
                t.rows[r]["Lred"] = liquid.Text(l, "Lred");
    ExpectReproduced(t, "Ac", [](const Inputs& in) { return CloudAttenuation(in.at("f"), in.at("el"), in.at("Lred")); },
                     {"el", "Lred"});
}

TEST(ItuValidation, Scintillation)
{
    ExpectReproduced(Table("ITURP618-13_A_sci.csv"), "A_scin", [](const Inputs& in) {
        return ScintillationFadeDepth(in.at("f"), in.at("el"), in.at("P"), in.at("N_wet"), in.at("D"), in.at("eta"));
    }, {"el", "N_wet"});
}

TEST(ItuValidation, TotalAttenuation)
{
    // Below 1 % the gas and cloud values of 1 % enter the total.
    ExpectReproduced(Table("ITURP618-13_A_total.csv"), "A_total", [](const Inputs& in) {
        return TotalAttenuation(in.at("A_gas_1"), in.at("A_rain"), in.at("A_clouds_1"), in.at("A_scin"));
    }, {"A_gas_1", "A_rain", "A_clouds_1", "A_scin"});
}
