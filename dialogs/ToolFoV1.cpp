#include "dialogs/ToolFoV1.h"

#include "dialogs/Binding.h"
#include "models/KOTFOV1.h"
#include "resources/Resource.h"

#include <span>

namespace {

// The unit labels come from the model: the template's texts are placeholders, and the period's
// reads "min", not the template's "km".
constexpr EditBinding Edits[] = {
    {IDC_FOV1_HEIGHT, CKOTFOV1::VarHeight, IDC_FOV1_HEIGHT_UNIT},
    {IDC_FOV1_RADIUS, CKOTFOV1::VarSemiMajorAxis, IDC_FOV1_RADIUS_UNIT},
    {IDC_FOV1_PERIOD, CKOTFOV1::VarPeriod, IDC_FOV1_PERIOD_UNIT},
};
constexpr auto EditIds = ControlIds(Edits);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_FOV1>()
{
    return Edits;
}

int CKOTFOV1::RunDialog()
{
    return RunToolDialog<CToolFoV1>(this);
}

CToolFoV1::CToolFoV1(CKOTFOV1* model) : CToolDialog(IDD_TOOL_FOV1, *model), m_model(model)
{
}

CToolFoV1::~CToolFoV1() = default;

const MessageMapEntry* CToolFoV1::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolFoV1>(EditIds, EN_KILLFOCUS, &CToolFoV1::OnLeave),
        MessageMapEnd,
    };
    return map;
}

// Each accepted entry has moved the other two quantities; a refused one has shown its error,
// and the refresh puts the stored value back. An edit left untouched changes nothing.
void CToolFoV1::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

void CToolFoV1::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
}
