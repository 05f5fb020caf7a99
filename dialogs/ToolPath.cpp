#include "dialogs/ToolPath.h"

#include "dialogs/Binding.h"
#include "framework/Units.h"
#include "models/KOTPath.h"
#include "resources/Resource.h"

int CKOTPath::RunDialog()
{
    CToolPath dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolPath::CToolPath(CKOTPath* model) : CDialog(IDD_TOOL_PATH), m_model(model)
{
}

CToolPath::~CToolPath() = default;

BOOL CToolPath::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolPath::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolPath>(IDC_PATH_CALC_DISTANCE, BN_CLICKED, &CToolPath::OnCalcDistance),
        OnNotify<CToolPath>(IDC_PATH_CALC_FREQUENCY, BN_CLICKED, &CToolPath::OnCalcFrequency),
        OnNotify<CToolPath>(IDC_PATH_CALC_LOSS, BN_CLICKED, &CToolPath::OnCalcLoss),
        OnNotify<CToolPath>(IDC_PATH_GHZ, BN_CLICKED, &CToolPath::OnGHz),
        OnNotify<CToolPath>(IDC_PATH_MHZ, BN_CLICKED, &CToolPath::OnMHz),
        OnNotify<CToolPath>(IDC_PATH_KHZ, BN_CLICKED, &CToolPath::OnKHz),
        OnNotify<CToolPath>(IDC_PATH_HZ, BN_CLICKED, &CToolPath::OnHz),
        MessageMapEnd,
    };
    return map;
}

void CToolPath::OnCalcDistance()
{
    Calculate(CKOTPath::VarDistance);
}

void CToolPath::OnCalcFrequency()
{
    Calculate(CKOTPath::VarFrequency);
}

void CToolPath::OnCalcLoss()
{
    Calculate(CKOTPath::VarLoss);
}

void CToolPath::OnGHz()
{
    ApplyUnit(UnitGHz, IDC_PATH_GHZ);
}

void CToolPath::OnMHz()
{
    ApplyUnit(UnitMHz, IDC_PATH_MHZ);
}

void CToolPath::OnKHz()
{
    ApplyUnit(UnitKHz, IDC_PATH_KHZ);
}

void CToolPath::OnHz()
{
    ApplyUnit(UnitHz, IDC_PATH_HZ);
}

// Picks `index` as the quantity to derive, then applies the other entries in a fixed order.
// Every accepted entry recomputes the chosen quantity, so after the refresh it is the one
// derived from the others, whatever the user had typed for it. A refused entry stops here
// without a refresh, so the user's texts stay in place for correction.
void CToolPath::Calculate(int index)
{
    if (!m_model)
        return;
    // The link's frequency is neither ours to set nor ours to derive.
    const bool standAlone = m_model->IsStandAlone() != 0;
    if (index == CKOTPath::VarFrequency && !standAlone)
        return;
    m_model->SetCalcVar(index);
    if (standAlone && index != CKOTPath::VarFrequency &&
        !SetVarFromEdit(this, m_model, CKOTPath::VarFrequency, IDC_PATH_FREQUENCY))
        return;
    if (index != CKOTPath::VarDistance &&
        !SetVarFromEdit(this, m_model, CKOTPath::VarDistance, IDC_PATH_DISTANCE))
        return;
    if (index != CKOTPath::VarLoss && !SetVarFromEdit(this, m_model, CKOTPath::VarLoss, IDC_PATH_LOSS))
        return;
    ApplyUnitRadios();
    Refresh();
}

void CToolPath::ApplyUnitRadios()
{
    SetUnitIfChecked(this, m_model, CKOTPath::VarFrequency, UnitGHz, IDC_PATH_GHZ);
    SetUnitIfChecked(this, m_model, CKOTPath::VarFrequency, UnitMHz, IDC_PATH_MHZ);
    SetUnitIfChecked(this, m_model, CKOTPath::VarFrequency, UnitKHz, IDC_PATH_KHZ);
    SetUnitIfChecked(this, m_model, CKOTPath::VarFrequency, UnitHz, IDC_PATH_HZ);
}

void CToolPath::ApplyUnit(int unit, int radioId)
{
    SetUnitIfChecked(this, m_model, CKOTPath::VarFrequency, unit, radioId);
    Refresh();
}

void CToolPath::Refresh()
{
    ShowVar(this, m_model, CKOTPath::VarFrequency, IDC_PATH_FREQUENCY);
    ShowVar(this, m_model, CKOTPath::VarLoss, IDC_PATH_LOSS);
    ShowVar(this, m_model, CKOTPath::VarDistance, IDC_PATH_DISTANCE);
    SetUnitRadio(this, m_model, CKOTPath::VarFrequency, UnitGHz, IDC_PATH_GHZ);
    SetUnitRadio(this, m_model, CKOTPath::VarFrequency, UnitMHz, IDC_PATH_MHZ);
    SetUnitRadio(this, m_model, CKOTPath::VarFrequency, UnitKHz, IDC_PATH_KHZ);
    SetUnitRadio(this, m_model, CKOTPath::VarFrequency, UnitHz, IDC_PATH_HZ);
    // The link's frequency is shown but must not be touched from here.
    if (m_model && !m_model->IsStandAlone()) {
        DisableControl(this, IDC_PATH_FREQUENCY);
        DisableControl(this, IDC_PATH_GHZ);
        DisableControl(this, IDC_PATH_MHZ);
        DisableControl(this, IDC_PATH_KHZ);
        DisableControl(this, IDC_PATH_HZ);
    }
}
