// Model of the Atmosphere tool: the losses of an Earth-space path through rain, gases, clouds
// and scintillation, exceeded for a percentage of an average year, and the sky noise they bring.
// Every entry is typed or chosen; every result is derived from all of them at once, so nothing
// typed ever moves another entry. Choosing a rain climatic zone fills in its rain rate; typing
// a rate leaves the zone unnamed.
#pragma once

#include "formulas/Atmosphere.h"
#include "framework/VarTable.h"

#include <string>

class CKOTAtmos : public CKorTableObj<CKOTAtmos> {
public:
    enum : int {
        VarFrequency = 2,
        VarElevation,
        VarLatitude,
        VarStationHeight,
        VarTilt,
        VarPercentage,
        VarRainZone,
        VarRainRate,
        VarRainHeight,
        VarPressure,
        VarTemperature,
        VarVapourDensity,
        VarVapourContent,
        VarLiquidWater,
        VarNwet,
        VarDiameter,
        VarEfficiency,
        // Derived.
        VarRainSpecific,
        VarRain,
        VarGas,
        VarCloud,
        VarScintillation,
        VarTotalAttenuation,
        VarAvailability,
        VarSkyTemperature,
        VarTotal
    };
    static constexpr int FirstDerivedVar = VarRainSpecific;

    // The tool's own instance, on the mean annual reference atmosphere.
    CKOTAtmos();
    ~CKOTAtmos() override;
    static VarRows<CKOTAtmos> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    int SetIntVar(int index, const int& value, ErrorSink& sink) override;
    // The results are shown, never typed; over a budget its frequency (and in the link its
    // receive antenna) are the budget's, shown but not typed either.
    int GetVarAccess(int index) const override;
    void Recalculate() override;

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // Opened over a budget: the frequency (Hz) is the budget's from now on, and so, when given
    // (diameter km > 0), the receive antenna the scintillation is averaged over.
    void LockToBudget(double frequency, double diameter = 0.0, double efficiency = 0.0);
    bool IsFrequencyLocked() const { return m_frequencyLocked; }
    bool IsAntennaLocked() const { return m_antennaLocked; }
    // Takes the entries of `other` that describe the station and its atmosphere (all but the
    // frequency and the antenna, which belong to whatever link the tool is used for) and
    // recalculates: the tool and the budgets' sub-tools keep one such set in step.
    void TakeEntriesFrom(const CKOTAtmos& other);
    // Whether every entry, and so every result, is the same as in `other`.
    bool SameEntries(const CKOTAtmos& other) const;
    // The look-angle tool's station and elevation, unchecked, then a recalculation.
    void SetStation(double elevation, double latitude, double stationHeight);

    // What the formulas take, from the entries as they stand.
    AtmosphereInputs Inputs() const;

    // Entries, in storage units.
    double m_frequency = 12e9;     // Hz
    double m_elevation = 30.0;     // deg
    double m_latitude = 45.0;      // deg N
    double m_stationHeight = 0.0;  // km
    double m_tilt = 45.0;          // deg; circular
    double m_percentage = 0.1;     // %
    int m_rainZone;                // 0 none (rate typed), then the zones A..Q
    double m_rainRate;             // mm/h exceeded for 0.01 %
    double m_rainHeight;           // km
    double m_pressure = 1013.25;   // hPa
    double m_temperature = 15.0;   // C
    double m_vapourDensity = 7.5;  // g/m^3
    double m_vapourContent;        // kg/m^2
    double m_liquidWater;          // kg/m^2
    double m_nwet;                 // ppm
    double m_diameter;             // km
    double m_efficiency;           // fraction
    // Results.
    double m_rainSpecific = 0.0;   // dB/km
    double m_rain = 0.0;           // dB
    double m_gas = 0.0;
    double m_cloud = 0.0;
    double m_scintillation = 0.0;
    double m_total = 0.0;
    double m_availability = 0.0;   // %
    double m_skyTemperature = 0.0; // K

private:
    bool m_frequencyLocked = false;
    bool m_antennaLocked = false;
};
