// Dialog of the G/T tool: each entry is stored as the user leaves its edit box, and each
// "Calculate" derives its row's quantity from the other two.
#pragma once

#include "platform/Dialog.h"

class CKOTGtoT;

class CToolGtoT : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolGtoT(CKOTGtoT* model);
    ~CToolGtoT() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnLeavePeakGain();
    void OnLeaveTemperature();
    void OnLeaveGtoT();
    void OnCalcPeakGain();
    void OnCalcTemperature();
    void OnCalcGtoT();
    void Refresh();

    CKOTGtoT* m_model;
};
