// What the link budget and the PFD tool have in common: a frequency, a transmit and a receive
// dish with the transmitter's EIRP, their variables' indices and rows, the steps that keep those
// consistent, and the frequency and antenna tools that both open over their own values.
//
// A budget has no calculated variable. Each write stores the value, runs the one step that
// brings what follows from it into line, and recalculates the chain from the transmit power on;
// when the user enters a quantity at the far end of the chain, the transmit power gives way.
//
// A model adds what lies between the two dishes and what comes out at the far end: its path
// variables, numbered from FirstPathVar, and its results, from FirstResultVar. It declares
// `static VarRows<Model> Vars();`, its own rows spliced into the budget's by BudgetRows, and
// `static SetSteps<Model> Steps();`, the steps of its own variables.
#pragma once

#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "framework/Units.h"
#include "framework/VarTable.h"
#include "models/KOTAtmos.h"
#include "models/KOTLook.h"

#include <algorithm>
#include <cstddef>
#include <span>

// The limits of the powers, losses and ratios that only ever enter sums (transmit power, EIRP,
// other losses, receive power, C/N, PFD). No real budget comes near them, yet they keep every
// sum finite: each chain adds or subtracts a handful of such terms and a few hundred dB more, so
// nothing it gives comes near the largest double (1.8e308), where 1e308 of transmit power
// against -1e308 of other losses would have made the receive power infinite.
inline constexpr double SumTermLimit = 1e300;

template <class Model>
constexpr VarRow<Model> SumTermVar(const char* name, int unit, double Model::*member)
{
    return RealVar<Model>(name, unit, -SumTermLimit, SumTermLimit, member);
}

class CKOTGain;
class CKOTOff;

// The gain and off-axis tools opened over one of a budget's antennas, whose captions end in
// `antenna` (" (Transmit)" or " (Receive)"): the same tool serves both, and only the caption
// tells the user which antenna is in hand. Defined with the tools' dialogs, as a model's
// RunDialog is; 1 when the dialog ran.
int RunAntennaDialog(CKOTGain& tool, const char* antenna);
int RunAntennaDialog(CKOTOff& tool, const char* antenna);

// What a budget does after storing a value it was given: one of its steps, or nothing more
// than the recalculation every write ends in. A variable without a row is refused as fixed.
template <class Model>
struct SetStep {
    int index;
    void (Model::*step)();
};

template <class Model>
using SetSteps = std::span<const SetStep<Model>>;

// Rows put together from runs of rows, held as an array so that CoversEveryVar can count them.
template <class Row, std::size_t N>
struct SplicedRows {
    Row rows[N];
};

// The runs one after another, in the order given.
template <class Row, std::size_t... N>
constexpr SplicedRows<Row, (N + ...)> Splice(const Row (&... runs)[N])
{
    SplicedRows<Row, (N + ...)> spliced{};
    Row* next = spliced.rows;
    ((next = std::copy(runs, runs + N, next)), ...);
    return spliced;
}

template <class Model>
class CKOTBudget : public CKorTableObj<Model> {
public:
    // How many path variables a model has: the length of the path, the loss over it and the
    // other losses.
    static constexpr int PathVarCount = 3;

    // The indices of the variables every budget has; the model numbers its own in the two gaps.
    enum : int {
        VarFrequency = CKorTableObj<Model>::FirstVar,
        VarWavelength,
        VarTxPower,
        VarTxPeakGain,
        VarTxRelativeGain,
        VarTxDishSize,
        VarTxEfficiency,
        VarTxBeamwidth,
        VarTxOffAxisAngle,
        VarTxPattern,
        VarEirp,
        FirstPathVar,
        VarRxPeakGain = FirstPathVar + PathVarCount,
        VarRxRelativeGain,
        VarRxDishSize,
        VarRxEfficiency,
        VarRxBeamwidth,
        VarRxOffAxisAngle,
        VarRxPattern,
        FirstResultVar
    };

    ~CKOTBudget() override;

    // Refuses the beamwidths, the patterns, Name and Description as fixed, and whatever the
    // model gives no step; every other write runs its step and recalculates.
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    // A pattern change recomputes neither the relative gain nor the off-axis angle of its side:
    // the next write of either brings the other into line with the new pattern.
    int SetIntVar(int index, const int& value, ErrorSink& sink) override;

    // The steps that follow a write, each a fixed sequence of assignments.
    // The wavelength, both antennas at the frequency, and the path that goes with it.
    void UpdateFrequency();
    // The frequency of the wavelength as it stands, then UpdateFrequency.
    void UpdateFromWavelength();
    // One antenna after a write of one of its quantities: from the peak gain the dish size,
    // beamwidth and relative gain; from the dish size or efficiency the peak gain, beamwidth and
    // relative gain; from the relative gain the off-axis angle; from the off-axis angle the
    // relative gain.
    void UpdateTxPeakGain();
    void UpdateTxDish();
    void UpdateTxOffaxis();
    void UpdateTxRelativeGain();
    void UpdateRxPeakGain();
    void UpdateRxDish();
    void UpdateRxOffaxis();
    void UpdateRxRelativeGain();
    // The transmit power that gives the EIRP as it stands.
    void SolveFromEirp();
    // The EIRP of the transmit power and gains as they stand.
    void UpdateEirp();

    // Each opens another tool over this budget's values. What the user changed there is taken
    // back, and the budget is recalculated in every case. A tool closed without a change leaves
    // the budget exactly as it was: taking its values back would run an inverse step over them
    // (a distance from a loss, an angle found by a search), which is not the exact inverse of
    // the forward one, so merely looking at a quantity would move it.
    void RunFrequencyTool();
    void RunTxGainTool();
    void RunTxOffaxisTool();
    void RunRxGainTool();
    void RunRxOffaxisTool();
    // "Atmospheric Losses...": the Atmosphere tool over this budget's frequency (in the link also
    // its receive antenna, which the scintillation is averaged over), opened on m_atmosphere.
    // Closed with any value changed, its entries are kept there and its total attenuation
    // becomes the budget's other losses. A frequency outside the methods' range is refused with
    // the tool's own range message, and nothing opens.
    void RunAtmosphereTool();
    // "Look Angles...": the Look Angles tool opened on m_look. Closed with an entry changed and
    // the satellite above the horizon, its slant range becomes the budget's path length and the
    // budget's path step runs; the station goes to m_atmosphere too. Below the horizon there is
    // no path to take, and the dialog has said so.
    void RunLookTool();

    // Assigned as they are, without checks, by the saved state and by the tools that own
    // budgets of their own.
    double m_frequency;                // Hz
    int m_frequencyDisplay = UnitGHz;
    double m_wavelength;               // km
    int m_wavelengthDisplay = UnitM;
    double m_txPower = 0.0;            // dBW
    double m_txPeakGain;               // dBi
    double m_txRelativeGain = 0.0;     // dB
    double m_txDishSize = 0.001;       // km
    double m_txEfficiency = 0.7;
    double m_txBeamwidth;              // rad
    double m_txOffAxisAngle = 0.0;     // rad
    int m_txPattern = PatternLog29;    // a PatternCode
    double m_eirp;                     // dBW
    double m_rxPeakGain;
    double m_rxRelativeGain = 0.0;
    double m_rxDishSize = 0.001;
    double m_rxEfficiency = 0.7;
    double m_rxBeamwidth;
    double m_rxOffAxisAngle = 0.0;
    int m_rxPattern = PatternLog29;
    // The atmospheric entries the budget's Atmosphere tool opens with, in step with the
    // launcher's Atmosphere tool (models/AtmosphereCoupling.h). Not in the budget's record.
    CKOTAtmos m_atmosphere;
    // The station and satellite its Look Angles tool opens with, kept in step the same way.
    CKOTLook m_look;

protected:
    // The frequency and both antennas at their defaults; the model derives its path, and then
    // recalculates the chain, in its own constructor.
    CKOTBudget();
    CKOTBudget(const CKOTBudget&) = default;
    CKOTBudget& operator=(const CKOTBudget&) = default;

    // The model's table: the budget's rows with the model's path rows and results in their
    // places, so that every row stands at its variable's index.
    template <std::size_t PathRows, std::size_t ResultRows>
    static constexpr auto BudgetRows(const VarRow<Model> (&path)[PathRows],
                                     const VarRow<Model> (&results)[ResultRows]);

    // Runs a tool opened over this budget's values. True when it ran and the user changed at
    // least one of the values `take` reads: only then does the budget take them back.
    // `run` shows the tool's dialog, its RunDialog unless given.
    template <class Tool, class Take, class Run>
    static bool RunSubTool(Tool& tool, Take take, Run run)
    {
        const auto given = take(tool);
        const int ran = run();
        return ran == 1 && take(tool) != given;
    }
    template <class Tool, class Take>
    static bool RunSubTool(Tool& tool, Take take)
    {
        return RunSubTool(tool, take, [&tool] { return tool.RunDialog(); });
    }

private:
    // One antenna, named by its members, so that each step is written once for both.
    struct Side {
        double CKOTBudget::*peakGain;
        double CKOTBudget::*relativeGain;
        double CKOTBudget::*dishSize;
        double CKOTBudget::*efficiency;
        double CKOTBudget::*beamwidth;
        double CKOTBudget::*offAxisAngle;
        int CKOTBudget::*pattern;
        const char* caption; // what its sub-tools' captions end in
    };
    static const Side Tx;
    static const Side Rx;

    void UpdatePeakGain(const Side& side);
    void UpdateDish(const Side& side);
    void UpdateOffaxis(const Side& side);
    void UpdateRelativeGain(const Side& side);
    void RunGainTool(const Side& side);
    void RunOffaxisTool(const Side& side);

    Model& Self() { return static_cast<Model&>(*this); }
};

template <class Model>
template <std::size_t PathRows, std::size_t ResultRows>
constexpr auto CKOTBudget<Model>::BudgetRows(const VarRow<Model> (&path)[PathRows],
                                             const VarRow<Model> (&results)[ResultRows])
{
    static_assert(PathRows == PathVarCount, "the receive rows must stand at their indices");
    using B = CKOTBudget;
    const VarRow<Model> transmit[] = {
        RealVarShownIn<Model>("Frequency", UnitHz, &B::m_frequencyDisplay, FrequencyUnits, 0.0001, 3e15,
                              &B::m_frequency),
        RealVarShownIn<Model>("Wavelength", UnitKm, &B::m_wavelengthDisplay, DistanceUnits, 1e-10, 30.0,
                              &B::m_wavelength),
        SumTermVar<Model>("Transmit Power", UnitDbw, &B::m_txPower),
        RealVar<Model>("Transmit Peak Gain", UnitDbi, -300.0, 300.0, &B::m_txPeakGain),
        RealVar<Model>("Transmit Relative Gain", UnitDb, -300.0, 300.0, &B::m_txRelativeGain),
        RealVar<Model>("Transmit Dish Size", UnitKm, UnitM, 1e-6, 100.0, &B::m_txDishSize),
        RealVar<Model>("Transmit Efficiency", UnitNone, 0.001, 1.0, &B::m_txEfficiency),
        // An output only: it follows from the peak gain and the efficiency, and is refused as fixed.
        RealVar<Model>("Transmit Theta 3dB", UnitRad, UnitDeg, 0.0, 0.0, &B::m_txBeamwidth),
        RealVar<Model>("Transmit Offaxis Angle", UnitRad, UnitDeg, 0.0, Pi, &B::m_txOffAxisAngle),
        EnumVar<Model>("Transmit Gain Pattern", std::span<const char* const>(PatternNames), &B::m_txPattern),
        SumTermVar<Model>("Transmit EIRP", UnitDbw, &B::m_eirp),
    };
    const VarRow<Model> receive[] = {
        RealVar<Model>("Receive Peak Gain", UnitDbi, -300.0, 300.0, &B::m_rxPeakGain),
        RealVar<Model>("Receive Relative Gain", UnitDb, -300.0, 300.0, &B::m_rxRelativeGain),
        RealVar<Model>("Receive Dish Size", UnitKm, UnitM, 1e-6, 100.0, &B::m_rxDishSize),
        RealVar<Model>("Receive Efficiency", UnitNone, 0.001, 1.0, &B::m_rxEfficiency),
        RealVar<Model>("Receive Theta 3dB", UnitRad, UnitDeg, 0.0, 0.0, &B::m_rxBeamwidth),
        RealVar<Model>("Receive Offaxis Angle", UnitRad, UnitDeg, 0.0, Pi, &B::m_rxOffAxisAngle),
        EnumVar<Model>("Receive Gain Pattern", std::span<const char* const>(PatternNames), &B::m_rxPattern),
    };
    static_assert(sizeof transmit / sizeof *transmit == std::size_t(FirstPathVar - VarFrequency));
    static_assert(sizeof receive / sizeof *receive == std::size_t(FirstResultVar - VarRxPeakGain));
    return Splice(transmit, path, receive, results);
}
