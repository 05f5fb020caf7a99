#include "framework/Units.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double Pi = 3.141592653589793;

struct ConversionRow {
    const char* label;
    double x;
    int from;
    int to;
    double expected;
};

TEST(Decibels, SaturateInsteadOfFailing)
{
    EXPECT_EQ(ToDb(0), -3000);
    EXPECT_EQ(ToDb(1e-300), -3000);
    EXPECT_EQ(ToDb(-5), -3000);
    EXPECT_EQ(ToDb(1), 0);
    EXPECT_NEAR(ToDb(2e-300), 10 * std::log10(2e-300), 1e-9);
    EXPECT_EQ(FromDb(3000), 1e300);
    EXPECT_EQ(FromDb(5000), 1e300);
    EXPECT_EQ(FromDb(-3000), 1e-300);
    EXPECT_DOUBLE_EQ(FromDb(30), 1000);
    EXPECT_DOUBLE_EQ(FromDb(ToDb(123.456)), 123.456);
}

TEST(Decibels, SaturatedPowerOfTenStopsAtTheLargestDouble)
{
    EXPECT_EQ(SaturatedPow10(2), 100);
    EXPECT_EQ(SaturatedPow10(-300), std::pow(10.0, -300));
    EXPECT_EQ(SaturatedPow10(308.25), std::pow(10.0, 308.25));
    EXPECT_EQ(SaturatedPow10(308.3), std::numeric_limits<double>::max());
    EXPECT_EQ(SaturatedPow10(5000), std::numeric_limits<double>::max());
}

TEST(ConvertUnit, AcrossFamilies)
{
    const ConversionRow rows[] = {
        {"km to m", 1.5, UnitKm, UnitM, 1500},
        {"m to km", 250, UnitM, UnitKm, 0.25},
        {"cm to mm", 3, UnitCm, UnitMm, 30},
        {"length to speed code", 2, UnitKm, UnitMPerS, 2000},
        {"Hz to GHz", 1.2e10, UnitHz, UnitGHz, 12},
        {"GHz to Hz", 12, UnitGHz, UnitHz, 1.2e10},
        {"kHz to MHz", 5, UnitKHz, UnitMHz, 0.005},
        {"rad to deg", Pi, UnitRad, UnitDeg, 180},
        {"deg to rad", 90, UnitDeg, UnitRad, Pi / 2},
        {"deg E to deg is not converted", 90, UnitDegE, UnitDeg, 90},
        {"sec to min", 120, UnitSec, UnitMin, 2},
        {"year to days", 1, UnitYear, UnitDays, 365.25},
        {"months to s", 1, UnitMonths, UnitS, 2592000},
        {"ratio to dB", 100, UnitNone, UnitDb, 20},
        {"dB to ratio", 20, UnitDb, UnitNone, 100},
        {"zero ratio to dB floors", 0, UnitNone, UnitDb, -3000},
        {"W to pW is 1e9", 2, UnitW, UnitPW, 2e9},
        {"pW to W", 2e9, UnitPW, UnitW, 2},
        {"dBW to W", 30, UnitDbw, UnitW, 1000},
        {"W to dBW", 1000, UnitW, UnitDbw, 30},
        {"ratio to percent", 0.5, UnitNone, UnitPercent, 50},
        {"percent to ratio", 50, UnitPercent, UnitNone, 0.5},
        {"rad/s to deg/day", 1, UnitRadPerS, UnitDegPerDay, 86400 * 180 / Pi},
        {"deg/day to rad/s", 86400, UnitDegPerDay, UnitRadPerS, Pi / 180},
        {"same code", 7.25, UnitK, UnitK, 7.25},
        {"dB to dBi has no rule", 7, UnitDb, UnitDbi, 7},
        {"unknown code", 7, 99, 1, 7},
        {"dms codes are not converted", 0.5, UnitRad, UnitLatitudeDms, 0.5},
        {"Msym/s to sym/s", 27.5, UnitMsymPerS, UnitSymPerS, 27.5e6},
        {"sym/s to Msym/s", 30e6, UnitSymPerS, UnitMsymPerS, 30},
        {"bit/s to Mbit/s", 40.9e6, UnitBitPerS, UnitMbitPerS, 40.9},
        {"Mbit/s to bit/s", 2.5, UnitMbitPerS, UnitBitPerS, 2.5e6},
        {"symbols are not bits", 5, UnitMsymPerS, UnitMbitPerS, 5},
    };
    for (const ConversionRow& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_DOUBLE_EQ(ConvertUnit(row.x, row.from, row.to), row.expected);
    }
}

TEST(UnitLabel, KnownAndUnknownCodes)
{
    EXPECT_EQ(UnitLabel(UnitKm), "km");
    EXPECT_EQ(UnitLabel(UnitGHz), "GHz");
    EXPECT_EQ(UnitLabel(UnitDbwPer4KHzM2), "dBW/4KHz/m^2");
    EXPECT_EQ(UnitLabel(UnitDbPerDec), "dB/dec");
    EXPECT_EQ(UnitLabel(UnitDbPerK), "dB/K");
    EXPECT_EQ(UnitLabel(UnitPpm), "ppm");
    EXPECT_EQ(UnitLabel(UnitMsymPerS), "Msym/s");
    EXPECT_EQ(UnitLabel(UnitSymPerS), "sym/s");
    EXPECT_EQ(UnitLabel(UnitBitPerS), "bit/s");
    EXPECT_EQ(UnitLabel(UnitMbitPerS), "Mbit/s");
    EXPECT_EQ(UnitLabel(UnitDbHz), "dB-Hz");
    EXPECT_EQ(UnitLabel(UnitLatitudeDms), "");
    EXPECT_EQ(UnitLabel(UnitNone), "");
    EXPECT_EQ(UnitLabel(99), "");
    EXPECT_EQ(UnitLabel(-1), "");
}

// A family is a promise that ConvertUnit converts between any two of its units: a value typed
// with one unit lands in another's. A pair without a conversion rule would pass the value through
// unchanged, so every pair must go there and back, and through the family's first unit alike.
TEST(UnitFamily, EveryPairOfAFamilyConverts)
{
    for (int a = UnitKm; a <= UnitDbHz; ++a) {
        for (int b = UnitKm; b <= UnitDbHz; ++b) {
            if (a == b || !SameUnitFamily(a, b))
                continue;
            SCOPED_TRACE(UnitLabel(a) + " -> " + UnitLabel(b));
            const double x = 7.25;
            const double there = ConvertUnit(x, a, b);
            EXPECT_NEAR(ConvertUnit(there, b, a), x, 1e-12 * x);
            const int first = UnitFamily(a);
            EXPECT_NEAR(there, ConvertUnit(ConvertUnit(x, a, first), first, b), 1e-12 * std::fabs(there));
        }
    }
}

TEST(UnitFamily, MembersAndStrangers)
{
    struct Row {
        int a;
        int b;
        bool same;
    };
    const Row rows[] = {
        {UnitGHz, UnitHz, true},  {UnitKm, UnitMm, true},      {UnitRad, UnitDeg, true},
        {UnitDbw, UnitW, true},   {UnitSec, UnitYear, true},   {UnitDbi, UnitDbi, true},
        {UnitKm, UnitKmPerS, false}, {UnitDb, UnitDbi, false}, {UnitDb, UnitNone, false},
        {UnitK, UnitCelsius, false}, {UnitDegPerS, UnitDegPerDay, false}, {UnitNone, UnitNone, false},
        {UnitHz, 99, false},      {UnitDbPerK, UnitDbPerK, true}, {UnitDbPerK, UnitDb, false},
        {UnitDbPerK, UnitDbPerHz, false},
        {UnitMsymPerS, UnitSymPerS, true}, {UnitBitPerS, UnitMbitPerS, true},
        {UnitSymPerS, UnitBitPerS, false}, {UnitMsymPerS, UnitMbitPerS, false},
        {UnitMsymPerS, UnitMHz, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(UnitLabel(row.a) + " / " + UnitLabel(row.b));
        EXPECT_EQ(SameUnitFamily(row.a, row.b), row.same);
        EXPECT_EQ(SameUnitFamily(row.b, row.a), row.same);
    }
}

TEST(UnitFamily, UnitsAreFoundByTheirExactLabel)
{
    EXPECT_EQ(FindUnitByLabel("GHz"), UnitGHz);
    EXPECT_EQ(FindUnitByLabel("deg E"), UnitDegE);
    EXPECT_EQ(FindUnitByLabel("dBW/4KHz/m^2"), UnitDbwPer4KHzM2);
    EXPECT_EQ(FindUnitByLabel("dB/K"), UnitDbPerK);
    EXPECT_EQ(FindUnitByLabel("kg/m^2"), UnitKgPerM2);
    EXPECT_EQ(FindUnitByLabel("Msym/s"), UnitMsymPerS);
    EXPECT_EQ(FindUnitByLabel("Mbit/s"), UnitMbitPerS);
    // The other spellings are for typing after a number, not names of units.
    EXPECT_EQ(FindUnitByLabel("h"), std::nullopt);
    EXPECT_EQ(FindUnitByLabel("ghz"), std::nullopt);
    EXPECT_EQ(FindUnitByLabel(""), std::nullopt);
    EXPECT_EQ(FindUnitByLabel("GHz "), std::nullopt);
}

TEST(FormatNumber, FixedAndExponentialForms)
{
    const struct {
        double x;
        const char* expected;
    } rows[] = {
        {0, "0.0"},
        // Zero has no sign; a value too small for the fixed form keeps its own.
        {-0.0, "0.0"},
        {-0.00004, "-4.0000e-05"},
        {-0.0001, "-0.0001"},
        {10, "10.0"},
        {1.5, "1.5"},
        {-2.25, "-2.25"},
        {0.0001, "0.0001"},
        {0.00009999, "9.9990e-05"},
        {0.00005, "5.0000e-05"},
        {1e-300, "1.0000e-300"},
        {12345.678, "12345.678"},
        {1234.56789, "1234.5679"},
        {99999.99996, "100000.0"},
        {100000, "1.0000e+05"},
        {-100000, "-1.0000e+05"},
        {123456, "1.2346e+05"},
        {3000, "3000.0"},
        {0.0010, "0.001"},
        {2.998e-5 * 1000, "0.03"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(FormatNumber(row.x), row.expected);
    }
}

// A factor that carries a finite value past the largest double gives the text of the value it
// would have; every other conversion gives the number rule's text of ConvertUnit as before.
TEST(FormatConverted, WritesTheValueAFactorCarriesPastTheLargestDouble)
{
    const struct {
        double x;
        int from, to;
        const char* expected;
    } rows[] = {
        {1e308, UnitKm, UnitM, "1.0000e+311"},
        {-1.7e308, UnitKm, UnitMm, "-1.7000e+314"},
        {1.23456e305, UnitKmPerS, UnitCmPerS, "1.2346e+310"},
        {1e300, UnitKm, UnitMm, "1.0000e+306"},
        {35786.05, UnitKm, UnitM, "3.5786e+07"},
        {1.2e10, UnitHz, UnitGHz, "12.0"},
        {1e308, UnitHz, UnitKHz, "1.0000e+305"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        std::string out;
        FormatConverted(row.x, row.from, row.to, out);
        EXPECT_EQ(out, row.expected);
    }
}

TEST(TrimTrailingZeros, KeepsOneDigitAfterThePoint)
{
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        {"10.0000", "10.0"}, {"1.2500", "1.25"}, {"0.0010", "0.001"}, {"1234.5679", "1234.5679"},
        {"100", "100"},      {"5.0", "5.0"},     {"", ""},             {"7.", "7."},
        {"-100", "-100"},    {"-2.5000", "-2.5"}, {"1.0000e-05", "1.0000e-05"},
        // Whatever the locale's decimal separator, one byte or more.
        {"12,0000", "12,0"}, {"-0,2500", "-0,25"}, {"3\xd9\xab" "1400", "3\xd9\xab" "14"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.in);
        std::string s = row.in;
        TrimTrailingZeros(s);
        EXPECT_EQ(s, row.out);
    }
}

TEST(AngleText, FormatsDegreesMinutesSeconds)
{
    std::string out;
    FormatAngleDms(0.5, UnitLatitudeDms, out);
    EXPECT_EQ(out, "N28:38'52.4031\"");
    FormatAngleDms(30 * Pi / 180, UnitLatitudeDms, out);
    EXPECT_EQ(out, "N30:0'0\"");
    FormatAngleDms(-Pi / 4, UnitLongitudeDms, out);
    EXPECT_EQ(out, "W45:0'0\"");
    FormatAngleDms(1.0, UnitLongitudeDms, out);
    EXPECT_EQ(out, "E57:17'44.8062\"");
    FormatAngleDms(-0.5, UnitLatitudeDms, out);
    EXPECT_EQ(out, "S28:38'52.4031\"");
}

TEST(AngleText, ParsesEverySeparatorStyle)
{
    const double target = (51 + 28 / 60.0 + 38 / 3600.0) * Pi / 180;
    const struct {
        const char* text;
        double degrees;
    } rows[] = {
        {"51:28:38", 51 + 28 / 60.0 + 38 / 3600.0},
        {"51 28 38", 51 + 28 / 60.0 + 38 / 3600.0},
        {"51:28'38\"", 51 + 28 / 60.0 + 38 / 3600.0},
        {"45.5", 45.5},
        {"10'30\"", 10.5 / 60},
        {"N51:30", 51.5},
        {"-0:30", -0.5},
        {"S0:30", -0.5},
        {"w0:30", -0.5},
        {"+12", 12},
        {"51:30N", 51.5},
        {"51:30S", 51.5},
        {"  E1:0:36", 1.01},
    };
    EXPECT_DOUBLE_EQ(*ParseAngleDms("51:28:38"), target);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const std::optional<double> radians = ParseAngleDms(row.text);
        ASSERT_TRUE(radians.has_value());
        EXPECT_NEAR(*radians * 180 / Pi, row.degrees, 1e-12);
    }
}

TEST(AngleText, RefusesTextsWithoutAMeaning)
{
    for (const char* text : {"", "   ", "N", "abc", "1 2 3 4", "1:2:3:4"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseAngleDms(text).has_value());
    }
}

// A number is read whole, blanks around it aside, or not at all.
TEST(ReadNumbers, ReadTheWholeTextOrNothing)
{
    const struct {
        const char* text;
        double value;
    } reals[] = {
        {"1e3", 1000}, {"  -2.5", -2.5}, {"7 \t", 7}, {"+.5", 0.5}, {"1e-999", 0},
    };
    for (const auto& row : reals) {
        SCOPED_TRACE(row.text);
        ASSERT_TRUE(ReadReal(row.text).has_value());
        EXPECT_DOUBLE_EQ(*ReadReal(row.text), row.value);
    }
    for (const char* text : {"", "   ", "abc", "nan", "NaN", "inf", "-INF", "Infinity", "1e999", "-1e999", ".", "e5",
                             "12abc", "14 GHz", "14,5", "1 2", "2e"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ReadReal(text).has_value());
    }
}

// Numbers follow the user's locale, both ways, and are trimmed alike under a comma.
TEST(NumberText, FollowsACommaLocale)
{
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale is not installed";
    EXPECT_EQ(FormatNumber(10), "10,0");
    EXPECT_EQ(FormatNumber(12.25), "12,25");
    EXPECT_EQ(FormatNumber(-0.0), "0,0");
    EXPECT_EQ(FormatNumber(123456), "1,2346e+05");
    EXPECT_FALSE(ReadReal("1.5").has_value());
    EXPECT_DOUBLE_EQ(*ReadReal("1,5"), 1.5);
    std::setlocale(LC_NUMERIC, previous.c_str());
}

} // namespace
