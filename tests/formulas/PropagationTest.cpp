#include "formulas/Constants.h"
#include "formulas/Propagation.h"
#include "tests/formulas/Printed.h"

#include <limits>

TEST(Propagation, ReferenceValues)
{
    ExpectPrinted({
        {"wavelength of 10 GHz, km", WavelengthFromFrequency(1e10), "2.998e-5"},
        {"geostationary path at 12 GHz", FreeSpaceLoss(35786.05, 1.2e10), "205.10546"},
        {"distance back from the loss as shown", DistanceFromLoss(205.10546, 1.2e10), "35786.03089"},
        {"distance back from the loss itself", DistanceFromLoss(205.10546463849903, 1.2e10), "35786.05000"},
        {"offset is 20log(4pi): zero at d*f = c/4pi", FreeSpaceLoss(0.001, SpeedOfLight / FourPi / 0.001), "0.000000"},
        {"loss is negative when very close", FreeSpaceLoss(0.001, 1e6), "-27.55"},
        {"spreading at geostationary height", SpreadingLoss(35786.05), "162.06637"},
        {"spreading at zero counts as one metre", SpreadingLoss(0), "10.99210"},
        // Distance times frequency is past the largest double, though their ratio to c is not.
        {"1e11 km at 1e300 Hz", FreeSpaceLoss(1e11, 1e300), "6132.44756"},
        {"geostationary path at 1.7e308 Hz", FreeSpaceLoss(35786.05, 1.7e308), "6168.13082"},
        // The power of ten overflows before the division by the frequency.
        {"and back", DistanceFromLoss(6168.13082, 1.7e308), "35786.05764"},
    });
    // At a frequency next to zero the distance itself is past any double.
    EXPECT_EQ(DistanceFromLoss(500, 1e-300), std::numeric_limits<double>::max());
    // Just short of the overflow the product is still taken as it always was.
    EXPECT_EQ(FreeSpaceLoss(1e8, 1e300), 20 * std::log10(1e8 * 1e300 / SpeedOfLight) + 21.984197);
}

TEST(Propagation, GuardedInputs)
{
    ExpectExact({
        {"wavelength of 0 Hz", WavelengthFromFrequency(0), 0},
        {"frequency of -1 km", FrequencyFromWavelength(-1), 0},
        {"path loss at 0 Hz", FreeSpaceLoss(35786.05, 0), 0},
        {"path loss at zero distance", FreeSpaceLoss(0, 1.2e10), FreeSpaceLoss(0.001, 1.2e10)},
        {"distance from 0 dB", DistanceFromLoss(0, 1.2e10), 0},
        {"distance from -5 dB", DistanceFromLoss(-5, 1.2e10), 0},
        {"distance at negative frequency", DistanceFromLoss(200, -1), 0},
        {"frequency from 0 dB", FrequencyFromLoss(0, 1000), 0},
        {"frequency at zero distance", FrequencyFromLoss(200, 0), 0},
        {"spreading loss saturates with ToDb", SpreadingLoss(1e200), 3000},
        {"huge spreading loss saturates in FromDb", DistanceFromSpreadingLoss(5000), DistanceFromSpreadingLoss(3000)},
    });
}

TEST(Propagation, InversesRoundTrip)
{
    for (const double distance : {0.001, 1.0, 35786.05, 384400.0}) {
        SCOPED_TRACE(distance);
        for (const double frequency : {1e6, 1.2e10, 3e11}) {
            const double loss = FreeSpaceLoss(distance, frequency);
            if (loss <= 0)
                continue; // outside the inverses' domain
            EXPECT_NEAR(FreeSpaceLoss(DistanceFromLoss(loss, frequency), frequency), loss, 1e-9);
            EXPECT_NEAR(FreeSpaceLoss(distance, FrequencyFromLoss(loss, distance)), loss, 1e-9);
        }
        EXPECT_NEAR(DistanceFromSpreadingLoss(SpreadingLoss(distance)), distance, 1e-12 * distance);
    }
}
