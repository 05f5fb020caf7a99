// Model of the decibel/absolute tool: one ratio held both as a plain number and in decibels.
#pragma once

#include "framework/VarTable.h"

class CKOTDB : public CKorTableObj<CKOTDB> {
public:
    enum : int {
        VarAbsolute = 2,
        VarDb = 3,
        VarTotal = 4
    };

    CKOTDB() = default;
    ~CKOTDB() override;
    static VarRows<CKOTDB> Vars();

    void GetTypeName(std::string& out) const override;
    // Whichever of the two is written, the other follows at once; there is no calculated
    // variable to choose.
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Assigned as they are, without checks, by the saved state.
    double m_absolute = 10.0;
    double m_db = 10.0;
};
