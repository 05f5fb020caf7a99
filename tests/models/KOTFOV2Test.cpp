#include "formulas/Constants.h"
#include "formulas/Orbit.h"
#include "framework/Units.h"
#include "models/KOTFOV2.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

constexpr double Deg = Degree;

using M = CKOTFOV2;

// The model's values by variable index, as RealValues gives them.
using Values = std::vector<double>;

void Put(M& model, const Values& v)
{
    model.m_height = v[M::VarHeight];
    model.m_elevation = v[M::VarElevation];
    model.m_distance = v[M::VarDistance];
    model.m_nadirAngle = v[M::VarNadirAngle];
}

Values Triangle(double height, double elevation)
{
    Values v(M::VarTotal, 0.0);
    v[M::VarHeight] = height;
    v[M::VarElevation] = elevation;
    v[M::VarNadirAngle] = FovFromHeightElevation(v[M::VarHeight], v[M::VarElevation], v[M::VarDistance]);
    return v;
}

const char* const VarNames[] = {"", "", "height", "elevation", "distance", "angle at satellite"};

TEST(KOTFOV2, StartsOnAGeostationarySatelliteAtFiveDegrees)
{
    const M model;
    std::string text;
    model.GetTypeName(text);
    EXPECT_EQ(text, "Enhanced Field of View Tool");
    EXPECT_EQ(ValueText(model, 1), "Enhanced Field of View Tool");
    EXPECT_EQ(model.GetVarCount(), 6);
    EXPECT_EQ(model.m_editedVar, M::VarElevation);
    EXPECT_EQ(model.GetCalcVar(), M::VarElevation);
    EXPECT_EQ(model.m_fixedVar, M::VarHeight);

    ExpectVariables(model, {
                               {M::VarHeight, "Height above Earth", VarKindReal, UnitKm, UnitKm, "35786.05"},
                               {M::VarElevation, "Elevation angle", VarKindReal, UnitRad, UnitDeg, "5.0"},
                               {M::VarDistance, "Distance to Horizon", VarKindReal, UnitKm, UnitKm, "41126.8097"},
                               {M::VarNadirAngle, "Angle at satellite", VarKindReal, UnitRad, UnitDeg, "8.6671"},
                           });
    EXPECT_EQ(model.m_height, 35786.05);
    EXPECT_EQ(model.m_elevation, 0.08726646259971647);
    ExpectPrinted(model.m_distance, 41126.810, 8);
    ExpectPrinted(model.m_nadirAngle, 8.667124 * Deg, 7);
    model.GetVarName(6, text);
    EXPECT_EQ(text, "Unknown variable");
    // Every index counts as editable, even one the model does not have.
    for (int index : {-1, 0, 1, 2, 5, 6, 100}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(model.GetVarAccess(index), VarEditable);
    }
}

TEST(KOTFOV2, RecordingTheEditedVariableRecalculatesNothing)
{
    for (const int index : std::initializer_list<int>{M::VarHeight, M::VarNadirAngle, 0, 42, -1}) {
        SCOPED_TRACE(index);
        M model;
        const std::vector<double> before = RealValues(model);
        EXPECT_EQ(model.SetCalcVar(index), 1);
        EXPECT_EQ(model.GetCalcVar(), index);
        EXPECT_EQ(model.m_editedVar, index);
        EXPECT_EQ(RealValues(model), before);
    }
}

// For every choice of fixed and edited variable, the two are the inputs and the other two come
// out as the triangle they belong to. The model starts on one triangle with only the fixed
// quantity taken from another, so a wrong solver, or none, leaves values of the first behind.
TEST(KOTFOV2, EveryPairOfFixedAndEditedSolvesTheOtherTwo)
{
    const Values start = Triangle(35786.05, 5 * Deg);
    for (const Values& target : {Triangle(20200, 60 * Deg), Triangle(500, 30 * Deg)}) {
        for (int fixed = M::VarHeight; fixed < M::VarTotal; ++fixed) {
            for (int edited = M::VarHeight; edited < M::VarTotal; ++edited) {
                if (edited == fixed)
                    continue;
                SCOPED_TRACE(::testing::Message() << "fixed " << VarNames[fixed] << ", edited " << VarNames[edited]
                                                  << ", towards h=" << target[M::VarHeight]);
                M model;
                Values mixed = start;
                mixed[fixed] = target[fixed];
                Put(model, mixed);
                model.m_fixedVar = fixed;
                ASSERT_EQ(model.SetCalcVar(edited), 1);
                ErrorSink sink;
                ASSERT_EQ(model.SetRealVar(edited, target[edited], sink), 1);
                const Values got = RealValues(model);
                for (int var = M::VarHeight; var < M::VarTotal; ++var) {
                    SCOPED_TRACE(VarNames[var]);
                    // Lengths relative to their size, angles absolutely.
                    const bool angle = var == M::VarElevation || var == M::VarNadirAngle;
                    EXPECT_NEAR(got[var], target[var], angle ? 1e-11 : 1e-9 * target[var]);
                }
                EXPECT_EQ(model.m_fixedVar, fixed);
                EXPECT_EQ(model.m_editedVar, edited);
            }
        }
    }
}

// With nothing to solve from, the value is stored and the rest is left as it stood.
TEST(KOTFOV2, NothingIsSolvedWithoutTwoDifferentVariables)
{
    const struct {
        const char* label;
        int fixed, edited, index;
        double value;
    } rows[] = {
        {"height fixed and edited", M::VarHeight, M::VarHeight, M::VarHeight, 1000},
        {"elevation fixed and edited", M::VarElevation, M::VarElevation, M::VarElevation, 30 * Deg},
        {"distance fixed and edited", M::VarDistance, M::VarDistance, M::VarDistance, 40000},
        {"angle fixed and edited", M::VarNadirAngle, M::VarNadirAngle, M::VarNadirAngle, 2 * Deg},
        {"edited is no variable", M::VarHeight, 42, M::VarDistance, 40000},
        {"fixed is no variable", 0, M::VarElevation, M::VarElevation, 30 * Deg},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        M model;
        model.m_fixedVar = row.fixed;
        model.SetCalcVar(row.edited);
        std::vector<double> expected = RealValues(model);
        expected[row.index] = row.value;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        EXPECT_EQ(RealValues(model), expected);
    }
}

// Values the geometry cannot meet are not refused: the solvers cut them to what it allows and
// the model keeps the cut value, the fixed one included. Angles in degrees.
TEST(KOTFOV2, ImpossibleGeometryIsClampedInTheModel)
{
    const struct {
        const char* label;
        int fixed;
        double beforeNadir; // of a model otherwise at its defaults; 0: the default
        int index;
        double value;
        double height, elevation, distance, nadir;
        int digits;
    } rows[] = {
        {"angle at satellite of 8 deg", M::VarHeight, 0, M::VarNadirAngle, 8 * Deg, 35786.05, 23.06868, 39254.680, 8,
         7},
        {"angle beyond the horizon", M::VarHeight, 0, M::VarNadirAngle, 10 * Deg, 35786.05, 0, 41678.995, 8.700487,
         7},
        {"distance beyond the horizon", M::VarHeight, 0, M::VarDistance, 50000, 35786.05, 0, 41678.995, 8.700487, 7},
        {"distance below the height", M::VarHeight, 0, M::VarDistance, 100, 35786.05, 90, 35786.05, 0, 7},
        {"elevation straight up", M::VarHeight, 0, M::VarElevation, HalfPi, 35786.05, 90, 35786.05, 0, 17},
        {"elevation with the distance fixed", M::VarDistance, 0, M::VarElevation, 30 * Deg, 38280.650, 30, 41126.810,
         7.104839, 7},
        // The fixed angle is cut to 90 - 80 degrees, leaving a satellite on the ground.
        {"fixed angle cut by the elevation", M::VarNadirAngle, 20 * Deg, M::VarElevation,
         80 * Deg, 0, 80, 0, 10, 7},
        // Looking straight up settles on the lowest satellite and a zero fixed angle.
        {"fixed angle zeroed straight up", M::VarNadirAngle, 0, M::VarElevation, HalfPi, 0.001, 90, 0.001, 0, 17},
        // With the distance fixed, the angle cannot pass arctan(R/d).
        {"angle beyond the fixed distance's horizon", M::VarDistance, 0, M::VarNadirAngle, 10 * Deg, 35240.303, 0,
         41126.810, 8.81548, 6},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        M model;
        if (row.beforeNadir != 0)
            model.m_nadirAngle = row.beforeNadir;
        model.m_fixedVar = row.fixed;
        model.SetCalcVar(row.index);
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        const Values got = RealValues(model);
        // Near the horizon the angles come from asin and acos of values next to 1, so zeros
        // and right angles are compared absolutely.
        const auto expect = [&](double actual, double printed, double scale) {
            if (printed == 0) {
                EXPECT_NEAR(actual, 0, 1e-5 * scale);
            } else {
                ExpectPrinted(actual, printed * scale, row.digits);
            }
        };
        expect(got[M::VarHeight], row.height, 1);
        expect(got[M::VarElevation], row.elevation, Deg);
        expect(got[M::VarDistance], row.distance, 1);
        expect(got[M::VarNadirAngle], row.nadir, Deg);
    }
}

// A limit itself is accepted. Beyond it nothing changes, not even through a solver, and the
// warning quotes angles in degrees, as they are shown.
TEST(KOTFOV2, Limits)
{
    const struct {
        const char* label;
        int index;
        double value;
        int code; // 0: accepted
        const char* explanation;
    } rows[] = {
        {"lowest height", M::VarHeight, 0.001, 0, nullptr},
        {"highest height", M::VarHeight, 1e11, 0, nullptr},
        {"horizontal", M::VarElevation, 0, 0, nullptr},
        {"straight up", M::VarElevation, HalfPi, 0, nullptr},
        {"shortest distance", M::VarDistance, 0.001, 0, nullptr},
        {"longest distance", M::VarDistance, 1e11, 0, nullptr},
        {"zero angle at satellite", M::VarNadirAngle, 0, 0, nullptr},
        {"right angle at satellite", M::VarNadirAngle, HalfPi, 0, nullptr},
        {"height below", M::VarHeight, 0.0005, -1,
         "Variable 'Height above Earth' has been set to 0.0005 km which is below the limit of 0.001 km"},
        {"height above", M::VarHeight, 2e11, -1,
         "Variable 'Height above Earth' has been set to 2.0000e+11 km which is above the limit of 1.0000e+11 km"},
        {"elevation below", M::VarElevation, -1 * Deg, -1,
         "Variable 'Elevation angle' has been set to -1.0 deg which is below the limit of 0.0 deg"},
        {"elevation above", M::VarElevation, 91 * Deg, -1,
         "Variable 'Elevation angle' has been set to 91.0 deg which is above the limit of 90.0 deg"},
        {"distance below", M::VarDistance, 0.0001, -1,
         "Variable 'Distance to Horizon' has been set to 0.0001 km which is below the limit of 0.001 km"},
        {"distance above", M::VarDistance, 1.2e11, -1,
         "Variable 'Distance to Horizon' has been set to 1.2000e+11 km which is above the limit of 1.0000e+11 km"},
        {"angle below", M::VarNadirAngle, -0.5 * Deg, -1,
         "Variable 'Angle at satellite' has been set to -0.5 deg which is below the limit of 0.0 deg"},
        {"angle above", M::VarNadirAngle, 90.5 * Deg, -1,
         "Variable 'Angle at satellite' has been set to 90.5 deg which is above the limit of 90.0 deg"},
        {"description", 1, 1, ErrorVariableFixed, nullptr},
        {"past the last variable", 6, 1, ErrorVariableFixed, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        M model;
        model.SetCalcVar(row.index);
        const Values before = RealValues(model);
        ErrorSink sink;
        EXPECT_EQ(model.SetRealVar(row.index, row.value, sink), row.code == 0 ? 1 : 0);
        EXPECT_EQ(sink.Code, row.code);
        if (row.explanation) {
            EXPECT_EQ(sink.Problem, "Input range error");
            EXPECT_EQ(sink.Explanation, row.explanation);
        }
        if (row.code != 0) {
            EXPECT_EQ(RealValues(model), before);
        }
    }
}

// An angle at the satellite typed a hair above zero, with the elevation fixed, puts the
// satellite further out than a double reaches. The model takes the smallest angle whose
// triangle fits and shows it; that triangle's distance, fixed in turn, still solves.
TEST(KOTFOV2, AnAngleAtTheSatelliteNextToZeroLeavesEveryValueFinite)
{
    M model;
    model.m_fixedVar = M::VarElevation;
    model.SetCalcVar(M::VarNadirAngle);
    ErrorSink sink;
    ASSERT_EQ(model.SetValueFromText(M::VarNadirAngle, "1e-308", sink), 1);
    EXPECT_EQ(ValueText(model, M::VarNadirAngle), "2.2918e-303");
    EXPECT_EQ(ValueText(model, M::VarHeight), "1.5885e+308");
    EXPECT_EQ(ValueText(model, M::VarDistance), "1.5885e+308");

    model.m_fixedVar = M::VarDistance;
    model.SetCalcVar(M::VarElevation);
    ASSERT_EQ(model.SetValueFromText(M::VarElevation, "30", sink), 1);
    for (double value : RealValues(model))
        EXPECT_TRUE(std::isfinite(value)) << value;
    EXPECT_EQ(ValueText(model, M::VarHeight), "1.5885e+308");
}

} // namespace
