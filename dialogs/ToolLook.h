// Dialog of the Look Angles tool: the station and the satellite go in as the user leaves each
// edit, and the pointing follows at once; a satellite below the horizon is said so beside its
// negative elevation.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTLook;

class CToolLook : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolLook(CKOTLook* model);
    ~CToolLook() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);

    CKOTLook* m_model;
};
