#include "dialogs/ToolPath.h"

#include "dialogs/Binding.h"
#include "framework/Units.h"
#include "models/KOTPath.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_PATH_FREQUENCY, CKOTPath::VarFrequency},
    {IDC_PATH_LOSS, CKOTPath::VarLoss},
    {IDC_PATH_DISTANCE, CKOTPath::VarDistance},
};

constexpr EditBinding Applied[] = {
    {IDC_PATH_FREQUENCY, CKOTPath::VarFrequency},
    {IDC_PATH_DISTANCE, CKOTPath::VarDistance},
    {IDC_PATH_LOSS, CKOTPath::VarLoss},
};

constexpr UnitRadioBinding UnitRadios[] = {
    {IDC_PATH_GHZ, CKOTPath::VarFrequency, UnitGHz},
    {IDC_PATH_MHZ, CKOTPath::VarFrequency, UnitMHz},
    {IDC_PATH_KHZ, CKOTPath::VarFrequency, UnitKHz},
    {IDC_PATH_HZ, CKOTPath::VarFrequency, UnitHz},
};
constexpr auto UnitRadioIds = ControlIds(UnitRadios);

constexpr CalcBinding CalcButtons[] = {
    {IDC_PATH_CALC_DISTANCE, CKOTPath::VarDistance},
    {IDC_PATH_CALC_FREQUENCY, CKOTPath::VarFrequency},
    {IDC_PATH_CALC_LOSS, CKOTPath::VarLoss},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_PATH>()
{
    return Shown;
}

int CKOTPath::RunDialog()
{
    return RunToolDialog<CToolPath>(this);
}

CToolPath::CToolPath(CKOTPath* model) : CToolDialog(IDD_TOOL_PATH, *model), m_model(model)
{
}

CToolPath::~CToolPath() = default;

const MessageMapEntry* CToolPath::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolPath>(CalcButtonIds, BN_CLICKED, &CToolPath::OnCalculate),
        OnNotifyEach<CToolPath>(UnitRadioIds, BN_CLICKED, &CToolPath::OnUnit),
        MessageMapEnd,
    };
    return map;
}

int CToolPath::LockedVar() const
{
    return m_model && !m_model->IsStandAlone() ? CKOTPath::VarFrequency : -1;
}

// Every accepted entry recomputes the chosen quantity, so after the refresh it is the one
// derived from the others, whatever the user had typed for it. A refused entry stops without a
// refresh, so the user's texts stay in place for correction.
void CToolPath::OnCalculate(int id)
{
    if (CalculateFromButton(this, m_model, CalcButtons, id, Applied, UnitRadios, LockedVar()))
        Refresh();
}

void CToolPath::OnUnit(int id)
{
    ApplyUnitRadio(this, m_model, UnitRadios, id);
    Refresh();
}

void CToolPath::Refresh()
{
    ShowBoundVars(this, m_model, Shown, UnitRadios);
    // The link's frequency is shown but must not be touched from here, nor calculated: its
    // button would do nothing.
    if (LockedVar() != -1) {
        DisableControl(this, IDC_PATH_FREQUENCY);
        DisableControl(this, IDC_PATH_CALC_FREQUENCY);
        DisableControls(this, UnitRadioIds);
    }
}
