#include "framework/Units.h"
#include "models/KOTPath.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTPath, CalculatedVariableFollowsEachInput)
{
    const struct {
        const char* label;
        int calc, index;
        double value, loss, distance, frequency;
    } rows[] = {
        // The default loss gives the default distance back.
        {"distance from the default loss", CKOTPath::VarDistance, CKOTPath::VarLoss, 205.10546463849903, 205.10546,
         35786.05, 1.2e10},
        {"no distance for a negative loss", CKOTPath::VarDistance, CKOTPath::VarLoss, -10, -10, 0, 1.2e10},
        {"frequency from a loss", CKOTPath::VarFrequency, CKOTPath::VarLoss, 200, 200, 35786.05, 6.6666555e9},
        {"loss at the upper frequency limit", CKOTPath::VarLoss, CKOTPath::VarFrequency, 3e15, 313.06426, 35786.05,
         3e15},
        {"loss at the lowest distance", CKOTPath::VarLoss, CKOTPath::VarDistance, 0.001, 54.031189, 0.001, 1.2e10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTPath model;
        ASSERT_EQ(model.SetCalcVar(row.calc), 1);
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        ExpectPrinted(model.m_loss, row.loss, 8);
        ExpectPrinted(model.m_distance, row.distance, 8);
        ExpectPrinted(model.m_frequency, row.frequency, 8);
    }
}

TEST(KOTPath, ChoosingTheCalculatedVariableDoesNotRecalculate)
{
    CKOTPath model;
    ASSERT_EQ(model.SetCalcVar(CKOTPath::VarDistance), 1);
    EXPECT_EQ(model.m_distance, 35786.05);
    EXPECT_EQ(model.SetCalcVar(5), 0);
    EXPECT_EQ(model.SetCalcVar(1), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTPath::VarDistance);
}

TEST(KOTPath, LinkInstanceKeepsItsFrequency)
{
    CKOTPath model(1000, 4e9, UnitMHz);
    EXPECT_EQ(model.IsStandAlone(), 0);
    EXPECT_EQ(CKOTPath().IsStandAlone(), 1);
    EXPECT_EQ(ValueText(model, CKOTPath::VarFrequency), "4000.0");
    ExpectPrinted(model.m_loss, 164.48876, 8);

    EXPECT_EQ(model.SetCalcVar(CKOTPath::VarFrequency), 0);
    EXPECT_EQ(model.GetCalcVar(), CKOTPath::VarLoss);
    ASSERT_EQ(model.SetCalcVar(CKOTPath::VarDistance), 1);
    ErrorSink sink;
    ASSERT_EQ(model.SetRealVar(CKOTPath::VarLoss, 170, sink), 1);
    EXPECT_EQ(model.m_frequency, 4e9);
}

TEST(KOTPath, OnlyTheFrequencyHasAChoiceOfUnit)
{
    CKOTPath model;
    EXPECT_EQ(model.SetDisplayUnit(CKOTPath::VarFrequency, UnitW), 0);
    EXPECT_EQ(model.SetDisplayUnit(CKOTPath::VarDistance, UnitM), 0);
    EXPECT_EQ(model.SetDisplayUnit(CKOTPath::VarFrequency, UnitHz), 1);
    EXPECT_EQ(ValueText(model, CKOTPath::VarFrequency), "1.2000e+10");
}

TEST(KOTPath, AFrequencyUnitTypedIntoTheDistanceIsRefused)
{
    CKOTPath model;
    const std::vector<double> before = RealValues(model);
    ErrorSink sink;
    EXPECT_EQ(model.SetValueFromText(CKOTPath::VarDistance, "500 MHz", sink), 0);
    EXPECT_EQ(sink.Code, ErrorRangeWarning);
    EXPECT_EQ(sink.Problem, "Input range error");
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' cannot take a value in MHz");
    EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
    EXPECT_EQ(RealValues(model), before);

    ASSERT_EQ(model.SetValueFromText(CKOTPath::VarDistance, "4e7 m", sink), 1);
    EXPECT_EQ(model.m_distance, 40000);
}

} // namespace
