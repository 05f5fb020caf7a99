// Small checks shared by the tool model suites.
#pragma once

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "formulas/Antenna.h"
#include "models/KOTFOV2.h"
#include "models/KOTLink.h"
#include "models/KOTPFD.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Whether two field-of-view models hold the same four quantities, each within `relative` of
// its size.
inline bool SameTriangle(const CKOTFOV2& a, const CKOTFOV2& b, double relative)
{
    for (int index = CKOTFOV2::VarHeight; index < CKOTFOV2::VarTotal; ++index) {
        double want = 0, got = 0;
        a.GetRealVar(index, want);
        b.GetRealVar(index, got);
        if (std::fabs(got - want) > relative * std::fabs(want))
            return false;
    }
    return true;
}

// Whether the field of view's four quantities are the triangle its fixed and edited variables
// give, and one whose digits typed values reach. The choice of fixed variable can change after
// an entry, and the solvers clamp what no triangle allows; the quantities an earlier choice left
// then fit no pair of entries under the present choices, and no command line of entries gives
// them back. Near the horizon or the zenith the triangle is so ill-conditioned that one bit of an
// angle typed in degrees moves the others by more than 1e-9 of their size; such a triangle is
// given back only to the digits shown. With the edited variable the fixed one, nothing is
// solved, and any other variable stands in for it.
inline bool IsOneTriangle(const CKorObj& model)
{
    const CKOTFOV2& original = static_cast<const CKOTFOV2&>(model);
    CKOTFOV2 probe(original);
    if (probe.m_editedVar == probe.m_fixedVar)
        probe.SetCalcVar(probe.m_fixedVar == CKOTFOV2::VarHeight ? CKOTFOV2::VarElevation : CKOTFOV2::VarHeight);
    probe.Recalculate();
    if (!SameTriangle(original, probe, 1e-12))
        return false;
    for (const double direction : {HUGE_VAL, -HUGE_VAL}) {
        CKOTFOV2 nudged(probe);
        double* member[] = {nullptr, nullptr, &nudged.m_height, &nudged.m_elevation, &nudged.m_distance,
                            &nudged.m_nadirAngle};
        double* edited = member[nudged.m_editedVar];
        *edited = std::nextafter(*edited, direction);
        nudged.Recalculate();
        if (!SameTriangle(probe, nudged, 1e-9))
            return false;
    }
    return true;
}

// Whether each antenna of a link budget or PFD tool has the relative gain its off-axis angle
// gives. A relative gain that no angle reaches leaves the angle at 0 or 180 degrees, and a dish
// changed afterwards keeps both as they were; such a pair follows from no entries under the
// present dish. Other tools are always in step.
template <class Budget>
bool BudgetAntennasInStep(const Budget& budget)
{
    auto inStep = [](double peakGain, double beamwidth, double angle, int pattern, double relativeGain) {
        const double fromAngle = RelativeGain(peakGain, beamwidth, angle, pattern);
        return std::fabs(fromAngle - relativeGain) <= 1e-9 * std::max(1.0, std::fabs(relativeGain));
    };
    return inStep(budget.m_txPeakGain, budget.m_txBeamwidth, budget.m_txOffAxisAngle, budget.m_txPattern,
                  budget.m_txRelativeGain) &&
           inStep(budget.m_rxPeakGain, budget.m_rxBeamwidth, budget.m_rxOffAxisAngle, budget.m_rxPattern,
                  budget.m_rxRelativeGain);
}

inline bool AntennasInStep(const CKorObj& model)
{
    if (const auto* link = dynamic_cast<const CKOTLink*>(&model))
        return BudgetAntennasInStep(*link);
    if (const auto* pfd = dynamic_cast<const CKOTPFD*>(&model))
        return BudgetAntennasInStep(*pfd);
    return true;
}
