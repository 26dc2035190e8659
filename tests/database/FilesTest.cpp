#include "info/FigureNames.h"
#include "platform/Exceptions.h"
#include "platform/Jpeg.h"
#include "support/TestRegistry.h"

#include "BuiltDatabase.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

QString Path(const QString &relative)
{
    return BuiltDatabase::Folder() + u'/' + relative;
}

QStringList JpegFiles(const QString &folder)
{
    QStringList files;
    QDirIterator it(
        Path(folder), { QStringLiteral("*.jpg") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    return files;
}

// The figure codes of the figure list, and those of the viscosity models.
QStringList FigureCodes()
{
    const QString viscosity = QStringLiteral("Viscosity");
    QStringList codes;
    for (const FigureNames::FigureKind &kind : FigureNames::FigureKinds()) {
        const QString code = QFileInfo(kind.ending).completeBaseName();
        codes << code;
        if (code.startsWith(FigureNames::PropertyCode(viscosity)))
            codes << code + FigureNames::ModelCode(true, viscosity);
    }
    return codes;
}

// The id of the property whose code begins the figure code; 0 for none.
int PropertyOfCode(const BuiltDatabase &db, const QString &code)
{
    for (const QVariantList &r : db.Rows("SELECT ID_WLASCIWOSCI, WLASNOSC FROM WLASNOSCI")) {
        const QString prefix = FigureNames::PropertyCode(r[1].toString());
        if (!prefix.isEmpty() && code.startsWith(prefix))
            return r[0].toInt();
    }
    return 0;
}

// Text without its blanks and line breaks, so that where a line or a page breaks does not
// matter; pdftotext's ligatures become their letters.
QString Letters(QString text)
{
    static const std::pair<QString, QString> ligatures[] = { { "\uFB00", "ff" },
        { "\uFB01", "fi" }, { "\uFB02", "fl" }, { "\uFB03", "ffi" }, { "\uFB04", "ffl" } };
    for (const auto &[ligature, letters] : ligatures)
        text.replace(ligature, letters);
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

// The guide's source as its reader sees it: no heading marks, bullets, emphasis or code marks.
QString GuideSourceLetters(QStringList &headings)
{
    QFile source(QStringLiteral(VIRELT_GUIDE_SOURCE));
    if (!source.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(source.readAll()).split(u'\n');
    for (QString &line : lines) {
        if (line.startsWith(u'#'))
            headings << (line = line.remove(QRegularExpression(QStringLiteral("^#+\\s*"))));
        line.remove(QRegularExpression(QStringLiteral("^\\s*- ")));
        line.remove(QRegularExpression(QStringLiteral("[*`]")));
    }
    return Letters(lines.join(u'\n'));
}

// The printed guide's text, without the page numbers.
QString GuidePdfLetters()
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), { "-layout", Path("VIRELT 2 PL.pdf"), "-" });
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {};
    QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n');
    lines.removeIf([](const QString &line) {
        return QRegularExpression(QStringLiteral("^\\s*\\d+\\s*$")).match(line).hasMatch();
    });
    return Letters(lines.join(u'\n'));
}

} // namespace

class DatabaseFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void EveryPictureDecodesAndIsMarked()
    {
        QStringList all;
        for (const char *folder : { "Fig", "Menisk", "Diagram" })
            all += JpegFiles(QLatin1String(folder));
        QVERIFY(all.size() > 40);
        for (const QString &file : all) {
            try {
                QVERIFY2(Jpeg::Load(file).size() == QSize(640, 480), qPrintable(file));
            } catch (const Exception &e) {
                QFAIL(qPrintable(e.Message()));
            }
        }
    }

    // Each figure name is "<system>_<code>" or "<tag>_<system or section>_<code>", and its tag
    // is listed for the code's property of the system, so the finder's picker offers it.
    void FigureNamesFollowTheFinder()
    {
        const BuiltDatabase db;
        const QStringList files = JpegFiles(QStringLiteral("Fig"));
        QVERIFY(!files.isEmpty());
        for (const QString &file : files) {
            const QFileInfo info(file);
            const QString system = info.dir().dirName();
            QDir categoryFolder = info.dir();
            categoryFolder.cdUp();
            const QString category = categoryFolder.dirName();
            QCOMPARE(db.Value("SELECT s.NAZWA FROM TAB_UKL t JOIN SELECT_SYSTEM s USING "
                              "(ID_SELECT) WHERE t.OZNACZENIE = ?",
                           { system })
                         .toString(),
                category);
            const QString name = info.completeBaseName();
            QString code;
            for (const QString &c : FigureCodes())
                if (name.endsWith(u'_' + c))
                    code = c;
            QVERIFY2(!code.isEmpty(), qPrintable(file));
            const QString head = name.chopped(code.size() + 1);
            if (head == system)
                continue;
            const QString tag = head.section(u']', 0, 0) + u']';
            const QString subject = head.mid(tag.size() + 1);
            QVERIFY2(db.Value("SELECT COUNT(*) FROM WLA_TAB_PUB w JOIN TAB_UKL t USING "
                              "(ID_TAB_UKL) JOIN PUBLIKACJE p USING (ID_PUBLIKACJI) WHERE "
                              "t.OZNACZENIE = ? AND p.OZNACZENIE = ? AND w.ID_WLASCIWOSCI = ?",
                           { system, tag, PropertyOfCode(db, code) })
                         .toInt()
                    == 1,
                qPrintable(file));
            if (subject != system) {
                const QVariantList sections = db.Column("SELECT f.UKLAD FROM FIG f JOIN TAB_UKL t "
                                                        "USING (ID_TAB_UKL) WHERE t.OZNACZENIE = ?",
                    { system });
                QVERIFY2(std::any_of(sections.begin(), sections.end(),
                             [&](const QVariant &section) {
                                 return FigureNames::SectionName(section.toString()) == subject;
                             }),
                    qPrintable(file));
            }
        }
    }

    void EveryFigureRowNamesAFigure()
    {
        const BuiltDatabase db;
        const QVector<QVariantList> rows
            = db.Rows("SELECT s.NAZWA, t.OZNACZENIE, p.OZNACZENIE, f.UKLAD FROM FIG f JOIN TAB_UKL "
                      "t USING (ID_TAB_UKL) JOIN SELECT_SYSTEM s USING (ID_SELECT) JOIN PUBLIKACJE "
                      "p USING (ID_PUBLIKACJI)");
        QVERIFY(!rows.isEmpty());
        for (const QVariantList &r : rows) {
            const QDir folder(Path("Fig/" + r[0].toString() + u'/' + r[1].toString()));
            const QString prefix
                = r[2].toString() + u'_' + FigureNames::SectionName(r[3].toString()) + u'_';
            // Tags hold "[", which a name filter would read as a pattern.
            const QStringList names = folder.entryList(QDir::Files);
            QVERIFY2(std::any_of(names.begin(), names.end(),
                         [&](const QString &n) { return n.startsWith(prefix); }),
                qPrintable(prefix));
        }
    }

    void TheExamplesOfTheFinderExist()
    {
        const char *const examples[] = {
            "Fig/Pure metals/Sn/Sn_DX.jpg",
            "Fig/Pure metals/Sn/[2025Dem1]_Sn_STX.jpg",
            "Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_DX.jpg",
            "Fig/Binary systems/Ag-Sn/[2001Kor1]_Ag-Sn_STXBut.jpg",
            "Fig/Binary systems/Ag-Sn/[2025Dem5]_Ag-Sn_ERYT.jpg",
            "Fig/Binary systems/Ag-Sn/Ag-Sn_LXModel.jpg",
            "Fig/Binary systems/Ag-Sn/[2025Dem6]_Ag-Sn_LX.jpg",
            "Fig/Ternary systems/Ag-Cu-Sn/[2002Kor]_(Ag-Sn)eut_Cu_STIBut.jpg",
        };
        for (const char *file : examples)
            QVERIFY2(QFileInfo::exists(Path(QLatin1String(file))), file);
    }

    void MeniscographicPicturesBelongToTheirStudies()
    {
        const BuiltDatabase db;
        const QStringList files = JpegFiles(QStringLiteral("Menisk"));
        QVERIFY(!files.isEmpty());
        for (const QString &file : files) {
            const QFileInfo info(file);
            const QString system = info.dir().dirName();
            const QStringList parts = info.completeBaseName().split(u'_');
            QCOMPARE(parts.size(), 4);
            QCOMPARE(parts[1], system);
            QVERIFY2(db.Value("SELECT COUNT(*) FROM MENISK_FIG f JOIN AUTHOR_MENISK a ON "
                              "a.ID_AUTOR_MENISK = f.ID_PUB_MENISK JOIN TAB_UKL t ON "
                              "t.ID_TAB_UKL = f.ID_TAB_UKL JOIN AUTHOR_MENISK_PUB c ON "
                              "c.ID_PUB_MENISK = a.ID_AUTOR_MENISK AND c.ID_TAB_UKL = "
                              "t.ID_TAB_UKL WHERE a.NAZWISKO = ? AND t.OZNACZENIE = ? AND "
                              "f.OZNACZENIE = ?",
                           { parts[0], system, parts[3] })
                         .toInt()
                    == 1,
                qPrintable(file));
            QVERIFY2(
                db.Value("SELECT COUNT(*) FROM SELECT_MENISK_FIG WHERE NAZWA = ?", { parts[2] })
                        .toInt()
                    == 1,
                qPrintable(file));
        }
        // One study has figure rows but no pictures: "Data in the table only."
        QVERIFY(db.Value("SELECT COUNT(*) FROM MENISK_FIG").toInt() > files.size() / 2);
        QVERIFY(db.Value("SELECT COUNT(*) FROM MENISK").toInt() > 0);
    }

    void EveryPhaseDiagramHasItsReferences()
    {
        QFile file(Path("Diagram/References.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString references = QString::fromLatin1(file.readAll());
        const QStringList diagrams = JpegFiles(QStringLiteral("Diagram"));
        QVERIFY(diagrams.size() >= 22);
        for (const QString &diagram : diagrams) {
            const QString tag = u'[' + QFileInfo(diagram).completeBaseName() + u']';
            const qsizetype start = references.indexOf(tag);
            QVERIFY2(start >= 0, qPrintable(tag));
            QVERIFY2(references.indexOf(u'|', start) > start, qPrintable(tag));
        }
        // Ternary and higher systems have none: the program's message stays reachable.
        QVERIFY(!QFileInfo::exists(Path("Diagram/Ternary systems")));
    }

    void TheOutsideDocumentsExist()
    {
        QFile help(Path("VIRELT 2 PL.pdf"));
        QVERIFY(help.open(QIODevice::ReadOnly));
        QVERIFY(help.read(5) == "%PDF-");
        QVERIFY(help.size() > 20000);
        QFile nist(Path("NIST/Release5/props01.html"));
        QVERIFY(nist.open(QIODevice::ReadOnly));
        const QByteArray page = nist.readAll();
        QVERIFY(page.contains("https://www.metallurgy.nist.gov/solder/"));
        QVERIFY(page.contains("copies nothing"));
    }

    // Every word of the guide's source reaches the help document, in its order: file names in
    // angle brackets are text, not markup.
    void TheHelpDocumentHoldsTheWholeGuide()
    {
        QStringList headings;
        const QString source = GuideSourceLetters(headings);
        const QString printed = GuidePdfLetters();
        QVERIFY(!printed.isEmpty());
        QCOMPARE(headings.size(), 12);
        for (const QString &heading : headings)
            QVERIFY2(printed.contains(Letters(heading)), qPrintable(heading));
        QVERIFY(printed.endsWith(Letters("says in detail where every number comes from.")));
        qsizetype same = 0;
        while (same < std::min(source.size(), printed.size()) && source[same] == printed[same])
            ++same;
        QVERIFY2(source == printed, qPrintable(source.mid(same, 60) + " / " + printed.mid(same, 60)));
    }
};

VIRELT_TEST(DatabaseFilesTest)
#include "FilesTest.moc"
