// Dialog of the free-space path-loss tool: a "Calculate" per quantity and the frequency's unit
// radio buttons. Opened over a link budget's path, the frequency is the link's and stays locked.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTPath;

class CToolPath : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolPath(CKOTPath* model);
    ~CToolPath() override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);
    void OnUnit(int id);
    // The variable that belongs to a link budget, or -1 for the tool's own instance.
    int LockedVar() const;

    CKOTPath* m_model;
};
