#pragma once

#include "models/ViscosityModels.h"

#include <QString>
#include <QStringList>

#include <vector>

// The text a viscosity curve leaves for the "Viscosity model" save: a data line per point
// (x, two tabs, η to two decimals) and two empty lines, after a header for systems that
// have one.
struct ViscosityMemoHeader
{
    QString modelText;
    QString typedT; // the temperature as the user typed it
    QString axisTitle; // the chart's left-axis caption
};

QStringList ViscosityMemoLines(const ViscositySystem &system, const ViscosityMemoHeader &header,
    const std::vector<ViscosityPoint> &points);
