#include "info/FigureNames.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace FigureNames {

namespace {

const QString Electrical = QStringLiteral("Electrical properties");
const QString Mechanical = QStringLiteral("Mechanical properties");
const QString Jpg = QStringLiteral(".jpg");

QString Code(const std::vector<std::pair<QString, QString>> &table, const QString &text)
{
    for (const auto &[name, code] : table)
        if (name == text)
            return code;
    return {};
}

QString SystemFolder(const QString &databaseFolder, const QString &kind, const QString &category,
    const QString &system)
{
    return Paths::Join(databaseFolder, kind) + u'/' + category + u'/' + system + u'/';
}

QString DiagramFolder(const QString &databaseFolder)
{
    return Paths::Join(databaseFolder, QStringLiteral("Diagram"));
}

// The names of the folder's files in name order, so the first one found is the same on every run.
QStringList FilesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

QString PropertyCode(const QString &property)
{
    static const std::vector<std::pair<QString, QString>> codes = {
        { QStringLiteral("Density"), QStringLiteral("D") },
        { QStringLiteral("Surface tension"), QStringLiteral("ST") },
        { QStringLiteral("Molar volume"), QStringLiteral("V") },
        { QStringLiteral("Viscosity"), QStringLiteral("L") },
        { Electrical, QStringLiteral("E") },
        { Mechanical, QStringLiteral("M") },
    };
    return Code(codes, property);
}

namespace {

// The sub-properties of a property with their codes, in the finder's list order.
const std::vector<std::pair<QString, QString>> &SubPropertyTable(const QString &property)
{
    static const std::vector<std::pair<QString, QString>> electrical = {
        { QStringLiteral("Resistance"), QStringLiteral("RE") },
        { QStringLiteral("Resistivity"), QStringLiteral("RY") },
        { QStringLiteral("Thermal conductivity"), QStringLiteral("TC") },
    };
    static const std::vector<std::pair<QString, QString>> mechanical = {
        { QStringLiteral("Hardness"), QStringLiteral("H") },
        { QStringLiteral("Shear Strength"), QStringLiteral("SS") },
        { QStringLiteral("Tensile Strength"), QStringLiteral("TS") },
        { QStringLiteral("Young's Modulus"), QStringLiteral("YM") },
    };
    static const std::vector<std::pair<QString, QString>> none;
    if (property == Electrical)
        return electrical;
    if (property == Mechanical)
        return mechanical;
    return none;
}

} // namespace

QStringList SubProperties(const QString &property)
{
    QStringList names;
    for (const auto &[name, code] : SubPropertyTable(property))
        names << name;
    return names;
}

QString SubPropertyCode(const QString &property, const QString &subProperty)
{
    return Code(SubPropertyTable(property), subProperty);
}

QString ModeCode(bool isotherms, bool temperature, bool isosurface)
{
    QString code;
    if (isotherms)
        code = QStringLiteral("X");
    if (temperature)
        code = QStringLiteral("T");
    if (isosurface)
        code = QStringLiteral("I");
    return code;
}

QString ModelCode(bool model, const QString &property)
{
    if (!model)
        return {};
    if (property == QLatin1String("Surface tension"))
        return QStringLiteral("But");
    if (property == QLatin1String("Viscosity"))
        return QStringLiteral("Model");
    return {};
}

QString FigureCode(const Selection &s)
{
    return PropertyCode(s.property) + SubPropertyCode(s.property, s.subProperty)
        + ModeCode(s.isotherms, s.temperature, s.isosurface) + ModelCode(s.model, s.property);
}

bool IsSectionCategory(const QString &category)
{
    return category == QLatin1String("Ternary systems")
        || category == QLatin1String("Quaternary systems")
        || category == QLatin1String("Quinary systems");
}

QString SectionName(const QString &section)
{
    return QString(section).replace(u'/', u'_');
}

bool IsViscosityModel(const Selection &s)
{
    return s.model && s.property == QLatin1String("Viscosity");
}

Candidates CandidateNames(const Selection &s, const QString &section)
{
    const QString code = FigureCode(s);
    const QString bySystem = s.system + u'_' + code + Jpg;
    const QString byAuthor = s.author + u'_' + s.system + u'_' + code + Jpg;
    Candidates names;
    if (s.category == QLatin1String("Pure metals"))
        names = { bySystem, byAuthor };
    else
        names = { byAuthor, {} };
    if (IsSectionCategory(s.category))
        names.first = s.author + u'_' + SectionName(section) + u'_' + code + Jpg;
    if (IsViscosityModel(s))
        names.first = bySystem;
    return names;
}

QString FigureFolder(const QString &databaseFolder, const QString &category, const QString &system)
{
    return SystemFolder(databaseFolder, QStringLiteral("Fig"), category, system);
}

const std::vector<FigureKind> &FigureKinds()
{
    static const std::vector<FigureKind> kinds = {
        { QStringLiteral("Isotherms of density"), QStringLiteral("DX.jpg") },
        { QStringLiteral("Temperature dependences of density"), QStringLiteral("DT.jpg") },
        { QStringLiteral("Isotherms of surface tension"), QStringLiteral("STX.jpg") },
        { QStringLiteral("Temperature dependences of surface tension"), QStringLiteral("STT.jpg") },
        { QStringLiteral("Butler model of Isotherms of surface tension"),
            QStringLiteral("STXBut.jpg") },
        { QStringLiteral("Isosurface tension"), QStringLiteral("STIBut.jpg") },
        { QStringLiteral("Butler model of Temperature dependences of surface tension"),
            QStringLiteral("STTBut.jpg") },
        { QStringLiteral("Isotherms of molar volume"), QStringLiteral("VX.jpg") },
        { QStringLiteral("Temperature dependences of molar volume"), QStringLiteral("VT.jpg") },
        { QStringLiteral("Isotherms of viscosity"), QStringLiteral("LX.jpg") },
        { QStringLiteral("Temperature dependences of viscosity"), QStringLiteral("LT.jpg") },
        { QStringLiteral("Isotherms of resistance"), QStringLiteral("EREX.jpg") },
        { QStringLiteral("Temperature dependences of resistance"), QStringLiteral("ERET.jpg") },
        { QStringLiteral("Isotherms of resistivity"), QStringLiteral("ERYX.jpg") },
        { QStringLiteral("Temperature dependences of resistivity"), QStringLiteral("ERYT.jpg") },
        { QStringLiteral("Isotherms of thermal conductivity"), QStringLiteral("ETCX.jpg") },
        { QStringLiteral("Temperature dependences of thermal conductivity"),
            QStringLiteral("ETCT.jpg") },
        { QStringLiteral("Isotherms of shear strength"), QStringLiteral("MSSX.jpg") },
        { QStringLiteral("Temperature dependences of shear strength"), QStringLiteral("MSST.jpg") },
        { QStringLiteral("Isotherms of tensile strength"), QStringLiteral("MTSX.jpg") },
        { QStringLiteral("Temperature dependences of tensile strength"),
            QStringLiteral("MTST.jpg") },
        { QStringLiteral("Isotherms of Yang's modulus"), QStringLiteral("MYMX.jpg") },
        { QStringLiteral("Temperature dependences of Yang's modulus"), QStringLiteral("MYMT.jpg") },
        { QStringLiteral("Isotherms of hardness"), QStringLiteral("MHX.jpg") },
        { QStringLiteral("Temperature dependences of hardness"), QStringLiteral("MHT.jpg") },
    };
    return kinds;
}

QString EndingOf(const QString &caption)
{
    for (const FigureKind &kind : FigureKinds())
        if (kind.caption == caption)
            return kind.ending;
    return {};
}

QString FigersPrefix(const QString &databaseFolder, const QString &category, const QString &system,
    const QString &author)
{
    return FigureFolder(databaseFolder, category, system) + author + u'_' + system + u'_';
}

QStringList ExistingKinds(const QString &prefix)
{
    QStringList captions;
    for (const FigureKind &kind : FigureKinds())
        if (!FindFile(prefix + kind.ending).isEmpty())
            captions << kind.caption;
    return captions;
}

const QStringList &MeniskKinds()
{
    static const QStringList kinds = {
        QStringLiteral("Contact or wetting angle"),
        QStringLiteral("Wetting force"),
        QStringLiteral("Wetting time"),
        QStringLiteral("Interfacial tension"),
    };
    return kinds;
}

QString MeniskFolder(const QString &databaseFolder, const QString &category, const QString &system)
{
    return SystemFolder(databaseFolder, QStringLiteral("Menisk"), category, system);
}

QString MeniskFileName(
    const QString &author, const QString &system, const QString &kind, const QString &designation)
{
    return author + u'_' + system + u'_' + kind + u'_' + designation + Jpg;
}

QString FindMeniskFigure(
    const QString &folder, const QString &author, const QString &system, const QString &kind)
{
    // Matched by hand: the tags' brackets would be character classes in a wildcard pattern.
    const QString head = author + u'_' + system + u'_' + kind + u'_';
    for (const QString &name : FilesOf(folder))
        if (name.startsWith(head, Qt::CaseInsensitive) && name.endsWith(Jpg, Qt::CaseInsensitive))
            return folder + name;
    return {};
}

QString DiagramFile(const QString &databaseFolder, const QString &category, const QString &system)
{
    return DiagramFolder(databaseFolder) + u'/' + category + u'/' + system + Jpg;
}

QString DiagramReferencesFile(const QString &databaseFolder)
{
    return DiagramFolder(databaseFolder) + QStringLiteral("/References.txt");
}

QString FindFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return path;
    const QString folder = info.path() + u'/';
    for (const QString &name : FilesOf(folder))
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder + name;
    return {};
}

} // namespace FigureNames
