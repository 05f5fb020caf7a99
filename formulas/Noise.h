// Thermal noise N = kTB and the receive figure of merit G/T.
// Units: noise dBW, temperature K, bandwidth Hz, gain dB, G/T dB/K.
#pragma once

double NoisePower(double temperature, double bandwidth);
double TemperatureFromNoise(double noise, double bandwidth);
double BandwidthFromNoise(double temperature, double noise);

double GtoTFromGain(double gain, double temperature);
double GainFromGtoT(double temperature, double gtot);
double TemperatureFromGtoT(double gain, double gtot);
