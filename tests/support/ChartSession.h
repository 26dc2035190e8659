#pragma once

#include "support/Fixture.h"

#include <QString>
#include <QStringList>

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
