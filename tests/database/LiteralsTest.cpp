#include "support/TestRegistry.h"

#include "BuiltDatabase.h"

#include <QTest>

namespace {

// Systems the program compares by name, with their category id.
const QPair<const char *, int> ComparedSystems[] = {
    { "Sn", 1 },
    { "Ag-Au", 2 },
    { "Ag-Bi", 2 },
    { "Ag-Cu", 2 },
    { "Ag-In", 2 },
    { "Ag-Sb", 2 },
    { "Ag-Sn", 2 },
    { "Al-In", 2 },
    { "Al-Zn", 2 },
    { "Au-Cu", 2 },
    { "Au-In", 2 },
    { "Au-Sn", 2 },
    { "Bi-Cu", 2 },
    { "Bi-Sn", 2 },
    { "Cd-Sn", 2 },
    { "Cu-In", 2 },
    { "Cu-Sb", 2 },
    { "Cu-Sn", 2 },
    { "In-Sn", 2 },
    { "In-Zn", 2 },
    { "Pb-Sn", 2 },
    { "Sb-Sn", 2 },
    { "Sn-Zn", 2 },
    { "Ag-Bi-Sn", 3 },
    { "Ag-Cu-Sn", 3 },
    { "Ag-In-Sn", 3 },
    { "Ag-Sb-Sn", 3 },
    { "Ag-Sn-Zn", 3 },
    { "Ag-Cu-Sb-Sn", 4 },
    { "Ag-Bi-Cu-Sn", 4 },
    { "Ag-Bi-Cu-Sb-Sn", 5 },
};

const char *const ComparedTags[] = {
    "[2003Vel1]",
    "[2001Kor2]",
    "[2004Ost]",
    "[2001Kor1]",
    "[1927Hul]",
    "[2001Kor3]",
    "[2002Tam]",
    "[2006Dun]",
    "[2001Vel2]",
    "[1968Wex]",
    "[1957Jup]",
    "[1971Sar]",
    "[1985Pek]",
    "[2003Vel2]",
    "[2004Dun]",
    "[2007Dun1]",
    "[2005Kor2]",
    "[2002Kor]",
    "[2004Vel1]",
    "[2004Vel2]",
    "[Kor1]",
};

} // namespace

class DatabaseLiteralsTest : public QObject
{
    Q_OBJECT

private slots:
    void CategoriesAndPropertiesHaveTheirIdsAndTexts()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Column("SELECT NAZWA FROM SELECT_SYSTEM ORDER BY ID_SELECT"),
            QVariantList({ "Pure metals", "Binary systems", "Ternary systems", "Quaternary systems",
                "Quinary systems" }));
        QCOMPARE(db.Column("SELECT ID_SELECT FROM SELECT_SYSTEM ORDER BY ID_SELECT"),
            QVariantList({ 1, 2, 3, 4, 5 }));
        QCOMPARE(db.Column("SELECT WLASNOSC FROM WLASNOSCI ORDER BY ID_WLASCIWOSCI"),
            QVariantList({ "Density", "Surface tension", "Molar volume", "Viscosity",
                "Electrical properties", "Mechanical properties" }));
        QCOMPARE(db.Column("SELECT ID_WLASCIWOSCI FROM WLASNOSCI ORDER BY ID_WLASCIWOSCI"),
            QVariantList({ 1, 2, 3, 4, 5, 6 }));
    }

    void EveryComparedSystemExistsInItsCategory()
    {
        const BuiltDatabase db;
        for (const auto &[name, category] : ComparedSystems) {
            const QVariantList found
                = db.Column("SELECT ID_SELECT FROM TAB_UKL WHERE OZNACZENIE = ?", { name });
            QVERIFY2(found == QVariantList { category }, name);
        }
        QCOMPARE(db.Value("SELECT COUNT(*) FROM TAB_UKL").toInt(), 41);
        QCOMPARE(db.Value("SELECT COUNT(DISTINCT OZNACZENIE) FROM TAB_UKL").toInt(), 41);
    }

    void EveryPureMetalHasItsFacts()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Column("SELECT t.OZNACZENIE FROM TAB_UKL t JOIN PIERWIASTKI p "
                           "ON p.ID_TAB_UKL = t.ID_TAB_UKL ORDER BY 1"),
            QVariantList({ "Ag", "Al", "Au", "Bi", "Cd", "Cu", "In", "Pb", "Sb", "Sn", "Zn" }));
        QCOMPARE(db.Value("SELECT COUNT(*) FROM TAB_UKL WHERE ID_SELECT = 1").toInt(), 11);
        QCOMPARE(db.Value("SELECT COUNT(*) FROM PIERWIASTKI WHERE MASA_ATOMOWA IS NULL OR "
                          "TEMP_TOPNIENIA IS NULL OR TEMP_WRZENIA IS NULL OR CRYSTAL_STRUCTURE "
                          "IS NULL OR COVALENT_RADIUS IS NULL OR ATOMIC_RADIUS IS NULL")
                     .toInt(),
            0);
        const QVariantList sn = db.Rows("SELECT p.MASA_ATOMOWA, p.TEMP_TOPNIENIA, p.TEMP_WRZENIA "
                                        "FROM PIERWIASTKI p JOIN TAB_UKL t USING (ID_TAB_UKL) "
                                        "WHERE t.OZNACZENIE = 'Sn'")
                                    .first();
        QCOMPARE(sn, QVariantList({ 118.71, 505.08, 2875.0 }));
    }

    void EveryComparedTagExistsOnceAndTagsAreUnique()
    {
        const BuiltDatabase db;
        for (const char *tag : ComparedTags)
            QVERIFY2(
                db.Value("SELECT COUNT(*) FROM PUBLIKACJE WHERE OZNACZENIE = ?", { tag }).toInt()
                    == 1,
                tag);
        QCOMPARE(
            db.Value("SELECT COUNT(*) - COUNT(DISTINCT OZNACZENIE) FROM PUBLIKACJE").toInt(), 0);
        // The year follows the tag; "[Kor1]" has none, so the reference shows no year.
        QCOMPARE(db.Value("SELECT COUNT(*) FROM PUBLIKACJE WHERE OZNACZENIE LIKE '[____%' AND "
                          "ROK <> CAST(substr(OZNACZENIE, 2, 4) AS INTEGER)")
                     .toInt(),
            0);
        QVERIFY(db.Value("SELECT ROK FROM PUBLIKACJE WHERE OZNACZENIE = '[Kor1]'").isNull());
    }

    void PublicationsSayTheyAreDemonstrationData()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Value("SELECT COUNT(*) FROM PUBLIKACJE WHERE TYTUL NOT LIKE 'Demonstration%'")
                     .toInt(),
            0);
        // Journal and volume stay Null where nothing is known, so those parts of the reference line drop.
        QVERIFY(db.Value("SELECT COUNT(*) FROM PUBLIKACJE WHERE CZASOPISMO IS NULL").toInt() > 0);
        QVERIFY(
            db.Value("SELECT COUNT(*) FROM PUBLIKACJE WHERE CZASOPISMO IS NOT NULL").toInt() > 0);
        const QString title = db.Value("SELECT TYTUL FROM PUBLIKACJE WHERE OZNACZENIE = "
                                       "'[2003Vel1]'")
                                  .toString();
        QVERIFY2(title.contains("Ag-Bi surface tension: least-squares line"), qPrintable(title));
    }

    void MeniscographicKindsAreTheFourTexts()
    {
        const BuiltDatabase db;
        QCOMPARE(db.Column("SELECT NAZWA FROM SELECT_MENISK_FIG ORDER BY ID_SELECT_MENISK_FIG"),
            QVariantList({ "Contact or wetting angle", "Wetting force", "Wetting time",
                "Interfacial tension" }));
    }
};

VIRELT_TEST(DatabaseLiteralsTest)
#include "LiteralsTest.moc"
