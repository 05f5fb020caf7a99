#include "cli/EntryText.h"

#include "cli/CalcOptions.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"

#include <charconv>
#include <optional>
#include <system_error>

namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

struct NumberAndUnit {
    double number;
    std::string_view unit; // what follows the number, blanks trimmed; empty for none
};

// The number a value starts with and what follows it, or none when it starts with no number.
// Always read with a '.' decimal point: from_chars does not look at the locale.
std::optional<NumberAndUnit> SplitNumber(std::string_view value)
{
    std::string_view text = Trimmed(value);
    bool plus = false;
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        plus = true;
    }
    double number = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || (plus && (number < 0 || text.front() == '-')))
        return std::nullopt;
    return NumberAndUnit{number, Trimmed(text.substr(static_cast<std::size_t>(end - text.data())))};
}

// The number converted from `unit` to the variable's display unit; a UsageError for a unit the
// variable's family does not hold.
double Converted(const CKorObj& model, int index, std::string_view name, double number, std::string_view unit)
{
    const int display = model.GetDisplayUnit(index);
    const std::optional<int> code = FindUnitByLabel(unit);
    if (!code)
        throw UsageError("unknown unit '" + std::string(unit) + "' in the value of " + std::string(name));
    if (!SameUnitFamily(*code, display)) {
        const std::string shown = UnitLabel(display);
        throw UsageError(std::string(name) + " is not in " + std::string(unit)
                         + (shown.empty() ? " (it is a plain number)" : " (it is in " + shown + ")"));
    }
    return ConvertUnit(number, *code, display);
}

bool TakesUnits(const CKorObj& model, int index)
{
    const int display = model.GetDisplayUnit(index);
    // Degrees, minutes and seconds are read by the model itself, letters and all.
    return !model.IsEnumVar(index) && display != UnitLatitudeDms && display != UnitLongitudeDms;
}

} // namespace

std::string EntryText(const CKorObj& model, int index, std::string_view name, std::string_view value)
{
    if (!TakesUnits(model, index))
        return std::string(value);
    const std::optional<NumberAndUnit> split = SplitNumber(value);
    // Without a number or without a unit the text goes to the model as typed, which reads it,
    // or refuses it with its own message, exactly as the edit box would.
    if (!split || split->unit.empty())
        return std::string(value);
    return ExactNumberText(Converted(model, index, name, split->number, split->unit));
}

double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value)
{
    const std::optional<NumberAndUnit> split = SplitNumber(value);
    if (!split || (!split->unit.empty() && !TakesUnits(model, index)))
        throw UsageError("'" + std::string(value) + "' is not a number for " + std::string(name));
    if (split->unit.empty())
        return split->number;
    return Converted(model, index, name, split->number, split->unit);
}
