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

    // Assigned as they are, without checks, by the saved state.
    double m_loss;     // dB
    double m_distance; // km
};
