#include "dialogs/ToolGain.h"

#include "dialogs/AntennaTool.h"
#include "dialogs/Binding.h"
#include "framework/Units.h"
#include "models/KOTBudget.h"
#include "models/KOTGain.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_GAIN_FREQUENCY, CKOTGain::VarFrequency},
    {IDC_GAIN_DISH, CKOTGain::VarDishSize},
    {IDC_GAIN_EFFICIENCY, CKOTGain::VarEfficiency},
    {IDC_GAIN_GAIN, CKOTGain::VarPeakGain},
};

// The frequency goes first, so the other entries are read against the frequency on screen.
constexpr EditBinding Applied[] = {
    {IDC_GAIN_FREQUENCY, CKOTGain::VarFrequency},
    {IDC_GAIN_DISH, CKOTGain::VarDishSize},
    {IDC_GAIN_EFFICIENCY, CKOTGain::VarEfficiency},
    {IDC_GAIN_GAIN, CKOTGain::VarPeakGain},
};

constexpr UnitRadioBinding UnitRadios[] = {
    {IDC_GAIN_GHZ, CKOTGain::VarFrequency, UnitGHz},
    {IDC_GAIN_MHZ, CKOTGain::VarFrequency, UnitMHz},
    {IDC_GAIN_KHZ, CKOTGain::VarFrequency, UnitKHz},
    {IDC_GAIN_HZ, CKOTGain::VarFrequency, UnitHz},
};
constexpr auto UnitRadioIds = ControlIds(UnitRadios);

constexpr CalcBinding CalcButtons[] = {
    {IDC_GAIN_CALC_FREQUENCY, CKOTGain::VarFrequency},
    {IDC_GAIN_CALC_DISH, CKOTGain::VarDishSize},
    {IDC_GAIN_CALC_EFFICIENCY, CKOTGain::VarEfficiency},
    {IDC_GAIN_CALC_GAIN, CKOTGain::VarPeakGain},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_GAIN>()
{
    return Shown;
}

int CKOTGain::RunDialog()
{
    return RunToolDialog<CToolGain>(this);
}

int RunAntennaDialog(CKOTGain& tool, const char* antenna)
{
    return RunAntennaToolDialog<CToolGain>(&tool, antenna);
}

CToolGain::CToolGain(CKOTGain* model) : CToolDialog(IDD_TOOL_GAIN, *model), m_model(model)
{
}

CToolGain::~CToolGain() = default;

const MessageMapEntry* CToolGain::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolGain>(CalcButtonIds, BN_CLICKED, &CToolGain::OnCalculate),
        OnNotifyEach<CToolGain>(UnitRadioIds, BN_CLICKED, &CToolGain::OnUnit),
        MessageMapEnd,
    };
    return map;
}

int CToolGain::LockedVar() const
{
    return m_model && !m_model->IsStandAlone() ? CKOTGain::VarFrequency : -1;
}

// Every accepted entry recomputes the chosen quantity, so after the refresh it is the one
// derived from the others, whatever the user had typed for it. A refused entry stops without a
// refresh, so the user's texts stay in place for correction.
void CToolGain::OnCalculate(int id)
{
    if (CalculateFromButton(this, m_model, CalcButtons, id, Applied, UnitRadios, LockedVar()))
        Refresh();
}

void CToolGain::OnUnit(int id)
{
    ApplyUnitRadio(this, m_model, UnitRadios, id);
    Refresh();
}

void CToolGain::Refresh()
{
    ShowBoundVars(this, m_model, Shown, UnitRadios);
    // The link's frequency is shown but must not be touched from here, nor calculated: its
    // button would do nothing.
    if (LockedVar() != -1) {
        DisableControl(this, IDC_GAIN_FREQUENCY);
        DisableControl(this, IDC_GAIN_CALC_FREQUENCY);
        DisableControls(this, UnitRadioIds);
    }
}
