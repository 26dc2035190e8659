#pragma once

#include "models/TemperatureTerm.h"
#include "platform/Fixed.h"

#include <array>

// Surface tension of a binary whose surface is richer in one element than the bulk:
// the two pure-metal lines are mixed by the surface fraction x_s of that element,
//   P = Q0 + Q1·y + Q2·y² (held),  x_s = y / ((1 − y)·P + y),
//   σ = σ_y·x_s + σ_other·(1 − x_s),
// with y the bulk fraction of the same element. Publications differ in what they hold
// to four decimals, so that is part of the fit.
struct SurfaceFractionFit
{
    TemperatureTerm sigmaFirst; // pure first element of the system name
    TemperatureTerm sigmaSecond;
    bool yIsFirst = false; // y = 1 − X (first element) or y = X (second element)
    std::array<TemperatureTerm, 3> q;
    bool holdsLines = false;
    bool holdsFraction = false;
};

struct SurfaceFractionPoint
{
    Fixed p;
    long double xs;
    long double sigma; // not yet held; callers assign it
};

// X is the mole fraction of the second element, T in K.
SurfaceFractionPoint SurfaceFractionAt(const SurfaceFractionFit &fit, Fixed x, Fixed t);
