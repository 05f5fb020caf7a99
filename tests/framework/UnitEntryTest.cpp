// Typed values that end in a unit label: read in that unit when it measures the variable's
// quantity, refused when it measures another, and refused like text without a number when what
// follows the number is no unit at all.
#include "framework/VarTable.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.141592653589793;

// One variable of every pairing of storage and display unit the tools have.
class CUnitsModel : public CKorTableObj<CUnitsModel> {
public:
    enum : int {
        VarFrequency = 2, // Hz, shown in GHz
        VarWavelength,    // km, shown in m (a choice among km to mm)
        VarDishSize,      // km, shown in m, 1e-6 to 100 km
        VarDistance,      // km, 0.001 to 1e11
        VarAngle,         // rad, shown in deg
        VarPeriod,        // sec, shown in min, 5070 to 1e6 s
        VarTemperature,   // K
        VarGain,          // dB
        VarPeakGain,      // dBi
        VarPower,         // dBW
        VarRatio,         // C/N0, dB/Hz
        VarEfficiency,    // no unit, 0.001 to 1
        VarCount,         // integer
        VarTotal
    };

    static VarRows<CUnitsModel> Vars();
    int SetRealVar(int index, const double& value, ErrorSink& sink) override
    {
        ++m_setterCalls;
        return CheckAndStore(index, value, sink);
    }
    int SetIntVar(int index, const int& value, ErrorSink& sink) override { return CheckAndStoreInt(index, value, sink); }

    double m_frequency = 1.2e10;
    int m_frequencyDisplay = UnitGHz;
    double m_wavelength = 0.001;
    int m_wavelengthDisplay = UnitM;
    double m_dishSize = 0.001;
    double m_distance = 1000;
    double m_angle = 0.1;
    double m_period = 86164;
    double m_temperature = 290;
    double m_gain = 0;
    double m_peakGain = 30;
    double m_power = 10;
    double m_ratio = 80;
    double m_efficiency = 0.55;
    int m_count = 3;
    int m_setterCalls = 0;
};

constexpr VarRow<CUnitsModel> Rows[] = {
    RealVarShownIn("Frequency", UnitHz, &CUnitsModel::m_frequencyDisplay, FrequencyUnits, 0.0001, 3e15,
                   &CUnitsModel::m_frequency),
    RealVarShownIn("Wavelength", UnitKm, &CUnitsModel::m_wavelengthDisplay, DistanceUnits, 1e-10, NoUpperLimit,
                   &CUnitsModel::m_wavelength),
    RealVar("Dish size", UnitKm, UnitM, 1e-6, 100.0, &CUnitsModel::m_dishSize),
    RealVar("Distance", UnitKm, 0.001, 1e11, &CUnitsModel::m_distance),
    RealVar("Offaxis angle", UnitRad, UnitDeg, 0.0, Pi, &CUnitsModel::m_angle),
    RealVar("Orbit Period", UnitSec, UnitMin, 5070, 1e6, &CUnitsModel::m_period),
    RealVar("Temperature", UnitK, 0.001, 1e9, &CUnitsModel::m_temperature),
    RealVar("Relative gain", UnitDb, -300.0, 300.0, &CUnitsModel::m_gain),
    RealVar("Peak gain", UnitDbi, -300.0, 300.0, &CUnitsModel::m_peakGain),
    RealVar("Transmit Power", UnitDbw, -1e300, 1e300, &CUnitsModel::m_power),
    RealVar("C/N0", UnitDbPerHz, -1e300, 1e300, &CUnitsModel::m_ratio),
    RealVar("Efficiency", UnitNone, 0.001, 1.0, &CUnitsModel::m_efficiency),
    IntVar("Count", UnitNone, 1, 9, &CUnitsModel::m_count),
};
static_assert(CoversEveryVar(Rows));

VarRows<CUnitsModel> CUnitsModel::Vars()
{
    return Rows;
}

double Stored(const CUnitsModel& model, int index)
{
    double value = 0;
    model.GetRealVar(index, value);
    return value;
}

// Stored values are compared with the factors written out here, not with ConvertUnit's.
TEST(UnitEntry, AUnitOfTheVariablesFamilyIsReadInThatUnit)
{
    const struct {
        const char* label;
        int index;
        const char* text;
        double stored;
    } rows[] = {
        {"MHz into GHz", CUnitsModel::VarFrequency, "500 MHz", 5e8},
        {"no blank", CUnitsModel::VarFrequency, "500MHz", 5e8},
        {"lower case", CUnitsModel::VarFrequency, "500 mhz", 5e8},
        {"upper case", CUnitsModel::VarFrequency, "500 MHZ", 5e8},
        {"the display unit itself", CUnitsModel::VarFrequency, "14 GHz", 1.4e10},
        {"blanks and a tab around the unit", CUnitsModel::VarFrequency, " 2.5 \tkHz  ", 2500},
        {"exponent then unit", CUnitsModel::VarFrequency, "1e3Hz", 1000},
        {"cm into a wavelength in m", CUnitsModel::VarWavelength, "3 cm", 3e-5},
        {"km into m", CUnitsModel::VarDishSize, "0.0024 km", 0.0024},
        {"mm in capitals", CUnitsModel::VarDishSize, "2400 MM", 0.0024},
        {"m into km", CUnitsModel::VarDistance, "4e7 m", 40000},
        {"rad into deg", CUnitsModel::VarAngle, "0.5 rad", 0.5},
        {"deg", CUnitsModel::VarAngle, "30deg", Pi / 6},
        {"hours into min", CUnitsModel::VarPeriod, "1.5 hours", 5400},
        {"seconds, short", CUnitsModel::VarPeriod, "5400 s", 5400},
        {"seconds, long", CUnitsModel::VarPeriod, "5400 sec", 5400},
        {"days", CUnitsModel::VarPeriod, "0.0625 days", 5400},
        {"kelvin in lower case", CUnitsModel::VarTemperature, "290 k", 290},
        {"dB", CUnitsModel::VarGain, "-3 dB", -3},
        {"dBi in lower case", CUnitsModel::VarPeakGain, "30 dbi", 30},
        {"W into dBW", CUnitsModel::VarPower, "100 W", 20},
        {"pW into dBW", CUnitsModel::VarPower, "1e9 pW", 0},
        {"dBW", CUnitsModel::VarPower, "13 dBW", 13},
        {"dB/Hz", CUnitsModel::VarRatio, "80 dB/Hz", 80},
        // The shorter spellings people type.
        {"h", CUnitsModel::VarPeriod, "1.5 h", 5400},
        {"h, no blank", CUnitsModel::VarPeriod, "1.5h", 5400},
        {"hr", CUnitsModel::VarPeriod, "1.5 hr", 5400},
        {"hrs in capitals", CUnitsModel::VarPeriod, "1.5 HRS", 5400},
        {"d", CUnitsModel::VarPeriod, "0.0625 d", 5400},
        {"day", CUnitsModel::VarPeriod, "0.0625 day", 5400},
        {"the degree sign", CUnitsModel::VarAngle, "30\xc2\xb0", Pi / 6},
        {"degree", CUnitsModel::VarAngle, "30 degree", Pi / 6},
        {"degrees", CUnitsModel::VarAngle, "30 Degrees", Pi / 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CUnitsModel model;
        ErrorSink sink;
        EXPECT_EQ(model.SetValueFromText(row.index, row.text, sink), 1) << sink.Explanation;
        EXPECT_NEAR(Stored(model, row.index), row.stored, 1e-12 * std::fabs(row.stored) + 1e-15);
    }
}

// Refused like a text without a number, naming the unit by its own label, and nothing stored.
TEST(UnitEntry, AUnitOfAnotherFamilyIsRefused)
{
    const struct {
        int index;
        const char* text;
        const char* explanation;
    } rows[] = {
        {CUnitsModel::VarDistance, "500 MHz", "Variable 'Distance' cannot take a value in MHz"},
        {CUnitsModel::VarDistance, "500mhz", "Variable 'Distance' cannot take a value in MHz"},
        {CUnitsModel::VarDistance, "1 km/s", "Variable 'Distance' cannot take a value in km/s"},
        {CUnitsModel::VarFrequency, "14 dBW", "Variable 'Frequency' cannot take a value in dBW"},
        // "M" is metres ignoring case, never megahertz.
        {CUnitsModel::VarFrequency, "500 M", "Variable 'Frequency' cannot take a value in m"},
        {CUnitsModel::VarAngle, "3 deg/s", "Variable 'Offaxis angle' cannot take a value in deg/s"},
        {CUnitsModel::VarPeriod, "3 km", "Variable 'Orbit Period' cannot take a value in km"},
        // Celsius is no kelvin plus a constant here: nothing converts it.
        {CUnitsModel::VarTemperature, "20 C", "Variable 'Temperature' cannot take a value in C"},
        {CUnitsModel::VarGain, "3 dBi", "Variable 'Relative gain' cannot take a value in dBi"},
        {CUnitsModel::VarPeakGain, "30 dB", "Variable 'Peak gain' cannot take a value in dB"},
        {CUnitsModel::VarRatio, "80 dB", "Variable 'C/N0' cannot take a value in dB"},
        {CUnitsModel::VarEfficiency, "0.5 dB", "Variable 'Efficiency' cannot take a value in dB"},
        {CUnitsModel::VarEfficiency, "55%", "Variable 'Efficiency' cannot take a value in %"},
        // A shorter spelling is named by its unit's label.
        {CUnitsModel::VarDistance, "3 h", "Variable 'Distance' cannot take a value in hours"},
        {CUnitsModel::VarPeriod, "30\xc2\xb0", "Variable 'Orbit Period' cannot take a value in deg"},
        {CUnitsModel::VarCount, "5 km", "Variable 'Count' cannot take a value in km"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CUnitsModel model;
        const CUnitsModel fresh;
        ErrorSink sink;
        EXPECT_EQ(model.SetValueFromText(row.index, row.text, sink), 0);
        EXPECT_EQ(sink.Code, -1);
        EXPECT_EQ(sink.Problem, "Input range error");
        EXPECT_EQ(sink.Explanation, row.explanation);
        EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
        EXPECT_EQ(model.m_setterCalls, 0);
        EXPECT_EQ(Stored(model, row.index), Stored(fresh, row.index));
    }
}

// Text after the number that is no unit is refused as text that is not a number: read up to
// where it stops, "14,5" would be 14 and "100 hours and a bit" 100 minutes.
TEST(UnitEntry, AnythingElseAfterTheNumberIsRefused)
{
    const struct {
        int index;
        const char* text;
        const char* name;
    } rows[] = {
        {CUnitsModel::VarDistance, "12abc", "Distance"},
        {CUnitsModel::VarFrequency, "14 parsecs", "Frequency"},
        {CUnitsModel::VarFrequency, "14,5", "Frequency"},
        {CUnitsModel::VarFrequency, "14 GHz and more", "Frequency"},
        {CUnitsModel::VarFrequency, "14 G Hz", "Frequency"},
        {CUnitsModel::VarAngle, "30 deg  E", "Offaxis angle"},
        {CUnitsModel::VarPeriod, "100 hours and a bit", "Orbit Period"},
        {CUnitsModel::VarPeriod, "2 e", "Orbit Period"},
        {CUnitsModel::VarEfficiency, "0.5 of it", "Efficiency"},
        {CUnitsModel::VarCount, "3.9", "Count"},
        {CUnitsModel::VarCount, "3 apples", "Count"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        CUnitsModel model;
        const CUnitsModel fresh;
        ErrorSink sink;
        EXPECT_EQ(model.SetValueFromText(row.index, row.text, sink), 0);
        EXPECT_EQ(sink.Code, -1);
        EXPECT_EQ(sink.Problem, "Input range error");
        EXPECT_EQ(sink.Explanation,
                  std::string("Variable '") + row.name + "' has been set to '" + row.text + "' which is not a number");
        EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
        EXPECT_EQ(model.m_setterCalls, 0);
        EXPECT_EQ(Stored(model, row.index), Stored(fresh, row.index));
        EXPECT_EQ(model.m_count, fresh.m_count);
    }
}

// The limits judge the value the unit makes, and the warning quotes it in the display unit.
TEST(UnitEntry, LimitsApplyAfterTheConversion)
{
    const struct {
        const char* label;
        int index;
        const char* text;
        const char* refusal; // null: accepted
    } rows[] = {
        {"hours: in range only once converted", CUnitsModel::VarPeriod, "1.5 hours", nullptr},
        {"seconds: in range only as a plain number", CUnitsModel::VarPeriod, "90 s",
         "Variable 'Orbit Period' has been set to 1.5 min which is below the limit of 84.5 min"},
        {"an hour is too short", CUnitsModel::VarPeriod, "1 hours",
         "Variable 'Orbit Period' has been set to 60.0 min which is below the limit of 84.5 min"},
        {"days past the upper limit", CUnitsModel::VarPeriod, "200 days",
         "Variable 'Orbit Period' has been set to 2.8800e+05 min which is above the limit of 16666.6667 min"},
        {"millimetres below the dish limit", CUnitsModel::VarDishSize, "0.5 mm",
         "Variable 'Dish size' has been set to 0.0005 m which is below the limit of 0.001 m"},
        {"millimetres within it", CUnitsModel::VarDishSize, "2 mm", nullptr},
        {"hertz past 3e15", CUnitsModel::VarFrequency, "4e15 Hz",
         "Variable 'Frequency' has been set to 4.0000e+06 GHz which is above the limit of 3.0000e+06 GHz"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CUnitsModel model;
        ErrorSink sink;
        const int accepted = model.SetValueFromText(row.index, row.text, sink);
        if (row.refusal) {
            EXPECT_EQ(accepted, 0);
            EXPECT_EQ(sink.Code, -1);
            EXPECT_EQ(sink.Explanation, row.refusal);
        } else {
            EXPECT_EQ(accepted, 1) << sink.Explanation;
        }
    }
}

TEST(UnitEntry, CaseIsIgnoredOnlyWhereOneLabelAgrees)
{
    EXPECT_EQ(MatchUnitLabel("GHz"), UnitGHz);
    EXPECT_EQ(MatchUnitLabel("gHZ"), UnitGHz);
    EXPECT_EQ(MatchUnitLabel("MIN"), UnitMin);
    EXPECT_EQ(MatchUnitLabel("deg n"), UnitDegN);
    EXPECT_EQ(MatchUnitLabel(""), std::nullopt);
    EXPECT_EQ(MatchUnitLabel("GHz "), std::nullopt);
    EXPECT_EQ(MatchUnitLabel("parsecs"), std::nullopt);

    // Where two labels differ only in case, the exact one is taken and any other spelling none.
    const char* const labels[] = {"mW", "MW", "dB"};
    EXPECT_EQ(MatchLabel("mW", labels), 0u);
    EXPECT_EQ(MatchLabel("MW", labels), 1u);
    EXPECT_EQ(MatchLabel("mw", labels), std::nullopt);
    EXPECT_EQ(MatchLabel("Mw", labels), std::nullopt);
    EXPECT_EQ(MatchLabel("DB", labels), 2u);
}

TEST(UnitEntry, ReadingInTheDisplayUnit)
{
    CUnitsModel model;
    ErrorSink sink;
    double value = 0;
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarFrequency, "500 MHz", value, sink), 1);
    EXPECT_DOUBLE_EQ(value, 0.5);
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarFrequency, "7", value, sink), 1);
    EXPECT_DOUBLE_EQ(value, 7);
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarPower, "100 W", value, sink), 1);
    EXPECT_DOUBLE_EQ(value, 20);
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarDistance, "500 MHz", value, sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' cannot take a value in MHz");
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarDistance, "far", value, sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' has been set to 'far' which is not a number");
    // Reading changes nothing, and the limits are the setter's, not the reader's.
    EXPECT_EQ(model.ReadValueInDisplayUnit(CUnitsModel::VarPeriod, "1 s", value, sink), 1);
    EXPECT_NEAR(value, 1.0 / 60, 1e-15);
    EXPECT_EQ(model.m_setterCalls, 0);
    EXPECT_EQ(model.m_period, CUnitsModel().m_period);
}

// Under a comma locale the number is read with a comma, and the unit after it as anywhere.
TEST(UnitEntry, FollowsACommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale is not installed";
    CUnitsModel model;
    ErrorSink sink;
    EXPECT_EQ(model.SetValueFromText(CUnitsModel::VarFrequency, "0,5 GHz", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_frequency, 5e8);
    EXPECT_EQ(model.SetValueFromText(CUnitsModel::VarPeriod, "1,5hours", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_period, 5400);
    EXPECT_EQ(model.SetValueFromText(CUnitsModel::VarDistance, "14,5", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_distance, 14.5);
    // A point is no decimal separator here: the text is refused, not read as 1 km.
    EXPECT_EQ(model.SetValueFromText(CUnitsModel::VarDistance, "1.5 km", sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' has been set to '1.5 km' which is not a number");
    EXPECT_DOUBLE_EQ(model.m_distance, 14.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

} // namespace
