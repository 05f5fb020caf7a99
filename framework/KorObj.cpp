#include "framework/KorObj.h"

#include "framework/Units.h"

#include <climits>
#include <cmath>
#include <cstdint>
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

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal text of (digits + 1), without leading zeros and without any limit on the length,
// so that a long run of digits in a name cannot overflow.
std::string IncrementDecimal(const std::string& digits)
{
    std::size_t first = digits.find_first_not_of('0');
    std::string number = first == std::string::npos ? "0" : digits.substr(first);
    for (std::size_t i = number.size(); i-- > 0;) {
        if (number[i] != '9') {
            ++number[i];
            return number;
        }
        number[i] = '0';
    }
    return "1" + number;
}

} // namespace

CDib* CKorObj::GetBitmap() const
{
    return nullptr;
}

int CKorObj::GetState() const
{
    return 1;
}

int CKorObj::NextState()
{
    int n = GetState() + 1;
    if (GetStateCount() < n)
        n = 1;
    return SetState(n);
}

int CKorObj::SetState(int n)
{
    return n == 1 ? 1 : 0;
}

int CKorObj::GetStateCount() const
{
    return 1;
}

void CKorObj::GetTypeName(std::string& out) const
{
    out = "KorObject";
}

void CKorObj::GetName(std::string& out) const
{
    GetTypeName(out);
}

void CKorObj::GetDescription(std::string& out) const
{
    GetTypeName(out);
}

int CKorObj::SetName(const std::string&)
{
    return 0;
}

int CKorObj::SetDescription(const std::string&)
{
    return 0;
}

int CKorObj::CompareNames(const CKorObj& other) const
{
    std::string mine;
    std::string theirs;
    GetName(mine);
    other.GetName(theirs);
    return mine == theirs ? 1 : 0;
}

int CKorObj::GetObjectVar(int, CKorObj*& out) const
{
    out = nullptr;
    return 0;
}

int CKorObj::GetStringVar(int index, std::string& out) const
{
    if (index == VarIndexName) {
        GetName(out);
        return 1;
    }
    if (index == VarIndexDescription) {
        GetDescription(out);
        return 1;
    }
    return 0;
}

int CKorObj::GetRealVar(int, double& out) const
{
    out = 0.0;
    return 0;
}

int CKorObj::GetIntVar(int, int& out) const
{
    out = 0;
    return 0;
}

int CKorObj::GetIntMin(int) const
{
    return 0;
}

int CKorObj::GetIntMax(int) const
{
    return 0;
}

double CKorObj::GetRealMin(int) const
{
    return 0.0;
}

double CKorObj::GetRealMax(int) const
{
    return 0.0;
}

int CKorObj::SetObjectVar(int, CKorObj*, ErrorSink& sink)
{
    sink.SetError(ErrorVariableFixed);
    return 0;
}

int CKorObj::SetStringVar(int index, const std::string& value, ErrorSink& sink)
{
    int result;
    if (index == VarIndexName)
        result = SetName(value);
    else if (index == VarIndexDescription)
        result = SetDescription(value);
    else
        return 0;
    if (result != 0)
        return 1;
    sink.SetError(ErrorVariableFixed);
    return 0;
}

int CKorObj::SetRealVar(int, const double&, ErrorSink& sink)
{
    sink.SetError(ErrorVariableFixed);
    return 0;
}

int CKorObj::SetIntVar(int, const int&, ErrorSink& sink)
{
    sink.SetError(ErrorVariableFixed);
    return 0;
}

int CKorObj::GetEnumCount(int) const
{
    return 0;
}

const char* CKorObj::GetEnumValueText(int index) const
{
    int value;
    if (!GetIntVar(index, value))
        return nullptr;
    return GetEnumText(index, value);
}

const char* CKorObj::GetEnumText(int, int) const
{
    return nullptr;
}

int CKorObj::IsBoolVar(int) const
{
    return 0;
}

int CKorObj::IsEnumVar(int index) const
{
    return GetEnumCount(index) > 0 ? 1 : 0;
}

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

int CKorObj::GetValueAsReal(int index, double& out) const
{
    switch (GetVarKind(index)) {
    case VarKindReal: {
        double stored;
        if (!GetRealVar(index, stored))
            break;
        out = ConvertUnit(stored, GetVarUnit(index), GetDisplayUnit(index));
        return 1;
    }
    case VarKindInt: {
        int stored;
        if (!GetIntVar(index, stored))
            break;
        out = stored;
        return 1;
    }
    default:
        break;
    }
    out = 0.0;
    return 0;
}

int CKorObj::ReservedIndexQuery(int) const
{
    return 0;
}

int CKorObj::GetValueText(int index, std::string& out) const
{
    NotAvailableText(out);
    if (!IsValidVar(index))
        return 0;
    const int access = GetVarAccess(index);
    if (access == VarUnavailable || access == VarInvalid)
        return 0;
    switch (GetVarKind(index)) {
    case VarKindReal:
        FormatRealVar(index, out);
        return 1;
    case VarKindString:
        GetStringVar(index, out);
        return 1;
    case VarKindObject: {
        CKorObj* object = nullptr;
        if (!GetObjectVar(index, object))
            return 0;
        if (object)
            object->GetName(out);
        else
            out = "none";
        return 1;
    }
    case VarKindInt:
        if (IsBoolVar(index)) {
            int value;
            GetIntVar(index, value);
            BoolText(out, value);
        } else if (!IsEnumVar(index)) {
            FormatIntVar(index, out);
        } else {
            const char* choice = GetEnumValueText(index);
            out = choice ? choice : "";
        }
        return 1;
    default:
        return 0;
    }
}

int CKorObj::FormatIntVar(int index, std::string& out) const
{
    int value;
    if (!GetIntVar(index, value)) {
        NotAvailableText(out);
        return 0;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld", static_cast<long>(value));
    out = buffer;
    return 1;
}

int CKorObj::FormatRealVar(int index, std::string& out) const
{
    double stored;
    if (!GetRealVar(index, stored)) {
        NotAvailableText(out);
        return 0;
    }
    const int display = GetDisplayUnit(index);
    if (display == UnitLatitudeDms || display == UnitLongitudeDms) {
        FormatAngleDms(stored, display, out);
        return 1;
    }
    const int unit = GetVarUnit(index);
    if (unit == UnitW && display == UnitDbw && stored == 0.0) {
        NoSignalText(out);
        return 1;
    }
    FormatConverted(stored, unit, display, out);
    return 1;
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
            const std::optional<long> read = ReadLong(value);
            if (!read || *read < INT_MIN || *read > INT_MAX)
                return refuse();
            number = static_cast<int>(*read);
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
    if (!read) {
        sink.NotANumberWarning(value, VarName(index));
        return 0;
    }
    number = read->number;
    unit = display;
    // Text after the number that names no unit is passed over, as the C library's reading of
    // "%lf" always has ("12abc" is 12); only a unit label changes how the number is taken.
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

void CKorObj::GetVarName(int index, std::string& out) const
{
    if (index == VarIndexName)
        out = "Name";
    else if (index == VarIndexDescription)
        out = "Description";
    else
        UnknownVarText(out);
}

int CKorObj::ReservedPairQuery(int, int) const
{
    return 0;
}

int CKorObj::GetVarUnit(int) const
{
    return UnitNone;
}

int CKorObj::GetDisplayUnit(int index) const
{
    return GetVarUnit(index);
}

int CKorObj::SetDisplayUnit(int, int)
{
    return 0;
}

void CKorObj::GetUnitLabel(int index, std::string& out) const
{
    UnitLabel(GetDisplayUnit(index), out);
}

int CKorObj::GetVarKind(int) const
{
    return VarKindString;
}

int CKorObj::GetVarCount() const
{
    return 2;
}

int CKorObj::GetVarAccess(int index) const
{
    return IsValidVar(index) ? VarEditable : VarInvalid;
}

int CKorObj::GetCalcVar() const
{
    return -1;
}

int CKorObj::SetCalcVar(int)
{
    return 0;
}

void CKorObj::Recalculate()
{
}

void CKorObj::UnknownVarText(std::string& out) const
{
    out = "Unknown variable";
}

void CKorObj::NotAvailableText(std::string& out) const
{
    out = "Not available";
}

void CKorObj::StartOrCurrentText(int flag, std::string& out) const
{
    if (flag)
        StartText(out);
    else
        CurrentText(out);
}

void CKorObj::StartText(std::string& out) const
{
    out = "Start";
}

void CKorObj::BoolText(std::string& out, int flag) const
{
    out = flag ? "True" : "False";
}

void CKorObj::CurrentText(std::string& out) const
{
    out = "Current";
}

void CKorObj::NoSignalText(std::string& out) const
{
    out = "no signal";
}

std::string CKorObj::VarName(int index) const
{
    std::string name;
    GetVarName(index, name);
    return name;
}

void CKorObj::ReportIntViolation(int value, int limit, ErrorSink& sink, int index) const
{
    if (IsEnumVar(index) || IsBoolVar(index))
        sink.SetError(ErrorInputRange);
    else
        sink.IntRangeWarning(value, limit, VarName(index));
}

void CKorObj::ReportRealViolation(double value, double limit, ErrorSink& sink, int index) const
{
    // Quoted in the unit the user sees and types, not the one the model stores.
    const int unit = GetVarUnit(index);
    const int display = GetDisplayUnit(index);
    sink.RealRangeWarning(ConvertUnit(value, unit, display), ConvertUnit(limit, unit, display), VarName(index));
}

int CKorObj::CheckIntLimits(int value, int min, int max, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportIntViolation(value, min, sink, index);
        return 0;
    }
    if (value > max && max > min) {
        ReportIntViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealLimits(double value, double min, double max, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    if (value > max && max > min) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealLimitsInclusive(double value, double min, double max, ErrorSink& sink, int index) const
{
    if (value <= min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    if (value >= max && max > min) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntMin(int value, int min, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportIntViolation(value, min, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealMin(double value, double min, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntMax(int value, int max, ErrorSink& sink, int index) const
{
    if (value > max) {
        ReportIntViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealMax(double value, double max, ErrorSink& sink, int index) const
{
    if (value > max) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntAtLeastOne(int value, ErrorSink& sink, int index) const
{
    return CheckIntLimits(value, 1, -1, sink, index);
}

int CKorObj::CheckRealPositive(double value, ErrorSink& sink, int index) const
{
    if (value <= 0) {
        ReportRealViolation(value, 0.0, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::MakeUniqueName()
{
    std::string name;
    GetName(name);
    if (name.empty())
        name = "new";
    if (IsDigit(name.back())) {
        // The first character never joins the run, so a lone digit gets "1" appended.
        std::size_t start = name.size() - 1;
        while (start > 1 && IsDigit(name[start - 1]))
            --start;
        if (start == 0)
            name += "1";
        else
            name = name.substr(0, start) + IncrementDecimal(name.substr(start));
    } else {
        name += "1";
    }
    return SetName(name);
}

int CKorObj::IsValidVar(int index) const
{
    return index >= 0 && index < GetVarCount() ? 1 : 0;
}

int CKorObj::ReadNameRecord(std::FILE* file)
{
    unsigned char size[2];
    if (std::fread(size, 1, 2, file) != 2)
        return 0;
    std::size_t remaining = static_cast<std::size_t>(size[0]) | (static_cast<std::size_t>(size[1]) << 8);
    unsigned char piece[80];
    while (remaining > 0) {
        const std::size_t wanted = std::min<std::size_t>(remaining, sizeof piece);
        if (std::fread(piece, 1, wanted, file) != wanted)
            return 0;
        remaining -= wanted;
    }
    return 1;
}

int CKorObj::WriteNameRecord(std::FILE* file) const
{
    const unsigned char empty[2] = {0, 0};
    return std::fwrite(empty, 1, 2, file) == 2 ? 1 : 0;
}
