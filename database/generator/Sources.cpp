#include "Sources.h"

#include "models/Approximation.h"
#include "models/ButlerFits.h"
#include "models/ViscosityModels.h"

#include <cmath>
#include <stdexcept>

namespace {

// Which fit each pure-metal line is the end member of. Density comes from an approximation fit
// (system, tag), surface tension from the pure-metal line of a Butler fit and viscosity from
// the pure-component constants of the viscosity models of the named system.
struct PureLineSource
{
    const char *symbol;
    Property property;
    const char *system;
    const char *tag;
};

const PureLineSource PureLines[] = {
    { "Ag", Property::Density, "Ag-Sn", "[2001Kor1]" },
    { "Bi", Property::Density, "Bi-Sn", "[2001Kor3]" },
    { "Cu", Property::Density, "Cu-Sn", "[2005Kor2]" },
    { "In", Property::Density, "In-Sn", "[2002Tam]" },
    { "Pb", Property::Density, "Pb-Sn", "[2001Vel2]" },
    { "Sb", Property::Density, "Sb-Sn", "[2003Vel2]" },
    { "Sn", Property::Density, "Ag-Sn", "[2001Kor1]" },
    { "Zn", Property::Density, "Sn-Zn", "[2004Dun]" },
    { "Ag", Property::SurfaceTension, "Ag-Sn", "" },
    { "Au", Property::SurfaceTension, "Au-Sn", "" },
    { "Bi", Property::SurfaceTension, "Bi-Sn", "" },
    { "Cu", Property::SurfaceTension, "Cu-Sn", "" },
    { "In", Property::SurfaceTension, "In-Sn", "" },
    { "Pb", Property::SurfaceTension, "Pb-Sn", "" },
    { "Sb", Property::SurfaceTension, "Sb-Sn", "" },
    { "Sn", Property::SurfaceTension, "Ag-Sn", "" },
    { "Zn", Property::SurfaceTension, "In-Zn", "" },
    { "Ag", Property::Viscosity, "Ag-Sn", "" },
    { "Al", Property::Viscosity, "Al-Zn", "" },
    { "Au", Property::Viscosity, "Au-Sn", "" },
    { "Bi", Property::Viscosity, "Bi-Cu", "" },
    { "Cd", Property::Viscosity, "Cd-Sn", "" },
    { "Cu", Property::Viscosity, "Cu-Sn", "" },
    { "In", Property::Viscosity, "In-Sn", "" },
    { "Pb", Property::Viscosity, "Pb-Sn", "" },
    { "Sn", Property::Viscosity, "Ag-Sn", "" },
    { "Zn", Property::Viscosity, "Sn-Zn", "" },
};

// Ideal mixing of the lines, one for each element of the mixture in its order; an element
// absent from the mixture counts for nothing.
long double IdealValue(const QVector<Component> &mixture, const QVector<Coefficients> &lines,
    Property property, long double t)
{
    if (property == Property::Density) {
        long double mass = 0, volume = 0;
        for (qsizetype i = 0; i < mixture.size(); ++i) {
            const Component &c = mixture[i];
            if (c.fraction == 0)
                continue;
            mass += c.fraction * c.molarMass;
            volume += c.fraction * c.molarMass / LineValue(Property::Density, lines[i], t);
        }
        return mass / volume;
    }
    // Surface tension averages the lines, viscosity averages A and E.
    Coefficients mean { 0, 0 };
    for (qsizetype i = 0; i < mixture.size(); ++i) {
        const Component &c = mixture[i];
        if (c.fraction == 0)
            continue;
        mean.a += double(c.fraction * lines[i].a);
        mean.b += double(c.fraction * lines[i].b);
    }
    return LineValue(property, mean, t);
}

} // namespace

Sources::Sources(const Catalogue &catalogue)
    : m_catalogue(catalogue)
{
}

std::optional<CompositionCurve> Sources::Formula(
    const QString &system, const QString &tag, Property property) const
{
    const std::optional<Approximation> fits = FindApproximation(system, tag);
    if (!fits)
        return std::nullopt;
    const ApproxFormula *formula = property == Property::Density ? fits->density
        : property == Property::SurfaceTension                   ? fits->surfaceTension
                                                                 : nullptr;
    if (!formula)
        return std::nullopt;
    return [formula](long double x, long double t) { return Evaluate(*formula, x, t); };
}

std::optional<CompositionCurve> Sources::Butler(const QString &system) const
{
    const ButlerIsotherm *isotherm = FindButlerIsotherm(system);
    if (!isotherm)
        return std::nullopt;
    return [isotherm](long double x, long double t) {
        return static_cast<long double>(ButlerSurfaceTension(isotherm->fit, x, t));
    };
}

std::optional<CompositionCurve> Sources::ViscosityModel(const QString &system) const
{
    const ViscositySystem *models = FindViscositySystem(system);
    if (!models)
        return std::nullopt;
    return [models](long double x, long double t) {
        return static_cast<long double>(
            Viscosity(*models, ViscosityModel::Kaptay, double(x), double(t)));
    };
}

std::optional<std::pair<int, int>> Sources::ViscosityRange(const QString &system) const
{
    const ViscositySystem *models = FindViscositySystem(system);
    if (!models)
        return std::nullopt;
    return std::make_pair(models->minT, models->maxT);
}

// The two pure-metal lines of a Butler isotherm fit, where the fit holds them.
static std::optional<std::array<TemperatureTerm, 2>> ButlerLines(const ButlerFit &fit)
{
    if (const auto *rk = std::get_if<RedlichKisterFit>(&fit))
        return std::array { rk->sigmaFirst, rk->sigmaSecond };
    if (const auto *sf = std::get_if<SurfaceFractionFit>(&fit))
        return std::array { sf->sigmaFirst, sf->sigmaSecond };
    return std::nullopt;
}

std::optional<Coefficients> Sources::PureLine(const QString &symbol, Property property) const
{
    for (const PureLineSource &source : PureLines) {
        if (symbol != QLatin1String(source.symbol) || property != source.property)
            continue;
        const QString system = QLatin1String(source.system);
        const bool second = !system.startsWith(symbol + u'-');
        if (property == Property::Density) {
            const std::optional<CompositionCurve> fit
                = Formula(system, QLatin1String(source.tag), property);
            if (!fit)
                return std::nullopt;
            // The end member of a fit is a straight line in T; its least-squares line is exact.
            return FitLine(
                [&](long double t) { return (*fit)(second ? 1 : 0, t); }, 500, 1500, nullptr);
        }
        if (property == Property::SurfaceTension) {
            const ButlerIsotherm *isotherm = FindButlerIsotherm(system);
            const auto lines = isotherm ? ButlerLines(isotherm->fit) : std::nullopt;
            if (!lines)
                return std::nullopt;
            const TemperatureTerm &line = (*lines)[second ? 1 : 0];
            return Coefficients { double(line.a), double(line.b) };
        }
        const ViscositySystem *models = FindViscositySystem(system);
        if (!models)
            return std::nullopt;
        return second ? Coefficients { models->a2, models->e2 }
                      : Coefficients { models->a1, models->e1 };
    }
    return std::nullopt;
}

std::optional<CompositionCurve> Sources::Ideal(const Composition &path, Property property) const
{
    if (property != Property::Density && property != Property::SurfaceTension
        && property != Property::Viscosity)
        return std::nullopt;
    // Every element of the path is in the mixture at X = 0.5, so each needs its line.
    QVector<Coefficients> lines;
    for (const Component &c : path.At(0.5L)) {
        const std::optional<Coefficients> line = PureLine(c.symbol, property);
        if (!line)
            return std::nullopt;
        lines.append(*line);
    }
    return [path, lines, property](
               long double x, long double t) { return IdealValue(path.At(x), lines, property, t); };
}

Composition Sources::Path(
    const QString &system, const QVector<Component> &base, const QString &added) const
{
    Composition path { base, { added, 0, m_catalogue.ElementOf(added).atomicMass } };
    for (Component &c : path.base)
        c.molarMass = m_catalogue.ElementOf(c.symbol).atomicMass;
    for (const Publication &publication : m_catalogue.Publications()) {
        const std::optional<Approximation> fits = FindApproximation(system, publication.tag);
        if (!fits)
            continue;
        const AlloyMass &mass = fits->curve->mass;
        if (std::size_t(base.size()) != mass.base.size())
            throw std::runtime_error(
                ("the base of " + system + " differs from its fits").toStdString());
        for (qsizetype i = 0; i < base.size(); ++i) {
            if (std::fabs(base[i].fraction - mass.base[std::size_t(i)].fraction) > 1e-12)
                throw std::runtime_error(
                    ("the base of " + system + " differs from its fits").toStdString());
            path.base[i].molarMass = mass.base[std::size_t(i)].molarMass;
        }
        path.added.molarMass = mass.added;
        break;
    }
    return path;
}
