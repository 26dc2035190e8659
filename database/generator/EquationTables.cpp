#include "EquationTables.h"

#include "platform/Fixed.h"

#include <QVariant>

#include <set>
#include <tuple>

namespace {

// Nr and Nr2 of lines and points: the eutectic and the line number of a section, else Null.
QVariant Eutectic(const EquationRow &row)
{
    return row.section ? QVariant(row.section->eutectic) : QVariant();
}

QVariant LineNumber(const EquationRow &row)
{
    return row.section ? QVariant(row.section->line) : QVariant();
}

void WriteEquationRows(DatabaseWriter &db, const Equations &equations)
{
    int id = 0;
    for (const EquationRow &r : equations.Rows()) {
        if (r.section)
            db.Insert("DANE45",
                { Id(r.property), r.system->id, r.publication->id, r.section->eutectic,
                    QLatin1String(r.section->designation), r.c.a, r.c.b, r.X(), r.section->line });
        else
            db.Insert("DANE_WLASNOSCI",
                { ++id, Id(r.property), r.system->id, r.publication->id, r.X(), r.c.a, r.c.b });
    }
}

// A line is its two end points, each with the coefficients that give its value there. Viscosity
// ends hold the value itself with B = 0, so A + B*T and A + B*Log(T) agree.
void WriteTemperatureLines(DatabaseWriter &db, const Equations &equations)
{
    int id = 0;
    for (const EquationRow &r : equations.Rows()) {
        if (!(r.extras & Lines))
            continue;
        for (int t : { r.system->tLow, r.system->tHigh }) {
            const bool viscosity = r.property == Property::Viscosity;
            const double a = viscosity ? Significant(double(r.ValueAt(t))) : r.c.a;
            db.Insert("DANE_WLASNOSCI_T",
                { ++id, Id(r.property), r.system->id, r.publication->id, r.X(), t, a,
                    viscosity ? 0.0 : r.c.b, Eutectic(r), LineNumber(r) });
        }
        db.Insert("DANE_WLA_T",
            { Id(r.property), r.system->id, r.publication->id, r.X(), r.system->tLow,
                r.system->tHigh });
    }
}

// Values of the equation at five temperatures of the system's range, held to four decimals.
void WriteMeasuredPoints(DatabaseWriter &db, const Equations &equations)
{
    for (const EquationRow &r : equations.Rows()) {
        if (!(r.extras & Points) || ((r.extras & PointGap) && r.x == 5000))
            continue;
        for (int k = 0; k <= 4; ++k) {
            const int t = r.system->tLow + (r.system->tHigh - r.system->tLow) * k / 4;
            db.Insert("PUNKTY_D",
                { r.system->id, Id(r.property), r.publication->id, r.X(), t,
                    Fixed(r.ValueAt(t)).ToDouble(), Eutectic(r), LineNumber(r) });
        }
    }
}

// Every publication with equations is listed for its property; one with density is listed for
// molar volume too, which the program computes from the density rows.
void WriteLinks(DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations)
{
    std::set<std::tuple<int, int, int>> links;
    for (const EquationRow &r : equations.Rows()) {
        links.insert({ Id(r.property), r.system->id, r.publication->id });
        if (r.property == Property::Density)
            links.insert({ Id(Property::MolarVolume), r.system->id, r.publication->id });
    }
    for (const FigureOnlyLink &link : FigureOnlyTable())
        links.insert({ Id(link.property), catalogue.System(QLatin1String(link.system)).id,
            catalogue.PublicationOf(QLatin1String(link.tag)).id });
    for (const auto &[property, system, publication] : links)
        db.Insert("WLA_TAB_PUB", { property, system, publication });
}

// One composition row per system (binaries) or section line and X: the balance element takes
// what the others leave, the added element is X.
void WriteCompositions(DatabaseWriter &db, const Equations &equations)
{
    std::set<std::tuple<int, const SectionRow *, qint64>> written;
    for (const EquationRow &r : equations.Rows()) {
        if (r.system->category == PureMetals
            || !written.insert({ r.system->id, r.section, r.x }).second)
            continue;
        const Composition path = equations.Path(*r.system, r.section);
        const QVector<Component> mixture = path.At(r.X());
        QVariantList masses, fractions;
        for (const Component &c : mixture)
            masses.append(double(c.molarMass));
        for (qsizetype i = 0; i + 2 < mixture.size(); ++i)
            fractions.append(Significant(double(mixture[i].fraction)));
        fractions.append(r.X());
        QVariantList values { r.system->id };
        values += masses;
        values += fractions;
        if (r.section) {
            values.append(r.section->eutectic);
            if (r.system->category >= QuaternarySystems)
                values.append(r.section->line);
        }
        db.Insert(QStringLiteral("UKL_%1").arg(mixture.size()), values);
    }
}

void WriteEutectics(DatabaseWriter &db, const Catalogue &catalogue)
{
    int id = 0;
    std::set<std::pair<QString, int>> written;
    for (const SectionRow &section : SectionTable())
        if (section.eutectic != 10
            && written.insert({ QLatin1String(section.system), section.eutectic }).second)
            db.Insert("EUT",
                { ++id, catalogue.System(QLatin1String(section.system)).id, section.eutectic,
                    QLatin1String(section.label) });
}

} // namespace

void WriteEquationTables(DatabaseWriter &db, const Catalogue &catalogue, const Equations &equations)
{
    WriteEquationRows(db, equations);
    WriteTemperatureLines(db, equations);
    WriteMeasuredPoints(db, equations);
    WriteLinks(db, catalogue, equations);
    WriteCompositions(db, equations);
    WriteEutectics(db, catalogue);
}
