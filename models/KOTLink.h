// Model of the C/N link budget: from a frequency through a transmit antenna, a free-space path
// and a receive antenna to a receiver and its noise.
#pragma once

#include "models/KOTBudget.h"
#include "models/KOTMargin.h"

class CKOTLink : public CKOTBudget<CKOTLink> {
public:
    // The free-space path, then what the receiver makes of the signal; the antennas' variables
    // are the budget's.
    enum : int {
        VarPathLength = FirstPathVar,
        VarPathLoss,
        VarOtherLosses,
        VarRxPower = FirstResultVar,
        VarNoise,
        VarTemperature,
        VarBandwidth,
        VarCn,
        VarTotal
    };
    static_assert(VarOtherLosses + 1 == VarRxPeakGain, "the path variables fill the budget's gap for them");

    // The program's default frequency, 1 m dishes of efficiency 0.7 on boresight, a
    // geostationary path with 2 dB of other losses, and a 300 K receiver of 1 MHz.
    CKOTLink();
    ~CKOTLink() override;
    static VarRows<CKOTLink> Vars();
    static SetSteps<CKOTLink> Steps();

    void GetTypeName(std::string& out) const override;
    // EIRP, receive power and C/N from the transmit power on.
    void Recalculate() override;

    // Defined with the tool's dialog, which it opens with this link's wanted-signal labels.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks, and then derives only what the record
    // does not hold (DeriveUnsavedValues). Defined with the saved state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // The steps of this model's own variables.
    void UpdateLossFromLength();   // path loss from the path length
    void UpdatePathLength();       // path length from the path loss
    void UpdateNoise();            // receiver noise from temperature and bandwidth
    void UpdateTemperature();      // receiver temperature from noise and bandwidth
    void UpdateBandwidth();        // receiver bandwidth from temperature and noise
    void SolveFromReceivePower();  // the EIRP and transmit power that give the receive power
    void SolveFromCn();            // the receive power, EIRP and transmit power that give C/N

    // After a load: the EIRP and the receiver bandwidth, which the saved record does not hold,
    // from the values it does hold. Left as they were, they would describe the link of another
    // run: a bandwidth of 1 MHz beside a noise saved for 36 MHz, say, from which the next noise
    // typed would give a temperature 36 times too high. Nothing else is recalculated: the
    // receive power and C/N stay as saved.
    void DeriveUnsavedValues();

    // "Link Margin...": the Link Margin tool over this link's C/N and receiver bandwidth (shown,
    // not typed), opened on m_margin; it gives the link nothing back, and keeps the carrier's
    // entries in m_margin when closed with a change.
    void RunMarginTool();
    // The carrier the Link Margin tool opens with, in step with the launcher's Link Margin tool.
    CKOTMargin m_margin;

    // The tools of the path and of the receiver, opened as the shared ones are.
    void RunPathTool();
    void RunNoiseTool();

    // Assigned as they are, without checks, by the saved state and by the C/(N+I) tool.
    double m_pathLength;        // km
    double m_pathLoss;          // dB
    double m_otherLosses = 2.0; // dB
    double m_rxPower;           // dBW
    double m_noise;             // dBW
    double m_temperature = 300.0; // K
    double m_bandwidth = 1e6;   // Hz
    double m_cn;                // dB
    // 1: this link carries the wanted signal; 0: an interfering one. Only the dialog's labels
    // tell the difference.
    int m_wantedSignal = 1;
};
