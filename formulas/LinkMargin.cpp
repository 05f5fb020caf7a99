#include "formulas/LinkMargin.h"

#include "framework/Units.h"

namespace {

const Modcod& ModcodAt(int modcod)
{
    return Dvbs2Modcods[static_cast<std::size_t>(modcod)];
}

} // namespace

double EsN0FromCarrierToNoise(double carrierToNoise, double noiseBandwidth, double symbolRate)
{
    return carrierToNoise + ToDb(noiseBandwidth) - ToDb(symbolRate);
}

double ModcodMargin(int modcod, double esN0, double implementationMargin)
{
    return esN0 - (ModcodAt(modcod).idealEsN0 + implementationMargin);
}

int BestModcod(double esN0, double implementationMargin)
{
    int best = -1;
    for (int i = 0; i < Dvbs2ModcodCount; ++i) {
        if (ModcodMargin(i, esN0, implementationMargin) < 0.0)
            continue;
        if (best < 0 || ModcodAt(i).efficiency > ModcodAt(best).efficiency)
            best = i;
    }
    return best;
}

std::vector<ModcodMarginPoint> MarginsOfEveryModcod(double esN0, double implementationMargin)
{
    std::vector<ModcodMarginPoint> points;
    points.reserve(Dvbs2ModcodCount);
    for (int i = 0; i < Dvbs2ModcodCount; ++i)
        points.push_back({i, ModcodAt(i).efficiency, ModcodMargin(i, esN0, implementationMargin)});
    return points;
}

MarginResults LinkMargin(const MarginInputs& in)
{
    const Modcod& modcod = ModcodAt(in.modcod);
    MarginResults out;
    out.carrierToNoiseDensity = in.carrierToNoise + ToDb(in.noiseBandwidth);
    out.esN0 = EsN0FromCarrierToNoise(in.carrierToNoise, in.noiseBandwidth, in.symbolRate);
    out.ebN0 = out.esN0 - ToDb(modcod.efficiency);
    out.requiredEsN0 = modcod.idealEsN0 + in.implementationMargin;
    out.margin = out.esN0 - out.requiredEsN0;
    out.bitRate = in.symbolRate * modcod.efficiency;
    out.occupiedBandwidth = in.symbolRate * (1.0 + in.rollOff);
    out.bestModcod = BestModcod(out.esN0, in.implementationMargin);
    return out;
}
