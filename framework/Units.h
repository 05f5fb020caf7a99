// Unit codes, the decibel helpers, unit conversion, number text and the reading of typed numbers.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Unit codes. Every variable has a storage unit and a display unit taken from this list.
enum UnitCode : int {
    UnitNone = 0,
    UnitKm = 1,
    UnitM = 2,
    UnitCm = 3,
    UnitMm = 4,
    UnitKmPerS = 5,
    UnitMPerS = 6,
    UnitCmPerS = 7,
    UnitMmPerS = 8,
    UnitHz = 9,
    UnitKHz = 10,
    UnitMHz = 11,
    UnitGHz = 12,
    UnitW = 13,
    UnitPW = 14,
    UnitDb = 15,
    UnitDbi = 16,
    UnitDbw = 17,
    UnitDbPerHz = 18,
    UnitDeg = 19,
    UnitRad = 20,
    UnitDegPerS = 21,
    UnitRadPerS = 22,
    UnitK = 23,
    UnitS = 24,
    UnitSec = 25,
    UnitMin = 26,
    UnitHours = 27,
    UnitDays = 28,
    UnitMonths = 29,
    UnitYear = 30,
    UnitDegE = 31,
    UnitDegN = 32,
    UnitDbwPerHz = 33,
    UnitGmPerM3 = 34,
    UnitPercent = 35,
    UnitSPerM = 36,
    UnitDegPerDay = 37,
    UnitPerHz = 38,
    UnitWPerHz = 39,
    UnitDbwPer4KHzM2 = 40,
    UnitDbwPer1MHzM2 = 41,
    UnitCelsius = 42,
    UnitMmPerH = 43,
    UnitDbPerKm = 44,
    UnitDbPerDec = 45,
    UnitLatitudeDms = 46,
    UnitLongitudeDms = 47,
    // G/T: a gain over a temperature, which nothing converts to or from.
    UnitDbPerK = 48,
    // The atmosphere's surface quantities: pressure, water per area of the column above the
    // station (vapour or cloud liquid), and the wet term of the refractivity. None converts.
    UnitHPa = 49,
    UnitKgPerM2 = 50,
    UnitPpm = 51,
    // A carrier's symbol rate, shown in Msym/s and kept in symbols a second; and the bit rate
    // it carries, shown in Mbit/s and kept in bits a second. Each pair is a family of its own:
    // a symbol is not a bit until a modulation and code say how many bits it carries.
    UnitMsymPerS = 52,
    UnitSymPerS = 53,
    UnitBitPerS = 54,
    UnitMbitPerS = 55,
    // A carrier-to-noise-density ratio, C/N0: a power over a power per hertz, which engineers
    // write dB-Hz (a ratio times hertz), not dB/Hz (a density).
    UnitDbHz = 56,
};

// --- The unit table and conversion (Units.cpp). ---

// 10*log10(x), with everything at or below 1e-300 read as -3000 dB so that nothing
// takes the logarithm of zero or of a negative number.
double ToDb(double x);
// 10^(x/10), saturating at 1e300 and 1e-300 outside (-3000, 3000) dB.
double FromDb(double x);
// 10^x, or the largest double where that would pass it: a quantity worked out as a sum of
// logarithms because its product or quotient overflowed, which may itself be past any double.
double SaturatedPow10(double x);

void UnitLabel(int code, std::string& out);
std::string UnitLabel(int code);

// The unit whose label is `label` exactly ("GHz", "deg E"), or none; no unit has the empty label.
std::optional<int> FindUnitByLabel(std::string_view label);

// The unit whose label `text` is: the one spelled exactly so, or else the one label that agrees
// with it ignoring case ("ghz" is GHz). Where two labels agree with it ignoring case, neither is
// taken: guessing between them could read a value a thousand million times too large. Failing a
// label, the shorter spellings people type for a few units by the same rule: "h", "hr", "hrs"
// for hours, "d", "day" for days, "°", "degree", "degrees" for deg.
std::optional<int> MatchUnitLabel(std::string_view text);
// The same rule over any list of labels: the position of the label `text` matches.
std::optional<std::size_t> MatchLabel(std::string_view text, std::span<const char* const> labels);

// The family of a unit: the units that measure one quantity and that ConvertUnit converts
// among (km to mm, Hz to GHz, W, pW and dBW, deg and rad, s to year), named by its first unit. A
// unit nothing converts to is a family of its own; UnitNone and codes outside the list are of
// none (-1), so a plain number never takes a unit.
int UnitFamily(int code);
bool SameUnitFamily(int a, int b);

// x expressed in unit `from`, converted to unit `to`. Never fails: a pair without a rule
// gives x (or its value in the family unit) unchanged.
double ConvertUnit(double x, int from, int to);

// --- Numbers as text (UnitsFormat.cpp). ---

// The one number-to-text rule: fixed form with the program's decimal places (trailing zeros
// trimmed, and no sign on a zero), exponential form for magnitudes of 100000 and above or below
// 10^-places.
void FormatNumber(double x, std::string& out);
std::string FormatNumber(double x);
// x, in unit `from`, as the text of its value in unit `to` by the same rule. Where a factor
// carries a finite value past the largest double (1e308 km in metres), the text is that of the
// value it would have, the exponent taken further than a double can.
void FormatConverted(double x, int from, int to, std::string& out);
// "12.5000" to "12.5" and "12,0000" to "12,0": zeros after the last digit that is not one go,
// one decimal stays, whatever the decimal separator. Exponential text is left as it is.
void TrimTrailingZeros(std::string& s);

// Degrees-minutes-seconds text for display unit 46 (latitude) or 47 (longitude).
void FormatAngleDms(double radians, int unit, std::string& out);

// --- Reading typed numbers (UnitsText.cpp). ---

// Radians read from a degrees-minutes-seconds text. No value when the text holds no number,
// when a fourth positional number follows the seconds, or when the result is not finite.
std::optional<double> ParseAngleDms(const std::string& in);

// A number and nothing else but blanks, read as the C library reads "%lf" under the current
// locale. No value when no number is found, when anything follows it, or when the number is not
// finite (nan, inf, or an overflow such as 1e999).
std::optional<double> ReadReal(const std::string& in);

// A typed value: its number, read as ReadReal reads it, and what follows the number.
struct RealAndUnit {
    double number;
    std::string rest;        // the text after the number, blanks (spaces, tabs) trimmed from both ends
    std::optional<int> unit; // the unit `rest` names by MatchUnitLabel, if it names one
};
// No value where no finite number starts the text; the caller judges what follows it.
std::optional<RealAndUnit> ReadRealAndUnit(const std::string& in);
