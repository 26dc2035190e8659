#pragma once

#include "support/Fixture.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class TfmWykres;

// Runs SQL on the database copy of a fixture through a connection of its own.
void ExecSql(const QString &databaseFolder, const QStringList &statements);

// Small systems and a publication of their own, so chart tests do not depend on the shipped
// demonstration data: the binary "Tb-Ta" (id 901), the ternary "Ta-Tb-Tc" (id 902, sections
// 1 and 2), the publication "[9999Tst]" (id 9901) with density, molar-volume and viscosity
// rows, and "[9998Emp]" (id 9902) listed without equations.
void AddTestSystems(const QString &databaseFolder);

// Opens the chart window as the selection window's Next does, for a category, system and
// property chosen in the main and selection windows.
class ChartSession
{
public:
    ChartSession(const QString &category, const QString &system, const QString &property,
                 bool temperatureDependence = false);
    ~ChartSession();
    TfmWykres *window;
};

// Base of the chart-window tests: a fresh program with the test systems for every test, and at
// most one chart window open at a time.
class ChartTestCase : public QObject
{
    Q_OBJECT
protected:
    std::unique_ptr<ProgramFixture> p;
    std::unique_ptr<ChartSession> s;

    // Opens the chart window; a non-empty tag is picked in the isotherm publication picker.
    TfmWykres *Open(const QString &category, const QString &system, const QString &property,
                    bool temperatureDependence = false, const QString &tag = {});

private slots:
    void init();
    void cleanup();
};
