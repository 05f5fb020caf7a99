// Model of the decibel/absolute tool: one ratio held both as a plain number and in decibels.
#pragma once

#include "framework/KorObj.h"

class CKOTDB : public CKorObj {
public:
    enum : int {
        VarAbsolute = 2,
        VarDb = 3,
        VarTotal = 4
    };

    CKOTDB() = default;
    ~CKOTDB() override;

    void GetTypeName(std::string& out) const override;
    int GetRealVar(int index, double& out) const override;
    // Whichever of the two is written, the other follows at once; there is no calculated
    // variable to choose.
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    void GetVarName(int index, std::string& out) const override;
    int GetVarUnit(int index) const override;
    int GetVarKind(int index) const override;
    int GetVarCount() const override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // Assigned as they are, without checks, by the saved state.
    double m_absolute = 10.0;
    double m_db = 10.0;
};
