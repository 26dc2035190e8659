#pragma once

#include "Catalogue.h"

#include <QString>

#include <utility>
#include <vector>

// Where a series of equations takes its numbers from (see Sources).
enum class Source {
    Formula, // the approximation fit of the publication
    Butler, // least-squares lines of the Butler-model isotherm fit
    ViscosityModel, // A*exp(E/RT) through the viscosity model at the ends of the range
    Ideal, // ideal mixing of the pure-metal lines
    PureLine, // the pure-metal line itself
};

// What a series holds beside its equations.
enum Extras {
    NoExtras = 0,
    Lines = 1, // a temperature line (two end points) at every composition
    Points = 2, // values of the equation at five temperatures, as measured points
    PointGap = 4, // no points at X = 0.5, so that composition shows "no points"
};

// Equations of one publication for one property of one system, at the compositions of the
// system's path (every section line of a ternary or higher system).
struct SeriesRow
{
    QString tag;
    QString system;
    Property property;
    Source source;
    int extras = NoExtras;
    double step = 0; // sections: a coarser step than the section's own
};

// One line of a section of a ternary or higher system: a base alloy to which X of one element
// is added. Eutectic 10 marks a line shown with every section of the system.
struct SectionRow
{
    const char *system;
    int eutectic;
    int line;
    const char *designation; // DANE45.UKLAD and FIG.UKLAD
    const char *label; // EUT.OZNACZENIE, the eutectic picker's text
    std::vector<std::pair<const char *, double>> base; // the balance element last
    const char *added;
    double from;
    double to;
    double step;
};

// A publication listed in WLA_TAB_PUB for a property of which it holds figures only.
struct FigureOnlyLink
{
    const char *tag;
    const char *system;
    Property property;
};

const std::vector<SeriesRow> &SeriesTable();
const std::vector<SectionRow> &SectionTable();
const std::vector<FigureOnlyLink> &FigureOnlyTable();
// The compositions at which the program's own examples evaluate the binary fits.
std::vector<double> BinaryExtraCompositions(const QString &system);
