// Dialog of the noise-temperature tool: a "Calculate" per quantity.
#pragma once

#include "platform/Dialog.h"

class CKOTTemp;

class CToolTemp : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolTemp(CKOTTemp* model);
    ~CToolTemp() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnCalcNoise();
    void OnCalcTemperature();
    void OnCalcBandwidth();
    void Calculate(int index);
    void Refresh();

    CKOTTemp* m_model;
};
