#include "dialogs/ToolFreq.h"

#include "dialogs/Binding.h"
#include "framework/Units.h"
#include "models/KOTFreq.h"
#include "resources/Resource.h"

int CKOTFreq::RunDialog()
{
    CToolFreq dialog(this);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolFreq::CToolFreq(CKOTFreq* model) : CDialog(IDD_TOOL_FREQ), m_model(model)
{
}

CToolFreq::~CToolFreq() = default;

BOOL CToolFreq::OnInitDialog()
{
    CDialog::OnInitDialog();
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolFreq::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolFreq>(IDC_FREQ_TO_WAVELENGTH, BN_CLICKED, &CToolFreq::OnToWavelength),
        OnNotify<CToolFreq>(IDC_FREQ_TO_FREQUENCY, BN_CLICKED, &CToolFreq::OnToFrequency),
        OnNotify<CToolFreq>(IDC_FREQ_GHZ, BN_CLICKED, &CToolFreq::OnGHz),
        OnNotify<CToolFreq>(IDC_FREQ_MHZ, BN_CLICKED, &CToolFreq::OnMHz),
        OnNotify<CToolFreq>(IDC_FREQ_KHZ, BN_CLICKED, &CToolFreq::OnKHz),
        OnNotify<CToolFreq>(IDC_FREQ_HZ, BN_CLICKED, &CToolFreq::OnHz),
        OnNotify<CToolFreq>(IDC_FREQ_KM, BN_CLICKED, &CToolFreq::OnKm),
        OnNotify<CToolFreq>(IDC_FREQ_M, BN_CLICKED, &CToolFreq::OnM),
        OnNotify<CToolFreq>(IDC_FREQ_CM, BN_CLICKED, &CToolFreq::OnCm),
        OnNotify<CToolFreq>(IDC_FREQ_MM, BN_CLICKED, &CToolFreq::OnMm),
        MessageMapEnd,
    };
    return map;
}

void CToolFreq::OnToWavelength()
{
    SetVarFromEdit(this, m_model, CKOTFreq::VarFrequency, IDC_FREQ_FREQUENCY);
    Refresh();
}

void CToolFreq::OnToFrequency()
{
    SetVarFromEdit(this, m_model, CKOTFreq::VarWavelength, IDC_FREQ_WAVELENGTH);
    Refresh();
}

void CToolFreq::OnGHz()
{
    ApplyUnit(CKOTFreq::VarFrequency, UnitGHz, IDC_FREQ_GHZ);
}

void CToolFreq::OnMHz()
{
    ApplyUnit(CKOTFreq::VarFrequency, UnitMHz, IDC_FREQ_MHZ);
}

void CToolFreq::OnKHz()
{
    ApplyUnit(CKOTFreq::VarFrequency, UnitKHz, IDC_FREQ_KHZ);
}

void CToolFreq::OnHz()
{
    ApplyUnit(CKOTFreq::VarFrequency, UnitHz, IDC_FREQ_HZ);
}

void CToolFreq::OnKm()
{
    ApplyUnit(CKOTFreq::VarWavelength, UnitKm, IDC_FREQ_KM);
}

void CToolFreq::OnM()
{
    ApplyUnit(CKOTFreq::VarWavelength, UnitM, IDC_FREQ_M);
}

void CToolFreq::OnCm()
{
    ApplyUnit(CKOTFreq::VarWavelength, UnitCm, IDC_FREQ_CM);
}

void CToolFreq::OnMm()
{
    ApplyUnit(CKOTFreq::VarWavelength, UnitMm, IDC_FREQ_MM);
}

// A unit button only changes how the quantity is shown; the refresh then writes the model's
// own value in the new unit over whatever was typed and not yet applied.
void CToolFreq::ApplyUnit(int index, int unit, int radioId)
{
    SetUnitIfChecked(this, m_model, index, unit, radioId);
    Refresh();
}

void CToolFreq::Refresh()
{
    ShowVar(this, m_model, CKOTFreq::VarFrequency, IDC_FREQ_FREQUENCY);
    ShowVar(this, m_model, CKOTFreq::VarWavelength, IDC_FREQ_WAVELENGTH);
    SetUnitRadio(this, m_model, CKOTFreq::VarFrequency, UnitGHz, IDC_FREQ_GHZ);
    SetUnitRadio(this, m_model, CKOTFreq::VarFrequency, UnitMHz, IDC_FREQ_MHZ);
    SetUnitRadio(this, m_model, CKOTFreq::VarFrequency, UnitKHz, IDC_FREQ_KHZ);
    SetUnitRadio(this, m_model, CKOTFreq::VarFrequency, UnitHz, IDC_FREQ_HZ);
    SetUnitRadio(this, m_model, CKOTFreq::VarWavelength, UnitKm, IDC_FREQ_KM);
    SetUnitRadio(this, m_model, CKOTFreq::VarWavelength, UnitM, IDC_FREQ_M);
    SetUnitRadio(this, m_model, CKOTFreq::VarWavelength, UnitCm, IDC_FREQ_CM);
    SetUnitRadio(this, m_model, CKOTFreq::VarWavelength, UnitMm, IDC_FREQ_MM);
}
