#include "Equations.h"

#include <algorithm>
#include <cmath>

namespace {

QVector<qint64> Grid(double from, double to, double step)
{
    QVector<qint64> xs;
    const qint64 last = std::llround(to * 10000), increment = std::llround(step * 10000);
    for (qint64 x = std::llround(from * 10000); x <= last; x += increment)
        xs.append(x);
    return xs;
}

QString Unit(Property property)
{
    return property == Property::Density ? QStringLiteral("g/cm3") : QStringLiteral("mN/m");
}

// The straight-line fit is exact (to the arithmetic) wherever the source is linear in T.
constexpr double ExactFit = 1e-6;

} // namespace

long double EquationRow::ValueAt(long double t) const
{
    return LineValue(property, c, t);
}

Equations::Equations(const Catalogue &catalogue, const Sources &sources)
    : m_catalogue(catalogue)
    , m_sources(sources)
{
    // Every pure-metal line that the sources hold, with its temperature line and points.
    for (const Element &element : catalogue.Elements())
        for (Property property :
            { Property::Density, Property::SurfaceTension, Property::Viscosity })
            if (sources.PureLine(element.symbol, property))
                Add({ QStringLiteral("[2025Dem1]"), element.symbol, property, Source::PureLine,
                    Lines | Points });
    for (const SeriesRow &series : SeriesTable())
        Add(series);
}

Composition Equations::Path(const SystemInfo &system, const SectionRow *section) const
{
    QVector<Component> base;
    QString added;
    if (section) {
        for (const auto &[symbol, fraction] : section->base)
            base.append({ QLatin1String(symbol), fraction, 0 });
        added = QLatin1String(section->added);
    } else {
        const QStringList elements = system.Elements();
        base.append({ elements.first(), 1, 0 });
        added = elements.last();
    }
    return m_sources.Path(system.name, base, added);
}

void Equations::Add(const SeriesRow &series)
{
    const SystemInfo &system = m_catalogue.System(series.system);
    double deviation = -1;
    if (system.category == PureMetals) {
        deviation = AddPath(series, system, nullptr, { 10000 });
    } else if (system.category == BinarySystems) {
        QVector<qint64> xs = Grid(0, 1, 0.1);
        for (double x : BinaryExtraCompositions(system.name))
            xs.append(std::llround(x * 10000));
        std::sort(xs.begin(), xs.end());
        deviation = AddPath(series, system, nullptr, xs);
    } else {
        for (const SectionRow &section : SectionTable())
            if (system.name == QLatin1String(section.system))
                deviation = std::max(deviation,
                    AddPath(series, system, &section,
                        Grid(section.from, section.to,
                            series.step > 0 ? series.step : section.step)));
    }
    if (deviation >= 0)
        Note(series, system, deviation);
}

std::optional<CompositionCurve> Equations::Curve(
    const SeriesRow &series, const SystemInfo &system, const SectionRow *section) const
{
    switch (series.source) {
    case Source::Formula:
        return m_sources.Formula(system.name, series.tag, series.property);
    case Source::Butler:
        return m_sources.Butler(system.name);
    case Source::ViscosityModel:
        return m_sources.ViscosityModel(system.name);
    case Source::PureLine: {
        const std::optional<Coefficients> line = m_sources.PureLine(system.name, series.property);
        if (!line)
            return std::nullopt;
        return [line = *line, property = series.property](
                   long double, long double t) { return LineValue(property, line, t); };
    }
    case Source::Ideal:
        return m_sources.Ideal(Path(system, section), series.property);
    }
    return std::nullopt;
}

double Equations::AddPath(const SeriesRow &series, const SystemInfo &system,
    const SectionRow *section, const QVector<qint64> &xs)
{
    const std::optional<CompositionCurve> curve = Curve(series, system, section);
    if (!curve) {
        const QString missing
            = series.tag + u' ' + system.name + u' ' + Catalogue::PropertyName(series.property);
        if (!m_missing.contains(missing))
            m_missing.append(missing);
        return -1;
    }
    const Publication &publication = m_catalogue.PublicationOf(series.tag);
    // Viscosity equations pass through the model at the ends of the models' own range.
    const std::pair<int, int> range = series.source == Source::ViscosityModel
        ? *m_sources.ViscosityRange(system.name)
        : std::make_pair(system.tLow, system.tHigh);
    double deviation = 0;
    for (qint64 x : xs) {
        const TemperatureCurve at = [&](long double t) { return (*curve)(x / 10000.0L, t); };
        double atX = 0;
        const Coefficients c = series.property == Property::Viscosity
            ? FitArrhenius(at, range.first, range.second)
            : FitLine(at, system.tLow, system.tHigh, &atX);
        deviation = std::max(deviation, atX);
        m_rows.append({ series.property, &system, &publication, x, c, section, series.extras });
    }
    return deviation;
}

void Equations::Note(const SeriesRow &series, const SystemInfo &system, double deviation)
{
    const QString range = QStringLiteral("over %1-%2 K").arg(system.tLow).arg(system.tHigh);
    const QString largest = QStringLiteral(", largest deviation %1 %2")
                                .arg(QString::number(deviation, 'g', 2), Unit(series.property));
    QString how;
    if (series.source == Source::Formula && deviation > ExactFit)
        how = QStringLiteral("least-squares line of the fit ") + range + largest;
    else if (series.source == Source::Butler)
        how = QStringLiteral("least-squares line of the Butler-model fit ") + range + largest;
    else if (series.source == Source::Ideal && series.property == Property::Density)
        how = QStringLiteral("additive molar volumes of the pure-metal lines, least-squares line ")
            + range + largest;
    else if (series.source == Source::Ideal && series.property == Property::SurfaceTension)
        how = QStringLiteral("mole-fraction average of the pure-metal lines");
    else if (series.source == Source::Ideal && series.property == Property::Viscosity)
        how = QStringLiteral("mole-fraction averages of the pure-metal A and E");
    if (how.isEmpty())
        return;
    const QString note = system.name + u' ' + Catalogue::PropertyName(series.property).toLower()
        + QStringLiteral(": ") + how;
    QStringList &notes = m_notes[series.tag];
    if (!notes.contains(note))
        notes.append(note);
}
