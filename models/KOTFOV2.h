// Model of the orbit field-of-view tool: the triangle of the Earth's centre, a satellite and a
// ground point that sees it, described by height, elevation, slant distance and the angle at the
// satellite. Any two of them settle the other two. The user holds one quantity fixed and edits
// another; those two are the inputs, and the remaining pair is derived from them.
#pragma once

#include "framework/VarTable.h"

class CKOTFOV2 : public CKorTableObj<CKOTFOV2> {
public:
    enum : int {
        VarHeight = 2,
        VarElevation = 3,
        VarDistance = 4,
        VarNadirAngle = 5, // the angle at the satellite, between nadir and the ground point
        VarTotal = 6
    };

    // A geostationary satellite seen at 5 degrees elevation, with the height held fixed.
    CKOTFOV2();
    ~CKOTFOV2() override;
    // Angles are kept in radians and shown in degrees.
    static VarRows<CKOTFOV2> Vars();

    void GetTypeName(std::string& out) const override;
    // Every variable is an input here, whichever the user edited last.
    int GetVarAccess(int index) const override;
    // Stores the value and solves the triangle from the fixed and the edited variable. No
    // variable is refused as calculated: which one is derived depends on the pair.
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    // The variable the user edited last.
    int GetCalcVar() const override;
    // Records the variable about to be edited, whatever it is; nothing is recalculated.
    int SetCalcVar(int index) override;
    // Solves for the two variables that are neither fixed nor edited. The solvers clamp their
    // inputs to what a real triangle allows and write the clamped values back here, so the tool
    // shows what was used. With the edited variable equal to the fixed one, or either of them
    // not a variable, nothing is solved.
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks or recalculation. Defined with the saved
    // state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Assigned as they are, without checks, by the saved state.
    double m_height;     // km
    double m_elevation;  // rad
    double m_distance;   // km
    double m_nadirAngle; // rad
    // Variable indices. Plain ints like every index the framework passes around; the saved state
    // keeps each in 16 bits, which every index of this model fits.
    int m_editedVar = VarElevation;
    // Chosen with the dialog's "Fixed:" radio buttons, which assign it directly.
    int m_fixedVar = VarHeight;
};
