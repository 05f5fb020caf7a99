// Dialog of the Atmosphere tool: its entries go in as the user leaves each edit or picks a rain
// zone, and every result follows at once. Opened over a budget, the budget's frequency (and in
// the link its receive antenna) are shown but not typed. Its window menu plots the attenuations
// against the time percentage.
#pragma once

#include "dialogs/ToolDialog.h"

class CKOTAtmos;

class CToolAtmos : public CToolDialog {
public:
    // The model is not owned and must outlive the dialog.
    explicit CToolAtmos(CKOTAtmos* model);
    ~CToolAtmos() override;

    // "Plot Attenuation..." (also F2), besides the window menu every tool has.
    void OnSysCommand(int command) override;

protected:
    const MessageMapEntry* GetMessageMap() const override;
    void Refresh() override;

private:
    void OnLeave(int id);
    void OnRainZone();

    CKOTAtmos* m_model;
};
