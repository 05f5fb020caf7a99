#include "dialogs/ToolTemp.h"

#include "dialogs/Binding.h"
#include "models/KOTTemp.h"
#include "resources/Resource.h"

#include <span>

namespace {

// Shown and applied in the same order.
constexpr EditBinding Edits[] = {
    {IDC_TEMP_NOISE, CKOTTemp::VarNoise},
    {IDC_TEMP_TEMPERATURE, CKOTTemp::VarTemperature},
    {IDC_TEMP_BANDWIDTH, CKOTTemp::VarBandwidth},
};

constexpr CalcBinding CalcButtons[] = {
    {IDC_TEMP_CALC_NOISE, CKOTTemp::VarNoise},
    {IDC_TEMP_CALC_TEMPERATURE, CKOTTemp::VarTemperature},
    {IDC_TEMP_CALC_BANDWIDTH, CKOTTemp::VarBandwidth},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_TEMP>()
{
    return Edits;
}

int CKOTTemp::RunDialog()
{
    return RunToolDialog<CToolTemp>(this);
}

CToolTemp::CToolTemp(CKOTTemp* model) : CToolDialog(IDD_TOOL_TEMP, *model), m_model(model)
{
}

CToolTemp::~CToolTemp() = default;

const MessageMapEntry* CToolTemp::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolTemp>(CalcButtonIds, BN_CLICKED, &CToolTemp::OnCalculate),
        MessageMapEnd,
    };
    return map;
}

// Picks the row's quantity to derive and applies the other two entries; each accepted one
// recomputes it. A refused entry stops without a refresh, leaving the typed texts to correct.
void CToolTemp::OnCalculate(int id)
{
    if (CalculateFromButton(this, m_model, CalcButtons, id, Edits))
        Refresh();
}

void CToolTemp::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
}
