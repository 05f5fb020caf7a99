// Dialog of the spreading-loss tool: each row's "Calculate" derives that row's quantity from
// the entry in the other row.
#pragma once

#include "platform/Dialog.h"

class CKOTSpread;

class CToolSpread : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolSpread(CKOTSpread* model);
    ~CToolSpread() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnCalcDistance();
    void OnCalcLoss();
    void Refresh();

    CKOTSpread* m_model;
};
