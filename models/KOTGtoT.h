// Model of the G/T tool. Its setters only store; each quantity is derived from the other two
// when the user asks for it, so a value typed into one box never silently moves another. The
// quantity asked for last is the calculated variable: a script picks it with SetCalcVar and
// derives it with Recalculate once its entries are in, as the window's "Calculate" buttons do.
#pragma once

#include "framework/VarTable.h"

class CKOTGtoT : public CKorTableObj<CKOTGtoT> {
public:
    enum : int {
        VarPeakGain = 2,
        VarTemperature = 3,
        VarGtoT = 4,
        VarTotal = 5
    };

    CKOTGtoT();
    ~CKOTGtoT() override;
    static VarRows<CKOTGtoT> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int GetCalcVar() const override;
    // Any of the three; nothing is derived until Recalculate.
    int SetCalcVar(int index) override;
    // Runs the Calc of the calculated variable.
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Each derives one quantity from the other two and stores it as computed, even where it
    // lies outside what the setter would accept; it becomes the calculated variable.
    void CalcPeakGain();
    void CalcGtoT();
    void CalcTemperature();
    // The peak gain of the shared antenna, handed over by the launcher; G/T follows it.
    void SetPeakGain(double peakGain);

    // Assigned as they are, without checks, by the saved state.
    double m_peakGain = 30.0;     // dBi
    double m_temperature = 300.0; // K
    double m_gtot;                // dB/K
    // Not saved: every start derives G/T, as the window's values at start-up do.
    int m_calcVar = VarGtoT;
};
