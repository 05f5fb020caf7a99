#include "dialogs/ToolCtoNI.h"

#include "dialogs/Binding.h"
#include "models/KOTCtoNI.h"
#include "resources/Resource.h"

#include <span>

namespace {

// The four ratios' edits, applied on leaving them and shown after every change.
constexpr EditBinding Ratios[] = {
    {IDC_CNI_CN, CKOTCtoNI::VarCn},
    {IDC_CNI_IN, CKOTCtoNI::VarIn},
    {IDC_CNI_CI, CKOTCtoNI::VarCi},
    {IDC_CNI_CNI, CKOTCtoNI::VarCni},
};
constexpr auto RatioIds = ControlIds(Ratios);

struct LinkButton {
    int id;
    void (CKOTCtoNI::*run)();
};
constexpr LinkButton LinkButtons[] = {
    {IDC_CNI_CALC_WANTED, &CKOTCtoNI::RunWantedLink},
    {IDC_CNI_CALC_INTERFERING, &CKOTCtoNI::RunInterferingLink},
};
constexpr auto LinkButtonIds = ControlIds(LinkButtons);

struct FixedRadio {
    int id;
    int choice;
};
constexpr FixedRadio FixedRadios[] = {
    {IDC_CNI_FIX_CN, CKOTCtoNI::FixedCn},
    {IDC_CNI_FIX_IN, CKOTCtoNI::FixedIn},
};
constexpr auto FixedRadioIds = ControlIds(FixedRadios);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_CTONI>()
{
    return Ratios;
}

int CKOTCtoNI::RunDialog()
{
    return RunToolDialog<CToolCtoNI>(this);
}

CToolCtoNI::CToolCtoNI(CKOTCtoNI* model) : CToolDialog(IDD_TOOL_CTONI, *model), m_model(model)
{
}

CToolCtoNI::~CToolCtoNI() = default;

const MessageMapEntry* CToolCtoNI::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolCtoNI>(RatioIds, EN_KILLFOCUS, &CToolCtoNI::OnLeave),
        OnNotifyEach<CToolCtoNI>(LinkButtonIds, BN_CLICKED, &CToolCtoNI::OnLink),
        OnNotifyEach<CToolCtoNI>(FixedRadioIds, BN_CLICKED, &CToolCtoNI::OnFixed),
        MessageMapEnd,
    };
    return map;
}

// The model derives the other ratios as it takes an entry. A refused entry leaves all four as
// they were, to the last bit: deriving them again from the kept values would move them by the
// rounding of the trip through decibels. The refresh puts the kept value back in its edit.
void CToolCtoNI::OnLeave(int id)
{
    if (!m_model)
        return;
    ApplyBoundEdit(this, m_model, Ratios, id);
    Refresh();
}

void CToolCtoNI::OnLink(int id)
{
    const LinkButton* button = FindBinding<LinkButton>(LinkButtons, id);
    if (!m_model || !button)
        return;
    (m_model->*(button->run))();
    Refresh();
}

// Only records the choice: it takes effect with the next entry of C/I or C/(N+I).
void CToolCtoNI::OnFixed(int id)
{
    const FixedRadio* radio = FindBinding<FixedRadio>(FixedRadios, id);
    if (m_model && radio)
        m_model->m_fixedVar = radio->choice;
}

void CToolCtoNI::Refresh()
{
    ShowBoundVars(this, m_model, Ratios);
    for (const FixedRadio& radio : FixedRadios)
        SetCheck(this, m_model && m_model->m_fixedVar == radio.choice, radio.id);
}
