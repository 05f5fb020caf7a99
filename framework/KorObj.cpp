// The defaults every model inherits: state cycling, the name and description variables, and
// empty answers for every variable query and setter a model does not override.
#include "framework/KorObj.h"

#include "framework/Units.h"

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

std::string CKorObj::VarName(int index) const
{
    std::string name;
    GetVarName(index, name);
    return name;
}

int CKorObj::IsValidVar(int index) const
{
    return index >= 0 && index < GetVarCount() ? 1 : 0;
}
