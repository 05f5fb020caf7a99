// Model of the noise-temperature tool: thermal noise power, temperature and bandwidth, one of
// which the user picks to be derived from the other two.
#pragma once

#include "framework/VarTable.h"

class CKOTTemp : public CKorTableObj<CKOTTemp> {
public:
    enum : int {
        VarNoise = 2,
        VarTemperature = 3,
        VarBandwidth = 4,
        VarTotal = 5
    };

    CKOTTemp();
    ~CKOTTemp() override;
    static VarRows<CKOTTemp> Vars();

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

    // Assigned as they are, without checks, by the saved state and by the link budget when it
    // opens this tool over its receiver.
    double m_noise;               // dBW
    double m_temperature = 300.0; // K
    double m_bandwidth = 1.0;     // Hz

private:
    int m_calcVar = VarBandwidth;
};
