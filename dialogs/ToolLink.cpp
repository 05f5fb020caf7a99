#include "dialogs/ToolLink.h"

#include "dialogs/Binding.h"
#include "models/KOTLink.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <span>

namespace {

// In refresh order. Only the frequency's unit label follows the model; the other unit labels
// are fixed text.
constexpr EditBinding Edits[] = {
    {IDC_LINK_FREQUENCY, CKOTLink::VarFrequency, IDC_LINK_FREQUENCY_UNIT},
    {IDC_LINK_TX_POWER, CKOTLink::VarTxPower},
    {IDC_LINK_TX_GAIN, CKOTLink::VarTxPeakGain},
    {IDC_LINK_TX_RELATIVE, CKOTLink::VarTxRelativeGain},
    {IDC_LINK_EIRP, CKOTLink::VarEirp},
    {IDC_LINK_PATH_LOSS, CKOTLink::VarPathLoss},
    {IDC_LINK_OTHER_LOSSES, CKOTLink::VarOtherLosses},
    {IDC_LINK_RX_GAIN, CKOTLink::VarRxPeakGain},
    {IDC_LINK_RX_RELATIVE, CKOTLink::VarRxRelativeGain},
    {IDC_LINK_RX_POWER, CKOTLink::VarRxPower},
    {IDC_LINK_NOISE, CKOTLink::VarNoise},
    {IDC_LINK_CN, CKOTLink::VarCn},
};
constexpr auto EditIds = ControlIds(Edits);

// Each "Calculate ..." button opens one tool over the link.
struct SubTool {
    int id;
    void (CKOTLink::*run)();
};
constexpr SubTool SubTools[] = {
    {IDC_LINK_CALC_FREQUENCY, &CKOTLink::RunFrequencyTool},
    {IDC_LINK_CALC_TX_GAIN, &CKOTLink::RunTxGainTool},
    {IDC_LINK_CALC_TX_OFFAXIS, &CKOTLink::RunTxOffaxisTool},
    {IDC_LINK_CALC_PATH, &CKOTLink::RunPathTool},
    {IDC_LINK_CALC_RX_GAIN, &CKOTLink::RunRxGainTool},
    {IDC_LINK_CALC_RX_OFFAXIS, &CKOTLink::RunRxOffaxisTool},
    {IDC_LINK_CALC_NOISE, &CKOTLink::RunNoiseTool},
};
constexpr auto SubToolIds = ControlIds(SubTools);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_LINK>()
{
    return Edits;
}

int CKOTLink::RunDialog()
{
    CToolLink dialog(this, m_wantedSignal);
    return dialog.DoModal() == -1 ? 0 : 1;
}

CToolLink::CToolLink(CKOTLink* model, int wantedSignal)
    : CToolDialog(IDD_TOOL_LINK, *model)
    , m_model(model)
    , m_wantedSignal(wantedSignal)
{
    AddToolMenuItem(IDM_ATMOSPHERIC_LOSSES, IDS_ATMOSPHERIC_LOSSES);
    AddToolMenuItem(IDM_LOOK_ANGLES, IDS_LOOK_ANGLES);
    AddToolMenuItem(IDM_LINK_MARGIN, IDS_LINK_MARGIN);
    BindFunctionKey(3, IDM_ATMOSPHERIC_LOSSES);
    BindFunctionKey(4, IDM_LOOK_ANGLES);
    BindFunctionKey(5, IDM_LINK_MARGIN);
}

CToolLink::~CToolLink() = default;

// Each link-design tool runs above this one, which shows what came back once it has closed.
void CToolLink::OnSysCommand(int command)
{
    void (CKOTLink::*run)() = nullptr;
    switch (command & 0xFFF0) {
    case IDM_ATMOSPHERIC_LOSSES: run = &CKOTLink::RunAtmosphereTool; break;
    case IDM_LOOK_ANGLES: run = &CKOTLink::RunLookTool; break;
    case IDM_LINK_MARGIN: run = &CKOTLink::RunMarginTool; break;
    default: CToolDialog::OnSysCommand(command); return;
    }
    if (m_model)
        (m_model->*run)();
    Refresh();
}

BOOL CToolLink::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_wantedSignal) {
        SetControlText(this, "Interfering signal I:", IDC_LINK_SIGNAL_LABEL);
        SetControlText(this, "I/N:", IDC_LINK_RATIO_LABEL);
    }
    Refresh();
    return TRUE;
}

const MessageMapEntry* CToolLink::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolLink>(EditIds, EN_KILLFOCUS, &CToolLink::OnLeave),
        OnNotifyEach<CToolLink>(SubToolIds, BN_CLICKED, &CToolLink::OnSubTool),
        MessageMapEnd,
    };
    return map;
}

// A refused entry has shown its error, and the refresh puts the stored value back. An edit left
// untouched works nothing again: the budget stays as it was worked.
void CToolLink::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

// The other tool runs above this one, which shows what came back once it has closed.
void CToolLink::OnSubTool(int id)
{
    const SubTool* button = FindBinding<SubTool>(SubTools, id);
    if (m_model && button)
        (m_model->*(button->run))();
    Refresh();
}

void CToolLink::Refresh()
{
    const std::span<const EditBinding> edits(Edits);
    ShowBoundVars(this, m_model, edits.first(1));
    EnableControl(this, IDC_LINK_FREQUENCY_UNIT, 1);
    // Every link variable is editable, so this also enables the three edits the template
    // starts disabled (EIRP, receive power and C/N).
    ShowBoundVars(this, m_model, edits.subspan(1));
}
