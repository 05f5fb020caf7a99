#include "formulas/Antenna.h"
#include "formulas/Constants.h"
#include "framework/Units.h"
#include "tests/formulas/Printed.h"

#include <limits>

// A 5 deg beam with 30 dBi peak gain is 14 wavelengths across. Its log-law main lobe ends at
// phiM = 5.3084606 deg, beyond phiR = 3.25 deg, so the gain steps down there.
constexpr double Theta5 = 5 * Deg;

constexpr double Largest = std::numeric_limits<double>::max();

TEST(Antenna, PatternNames)
{
    EXPECT_STREQ(PatternName(PatternParabolic), "Pure parabolic");
    EXPECT_STREQ(PatternName(PatternLog29), "29 - 25log(phi)");
    EXPECT_STREQ(PatternName(PatternLog32), "32 - 25log(phi)");
    EXPECT_EQ(PatternName(-1), nullptr);
    EXPECT_EQ(PatternName(3), nullptr);
}

TEST(Antenna, ReferenceValues)
{
    ExpectPrinted({
        {"2 m dish at 12 GHz, 70%", PeakGain(0.002, 1.2e10, 0.7), "46.46157"},
        {"beamwidth of 30 dBi at 70%, rad", BeamwidthFromGain(30, 0.7), "0.1015487"},
        {"beamwidth of 30 dBi at 70%, deg", BeamwidthFromGain(30, 0.7) / Deg, "5.81831"},
        {"70 / theta wavelengths", DiameterInWavelengths(Theta5, 30), "14.000000000"},
        {"a negative gain still gives a dish", PeakGain(DiameterFromGain(-3, 1.2e10, 0.7), 1.2e10, 0.7), "-3.000000000"},
        // The squared aperture, and then the aperture itself, are past the largest double.
        {"1 m dish at 8e290 Hz", PeakGain(0.001, 8e290, 0.7), "5656.91915"},
        {"100 km dish at 1e308 Hz", PeakGain(100, 1e308, 1), "6100.40636"},
        {"the largest dish at 1e-300 Hz", PeakGain(Largest, 1e-300, 0.7), "63.95166"},
        {"an efficiency below ToDb's floor", PeakGain(0.001, 1e174, 1e-310), "220.40636"},
        // The quotients and squares of the inverses overflow though the values do not.
        {"dish of a gain past any double over a tiny efficiency", DiameterFromGain(2999, 1e200, 1e-20), "8.505146e-36"},
        {"efficiency whose squared ratio overflows", EfficiencyFromGain(-2900, 1e-160, 1e-6), "9.106752e51"},
        {"beamwidth of a derived efficiency past 1e300", BeamwidthFromGain(-300, 1e300), "3.838179e165"},
    });
    ExpectExact({
        {"a zero efficiency is ToDb's floor at any aperture", PeakGain(0.001, 1e174, 0), -3000},
        {"a dish past any double is the largest", DiameterFromGain(30, 1e-303, 0.7), Largest},
        {"an efficiency past any double is the largest", EfficiencyFromGain(30, 1e-303, 1e-6), Largest},
        {"a dish short of the overflow", DiameterFromGain(30, 1e-300, 0.7),
         std::sqrt(FromDb(30) / 0.7) * SpeedOfLight / (1e-300 * Pi)},
    });
    // Just short of the overflow the product is still taken as it always was.
    const double aperture = Pi * 0.001 * 1e157 / SpeedOfLight;
    EXPECT_EQ(PeakGain(0.001, 1e157, 0.7), ToDb(aperture * aperture * 0.7));
}

TEST(Antenna, GuardedInputs)
{
    ExpectExact({
        {"diameter at zero efficiency", DiameterFromGain(30, 1.2e10, 0), 0},
        {"diameter at 0 Hz", DiameterFromGain(30, 0, 0.7), 0},
        {"frequency from 0 dB", FrequencyFromGain(0, 0.002, 0.7), 0},
        {"frequency of a zero dish", FrequencyFromGain(30, 0, 0.7), 0},
        {"frequency at negative efficiency", FrequencyFromGain(30, 0.002, -0.5), 0},
        {"efficiency of a zero dish", EfficiencyFromGain(30, 1.2e10, 0), 0},
        {"beamwidth at zero efficiency", BeamwidthFromGain(30, 0), 0},
        {"gain of a zero beamwidth", GainFromBeamwidth(0, 0.7), 0},
        {"parabolic at zero beamwidth", ParabolicPattern(0.3, 0), 0},
        {"relative gain at zero beamwidth", RelativeGain(30, 0, 0.3, PatternLog29), 0},
        {"off-axis at zero beamwidth", OffAxisFromRelativeGain(30, 0, -3, 0), 0},
        {"off-axis for 0 dB wanted", OffAxisFromRelativeGain(30, Theta5, 0, 1), 0},
        {"off-axis below the -40 dB floor", OffAxisFromRelativeGain(30, Theta5, -45, 1), Pi},
        {"beamwidth for 0 dB wanted", BeamwidthFromRelativeGain(30, 0, 2.5 * Deg, 0), 0},
        {"beamwidth out of reach near the axis", BeamwidthFromRelativeGain(30, -3, 0.01 * Deg, 0), BeamwidthFromGain(30, 0.001)},
        {"beamwidth out of reach far off the axis", BeamwidthFromRelativeGain(30, -3, 50 * Deg, 0), BeamwidthFromGain(30, 1)},
    });
}

TEST(Antenna, InversesRecoverTheMissingInput)
{
    const struct { double diameter, frequency, efficiency; } rows[] = {
        {0.002, 1.2e10, 0.7}, {0.0005, 3e10, 0.55}, {0.0001, 3e10, 0.6}, {0.07, 4e9, 1.0},
    };
    for (const auto& [diameter, frequency, efficiency] : rows) {
        SCOPED_TRACE(::testing::Message() << diameter << " km, " << frequency << " Hz, " << efficiency);
        const double gain = PeakGain(diameter, frequency, efficiency);
        EXPECT_NEAR(DiameterFromGain(gain, frequency, efficiency), diameter, 1e-12 * diameter);
        EXPECT_NEAR(FrequencyFromGain(gain, diameter, efficiency), frequency, 1e-12 * frequency);
        EXPECT_NEAR(EfficiencyFromGain(gain, frequency, diameter), efficiency, 1e-12);
        const double beamwidth = BeamwidthFromGain(gain, efficiency);
        EXPECT_NEAR(GainFromBeamwidth(beamwidth, efficiency), gain, 1e-11);
        EXPECT_NEAR(EfficiencyFromBeamwidth(gain, beamwidth), efficiency, 1e-12);
    }
}

TEST(Antenna, ReferencePatterns)
{
    const struct { const char* label; double phiDeg, thetaDeg, peakGain; int code; const char* printed; } rows[] = {
        {"parabolic at theta", 5, 5, 30, PatternParabolic, "-12.000000"},
        {"parabolic at theta/2", 2.5, 5, 30, PatternParabolic, "-3.000000"},
        {"parabolic has no floor", 50, 5, 30, PatternParabolic, "-1200.0000"},
        {"unknown codes are parabolic", 2.5, 5, 30, 7, "-3.000000"},
        {"32: main lobe", 2, 5, 30, PatternLog32, "-1.960000"},
        {"29: main lobe up to phiM", 5.3084606, 5, 30, PatternLog29, "-13.8081"},
        {"29: just past phiM", 5.3084607, 5, 30, PatternLog29, "-19.1242"},
        {"29: log law", 10, 5, 30, PatternLog29, "-26.000000"},
        {"32: log law", 10, 5, 30, PatternLog32, "-23.000000"},
        {"29: far lobes from 36.3 deg", 40, 5, 30, PatternLog29, "-40.000000"},
        {"32: log law up to 48 deg", 40, 5, 30, PatternLog32, "-38.0515"},
        {"32: far lobes", 50, 5, 30, PatternLog32, "-40.000000"},
        {"29: G1 plateau when phiR > phiM", 0.7, 0.5, 50, PatternLog29, "-18.80808"},
        {"32: G1 capped at the peak gain", 5, 70, 1, PatternLog32, "0.000000"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const double phi = row.phiDeg * Deg, theta = row.thetaDeg * Deg;
        EXPECT_TRUE(MatchesPrinted(RelativeGain(row.peakGain, theta, phi, row.code), row.printed));
        const double direct = row.code == PatternLog29 ? Pattern29(phi, theta, row.peakGain)
                              : row.code == PatternLog32 ? Pattern32(phi, theta, row.peakGain)
                                                         : ParabolicPattern(phi, theta);
        EXPECT_TRUE(MatchesPrinted(direct, row.printed));
    }
}

TEST(Antenna, SearchesInvertThePattern)
{
    // A search stops within 1e-5 dB of the target; on these slopes (>= 0.78 dB/deg) the angle
    // is then within 1.3e-5 deg.
    const struct { const char* label; bool offAxis; double thetaDeg, phiDeg, wanted; int code; } rows[] = {
        {"off-axis, parabolic", true, 5, 2.5, -3, PatternParabolic},
        {"off-axis, 29 log law", true, 5, 10, -26, PatternLog29},
        {"off-axis, 32 log law", true, 5, 10, -23, PatternLog32},
        {"beamwidth, parabolic", false, 5, 2.5, -3, PatternParabolic},
        {"beamwidth, 32 main lobe", false, 5, 2, -1.96, PatternLog32},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        double theta = row.thetaDeg * Deg, phi = row.phiDeg * Deg;
        double& found = row.offAxis ? phi : theta;
        found = row.offAxis ? OffAxisFromRelativeGain(30, theta, row.wanted, row.code)
                            : BeamwidthFromRelativeGain(30, row.wanted, phi, row.code);
        EXPECT_LT(std::fabs(RelativeGain(30, theta, phi, row.code) - row.wanted), 1e-5);
        EXPECT_NEAR(found / Deg, row.offAxis ? row.phiDeg : row.thetaDeg, 1.3e-5);
    }
    // A flat stretch at the target ends a search at its first midpoint, not at a bound.
    EXPECT_EQ(OffAxisFromRelativeGain(30, Theta5, -40, PatternLog29), Pi / 2);
    EXPECT_EQ(BeamwidthFromRelativeGain(30, -26, 10 * Deg, PatternLog29),
              (BeamwidthFromGain(30, 0.001) + BeamwidthFromGain(30, 1)) / 2);
    // A target inside the step at phiM is never met; the search closes in on the step.
    EXPECT_NEAR(OffAxisFromRelativeGain(30, Theta5, -16, PatternLog29) / Deg, 5.3084606, 1e-7);
}
