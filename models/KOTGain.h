// Model of the peak-gain tool: dish size, aperture efficiency, frequency and peak gain of a
// circular dish, one of which the user picks to be derived from the other three.
#pragma once

#include "framework/VarTable.h"

class CKOTGain : public CKorTableObj<CKOTGain> {
public:
    enum : int {
        VarDishSize = 2,
        VarEfficiency = 3,
        VarFrequency = 4,
        VarPeakGain = 5,
        VarTotal = 6
    };

    // The tool's own instance: a 2 m dish at 12 GHz, efficiency 0.7.
    CKOTGain();
    // An instance opened over a link budget's or PFD's antenna: the frequency belongs to the
    // link, so it can be neither set nor calculated here.
    CKOTGain(double frequency, int frequencyDisplayUnit, double efficiency, double dishSize);
    ~CKOTGain() override;
    // The dish size is kept in km and shown in m; the frequency is shown in Hz, kHz, MHz or GHz.
    static VarRows<CKOTGain> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int GetCalcVar() const override;
    int SetCalcVar(int index) override;
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // The launcher's antenna coupling: takes over the gain and efficiency of the beamwidth tool
    // and sizes the dish for them at this frequency, whatever the calculated variable. Neither
    // value is checked: they come from another model, not from the user.
    void SetGainAndEfficiency(double peakGain, double efficiency);

    // 1 for the tool's own instance, 0 for one whose frequency belongs to a link.
    int IsStandAlone() const { return m_standAlone; }

private:
    int m_standAlone;

public:
    // Assigned as they are, without checks, by the saved state.
    double m_dishSize;   // km
    double m_efficiency; // fraction
    double m_peakGain;   // dBi
    double m_frequency;  // Hz
    int m_frequencyDisplay;

private:
    int m_calcVar = VarPeakGain;
};
