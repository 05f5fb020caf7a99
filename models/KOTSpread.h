// Model of the spreading-loss tool: setting either the loss or the distance recomputes the other.
#pragma once

#include "framework/KorObj.h"

class CKOTSpread : public CKorObj {
public:
    enum : int {
        VarLoss = 2,
        VarDistance = 3,
        VarTotal = 4
    };

    CKOTSpread();
    ~CKOTSpread() override;

    void GetTypeName(std::string& out) const override;
    int GetRealVar(int index, double& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    void GetVarName(int index, std::string& out) const override;
    int GetVarUnit(int index) const override;
    int GetVarKind(int index) const override;
    int GetVarCount() const override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // Assigned as they are, without checks, by the saved state.
    double m_loss;     // dB
    double m_distance; // km
};
