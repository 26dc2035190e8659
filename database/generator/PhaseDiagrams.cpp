#include "PhaseDiagrams.h"

#include "FigureRenderer.h"

#include "info/FigureNames.h"

#include <QFile>
#include <stdexcept>

void WritePhaseDiagrams(const QString &databaseFolder, const Catalogue &catalogue)
{
    QByteArray references;
    for (const SystemInfo &system : catalogue.Systems()) {
        if (system.category != BinarySystems)
            continue;
        const QStringList elements = system.Elements();
        FigureContent figure { system.name + QStringLiteral(": melting points of the pure metals"),
            system.axis, QStringLiteral("Temperature [K]") };
        for (qsizetype i = 0; i < elements.size(); ++i)
            figure.series.append({ QStringLiteral("melting point of ") + elements[i],
                { QPointF(double(i), catalogue.ElementOf(elements[i]).meltingPoint) }, true,
                int(i) });
        figure.notes = { QStringLiteral("The phase diagram of %1 is not part of the demonstration "
                                        "data set.")
                             .arg(system.name),
            QStringLiteral("Marks: melting points of the pure metals (CRC Handbook "
                           "of Chemistry and Physics).") };
        SaveFigure(figure,
            FigureNames::DiagramFile(databaseFolder, Catalogue::CategoryName(system), system.name));
        references += QStringLiteral("[%1] Demonstration figure: no phase diagram of %1 is part of "
                                     "this data set.\nMelting points of %2 and %3: CRC Handbook "
                                     "of Chemistry and Physics.|\n")
                          .arg(system.name, elements.first(), elements.last())
                          .toLatin1();
    }
    QFile file(FigureNames::DiagramReferencesFile(databaseFolder));
    if (!file.open(QIODevice::WriteOnly) || file.write(references) != references.size())
        throw std::runtime_error("cannot write Diagram/References.txt");
}
