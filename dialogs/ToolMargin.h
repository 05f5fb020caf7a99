// Dialog of the Link Margin tool: the carrier's figures go in as the user leaves each edit or
// picks a MODCOD, and the margin and the best MODCOD follow at once. Opened over a link, the
// link's C/N and receiver bandwidth are shown but not typed. Its window menu plots the margin
// of every MODCOD.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTMargin;

class CToolMargin : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolMargin(CKOTMargin* model);
    ~CToolMargin() override;

    // "Plot Margin..." (also F2), besides the window menu every tool has.
    void OnSysCommand(int command) override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnModcod();

    CKOTMargin* m_model;
};
