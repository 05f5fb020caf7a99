// Model of the Look Angles tool: where a station points to see a geostationary satellite, how
// far away the satellite is, and how its linear polarisation appears (formulas/LookAngles.h says
// how each is measured). Every entry is typed; every result is derived from all of them at once,
// so nothing typed ever moves another entry. A satellite below the horizon is an answer, shown by
// a negative elevation, not a refusal.
#pragma once

#include "formulas/LookAngles.h"
#include "framework/VarTable.h"

#include <string>

class CKOTLook : public CKorTableObj<CKOTLook> {
public:
    enum : int {
        VarLatitude = 2,
        VarLongitude,
        VarStationHeight,
        VarSatelliteLongitude,
        // Derived.
        VarAzimuth,
        VarElevation,
        VarRange,
        VarSkew,
        VarVisible,
        VarTotal
    };
    static constexpr int FirstDerivedVar = VarAzimuth;

    CKOTLook();
    ~CKOTLook() override;
    static VarRows<CKOTLook> Vars();

    void GetTypeName(std::string& out) const override;
    int SetRealVar(int index, const double& value, ErrorSink& sink) override;
    // The results are shown, never typed.
    int GetVarAccess(int index) const override;
    void Recalculate() override;

    bool IsVisible() const { return m_elevation >= 0.0; }

    // Defined with the tool's dialog.
    virtual int RunDialog();

    // What the Atmosphere tool takes from this one, in the order of CKOTAtmos::SetStation: the
    // elevation of the path (deg, negative where the satellite cannot be seen, which the taker
    // must decide about), the station's latitude (deg N) and height (km).
    void StationOutputs(double& elevation, double& latitude, double& stationHeight) const;

    // Entries, in storage units.
    double m_latitude;            // deg N
    double m_longitude;           // deg E, -180..180
    double m_stationHeight;       // km above sea level
    double m_satelliteLongitude;  // deg E, -180..180
    // Results.
    double m_azimuth = 0.0;       // deg from true north, 0 <= azimuth < 360
    double m_elevation = 0.0;     // deg
    double m_range = 0.0;         // km
    double m_skew = 0.0;          // deg, positive clockwise looking at the satellite
    // Whether the satellite is above the horizon, as a choice "no" or "yes", so that every
    // listing of the values says so in words beside the negative elevation.
    int m_visible = 1;
};
