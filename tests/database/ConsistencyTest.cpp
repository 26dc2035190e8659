#include "support/TestRegistry.h"

#include "BuiltDatabase.h"

#include <QFileInfo>
#include <QTest>

// The relations between rows that the program's queries rely on.
class DatabaseConsistencyTest : public QObject
{
    Q_OBJECT

private slots:
    void CompositionsHaveAtMostFourDecimals()
    {
        const BuiltDatabase db;
        const char *const columns[] = { "DANE_WLASNOSCI.X", "DANE_WLASNOSCI_T.X", "DANE45.X",
            "PUNKTY_D.X", "DANE_WLA_T.X", "UKL_2.X_B", "UKL_3.X_C", "UKL_4.X_D", "UKL_5.X_E" };
        for (const char *column : columns) {
            const QString table = QString::fromLatin1(column).section(u'.', 0, 0);
            const QVariantList xs
                = db.Column(QStringLiteral("SELECT %1 FROM %2").arg(QLatin1String(column), table));
            QVERIFY2(!xs.isEmpty(), column);
            for (const QVariant &x : xs) {
                // The program passes X as ten-thousandths and compares it for equality.
                const double value = x.toDouble();
                QVERIFY2(qRound64(value * 10000) / 10000.0 == value,
                    qPrintable(QStringLiteral("%1 = %2").arg(column).arg(value, 0, 'g', 17)));
            }
        }
    }

    void EveryTemperatureLineIsTwoRows()
    {
        const BuiltDatabase db;
        QVERIFY(db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI_T").toInt() > 0);
        QCOMPARE(db.Value("SELECT COUNT(*) FROM (SELECT COUNT(*) n FROM DANE_WLASNOSCI_T GROUP BY "
                          "ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, Nr, Nr2) WHERE n <> 2")
                     .toInt(),
            0);
        QCOMPARE(db.Value("SELECT COUNT(*) - COUNT(DISTINCT ID_DANE_WLA_T) FROM "
                          "DANE_WLASNOSCI_T")
                     .toInt(),
            0);
    }

    // Within one publication, property and system, every composition has a line or none has.
    void LinesCoverAllOrNoneOfAPublicationsCompositions()
    {
        const BuiltDatabase db;
        const char *const uncovered[] = {
            "SELECT COUNT(*) FROM DANE_WLASNOSCI d WHERE EXISTS (SELECT 1 FROM DANE_WLASNOSCI_T l "
            "WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL = d.ID_TAB_UKL AND "
            "l.ID_PUBLIKACJI = d.ID_PUBLIKACJI) AND NOT EXISTS (SELECT 1 FROM DANE_WLASNOSCI_T l "
            "WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL = d.ID_TAB_UKL AND "
            "l.ID_PUBLIKACJI = d.ID_PUBLIKACJI AND l.X = d.X)",
            "SELECT COUNT(*) FROM DANE45 d WHERE EXISTS (SELECT 1 FROM DANE_WLASNOSCI_T l "
            "WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL = d.ID_TAB_UKL AND "
            "l.ID_PUBLIKACJI = d.ID_PUBLIKACJI) AND NOT EXISTS (SELECT 1 FROM DANE_WLASNOSCI_T l "
            "WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL = d.ID_TAB_UKL AND "
            "l.ID_PUBLIKACJI = d.ID_PUBLIKACJI AND l.X = d.X AND l.Nr = d.ID_EUTEKTYKI AND "
            "l.Nr2 = d.Nr)",
            // ... and no line stands without its equation.
            "SELECT COUNT(*) FROM DANE_WLASNOSCI_T l WHERE NOT EXISTS (SELECT 1 FROM "
            "DANE_WLASNOSCI d WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL = "
            "d.ID_TAB_UKL AND l.ID_PUBLIKACJI = d.ID_PUBLIKACJI AND l.X = d.X) AND NOT EXISTS "
            "(SELECT 1 FROM DANE45 d WHERE l.ID_WLASCIWOSCI = d.ID_WLASCIWOSCI AND l.ID_TAB_UKL "
            "= d.ID_TAB_UKL AND l.ID_PUBLIKACJI = d.ID_PUBLIKACJI AND l.X = d.X AND l.Nr = "
            "d.ID_EUTEKTYKI AND l.Nr2 = d.Nr)",
        };
        for (const char *sql : uncovered)
            QCOMPARE(db.Value(sql).toInt(), 0);
    }

    void EveryPublicationWithDataIsListedForItsPropertyAndForMolarVolume()
    {
        const BuiltDatabase db;
        const char *const unlisted[] = {
            "SELECT COUNT(*) FROM (SELECT ID_WLASCIWOSCI p, ID_TAB_UKL s, ID_PUBLIKACJI b FROM "
            "DANE_WLASNOSCI UNION SELECT ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI FROM DANE45) "
            "WHERE NOT EXISTS (SELECT 1 FROM WLA_TAB_PUB w WHERE w.ID_WLASCIWOSCI = p AND "
            "w.ID_TAB_UKL = s AND w.ID_PUBLIKACJI = b)",
            "SELECT COUNT(*) FROM (SELECT ID_TAB_UKL s, ID_PUBLIKACJI b FROM DANE_WLASNOSCI WHERE "
            "ID_WLASCIWOSCI = 1 UNION SELECT ID_TAB_UKL, ID_PUBLIKACJI FROM DANE45 WHERE "
            "ID_WLASCIWOSCI = 1) WHERE NOT EXISTS (SELECT 1 FROM WLA_TAB_PUB w WHERE "
            "w.ID_WLASCIWOSCI = 3 AND w.ID_TAB_UKL = s AND w.ID_PUBLIKACJI = b)",
            "SELECT COUNT(*) - (SELECT COUNT(*) FROM (SELECT DISTINCT * FROM WLA_TAB_PUB)) FROM "
            "WLA_TAB_PUB",
        };
        for (const char *sql : unlisted)
            QCOMPARE(db.Value(sql).toInt(), 0);
        QVERIFY(db.Value("SELECT COUNT(*) FROM WLA_TAB_PUB WHERE ID_WLASCIWOSCI = 3").toInt() > 0);
        // Molar volume has no rows of its own.
        QCOMPARE(
            db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI WHERE ID_WLASCIWOSCI = 3").toInt(), 0);
    }

    // Molar volume joins each density row to exactly one composition row.
    void EveryCompositionOfTheEquationsHasOneCompositionRow()
    {
        const BuiltDatabase db;
        const char *const joins[] = {
            "SELECT COUNT(*) FROM DANE_WLASNOSCI d JOIN TAB_UKL t USING (ID_TAB_UKL) WHERE "
            "t.ID_SELECT = 2 AND (SELECT COUNT(*) FROM UKL_2 u WHERE u.ID_TAB_UKL = d.ID_TAB_UKL "
            "AND u.X_B = d.X) <> 1",
            "SELECT COUNT(*) FROM DANE45 d JOIN TAB_UKL t USING (ID_TAB_UKL) WHERE t.ID_SELECT = 3 "
            "AND (SELECT COUNT(*) FROM UKL_3 u WHERE u.ID_TAB_UKL = d.ID_TAB_UKL AND u.X_C = d.X "
            "AND u.Nr = d.ID_EUTEKTYKI) <> 1",
            "SELECT COUNT(*) FROM DANE45 d JOIN TAB_UKL t USING (ID_TAB_UKL) WHERE t.ID_SELECT = 4 "
            "AND (SELECT COUNT(*) FROM UKL_4 u WHERE u.ID_TAB_UKL = d.ID_TAB_UKL AND u.X_D = d.X "
            "AND u.Nr = d.ID_EUTEKTYKI AND u.Nr2 = d.Nr) <> 1",
            "SELECT COUNT(*) FROM DANE45 d JOIN TAB_UKL t USING (ID_TAB_UKL) WHERE t.ID_SELECT = 5 "
            "AND (SELECT COUNT(*) FROM UKL_5 u WHERE u.ID_TAB_UKL = d.ID_TAB_UKL AND u.X_E = d.X "
            "AND u.Nr = d.ID_EUTEKTYKI AND u.Nr2 = d.Nr) <> 1",
        };
        for (const char *sql : joins)
            QCOMPARE(db.Value(sql).toInt(), 0);
        // A ternary section has one line: rows with eutectic 10 would double its molar volumes.
        QCOMPARE(db.Value("SELECT COUNT(*) FROM DANE45 d JOIN TAB_UKL t USING (ID_TAB_UKL) "
                          "WHERE t.ID_SELECT = 3 AND d.ID_EUTEKTYKI = 10")
                     .toInt(),
            0);
        QCOMPARE(db.Value("SELECT COUNT(*) FROM DANE45 d JOIN TAB_UKL t USING (ID_TAB_UKL) WHERE "
                          "t.ID_SELECT < 3")
                     .toInt(),
            0);
    }

    void EverySectionSystemHasSectionsAndNumberedLines()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Value("SELECT COUNT(*) FROM TAB_UKL t WHERE t.ID_SELECT >= 3 AND NOT EXISTS "
                          "(SELECT 1 FROM EUT e WHERE e.ID_TAB_UKL = t.ID_TAB_UKL)")
                     .toInt(),
            0);
        // Each section row belongs to a section of its system, or to every section (10).
        QCOMPARE(db.Value("SELECT COUNT(*) FROM DANE45 d WHERE d.ID_EUTEKTYKI <> 10 AND NOT "
                          "EXISTS (SELECT 1 FROM EUT e WHERE e.ID_TAB_UKL = d.ID_TAB_UKL AND "
                          "e.ID_EUTEKTYKI = d.ID_EUTEKTYKI)")
                     .toInt(),
            0);
        QCOMPARE(db.Value("SELECT COUNT(*) FROM DANE45 WHERE Nr IS NULL OR UKLAD IS NULL OR "
                          "length(UKLAD) > 40")
                     .toInt(),
            0);
        // The picker offers two sections of one system, and rows shown with every section.
        QVERIFY(
            db.Value("SELECT MAX(n) FROM (SELECT COUNT(*) n FROM EUT GROUP BY ID_TAB_UKL)").toInt()
            >= 2);
        QVERIFY(db.Value("SELECT COUNT(*) FROM DANE45 WHERE ID_EUTEKTYKI = 10").toInt() > 0);
        QCOMPARE(db.Value("SELECT COUNT(*) FROM EUT WHERE OZNACZENIE IS NULL OR OZNACZENIE = ''")
                     .toInt(),
            0);
        // The quinary sections order their rows by two line names.
        QVERIFY(db.Value("SELECT COUNT(DISTINCT UKLAD) FROM DANE45 d JOIN TAB_UKL t USING "
                         "(ID_TAB_UKL) WHERE t.ID_SELECT = 5")
                    .toInt()
            >= 2);
    }

    void MeasuredPointsLeaveOneCompositionWithout()
    {
        const BuiltDatabase db;
        // In-Sn viscosity of "[2025Dem2]": equations without lines, points at every X but 0.5.
        const QString inSn = "FROM %1 r JOIN TAB_UKL t USING (ID_TAB_UKL) JOIN PUBLIKACJE p "
                             "USING (ID_PUBLIKACJI) WHERE t.OZNACZENIE = 'In-Sn' AND "
                             "p.OZNACZENIE = '[2025Dem2]' AND r.ID_WLASCIWOSCI = 4";
        QCOMPARE(db.Value("SELECT COUNT(*) " + inSn.arg("DANE_WLASNOSCI_T")).toInt(), 0);
        QCOMPARE(db.Value("SELECT COUNT(DISTINCT X) " + inSn.arg("PUNKTY_D")).toInt(),
            db.Value("SELECT COUNT(*) " + inSn.arg("DANE_WLASNOSCI")).toInt() - 1);
        QCOMPARE(db.Value("SELECT COUNT(*) " + inSn.arg("PUNKTY_D") + " AND r.X = 0.5").toInt(), 0);
        // Section points carry the eutectic and the line number.
        QCOMPARE(db.Value("SELECT COUNT(*) FROM PUNKTY_D p JOIN TAB_UKL t USING (ID_TAB_UKL) "
                          "WHERE t.ID_SELECT >= 3 AND (p.Nr IS NULL OR p.Nr2 IS NULL)")
                     .toInt(),
            0);
    }

    // The engine refuses a value of another type than its column's, such as text in a number.
    void EveryTableIsStrict()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Column(QStringLiteral("SELECT name FROM pragma_table_list WHERE schema = "
                                          "'main' AND name NOT LIKE 'sqlite%' AND NOT strict")),
            QVariantList());
        QCOMPARE(db.Value(QStringLiteral("SELECT COUNT(*) FROM pragma_table_list WHERE schema = "
                                         "'main' AND strict"))
                     .toInt(),
            29);
    }

    // The program rewrites the work tables of the folder beside it and saves into Save/ there.
    // The suite reads a folder outside both, so it passes after any session of the program.
    void WorkTablesAreEmpty()
    {
        const QString read = QFileInfo(BuiltDatabase::Folder()).canonicalFilePath() + u'/';
        for (const char *written : { "/Database", "/Save" }) {
            const QString folder
                = QFileInfo(QStringLiteral(VIRELT_PROGRAM_FOLDER) + QLatin1String(written))
                      .canonicalFilePath();
            QVERIFY2(!folder.isEmpty() && !read.startsWith(folder + u'/'), qPrintable(read));
        }
        const BuiltDatabase db;
        for (const char *table : { "VISCOSITY", "VISCOSITY2", "VISCOSITY3", "VISCOSITY4" })
            QCOMPARE(db.Value(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)).toInt(), 0);
    }
};

VIRELT_TEST(DatabaseConsistencyTest)
#include "ConsistencyTest.moc"
