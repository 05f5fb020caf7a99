// Dialog of the link budget: each headline quantity is stored as the user leaves its edit box,
// and every quantity without a box of its own is reached through a "Calculate ..." button that
// opens another tool over the link's values.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTLink;

class CToolLink : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog. With wantedSignal 0 the dialog shows
    // an interfering signal: its result labels say I and I/N instead of C and C/N.
    CToolLink(CKOTLink* model, int wantedSignal);
    ~CToolLink() override;

    // The link-design tools over this budget, besides the window menu every tool has:
    // "Atmospheric Losses..." (F3), whose total becomes its other losses; "Look Angles..." (F4),
    // whose slant range becomes its path length;
    // "Link Margin..." (F5), over its C/N.
    void OnSysCommand(int command) override;

protected:
    BOOL OnInitDialog() override;
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnSubTool(int id);

    CKOTLink* m_model;
    int m_wantedSignal;
};
