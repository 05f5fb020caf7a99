// Dialog of the half-power beamwidth tool: a "Calculate" per quantity. Entries go into the
// model only through those buttons; leaving an edit box applies nothing.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTT3dB;

class CToolT3dB : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolT3dB(CKOTT3dB* model);
    ~CToolT3dB() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);
    void OnLeave(int id);

    CKOTT3dB* m_model;
};
