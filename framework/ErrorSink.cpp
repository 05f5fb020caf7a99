#include "framework/ErrorSink.h"

#include "framework/Units.h"
#include "resources/Strings.h"

#include <string>

namespace {

// The table proper: three parallel arrays of string ids indexed by the code. 0 marks a code
// without a row (32 and 33), which then reads as row 0.
struct ErrorTable {
    int problem[ErrorCodeCount];
    int explanation[ErrorCodeCount];
    int suggestion[ErrorCodeCount];
};

constexpr bool HasRow(int code)
{
    return code != 32 && code != 33;
}

constexpr ErrorTable MakeErrorTable()
{
    ErrorTable table{};
    for (int code = 0; code < ErrorCodeCount; ++code) {
        if (!HasRow(code))
            continue;
        table.problem[code] = IDS_ERROR_PROBLEM + code;
        table.explanation[code] = IDS_ERROR_EXPLANATION + code;
        table.suggestion[code] = IDS_ERROR_SUGGESTION + code;
    }
    return table;
}

constexpr ErrorTable Table = MakeErrorTable();

std::string Text(int id)
{
    const char* text = ResourceString(id);
    return text ? text : "";
}

const char* Word(double value, double limit)
{
    return value > limit ? "above" : "below";
}

// "Variable 'Frequency' has been set to 0.0 GHz which is below the limit of 1.0000e-13 GHz".
std::string RangeExplanation(const std::string& varName, const std::string& value, const char* word,
                             const std::string& limit, const std::string& unitLabel)
{
    const std::string unit = unitLabel.empty() ? std::string() : " " + unitLabel;
    return "Variable '" + varName + "' has been set to " + value + unit + " which is " + word + " the limit of "
           + limit + unit;
}

} // namespace

ErrorSink::ErrorSink()
{
    SetError(ErrorUnknown);
}

void ErrorSink::SetError(int code)
{
    if (code < 0 || code >= ErrorCodeCount || Table.problem[code] == 0)
        code = ErrorUnknown;
    Problem = Text(Table.problem[code]);
    Explanation = Text(Table.explanation[code]);
    Suggestion = Text(Table.suggestion[code]);
    Code = code;
}

void ErrorSink::SetRangeWarning(std::string explanation)
{
    Code = ErrorRangeWarning;
    Problem = Text(Table.problem[ErrorInputRange]);
    Suggestion = Text(Table.suggestion[ErrorInputRange]);
    if (explanation.size() > MaxExplanationLength)
        explanation.resize(MaxExplanationLength);
    Explanation = std::move(explanation);
}

void ErrorSink::IntRangeWarning(int value, int limit, const std::string& varName, const std::string& unitLabel)
{
    SetRangeWarning(RangeExplanation(varName, std::to_string(value), Word(value, limit), std::to_string(limit),
                                     unitLabel));
}

void ErrorSink::RealRangeWarning(double value, double limit, const std::string& varName,
                                 const std::string& unitLabel)
{
    SetRangeWarning(RangeExplanation(varName, FormatNumber(value), Word(value, limit), FormatNumber(limit),
                                     unitLabel));
}

void ErrorSink::NotANumberWarning(const std::string& typed, const std::string& varName)
{
    SetRangeWarning("Variable '" + varName + "' has been set to '" + typed + "' which is not a number");
}

void ErrorSink::ForeignUnitWarning(const std::string& unitLabel, const std::string& varName)
{
    SetRangeWarning("Variable '" + varName + "' cannot take a value in " + unitLabel);
}
