#include "dialogs/ToolSpread.h"

#include "dialogs/Binding.h"
#include "models/KOTSpread.h"
#include "resources/Resource.h"

int CKOTSpread::RunDialog()
{
    CToolSpread dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolSpread::CToolSpread(CKOTSpread* model) : CDialog(IDD_TOOL_SPREAD), m_model(model)
{
}

CToolSpread::~CToolSpread() = default;

BOOL CToolSpread::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolSpread::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolSpread>(IDC_SPREAD_CALC_DISTANCE, BN_CLICKED, &CToolSpread::OnCalcDistance),
        OnNotify<CToolSpread>(IDC_SPREAD_CALC_LOSS, BN_CLICKED, &CToolSpread::OnCalcLoss),
        MessageMapEnd,
    };
    return map;
}

// The model has no calculated variable to pick: setting either quantity derives the other,
// so the distance row's button applies the loss entry, and the other way round.
void CToolSpread::OnCalcDistance()
{
    SetVarFromEdit(this, m_model, CKOTSpread::VarLoss, IDC_SPREAD_LOSS);
    Refresh();
}

void CToolSpread::OnCalcLoss()
{
    SetVarFromEdit(this, m_model, CKOTSpread::VarDistance, IDC_SPREAD_DISTANCE);
    Refresh();
}

void CToolSpread::Refresh()
{
    ShowVar(this, m_model, CKOTSpread::VarLoss, IDC_SPREAD_LOSS);
    ShowVar(this, m_model, CKOTSpread::VarDistance, IDC_SPREAD_DISTANCE);
}
