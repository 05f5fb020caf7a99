#include "models/KOTBudget.h"

#include "formulas/Propagation.h"
#include "framework/ErrorSink.h"
#include "framework/KorDefaults.h"
#include "models/AtmosphereCoupling.h"
#include "models/KOTFreq.h"
#include "models/KOTGain.h"
#include "models/KOTLink.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"

#include <initializer_list>
#include <tuple>

template <class Model>
const typename CKOTBudget<Model>::Side CKOTBudget<Model>::Tx = {
    &CKOTBudget::m_txPeakGain, &CKOTBudget::m_txRelativeGain, &CKOTBudget::m_txDishSize,
    &CKOTBudget::m_txEfficiency, &CKOTBudget::m_txBeamwidth, &CKOTBudget::m_txOffAxisAngle,
    &CKOTBudget::m_txPattern, " (Transmit)",
};

template <class Model>
const typename CKOTBudget<Model>::Side CKOTBudget<Model>::Rx = {
    &CKOTBudget::m_rxPeakGain, &CKOTBudget::m_rxRelativeGain, &CKOTBudget::m_rxDishSize,
    &CKOTBudget::m_rxEfficiency, &CKOTBudget::m_rxBeamwidth, &CKOTBudget::m_rxOffAxisAngle,
    &CKOTBudget::m_rxPattern, " (Receive)",
};

template <class Model>
CKOTBudget<Model>::CKOTBudget()
    : m_frequency(KorDefaults().m_defaultFrequency)
{
    m_wavelength = WavelengthFromFrequency(m_frequency);
    // Both dishes start on boresight, where the relative gains are the 0 they were given.
    for (const Side* side : {&Tx, &Rx}) {
        this->*side->peakGain = PeakGain(this->*side->dishSize, m_frequency, this->*side->efficiency);
        this->*side->beamwidth = BeamwidthFromGain(this->*side->peakGain, this->*side->efficiency);
    }
}

template <class Model>
CKOTBudget<Model>::~CKOTBudget() = default;

template <class Model>
int CKOTBudget<Model>::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    // The beamwidths and patterns have no step: they are refused as fixed. The beamwidths follow
    // from peak gain and efficiency; a pattern is an integer and set through SetIntVar.
    static constexpr SetStep<Model> budgetSteps[] = {
        {VarFrequency, &CKOTBudget::UpdateFrequency},
        {VarWavelength, &CKOTBudget::UpdateFromWavelength},
        {VarTxPower, nullptr},
        {VarTxPeakGain, &CKOTBudget::UpdateTxPeakGain},
        {VarTxRelativeGain, &CKOTBudget::UpdateTxOffaxis},
        {VarTxDishSize, &CKOTBudget::UpdateTxDish},
        {VarTxEfficiency, &CKOTBudget::UpdateTxDish},
        {VarTxOffAxisAngle, &CKOTBudget::UpdateTxRelativeGain},
        {VarEirp, &CKOTBudget::SolveFromEirp},
        {VarRxPeakGain, &CKOTBudget::UpdateRxPeakGain},
        {VarRxRelativeGain, &CKOTBudget::UpdateRxOffaxis},
        {VarRxDishSize, &CKOTBudget::UpdateRxDish},
        {VarRxEfficiency, &CKOTBudget::UpdateRxDish},
        {VarRxOffAxisAngle, &CKOTBudget::UpdateRxRelativeGain},
    };
    const SetStep<Model>* found = nullptr;
    for (const SetSteps<Model> steps : {SetSteps<Model>(budgetSteps), Model::Steps()})
        for (const SetStep<Model>& row : steps)
            if (row.index == index)
                found = &row;
    const VarRow<Model>* row = this->Row(index);
    if (!found || !row || !row->real) {
        sink.SetError(ErrorVariableFixed);
        return 0;
    }
    if (!this->CheckAndStore(index, value, sink))
        return 0;
    if (found->step)
        (Self().*(found->step))();
    this->Recalculate();
    return 1;
}

template <class Model>
int CKOTBudget<Model>::SetIntVar(int index, const int& value, ErrorSink& sink)
{
    if (!this->CheckAndStoreInt(index, value, sink))
        return 0;
    this->Recalculate();
    return 1;
}

template <class Model>
void CKOTBudget<Model>::UpdateEirp()
{
    m_eirp = m_txPower + m_txPeakGain + m_txRelativeGain;
}

template <class Model>
void CKOTBudget<Model>::UpdateFrequency()
{
    m_wavelength = WavelengthFromFrequency(m_frequency);
    UpdateDish(Tx);
    Self().UpdateLossFromLength();
    UpdateDish(Rx);
}

template <class Model>
void CKOTBudget<Model>::UpdateFromWavelength()
{
    m_frequency = FrequencyFromWavelength(m_wavelength);
    UpdateFrequency();
}

template <class Model>
void CKOTBudget<Model>::UpdatePeakGain(const Side& side)
{
    this->*side.dishSize = DiameterFromGain(this->*side.peakGain, m_frequency, this->*side.efficiency);
    this->*side.beamwidth = BeamwidthFromGain(this->*side.peakGain, this->*side.efficiency);
    UpdateRelativeGain(side);
}

template <class Model>
void CKOTBudget<Model>::UpdateDish(const Side& side)
{
    this->*side.peakGain = PeakGain(this->*side.dishSize, m_frequency, this->*side.efficiency);
    this->*side.beamwidth = BeamwidthFromGain(this->*side.peakGain, this->*side.efficiency);
    UpdateRelativeGain(side);
}

template <class Model>
void CKOTBudget<Model>::UpdateOffaxis(const Side& side)
{
    this->*side.offAxisAngle =
        OffAxisFromRelativeGain(this->*side.peakGain, this->*side.beamwidth, this->*side.relativeGain, this->*side.pattern);
}

template <class Model>
void CKOTBudget<Model>::UpdateRelativeGain(const Side& side)
{
    this->*side.relativeGain =
        RelativeGain(this->*side.peakGain, this->*side.beamwidth, this->*side.offAxisAngle, this->*side.pattern);
}

template <class Model>
void CKOTBudget<Model>::UpdateTxPeakGain()
{
    UpdatePeakGain(Tx);
}

template <class Model>
void CKOTBudget<Model>::UpdateTxDish()
{
    UpdateDish(Tx);
}

template <class Model>
void CKOTBudget<Model>::UpdateTxOffaxis()
{
    UpdateOffaxis(Tx);
}

template <class Model>
void CKOTBudget<Model>::UpdateTxRelativeGain()
{
    UpdateRelativeGain(Tx);
}

template <class Model>
void CKOTBudget<Model>::UpdateRxPeakGain()
{
    UpdatePeakGain(Rx);
}

template <class Model>
void CKOTBudget<Model>::UpdateRxDish()
{
    UpdateDish(Rx);
}

template <class Model>
void CKOTBudget<Model>::UpdateRxOffaxis()
{
    UpdateOffaxis(Rx);
}

template <class Model>
void CKOTBudget<Model>::UpdateRxRelativeGain()
{
    UpdateRelativeGain(Rx);
}

template <class Model>
void CKOTBudget<Model>::SolveFromEirp()
{
    m_txPower = m_eirp - m_txPeakGain - m_txRelativeGain;
}

template <class Model>
void CKOTBudget<Model>::RunFrequencyTool()
{
    CKOTFreq tool;
    tool.m_frequency = m_frequency;
    tool.m_frequencyDisplay = m_frequencyDisplay;
    tool.m_wavelength = m_wavelength;
    tool.m_wavelengthDisplay = m_wavelengthDisplay;
    const auto take = [](const CKOTFreq& t) {
        return std::tuple(t.m_frequency, t.m_frequencyDisplay, t.m_wavelength, t.m_wavelengthDisplay);
    };
    if (RunSubTool(tool, take)) {
        std::tie(m_frequency, m_frequencyDisplay, m_wavelength, m_wavelengthDisplay) = take(tool);
        UpdateFrequency();
    }
    this->Recalculate();
}

template <class Model>
void CKOTBudget<Model>::RunGainTool(const Side& side)
{
    // Over a budget the frequency is the budget's: the tool shows it but cannot change it.
    CKOTGain tool(m_frequency, m_frequencyDisplay, this->*side.efficiency, this->*side.dishSize);
    const auto take = [](const CKOTGain& t) { return std::tuple(t.m_dishSize, t.m_efficiency, t.m_peakGain); };
    if (RunSubTool(tool, take, [&] { return RunAntennaDialog(tool, side.caption); })) {
        std::tie(this->*side.dishSize, this->*side.efficiency, this->*side.peakGain) = take(tool);
        UpdatePeakGain(side);
    }
    this->Recalculate();
}

template <class Model>
void CKOTBudget<Model>::RunOffaxisTool(const Side& side)
{
    // Over a budget the beamwidth is the budget's. The tool also gets this antenna's peak gain,
    // pattern and relative gain as they stand, unchecked, so that it opens on this antenna and
    // not on one it derived for a peak gain and pattern of its own.
    CKOTOff tool(this->*side.offAxisAngle, this->*side.beamwidth);
    tool.m_peakGain = this->*side.peakGain;
    tool.m_pattern = this->*side.pattern;
    tool.m_relativeGain = this->*side.relativeGain;
    const auto take = [](const CKOTOff& t) {
        return std::tuple(t.m_offAxisAngle, t.m_beamwidth, t.m_relativeGain, t.m_pattern);
    };
    // The peak gain is never taken back: the tool cannot change it.
    if (RunSubTool(tool, take, [&] { return RunAntennaDialog(tool, side.caption); })) {
        std::tie(this->*side.offAxisAngle, this->*side.beamwidth, this->*side.relativeGain, this->*side.pattern) =
            take(tool);
        UpdateOffaxis(side);
    }
    this->Recalculate();
}

template <class Model>
void CKOTBudget<Model>::RunTxGainTool()
{
    RunGainTool(Tx);
}

template <class Model>
void CKOTBudget<Model>::RunTxOffaxisTool()
{
    RunOffaxisTool(Tx);
}

template <class Model>
void CKOTBudget<Model>::RunRxGainTool()
{
    RunGainTool(Rx);
}

template <class Model>
void CKOTBudget<Model>::RunRxOffaxisTool()
{
    RunOffaxisTool(Rx);
}

template <class Model>
void CKOTBudget<Model>::RunAtmosphereTool()
{
    CKOTAtmos tool = m_atmosphere;
    ErrorSink outside;
    if (!tool.SetRealVar(CKOTAtmos::VarFrequency, m_frequency, outside)) {
        outside.ShowError();
        return;
    }
    if constexpr (std::is_same_v<Model, CKOTLink>)
        tool.LockToBudget(m_frequency, m_rxDishSize, m_rxEfficiency);
    else
        tool.LockToBudget(m_frequency);
    const CKOTAtmos given = tool;
    if (tool.RunDialog() != 1 || tool.SameEntries(given))
        return;
    m_atmosphere.TakeEntriesFrom(tool);
    Self().m_otherLosses = tool.m_total;
    this->Recalculate();
}

template <class Model>
void CKOTBudget<Model>::RunLookTool()
{
    CKOTLook tool = m_look;
    const CKOTLook given = tool;
    const auto entries = [](const CKOTLook& t) {
        return std::tuple(t.m_latitude, t.m_longitude, t.m_stationHeight, t.m_satelliteLongitude);
    };
    if (tool.RunDialog() != 1 || entries(tool) == entries(given))
        return;
    m_look = tool;
    if (!tool.IsVisible())
        return;
    TakeStation(m_atmosphere, tool);
    Self().m_pathLength = tool.m_range;
    Self().UpdateLossFromLength();
    this->Recalculate();
}

template class CKOTBudget<CKOTLink>;
template class CKOTBudget<CKOTPFD>;
