// Model of the frequency/wavelength tool: setting either quantity recomputes the other.
#pragma once

#include "framework/KorObj.h"
#include "framework/Units.h"

class CKOTFreq : public CKorObj {
public:
    enum : int {
        VarFrequency = 2,
        VarWavelength = 3,
        VarTotal = 4
    };

    CKOTFreq();
    ~CKOTFreq() override;

    void GetTypeName(std::string& out) const override;
    int GetRealVar(int index, double& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    void GetVarName(int index, std::string& out) const override;
    int GetVarUnit(int index) const override;
    int GetDisplayUnit(int index) const override;
    // Frequency: Hz, kHz, MHz or GHz; wavelength: km, m, cm or mm.
    int SetDisplayUnit(int index, int unit) override;
    int GetVarKind(int index) const override;
    int GetVarCount() const override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // Assigned as they are, without checks, by the saved state and by the link budget when it
    // opens this tool over its own frequency.
    double m_frequency;                // Hz
    double m_wavelength;               // km
    int m_frequencyDisplay = UnitGHz;
    int m_wavelengthDisplay = UnitM;
};
