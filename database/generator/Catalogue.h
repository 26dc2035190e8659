#pragma once

#include "ContentTable.h"
#include "Ids.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct Element
{
    QString symbol;
    double atomicMass;
    double meltingPoint;
    double boilingPoint;
    QString structure;
    double covalentRadius;
    double atomicRadius;
};

struct SystemInfo
{
    int id;
    QString name;
    int category;
    QString axis;
    int tLow;
    int tHigh;

    QStringList Elements() const { return name.split(u'-'); }
};

struct Publication
{
    int id;
    QString tag;
    QVariant year;
    QVariant authors;
    QString title;
    QVariant journal;
    QVariant volume;
    QVariant pages;
};

// The fixed facts of the content files: pure metals, systems and publications with their ids.
class Catalogue
{
public:
    explicit Catalogue(const QString &sourceFolder);

    static QStringList CategoryNames();
    static QString CategoryName(const SystemInfo &system)
    {
        return CategoryNames().at(system.category - 1);
    }
    static QStringList PropertyNames();
    static QString PropertyName(Property property) { return PropertyNames().at(Id(property) - 1); }

    const QVector<Element> &Elements() const { return m_elements; }
    const QVector<SystemInfo> &Systems() const { return m_systems; }
    const QVector<Publication> &Publications() const { return m_publications; }

    const Element &ElementOf(const QString &symbol) const;
    const SystemInfo &System(const QString &name) const;
    const Publication &PublicationOf(const QString &tag) const;

private:
    QVector<Element> m_elements;
    QVector<SystemInfo> m_systems;
    QVector<Publication> m_publications;
    QHash<QString, qsizetype> m_elementIndex;
    QHash<QString, qsizetype> m_systemIndex;
    QHash<QString, qsizetype> m_publicationIndex;
};
