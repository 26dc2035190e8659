#include "Content.h"
#include "DatabaseWriter.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

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
        const QString file = Paths::DatabaseFile(target);
        const QString temporary = file + QStringLiteral(".new");
        QFile::remove(temporary);
        {
            QFile schema(Paths::Join(source, QStringLiteral("schema.sql")));
            if (!schema.open(QIODevice::ReadOnly))
                throw std::runtime_error("cannot read schema.sql");
            DatabaseWriter db(temporary);
            db.ExecuteScript(QString::fromUtf8(schema.readAll()));
            WriteContent(db);
            db.Commit();
        }
        QFile::remove(file);
        if (!QFile::rename(temporary, file))
            throw std::runtime_error("cannot move the new database into place");
    } catch (const std::exception &e) {
        std::fprintf(stderr, "virelt_dbgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
