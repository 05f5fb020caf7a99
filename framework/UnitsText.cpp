// Reading typed numbers: a number as the C library reads it, under the user's locale, and what
// follows it (a unit label or nothing), and angles in degrees, minutes and seconds.
#include "framework/Units.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

bool IsTokenChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The number strtod reads from the start of `in`, and where it stopped. No value when there is
// none or it is not finite.
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
    const double result = sign * (parts[1] + parts[2] / 60 + parts[3] / 3600) * std::numbers::pi / 180;
    if (!std::isfinite(result))
        return std::nullopt;
    return result;
}

std::optional<double> ReadReal(const std::string& in)
{
    const std::optional<RealAndUnit> read = ReadRealAndUnit(in);
    if (!read || !read->rest.empty())
        return std::nullopt;
    return read->number;
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
