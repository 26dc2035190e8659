#pragma once

#include "Catalogue.h"
#include "Coefficients.h"
#include "Composition.h"
#include "DataSet.h"
#include "Sources.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// One equation of the data set: value = A + B*T at composition X, or A*exp(B/(R*T)) for
// viscosity, with B then holding the activation energy E in J/mol.
struct EquationRow
{
    Property property;
    const SystemInfo *system;
    const Publication *publication;
    qint64 x; // composition times 10^4: every X has at most four decimals
    Coefficients c;
    const SectionRow *section; // null for pure metals and binaries
    int extras;

    // The same double wherever X is written, so the joins on X match exactly.
    double X() const { return static_cast<double>(x) / 10000.0; }
    long double ValueAt(long double t) const;
};

// Evaluates every series of the data set into equation rows.
class Equations
{
public:
    Equations(const Catalogue &catalogue, const Sources &sources);

    const QVector<EquationRow> &Rows() const { return m_rows; }
    // How the numbers of a publication were obtained, beyond its own title.
    QStringList Notes(const QString &tag) const { return m_notes.value(tag); }
    // Series whose source the program does not hold; they are left out.
    const QStringList &Missing() const { return m_missing; }
    // The composition path of a binary (section null) or of a section line.
    Composition Path(const SystemInfo &system, const SectionRow *section) const;

private:
    void Add(const SeriesRow &series);
    // The largest deviation of the fitted lines from the source, or -1 without a source.
    double AddPath(const SeriesRow &series, const SystemInfo &system, const SectionRow *section,
        const QVector<qint64> &xs);
    std::optional<CompositionCurve> Curve(
        const SeriesRow &series, const SystemInfo &system, const SectionRow *section) const;
    void Note(const SeriesRow &series, const SystemInfo &system, double deviation);

    const Catalogue &m_catalogue;
    const Sources &m_sources;
    QVector<EquationRow> m_rows;
    QMap<QString, QStringList> m_notes;
    QStringList m_missing;
};
