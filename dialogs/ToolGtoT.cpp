#include "dialogs/ToolGtoT.h"

#include "dialogs/Binding.h"
#include "models/KOTGtoT.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Edits[] = {
    {IDC_GTOT_GAIN, CKOTGtoT::VarPeakGain},
    {IDC_GTOT_TEMPERATURE, CKOTGtoT::VarTemperature},
    {IDC_GTOT_GTOT, CKOTGtoT::VarGtoT},
};
constexpr auto EditIds = ControlIds(Edits);

// Each button runs one of the model's own calculations.
struct Calculation {
    int id;
    void (CKOTGtoT::*run)();
};
constexpr Calculation CalcButtons[] = {
    {IDC_GTOT_CALC_GAIN, &CKOTGtoT::CalcPeakGain},
    {IDC_GTOT_CALC_TEMPERATURE, &CKOTGtoT::CalcTemperature},
    {IDC_GTOT_CALC_GTOT, &CKOTGtoT::CalcGtoT},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_GTOT>()
{
    return Edits;
}

int CKOTGtoT::RunDialog()
{
    return RunToolDialog<CToolGtoT>(this);
}

CToolGtoT::CToolGtoT(CKOTGtoT* model) : CToolDialog(IDD_TOOL_GTOT, *model), m_model(model)
{
}

CToolGtoT::~CToolGtoT() = default;

const MessageMapEntry* CToolGtoT::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolGtoT>(EditIds, EN_KILLFOCUS, &CToolGtoT::OnLeave),
        OnNotifyEach<CToolGtoT>(CalcButtonIds, BN_CLICKED, &CToolGtoT::OnCalculate),
        MessageMapEnd,
    };
    return map;
}

// The model only stores what is typed; nothing else moves until a "Calculate" is pressed.
// A refused entry has shown its error, and the refresh puts the stored value back.
void CToolGtoT::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

// Clicking a button has already taken the focus from the edit being left, so what was just
// typed there is in the model before the calculation runs.
void CToolGtoT::OnCalculate(int id)
{
    const Calculation* button = FindBinding<Calculation>(CalcButtons, id);
    if (m_model && button)
        (m_model->*(button->run))();
    Refresh();
}

void CToolGtoT::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
}
