// Dialog of the peak-gain tool: a "Calculate" per quantity and the frequency's unit radio
// buttons. Opened over a link's antenna, the frequency is the link's and stays locked.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTGain;

class CToolGain : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolGain(CKOTGain* model);
    ~CToolGain() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);
    void OnUnit(int id);
    // The variable that belongs to a link, or -1 for the tool's own instance.
    int LockedVar() const;

    CKOTGain* m_model;
};
