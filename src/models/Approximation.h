#pragma once

#include "models/SurfaceFraction.h"
#include "models/TemperatureTerm.h"
#include "platform/Fixed.h"

#include <QStringView>

#include <optional>
#include <variant>
#include <vector>

// Published fits of density and surface tension of binaries and sections against the
// composition X, one set per publication, with the molar volume that follows from the
// density. Values are held to four decimals the way the chart shows them.

enum class ApproxProperty { Density, SurfaceTension, MolarVolume };

// A value a publication does not give is empty: the chart draws no curve for it.
struct ApproxValues
{
    std::optional<Fixed> density; // g/cm^3
    std::optional<Fixed> surfaceTension; // mN/m
    Fixed molarMass; // g/mole
    std::optional<Fixed> molarVolume; // cm^3/mole, from the held molar mass and density

    std::optional<Fixed> Of(ApproxProperty property) const;
};

// first·(1 − X) + second·X + Σ powersOfX[k]·X^k + X·(1 − X)·Σ excess[k]·w^k, w = 1 − 2X.
// Every coefficient is linear in T; a part a publication does not use is left empty.
struct CompositionFit
{
    TemperatureTerm first;
    TemperatureTerm second;
    std::vector<TemperatureTerm> powersOfX;
    std::vector<TemperatureTerm> excess;
    bool holdsW2 = false; // some publications hold w² to four decimals
};

// Szyszkowski's form: line·[1 + slope·ln(X + offset·(1 − X))].
struct SzyszkowskiFit
{
    TemperatureTerm line;
    TemperatureTerm slope;
    long double offset = 0;
};

using ApproxFormula = std::variant<CompositionFit, SzyszkowskiFit, SurfaceFractionFit>;

// Molar mass of the alloy: Σ share·(1 − X)·M over the base, plus X·M of the added element.
// A binary's base is its first element alone.
struct AlloyMass
{
    struct Share
    {
        long double fraction;
        long double molarMass;
    };
    std::vector<Share> base;
    long double added = 0;
};

// The compositions a system's curve is drawn at, X = i / divisor, and the publications
// ("[2003Vel1]", ...) whose fits the program holds for it.
struct ApproxCurve
{
    const char *system;
    std::vector<const char *> tags;
    int points;
    int divisor;
    AlloyMass mass;
};

// The fits of one publication for one system.
struct Approximation
{
    const ApproxCurve *curve;
    const ApproxFormula *density; // null when the publication gives none
    const ApproxFormula *surfaceTension; // null when the publication gives none

    Fixed X(int point) const;
    ApproxValues At(Fixed x, Fixed t) const;
};

// Empty when the program holds no fits of that publication for that system.
std::optional<Approximation> FindApproximation(QStringView system, QStringView tag);

// One formula at X and T, before it is held.
long double Evaluate(const ApproxFormula &formula, Fixed x, Fixed t);
