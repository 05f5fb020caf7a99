// The program defaults: three settings fixed for the whole run and never saved.
#pragma once

class CKorDefaults {
public:
    // Digits after the decimal point in number text, and the exponent of the threshold
    // 10^-places below which numbers are shown in exponential form.
    int m_decimalPlaces = 4;
    bool m_trimTrailingZeros = true;
    // Starting frequency of the path-loss, link budget and PFD models (12 GHz).
    double m_defaultFrequency = 1.2e10;
};

// The process-wide defaults. They are constant, so a function-local static is constructed on
// first use, which is always before any tool model needs it.
const CKorDefaults& KorDefaults();
