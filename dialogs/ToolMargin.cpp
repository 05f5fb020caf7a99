#include "dialogs/ToolMargin.h"

#include "dialogs/Binding.h"
#include "dialogs/ChartWindow.h"
#include "models/KOTMargin.h"
#include "models/MarginChart.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <span>

namespace {

using M = CKOTMargin;

constexpr EditBinding Edits[] = {
    {IDC_MARGIN_CN, M::VarCarrierToNoise},
    {IDC_MARGIN_BANDWIDTH, M::VarNoiseBandwidth},
    {IDC_MARGIN_SYMBOL_RATE, M::VarSymbolRate},
    {IDC_MARGIN_ROLL_OFF, M::VarRollOff},
    {IDC_MARGIN_IMPLEMENTATION, M::VarImplementationMargin},
    {IDC_MARGIN_CN0, M::VarCarrierToNoiseDensity},
    {IDC_MARGIN_ESN0, M::VarEsN0},
    {IDC_MARGIN_EBN0, M::VarEbN0},
    {IDC_MARGIN_REQUIRED, M::VarRequiredEsN0},
    {IDC_MARGIN_MARGIN, M::VarMargin},
    {IDC_MARGIN_BIT_RATE, M::VarBitRate},
    {IDC_MARGIN_OCCUPIED, M::VarOccupiedBandwidth},
};
constexpr auto EditIds = ControlIds(Edits);

// Every variable the window shows: the edits, the MODCOD's list and the best MODCOD's text.
constexpr EditBinding Others[] = {{IDC_MARGIN_MODCOD, M::VarModcod}, {IDC_MARGIN_BEST, M::VarBestModcod}};
constexpr auto Named = JoinBindings(Edits, Others);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_MARGIN>()
{
    return Named;
}

int CKOTMargin::RunDialog()
{
    return RunToolDialog<CToolMargin>(this);
}

CToolMargin::CToolMargin(CKOTMargin* model) : CToolDialog(IDD_TOOL_MARGIN, *model), m_model(model)
{
    AddToolMenuItem(IDM_PLOT_MARGIN, IDS_PLOT_MARGIN);
    BindFunctionKey(2, IDM_PLOT_MARGIN);
}

CToolMargin::~CToolMargin() = default;

const MessageMapEntry* CToolMargin::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolMargin>(EditIds, EN_KILLFOCUS, &CToolMargin::OnLeave),
        OnNotify<CToolMargin>(IDC_MARGIN_MODCOD, CBN_SELCHANGE, &CToolMargin::OnModcod),
        MessageMapEnd,
    };
    return map;
}

void CToolMargin::OnSysCommand(int command)
{
    if ((command & 0xFFF0) == IDM_PLOT_MARGIN)
        ShowToolChart(MarginChart(*m_model));
    else
        CToolDialog::OnSysCommand(command);
}

// An edit left untouched applies nothing, so tabbing through moves no value.
void CToolMargin::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

void CToolMargin::OnModcod()
{
    SetEnumFromCombo(this, m_model, M::VarModcod, IDC_MARGIN_MODCOD);
    Refresh();
}

void CToolMargin::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
    FillEnumCombo(this, m_model, M::VarModcod, IDC_MARGIN_MODCOD);
    if (m_model)
        SetControlText(this, m_model->BestModcodText(), IDC_MARGIN_BEST);
}
