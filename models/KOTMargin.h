// Model of the Link Margin tool: what a DVB-S2 carrier's C/N leaves above what its MODCOD needs,
// the bit rate it carries and the bandwidth it takes, and the most efficient MODCOD the same C/N
// would still carry. Every entry is typed or chosen; every result is derived from all of them at
// once, so nothing typed ever moves another entry.
#pragma once

#include "formulas/LinkMargin.h"
#include "framework/VarTable.h"

#include <string>
#include <vector>

class CKOTMargin : public CKorTableObj<CKOTMargin> {
public:
    enum : int {
        VarCarrierToNoise = 2,
        VarNoiseBandwidth,
        VarSymbolRate,
        VarRollOff,
        VarModcod,
        VarImplementationMargin,
        // Derived.
        VarCarrierToNoiseDensity,
        VarEsN0,
        VarEbN0,
        VarRequiredEsN0,
        VarMargin,
        VarBitRate,
        VarOccupiedBandwidth,
        VarBestModcod,
        VarTotal
    };
    static constexpr int FirstDerivedVar = VarCarrierToNoiseDensity;

    CKOTMargin();
    ~CKOTMargin() override;
    static VarRows<CKOTMargin> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int SetIntVar(int index, const int& value, ErrorSink& sink) override;
    // The results are shown, never typed.
    int GetVarAccess(int index) const override;
    // The best MODCOD's choices are the MODCODs', and "none" where not even the most robust one
    // is received.
    const char* GetEnumText(int index, int choice) const override;
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // Opened over a link budget: its C/N and receiver bandwidth, shown but not typed.
    void LockToLink(double carrierToNoise, double noiseBandwidth);
    bool IsLockedToLink() const { return m_lockedToLink; }
    // Takes the carrier's entries of `other` (all but what a link locks), and recalculates: the
    // tool and the link's Link Margin keep one carrier in step.
    void TakeCarrierFrom(const CKOTMargin& other);

    // What the formulas take, from the entries as they stand.
    MarginInputs Inputs() const;
    // The best MODCOD's name, or "none".
    const char* BestModcodText() const;
    // The margin every MODCOD would leave at this carrier's Es/N0, for the tool's chart.
    std::vector<ModcodMarginPoint> MarginsOfEveryModcod() const;

    // Entries, in storage units.
    double m_carrierToNoise;        // dB
    double m_noiseBandwidth;        // Hz
    double m_symbolRate;            // symbols/s
    double m_rollOff;               // 0..1
    int m_modcod;                   // index into Dvbs2Modcods
    double m_implementationMargin;  // dB
    // Results.
    double m_carrierToNoiseDensity = 0.0; // dB-Hz
    double m_esN0 = 0.0;                  // dB
    double m_ebN0 = 0.0;                  // dB
    double m_requiredEsN0 = 0.0;          // dB
    double m_margin = 0.0;                // dB
    double m_bitRate = 0.0;               // bits/s
    double m_occupiedBandwidth = 0.0;     // Hz
    int m_bestModcod = -1;                // index into Dvbs2Modcods, -1 none

private:
    bool m_lockedToLink = false;
};
