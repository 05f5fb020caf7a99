#include "dialogs/ToolPFD.h"

#include "dialogs/Binding.h"
#include "models/KOTPFD.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <span>

namespace {

// In refresh order. Only the frequency's unit label follows the model: the PFD's own unit is
// not the "per square metre in the reference bandwidth" the template's label says.
constexpr EditBinding Edits[] = {
    {IDC_PFD_FREQUENCY, CKOTPFD::VarFrequency, IDC_PFD_FREQUENCY_UNIT},
    {IDC_PFD_TX_POWER, CKOTPFD::VarTxPower},
    {IDC_PFD_TX_GAIN, CKOTPFD::VarTxPeakGain},
    {IDC_PFD_TX_RELATIVE, CKOTPFD::VarTxRelativeGain},
    {IDC_PFD_EIRP, CKOTPFD::VarEirp},
    {IDC_PFD_SPREADING, CKOTPFD::VarSpreading},
    {IDC_PFD_OTHER_LOSSES, CKOTPFD::VarOtherLosses},
    {IDC_PFD_RX_GAIN, CKOTPFD::VarRxPeakGain},
    {IDC_PFD_RX_RELATIVE, CKOTPFD::VarRxRelativeGain},
    {IDC_PFD_PFD, CKOTPFD::VarPfd},
};
constexpr auto EditIds = ControlIds(Edits);

// Each "Calculate ..." button opens one tool over the PFD model.
struct SubTool {
    int id;
    void (CKOTPFD::*run)();
};
constexpr SubTool SubTools[] = {
    {IDC_PFD_CALC_FREQUENCY, &CKOTPFD::RunFrequencyTool},
    {IDC_PFD_CALC_TX_GAIN, &CKOTPFD::RunTxGainTool},
    {IDC_PFD_CALC_TX_OFFAXIS, &CKOTPFD::RunTxOffaxisTool},
    {IDC_PFD_CALC_SPREAD, &CKOTPFD::RunSpreadTool},
    {IDC_PFD_CALC_RX_GAIN, &CKOTPFD::RunRxGainTool},
    {IDC_PFD_CALC_RX_OFFAXIS, &CKOTPFD::RunRxOffaxisTool},
};
constexpr auto SubToolIds = ControlIds(SubTools);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_PFD>()
{
    return Edits;
}

int CKOTPFD::RunDialog()
{
    return RunToolDialog<CToolPFD>(this);
}

CToolPFD::CToolPFD(CKOTPFD* model) : CToolDialog(IDD_TOOL_PFD, *model), m_model(model)
{
    AddToolMenuItem(IDM_ATMOSPHERIC_LOSSES, IDS_ATMOSPHERIC_LOSSES);
    AddToolMenuItem(IDM_LOOK_ANGLES, IDS_LOOK_ANGLES);
    BindFunctionKey(3, IDM_ATMOSPHERIC_LOSSES);
    BindFunctionKey(4, IDM_LOOK_ANGLES);
}

CToolPFD::~CToolPFD() = default;

// Each link-design tool runs above this one, which shows what came back once it has closed.
void CToolPFD::OnSysCommand(int command)
{
    void (CKOTPFD::*run)() = nullptr;
    switch (command & 0xFFF0) {
    case IDM_ATMOSPHERIC_LOSSES: run = &CKOTPFD::RunAtmosphereTool; break;
    case IDM_LOOK_ANGLES: run = &CKOTPFD::RunLookTool; break;
    default: CToolDialog::OnSysCommand(command); return;
    }
    if (m_model)
        (m_model->*run)();
    Refresh();
}

const MessageMapEntry* CToolPFD::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotify<CToolPFD>(IDC_PFD_INCLUDE_RX_GAIN, BN_CLICKED, &CToolPFD::OnIncludeReceiveGain),
        OnNotifyEach<CToolPFD>(SubToolIds, BN_CLICKED, &CToolPFD::OnSubTool),
        OnNotifyEach<CToolPFD>(EditIds, EN_KILLFOCUS, &CToolPFD::OnLeave),
        MessageMapEnd,
    };
    return map;
}

void CToolPFD::OnIncludeReceiveGain()
{
    if (m_model)
        m_model->SetIncludeReceiveGain(IsChecked(this, IDC_PFD_INCLUDE_RX_GAIN));
    Refresh();
}

// A refused entry has shown its error, and the refresh puts the stored value back. An edit left
// untouched works nothing again.
void CToolPFD::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

// The other tool runs above this one, which shows what came back once it has closed.
void CToolPFD::OnSubTool(int id)
{
    const SubTool* button = FindBinding<SubTool>(SubTools, id);
    if (m_model && button)
        (m_model->*(button->run))();
    Refresh();
}

void CToolPFD::Refresh()
{
    const std::span<const EditBinding> edits(Edits);
    ShowBoundVars(this, m_model, edits.first(1));
    EnableControl(this, IDC_PFD_FREQUENCY_UNIT, 1);
    // Every PFD variable is editable, so this also enables the two edits the template starts
    // disabled (EIRP and PFD).
    ShowBoundVars(this, m_model, edits.subspan(1));
    if (!m_model)
        return;
    const int flag = m_model->m_includeReceiveGain;
    SetControlText(this, flag ? "Received EPFD:" : "Received PFD:", IDC_PFD_PFD_LABEL);
    SetCheck(this, flag, IDC_PFD_INCLUDE_RX_GAIN);
    // The receive peak gain never enters the PFD: shown, never edited. The receive antenna's
    // relative gain counts only for the EPFD, so it and its tools work only then.
    EnableControl(this, IDC_PFD_RX_GAIN, 0);
    EnableControl(this, IDC_PFD_RX_RELATIVE, flag);
    EnableControl(this, IDC_PFD_CALC_RX_OFFAXIS, flag);
    EnableControl(this, IDC_PFD_CALC_RX_GAIN, flag);
}
