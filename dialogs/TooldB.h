// Dialog of the decibel/absolute tool: one arrow button per direction.
#pragma once

#include "platform/Dialog.h"

class CKOTDB;

class CTooldB : public CDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CTooldB(CKOTDB* model);
    ~CTooldB() override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;

private:
    void OnToDecibels();
    void OnToAbsolute();
    void Refresh();

    CKOTDB* m_model;
};
