#include "formulas/Atmosphere.h"
#include "formulas/RainAttenuation.h"
#include "tests/formulas/Printed.h"

// One case of the validation tables (London, 14.25 GHz, 0.01 %) entered as the tool's user would:
// the total pressure and the temperature in degrees Celsius. Each component must come out as the
// tables print it, which also proves the entries reach the right arguments.
TEST(ItuAtmosphere, ValidationCaseThroughTheToolEntries)
{
    const double elevation = 31.07699124, stationHeight = 0.031382984, kelvin = 283.6108756, rho = 13.79653679;
    const AtmosphereInputs in{.frequency = 14.25, .elevation = elevation, .latitude = 51.5,
                              .stationHeight = stationHeight, .tilt = 0, .percentage = 0.01, .rainRate = 26.48052,
                              .rainHeight = stationHeight + 4.690817392 * std::sin(elevation * Deg),
                              .pressure = 1009.485612 + rho * kelvin / 216.7, .temperature = kelvin - 273.15,
                              .vapourDensity = rho, .vapourContent = 33.72946527, .liquidWater = 1.26328615,
                              .nwet = 50.38926222, .diameter = 1, .efficiency = 0.65};
    const AtmosphereResults out = AtmosphericLosses(in);
    ExpectPrinted({
        {"gamma_R", out.rainSpecific, "1.58130839"},
        {"rain", out.rain, "6.798072267"},
        {"gas at 1 %", out.gas, "0.226874038"},
        {"cloud at 1 %", out.cloud, "0.45516982"},
        {"scintillation", out.scintillation, "0.628287291"},
    });
    EXPECT_EQ(out.total, TotalAttenuation(out.gas, out.rain, out.cloud, out.scintillation));
    // Scintillation is a fluctuation, not an absorption: it adds no noise.
    EXPECT_EQ(out.skyTemperature, SkyNoiseTemperature(out.gas + out.rain + out.cloud));
}

TEST(ItuAtmosphere, SkyNoiseAndZones)
{
    ExpectPrinted({
        {"clear sky is the cosmic background", SkyNoiseTemperature(0), "2.7"},
        {"3 dB", SkyNoiseTemperature(3), "138.5267"},
        {"10 dB", SkyNoiseTemperature(10), "247.77"},
        {"opaque", SkyNoiseTemperature(500), "275.0000"},
        {"a gain is no attenuation", SkyNoiseTemperature(-3), "2.7"},
        {"zone A", RainZoneRate001('A'), "8"},
        {"zone K", RainZoneRate001('K'), "42"},
        {"zone Q", RainZoneRate001('Q'), "115"},
        {"no zone I", RainZoneRate001('I'), "0"},
        {"lower case is no zone", RainZoneRate001('k'), "0"},
    });
    EXPECT_EQ(RainZoneLetters.size(), 15u);
}

// Whatever the entries, every result is a finite, non-negative number: one entry at a time at
// each extreme, the others at their defaults.
TEST(ItuAtmosphere, FiniteForAnyEntry)
{
    double AtmosphereInputs::*const entries[] = {
        &AtmosphereInputs::frequency,     &AtmosphereInputs::elevation,     &AtmosphereInputs::latitude,
        &AtmosphereInputs::stationHeight, &AtmosphereInputs::tilt,          &AtmosphereInputs::percentage,
        &AtmosphereInputs::rainRate,      &AtmosphereInputs::rainHeight,    &AtmosphereInputs::pressure,
        &AtmosphereInputs::temperature,   &AtmosphereInputs::vapourDensity, &AtmosphereInputs::vapourContent,
        &AtmosphereInputs::liquidWater,   &AtmosphereInputs::nwet,          &AtmosphereInputs::diameter,
        &AtmosphereInputs::efficiency,
    };
    for (double AtmosphereInputs::*entry : entries) {
        for (const double value : {-1e300, -300.0, -1.0, 0.0, 1e-300, 0.5, 90.0, 1e6, 1e300}) {
            AtmosphereInputs in;
            in.*entry = value;
            const AtmosphereResults out = AtmosphericLosses(in);
            SCOPED_TRACE(testing::Message() << "entry " << (&(in.*entry) - &in.frequency) << " = " << value);
            for (const double result : {out.rainSpecific, out.rain, out.gas, out.cloud, out.scintillation, out.total,
                                        out.skyTemperature}) {
                EXPECT_TRUE(std::isfinite(result)) << result;
                EXPECT_GE(result, 0);
            }
        }
    }
}
