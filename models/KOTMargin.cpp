#include "models/KOTMargin.h"

#include <span>
#include <string_view>

namespace {

constexpr const char* NoModcod = "none";

using M = CKOTMargin;

constexpr std::span<const char* const> ModcodChoices(Dvbs2ModcodNames);

// A result that names a MODCOD or none: an enumeration over the MODCODs that may also be -1.
constexpr VarRow<M> BestModcodVar(const char* name, int M::*member)
{
    return {name, VarKindInt, UnitNone, UnitNone, -1.0, Dvbs2ModcodCount - 1.0,
            nullptr, member, nullptr, {0, -1}, ModcodChoices};
}

constexpr VarRow<M> Rows[] = {
    RealVar("C/N", UnitDb, -50.0, 100.0, &M::m_carrierToNoise),
    RealVar("Noise Bandwidth", UnitHz, UnitMHz, 1.0, 1e12, &M::m_noiseBandwidth),
    RealVar("Symbol Rate", UnitSymPerS, UnitMsymPerS, 1.0, 1e12, &M::m_symbolRate),
    RealVar("Roll-off", UnitNone, 0.0, 1.0, &M::m_rollOff),
    EnumVar("MODCOD", ModcodChoices, &M::m_modcod),
    RealVar("Implementation Margin", UnitDb, 0.0, 20.0, &M::m_implementationMargin),
    // C/N0 in the program's unit for a ratio to a density (dB/Hz), read as dB-Hz.
    RealVar("C/N0", UnitDbHz, 0.0, 0.0, &M::m_carrierToNoiseDensity),
    RealVar("Es/N0", UnitDb, 0.0, 0.0, &M::m_esN0),
    RealVar("Eb/N0", UnitDb, 0.0, 0.0, &M::m_ebN0),
    RealVar("Required Es/N0", UnitDb, 0.0, 0.0, &M::m_requiredEsN0),
    RealVar("Link Margin", UnitDb, 0.0, 0.0, &M::m_margin),
    RealVar("Useful Bit Rate", UnitBitPerS, UnitMbitPerS, 0.0, 0.0, &M::m_bitRate),
    RealVar("Occupied Bandwidth", UnitHz, UnitMHz, 0.0, 0.0, &M::m_occupiedBandwidth),
    BestModcodVar("Best MODCOD", &M::m_bestModcod),
};
static_assert(CoversEveryVar(Rows));

// QPSK 3/4: see the constructor.
constexpr int StartingModcod = 6;
static_assert(std::string_view(Dvbs2Modcods[StartingModcod].name) == "QPSK 3/4");

} // namespace

VarRows<CKOTMargin> CKOTMargin::Vars()
{
    return Rows;
}

// A 36 MHz transponder carrying the common 27.5 Msym/s carrier in QPSK 3/4 with a roll-off of
// 0.2 (33 MHz, inside the transponder), at a C/N of 10 dB and with 1 dB for the demodulator:
// a margin of about 6 dB, the kind of link people check first.
CKOTMargin::CKOTMargin()
    : m_carrierToNoise(10.0)
    , m_noiseBandwidth(36e6)
    , m_symbolRate(27.5e6)
    , m_rollOff(0.2)
    , m_modcod(StartingModcod)
    , m_implementationMargin(1.0)
{
    Recalculate();
}

CKOTMargin::~CKOTMargin() = default;

void CKOTMargin::GetTypeName(std::string& out) const
{
    out = "Link Margin tool";
}

int CKOTMargin::GetVarAccess(int index) const
{
    if (index >= FirstDerivedVar && index < VarTotal)
        return VarReadOnly;
    if (m_lockedToLink && (index == VarCarrierToNoise || index == VarNoiseBandwidth))
        return VarReadOnly;
    return CKorTableObj::GetVarAccess(index);
}

const char* CKOTMargin::GetEnumText(int index, int choice) const
{
    if (index == VarBestModcod && choice == -1)
        return NoModcod;
    return CKorTableObj::GetEnumText(index, choice);
}

int CKOTMargin::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    return StoreEntry(index, value, sink);
}

int CKOTMargin::SetIntVar(int index, const int& value, ErrorSink& sink)
{
    return StoreEntry(index, value, sink);
}

void CKOTMargin::LockToLink(double carrierToNoise, double noiseBandwidth)
{
    m_carrierToNoise = carrierToNoise;
    m_noiseBandwidth = noiseBandwidth;
    m_lockedToLink = true;
    Recalculate();
}

void CKOTMargin::TakeCarrierFrom(const CKOTMargin& other)
{
    m_symbolRate = other.m_symbolRate;
    m_rollOff = other.m_rollOff;
    m_modcod = other.m_modcod;
    m_implementationMargin = other.m_implementationMargin;
    Recalculate();
}

MarginInputs CKOTMargin::Inputs() const
{
    MarginInputs in;
    in.carrierToNoise = m_carrierToNoise;
    in.noiseBandwidth = m_noiseBandwidth;
    in.symbolRate = m_symbolRate;
    in.rollOff = m_rollOff;
    in.modcod = m_modcod;
    in.implementationMargin = m_implementationMargin;
    return in;
}

void CKOTMargin::Recalculate()
{
    const MarginResults out = LinkMargin(Inputs());
    m_carrierToNoiseDensity = out.carrierToNoiseDensity;
    m_esN0 = out.esN0;
    m_ebN0 = out.ebN0;
    m_requiredEsN0 = out.requiredEsN0;
    m_margin = out.margin;
    m_bitRate = out.bitRate;
    m_occupiedBandwidth = out.occupiedBandwidth;
    m_bestModcod = out.bestModcod;
}

const char* CKOTMargin::BestModcodText() const
{
    const char* text = GetEnumText(VarBestModcod, m_bestModcod);
    return text ? text : NoModcod;
}

std::vector<ModcodMarginPoint> CKOTMargin::MarginsOfEveryModcod() const
{
    return ::MarginsOfEveryModcod(m_esN0, m_implementationMargin);
}
