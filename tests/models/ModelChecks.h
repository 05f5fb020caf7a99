// Small checks shared by the tool model suites.
#pragma once

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

inline std::string ValueText(const CKorObj& model, int index)
{
    std::string out;
    model.GetValueText(index, out);
    return out;
}

// Every real variable in storage units, to show that a refused write changed nothing.
inline std::vector<double> RealValues(const CKorObj& model)
{
    std::vector<double> values(model.GetVarCount(), 0.0);
    for (int index = 2; index < model.GetVarCount(); ++index)
        model.GetRealVar(index, values[index]);
    return values;
}

// A value printed with `digits` significant digits agrees within half a unit of its last digit.
inline void ExpectPrinted(double actual, double printed, int digits)
{
    EXPECT_NEAR(actual, printed, 0.5 * std::pow(10.0, 1 - digits) * std::fabs(printed));
}

// Writes `value` to the variable. Accepted (no refusal given): stored exactly as given.
// Refused: the range warning with this explanation, and every value of the model as it was.
inline void ExpectLimit(CKorObj& model, int index, double value, const char* refusal)
{
    const std::vector<double> before = RealValues(model);
    ErrorSink sink;
    const int result = model.SetRealVar(index, value, sink);
    if (refusal) {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(sink.Code, ErrorRangeWarning);
        EXPECT_EQ(sink.Problem, "Input range error");
        EXPECT_EQ(sink.Explanation, refusal);
        EXPECT_EQ(RealValues(model), before);
        return;
    }
    EXPECT_EQ(result, 1);
    double stored = 0;
    model.GetRealVar(index, stored);
    EXPECT_EQ(stored, value);
}

inline constexpr double Degree = 3.141592653589793 / 180;

// What a model tells about one of its variables: its name, kind, storage and display units (the
// unit label follows the display unit) and the text it shows for the value.
struct VarFacts {
    int index;
    const char* name;
    int kind;
    int unit;
    int display;
    const char* text;
};

inline void ExpectVariables(const CKorObj& model, std::initializer_list<VarFacts> rows)
{
    for (const VarFacts& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text;
        model.GetVarName(row.index, text);
        EXPECT_EQ(text, row.name);
        EXPECT_EQ(model.GetVarKind(row.index), row.kind);
        EXPECT_EQ(model.GetVarUnit(row.index), row.unit);
        EXPECT_EQ(model.GetDisplayUnit(row.index), row.display);
        model.GetUnitLabel(row.index, text);
        EXPECT_EQ(text, UnitLabel(row.display));
        EXPECT_EQ(ValueText(model, row.index), row.text);
    }
}
