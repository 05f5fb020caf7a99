// A small model with one variable of every kind the tools use, for exercising the base class.
#pragma once

#include "framework/KorObj.h"

class CTestKorObj : public CKorObj {
public:
    enum : int {
        VarDistance = 2,  // real, stored in km, shown in m, limits 0.001 to 1000 km
        VarFrequency = 3, // real, stored in Hz, shown in GHz, no upper limit
        VarCount = 4,     // integer, at least 1
        VarPattern = 5,   // enumeration of the three reference patterns
        VarEnabled = 6,   // boolean
        VarPower = 7,     // real, stored in W, shown in dBW
        VarLatitude = 8,  // real, stored in rad, shown as degrees-minutes-seconds
        VarTotal = 9
    };

    void GetTypeName(std::string& out) const override;
    int SetName(const std::string& name) override;
    void GetName(std::string& out) const override;
    void GetVarName(int index, std::string& out) const override;
    int GetVarCount() const override;
    int GetVarKind(int index) const override;
    int GetVarUnit(int index) const override;
    int GetDisplayUnit(int index) const override;
    int SetDisplayUnit(int index, int unit) override;
    int GetRealVar(int index, double& out) const override;
    int GetIntVar(int index, int& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int SetIntVar(int index, const int& value, ErrorSink& sink) override;
    int GetEnumCount(int index) const override;
    const char* GetEnumText(int index, int choice) const override;
    int IsBoolVar(int index) const override;

    std::string m_name = "Test";
    double m_distance = 1.0;
    double m_frequency = 1.2e10;
    int m_count = 3;
    int m_pattern = 1;
    int m_enabled = 0;
    double m_power = 1.0;
    double m_latitude = 0.5;
    int m_distanceDisplay = 2;
    int m_setterCalls = 0;
};
