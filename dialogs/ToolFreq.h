// Dialog of the frequency/wavelength tool: an arrow button per direction and a group of unit
// radio buttons under each quantity.
#pragma once

#include "platform/Dialog.h"

class CKOTFreq;

class CToolFreq : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolFreq(CKOTFreq* model);
    ~CToolFreq() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnToWavelength();
    void OnToFrequency();
    void OnGHz();
    void OnMHz();
    void OnKHz();
    void OnHz();
    void OnKm();
    void OnM();
    void OnCm();
    void OnMm();
    void ApplyUnit(int index, int unit, int radioId);
    void Refresh();

    CKOTFreq* m_model;
};
