#include "dialogs/ToolFoV2.h"

#include "dialogs/Binding.h"
#include "models/KOTFOV2.h"
#include "resources/Resource.h"

#include <span>

namespace {

// In refresh order; the edits sit in the dialog with the angle above the distance.
constexpr EditBinding Edits[] = {
    {IDC_FOV2_HEIGHT, CKOTFOV2::VarHeight, IDC_FOV2_HEIGHT_UNIT},
    {IDC_FOV2_ELEVATION, CKOTFOV2::VarElevation, IDC_FOV2_ELEVATION_UNIT},
    {IDC_FOV2_DISTANCE, CKOTFOV2::VarDistance, IDC_FOV2_DISTANCE_UNIT},
    {IDC_FOV2_NADIR, CKOTFOV2::VarNadirAngle, IDC_FOV2_NADIR_UNIT},
};
constexpr auto EditIds = ControlIds(Edits);

// A "Fixed:" radio button and the variable it holds fixed.
struct FixedBinding {
    int id;
    int var;
};
constexpr FixedBinding FixedRadios[] = {
    {IDC_FOV2_FIX_HEIGHT, CKOTFOV2::VarHeight},
    {IDC_FOV2_FIX_ELEVATION, CKOTFOV2::VarElevation},
    {IDC_FOV2_FIX_NADIR, CKOTFOV2::VarNadirAngle},
    {IDC_FOV2_FIX_DISTANCE, CKOTFOV2::VarDistance},
};
constexpr auto FixedRadioIds = ControlIds(FixedRadios);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_FOV2>()
{
    return Edits;
}

int CKOTFOV2::RunDialog()
{
    return RunToolDialog<CToolFoV2>(this);
}

CToolFoV2::CToolFoV2(CKOTFOV2* model) : CToolDialog(IDD_TOOL_FOV2, *model), m_model(model)
{
}

CToolFoV2::~CToolFoV2() = default;

const MessageMapEntry* CToolFoV2::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolFoV2>(EditIds, EN_KILLFOCUS, &CToolFoV2::OnLeave),
        OnNotifyEach<CToolFoV2>(FixedRadioIds, BN_CLICKED, &CToolFoV2::OnFixed),
        MessageMapEnd,
    };
    return map;
}

// The radio buttons are set once here and then left to the user: only a click moves the fixed
// variable, so no refresh needs to touch them.
BOOL CToolFoV2::OnInitDialog()
{
    CToolDialog::OnInitDialog();
    for (const FixedBinding& radio : FixedRadios)
        SetCheck(this, m_model && m_model->m_fixedVar == radio.var, radio.id);
    return TRUE;
}

// The edited variable is recorded before the entry is tried, so it is the one solved with the
// fixed variable. A refused entry is not refreshed over: the user's text stays in the box for
// correction. Passing through an edit without typing does not make it the edited variable,
// which the saved state keeps.
void CToolFoV2::OnLeave(int id)
{
    const EditBinding* edit = FindBinding<EditBinding>(Edits, id);
    if (!m_model || !edit || !IsItemModified(id))
        return;
    m_model->SetCalcVar(edit->var);
    if (SetVarFromEdit(this, m_model, edit->var, edit->id))
        Refresh();
}

// The choice takes effect with the next entry; nothing is solved again until then.
void CToolFoV2::OnFixed(int id)
{
    const FixedBinding* radio = FindBinding<FixedBinding>(FixedRadios, id);
    if (m_model && radio)
        m_model->m_fixedVar = radio->var;
    Refresh();
}

void CToolFoV2::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
}
