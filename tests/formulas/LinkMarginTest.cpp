#include "formulas/LinkMargin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr int Qpsk14 = 0;
constexpr int Qpsk25 = 2;
constexpr int Qpsk34 = 6;
constexpr int Qpsk910 = 10;
constexpr int Psk8_35 = 11;
constexpr int Psk8_23 = 12;
constexpr int Psk8_34 = 13;
constexpr int Apsk16_23 = 17;
constexpr int Apsk32_910 = 27;

// Each MODCOD's efficiency is the useful bits of a frame over its symbols: the BCH block less the
// 80-bit baseband header, over 64800 coded bits at the modulation's bits per symbol plus the
// 90-symbol physical-layer header. The BCH blocks per code rate come from the standard's table of
// coding parameters for normal frames, a table apart from the one the MODCODs were copied from,
// so a digit mistyped in either shows here.
TEST(Dvbs2Modcods, EfficiencyFollowsFromTheFrame)
{
    const struct {
        const char* rate;
        double bchBits;
    } blocks[] = {
        {"1/4", 16008}, {"1/3", 21408}, {"2/5", 25728}, {"1/2", 32208}, {"3/5", 38688}, {"2/3", 43040},
        {"3/4", 48408}, {"4/5", 51648}, {"5/6", 53840}, {"8/9", 57472}, {"9/10", 58192},
    };
    const struct {
        const char* modulation;
        double bitsPerSymbol;
    } modulations[] = {{"QPSK", 2}, {"8PSK", 3}, {"16APSK", 4}, {"32APSK", 5}};
    for (const Modcod& modcod : Dvbs2Modcods) {
        SCOPED_TRACE(modcod.name);
        EXPECT_EQ(std::string(modcod.name), std::string(modcod.modulation) + " " + modcod.codeRate);
        double bch = 0, bits = 0;
        for (const auto& block : blocks)
            if (std::string(block.rate) == modcod.codeRate)
                bch = block.bchBits;
        for (const auto& modulation : modulations)
            if (std::string(modulation.modulation) == modcod.modulation)
                bits = modulation.bitsPerSymbol;
        ASSERT_GT(bch * bits, 0);
        EXPECT_NEAR(modcod.efficiency, (bch - 80) / (64800 / bits + 90), 5e-7);
    }
    EXPECT_EQ(Dvbs2ModcodCount, 28);
    EXPECT_STREQ(Dvbs2ModcodNames[Qpsk34], "QPSK 3/4");
    EXPECT_STREQ(Dvbs2ModcodNames[Apsk32_910], "32APSK 9/10");
}

// Within one modulation a stronger code needs less: the ideal Es/N0 rises with the rate.
TEST(Dvbs2Modcods, RequiredEsN0RisesWithTheRateOfEachModulation)
{
    for (int i = 1; i < Dvbs2ModcodCount; ++i) {
        SCOPED_TRACE(Dvbs2Modcods[i].name);
        if (std::string(Dvbs2Modcods[i].modulation) != Dvbs2Modcods[i - 1].modulation)
            continue;
        EXPECT_GT(Dvbs2Modcods[i].efficiency, Dvbs2Modcods[i - 1].efficiency);
        EXPECT_GT(Dvbs2Modcods[i].idealEsN0, Dvbs2Modcods[i - 1].idealEsN0);
    }
}

// Worked by hand (python3): C/N0 = C/N + 10 log10 B; Es/N0 = C/N0 - 10 log10 Rs; Eb/N0 = Es/N0 -
// 10 log10 (efficiency); required = ideal + implementation margin; margin = Es/N0 - required;
// bit rate = Rs x efficiency; occupied = Rs (1 + roll-off). The best MODCOD is read off the table
// by eye: the most efficient whose ideal Es/N0 is at most Es/N0 less the implementation margin.
TEST(LinkMargin, HandWorkedCarriers)
{
    const struct {
        const char* carrier;
        MarginInputs in;
        double cn0, esN0, ebN0, required, margin, bitRate, occupied;
        int best;
    } rows[] = {
        // Es/N0 less 1 dB is 10.17: 16APSK 3/4 (10.21) just misses, 16APSK 2/3 beats 8PSK 5/6.
        {"36 MHz transponder, 27.5 Msym/s QPSK 3/4", {10, 36e6, 27.5e6, 0.2, Qpsk34, 1.0},
         85.563025008, 11.169698069, 9.445207156, 5.03, 6.139698069, 40905507.5, 33e6, Apsk16_23},
        // 6.29 dB to spend: QPSK 8/9 and 8PSK 3/5 both fit; 8PSK 3/5 carries more, though it is
        // earlier in the table than QPSK 9/10, which does not fit.
        {"8PSK 2/3 short of its need", {6, 54e6, 45e6, 0.35, Psk8_23, 0.5},
         83.323937598, 6.791812460, 3.823765775, 7.12, -0.328187540, 89128620, 60.75e6, Psk8_35},
        {"strong carrier, every MODCOD fits", {20, 1e6, 1e6, 0.05, Apsk32_910, 0.0},
         80.0, 20.0, 13.513446716, 16.05, 3.95, 4453027, 1.05e6, Apsk32_910},
        // Eb/N0 above Es/N0: fewer than one useful bit a symbol.
        {"weak carrier, QPSK 1/4", {-5, 10e6, 2e6, 0.25, Qpsk14, 2.0},
         65.0, 1.989700043, 5.085586031, -0.35, 2.339700043, 980486, 2.5e6, Qpsk25},
        {"nothing fits", {-12, 5e6, 5e6, 0.2, Qpsk14, 0.0},
         54.989700043, -12.0, -8.904114013, -2.35, -9.65, 2451215, 6e6, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.carrier);
        const MarginResults out = LinkMargin(row.in);
        EXPECT_NEAR(out.carrierToNoiseDensity, row.cn0, 1e-9);
        EXPECT_NEAR(out.esN0, row.esN0, 1e-9);
        EXPECT_NEAR(out.ebN0, row.ebN0, 1e-9);
        EXPECT_NEAR(out.requiredEsN0, row.required, 1e-12);
        EXPECT_NEAR(out.margin, row.margin, 1e-9);
        EXPECT_NEAR(out.bitRate, row.bitRate, 1e-6);
        EXPECT_NEAR(out.occupiedBandwidth, row.occupied, 1e-6);
        EXPECT_EQ(out.bestModcod, row.best);
    }
}

// A margin of exactly zero is enough; the next double below it is not.
TEST(LinkMargin, BestModcodAtTheEdgeOfItsMargin)
{
    const double down = -std::numeric_limits<double>::infinity();
    const struct {
        const char* edge;
        int modcod;
        double implementation;
        int below; // the best one step below the edge
    } rows[] = {
        {"QPSK 9/10, no implementation margin", Qpsk910, 0.0, Psk8_35},
        {"QPSK 9/10 with 1 dB", Qpsk910, 1.0, Psk8_35},
        {"16APSK 2/3 with 0.3 dB", Apsk16_23, 0.3, Psk8_34},
        {"the most robust one", Qpsk14, 0.5, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.edge);
        const double edge = Dvbs2Modcods[row.modcod].idealEsN0 + row.implementation;
        EXPECT_EQ(ModcodMargin(row.modcod, edge, row.implementation), 0.0);
        EXPECT_EQ(BestModcod(edge, row.implementation), row.modcod);
        EXPECT_EQ(BestModcod(std::nextafter(edge, down), row.implementation), row.below);
        // The chart's points are the same margins, one per MODCOD in the table's order.
        const std::vector<ModcodMarginPoint> chart = MarginsOfEveryModcod(edge, row.implementation);
        ASSERT_EQ(chart.size(), std::size(Dvbs2Modcods));
        EXPECT_EQ(chart[row.modcod].margin, 0.0);
        EXPECT_EQ(chart[row.modcod].efficiency, Dvbs2Modcods[row.modcod].efficiency);
    }
}

} // namespace
