#include "formulas/Constants.h"

double EarthGM = 398601.25;

double GetEarthGM()
{
    return EarthGM;
}
