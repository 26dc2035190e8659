#pragma once

// A fitted coefficient that varies with temperature: a + b·T + c·T·ln T + d·T².
// Most fits use only a and b; the logarithm is taken only when c is set, so a fit
// without a T·ln T column also works at 0 K.
struct TemperatureTerm
{
    long double a = 0;
    long double b = 0;
    long double c = 0;
    long double d = 0;

    long double At(long double t) const;
};
