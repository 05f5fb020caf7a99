// Dialog of the noise-temperature tool: a "Calculate" per quantity.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTTemp;

class CToolTemp : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolTemp(CKOTTemp* model);
    ~CToolTemp() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);

    CKOTTemp* m_model;
};
