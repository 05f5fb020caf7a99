// Small checks shared by the tool model suites.
#pragma once

#include "framework/KorObj.h"

#include <gtest/gtest.h>

#include <cmath>
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
