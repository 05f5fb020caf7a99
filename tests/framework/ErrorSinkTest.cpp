#include "framework/ErrorSink.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ErrorSink, NewSinkReadsUnknownError)
{
    const ErrorSink sink;
    EXPECT_EQ(sink.Code, 0);
    EXPECT_EQ(sink.Problem, "Unknown error");
    EXPECT_EQ(sink.Explanation, "An error with an unknown code has been detected");
    EXPECT_EQ(sink.Suggestion, "Contact Tessaline Systems");
}

TEST(ErrorSink, CodesWithoutARowReadAsRowZero)
{
    for (int code : {32, 33, 63, 99, -1, -7}) {
        SCOPED_TRACE(code);
        ErrorSink sink;
        sink.SetError(4);
        sink.SetError(code);
        EXPECT_EQ(sink.Code, 0);
        EXPECT_EQ(sink.Problem, "Unknown error");
    }
}

TEST(ErrorSink, EveryRowHasThreeTexts)
{
    const struct {
        int code;
        const char* problem;
    } named[] = {
        {1, "Memory error"}, {2, "Maths error"}, {5, "Zero angular momemtum"}, {10, "Variable %s not set"},
        {31, "Link defined antenna specifed for receive only link"}, {34, "Frequencies must increase"},
        {37, "Invalid tracking strategy."}, {62, "Circular definition of links"},
    };
    for (const auto& row : named) {
        ErrorSink sink;
        sink.SetError(row.code);
        EXPECT_EQ(sink.Problem, row.problem);
    }
    for (int code = 0; code < ErrorCodeCount; ++code) {
        if (code == 32 || code == 33)
            continue;
        SCOPED_TRACE(code);
        ErrorSink sink;
        sink.SetError(code);
        EXPECT_EQ(sink.Code, code);
        EXPECT_FALSE(sink.Problem.empty());
        EXPECT_FALSE(sink.Explanation.empty());
        EXPECT_FALSE(sink.Suggestion.empty());
    }
}

TEST(ErrorSink, RowsTheToolsRaise)
{
    ErrorSink sink;
    sink.SetError(3);
    EXPECT_EQ(sink.Problem, "Input range error");
    EXPECT_EQ(sink.Explanation, "The input variable is out of range");
    EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
    sink.SetError(4);
    EXPECT_EQ(sink.Problem, "Variable fixed");
    EXPECT_EQ(sink.Explanation, "The variable can not be changed");
    EXPECT_EQ(sink.Suggestion, "Use current variable value");
    sink.SetError(2);
    EXPECT_EQ(sink.Explanation, "Divide by zero or log(0) in maths libraries");
    sink.SetError(21);
    EXPECT_EQ(sink.Suggestion, "Change angles in array so each one is bigger than preceeding angle");
    sink.SetError(61);
    EXPECT_EQ(sink.Explanation, "The variable you have specified does not exist.");
    EXPECT_EQ(sink.Suggestion, "Select a different variable.");
}

TEST(ErrorSink, RangeWarningsNameTheVariableAndLimit)
{
    ErrorSink sink;
    sink.SetError(4);
    sink.IntRangeWarning(5, 2, "Count", "");
    EXPECT_EQ(sink.Code, -1);
    EXPECT_EQ(sink.Problem, "Input range error");
    EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
    EXPECT_EQ(sink.Explanation, "Variable 'Count' has been set to 5 which is above the limit of 2");

    struct Row {
        double value, limit;
        const char* name;
        const char* unit;
        const char* explanation;
    };
    // Both numbers carry the unit they are quoted in; a variable without one gets no label and
    // no stray space.
    const Row rows[] = {
        {0, 1e-13, "Frequency", "GHz", "Variable 'Frequency' has been set to 0.0 GHz which is below the limit of 1.0000e-13 GHz"},
        {0, 1e-300, "absolute value", "", "Variable 'absolute value' has been set to 0.0 which is below the limit of 1.0000e-300"},
        {5000, 3000, "dB value", "dB", "Variable 'dB value' has been set to 5000.0 dB which is above the limit of 3000.0 dB"},
        {4e6, 3e6, "Frequency", "GHz", "Variable 'Frequency' has been set to 4.0000e+06 GHz which is above the limit of 3.0000e+06 GHz"},
        {-1, 0, "Elevation angle", "deg", "Variable 'Elevation angle' has been set to -1.0 deg which is below the limit of 0.0 deg"},
        {2.5, 2.5, "x", "", "Variable 'x' has been set to 2.5 which is below the limit of 2.5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.explanation);
        sink.RealRangeWarning(row.value, row.limit, row.name, row.unit);
        EXPECT_EQ(sink.Explanation, row.explanation);
    }
    sink.IntRangeWarning(-2, 0, "Hours", "hours");
    EXPECT_EQ(sink.Explanation, "Variable 'Hours' has been set to -2 hours which is below the limit of 0 hours");
}

TEST(ErrorSink, ExplanationIsCutAt255Characters)
{
    ErrorSink sink;
    sink.RealRangeWarning(1, 2, std::string(300, 'v'), "dB");
    EXPECT_EQ(sink.Explanation.size(), 255u);
    EXPECT_EQ(sink.Explanation.substr(0, 11), "Variable 'v");
    sink.NotANumberWarning(std::string(400, 'z'), "Frequency");
    EXPECT_EQ(sink.Explanation.size(), 255u);
    EXPECT_EQ(sink.Code, -1);
}

} // namespace
