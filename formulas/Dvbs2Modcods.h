// The DVB-S2 modulations and codes (MODCODs) on normal frames of 64800 bits, as the link-margin
// tool offers them. From ETSI EN 302 307-1, table 13: the spectral efficiency (useful bits per
// symbol, without pilots) and the ideal Es/N0 a quasi-error-free reception (packet error rate
// 1e-7 on a Gaussian-noise channel) needs. Kept in the order of that table: by modulation, then by
// code rate, which is not quite the order of efficiency (8PSK 3/5 carries less than QPSK 9/10).
#pragma once

#include <array>
#include <cstddef>
#include <iterator>

struct Modcod {
    const char* name;       // "QPSK 3/4", as the tool lists it
    const char* modulation; // "QPSK"
    const char* codeRate;   // "3/4"
    double efficiency;      // bits per symbol
    double idealEsN0;       // dB
};

inline constexpr Modcod Dvbs2Modcods[] = {
    {"QPSK 1/4", "QPSK", "1/4", 0.490243, -2.35},
    {"QPSK 1/3", "QPSK", "1/3", 0.656448, -1.24},
    {"QPSK 2/5", "QPSK", "2/5", 0.789412, -0.30},
    {"QPSK 1/2", "QPSK", "1/2", 0.988858, 1.00},
    {"QPSK 3/5", "QPSK", "3/5", 1.188304, 2.23},
    {"QPSK 2/3", "QPSK", "2/3", 1.322253, 3.10},
    {"QPSK 3/4", "QPSK", "3/4", 1.487473, 4.03},
    {"QPSK 4/5", "QPSK", "4/5", 1.587196, 4.68},
    {"QPSK 5/6", "QPSK", "5/6", 1.654663, 5.18},
    {"QPSK 8/9", "QPSK", "8/9", 1.766451, 6.20},
    {"QPSK 9/10", "QPSK", "9/10", 1.788612, 6.42},
    {"8PSK 3/5", "8PSK", "3/5", 1.779991, 5.50},
    {"8PSK 2/3", "8PSK", "2/3", 1.980636, 6.62},
    {"8PSK 3/4", "8PSK", "3/4", 2.228124, 7.91},
    {"8PSK 5/6", "8PSK", "5/6", 2.478562, 9.35},
    {"8PSK 8/9", "8PSK", "8/9", 2.646012, 10.69},
    {"8PSK 9/10", "8PSK", "9/10", 2.679207, 10.98},
    {"16APSK 2/3", "16APSK", "2/3", 2.637201, 8.97},
    {"16APSK 3/4", "16APSK", "3/4", 2.966728, 10.21},
    {"16APSK 4/5", "16APSK", "4/5", 3.165623, 11.03},
    {"16APSK 5/6", "16APSK", "5/6", 3.300184, 11.61},
    {"16APSK 8/9", "16APSK", "8/9", 3.523143, 12.89},
    {"16APSK 9/10", "16APSK", "9/10", 3.567342, 13.13},
    {"32APSK 3/4", "32APSK", "3/4", 3.703295, 12.73},
    {"32APSK 4/5", "32APSK", "4/5", 3.951571, 13.64},
    {"32APSK 5/6", "32APSK", "5/6", 4.119540, 14.28},
    {"32APSK 8/9", "32APSK", "8/9", 4.397854, 15.69},
    {"32APSK 9/10", "32APSK", "9/10", 4.453027, 16.05},
};
inline constexpr int Dvbs2ModcodCount = static_cast<int>(std::size(Dvbs2Modcods));

// The names alone, in the table's order: the choices of an enumeration.
inline constexpr std::array<const char*, Dvbs2ModcodCount> Dvbs2ModcodNames = [] {
    std::array<const char*, Dvbs2ModcodCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = Dvbs2Modcods[i].name;
    return names;
}();
