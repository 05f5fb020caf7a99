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

    // "Atmospheric Losses..." (also F3), besides the window menu every tool has: the Atmosphere
    // tool over this budget, whose total becomes its other losses.
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
