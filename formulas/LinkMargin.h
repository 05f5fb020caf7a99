// How much a DVB-S2 carrier's signal-to-noise ratio exceeds what its MODCOD needs, and the most
// efficient MODCOD the same ratio would still carry. Frequencies and rates in Hz, symbols and
// bits a second; ratios in dB.
#pragma once

#include "formulas/Dvbs2Modcods.h"

#include <vector>

struct MarginInputs {
    double carrierToNoise = 0.0;       // C/N, dB, over noiseBandwidth
    double noiseBandwidth = 1.0;       // Hz
    double symbolRate = 1.0;           // symbols/s
    double rollOff = 0.0;              // of the carrier's spectrum, 0..1
    int modcod = 0;                    // index into Dvbs2Modcods
    double implementationMargin = 0.0; // dB the real demodulator needs above the ideal
};

struct MarginResults {
    double carrierToNoiseDensity = 0.0; // C/N0, dB-Hz
    double esN0 = 0.0;                  // dB
    double ebN0 = 0.0;                  // dB, per useful bit of the MODCOD
    double requiredEsN0 = 0.0;          // dB: the MODCOD's ideal and the implementation margin
    double margin = 0.0;                // dB: what is left above the required Es/N0
    double bitRate = 0.0;               // useful bits/s
    double occupiedBandwidth = 0.0;     // Hz
    int bestModcod = -1;                // index into Dvbs2Modcods, -1 for none
};

MarginResults LinkMargin(const MarginInputs& in);

// Es/N0 (dB) from C/N (dB) measured in a noise bandwidth (Hz), for a carrier of symbolRate: the
// noise density the C/N implies, spread over one symbol.
double EsN0FromCarrierToNoise(double carrierToNoise, double noiseBandwidth, double symbolRate);

// The margin (dB) MODCOD `modcod` leaves at esN0 with the implementation margin: negative where
// the carrier would not be received.
double ModcodMargin(int modcod, double esN0, double implementationMargin);

// The most efficient MODCOD whose margin at esN0 is not negative, or -1 where even the most
// robust one fails.
int BestModcod(double esN0, double implementationMargin);

// The margin of every MODCOD at esN0, in the table's order, for a chart of margin against
// spectral efficiency.
struct ModcodMarginPoint {
    int modcod;
    double efficiency; // bits per symbol
    double margin;     // dB
};
std::vector<ModcodMarginPoint> MarginsOfEveryModcod(double esN0, double implementationMargin);
