// Reading what the user typed into a variable: numbers with their units, enum choices and
// booleans, refused before any setter sees a text that gives no value.
#include "framework/KorObj.h"

#include "framework/Units.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// How many leading characters of a and b agree, comparing at most the shorter length.
std::size_t CommonPrefix(const std::string& a, const std::string& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t count = 0;
    while (count < n && a[count] == b[count])
        ++count;
    return count;
}

} // namespace

int CKorObj::FindEnumChoice(int index, const std::string& value) const
{
    if (!IsEnumVar(index))
        return -1;
    int best = -1;
    std::size_t bestCount = 0;
    const int count = GetEnumCount(index);
    for (int choice = 0; choice < count; ++choice) {
        const char* choiceText = GetEnumText(index, choice);
        const std::size_t agree = CommonPrefix(value, choiceText ? choiceText : "");
        // Strictly greater, so that on a tie the lower choice keeps its place.
        if (agree > bestCount) {
            bestCount = agree;
            best = choice;
        }
    }
    return best;
}

int CKorObj::ParseBool(const std::string& value) const
{
    std::string falseText;
    BoolText(falseText, 0);
    return CommonPrefix(value, falseText) == 0 ? -1 : 0;
}

int CKorObj::SetValueFromText(int index, const std::string& value, ErrorSink& sink)
{
    if (!IsValidVar(index))
        return 0;
    // A text that gives no finite number is refused here, before any setter sees it: storing
    // a zero or a non-finite value the user never typed would silently corrupt the model.
    auto refuse = [&] {
        sink.NotANumberWarning(value, VarName(index));
        return 0;
    };
    switch (GetVarKind(index)) {
    case VarKindInt: {
        int number;
        if (IsBoolVar(index)) {
            number = ParseBool(value);
        } else if (IsEnumVar(index)) {
            number = FindEnumChoice(index, value);
        } else {
            // Read as a real, so that a whole number says so whole ("3.0", "1e3") and anything
            // else ("3.9", "3 apples") is refused rather than cut short.
            double real;
            int unit;
            if (!ReadTypedReal(index, value, real, unit, sink))
                return 0;
            real = ConvertUnit(real, unit, GetVarUnit(index));
            if (!(real >= INT_MIN && real <= INT_MAX) || real != std::trunc(real))
                return refuse();
            number = static_cast<int>(real);
        }
        return SetIntVar(index, number, sink);
    }
    case VarKindReal: {
        double number;
        int unit;
        if (!ReadTypedReal(index, value, number, unit, sink))
            return 0;
        // Straight from the unit typed to the storage unit: going by way of the display unit
        // would add a rounding for nothing.
        number = ConvertUnit(number, unit, GetVarUnit(index));
        if (!std::isfinite(number))
            return refuse();
        return SetRealVar(index, number, sink);
    }
    case VarKindString:
        return SetStringVar(index, value, sink);
    default:
        return 0;
    }
}

int CKorObj::ReadTypedReal(int index, const std::string& value, double& number, int& unit, ErrorSink& sink) const
{
    const int display = GetDisplayUnit(index);
    if (display == UnitLatitudeDms || display == UnitLongitudeDms) {
        // Degrees, minutes and seconds carry their own letters (N, S, E, W), read here alone.
        const std::optional<double> radians = ParseAngleDms(value);
        if (!radians) {
            sink.NotANumberWarning(value, VarName(index));
            return 0;
        }
        number = *radians;
        unit = GetVarUnit(index);
        return 1;
    }
    const std::optional<RealAndUnit> read = ReadRealAndUnit(value);
    // The number must be all there is but for a unit: reading up to the first character that
    // cannot continue it would store 14 for "14,5" typed where the decimal point is a '.', and
    // 100 minutes for "100 hours and a bit".
    if (!read || (!read->unit && !read->rest.empty())) {
        sink.NotANumberWarning(value, VarName(index));
        return 0;
    }
    number = read->number;
    unit = display;
    if (!read->unit)
        return 1;
    if (!SameUnitFamily(*read->unit, display)) {
        // The message gives the unit's own label rather than the letters typed: "500 M" typed
        // into a frequency then says it was read as metres, not as the megahertz meant.
        sink.ForeignUnitWarning(UnitLabel(*read->unit), VarName(index));
        return 0;
    }
    unit = *read->unit;
    return 1;
}

int CKorObj::ReadValueInDisplayUnit(int index, const std::string& value, double& out, ErrorSink& sink) const
{
    if (!IsValidVar(index) || GetVarKind(index) != VarKindReal)
        return 0;
    double number;
    int unit;
    if (!ReadTypedReal(index, value, number, unit, sink))
        return 0;
    out = ConvertUnit(number, unit, GetDisplayUnit(index));
    if (!std::isfinite(out)) {
        sink.NotANumberWarning(value, VarName(index));
        return 0;
    }
    return 1;
}
