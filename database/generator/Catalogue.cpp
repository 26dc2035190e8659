#include "Catalogue.h"

#include <stdexcept>

template <typename Index>
static qsizetype Find(const Index &index, const QString &key, const char *what)
{
    const auto it = index.find(key);
    if (it == index.end())
        throw std::runtime_error(
            (QStringLiteral("unknown %1 ").arg(QLatin1String(what)) + key).toStdString());
    return it.value();
}

Catalogue::Catalogue(const QString &sourceFolder)
{
    const ContentTable elements(sourceFolder, QStringLiteral("elements.tsv"));
    for (qsizetype r = 0; r < elements.Count(); ++r) {
        m_elementIndex.insert(elements.Text(r, 0), r);
        m_elements.append({ elements.Text(r, 0), elements.Number(r, 1), elements.Number(r, 2),
            elements.Number(r, 3), elements.Text(r, 4), elements.Number(r, 5),
            elements.Number(r, 6) });
    }
    const ContentTable systems(sourceFolder, QStringLiteral("systems.tsv"));
    for (qsizetype r = 0; r < systems.Count(); ++r) {
        m_systemIndex.insert(systems.Text(r, 0), r);
        m_systems.append({ int(r + 1), systems.Text(r, 0), int(systems.Number(r, 1)),
            systems.Text(r, 2), int(systems.Number(r, 3)), int(systems.Number(r, 4)) });
    }
    const ContentTable publications(sourceFolder, QStringLiteral("publications.tsv"));
    for (qsizetype r = 0; r < publications.Count(); ++r) {
        m_publicationIndex.insert(publications.Text(r, 0), r);
        m_publications.append({ int(r + 1), publications.Text(r, 0),
            publications.NumberOrNull(r, 1), publications.TextOrNull(r, 2), publications.Text(r, 3),
            publications.TextOrNull(r, 4), publications.TextOrNull(r, 5),
            publications.TextOrNull(r, 6) });
    }
}

QStringList Catalogue::CategoryNames()
{
    return { QStringLiteral("Pure metals"), QStringLiteral("Binary systems"),
        QStringLiteral("Ternary systems"), QStringLiteral("Quaternary systems"),
        QStringLiteral("Quinary systems") };
}

QStringList Catalogue::PropertyNames()
{
    return { QStringLiteral("Density"), QStringLiteral("Surface tension"),
        QStringLiteral("Molar volume"), QStringLiteral("Viscosity"),
        QStringLiteral("Electrical properties"), QStringLiteral("Mechanical properties") };
}

const Element &Catalogue::ElementOf(const QString &symbol) const
{
    return m_elements.at(Find(m_elementIndex, symbol, "element"));
}

const SystemInfo &Catalogue::System(const QString &name) const
{
    return m_systems.at(Find(m_systemIndex, name, "system"));
}

const Publication &Catalogue::PublicationOf(const QString &tag) const
{
    return m_publications.at(Find(m_publicationIndex, tag, "publication"));
}
