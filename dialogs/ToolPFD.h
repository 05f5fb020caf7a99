// Dialog of the power flux density tool: laid out as the link budget, with a spreading factor
// in place of the path loss, and a check box that makes the PFD an EPFD by counting the
// receive antenna's relative gain.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTPFD;

class CToolPFD : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolPFD(CKOTPFD* model);
    ~CToolPFD() override;

    // The link-design tools over this budget, besides the window menu every tool has:
    // "Atmospheric Losses..." (F3), whose total becomes its other losses; "Look Angles..." (F4),
    // whose slant range becomes its path length.
    void OnSysCommand(int command) override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnSubTool(int id);
    void OnIncludeReceiveGain();

    CKOTPFD* m_model;
};
