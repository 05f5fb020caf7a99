// Shared by the link budget and PFD suites: what a budget holds, and the ways a user closes a
// tool that a budget opened.
#pragma once

#include "platform/Win.h"
#include "tests/models/ModelChecks.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Everything a budget holds that a tool can give back: every real variable, both patterns and
// the display units.
struct BudgetHolds {
    std::vector<double> reals;
    std::vector<int> choices;
};

template <class Budget>
BudgetHolds Holds(const Budget& budget)
{
    return {RealValues(budget),
            {budget.m_txPattern, budget.m_rxPattern, budget.m_frequencyDisplay, budget.m_wavelengthDisplay}};
}

inline void ExpectSameHolds(const BudgetHolds& actual, const BudgetHolds& expected)
{
    EXPECT_EQ(actual.reals, expected.reals);
    EXPECT_EQ(actual.choices, expected.choices);
}

// The ways to leave a tool without pressing any of its own buttons.
struct SubToolClosing {
    const char* name;
    std::function<void(ScriptedDialog&)> close;
};

inline const SubToolClosing SubToolClosings[] = {
    {"Close", [](ScriptedDialog& d) { d.Click(IDCANCEL); }},
    {"Enter", [](ScriptedDialog& d) { d.PressEnter(); }},
    {"Escape", [](ScriptedDialog& d) { d.PressEscape(); }},
    {"close box", [](ScriptedDialog& d) { d.CloseBox(); }},
};

// Sets each variable in turn and fails the test at the first refusal.
template <class Budget>
void Set(Budget& budget, std::initializer_list<std::pair<int, double>> values)
{
    for (const auto& [index, value] : values) {
        ErrorSink sink;
        ASSERT_EQ(budget.SetRealVar(index, value, sink), 1) << "variable " << index << ": " << sink.Explanation;
    }
}
