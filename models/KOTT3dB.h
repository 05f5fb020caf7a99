// Model of the half-power beamwidth tool: efficiency, peak gain and beamwidth of a circular
// dish, one of which the user picks to be derived from the other two.
#pragma once

#include "framework/VarTable.h"

class CKOTT3dB : public CKorTableObj<CKOTT3dB> {
public:
    enum : int {
        VarEfficiency = 2,
        VarPeakGain = 3,
        VarBeamwidth = 4,
        VarTotal = 5
    };

    // Efficiency 0.7, 30 dBi, and the beamwidth that follows from them.
    CKOTT3dB();
    ~CKOTT3dB() override;
    // The beamwidth is kept in radians and shown in degrees.
    static VarRows<CKOTT3dB> Vars();

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

    // The launcher's antenna coupling, whatever the calculated variable and without checks,
    // since the values come from another model: the peak-gain tool's gain and efficiency, with
    // the beamwidth that follows from them,
    void SetGainAndEfficiency(double peakGain, double efficiency);
    // or the off-axis tool's beamwidth, with the peak gain that follows at this efficiency.
    void SetBeamwidth(double beamwidth);

    // Assigned as they are, without checks, by the saved state.
    double m_efficiency; // fraction
    double m_peakGain;   // dBi
    double m_beamwidth;  // rad

private:
    int m_calcVar = VarBeamwidth;
};
