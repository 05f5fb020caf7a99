// Dialog of the spreading-loss tool: each row's "Calculate" derives that row's quantity from
// the entry in the other row.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTSpread;

class CToolSpread : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolSpread(CKOTSpread* model);
    ~CToolSpread() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);

    CKOTSpread* m_model;
};
