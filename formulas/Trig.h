// Inverse sine and cosine that tolerate arguments a rounding error outside [-1, 1].
#pragma once

double SafeAsin(double x);
double SafeAcos(double x);
