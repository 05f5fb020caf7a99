#include "dialogs/ToolGtoT.h"

#include "dialogs/Binding.h"
#include "models/KOTGtoT.h"
#include "resources/Resource.h"

int CKOTGtoT::RunDialog()
{
    CToolGtoT dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolGtoT::CToolGtoT(CKOTGtoT* model) : CDialog(IDD_TOOL_GTOT), m_model(model)
{
}

CToolGtoT::~CToolGtoT() = default;

BOOL CToolGtoT::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolGtoT::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolGtoT>(IDC_GTOT_GAIN, EN_KILLFOCUS, &CToolGtoT::OnLeavePeakGain),
        OnNotify<CToolGtoT>(IDC_GTOT_TEMPERATURE, EN_KILLFOCUS, &CToolGtoT::OnLeaveTemperature),
        OnNotify<CToolGtoT>(IDC_GTOT_GTOT, EN_KILLFOCUS, &CToolGtoT::OnLeaveGtoT),
        OnNotify<CToolGtoT>(IDC_GTOT_CALC_GAIN, BN_CLICKED, &CToolGtoT::OnCalcPeakGain),
        OnNotify<CToolGtoT>(IDC_GTOT_CALC_TEMPERATURE, BN_CLICKED, &CToolGtoT::OnCalcTemperature),
        OnNotify<CToolGtoT>(IDC_GTOT_CALC_GTOT, BN_CLICKED, &CToolGtoT::OnCalcGtoT),
        MessageMapEnd,
    };
    return map;
}

// The model only stores what is typed; nothing else moves until a "Calculate" is pressed.
// A refused entry has shown its error, and the refresh puts the stored value back.
void CToolGtoT::OnLeavePeakGain()
{
    SetVarFromEdit(this, m_model, CKOTGtoT::VarPeakGain, IDC_GTOT_GAIN);
    Refresh();
}

void CToolGtoT::OnLeaveTemperature()
{
    SetVarFromEdit(this, m_model, CKOTGtoT::VarTemperature, IDC_GTOT_TEMPERATURE);
    Refresh();
}

void CToolGtoT::OnLeaveGtoT()
{
    SetVarFromEdit(this, m_model, CKOTGtoT::VarGtoT, IDC_GTOT_GTOT);
    Refresh();
}

// Clicking a button has already taken the focus from the edit being left, so what was just
// typed there is in the model before the calculation runs.
void CToolGtoT::OnCalcPeakGain()
{
    if (m_model)
        m_model->CalcPeakGain();
    Refresh();
}

void CToolGtoT::OnCalcTemperature()
{
    if (m_model)
        m_model->CalcTemperature();
    Refresh();
}

void CToolGtoT::OnCalcGtoT()
{
    if (m_model)
        m_model->CalcGtoT();
    Refresh();
}

void CToolGtoT::Refresh()
{
    ShowVar(this, m_model, CKOTGtoT::VarPeakGain, IDC_GTOT_GAIN);
    ShowVar(this, m_model, CKOTGtoT::VarTemperature, IDC_GTOT_TEMPERATURE);
    ShowVar(this, m_model, CKOTGtoT::VarGtoT, IDC_GTOT_GTOT);
}
