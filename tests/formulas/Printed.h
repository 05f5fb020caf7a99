// Helpers for table-driven formula tests. Reference numbers are compared as a table prints them:
// the value must round to the printed digits, within half a unit of the last printed place.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

inline ::testing::AssertionResult MatchesPrinted(double actual, const char* printed)
{
    const char* dot = std::strchr(printed, '.');
    const char* exp = std::strpbrk(printed, "eE");
    const int decimals = dot ? static_cast<int>((exp ? exp : dot + std::strlen(dot)) - dot - 1) : 0;
    const double expected = std::strtod(printed, nullptr);
    // The few-ulp term allows for the decimal text itself not being exact in binary.
    const double tolerance = 0.5 * std::pow(10.0, (exp ? std::atoi(exp + 1) : 0) - decimals) + 4e-16 * std::fabs(expected);
    if (std::fabs(actual - expected) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ::testing::PrintToString(actual) << " does not round to " << printed;
}

struct PrintedRow { const char* label; double value; const char* printed; };
struct ExactRow { const char* label; double value, expected; };

inline void ExpectPrinted(std::initializer_list<PrintedRow> rows)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_TRUE(MatchesPrinted(row.value, row.printed));
    }
}

inline void ExpectExact(std::initializer_list<ExactRow> rows)
{
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.value, row.expected);
    }
}

inline constexpr double Deg = 3.141592653589793 / 180;
