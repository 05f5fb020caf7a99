// Dialog of the G/T tool: each entry is stored as the user leaves its edit box, and each
// "Calculate" derives its row's quantity from the other two.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTGtoT;

class CToolGtoT : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolGtoT(CKOTGtoT* model);
    ~CToolGtoT() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnCalculate(int id);

    CKOTGtoT* m_model;
};
