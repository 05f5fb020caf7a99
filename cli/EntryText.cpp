#include "cli/EntryText.h"

#include "cli/CalcOptions.h"
#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"

#include <optional>
#include <string>

namespace {

// The text the model reads as a number and perhaps a unit: real variables, but not those shown
// in degrees, minutes and seconds, which read their own letters.
bool ReadsNumberAndUnit(const CKorObj& model, int index)
{
    const int display = model.GetDisplayUnit(index);
    return model.GetVarKind(index) == VarKindReal && display != UnitLatitudeDms && display != UnitLongitudeDms;
}

} // namespace

void CheckEntryText(const CKorObj& model, int index, std::string_view name, std::string_view value)
{
    if (!ReadsNumberAndUnit(model, index))
        return;
    // A text without any number is left to the model, which refuses it with its own message.
    const std::optional<RealAndUnit> read = ReadRealAndUnit(std::string(value));
    if (read && !read->rest.empty() && !read->unit)
        throw UsageError("unknown unit '" + read->rest + "' in the value of " + std::string(name));
}

double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value)
{
    const std::string text(value);
    const std::optional<RealAndUnit> read = ReadRealAndUnit(text);
    const bool real = ReadsNumberAndUnit(model, index);
    if (!read || (!real && !read->rest.empty()))
        throw UsageError("'" + text + "' is not a number for " + std::string(name));
    if (!real)
        return read->number;
    CheckEntryText(model, index, name, value);
    double number = 0.0;
    ErrorSink refused;
    if (!model.ReadValueInDisplayUnit(index, text, number, refused))
        throw UsageError(refused.Explanation);
    return number;
}
