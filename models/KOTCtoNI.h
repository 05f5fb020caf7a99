// Model of the C/(N+I) tool: a carrier-to-noise ratio C/N and an interference-to-noise ratio
// I/N combined into C/I and C/(N+I), any of the four entered and the others derived. Two link
// budgets, one for the wanted signal and one for the interfering signal, can be worked in the
// link tool and their ratios taken back.
#pragma once

#include "framework/VarTable.h"
#include "models/KOTLink.h"

class CKOTCtoNI : public CKorTableObj<CKOTCtoNI> {
public:
    enum : int {
        VarCn = 2,
        VarIn = 3,
        VarCi = 4,
        VarCni = 5,
        VarTotal = 6
    };

    // Which of C/N and I/N stays when C/I or C/(N+I) is entered.
    enum : int {
        FixedCn = 2,
        FixedIn = 3
    };

    CKOTCtoNI();
    ~CKOTCtoNI() override;
    static VarRows<CKOTCtoNI> Vars();

    void GetTypeName(std::string& out) const override;
    // Stores the entry and derives the other ratios from it; there is no calculated variable.
    // With C/N held, a C/(N+I) above C/N, which no interference can give, is refused with C/N
    // as its limit; a refused entry changes nothing.
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // The model's record in kortools.dat, field by field, closed by the name record. Reading
    // assigns the fields as they are, without checks, and then derives only what the record
    // does not hold (DeriveUnsavedValues). Defined with the saved state.
    void ReadState(std::FILE* file);
    void WriteState(std::FILE* file) const;

    // The derivations, one per kind of entry, which SetRealVar runs after storing it.
    void ComputeCni();
    void UpdateForCnOrIn();
    void UpdateForCi();
    void UpdateForCni();

    // Align both links with the ratios, open the link tool on one of them, share its frequency
    // and receiver with the other, and take both links' ratios back.
    void RunWantedLink();
    void RunInterferingLink();

    // After a load: the interfering link, which the saved record does not hold, takes the
    // wanted link's frequency and receiver, as after working either link. Left at its
    // construction values, the first interfering link worked after a restart would hand those
    // over the saved wanted link.
    void DeriveUnsavedValues();

    // Assigned as they are, without checks, by the saved state.
    double m_cn = 10.0; // dB
    double m_in = 0.0;  // dB
    double m_ci;        // dB
    double m_cni;       // dB
    CKOTLink m_wanted;
    CKOTLink m_interfering;
    // FixedCn, or anything else for I/N fixed (the dialog writes FixedIn). The saved state keeps
    // it in 16 bits; every value the dialog writes fits.
    int m_fixedVar = FixedIn;

private:
    void RunLink(CKOTLink& shown, CKOTLink& other);
    // The frequency and receiver that both links share, from one to the other, which then
    // brings its antennas, path and budget into line with them.
    static void ShareFrequencyAndReceiver(const CKOTLink& from, CKOTLink& to);
};
