#include "cli/EntryText.h"

#include "cli/CalcOptions.h"
#include "framework/KorObj.h"

#include <charconv>
#include <string>

double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value)
{
    double number = 0.0;
    if (model.GetVarKind(index) == VarKindReal) {
        ErrorSink refused;
        if (!model.ReadValueInDisplayUnit(index, std::string(value), number, refused))
            throw RefusedEntry(std::move(refused));
        return number;
    }
    // The model reads a choice by its text; the numbers a range of choices steps through are the
    // command line's own, written as ApplyEntry reads them, with a '.' whatever the locale.
    const char* const end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, number);
    if (error != std::errc() || stop != end || value.empty())
        throw UsageError("'" + Echoed(value) + "' is not a number for " + std::string(name));
    return number;
}
