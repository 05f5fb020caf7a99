#include "dialogs/ToolSpread.h"

#include "dialogs/Binding.h"
#include "models/KOTSpread.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_SPREAD_LOSS, CKOTSpread::VarLoss},
    {IDC_SPREAD_DISTANCE, CKOTSpread::VarDistance},
};

// The model has no calculated variable to pick: setting either quantity derives the other, so
// the distance row's button applies the loss entry, and the other way round.
constexpr ApplyBinding CalcButtons[] = {
    {IDC_SPREAD_CALC_DISTANCE, CKOTSpread::VarLoss, IDC_SPREAD_LOSS},
    {IDC_SPREAD_CALC_LOSS, CKOTSpread::VarDistance, IDC_SPREAD_DISTANCE},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_SPREAD>()
{
    return Shown;
}

int CKOTSpread::RunDialog()
{
    return RunToolDialog<CToolSpread>(this);
}

CToolSpread::CToolSpread(CKOTSpread* model) : CToolDialog(IDD_TOOL_SPREAD, *model), m_model(model)
{
}

CToolSpread::~CToolSpread() = default;

const MessageMapEntry* CToolSpread::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolSpread>(CalcButtonIds, BN_CLICKED, &CToolSpread::OnCalculate),
        MessageMapEnd,
    };
    return map;
}

void CToolSpread::OnCalculate(int id)
{
    ApplyFromButton(this, m_model, CalcButtons, id);
    Refresh();
}

void CToolSpread::Refresh()
{
    ShowBoundVars(this, m_model, Shown);
}
