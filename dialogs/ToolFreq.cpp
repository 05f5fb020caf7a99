#include "dialogs/ToolFreq.h"

#include "dialogs/Binding.h"
#include "framework/Units.h"
#include "models/KOTFreq.h"
#include "resources/Resource.h"

#include <span>

namespace {

constexpr EditBinding Shown[] = {
    {IDC_FREQ_FREQUENCY, CKOTFreq::VarFrequency},
    {IDC_FREQ_WAVELENGTH, CKOTFreq::VarWavelength},
};

constexpr UnitRadioBinding UnitRadios[] = {
    {IDC_FREQ_GHZ, CKOTFreq::VarFrequency, UnitGHz},
    {IDC_FREQ_MHZ, CKOTFreq::VarFrequency, UnitMHz},
    {IDC_FREQ_KHZ, CKOTFreq::VarFrequency, UnitKHz},
    {IDC_FREQ_HZ, CKOTFreq::VarFrequency, UnitHz},
    {IDC_FREQ_KM, CKOTFreq::VarWavelength, UnitKm},
    {IDC_FREQ_M, CKOTFreq::VarWavelength, UnitM},
    {IDC_FREQ_CM, CKOTFreq::VarWavelength, UnitCm},
    {IDC_FREQ_MM, CKOTFreq::VarWavelength, UnitMm},
};
constexpr auto UnitRadioIds = ControlIds(UnitRadios);

constexpr ApplyBinding Arrows[] = {
    {IDC_FREQ_TO_WAVELENGTH, CKOTFreq::VarFrequency, IDC_FREQ_FREQUENCY},
    {IDC_FREQ_TO_FREQUENCY, CKOTFreq::VarWavelength, IDC_FREQ_WAVELENGTH},
};
constexpr auto ArrowIds = ControlIds(Arrows);

} // namespace

template <>
std::span<const EditBinding> VarControls<IDD_TOOL_FREQ>()
{
    return Shown;
}

int CKOTFreq::RunDialog()
{
    return RunToolDialog<CToolFreq>(this);
}

CToolFreq::CToolFreq(CKOTFreq* model) : CToolDialog(IDD_TOOL_FREQ, *model), m_model(model)
{
}

CToolFreq::~CToolFreq() = default;

const MessageMapEntry* CToolFreq::GetMessageMap() const
{
    static const MessageMapEntry map[] = {
        OnNotifyEach<CToolFreq>(ArrowIds, BN_CLICKED, &CToolFreq::OnArrow),
        OnNotifyEach<CToolFreq>(UnitRadioIds, BN_CLICKED, &CToolFreq::OnUnit),
        MessageMapEnd,
    };
    return map;
}

void CToolFreq::OnArrow(int id)
{
    ApplyFromButton(this, m_model, Arrows, id);
    Refresh();
}

// A unit button only changes how the quantity is shown; the refresh then writes the model's
// own value in the new unit over whatever was typed and not yet applied.
void CToolFreq::OnUnit(int id)
{
    ApplyUnitRadio(this, m_model, UnitRadios, id);
    Refresh();
}

void CToolFreq::Refresh()
{
    ShowBoundVars(this, m_model, Shown, UnitRadios);
}
