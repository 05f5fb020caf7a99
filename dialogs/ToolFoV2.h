// Dialog of the orbit field-of-view tool: four quantities of the satellite / ground-point
// triangle, applied as the user leaves each edit box, and a column of "Fixed:" radio buttons
// choosing which quantity stays put while another is edited.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTFOV2;

class CToolFoV2 : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolFoV2(CKOTFOV2* model);
    ~CToolFoV2() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnFixed(int id);

    CKOTFOV2* m_model;
};
