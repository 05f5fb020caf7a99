#include "dialogs/ToolAtmos.h"

#include "dialogs/Binding.h"
#include "dialogs/ChartWindow.h"
#include "models/AtmosphereChart.h"
#include "models/KOTAtmos.h"
#include "resources/Resource.h"
#include "resources/Strings.h"

#include <span>

namespace {

using A = CKOTAtmos;

// Entries first, in the window's tab order, then the results.
constexpr EditBinding Edits[] = {
    {IDC_ATMOS_FREQUENCY, A::VarFrequency},
    {IDC_ATMOS_ELEVATION, A::VarElevation},
    {IDC_ATMOS_LATITUDE, A::VarLatitude},
    {IDC_ATMOS_STATION_HEIGHT, A::VarStationHeight},
    {IDC_ATMOS_TILT, A::VarTilt},
    {IDC_ATMOS_PERCENTAGE, A::VarPercentage},
    {IDC_ATMOS_DIAMETER, A::VarDiameter},
    {IDC_ATMOS_EFFICIENCY, A::VarEfficiency},
    {IDC_ATMOS_RAIN_RATE, A::VarRainRate},
    {IDC_ATMOS_RAIN_HEIGHT, A::VarRainHeight},
    {IDC_ATMOS_PRESSURE, A::VarPressure},
    {IDC_ATMOS_TEMPERATURE, A::VarTemperature},
    {IDC_ATMOS_VAPOUR_DENSITY, A::VarVapourDensity},
    {IDC_ATMOS_VAPOUR_CONTENT, A::VarVapourContent},
    {IDC_ATMOS_LIQUID_WATER, A::VarLiquidWater},
    {IDC_ATMOS_NWET, A::VarNwet},
    {IDC_ATMOS_RAIN_SPECIFIC, A::VarRainSpecific},
    {IDC_ATMOS_RAIN, A::VarRain},
    {IDC_ATMOS_GAS, A::VarGas},
    {IDC_ATMOS_CLOUD, A::VarCloud},
    {IDC_ATMOS_SCINTILLATION, A::VarScintillation},
    {IDC_ATMOS_TOTAL, A::VarTotalAttenuation},
    {IDC_ATMOS_AVAILABILITY, A::VarAvailability},
    {IDC_ATMOS_SKY_TEMPERATURE, A::VarSkyTemperature},
};
constexpr auto EditIds = ControlIds(Edits);

// Every variable the window shows: the edits and the zone's list.
constexpr EditBinding Lists[] = {{IDC_ATMOS_RAIN_ZONE, A::VarRainZone}};
constexpr auto Named = JoinBindings(Edits, Lists);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_ATMOS>()
{
    return Named;
}

int CKOTAtmos::RunDialog()
{
    return RunToolDialog<CToolAtmos>(this);
}

CToolAtmos::CToolAtmos(CKOTAtmos* model) : CToolDialog(IDD_TOOL_ATMOS, *model), m_model(model)
{
    AddToolMenuItem(IDM_PLOT_ATTENUATION, IDS_PLOT_ATTENUATION);
    BindFunctionKey(2, IDM_PLOT_ATTENUATION);
}

CToolAtmos::~CToolAtmos() = default;

const MessageMapEntry* CToolAtmos::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolAtmos>(EditIds, EN_KILLFOCUS, &CToolAtmos::OnLeave),
        OnNotify<CToolAtmos>(IDC_ATMOS_RAIN_ZONE, CBN_SELCHANGE, &CToolAtmos::OnRainZone),
        MessageMapEnd,
    };
    return map;
}

void CToolAtmos::OnSysCommand(int command)
{
    if ((command & 0xFFF0) == IDM_PLOT_ATTENUATION)
        ShowToolChart(AtmosphereChart(*m_model));
    else
        CToolDialog::OnSysCommand(command);
}

// An edit left untouched applies nothing, so tabbing through the window moves no value; a
// refused entry has shown its error, and the refresh puts the stored value back.
void CToolAtmos::OnLeave(int id)
{
    if (!IsItemModified(id))
        return;
    ApplyBoundEdit(this, m_model, Edits, id);
    Refresh();
}

// A zone fills its rain rate in at once.
void CToolAtmos::OnRainZone()
{
    SetEnumFromCombo(this, m_model, A::VarRainZone, IDC_ATMOS_RAIN_ZONE);
    Refresh();
}

void CToolAtmos::Refresh()
{
    ShowBoundVars(this, m_model, Edits);
    FillEnumCombo(this, m_model, A::VarRainZone, IDC_ATMOS_RAIN_ZONE);
}
