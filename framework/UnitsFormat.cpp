// Numbers as text: the one number-to-text rule, values converted for display, and angles in
// degrees, minutes and seconds.
#include "framework/Units.h"

#include "framework/KorDefaults.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

namespace {

std::string Printf(const char* format, int places, double x)
{
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, places, x);
    return buffer;
}

} // namespace

void FormatNumber(double x, std::string& out)
{
    const CKorDefaults& defaults = KorDefaults();
    const int places = defaults.m_decimalPlaces;
    const double magnitude = std::fabs(x);
    // Decided on the unrounded value, so 99999.99996 prints as 100000.0 in fixed form.
    if ((magnitude < 100000 && magnitude >= std::pow(10.0, -places)) || x == 0) {
        out = Printf("%.*f", places, x);
        // A negative zero, or anything else that rounds to zero here, has no sign worth showing:
        // "-0.0" beside a value that is simply zero reads as a different result.
        if (out.front() == '-' && out.find_first_of("123456789") == std::string::npos)
            out.erase(0, 1);
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
    // The decimal separator is whatever stands between the whole digits and the decimals: a '.',
    // or the one the user's locale gave printf (a ',', or more than one byte).
    constexpr const char* Digits = "0123456789";
    const std::size_t sign = !s.empty() && s.front() == '-' ? 1 : 0;
    const std::size_t separator = s.find_first_not_of(Digits, sign);
    if (separator == std::string::npos || separator == sign)
        return;
    const std::size_t first = s.find_first_of(Digits, separator);
    // No decimals, or more than decimals after them (an exponent): nothing to trim.
    if (first == std::string::npos || s.find_first_not_of(Digits, first) != std::string::npos)
        return;
    std::size_t last = s.size() - 1;
    while (last > first && s[last] == '0')
        --last;
    s.erase(last + 1);
}

void FormatAngleDms(double radians, int unit, std::string& out)
{
    double a = radians * 180 / std::numbers::pi;
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
