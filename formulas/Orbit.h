// Circular-orbit period and the Earth-centre / satellite / ground-point triangle.
// Units: km, s, radians. The Earth is a sphere of radius EarthRadius.
#pragma once

// Period of a circular orbit. Each takes one quantity and writes the other one of
// height/radius through the reference. Inputs outside the usable range are clamped before use.
double PeriodFromHeight(double height, double& radius);
double PeriodFromRadius(double radius, double& height);
double HeightFromPeriod(double period, double& radius);

// Field-of-view triangle with four quantities: satellite height h, elevation eps of the
// satellite seen from the ground point, slant distance d, and nadir angle eta at the satellite.
// Each solver takes two of them (the first two references), clamps them in place to what a
// real triangle allows, writes a third through the third reference and returns the fourth.
double FovFromHeightNadir(double& height, double& nadir, double& distance);           // -> elevation
double FovFromHeightElevation(double& height, double& elevation, double& distance);   // -> nadir
double FovFromHeightDistance(double& height, double& distance, double& elevation);    // -> nadir
double FovFromElevationNadir(double& elevation, double& nadir, double& height);       // -> distance
double FovFromDistanceNadir(double& distance, double& nadir, double& height);         // -> elevation
double FovFromDistanceElevation(double& distance, double& elevation, double& height); // -> nadir
