// Wavelength, free-space path loss and spreading loss.
// Units: km, Hz, dB. Out-of-domain inputs give a fixed value instead of an error.
#pragma once

double WavelengthFromFrequency(double frequency);
double FrequencyFromWavelength(double wavelength);

// 20*log10(4*pi*d/lambda).
double FreeSpaceLoss(double distance, double frequency);
double DistanceFromLoss(double loss, double frequency);
double FrequencyFromLoss(double loss, double distance);

// Loss relative to one square metre: 10*log10(4*pi*r^2), r in metres.
double SpreadingLoss(double distance);
double DistanceFromSpreadingLoss(double loss);
