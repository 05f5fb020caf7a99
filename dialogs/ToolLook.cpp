#include "dialogs/ToolLook.h"

#include "dialogs/Binding.h"
#include "models/KOTLook.h"
#include "resources/Resource.h"

#include <span>

namespace {

using L = CKOTLook;

constexpr EditBinding Edits[] = {
    {IDC_LOOK_LATITUDE, L::VarLatitude},
    {IDC_LOOK_LONGITUDE, L::VarLongitude},
    {IDC_LOOK_STATION_HEIGHT, L::VarStationHeight},
    {IDC_LOOK_SATELLITE, L::VarSatelliteLongitude},
    {IDC_LOOK_AZIMUTH, L::VarAzimuth},
    {IDC_LOOK_ELEVATION, L::VarElevation},
    {IDC_LOOK_RANGE, L::VarRange},
    {IDC_LOOK_SKEW, L::VarSkew},
};
constexpr auto EditIds = ControlIds(Edits);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_LOOK>()
{
    return Edits;
}

int CKOTLook::RunDialog()
{
    return RunToolDialog<CToolLook>(this);
}

CToolLook::CToolLook(CKOTLook* model) : CToolDialog(IDD_TOOL_LOOK, *model), m_model(model)
{
}

CToolLook::~CToolLook() = default;

const MessageMapEntry* CToolLook::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolLook>(EditIds, EN_KILLFOCUS, &CToolLook::OnLeave),
        MessageMapEnd,
    };
    return map;
}

// An edit left untouched applies nothing, so tabbing through moves no value.
void CToolLook::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

void CToolLook::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
    ShowItem(IDC_LOOK_BELOW_HORIZON, m_model && !m_model->IsVisible());
}
