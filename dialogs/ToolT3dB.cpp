#include "dialogs/ToolT3dB.h"

#include "dialogs/Binding.h"
#include "models/KOTT3dB.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_T3DB_EFFICIENCY, CKOTT3dB::VarEfficiency},
    {IDC_T3DB_GAIN, CKOTT3dB::VarPeakGain},
    {IDC_T3DB_BEAMWIDTH, CKOTT3dB::VarBeamwidth},
};
constexpr auto EditIds = ControlIds(Shown);

constexpr EditBinding Applied[] = {
    {IDC_T3DB_EFFICIENCY, CKOTT3dB::VarEfficiency},
    {IDC_T3DB_GAIN, CKOTT3dB::VarPeakGain},
    {IDC_T3DB_BEAMWIDTH, CKOTT3dB::VarBeamwidth},
};

constexpr CalcBinding CalcButtons[] = {
    {IDC_T3DB_CALC_GAIN, CKOTT3dB::VarPeakGain},
    {IDC_T3DB_CALC_EFFICIENCY, CKOTT3dB::VarEfficiency},
    {IDC_T3DB_CALC_BEAMWIDTH, CKOTT3dB::VarBeamwidth},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_T3DB>()
{
    return Shown;
}

int CKOTT3dB::RunDialog()
{
    return RunToolDialog<CToolT3dB>(this);
}

CToolT3dB::CToolT3dB(CKOTT3dB* model) : CToolDialog(IDD_TOOL_T3DB, *model), m_model(model)
{
}

CToolT3dB::~CToolT3dB() = default;

const MessageMapEntry* CToolT3dB::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolT3dB>(CalcButtonIds, BN_CLICKED, &CToolT3dB::OnCalculate),
        OnNotifyEach<CToolT3dB>(EditIds, EN_KILLFOCUS, &CToolT3dB::OnLeave),
        MessageMapEnd,
    };
    return map;
}

// A refused entry stops without a refresh, so the user's texts stay in place for correction.
void CToolT3dB::OnCalculate(int id)
{
    if (CalculateFromButton(this, m_model, CalcButtons, id, Applied))
        Refresh();
}

// The edits hold a handler that keeps leaving them harmless: the three quantities depend on
// each other, so one typed value alone would move another behind the user's back. Entries go in
// together, by a "Calculate" button, and closing the dialog applies nothing.
void CToolT3dB::OnLeave(int)
{
}

void CToolT3dB::Refresh()
{
    // The beamwidth is shown in degrees, its display unit.
    ShowBoundVars(this, m_model, Shown);
}
