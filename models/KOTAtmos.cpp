#include "models/KOTAtmos.h"

#include "formulas/RainAttenuation.h"

namespace {

// Choice 0 names no zone: the rate was typed. The letters are the zones' own, I and O unused.
constexpr const char* ZoneNames[] = {"None", "A", "B", "C", "D", "E", "F", "G", "H",
                                     "J", "K", "L", "M", "N", "P", "Q"};
static_assert(std::size(ZoneNames) == RainZoneLetters.size() + 1);
constexpr int ZoneK = 10;

using A = CKOTAtmos;
constexpr VarRow<A> Rows[] = {
    RealVar("Frequency", UnitHz, UnitGHz, 1e9, 55e9, &A::m_frequency),
    RealVar("Elevation", UnitDeg, 5.0, 90.0, &A::m_elevation),
    RealVar("Station Latitude", UnitDegN, -90.0, 90.0, &A::m_latitude),
    RealVar("Station Height", UnitKm, -0.5, 8.0, &A::m_stationHeight),
    RealVar("Polarisation Tilt", UnitDeg, 0.0, 90.0, &A::m_tilt),
    RealVar("Time Percentage", UnitPercent, 0.001, 5.0, &A::m_percentage),
    EnumVar("Rain Zone", std::span<const char* const>(ZoneNames), &A::m_rainZone),
    RealVar("Rain Rate", UnitMmPerH, 0.0, 300.0, &A::m_rainRate),
    RealVar("Rain Height", UnitKm, 0.0, 10.0, &A::m_rainHeight),
    RealVar("Surface Pressure", UnitHPa, 300.0, 1100.0, &A::m_pressure),
    RealVar("Surface Temperature", UnitCelsius, -80.0, 60.0, &A::m_temperature),
    RealVar("Water Vapour Density", UnitGmPerM3, 0.0, 50.0, &A::m_vapourDensity),
    RealVar("Water Vapour Content", UnitKgPerM2, 0.0, 100.0, &A::m_vapourContent),
    RealVar("Cloud Liquid Water", UnitKgPerM2, 0.0, 10.0, &A::m_liquidWater),
    RealVar("Nwet", UnitPpm, 0.0, 300.0, &A::m_nwet),
    RealVar("Antenna Diameter", UnitKm, UnitM, 1e-4, 0.1, &A::m_diameter),
    RealVar("Antenna Efficiency", UnitNone, 0.001, 1.0, &A::m_efficiency),
    RealVar("Rain Specific Attenuation", UnitDbPerKm, 0.0, 0.0, &A::m_rainSpecific),
    RealVar("Rain Attenuation", UnitDb, 0.0, 0.0, &A::m_rain),
    RealVar("Gas Attenuation", UnitDb, 0.0, 0.0, &A::m_gas),
    RealVar("Cloud Attenuation", UnitDb, 0.0, 0.0, &A::m_cloud),
    RealVar("Scintillation", UnitDb, 0.0, 0.0, &A::m_scintillation),
    RealVar("Total Attenuation", UnitDb, 0.0, 0.0, &A::m_total),
    RealVar("Availability", UnitPercent, 0.0, 0.0, &A::m_availability),
    RealVar("Sky Noise Temperature", UnitK, 0.0, 0.0, &A::m_skyTemperature),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTAtmos> CKOTAtmos::Vars()
{
    return Rows;
}

// What the maps would give a mid-latitude station in an average year, for the rest:
// see the README's list of the tool's starting values.
CKOTAtmos::CKOTAtmos()
    : m_rainZone(ZoneK)
    , m_rainRate(RainZoneRate001('K'))
    , m_rainHeight(3.71)
    , m_vapourContent(15.0)
    , m_liquidWater(1.0)
    , m_nwet(47.5)
    , m_diameter(0.0012)
    , m_efficiency(0.65)
{
    Recalculate();
}

CKOTAtmos::~CKOTAtmos() = default;

void CKOTAtmos::GetTypeName(std::string& out) const
{
    out = "Atmosphere tool";
}

int CKOTAtmos::GetVarAccess(int index) const
{
    if (index >= FirstDerivedVar && index < VarTotal)
        return VarReadOnly;
    if ((index == VarFrequency && m_frequencyLocked)
        || ((index == VarDiameter || index == VarEfficiency) && m_antennaLocked))
        return VarReadOnly;
    return CKorTableObj::GetVarAccess(index);
}

int CKOTAtmos::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!StoreEntry(index, value, sink))
        return 0;
    // A typed rate is no zone's any more, even where it happens to equal one.
    if (index == VarRainRate)
        m_rainZone = 0;
    return 1;
}

// A zone fills its rate in, which the results then follow.
int CKOTAtmos::SetIntVar(int index, const int& value, ErrorSink& sink)
{
    if (!StoreEntry(index, value, sink))
        return 0;
    if (index == VarRainZone && m_rainZone > 0) {
        m_rainRate = RainZoneRate001(RainZoneLetters[static_cast<std::size_t>(m_rainZone - 1)]);
        Recalculate();
    }
    return 1;
}

AtmosphereInputs CKOTAtmos::Inputs() const
{
    AtmosphereInputs in;
    in.frequency = m_frequency / 1e9;
    in.elevation = m_elevation;
    in.latitude = m_latitude;
    in.stationHeight = m_stationHeight;
    in.tilt = m_tilt;
    in.percentage = m_percentage;
    in.rainRate = m_rainRate;
    in.rainHeight = m_rainHeight;
    in.pressure = m_pressure;
    in.temperature = m_temperature;
    in.vapourDensity = m_vapourDensity;
    in.vapourContent = m_vapourContent;
    in.liquidWater = m_liquidWater;
    in.nwet = m_nwet;
    in.diameter = m_diameter * 1000.0;
    in.efficiency = m_efficiency;
    return in;
}

void CKOTAtmos::Recalculate()
{
    const AtmosphereResults out = AtmosphericLosses(Inputs());
    m_rainSpecific = out.rainSpecific;
    m_rain = out.rain;
    m_gas = out.gas;
    m_cloud = out.cloud;
    m_scintillation = out.scintillation;
    m_total = out.total;
    m_skyTemperature = out.skyTemperature;
    m_availability = 100.0 - m_percentage;
}

void CKOTAtmos::LockToBudget(double frequency, double diameter, double efficiency)
{
    m_frequency = frequency;
    m_frequencyLocked = true;
    if (diameter > 0.0) {
        m_diameter = diameter;
        m_efficiency = efficiency;
        m_antennaLocked = true;
    }
    Recalculate();
}

void CKOTAtmos::TakeEntriesFrom(const CKOTAtmos& other)
{
    for (int index = VarElevation; index < FirstDerivedVar; ++index) {
        if (index == VarDiameter || index == VarEfficiency)
            continue;
        const VarRow<A>& row = *Row(index);
        if (row.real)
            this->*(row.real) = other.*(row.real);
        else
            this->*(row.integer) = other.*(row.integer);
    }
    Recalculate();
}

bool CKOTAtmos::SameEntries(const CKOTAtmos& other) const
{
    for (int index = FirstVar; index < FirstDerivedVar; ++index) {
        const VarRow<A>& row = *Row(index);
        if (row.real ? this->*(row.real) != other.*(row.real) : this->*(row.integer) != other.*(row.integer))
            return false;
    }
    return true;
}

void CKOTAtmos::SetStation(double elevation, double latitude, double stationHeight)
{
    m_elevation = elevation;
    m_latitude = latitude;
    m_stationHeight = stationHeight;
    Recalculate();
}
