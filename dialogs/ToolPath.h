// Dialog of the free-space path-loss tool: a "Calculate" per quantity and the frequency's unit
// radio buttons. Opened over a link budget's path, the frequency is the link's and stays locked.
#pragma once

#include "platform/Dialog.h"

class CKOTPath;

class CToolPath : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolPath(CKOTPath* model);
    ~CToolPath() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnCalcDistance();
    void OnCalcFrequency();
    void OnCalcLoss();
    void OnGHz();
    void OnMHz();
    void OnKHz();
    void OnHz();
    void Calculate(int index);
    void ApplyUnitRadios();
    void ApplyUnit(int unit, int radioId);
    void Refresh();

    CKOTPath* m_model;
};
