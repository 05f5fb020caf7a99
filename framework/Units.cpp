#include "framework/Units.h"

#include "framework/KorDefaults.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr double Pi = 3.141592653589793;

const char* const UnitLabels[] = {
    "",        "km",     "m",      "cm",     "mm",     "km/s",    "m/s",    "cm/s",
    "mm/s",    "Hz",     "kHz",    "MHz",    "GHz",    "W",       "pW",     "dB",
    "dBi",     "dBW",    "dB/Hz",  "deg",    "rad",    "deg/s",   "rad/s",  "K",
    "s",       "sec",    "min",    "hours",  "days",   "months",  "year",   "deg E",
    "deg N",   "dBW/Hz", "gm/m^3", "%",      "s/m",    "deg/day", "/Hz",    "W/Hz",
    "dBW/4KHz/m^2", "dBW/1MHz/m^2", "C", "mm/h", "dB/km", "dB/dec", "", "",
};
constexpr int UnitCount = static_cast<int>(sizeof(UnitLabels) / sizeof(UnitLabels[0]));
static_assert(UnitCount == 48);

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

std::string Printf(const char* format, int places, double x)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, places, x);
    return buffer;
}

bool IsTokenChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
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

// The number strtod reads from the start of `in`, and where it stopped; no value as ReadReal.
std::optional<double> ReadRealUpTo(const std::string& in, std::size_t& end)
{
    const char* start = in.c_str();
    char* stop = nullptr;
    const double value = std::strtod(start, &stop);
    if (stop == start || !std::isfinite(value))
        return std::nullopt;
    end = static_cast<std::size_t>(stop - start);
    return value;
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
    const std::optional<std::size_t> found = MatchLabel(text, UnitLabels);
    if (!found)
        return std::nullopt;
    return static_cast<int>(*found);
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
        return to == UnitRad ? x * Pi / 180 : x;
    case UnitRad:
        return (to == UnitDeg || to == UnitDegE || to == UnitDegN) ? x * 180 / Pi : x;
    case UnitDegPerS:
        return to == UnitRadPerS ? x * Pi / 180 : x;
    case UnitRadPerS:
        if (to == UnitDegPerS)
            return x * 180 / Pi;
        if (to == UnitDegPerDay)
            return x * 86400 * 180 / Pi;
        return x;
    case UnitDegPerDay:
        return to == UnitRadPerS ? x / 86400 * Pi / 180 : x;
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

void FormatNumber(double x, std::string& out)
{
    const CKorDefaults& defaults = KorDefaults();
    const int places = defaults.m_decimalPlaces;
    const double magnitude = std::fabs(x);
    // Decided on the unrounded value, so 99999.99996 prints as 100000.0 in fixed form.
    if ((magnitude < 100000 && magnitude >= std::pow(10.0, -places)) || x == 0) {
        out = Printf("%.*f", places, x);
        if (defaults.m_trimTrailingZeros)
            TrimTrailingZeros(out);
    } else {
        out = Printf("%.*e", places, x);
    }
}

void FormatConverted(double x, int from, int to, std::string& out)
{
    const double converted = ConvertUnit(x, from, to);
    // Decibels never overflow (FromDb saturates), so only a conversion by a factor can; the
    // value is then converted 10^100 times smaller, and the exponent of its text raised by 100.
    constexpr double Scale = 1e100;
    constexpr int ScaleExponent = 100;
    const bool decibels = from == UnitDb || from == UnitDbw || to == UnitDb || to == UnitDbw;
    if (!std::isinf(converted) || !std::isfinite(x) || decibels) {
        FormatNumber(converted, out);
        return;
    }
    FormatNumber(ConvertUnit(x / Scale, from, to), out);
    const std::size_t e = out.find('e');
    if (e == std::string::npos)
        return;
    const int exponent = std::atoi(out.c_str() + e + 1) + ScaleExponent;
    out.erase(e + 1);
    out += exponent < 0 ? '-' : '+';
    out += std::to_string(std::abs(exponent));
}

std::string FormatNumber(double x)
{
    std::string out;
    FormatNumber(x, out);
    return out;
}

void TrimTrailingZeros(std::string& s)
{
    // Only "." counts: under a locale with another decimal separator the text keeps its zeros.
    const std::size_t point = s.find('.');
    if (point == std::string::npos || s.empty())
        return;
    const std::size_t first = point + 1;
    std::size_t last = s.size() - 1;
    if (s[last] != '0' || last <= first)
        return;
    while (last > first && s[last] == '0')
        --last;
    s.erase(last + 1);
}

void FormatAngleDms(double radians, int unit, std::string& out)
{
    double a = radians * 180 / Pi;
    const bool negative = radians < 0;
    if (negative)
        a = -a;
    const char* prefix = unit == UnitLatitudeDms ? (negative ? "S" : "N") : (negative ? "W" : "E");
    char buffer[128];
    if (!(a < 2147483647.0)) {
        // Not finite, or too many degrees to count in whole numbers: show the plain value.
        std::snprintf(buffer, sizeof buffer, "%s%g", prefix, a);
        out = buffer;
        return;
    }
    // The addend lets a value a hair below a whole degree or minute (30 degrees after a round
    // trip through radians) read as that whole number.
    const int degrees = static_cast<int>(a + 1.3888888888888888e-07);
    const double r = a - degrees;
    const int minutes = r > 0 ? static_cast<int>(r * 60 + 8.333333333333334e-06) : 0;
    const double r2 = r - minutes / 60.0;
    const double seconds = r2 > 0 ? r2 * 3600 : 0;
    std::snprintf(buffer, sizeof buffer, "%s%d:%d'%g\"", prefix, degrees, minutes, seconds);
    out = buffer;
}

std::optional<double> ParseAngleDms(const std::string& in)
{
    const std::size_t n = in.size();
    std::size_t i = 0;
    while (i < n && std::isspace(static_cast<unsigned char>(in[i])))
        ++i;
    double sign = 1;
    if (i < n && !IsTokenChar(in[i])) {
        const char c = in[i];
        if (c == 'S' || c == 's' || c == 'W' || c == 'w' || c == '-')
            sign = -1;
        ++i;
    }
    double parts[4] = {0, 0, 0, 0}; // index 1 degrees, 2 minutes, 3 seconds
    int position = 0;
    bool found = false;
    while (i < n) {
        std::size_t length = 0;
        while (i + length < n && length < 79 && IsTokenChar(in[i + length]))
            ++length;
        if (length == 0) {
            ++i;
            continue;
        }
        const std::string token = in.substr(i, length);
        i += length;
        const char terminator = i < n ? in[i] : '\0';
        if (i < n)
            ++i;
        char* end = nullptr;
        const double value = std::strtod(token.c_str(), &end);
        if (end != token.c_str())
            found = true;
        if (terminator == '"')
            position = 3;
        else if (terminator == '\'')
            position = 2;
        else
            ++position;
        // A fourth positional number has no meaning; refuse the text rather than guess.
        if (position > 3)
            return std::nullopt;
        parts[position] = value;
    }
    if (!found)
        return std::nullopt;
    const double result = sign * (parts[1] + parts[2] / 60 + parts[3] / 3600) * Pi / 180;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<long> ReadLong(const std::string& in)
{
    const char* start = in.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(start, &end, 10);
    if (end == start || errno == ERANGE)
        return std::nullopt;
    return value;
}

std::optional<double> ReadReal(const std::string& in)
{
    std::size_t end = 0;
    return ReadRealUpTo(in, end);
}

std::optional<RealAndUnit> ReadRealAndUnit(const std::string& in)
{
    std::size_t first = 0;
    const std::optional<double> number = ReadRealUpTo(in, first);
    if (!number)
        return std::nullopt;
    std::size_t last = in.size();
    while (first < last && IsBlank(in[first]))
        ++first;
    while (last > first && IsBlank(in[last - 1]))
        --last;
    RealAndUnit read{*number, in.substr(first, last - first), std::nullopt};
    read.unit = MatchUnitLabel(read.rest);
    return read;
}
