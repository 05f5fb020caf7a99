// Dialog of the C/(N+I) tool: four ratios applied on leaving their edit boxes, the choice of
// which of C/N and I/N stays fixed, and the link tool opened on the wanted or interfering link.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTCtoNI;

class CToolCtoNI : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolCtoNI(CKOTCtoNI* model);
    ~CToolCtoNI() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnLink(int id);
    void OnFixed(int id);

    CKOTCtoNI* m_model;
};
