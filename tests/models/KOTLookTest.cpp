#include "models/KOTLook.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

// The starting station (London, the satellite at 19.2 E) as the window shows it; the figures are
// those of tests/formulas/LookAnglesTest.cpp's first row, to the digits shown.
TEST(KOTLook, StartsInLondonLookingAt19EastAndShowsEveryResult)
{
    const CKOTLook model;
    ExpectVariables(model, {
        {CKOTLook::VarLatitude, "Station Latitude", VarKindReal, UnitDegN, UnitDegN, "51.5"},
        {CKOTLook::VarLongitude, "Station Longitude", VarKindReal, UnitDegE, UnitDegE, "0.0"},
        {CKOTLook::VarStationHeight, "Station Height", VarKindReal, UnitKm, UnitKm, "0.0"},
        {CKOTLook::VarSatelliteLongitude, "Satellite Longitude", VarKindReal, UnitDegE, UnitDegE, "19.2"},
        {CKOTLook::VarAzimuth, "Azimuth", VarKindReal, UnitDeg, UnitDeg, "155.9981"},
        {CKOTLook::VarElevation, "Elevation", VarKindReal, UnitDeg, UnitDeg, "28.3879"},
        {CKOTLook::VarRange, "Range", VarKindReal, UnitKm, UnitKm, "38748.9667"},
        {CKOTLook::VarSkew, "Polarisation Skew", VarKindReal, UnitDeg, UnitDeg, "-14.7929"},
    });
    EXPECT_TRUE(model.IsVisible());
    for (int index = CKOTLook::VarLatitude; index < CKOTLook::VarTotal; ++index)
        EXPECT_EQ(model.GetVarAccess(index), index < CKOTLook::FirstDerivedVar ? VarEditable : VarReadOnly);
}

// Each entry is checked against its limits with the usual warning, and nothing moves on a
// refusal.
TEST(KOTLook, EntriesAreCheckedAgainstTheirLimits)
{
    CKOTLook model;
    const struct {
        int index;
        double value;
        const char* refusal;
    } rows[] = {
        {CKOTLook::VarLatitude, 90.5, "Variable 'Station Latitude' has been set to 90.5 deg N which is above the limit of 90.0 deg N"},
        {CKOTLook::VarLongitude, -180.5, "Variable 'Station Longitude' has been set to -180.5 deg E which is below the limit of -180.0 deg E"},
        {CKOTLook::VarStationHeight, 9.5, "Variable 'Station Height' has been set to 9.5 km which is above the limit of 9.0 km"},
        {CKOTLook::VarSatelliteLongitude, 181, "Variable 'Satellite Longitude' has been set to 181.0 deg E which is above the limit of 180.0 deg E"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        ExpectLimit(model, row.index, row.value, row.refusal);
    }

}

} // namespace
