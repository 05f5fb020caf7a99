#include "models/KOTLook.h"

#include <span>

namespace {

using L = CKOTLook;
constexpr const char* VisibleTexts[] = {"no", "yes"};
constexpr VarRow<L> Rows[] = {
    RealVar("Station Latitude", UnitDegN, -90.0, 90.0, &L::m_latitude),
    RealVar("Station Longitude", UnitDegE, -180.0, 180.0, &L::m_longitude),
    RealVar("Station Height", UnitKm, -0.5, 9.0, &L::m_stationHeight),
    RealVar("Satellite Longitude", UnitDegE, -180.0, 180.0, &L::m_satelliteLongitude),
    RealVar("Azimuth", UnitDeg, 0.0, 0.0, &L::m_azimuth),
    RealVar("Elevation", UnitDeg, 0.0, 0.0, &L::m_elevation),
    RealVar("Range", UnitKm, 0.0, 0.0, &L::m_range),
    RealVar("Polarisation Skew", UnitDeg, 0.0, 0.0, &L::m_skew),
    EnumVar("Visible", std::span<const char* const>(VisibleTexts), &L::m_visible),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTLook> CKOTLook::Vars()
{
    return Rows;
}

// A station at sea level in London and a satellite at 19.2 E: the satellite well off the
// station's meridian, so that every result, the skew too, differs from its trivial value, and
// an elevation near 28 deg, close to the 30 deg the Atmosphere tool starts from.
CKOTLook::CKOTLook()
    : m_latitude(51.5)
    , m_longitude(0.0)
    , m_stationHeight(0.0)
    , m_satelliteLongitude(19.2)
{
    Recalculate();
}

CKOTLook::~CKOTLook() = default;

void CKOTLook::GetTypeName(std::string& out) const
{
    out = "Look Angles tool";
}

int CKOTLook::GetVarAccess(int index) const
{
    if (index >= FirstDerivedVar && index < VarTotal)
        return VarReadOnly;
    return CKorTableObj::GetVarAccess(index);
}

int CKOTLook::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return StoreEntry(index, value, sink);
}

void CKOTLook::Recalculate()
{
    const LookAngles look = GeostationaryLookAngles(m_latitude, m_longitude, m_stationHeight, m_satelliteLongitude);
    m_azimuth = look.azimuth;
    m_elevation = look.elevation;
    m_range = look.range;
    m_skew = look.skew;
    m_visible = IsVisible() ? 1 : 0;
}

void CKOTLook::StationOutputs(double& elevation, double& latitude, double& stationHeight) const
{
    elevation = m_elevation;
    latitude = m_latitude;
    stationHeight = m_stationHeight;
}
