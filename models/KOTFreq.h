// Model of the frequency/wavelength tool: setting either quantity recomputes the other.
#pragma once

#include "framework/VarTable.h"

class CKOTFreq : public CKorTableObj<CKOTFreq> {
public:
    enum : int {
        VarFrequency = 2,
        VarWavelength = 3,
        VarTotal = 4
    };

    CKOTFreq();
    ~CKOTFreq() override;
    // Frequency shown in Hz, kHz, MHz or GHz; wavelength in km, m, cm or mm.
    static VarRows<CKOTFreq> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Assigned as they are, without checks, by the saved state and by the link budget when it
    // opens this tool over its own frequency.
    double m_frequency;                // Hz
    double m_wavelength;               // km
    int m_frequencyDisplay = UnitGHz;
    int m_wavelengthDisplay = UnitM;
};
