#include "Figures.h"

#include "FigureRenderer.h"

#include "info/FigureNames.h"

#include <iterator>
#include <set>
#include <stdexcept>
#include <tuple>

namespace {

enum class Plot {
    Isotherms, // value against X at three temperatures of the system's range
    TemperatureDependence, // value against T at up to three compositions
    Placeholder, // a labelled placeholder for figures the data set holds no values for
};

struct FigureRow
{
    const char *system;
    const char *tag;
    Property property;
    const char *code; // the program's figure code: property, sub-property, mode, model
    Plot plot;
    const char *section = nullptr; // names the file and the FIG row of a section figure
    bool byAuthor = true; // false: "<system>_<code>", the name tried first
    const char *text = nullptr;
};

const std::vector<FigureRow> Figures = {
    { "Sn", "[2025Dem1]", Property::Density, "DX", Plot::TemperatureDependence, nullptr, false },
    { "Sn", "[2025Dem1]", Property::SurfaceTension, "STX", Plot::TemperatureDependence },
    { "Ag-Sn", "[2001Kor1]", Property::Density, "DX", Plot::Isotherms },
    { "Ag-Sn", "[2001Kor1]", Property::Density, "DT", Plot::TemperatureDependence },
    { "Ag-Sn", "[2001Kor1]", Property::SurfaceTension, "STX", Plot::Isotherms },
    { "Ag-Sn", "[2001Kor1]", Property::SurfaceTension, "STXBut", Plot::Isotherms },
    { "Ag-Sn", "[2001Kor1]", Property::SurfaceTension, "STTBut", Plot::TemperatureDependence },
    { "Ag-Sn", "[2025Dem2]", Property::Viscosity, "LX", Plot::Isotherms },
    { "Ag-Sn", "[2025Dem2]", Property::Viscosity, "LXModel", Plot::Isotherms, nullptr, false },
    { "Ag-Sn", "[2025Dem2]", Property::Viscosity, "LTModel", Plot::TemperatureDependence, nullptr,
        false },
    { "Ag-Sn", "[2025Dem5]", Property::ElectricalProperties, "ERYX", Plot::Placeholder, nullptr,
        true, "Isotherms of resistivity" },
    { "Ag-Sn", "[2025Dem5]", Property::ElectricalProperties, "ERYT", Plot::Placeholder, nullptr,
        true, "Temperature dependences of resistivity" },
    { "Ag-Sn", "[2025Dem5]", Property::MechanicalProperties, "MHX", Plot::Placeholder, nullptr,
        true, "Isotherms of hardness" },
    { "Ag-Sn", "[2025Dem6]", Property::Density, "DX", Plot::Placeholder, nullptr, true,
        "Isotherms of density of a publication held as a figure only" },
    { "Ag-Sn", "[2025Dem6]", Property::Viscosity, "LX", Plot::Placeholder, nullptr, true,
        "Isotherms of viscosity of a publication held as a figure only" },
    { "Ag-Cu-Sn", "[2002Kor]", Property::Density, "DX", Plot::Isotherms },
    { "Ag-Cu-Sn", "[2002Kor]", Property::Density, "DX", Plot::Isotherms, "(Ag-Sn)eut/Cu" },
    { "Ag-Cu-Sn", "[2002Kor]", Property::SurfaceTension, "STX", Plot::Isotherms, "(Ag-Sn)eut/Cu" },
    { "Ag-Cu-Sn", "[2002Kor]", Property::SurfaceTension, "STIBut", Plot::Placeholder,
        "(Ag-Sn)eut/Cu", true, "Isosurface tension of the Ag-Cu-Sn system" },
    { "Ag-Bi-Cu-Sn", "[2025Dem4]", Property::Density, "DX", Plot::Isotherms, "(Ag-Cu-Sn)eut/Bi" },
    { "Ag-Bi-Cu-Sn", "[2025Dem4]", Property::Density, "DX", Plot::Isotherms, "Sn-3Ag-0.5Cu/Bi" },
    { "Ag-Bi-Cu-Sb-Sn", "[2025Dem4]", Property::Density, "DX", Plot::Isotherms,
        "(Ag-Cu-Sn)eut-0.02Bi/Sb" },
};

QString FileName(const FigureRow &f)
{
    const QString code = QLatin1String(f.code);
    if (!f.byAuthor)
        return QLatin1String(f.system) + u'_' + code + QStringLiteral(".jpg");
    const QString subject = f.section ? FigureNames::SectionName(QLatin1String(f.section))
                                      : QString::fromLatin1(f.system);
    return QLatin1String(f.tag) + u'_' + subject + u'_' + code + QStringLiteral(".jpg");
}

QString AxisTitle(Property property)
{
    // Only the first four properties have drawn figures; the others are placeholders.
    static const char *const titles[] = { "Density [g/cm3]", "Surface tension [mN/m]",
        "Molar volume [cm3/mole]", "Viscosity [mPa*s]" };
    const int index = Id(property) - 1;
    if (index < 0 || index >= int(std::size(titles)))
        throw std::runtime_error(
            ("no axis title for drawn figures of " + Catalogue::PropertyName(property))
                .toStdString());
    return QLatin1String(titles[index]);
}

QVector<const EquationRow *> RowsOf(const Equations &equations, const FigureRow &f)
{
    QVector<const EquationRow *> rows;
    for (const EquationRow &r : equations.Rows())
        if (r.property == f.property && r.system->name == QLatin1String(f.system)
            && r.publication->tag == QLatin1String(f.tag)
            && (!f.section || (r.section && qstrcmp(r.section->designation, f.section) == 0)))
            rows.append(&r);
    return rows;
}

QVector<int> Temperatures(const SystemInfo &system, int count)
{
    QVector<int> ts;
    for (int k = 0; k < count; ++k)
        ts.append(system.tLow + (system.tHigh - system.tLow) * k / (count - 1));
    return ts;
}

// The model curve that a figure code ending in "But" or "Model" draws beside the data.
struct ModelCurve
{
    QString name;
    CompositionCurve curve;
};

std::optional<ModelCurve> ModelOf(const FigureRow &f, const Sources &sources)
{
    const QString code = QLatin1String(f.code);
    const QString system = QLatin1String(f.system);
    std::optional<CompositionCurve> curve;
    QString name;
    if (code.endsWith(QLatin1String("But"))) {
        curve = sources.Butler(system);
        name = QStringLiteral("Butler model");
    } else if (code.endsWith(QLatin1String("Model"))) {
        curve = sources.ViscosityModel(system);
        name = QStringLiteral("Kaptay model");
    }
    if (!curve)
        return std::nullopt;
    return ModelCurve { name, *curve };
}

void AddIsotherms(FigureContent &figure, const QVector<const EquationRow *> &rows,
    const std::optional<ModelCurve> &model)
{
    const QVector<int> temperatures = Temperatures(*rows.first()->system, 3);
    for (int k = 0; k < temperatures.size(); ++k) {
        const int t = temperatures[k];
        PlotSeries data { QStringLiteral("%1 K").arg(t), {}, true, k };
        for (const EquationRow *r : rows)
            data.points.append({ r->X(), double(r->ValueAt(t)) });
        figure.series.append(data);
        if (!model)
            continue;
        PlotSeries curve { model->name + QStringLiteral(" %1 K").arg(t), {}, false, k };
        for (int i = 0; i <= 50; ++i)
            curve.points.append({ i / 50.0, double(model->curve(i / 50.0L, t)) });
        figure.series.append(curve);
    }
}

void AddTemperatureDependences(FigureContent &figure, const QVector<const EquationRow *> &rows,
    const std::optional<ModelCurve> &model)
{
    QVector<const EquationRow *> picked { rows.first() };
    if (rows.size() > 2)
        picked.append(rows[rows.size() / 2]);
    if (rows.size() > 1)
        picked.append(rows.last());
    for (int k = 0; k < picked.size(); ++k) {
        const EquationRow *r = picked[k];
        PlotSeries data { QStringLiteral("X = %1").arg(r->X()), {}, true, k };
        PlotSeries curve { model ? model->name + QStringLiteral(" X = %1").arg(r->X()) : QString(),
            {}, false, k };
        for (int t : Temperatures(*r->system, 5)) {
            data.points.append({ double(t), double(r->ValueAt(t)) });
            if (model)
                curve.points.append({ double(t), double(model->curve(r->X(), t)) });
        }
        figure.series.append(data);
        if (model)
            figure.series.append(curve);
    }
}

FigureContent Compose(const FigureRow &f, const Catalogue &catalogue, const Equations &equations,
    const Sources &sources)
{
    FigureContent figure;
    const QString subject = f.section ? QLatin1String(f.section) : QLatin1String(f.system);
    if (f.plot == Plot::Placeholder) {
        figure.title = QLatin1String(f.text) + QStringLiteral(" - ") + QLatin1String(f.tag);
        figure.notes = { QStringLiteral("Placeholder figure of %1 for the publication %2.")
                             .arg(subject, QLatin1String(f.tag)),
            QStringLiteral("The demonstration data set holds no values for it.") };
        return figure;
    }
    const QVector<const EquationRow *> rows = RowsOf(equations, f);
    if (rows.isEmpty())
        throw std::runtime_error(("no equations for the figure " + FileName(f)).toStdString());
    const std::optional<ModelCurve> model = ModelOf(f, sources);
    const QString property = Catalogue::PropertyName(f.property);
    const SystemInfo &system = catalogue.System(QLatin1String(f.system));
    figure.yTitle = AxisTitle(f.property);
    if (f.plot == Plot::Isotherms) {
        figure.title = property + QStringLiteral(" isotherms of ") + subject;
        figure.xTitle = system.axis;
        AddIsotherms(figure, rows, model);
    } else {
        figure.title
            = property + QStringLiteral(" of ") + subject + QStringLiteral(" against temperature");
        figure.xTitle = QStringLiteral("Temperature [K]");
        AddTemperatureDependences(figure, rows, model);
    }
    figure.notes.append(QStringLiteral("Drawn from the equations of %1 in the demonstration data "
                                       "set (marks).")
                            .arg(QLatin1String(f.tag)));
    if (model)
        figure.notes.append(QStringLiteral("Dashed: the %1 curve that the program computes for %2.")
                                .arg(model->name, QLatin1String(f.system)));
    return figure;
}

} // namespace

void WriteFigureTable(DatabaseWriter &db, const Catalogue &catalogue)
{
    std::set<std::tuple<int, int, int, QString>> rows;
    for (const FigureRow &f : Figures)
        if (f.section)
            rows.insert({ catalogue.System(QLatin1String(f.system)).id, Id(f.property),
                catalogue.PublicationOf(QLatin1String(f.tag)).id, QLatin1String(f.section) });
    int id = 0;
    for (const auto &[system, property, publication, designation] : rows)
        db.Insert("FIG", { ++id, system, property, publication, designation });
}

void WriteFigureFiles(const QString &databaseFolder, const Catalogue &catalogue,
    const Equations &equations, const Sources &sources)
{
    for (const FigureRow &f : Figures) {
        const SystemInfo &system = catalogue.System(QLatin1String(f.system));
        SaveFigure(Compose(f, catalogue, equations, sources),
            FigureNames::FigureFolder(databaseFolder, Catalogue::CategoryName(system), system.name)
                + FileName(f));
    }
}
