// Model of the off-axis gain tool: the gain of a dish at an angle from its boresight, relative to
// its peak gain, under one of the reference patterns. The off-axis angle, the relative gain or
// the beamwidth is derived from the others; the peak gain is always an input.
#pragma once

#include "framework/VarTable.h"

class CKOTOff : public CKorTableObj<CKOTOff> {
public:
    enum : int {
        VarOffAxisAngle = 2,
        VarRelativeGain = 3,
        VarPeakGain = 4,
        VarBeamwidth = 5,
        VarPattern = 6,
        VarTotal = 7
    };

    // The tool's own instance: on boresight of a 30 dBi, 5 degree beam under "29 - 25log(phi)".
    CKOTOff();
    // An instance opened over a link budget's or PFD's antenna: the beamwidth belongs to the
    // link, so it can be neither set nor calculated here.
    CKOTOff(double offAxisAngle, double beamwidth);
    ~CKOTOff() override;
    // Angles are kept in radians and shown in degrees; the pattern is one of the pattern names.
    static VarRows<CKOTOff> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int SetIntVar(int index, const int& value, ErrorSink& sink) override;
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

    // The launcher's antenna coupling: takes over the beamwidth and peak gain of the other
    // antenna tools, unchecked, and always recomputes the relative gain from them, whatever the
    // calculated variable, so the off-axis angle the user set stays where it was.
    void SetBeamwidthAndGain(double beamwidth, double peakGain);

    // 1 for the tool's own instance, 0 for one whose beamwidth belongs to a link.
    int IsStandAlone() const { return m_standAlone; }

private:
    int m_standAlone;

public:
    // Assigned as they are, without checks, by the saved state.
    double m_offAxisAngle; // rad
    double m_peakGain;     // dBi
    double m_relativeGain; // dB
    double m_beamwidth;    // rad
    int m_pattern;         // a PatternCode

private:
    int m_calcVar = VarRelativeGain;
};
