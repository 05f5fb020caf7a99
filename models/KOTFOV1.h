// Model of the orbit period tool: height, radius and period of a circular orbit. Any one of
// the three fixes the other two, so each write derives both at once and nothing is ever held
// as the calculated variable.
#pragma once

#include "framework/VarTable.h"

class CKOTFOV1 : public CKorTableObj<CKOTFOV1> {
public:
    enum : int {
        VarHeight = 2,
        VarSemiMajorAxis = 3,
        VarPeriod = 4,
        VarTotal = 5
    };

    // A geostationary orbit.
    CKOTFOV1();
    ~CKOTFOV1() override;
    // The period is kept in seconds and shown in minutes, the unit orbit periods are quoted in.
    static VarRows<CKOTFOV1> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Each stores its argument unchecked and derives the other two. The formulas use a value
    // clamped into their range, but the argument itself is kept as given.
    void SetHeight(double height);
    void SetSemiMajorAxis(double semiMajorAxis);
    void SetPeriod(double period);

    // Assigned as they are, without checks, by the saved state.
    double m_height = 0.0;        // km
    double m_semiMajorAxis = 0.0; // km
    double m_period = 0.0;        // s
};
