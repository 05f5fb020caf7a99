#include "dialogs/ToolTemp.h"

#include "dialogs/Binding.h"
#include "models/KOTTemp.h"
#include "resources/Resource.h"

int CKOTTemp::RunDialog()
{
    CToolTemp dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolTemp::CToolTemp(CKOTTemp* model) : CDialog(IDD_TOOL_TEMP), m_model(model)
{
}

CToolTemp::~CToolTemp() = default;

BOOL CToolTemp::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolTemp::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolTemp>(IDC_TEMP_CALC_NOISE, BN_CLICKED, &CToolTemp::OnCalcNoise),
        OnNotify<CToolTemp>(IDC_TEMP_CALC_TEMPERATURE, BN_CLICKED, &CToolTemp::OnCalcTemperature),
        OnNotify<CToolTemp>(IDC_TEMP_CALC_BANDWIDTH, BN_CLICKED, &CToolTemp::OnCalcBandwidth),
        MessageMapEnd,
    };
    return map;
}

void CToolTemp::OnCalcNoise()
{
    Calculate(CKOTTemp::VarNoise);
}

void CToolTemp::OnCalcTemperature()
{
    Calculate(CKOTTemp::VarTemperature);
}

void CToolTemp::OnCalcBandwidth()
{
    Calculate(CKOTTemp::VarBandwidth);
}

// Picks `index` as the quantity to derive and applies the other two entries; each accepted one
// recomputes it. A refused entry stops without a refresh, leaving the typed texts to correct.
void CToolTemp::Calculate(int index)
{
    if (!m_model)
        return;
    m_model->SetCalcVar(index);
    if (index != CKOTTemp::VarNoise &&
        !SetVarFromEdit(this, m_model, CKOTTemp::VarNoise, IDC_TEMP_NOISE))
        return;
    if (index != CKOTTemp::VarTemperature &&
        !SetVarFromEdit(this, m_model, CKOTTemp::VarTemperature, IDC_TEMP_TEMPERATURE))
        return;
    if (index != CKOTTemp::VarBandwidth &&
        !SetVarFromEdit(this, m_model, CKOTTemp::VarBandwidth, IDC_TEMP_BANDWIDTH))
        return;
    Refresh();
}

void CToolTemp::Refresh()
{
    ShowVar(this, m_model, CKOTTemp::VarNoise, IDC_TEMP_NOISE);
    ShowVar(this, m_model, CKOTTemp::VarTemperature, IDC_TEMP_TEMPERATURE);
    ShowVar(this, m_model, CKOTTemp::VarBandwidth, IDC_TEMP_BANDWIDTH);
}
