// Temperature-dependent coefficients of every fit.

#include "models/TemperatureTerm.h"

#include "platform/MathErrors.h"

long double TemperatureTerm::At(long double t) const
{
    long double value = a + b * t;
    if (c != 0)
        value += c * t * CheckedLn(t);
    return CheckedResult(value + d * t * t);
}
