#pragma once

#include "platform/Fixed.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

// Viscosity models of liquid binaries: η [mPa·s] against the mole fraction x of the second
// element at one temperature, from pure-component Arrhenius constants plus excess terms
// fitted for each model. They run in double precision, unlike the surface-tension fits.

enum class ViscosityModel {
    IidaUedaMorita,
    Kaptay,
    KozlovRomanovPetrov,
    MoelwynHughes,
    Seetharaman1,
    SeetharamanDuSichen,
};

// The gas constant of the viscosity equations, J/(mol·K).
inline constexpr double GasConstant = 8.314472;

// The models offered for choice, in their order; "Seetharaman 1" can only be typed.
QStringList ViscosityModelChoices();

// A·exp(E/(R·T)): the viscosity [mPa·s] of an equation with A [mPa·s] and E [J/mol] at T [K].
double Arrhenius(double a, double e, double t);

// The Arrhenius curve through two points (T in K, finite η > 0) as points from (t1, v1) to
// (t2, v2), close enough that the segments between them stay within 1 % of the curve. Points
// that no such curve joins give the straight line between them.
QList<QPointF> ArrheniusLine(int t1, double v1, int t2, double v2);

// The model named exactly by its text ("Kaptay", ...); empty for any other text, for which
// no excess terms are defined.
std::optional<ViscosityModel> ViscosityModelFromText(QStringView text);

// Excess terms ΔA [mPa·s] and ΔE [J/mol], each x·(1 − x)·Σ_k (c_k + c'_k·T)·y^k with
// y = 1 − 2x, written c0, c'0, c1, c'1, ..., c4, c'4.
struct ViscosityExcess
{
    std::array<double, 10> deltaA;
    std::array<double, 10> deltaE;
};

// Every curve's points are also written out as text for saving; some after a header.
enum class ViscosityMemo { Points, HeaderAndPoints };

struct ViscositySystem
{
    const char *system;
    int minT; // K, inclusive
    int maxT; // K, inclusive
    double a1, a2; // mPa·s, first and second element
    double e1, e2; // J/mol
    ViscosityMemo memo;
    const char *ownRangeMessage; // null: the common wording
    std::array<ViscosityExcess, 6> models; // in the order of ViscosityModel
};

struct ViscosityPoint
{
    double x;
    double eta;
};

// Null for a system without viscosity models.
const ViscositySystem *FindViscositySystem(QStringView system);

bool InTemperatureRange(const ViscositySystem &system, Fixed t);
QString TemperatureRangeMessage(const ViscositySystem &system);

// η at x and T [K]; the excess terms vanish at x = 0 and x = 1.
double Viscosity(const ViscositySystem &system, ViscosityModel model, double x, double t);

// The 101 points x = 0, 0.01, ..., 1 of one curve.
std::vector<ViscosityPoint> ViscosityCurve(
    const ViscositySystem &system, ViscosityModel model, Fixed t);

// Some fits turn negative inside their stated range; a curve with a viscosity at or below zero
// describes no liquid.
bool Physical(const std::vector<ViscosityPoint> &curve);
