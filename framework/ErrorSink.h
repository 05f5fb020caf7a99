// Where a refused write explains itself: a Problem, an Explanation, a Suggestion and a code.
#pragma once

#include <string>

// Codes of the error table that the tool models raise.
inline constexpr int ErrorUnknown = 0;
inline constexpr int ErrorInputRange = 3;
inline constexpr int ErrorVariableFixed = 4;
// Code of a range warning, which is not a row of the table.
inline constexpr int ErrorRangeWarning = -1;
// Rows 0 to 62; codes without a row read as row 0.
inline constexpr int ErrorCodeCount = 63;
// Longest Explanation a warning may hold; longer texts are cut.
inline constexpr std::size_t MaxExplanationLength = 255;

class ErrorSink {
public:
    // A new sink already reads "Unknown error", so a refusal that reports nothing still says so.
    ErrorSink();

    void SetError(int code);
    // The value and the limit are quoted in the unit whose label is `unitLabel` ("GHz"); a
    // variable without a unit passes the empty label and its numbers stand alone.
    void IntRangeWarning(int value, int limit, const std::string& varName, const std::string& unitLabel);
    void RealRangeWarning(double value, double limit, const std::string& varName, const std::string& unitLabel);
    // A typed text that held no usable number: quoted back to the user as typed.
    void NotANumberWarning(const std::string& typed, const std::string& varName);
    // A typed number that ended in the label of a unit the variable is not measured in.
    void ForeignUnitWarning(const std::string& unitLabel, const std::string& varName);

    // Beeps, then shows the three texts in the modal error dialog and returns when the user
    // has closed it. The sink itself is not changed.
    void ShowError() const;

    std::string Problem;
    std::string Explanation;
    std::string Suggestion;
    int Code = 0;

private:
    void SetRangeWarning(std::string explanation);
};
