// A variable's value as the text a dialog shows, and the fixed texts shown in place of one.
#include "framework/KorObj.h"

#include "framework/Units.h"

#include <cstdio>

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
