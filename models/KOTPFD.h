// Model of the power flux density tool: the flux a transmitter produces at a distance, per
// square metre in a reference bandwidth, and on request the equivalent flux density (EPFD),
// which also counts the receive antenna's gain relative to its peak.
#pragma once

#include "models/KOTBudget.h"

class CKOTPFD : public CKOTBudget<CKOTPFD> {
public:
    // The path, then the flux density at its end; the antennas' variables are the budget's.
    enum : int {
        VarPathLength = FirstPathVar,
        VarSpreading,
        VarOtherLosses,
        VarPfd = FirstResultVar,
        VarTotal
    };
    static_assert(VarOtherLosses + 1 == VarRxPeakGain, "the path variables fill the budget's gap for them");

    // The program's default frequency, 1 m dishes of efficiency 0.7 on boresight, and a
    // geostationary distance without other losses.
    CKOTPFD();
    ~CKOTPFD() override;
    static VarRows<CKOTPFD> Vars();
    static SetSteps<CKOTPFD> Steps();

    void GetTypeName(std::string& out) const override;
    // EIRP and PFD from the transmit power on.
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks, and then derives only what the record
    // does not hold (DeriveUnsavedValues). Defined with the saved state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // Non-zero: the PFD counts the receive relative gain (the EPFD). The PFD follows at once
    // from the EIRP as it stands.
    void SetIncludeReceiveGain(int flag);

    // The steps of this model's own variables.
    void UpdateLossFromLength();   // spreading factor from the path length
    void UpdateSpreadingLength();  // path length from the spreading factor
    void SolveFromPfd();           // the EIRP and transmit power that give the PFD

    // After a load: the EIRP, which the saved record does not hold, from the transmit power and
    // gains it does hold. Nothing else is recalculated: the PFD stays as saved.
    void DeriveUnsavedValues();

    // The spreading-loss tool over the path, opened as the shared tools are.
    void RunSpreadTool();

    // Assigned as they are, without checks, by the saved state.
    double m_pathLength;          // km
    double m_spreading;           // dB
    double m_otherLosses = 0.0;   // dB
    double m_pfd;                 // dBW per square metre in the reference bandwidth
    int m_includeReceiveGain = 0;

private:
    // The receive relative gain as far as the PFD counts it.
    double CountedReceiveGain() const { return m_includeReceiveGain ? m_rxRelativeGain : 0.0; }
    void UpdatePfd();
};
