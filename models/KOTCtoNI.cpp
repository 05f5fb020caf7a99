#include "models/KOTCtoNI.h"

#include "framework/Units.h"

#include <cmath>

namespace {

// Each ratio is typed within this many decibels of 0 dB, where FromDb saturates.
constexpr double RatioRange = 3000.0;

constexpr VarRow<CKOTCtoNI> Rows[] = {
    RealVar("C/N", UnitDb, -RatioRange, RatioRange, &CKOTCtoNI::m_cn),
    RealVar("I/N", UnitDb, -RatioRange, RatioRange, &CKOTCtoNI::m_in),
    RealVar("C/I", UnitDb, -RatioRange, RatioRange, &CKOTCtoNI::m_ci),
    RealVar("C/(N+I)", UnitDb, -RatioRange, RatioRange, &CKOTCtoNI::m_cni),
};
static_assert(CoversEveryVar(Rows));

// ToDb(a * b), also where the product of the two ratios is past the largest double: it is then
// the sum of their decibels, the same value. Everywhere else the product keeps its last bit.
double ProductInDb(double a, double b)
{
    const double product = a * b;
    return std::isfinite(product) ? ToDb(product) : ToDb(a) + ToDb(b);
}

// Lowers the link's transmit power so that its C/N becomes `cn`, everything else kept.
void AlignTransmitPower(CKOTLink& link, double cn)
{
    link.m_txPower -= link.m_cn - cn;
    link.Recalculate();
}

} // namespace

VarRows<CKOTCtoNI> CKOTCtoNI::Vars()
{
    return Rows;
}

CKOTCtoNI::CKOTCtoNI()
{
    m_interfering.m_wantedSignal = 0;
    UpdateForCnOrIn();
}

CKOTCtoNI::~CKOTCtoNI() = default;

void CKOTCtoNI::GetTypeName(std::string& out) const
{
    out = "C/(N+I) Tool";
}

// With C/N, I/N, C/I and C/(N+I) as linear ratios c, i, x and y, x = c / i and
// 1/y = 1/c + 1/x = (1 + i) / c. Of the six entries only one has limits of its own:
// - C/N or I/N, the other kept: x and y follow for any value;
// - C/I with C/N held: i = c / x; with I/N held: c = x i; any C/I is met;
// - C/(N+I) with I/N held: c = y (1 + i), any C/(N+I) is met;
// - C/(N+I) with C/N held: i = c / y - 1, which no interference makes negative, so y may not
//   pass c; at y = c there is none at all, which UpdateForCni shows as I/N saturated. Nor may
//   y fall more than RatioRange below c: the I/N it needs would pass the highest one FromDb
//   gives, and I/N would be cut there, no longer giving the C/(N+I) entered.
// The derived ratios of the others may pass RatioRange; their decibels are still exact.
int CKOTCtoNI::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (index == VarCni && m_fixedVar == FixedCn && !CheckRealLimits(value, m_cn - RatioRange, m_cn, sink, VarCni))
        return 0;
    if (!CheckAndStore(index, value, sink))
        return 0;
    switch (index) {
    case VarCn:
    case VarIn:
        UpdateForCnOrIn();
        break;
    case VarCi:
        UpdateForCi();
        break;
    default:
        UpdateForCni();
        break;
    }
    return 1;
}

void CKOTCtoNI::ComputeCni()
{
    // FromDb saturates at +-3000 dB, so neither reciprocal nor their sum can overflow.
    m_cni = ToDb(1 / (1 / FromDb(m_cn) + 1 / FromDb(m_ci)));
}

void CKOTCtoNI::UpdateForCnOrIn()
{
    m_ci = m_cn - m_in;
    ComputeCni();
}

void CKOTCtoNI::UpdateForCi()
{
    if (m_fixedVar == FixedCn)
        m_in = m_cn - m_ci;
    else
        m_cn = m_ci + m_in;
    ComputeCni();
}

void CKOTCtoNI::UpdateForCni()
{
    if (m_fixedVar == FixedCn) {
        const double r = FromDb(m_cn - m_cni) - 1;
        if (r > 0) {
            m_in = ToDb(r);
            m_ci = m_cn - m_in;
        } else {
            // C/(N+I) at C/N (an entry above it is refused): no interference at all, I/N as
            // low as a decibel goes, and the C/(N+I) that none gives, which is C/N.
            m_in = -3000;
            UpdateForCnOrIn();
        }
        return;
    }
    // I/N of 1500 dB and C/(N+I) of 1600 dB need a C/N of 3100 dB, whose ratio is past the
    // largest double.
    m_cn = ProductInDb(FromDb(m_in) + 1, FromDb(m_cni));
    m_ci = m_cn - m_in;
}

void CKOTCtoNI::RunWantedLink()
{
    RunLink(m_wanted, m_interfering);
}

void CKOTCtoNI::RunInterferingLink()
{
    RunLink(m_interfering, m_wanted);
}

void CKOTCtoNI::DeriveUnsavedValues()
{
    ShareFrequencyAndReceiver(m_wanted, m_interfering);
}

void CKOTCtoNI::ShareFrequencyAndReceiver(const CKOTLink& from, CKOTLink& to)
{
    to.m_bandwidth = from.m_bandwidth;
    to.m_noise = from.m_noise;
    to.m_temperature = from.m_temperature;
    to.m_frequencyDisplay = from.m_frequencyDisplay;
    to.m_wavelengthDisplay = from.m_wavelengthDisplay;
    to.m_frequency = from.m_frequency;
    to.m_wavelength = from.m_wavelength;
    to.UpdateFrequency();
    to.Recalculate();
}

// Both links share one frequency and one receiver after either is worked; each keeps its own
// transmitter, antennas and path.
void CKOTCtoNI::RunLink(CKOTLink& shown, CKOTLink& other)
{
    AlignTransmitPower(m_wanted, m_cn);
    AlignTransmitPower(m_interfering, m_in);
    shown.RunDialog();
    ShareFrequencyAndReceiver(shown, other);

    m_cn = m_wanted.m_cn;
    m_in = m_interfering.m_cn;
    UpdateForCnOrIn();
}
