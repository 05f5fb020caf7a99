// Dialog of the orbit period tool: height, radius and period, each applied as the user leaves
// its edit box, which recomputes the other two.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTFOV1;

class CToolFoV1 : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolFoV1(CKOTFOV1* model);
    ~CToolFoV1() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);

    CKOTFOV1* m_model;
};
