#include "dialogs/ToolOffaxis.h"

#include "dialogs/AntennaTool.h"
#include "dialogs/Binding.h"
#include "dialogs/ChartWindow.h"
#include "models/KOTBudget.h"
#include "models/KOTOff.h"
#include "models/PatternChart.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_OFF_ANGLE, CKOTOff::VarOffAxisAngle},
    {IDC_OFF_RELATIVE, CKOTOff::VarRelativeGain},
    {IDC_OFF_GAIN, CKOTOff::VarPeakGain},
    {IDC_OFF_BEAMWIDTH, CKOTOff::VarBeamwidth},
};

// The peak gain is not among them: it comes from the other antenna tools or from the link.
constexpr EditBinding Applied[] = {
    {IDC_OFF_BEAMWIDTH, CKOTOff::VarBeamwidth},
    {IDC_OFF_ANGLE, CKOTOff::VarOffAxisAngle},
    {IDC_OFF_RELATIVE, CKOTOff::VarRelativeGain},
};
constexpr auto AppliedIds = ControlIds(Applied);

constexpr CalcBinding CalcButtons[] = {
    {IDC_OFF_CALC_BEAMWIDTH, CKOTOff::VarBeamwidth},
    {IDC_OFF_CALC_ANGLE, CKOTOff::VarOffAxisAngle},
    {IDC_OFF_CALC_RELATIVE, CKOTOff::VarRelativeGain},
};
constexpr auto CalcButtonIds = ControlIds(CalcButtons);

// Every variable the window shows: the edits and the pattern's list.
constexpr EditBinding Lists[] = {{IDC_OFF_PATTERN, CKOTOff::VarPattern}};
constexpr auto Named = JoinBindings(Shown, Lists);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_OFFAXIS>()
{
    return Named;
}

int CKOTOff::RunDialog()
{
    return RunToolDialog<CToolOffaxis>(this);
}

int RunAntennaDialog(CKOTOff& tool, const char* antenna)
{
    return RunAntennaToolDialog<CToolOffaxis>(&tool, antenna);
}

CToolOffaxis::CToolOffaxis(CKOTOff* model) : CToolDialog(IDD_TOOL_OFFAXIS, *model), m_model(model)
{
    AddToolMenuItem(IDM_PLOT_PATTERN, IDS_PLOT_PATTERN);
    // For keyboard users, who would otherwise need the menu key and the arrows each time.
    BindFunctionKey(2, IDM_PLOT_PATTERN);
}

CToolOffaxis::~CToolOffaxis() = default;

const MessageMapEntry* CToolOffaxis::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolOffaxis>(CalcButtonIds, BN_CLICKED, &CToolOffaxis::OnCalculate),
        OnNotify<CToolOffaxis>(IDC_OFF_PATTERN, CBN_SELCHANGE, &CToolOffaxis::OnPattern),
        OnNotifyEach<CToolOffaxis>(AppliedIds, EN_KILLFOCUS, &CToolOffaxis::OnLeave),
        MessageMapEnd,
    };
    return map;
}

void CToolOffaxis::OnSysCommand(int command)
{
    if ((command & 0xFFF0) == IDM_PLOT_PATTERN)
        PlotPattern();
    else
        CToolDialog::OnSysCommand(command);
}

// The chart shows the model's values, as the edits do after the last accepted entry; it is only
// looked at, so nothing in the model changes however the window is closed.
void CToolOffaxis::PlotPattern()
{
    ShowToolChart(PatternChart(*m_model));
}

int CToolOffaxis::LockedVar() const
{
    return m_model && !m_model->IsStandAlone() ? CKOTOff::VarBeamwidth : -1;
}

// A refused entry stops without a refresh, so the user's texts stay in place for correction.
void CToolOffaxis::OnCalculate(int id)
{
    if (CalculateFromButton(this, m_model, CalcButtons, id, Applied, {}, LockedVar()))
        Refresh();
}

// The model recalculates its calculated variable under the new pattern at once.
void CToolOffaxis::OnPattern()
{
    SetEnumFromCombo(this, m_model, CKOTOff::VarPattern, IDC_OFF_PATTERN);
    Refresh();
}

// As in the beamwidth tool: leaving an edit applies nothing, and neither does closing the
// dialog; entries go in together, by a "Calculate" button.
void CToolOffaxis::OnLeave(int)
{
}

void CToolOffaxis::Refresh()
{
    ShowBoundVars(this, m_model, Shown);
    FillEnumCombo(this, m_model, CKOTOff::VarPattern, IDC_OFF_PATTERN);
    // Shown, never typed into: the peak gain is an input from outside this tool.
    DisableControl(this, IDC_OFF_GAIN);
    // Over a link the beamwidth is the link's: an edit left open to typing would take text that
    // every button then silently discards, and its own button would do nothing.
    if (LockedVar() != -1) {
        DisableControl(this, IDC_OFF_BEAMWIDTH);
        DisableControl(this, IDC_OFF_CALC_BEAMWIDTH);
    }
}
