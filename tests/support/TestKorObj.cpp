#include "tests/support/TestKorObj.h"

#include "framework/Units.h"

namespace {
const char* const Names[] = {"Distance", "Frequency", "Count", "Pattern", "Enabled", "Power", "Latitude"};
const char* const Patterns[] = {"Pure parabolic", "29 - 25log(phi)", "32 - 25log(phi)"};
} // namespace

void CTestKorObj::GetTypeName(std::string& out) const
{
    out = "Test Tools";
}

int CTestKorObj::SetName(const std::string& name)
{
    m_name = name;
    return 1;
}

void CTestKorObj::GetName(std::string& out) const
{
    out = m_name;
}

void CTestKorObj::GetVarName(int index, std::string& out) const
{
    if (index >= VarDistance && index < VarTotal)
        out = Names[index - VarDistance];
    else if (index < VarDistance)
        CKorObj::GetVarName(index, out);
    else
        UnknownVarText(out);
}

int CTestKorObj::GetVarCount() const
{
    return VarTotal;
}

int CTestKorObj::GetVarKind(int index) const
{
    switch (index) {
    case VarDistance: case VarFrequency: case VarPower: case VarLatitude: return VarKindReal;
    case VarCount: case VarPattern: case VarEnabled: return VarKindInt;
    default: return VarKindString;
    }
}

int CTestKorObj::GetVarUnit(int index) const
{
    switch (index) {
    case VarDistance: return UnitKm;
    case VarFrequency: return UnitHz;
    case VarPower: return UnitW;
    case VarLatitude: return UnitRad;
    default: return UnitNone;
    }
}

int CTestKorObj::GetDisplayUnit(int index) const
{
    switch (index) {
    case VarDistance: return m_distanceDisplay;
    case VarFrequency: return UnitGHz;
    case VarPower: return UnitDbw;
    case VarLatitude: return UnitLatitudeDms;
    default: return GetVarUnit(index);
    }
}

int CTestKorObj::SetDisplayUnit(int index, int unit)
{
    if (index != VarDistance || unit < UnitKm || unit > UnitMm)
        return 0;
    m_distanceDisplay = unit;
    return 1;
}

int CTestKorObj::GetRealVar(int index, double& out) const
{
    switch (index) {
    case VarDistance: out = m_distance; return 1;
    case VarFrequency: out = m_frequency; return 1;
    case VarPower: out = m_power; return 1;
    case VarLatitude: out = m_latitude; return 1;
    default: return CKorObj::GetRealVar(index, out);
    }
}

int CTestKorObj::GetIntVar(int index, int& out) const
{
    switch (index) {
    case VarCount: out = m_count; return 1;
    case VarPattern: out = m_pattern; return 1;
    case VarEnabled: out = m_enabled; return 1;
    default: return CKorObj::GetIntVar(index, out);
    }
}

int CTestKorObj::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    ++m_setterCalls;
    switch (index) {
    case VarDistance:
        if (!CheckRealLimits(value, 0.001, 1000, sink, index))
            return 0;
        m_distance = value;
        return 1;
    case VarFrequency:
        if (!CheckRealLimits(value, 0.0001, -1, sink, index))
            return 0;
        m_frequency = value;
        return 1;
    case VarPower:
        if (!CheckRealMin(value, 0.0, sink, index))
            return 0;
        m_power = value;
        return 1;
    case VarLatitude:
        if (!CheckRealLimits(value, -1.5707963267948966, 1.5707963267948966, sink, index))
            return 0;
        m_latitude = value;
        return 1;
    default:
        return CKorObj::SetRealVar(index, value, sink);
    }
}

int CTestKorObj::SetIntVar(int index, const int& value, ErrorSink& sink)
{
    ++m_setterCalls;
    switch (index) {
    case VarCount:
        if (!CheckIntAtLeastOne(value, sink, index))
            return 0;
        m_count = value;
        return 1;
    case VarPattern:
        if (!CheckIntLimits(value, 0, 2, sink, index))
            return 0;
        m_pattern = value;
        return 1;
    case VarEnabled:
        m_enabled = value;
        return 1;
    default:
        return CKorObj::SetIntVar(index, value, sink);
    }
}

int CTestKorObj::GetEnumCount(int index) const
{
    return index == VarPattern ? 3 : 0;
}

const char* CTestKorObj::GetEnumText(int index, int choice) const
{
    if (index != VarPattern || choice < 0 || choice > 2)
        return nullptr;
    return Patterns[choice];
}

int CTestKorObj::IsBoolVar(int index) const
{
    return index == VarEnabled ? 1 : 0;
}
