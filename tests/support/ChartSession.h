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

// Temperature data on top of AddTestSystems. Density lines of "[9999Tst]" from 500 to 900 K
// (the line of X is A + B*T of its equation: 10, 9 and 8 minus T/1000 at X = 0, 0.5 and 1);
// its new compositions 0.25 (no line) and 0.75 (one end point only); section lines of
// "Ta-Tb-Tc" (section 1: X = 0 and 0.05, and 0.1 of every section; section 2: X = 0.05);
// measured viscosity points of "[9999Tst]": X = 0 at 600 and 700 K, X = 0.5 at 600, 700 and
// 800 K (the last without a value), X = 0.05 of section 1 at 650 and 750 K. The publication
// "[9997Lin]" (id 9903) has density lines of "Tb-Ta" at X = 0.2 and 0.4 from 600 to 1000 K,
// its density equation at X = 0.6 has no line, and its viscosity no measured point.
void AddTemperatureData(const QString &databaseFolder);

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
    // Rows a test class adds to the database copy before each of its tests.
    virtual void AddRows(const QString &databaseFolder) { Q_UNUSED(databaseFolder) }

private slots:
    void init();
    void cleanup();
};
