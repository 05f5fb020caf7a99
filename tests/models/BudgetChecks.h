// Shared by the link budget and PFD suites: what a budget holds, and the tools it opens.
#pragma once

#include "platform/Win.h"
#include "tests/models/ModelChecks.h"
#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Sets each variable in turn; a refusal fails the test.
template <class Budget>
void Set(Budget& budget, std::initializer_list<std::pair<int, double>> values)
{
    for (const auto& [index, value] : values) {
        ErrorSink sink;
        EXPECT_EQ(budget.SetRealVar(index, value, sink), 1) << "variable " << index << ": " << sink.Explanation;
    }
}

// Everything a tool can give back: every real variable, both patterns and the display units.
template <class Budget>
void ExpectSameHolds(const Budget& actual, const Budget& expected)
{
    EXPECT_EQ(RealValues(actual), RealValues(expected));
    EXPECT_EQ(actual.m_txPattern, expected.m_txPattern);
    EXPECT_EQ(actual.m_rxPattern, expected.m_rxPattern);
    EXPECT_EQ(actual.m_frequencyDisplay, expected.m_frequencyDisplay);
    EXPECT_EQ(actual.m_wavelengthDisplay, expected.m_wavelengthDisplay);
}

template <class Budget>
struct BudgetTool {
    const char* name;
    int templateId;
    void (Budget::*run)();
};

// Opens the tool over the budget with the script playing the user.
template <class Budget>
void RunBudgetTool(Budget& budget, const BudgetTool<Budget>& tool, DialogScript script)
{
    ScriptedHost host;
    host.OnDialog(tool.templateId, std::move(script));
    (budget.*tool.run)();
    EXPECT_EQ(host.PendingScripts(tool.templateId), 0u) << "the tool never opened";
    EXPECT_TRUE(host.ErrorsShown().empty());
}

// Opens each tool over `worked` and closes it unchanged, by Close, Enter, Escape and the close
// box in turn: the budget must hold exactly what it held before.
template <class Budget>
void ExpectUnchangedToolsGiveNothingBack(const Budget& worked, std::span<const BudgetTool<Budget>> tools)
{
    const struct {
        const char* name;
        void (*close)(ScriptedDialog&);
    } closings[] = {
        {"Close", [](ScriptedDialog& d) { d.Click(IDCANCEL); }},
        {"Enter", [](ScriptedDialog& d) { d.PressEnter(); }},
        {"Escape", [](ScriptedDialog& d) { d.PressEscape(); }},
        {"close box", [](ScriptedDialog& d) { d.CloseBox(); }},
    };
    for (const BudgetTool<Budget>& tool : tools) {
        for (const auto& closing : closings) {
            SCOPED_TRACE(std::string(tool.name) + ", " + closing.name);
            Budget budget = worked;
            RunBudgetTool(budget, tool, [&](ScriptedDialog& d) {
                closing.close(d);
                EXPECT_TRUE(d.Ended());
            });
            ExpectSameHolds(budget, worked);
        }
    }
}
