// Model of the free-space path-loss tool: loss, distance and frequency, one of which the user
// picks to be derived from the other two.
#pragma once

#include "framework/VarTable.h"

class CKOTPath : public CKorTableObj<CKOTPath> {
public:
    enum : int {
        VarLoss = 2,
        VarDistance = 3,
        VarFrequency = 4,
        VarTotal = 5
    };

    // The tool's own instance, at geostationary distance and the program's default frequency.
    CKOTPath();
    // An instance opened over a link budget: the frequency belongs to the link, so it can be
    // neither set nor calculated here.
    CKOTPath(double distance, double frequency, int frequencyDisplayUnit);
    ~CKOTPath() override;
    // Only the frequency has a choice of unit: Hz, kHz, MHz or GHz.
    static VarRows<CKOTPath> Vars();

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

    // 1 for the tool's own instance, 0 for one whose frequency belongs to a link budget.
    int IsStandAlone() const { return m_standAlone; }

private:
    int m_standAlone;

public:
    // Assigned as they are, without checks, by the saved state.
    double m_loss;      // dB
    double m_distance;  // km
    double m_frequency; // Hz
    int m_frequencyDisplay;

private:
    int m_calcVar = VarLoss;
};
