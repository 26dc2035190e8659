#pragma once

#include "models/SurfaceFraction.h"
#include "models/TemperatureTerm.h"
#include "platform/Fixed.h"

#include <QStringView>

#include <array>
#include <optional>
#include <span>
#include <variant>

// Closed-form fits of the Butler model: surface tension σ [mN/m] of a liquid alloy
// against the mole fraction X of the second element of the system name and T [K].
// Every result is held to four decimals, as the chart shows it.

// Sign convention of the excess series; coefficients are fitted for one of them only.
enum class ExcessSign { OneMinusTwoX, TwoXMinusOne };

// σ = σ_first·(1 − X) + σ_second·X + X·(1 − X)·Σ rows[k]·u^k, both lines held.
struct RedlichKisterFit
{
    TemperatureTerm sigmaFirst;
    TemperatureTerm sigmaSecond;
    ExcessSign u;
    std::span<const TemperatureTerm> rows;
};

// The Ag-Cu-Sn section at a fixed Ag:Sn ratio, X = x_Cu, combined from its three binaries
// and a ternary term Σ_n (ag_n·x_Ag^n + cu_n·x_Cu^n + sn_n·x_Sn^n).
struct AgCuSnSectionFit
{
    long double agShare;
    long double snShare;
    const RedlichKisterFit *agCu; // X = x_Cu of the pair
    const RedlichKisterFit *agSn; // X = x_Sn of the pair
    const RedlichKisterFit *cuSn; // X = x_Sn of the pair; only its excess term enters
    std::span<const std::array<TemperatureTerm, 3>> ternary; // Ag, Cu, Sn for n = 1, 2, ...
};

// A straight line in T that does not depend on X.
using ButlerFit
    = std::variant<RedlichKisterFit, SurfaceFractionFit, AgCuSnSectionFit, TemperatureTerm>;

Fixed ButlerSurfaceTension(const ButlerFit &fit, Fixed x, Fixed t);

// σ where the fit describes a liquid alloy; nothing where a surface fraction leaves [0, 1] (the
// surface-fraction fits at high temperatures), a value does not compute (T·ln T at 0 K) or σ
// is not above 0 mN/m (fits far below their temperatures).
std::optional<Fixed> ButlerSurfaceTensionInDomain(const ButlerFit &fit, Fixed x, Fixed t);

// An isotherm: X = i/100 for i = 0 .. points − 1.
struct ButlerIsotherm
{
    const char *system;
    ButlerFit fit;
    int points;

    Fixed X(int point) const;
};

// Null for a system without a Butler isotherm.
const ButlerIsotherm *FindButlerIsotherm(QStringView system);

// σ against T from firstT to lastT in steps of 100 K at a fixed X.
struct ButlerTemperatureCurve
{
    const char *system;
    const char *publication; // null unless the system offers a choice of publications
    int firstT;
    int lastT;
    ButlerFit fit;

    int Points() const;
    Fixed T(int point) const;
};

// Null for a system without such a curve. Where a system offers a choice ("Bi-Sn"), the
// publication ("[2006Ro1]" or "[2001Kor3]") picks the curve; elsewhere it is ignored.
const ButlerTemperatureCurve *FindButlerTemperatureCurve(
    QStringView system, QStringView publication = {});
