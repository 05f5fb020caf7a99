// Model of the spreading-loss tool: setting either the loss or the distance recomputes the other.
#pragma once

#include "framework/VarTable.h"

class CKOTSpread : public CKorTableObj<CKOTSpread> {
public:
    enum : int {
        VarLoss = 2,
        VarDistance = 3,
        VarTotal = 4
    };

    CKOTSpread();
    ~CKOTSpread() override;
    static VarRows<CKOTSpread> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Assigned as they are, without checks, by the saved state.
    double m_loss;     // dB
    double m_distance; // km
};
