#include "Catalogue.h"
#include "Content.h"
#include "DatabaseWriter.h"
#include "Documents.h"
#include "Equations.h"
#include "Figures.h"
#include "Meniscography.h"
#include "PhaseDiagrams.h"
#include "Sources.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

void WriteDatabase(const QString &source, const QString &target, const Catalogue &catalogue,
    const Equations &equations)
{
    const QString file = Paths::DatabaseFile(target);
    const QString temporary = file + QStringLiteral(".new");
    QFile::remove(temporary);
    {
        QFile schema(Paths::Join(source, QStringLiteral("schema.sql")));
        if (!schema.open(QIODevice::ReadOnly))
            throw std::runtime_error("cannot read schema.sql");
        DatabaseWriter db(temporary);
        db.ExecuteScript(QString::fromUtf8(schema.readAll()));
        WriteContent(db, source, catalogue, equations);
        db.Commit();
    }
    QFile::remove(file);
    if (!QFile::rename(temporary, file))
        throw std::runtime_error("cannot move the new database into place");
}

// The folders of generated files are written afresh, so nothing stale stays behind.
void WriteFiles(const QString &source, const QString &target, const Catalogue &catalogue,
    const Sources &sources, const Equations &equations)
{
    for (const char *folder : { "Fig", "Menisk", "Diagram", "NIST" })
        QDir(target + u'/' + QLatin1String(folder)).removeRecursively();
    WriteFigureFiles(target, catalogue, equations, sources);
    WriteMeniscographyFiles(target, catalogue);
    WritePhaseDiagrams(target, catalogue);
    WriteDocuments(source, target);
}

} // namespace

// virelt_dbgen <database source folder> <database folder to write>
int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: virelt_dbgen <source folder> <database folder>\n");
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    try {
        QDir().mkpath(target);
        const Catalogue catalogue(source);
        const Sources sources(catalogue);
        const Equations equations(catalogue, sources);
        for (const QString &missing : equations.Missing())
            std::fprintf(stderr, "virelt_dbgen: no source for %s\n", qPrintable(missing));
        WriteDatabase(source, target, catalogue, equations);
        WriteFiles(source, target, catalogue, sources, equations);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "virelt_dbgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
