// Dialog of the off-axis gain tool: a "Calculate" per derived quantity and the pattern list,
// which takes effect at once. The peak gain is shown but never taken from here. Opened over a
// link's antenna, the beamwidth is the link's and stays locked. Its window menu plots the
// reference patterns around the tool's values.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTOff;

class CToolOffaxis : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolOffaxis(CKOTOff* model);
    ~CToolOffaxis() override;

    // "Plot Pattern..." (also F2), besides the window menu every tool has.
    void OnSysCommand(int command) override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnCalculate(int id);
    void OnPattern();
    void OnLeave(int id);
    void PlotPattern();
    // The variable that belongs to a link, or -1 for the tool's own instance.
    int LockedVar() const;

    CKOTOff* m_model;
};
