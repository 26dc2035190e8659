#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The coded names of the figure files of the database folder, and the searches for them.
namespace FigureNames {

// What the figure finder reads from the windows when it looks for a figure.
struct Selection
{
    QString category; // "Pure metals", "Binary systems", ...
    QString system; // "Ag-Sn"
    QString property; // "Density", ...
    QString subProperty; // "Resistivity", ... (electrical and mechanical properties only)
    QString author; // the publication's reference tag, "[2003Vel1]"
    bool isotherms = false;
    bool temperature = false;
    bool isosurface = false;
    bool model = false;
};

QString PropertyCode(const QString &property);
// The sub-properties of the electrical and mechanical properties, in the finder's list order;
// empty for any other property.
QStringList SubProperties(const QString &property);
QString SubPropertyCode(const QString &property, const QString &subProperty);
// The last checked box in the order isotherms, temperature, isosurface decides.
QString ModeCode(bool isotherms, bool temperature, bool isosurface);
QString ModelCode(bool model, const QString &property);
QString FigureCode(const Selection &s);

// Ternary and higher systems keep their figures per section.
bool IsSectionCategory(const QString &category);
// A section as file names carry it: every '/' becomes '_'.
QString SectionName(const QString &section);
// The model figures of viscosity are named by the system alone.
bool IsViscosityModel(const Selection &s);

// The file names (with ".jpg") tried in turn; `second` is empty where there is none. `section`
// is the section picker's text for ternary and higher systems.
struct Candidates
{
    QString first;
    QString second;
};
Candidates CandidateNames(const Selection &s, const QString &section);

// "<database>/Fig/<category>/<system>/".
QString FigureFolder(const QString &databaseFolder, const QString &category, const QString &system);

// One kind of figure of the figure list: its caption and the file-name ending after the prefix.
struct FigureKind
{
    QString caption;
    QString ending;
};
const std::vector<FigureKind> &FigureKinds();
// The ending of a listed caption; empty for any other text.
QString EndingOf(const QString &caption);
// The figure list's prefix: the folder, then "<author>_<system>_".
QString FigersPrefix(const QString &databaseFolder, const QString &category, const QString &system,
    const QString &author);
// The captions whose file exists, in table order.
QStringList ExistingKinds(const QString &prefix);

// The kinds of meniscographic figures, in list order.
const QStringList &MeniskKinds();
// "<database>/Menisk/<category>/<system>/".
QString MeniskFolder(const QString &databaseFolder, const QString &category, const QString &system);
// "<author>_<system>_<kind>_<designation>.jpg".
QString MeniskFileName(
    const QString &author, const QString &system, const QString &kind, const QString &designation);
// The first meniscographic figure of the kind, whatever its designation; empty when none.
QString FindMeniskFigure(
    const QString &folder, const QString &author, const QString &system, const QString &kind);

// "<database>/Diagram/<category>/<system>.jpg", the phase diagram of a system.
QString DiagramFile(const QString &databaseFolder, const QString &category, const QString &system);
// "<database>/Diagram/References.txt", the references of every phase diagram.
QString DiagramReferencesFile(const QString &databaseFolder);

// The file at `path` as the desktop's file search finds it: the name in any case, never a
// folder. Empty when there is none.
QString FindFile(const QString &path);

} // namespace FigureNames
