// Dialog of the frequency/wavelength tool: an arrow button per direction and a group of unit
// radio buttons under each quantity.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTFreq;

class CToolFreq : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolFreq(CKOTFreq* model);
    ~CToolFreq() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnArrow(int id);
    void OnUnit(int id);

    CKOTFreq* m_model;
};
