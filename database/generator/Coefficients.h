#pragma once

#include "models/ViscosityModels.h"

#include "Ids.h"

#include <functional>

// How the generator turns a property curve into the stored equation coefficients.
using TemperatureCurve = std::function<long double(long double t)>;

struct Coefficients
{
    double a;
    double b;
};

// value = A + B*T by least squares over evenly spaced temperatures of [tLow, tHigh]; exact (to
// the rounding of the curve) when the curve is a straight line in T. maxDeviation receives the
// largest distance between the curve and the line at those temperatures.
Coefficients FitLine(const TemperatureCurve &curve, int tLow, int tHigh, double *maxDeviation);

// value = A*exp(B/(R*T)) through the curve's values at tLow and tHigh.
Coefficients FitArrhenius(const TemperatureCurve &curve, int tLow, int tHigh);

// The value of an equation: A + B*T, or A*exp(B/(R*T)) for viscosity (property id 4).
long double LineValue(Property property, const Coefficients &c, long double t);

// Stored coefficients keep 10 significant digits, enough for every fit and free of the noise
// of the arithmetic.
double Significant(double value);
