// Dialog of the decibel/absolute tool: one arrow button per direction.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTDB;

class CTooldB : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CTooldB(CKOTDB* model);
    ~CTooldB() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnArrow(int id);

    CKOTDB* m_model;
};
