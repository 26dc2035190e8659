#pragma once

#include "Catalogue.h"
#include "Coefficients.h"
#include "Composition.h"

#include <QString>

#include <functional>
#include <optional>

// A property value against composition and temperature.
using CompositionCurve = std::function<long double(long double x, long double t)>;

// Where the numbers of the data set come from: the fitted formulas and models that the program
// holds (src/models), the pure-metal lines taken from their end members, and ideal mixing of
// those lines.
class Sources
{
public:
    explicit Sources(const Catalogue &catalogue);

    // The approximation fit of a publication for density or surface tension.
    std::optional<CompositionCurve> Formula(
        const QString &system, const QString &tag, Property property) const;
    // The Butler-model isotherm fit of surface tension.
    std::optional<CompositionCurve> Butler(const QString &system) const;
    // The viscosity model that the demonstration equations are fitted to ("Kaptay"), and the
    // temperature range of the system's viscosity models.
    std::optional<CompositionCurve> ViscosityModel(const QString &system) const;
    std::optional<std::pair<int, int>> ViscosityRange(const QString &system) const;

    // Line of a pure metal: density or surface tension A + B*T, or viscosity A*exp(B/RT).
    std::optional<Coefficients> PureLine(const QString &symbol, Property property) const;
    // Ideal mixing of the pure-metal lines along the path: additive molar volumes for density,
    // mole-fraction averages of the lines for surface tension and of A and E for viscosity. The
    // lines are looked up once, not at every evaluation.
    std::optional<CompositionCurve> Ideal(const Composition &path, Property property) const;

    // The base and added element of a composition path with their molar masses: the masses of
    // the program's approximation fits where it holds one for the system, so that molar volumes
    // from the database match its curves, else the standard atomic weights.
    Composition Path(
        const QString &system, const QVector<Component> &base, const QString &added) const;

private:
    const Catalogue &m_catalogue;
};
