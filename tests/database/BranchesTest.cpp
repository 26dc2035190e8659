#include "models/Approximation.h"
#include "models/ButlerFits.h"
#include "models/ViscosityModels.h"
#include "support/TestRegistry.h"

#include "BuiltDatabase.h"

#include <QTest>

namespace {

// Rows of equations of a property for a system, from the tag's publication or, with an empty
// tag, from any publication.
int EquationCount(const BuiltDatabase &db, const QString &system, int property,
    const QString &tag = QLatin1String(""))
{
    return db
        .Value("SELECT COUNT(*) FROM (SELECT ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI FROM "
               "DANE_WLASNOSCI UNION ALL SELECT ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI FROM "
               "DANE45) e JOIN TAB_UKL t USING (ID_TAB_UKL) JOIN PUBLIKACJE p USING "
               "(ID_PUBLIKACJI) WHERE t.OZNACZENIE = ? AND e.ID_WLASCIWOSCI = ? AND "
               "(? = '' OR p.OZNACZENIE = ?)",
            { system, property, tag, tag })
        .toInt();
}

} // namespace

// Content that makes each data-dependent branch of the program reachable.
class DatabaseBranchesTest : public QObject
{
    Q_OBJECT

private slots:
    // Approximation curves are compared with the database isotherm of the same publication.
    void EveryFitThatTheProgramHoldsHasItsEquations()
    {
        const BuiltDatabase db;
        int fits = 0;
        for (const QVariant &system : db.Column("SELECT OZNACZENIE FROM TAB_UKL"))
            for (const QVariant &tag : db.Column("SELECT OZNACZENIE FROM PUBLIKACJE")) {
                const auto found = FindApproximation(system.toString(), tag.toString());
                if (!found)
                    continue;
                ++fits;
                const QString which = system.toString() + u' ' + tag.toString();
                QCOMPARE(EquationCount(db, system.toString(), 1, tag.toString()) > 0,
                    found->density != nullptr);
                QCOMPARE(EquationCount(db, system.toString(), 2, tag.toString()) > 0,
                    found->surfaceTension != nullptr);
                QVERIFY2(found->density || found->surfaceTension, qPrintable(which));
            }
        QCOMPARE(fits, 28);
    }

    void EveryModelSystemHasDataToCompareWith()
    {
        const BuiltDatabase db;
        int butler = 0, viscosity = 0;
        for (const QVariant &v : db.Column("SELECT OZNACZENIE FROM TAB_UKL")) {
            const QString system = v.toString();
            if (FindButlerIsotherm(system)) {
                ++butler;
                QVERIFY2(EquationCount(db, system, 2) > 0, qPrintable(system));
            }
            if (FindViscositySystem(system)) {
                ++viscosity;
                QVERIFY2(EquationCount(db, system, 4) > 0, qPrintable(system));
            }
        }
        QCOMPARE(butler, 17);
        QCOMPARE(viscosity, 13);
    }

    // Their Approx only shows a message, once Show has drawn an isotherm of any publication.
    void SystemsWithoutFitsHaveAPublicationWithData()
    {
        const BuiltDatabase db;
        for (const char *system : { "Ag-Cu", "Al-In", "Au-In", "Au-Sn", "Cu-In", "Bi-Cu", "Cd-Sn",
                 "Al-Zn", "Ag-Au", "Au-Cu" }) {
            int rows = 0;
            for (int property : { 1, 2, 4 })
                rows += EquationCount(db, QLatin1String(system), property);
            QVERIFY2(rows > 0, system);
        }
    }

    void AFitSystemHasAPublicationItsFitDoesNotAdmit()
    {
        const BuiltDatabase db;
        QVERIFY(EquationCount(db, "Sn-Zn", 1, "[2025Dem3]") > 0);
        QVERIFY(!FindApproximation(u"Sn-Zn", u"[2025Dem3]"));
    }

    // Show opens the figure finder for a binary publication listed without equations.
    void APublicationIsListedWithoutEquations()
    {
        const BuiltDatabase db;
        for (int property : { 1, 4 }) {
            QCOMPARE(db.Value("SELECT COUNT(*) FROM WLA_TAB_PUB w JOIN TAB_UKL t USING "
                              "(ID_TAB_UKL) JOIN PUBLIKACJE p USING (ID_PUBLIKACJI) WHERE "
                              "t.OZNACZENIE = 'Ag-Sn' AND p.OZNACZENIE = '[2025Dem6]' AND "
                              "w.ID_WLASCIWOSCI = ?",
                           { property })
                         .toInt(),
                1);
            QCOMPARE(EquationCount(db, "Ag-Sn", property, "[2025Dem6]"), 0);
        }
        // Electrical and mechanical properties exist as figures only.
        QCOMPARE(
            db.Value("SELECT COUNT(*) FROM WLA_TAB_PUB WHERE ID_WLASCIWOSCI IN (5, 6)").toInt(), 2);
    }

    // Graph draws lines where they exist, and says "not available" for other properties.
    void SomePublicationsHaveLinesAndOthersNot()
    {
        const BuiltDatabase db;
        const QString withLines = "SELECT COUNT(DISTINCT ID_PUBLIKACJI) FROM DANE_WLASNOSCI_T "
                                  "WHERE ID_WLASCIWOSCI = ?";
        const QString publications = "SELECT COUNT(DISTINCT ID_PUBLIKACJI) FROM (SELECT "
                                     "ID_WLASCIWOSCI, ID_PUBLIKACJI FROM DANE_WLASNOSCI UNION ALL "
                                     "SELECT ID_WLASCIWOSCI, ID_PUBLIKACJI FROM DANE45) WHERE "
                                     "ID_WLASCIWOSCI = ?";
        for (int property : { 1, 2, 4 }) {
            const int lined = db.Value(withLines, { property }).toInt();
            QVERIFY(lined > 0);
            QVERIFY(lined < db.Value(publications, { property }).toInt());
        }
        // Lines of sections, among them lines shown with every section.
        QVERIFY(db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI_T WHERE Nr = 10").toInt() > 0);
        // Viscosity ends hold B = 0, so the engine's A + B*Log(T) gives the same values.
        QCOMPARE(db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI_T WHERE ID_WLASCIWOSCI = 4 AND "
                          "abs((A + B * Log(T)) - (A + B * T)) > 0")
                     .toInt(),
            0);
    }

    void EachCategoryShowsTheFourProperties()
    {
        const BuiltDatabase db;
        // Quinary viscosity needs Sb, for which the program holds no viscosity constants.
        const QString rows = "SELECT COUNT(*) FROM WLA_TAB_PUB w JOIN TAB_UKL t USING "
                             "(ID_TAB_UKL) WHERE t.ID_SELECT = ? AND w.ID_WLASCIWOSCI = ?";
        for (int category = 1; category <= 5; ++category)
            for (int property = 1; property <= 4; ++property)
                if (category != 5 || property != 4)
                    QVERIFY2(db.Value(rows, { category, property }).toInt() > 0,
                        qPrintable(
                            QStringLiteral("category %1 property %2").arg(category).arg(property)));
    }
};

VIRELT_TEST(DatabaseBranchesTest)
#include "BranchesTest.moc"
