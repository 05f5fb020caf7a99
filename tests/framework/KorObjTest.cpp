#include "framework/KorObj.h"
#include "framework/Units.h"
#include "tests/support/TestKorObj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double Pi = 3.141592653589793;

std::string ValueText(const CKorObj& object, int index)
{
    std::string out;
    object.GetValueText(index, out);
    return out;
}

TEST(KorObjBase, IsAModelWithNameAndDescription)
{
    CKorObj base;
    std::string out;
    EXPECT_EQ(base.GetVarCount(), 2);
    base.GetVarName(2, out);
    EXPECT_EQ(out, "Unknown variable");
    base.GetVarName(0, out);
    EXPECT_EQ(out, "Name");
    EXPECT_EQ(ValueText(base, 0), "KorObject");
    EXPECT_EQ(ValueText(base, 1), "KorObject");
    EXPECT_EQ(ValueText(base, 2), "Not available");
    EXPECT_EQ(base.GetVarAccess(5), VarInvalid);
    EXPECT_EQ(base.GetVarAccess(1), VarEditable);
    EXPECT_EQ(base.GetCalcVar(), -1);
    EXPECT_EQ(base.SetState(2), 0);
    EXPECT_EQ(base.NextState(), 1);

    ErrorSink sink;
    EXPECT_EQ(base.SetStringVar(0, "new name", sink), 0);
    EXPECT_EQ(sink.Code, 4);
    ErrorSink silent;
    EXPECT_EQ(base.SetStringVar(7, "x", silent), 0);
    EXPECT_EQ(silent.Code, 0);
    EXPECT_EQ(base.SetRealVar(2, 1.0, sink), 0);
    EXPECT_EQ(sink.Problem, "Variable fixed");
    EXPECT_EQ(base.MakeUniqueName(), 0);
}

TEST(KorObjBase, RealLimitChecks)
{
    CTestKorObj object;
    const struct {
        const char* label;
        bool inclusive;
        double value, min, max;
        bool accepted;
        const char* word;
    } rows[] = {
        {"equal to the lower limit", false, 5, 5, -1, true, ""},
        {"an upper limit not above the lower is none", false, 1e9, 0, 0, true, ""},
        {"not a number passes", false, std::nan(""), 0, 1, true, ""},
        {"below", false, 4.9, 5, 10, false, "below"},
        {"above", false, 10.1, 5, 10, false, "above"},
        {"inclusive refuses the lower limit", true, 5, 5, 10, false, "below"},
        {"inclusive refuses the upper limit", true, 10, 5, 10, false, "below"},
        {"inclusive inside", true, 7, 5, 10, true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ErrorSink sink;
        const int result = row.inclusive
            ? object.CheckRealLimitsInclusive(row.value, row.min, row.max, sink, CTestKorObj::VarFrequency)
            : object.CheckRealLimits(row.value, row.min, row.max, sink, CTestKorObj::VarFrequency);
        EXPECT_EQ(result, row.accepted ? 1 : 0);
        EXPECT_EQ(sink.Code, row.accepted ? 0 : -1);
        if (!row.accepted) {
            EXPECT_NE(sink.Explanation.find(row.word), std::string::npos) << sink.Explanation;
        }
    }
}

TEST(KorObjBase, LimitsAreQuotedInTheDisplayUnit)
{
    CTestKorObj object;
    ErrorSink sink;
    EXPECT_EQ(object.CheckRealLimits(4e15, 0.0001, 3e15, sink, CTestKorObj::VarFrequency), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Frequency' has been set to 4.0000e+06 GHz which is above the limit of 3.0000e+06 GHz");
    EXPECT_EQ(object.CheckRealPositive(0, sink, CTestKorObj::VarDistance), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' has been set to 0.0 m which is below the limit of 0.0 m");
    EXPECT_EQ(object.CheckRealMax(2, 1, sink, CTestKorObj::VarDistance), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' has been set to 2000.0 m which is above the limit of 1000.0 m");
}

TEST(KorObjBase, IntegerLimitChecks)
{
    CTestKorObj object;
    ErrorSink sink;
    EXPECT_EQ(object.CheckIntLimits(-1, 0, 2, sink, CTestKorObj::VarPattern), 0);
    EXPECT_EQ(sink.Code, 3);
    EXPECT_EQ(object.CheckIntMax(1, 0, sink, CTestKorObj::VarEnabled), 0);
    EXPECT_EQ(sink.Code, 3);
    EXPECT_EQ(object.CheckIntAtLeastOne(0, sink, CTestKorObj::VarCount), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Count' has been set to 0 which is below the limit of 1");
    EXPECT_EQ(object.CheckIntMin(-3, 2, sink, CTestKorObj::VarCount), 0);
    EXPECT_EQ(sink.Code, -1);
    ErrorSink clean;
    EXPECT_EQ(object.CheckIntAtLeastOne(1000000, clean, CTestKorObj::VarCount), 1);
    EXPECT_EQ(object.CheckIntLimits(2, 0, 2, clean, CTestKorObj::VarPattern), 1);
    EXPECT_EQ(clean.Code, 0);
}

TEST(KorObjBase, EnumerationChoicesByLeadingCharacters)
{
    CTestKorObj object;
    const struct {
        const char* text;
        int choice;
    } rows[] = {
        {"3", 2}, {"2", 1}, {"Pure", 0}, {"x", -1}, {"", -1}, {"32 - 25log(phi)", 2}, {"29", 1}, {"pure", -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(object.FindEnumChoice(CTestKorObj::VarPattern, row.text), row.choice);
    }
    EXPECT_EQ(object.FindEnumChoice(CTestKorObj::VarCount, "Pure"), -1);
}

TEST(KorObjBase, BooleanTexts)
{
    CTestKorObj object;
    for (const char* text : {"False", "F", "Fish", "Fa"})
        EXPECT_EQ(object.ParseBool(text), 0) << text;
    for (const char* text : {"True", "false", "f", "", "0", "no"})
        EXPECT_EQ(object.ParseBool(text), -1) << text;
}

TEST(KorObjBase, ValueTextOfEveryKind)
{
    CTestKorObj object;
    EXPECT_EQ(ValueText(object, CTestKorObj::VarDistance), "1000.0");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarFrequency), "12.0");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarCount), "3");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarPattern), "29 - 25log(phi)");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarEnabled), "False");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarPower), "0.0");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarLatitude), "N28:38'52.4031\"");
    object.m_power = 0;
    EXPECT_EQ(ValueText(object, CTestKorObj::VarPower), "no signal");
    object.m_pattern = 7;
    EXPECT_EQ(ValueText(object, CTestKorObj::VarPattern), "");
    EXPECT_EQ(ValueText(object, CTestKorObj::VarTotal), "Not available");

    double shown = 0;
    EXPECT_EQ(object.GetValueAsReal(CTestKorObj::VarFrequency, shown), 1);
    EXPECT_DOUBLE_EQ(shown, 12);
    EXPECT_EQ(object.GetValueAsReal(0, shown), 0);
    EXPECT_EQ(shown, 0.0);
}

TEST(KorObjBase, TypedTextIsConvertedToTheStorageUnit)
{
    CTestKorObj object;
    ErrorSink sink;
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarFrequency, "14", sink), 1);
    EXPECT_DOUBLE_EQ(object.m_frequency, 1.4e10);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarDistance, "250 m", sink), 1);
    EXPECT_DOUBLE_EQ(object.m_distance, 0.25);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarPower, "30", sink), 1);
    EXPECT_DOUBLE_EQ(object.m_power, 1000);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarLatitude, "S30:0", sink), 1);
    EXPECT_DOUBLE_EQ(object.m_latitude, -30 * Pi / 180);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarPattern, "3", sink), 1);
    EXPECT_EQ(object.m_pattern, 2);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarEnabled, "true", sink), 1);
    EXPECT_EQ(object.m_enabled, -1);
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarCount, " 12 ", sink), 1);
    EXPECT_EQ(object.m_count, 12);
    // A whole number is whole however it is written.
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarCount, "1.1e1", sink), 1);
    EXPECT_EQ(object.m_count, 11);
}

TEST(KorObjBase, RefusedTextChangesNothing)
{
    const struct {
        const char* label;
        int index;
        const char* text;
        const char* explanation;
    } rows[] = {
        {"empty", CTestKorObj::VarFrequency, "", "Variable 'Frequency' has been set to '' which is not a number"},
        {"blanks", CTestKorObj::VarDistance, "   ", "Variable 'Distance' has been set to '   ' which is not a number"},
        {"letters", CTestKorObj::VarDistance, "abc", "Variable 'Distance' has been set to 'abc' which is not a number"},
        {"nan", CTestKorObj::VarFrequency, "nan", "Variable 'Frequency' has been set to 'nan' which is not a number"},
        {"infinity", CTestKorObj::VarFrequency, "-InFiNiTy", "Variable 'Frequency' has been set to '-InFiNiTy' which is not a number"},
        {"overflow", CTestKorObj::VarFrequency, "1e999", "Variable 'Frequency' has been set to '1e999' which is not a number"},
        {"overflow after conversion", CTestKorObj::VarFrequency, "1e300", "Variable 'Frequency' has been set to '1e300' which is not a number"},
        {"integer without digits", CTestKorObj::VarCount, "many", "Variable 'Count' has been set to 'many' which is not a number"},
        {"integer beyond 32 bits", CTestKorObj::VarCount, "4294967296", "Variable 'Count' has been set to '4294967296' which is not a number"},
        // Nothing is read up to where it stops making sense and stored as if that were all.
        {"integer followed by letters", CTestKorObj::VarCount, "12abc", "Variable 'Count' has been set to '12abc' which is not a number"},
        {"integer with decimals", CTestKorObj::VarCount, "3.9", "Variable 'Count' has been set to '3.9' which is not a number"},
        {"real followed by letters", CTestKorObj::VarDistance, "2abc", "Variable 'Distance' has been set to '2abc' which is not a number"},
        {"angle without digits", CTestKorObj::VarLatitude, "North", "Variable 'Latitude' has been set to 'North' which is not a number"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CTestKorObj object;
        ErrorSink sink;
        EXPECT_EQ(object.SetValueFromText(row.index, row.text, sink), 0);
        EXPECT_EQ(object.m_setterCalls, 0);
        EXPECT_EQ(sink.Code, -1);
        EXPECT_EQ(sink.Problem, "Input range error");
        EXPECT_EQ(sink.Suggestion, "Re-enter data within ranges");
        EXPECT_EQ(sink.Explanation, row.explanation);
        const CTestKorObj fresh;
        EXPECT_EQ(object.m_frequency, fresh.m_frequency);
        EXPECT_EQ(object.m_distance, fresh.m_distance);
        EXPECT_EQ(object.m_count, fresh.m_count);
        EXPECT_EQ(object.m_latitude, fresh.m_latitude);
    }
}

TEST(KorObjBase, SettersStillJudgeTheNumbersTheyGet)
{
    CTestKorObj object;
    ErrorSink sink;
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarDistance, "0", sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Distance' has been set to 0.0 m which is below the limit of 1.0 m");
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarPattern, "x", sink), 0);
    EXPECT_EQ(sink.Code, 3);
    EXPECT_EQ(object.m_distance, 1.0);
    EXPECT_EQ(object.m_pattern, 1);
    ErrorSink silent;
    EXPECT_EQ(object.SetValueFromText(CTestKorObj::VarTotal, "1", silent), 0);
    EXPECT_EQ(silent.Code, 0);
}

TEST(KorObjBase, UniqueNames)
{
    const struct {
        const char* before;
        const char* after;
    } rows[] = {
        {"", "new"}, {"Link9", "Link10"}, {"A9", "A10"}, {"Beam 007", "Beam 8"}, {"Link", "Link1"},
        {"7", "71"}, {"Beam 99999999999999999999", "Beam 100000000000000000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before);
        CTestKorObj object;
        object.m_name = row.before;
        if (std::string(row.before).empty()) {
            // An empty name is first replaced by "new", which then gains its number.
            EXPECT_EQ(object.MakeUniqueName(), 1);
            EXPECT_EQ(object.m_name, "new1");
            continue;
        }
        EXPECT_EQ(object.MakeUniqueName(), 1);
        EXPECT_EQ(object.m_name, row.after);
    }
}

TEST(KorObjBase, NameRecordsSkipWhatTheyHold)
{
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    CKorObj object;
    ASSERT_EQ(object.WriteNameRecord(file), 1);
    const unsigned char named[] = {3, 0, 'a', 'b', 'c', 0x7f};
    std::fwrite(named, 1, sizeof named, file);
    const unsigned char longName[2] = {200, 0};
    std::fwrite(longName, 1, 2, file);
    for (int i = 0; i < 200; ++i)
        std::fputc('n', file);
    std::fputc(0x42, file);
    std::rewind(file);

    EXPECT_EQ(object.ReadNameRecord(file), 1);
    EXPECT_EQ(std::ftell(file), 2);
    EXPECT_EQ(object.ReadNameRecord(file), 1);
    EXPECT_EQ(std::fgetc(file), 0x7f);
    EXPECT_EQ(object.ReadNameRecord(file), 1);
    EXPECT_EQ(std::fgetc(file), 0x42);
    EXPECT_EQ(object.ReadNameRecord(file), 0);
    std::fclose(file);
}

} // namespace
