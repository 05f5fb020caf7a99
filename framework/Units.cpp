// The unit table: labels, families, conversion between units, and the decibel helpers.
#include "framework/Units.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <numbers>

namespace {

const char* const UnitLabels[] = {
    "",        "km",     "m",      "cm",     "mm",     "km/s",    "m/s",    "cm/s",
    "mm/s",    "Hz",     "kHz",    "MHz",    "GHz",    "W",       "pW",     "dB",
    "dBi",     "dBW",    "dB/Hz",  "deg",    "rad",    "deg/s",   "rad/s",  "K",
    "s",       "sec",    "min",    "hours",  "days",   "months",  "year",   "deg E",
    "deg N",   "dBW/Hz", "gm/m^3", "%",      "s/m",    "deg/day", "/Hz",    "W/Hz",
    "dBW/4KHz/m^2", "dBW/1MHz/m^2", "C", "mm/h", "dB/km", "dB/dec", "", "",
    "dB/K",   "hPa",    "kg/m^2", "ppm",    "Msym/s", "sym/s",  "bit/s",  "Mbit/s", "dB-Hz",
};
constexpr int UnitCount = static_cast<int>(sizeof(UnitLabels) / sizeof(UnitLabels[0]));
static_assert(UnitCount == UnitDbHz + 1);

// What people type after a number for a few units besides their labels ("\xc2\xb0" is the degree
// sign in UTF-8, as the windows hand text over). None of them agrees with a label ignoring case,
// so a label is never read as one of these or the other way round.
const char* const OtherSpellings[] = {"h", "hr", "hrs", "d", "day", "\xc2\xb0", "degree", "degrees"};
const int OtherSpellingUnits[] = {UnitHours, UnitHours, UnitHours, UnitDays, UnitDays, UnitDeg, UnitDeg, UnitDeg};
static_assert(std::size(OtherSpellings) == std::size(OtherSpellingUnits));

// Seconds per unit of the time family, indexed from code 24.
double TimeFactor(int code)
{
    switch (code) {
    case UnitMin: return 60;
    case UnitHours: return 3600;
    case UnitDays: return 86400;
    case UnitMonths: return 2592000;
    case UnitYear: return 31557600;
    default: return 1;
    }
}

double FromKilometres(double y, int to)
{
    switch (to) {
    case UnitM: case UnitMPerS: return y * 1000;
    case UnitCm: case UnitCmPerS: return y * 100000;
    case UnitMm: case UnitMmPerS: return y * 1e6;
    default: return y;
    }
}

double LengthFactor(int code)
{
    switch (code) {
    case UnitM: case UnitMPerS: return 1000;
    case UnitCm: case UnitCmPerS: return 100000;
    case UnitMm: case UnitMmPerS: return 1e6;
    default: return 1;
    }
}

double FrequencyFactor(int code)
{
    switch (code) {
    case UnitKHz: return 1000;
    case UnitMHz: return 1e6;
    case UnitGHz: return 1e9;
    default: return 1;
    }
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

} // namespace

double ToDb(double x)
{
    if (x <= 1e-300)
        return -3000;
    return 10 * std::log10(x);
}

double FromDb(double x)
{
    if (x >= 3000)
        return 1e300;
    if (x <= -3000)
        return 1e-300;
    return std::pow(10.0, x / 10);
}

double SaturatedPow10(double x)
{
    return std::min(std::pow(10.0, x), std::numeric_limits<double>::max());
}

void UnitLabel(int code, std::string& out)
{
    out = (code >= 0 && code < UnitCount) ? UnitLabels[code] : "";
}

std::string UnitLabel(int code)
{
    std::string out;
    UnitLabel(code, out);
    return out;
}

std::optional<int> FindUnitByLabel(std::string_view label)
{
    if (label.empty())
        return std::nullopt;
    for (int code = 0; code < UnitCount; ++code)
        if (label == UnitLabels[code])
            return code;
    return std::nullopt;
}

std::optional<std::size_t> MatchLabel(std::string_view text, std::span<const char* const> labels)
{
    if (text.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < labels.size(); ++i)
        if (text == labels[i])
            return i;
    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!EqualIgnoringCase(text, labels[i]))
            continue;
        if (found)
            return std::nullopt;
        found = i;
    }
    return found;
}

std::optional<int> MatchUnitLabel(std::string_view text)
{
    if (const std::optional<std::size_t> found = MatchLabel(text, UnitLabels))
        return static_cast<int>(*found);
    if (const std::optional<std::size_t> found = MatchLabel(text, OtherSpellings))
        return OtherSpellingUnits[*found];
    return std::nullopt;
}

int UnitFamily(int code)
{
    switch (code) {
    case UnitKm: case UnitM: case UnitCm: case UnitMm:
        return UnitKm;
    case UnitKmPerS: case UnitMPerS: case UnitCmPerS: case UnitMmPerS:
        return UnitKmPerS;
    case UnitHz: case UnitKHz: case UnitMHz: case UnitGHz:
        return UnitHz;
    case UnitW: case UnitPW: case UnitDbw:
        return UnitW;
    case UnitDeg: case UnitRad: case UnitDegE: case UnitDegN:
        return UnitDeg;
    // Degrees a day go to and from radians a second only, so they cannot join this family:
    // a family is one where every pair converts.
    case UnitDegPerS: case UnitRadPerS:
        return UnitDegPerS;
    case UnitS: case UnitSec: case UnitMin: case UnitHours:
    case UnitDays: case UnitMonths: case UnitYear:
        return UnitS;
    case UnitMsymPerS: case UnitSymPerS:
        return UnitMsymPerS;
    case UnitBitPerS: case UnitMbitPerS:
        return UnitBitPerS;
    default:
        return code > UnitNone && code < UnitCount ? code : -1;
    }
}

bool SameUnitFamily(int a, int b)
{
    const int family = UnitFamily(a);
    return family >= 0 && family == UnitFamily(b);
}

double ConvertUnit(double x, int from, int to)
{
    if (from == to)
        return x;
    switch (from) {
    case UnitKm: case UnitM: case UnitCm: case UnitMm:
    case UnitKmPerS: case UnitMPerS: case UnitCmPerS: case UnitMmPerS:
        return FromKilometres(x / LengthFactor(from), to);
    case UnitHz: case UnitKHz: case UnitMHz: case UnitGHz: {
        const double y = x * FrequencyFactor(from);
        switch (to) {
        case UnitKHz: return y / 1000;
        case UnitMHz: return y / 1e6;
        case UnitGHz: return y / 1e9;
        default: return y;
        }
    }
    case UnitW: case UnitPW: case UnitDbw: {
        const double y = from == UnitW ? x : from == UnitPW ? x / 1e9 : FromDb(x);
        switch (to) {
        case UnitW: return y;
        case UnitPW: return y * 1e9;
        case UnitDbw: return ToDb(y);
        default: return y;
        }
    }
    case UnitDb:
        return to == UnitNone ? FromDb(x) : x;
    case UnitDeg: case UnitDegE: case UnitDegN:
        return to == UnitRad ? x * std::numbers::pi / 180 : x;
    case UnitRad:
        return (to == UnitDeg || to == UnitDegE || to == UnitDegN) ? x * 180 / std::numbers::pi : x;
    case UnitDegPerS:
        return to == UnitRadPerS ? x * std::numbers::pi / 180 : x;
    case UnitRadPerS:
        if (to == UnitDegPerS)
            return x * 180 / std::numbers::pi;
        if (to == UnitDegPerDay)
            return x * 86400 * 180 / std::numbers::pi;
        return x;
    case UnitDegPerDay:
        return to == UnitRadPerS ? x / 86400 * std::numbers::pi / 180 : x;
    case UnitS: case UnitSec: case UnitMin: case UnitHours:
    case UnitDays: case UnitMonths: case UnitYear: {
        const double y = x * TimeFactor(from);
        switch (to) {
        case UnitMin: return y / 60;
        case UnitHours: return y / 3600;
        case UnitDays: return y / 86400;
        case UnitMonths: return y / 2592000;
        case UnitYear: return y / 31557600;
        default: return y;
        }
    }
    case UnitMsymPerS:
        return to == UnitSymPerS ? x * 1e6 : x;
    case UnitSymPerS:
        return to == UnitMsymPerS ? x / 1e6 : x;
    case UnitBitPerS:
        return to == UnitMbitPerS ? x / 1e6 : x;
    case UnitMbitPerS:
        return to == UnitBitPerS ? x * 1e6 : x;
    case UnitPercent:
        return to == UnitNone ? x / 100 : x;
    default:
        if (to == UnitPercent)
            return x * 100;
        if (to == UnitDb)
            return ToDb(x);
        return x;
    }
}
