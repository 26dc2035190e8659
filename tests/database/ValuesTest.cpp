#include "models/Approximation.h"
#include "models/ButlerFits.h"
#include "models/ViscosityModels.h"
#include "platform/Fixed.h"
#include "support/TestRegistry.h"

#include "BuiltDatabase.h"

#include <QTest>

#include <cmath>

namespace {


// Equations of one property with their system and tag; sections and binaries alike.
QVector<QVariantList> Equations(const BuiltDatabase &db, int property)
{
    return db.Rows(
        QStringLiteral("SELECT t.OZNACZENIE, p.OZNACZENIE, e.X, e.A, e.B FROM (SELECT "
                       "ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B FROM DANE_WLASNOSCI "
                       "UNION ALL SELECT ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B FROM "
                       "DANE45) e JOIN TAB_UKL t USING (ID_TAB_UKL) JOIN PUBLIKACJE p USING "
                       "(ID_PUBLIKACJI) WHERE e.ID_WLASCIWOSCI = %1")
            .arg(property));
}

// The failure message of a stored value that misses its source.
QByteArray Mismatch(const QVariantList &row, int t, double stored, double expected)
{
    return QStringLiteral("%1 %2 X=%3 T=%4: %5 against %6")
        .arg(row[0].toString(), row[1].toString())
        .arg(row[2].toDouble())
        .arg(t)
        .arg(stored, 0, 'g', 12)
        .arg(expected, 0, 'g', 12)
        .toUtf8();
}

} // namespace

// The numbers come from the formulas and models that the program itself holds.
class DatabaseValuesTest : public QObject
{
    Q_OBJECT

private slots:
    void EquationsFollowTheApproximationFitsOfTheirTags()
    {
        const BuiltDatabase db;
        int checked = 0;
        for (int property : { 1, 2 }) {
            for (const QVariantList &r : Equations(db, property)) {
                const auto fits = FindApproximation(r[0].toString(), r[1].toString());
                if (!fits)
                    continue;
                const ApproxFormula *formula = property == 1 ? fits->density : fits->surfaceTension;
                QVERIFY2(formula, qPrintable(r[0].toString() + r[1].toString()));
                // Two surface-tension fits are not straight in T: their equations are
                // least-squares lines, whose largest deviation the publication's title states.
                const QString title
                    = db.Value("SELECT TYTUL FROM PUBLIKACJE WHERE OZNACZENIE = ?", { r[1] })
                          .toString();
                const QString note = r[0].toString() + " surface tension: least-squares line";
                const bool curved = property == 2 && title.contains(note);
                const double allowed = curved ? 1.5
                        * title.section(note, 1)
                              .section("deviation ", 1)
                              .section(u' ', 0, 0)
                              .toDouble()
                                              : 0;
                for (int t : { 900, 1200 }) {
                    const double stored = r[3].toDouble() + r[4].toDouble() * t;
                    const double fit = double(Evaluate(*formula, r[2].toDouble(), t));
                    QVERIFY2(std::fabs(stored - fit) <= (curved ? allowed : 1e-6 * std::fabs(fit)),
                        Mismatch(r, t, stored, fit).constData());
                }
                ++checked;
            }
        }
        QVERIFY(checked > 400);
    }

    void WorkedExamplesOfTheFits()
    {
        const BuiltDatabase db;
        const QString equation = "SELECT e.A + e.B * ? FROM %1 e JOIN TAB_UKL t USING (ID_TAB_UKL) "
                                 "JOIN PUBLIKACJE p USING (ID_PUBLIKACJI) WHERE t.OZNACZENIE = ? "
                                 "AND p.OZNACZENIE = ? AND e.ID_WLASCIWOSCI = ? AND e.X = ?";
        const auto value = [&](const char *table, int t, const char *system, const char *tag,
                               int property, double x) {
            return Fixed(
                db.Value(equation.arg(QLatin1String(table)), { t, system, tag, property, x })
                    .toDouble())
                .Raw();
        };
        QCOMPARE(value("DANE_WLASNOSCI", 673, "Pb-Sn", "[2001Vel2]", 1, 0.72), Fixed(8.0941).Raw());
        QCOMPARE(
            value("DANE_WLASNOSCI", 1273, "Ag-Bi", "[2003Vel1]", 1, 0.52), Fixed(9.2401).Raw());
        QCOMPARE(value("DANE45", 523, "Ag-Cu-Sn", "[2002Kor]", 1, 0), Fixed(7.0565).Raw());
        QCOMPARE(value("DANE45", 523, "Ag-Cu-Sn", "[2002Kor]", 2, 0), Fixed(538.9927).Raw());
        // Molar volume as the program's query computes it from the density row and UKL_2.
        const double v = db.Value("SELECT (MASA_A * (1 - X_B) + MASA_B * X_B) / (d.A + d.B * 673) "
                                  "FROM DANE_WLASNOSCI d JOIN UKL_2 u ON u.ID_TAB_UKL = "
                                  "d.ID_TAB_UKL AND u.X_B = d.X JOIN TAB_UKL t ON t.ID_TAB_UKL = "
                                  "d.ID_TAB_UKL JOIN PUBLIKACJE p USING (ID_PUBLIKACJI) WHERE "
                                  "t.OZNACZENIE = 'Pb-Sn' AND p.OZNACZENIE = '[2001Vel2]' AND "
                                  "d.ID_WLASCIWOSCI = 1 AND d.X = 0.72")
                             .toDouble();
        QCOMPARE(Fixed(v).Raw(), Fixed(17.7256).Raw());
    }

    void ViscosityEquationsPassThroughTheKaptayModelAtTheEndsOfItsRange()
    {
        const BuiltDatabase db;
        int checked = 0;
        for (const QVariantList &r : Equations(db, 4)) {
            if (r[1] != "[2025Dem2]")
                continue;
            const ViscositySystem *system = FindViscositySystem(r[0].toString());
            QVERIFY(system);
            for (int t : { system->minT, system->maxT }) {
                const double stored
                    = Arrhenius(r[3].toDouble(), r[4].toDouble(), t);
                const double model = Viscosity(*system, ViscosityModel::Kaptay, r[2].toDouble(), t);
                QVERIFY2(std::fabs(stored - model) <= 1e-8 * model,
                    Mismatch(r, t, stored, model).constData());
            }
            ++checked;
        }
        QCOMPARE(checked,
            db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI d JOIN PUBLIKACJE p USING "
                     "(ID_PUBLIKACJI) WHERE p.OZNACZENIE = '[2025Dem2]'")
                .toInt());
        QVERIFY(checked >= 13 * 11);
    }

    void ButlerLinesStayCloseToTheButlerFits()
    {
        const BuiltDatabase db;
        int checked = 0;
        for (const QVariantList &r : Equations(db, 2)) {
            if (r[1] != "[2025Dem3]")
                continue;
            const ButlerIsotherm *isotherm = FindButlerIsotherm(r[0].toString());
            QVERIFY(isotherm);
            // 1500 K lies inside the fitted range of all four systems.
            const int t = 1500;
            const double stored = r[3].toDouble() + r[4].toDouble() * t;
            const double fit = ButlerSurfaceTension(isotherm->fit, r[2].toDouble(), t);
            QVERIFY2(
                std::fabs(stored - fit) <= 0.02 * fit, Mismatch(r, t, stored, fit).constData());
            ++checked;
        }
        QCOMPARE(checked, 4 * 11);
    }

    void PureMetalLinesAreTheEndMembersOfTheFits()
    {
        const BuiltDatabase db;
        const QString line = "SELECT d.A, d.B FROM DANE_WLASNOSCI d JOIN TAB_UKL t USING "
                             "(ID_TAB_UKL) WHERE t.OZNACZENIE = ? AND d.ID_WLASCIWOSCI = ? AND "
                             "d.X = 1";
        QCOMPARE(db.Rows(line, { "Sn", 2 }).first(), QVariantList({ 583.0, -0.083 }));
        QCOMPARE(db.Rows(line, { "Cu", 1 }).first(), QVariantList({ 9.0231, -0.0008 }));
        QCOMPARE(db.Rows(line, { "Sn", 4 }).first(), QVariantList({ 0.44756, 6191.2 }));
        // Al and Cd have no density or surface-tension fit in the program; Sb no viscosity.
        QCOMPARE(db.Rows(line, { "Al", 1 }).size(), 0);
        QCOMPARE(db.Rows(line, { "Sb", 4 }).size(), 0);
    }

    void PointsAndLineEndsAreValuesOfTheirEquations()
    {
        const BuiltDatabase db;
        const QString join = "JOIN (SELECT ID_WLASCIWOSCI, ID_TAB_UKL, ID_PUBLIKACJI, X, A, B, "
                             "NULL e, NULL n FROM DANE_WLASNOSCI UNION ALL SELECT ID_WLASCIWOSCI, "
                             "ID_TAB_UKL, ID_PUBLIKACJI, X, A, B, ID_EUTEKTYKI, Nr FROM DANE45) e "
                             "ON e.ID_WLASCIWOSCI = r.ID_WLASCIWOSCI AND e.ID_TAB_UKL = "
                             "r.ID_TAB_UKL AND e.ID_PUBLIKACJI = r.ID_PUBLIKACJI AND e.X = r.X AND "
                             "e.e IS r.Nr AND e.n IS r.Nr2";
        const auto equation = [](int property, double a, double b, double t) {
            return property == 4 ? Arrhenius(a, b, t) : a + b * t;
        };
        const QVector<QVariantList> points
            = db.Rows("SELECT r.ID_WLASCIWOSCI, r.T, r.Y, e.A, e.B FROM PUNKTY_D r " + join);
        QCOMPARE(points.size(), db.Value("SELECT COUNT(*) FROM PUNKTY_D").toInt());
        // Points are held to four decimals.
        for (const QVariantList &p : points)
            QVERIFY(
                std::fabs(equation(p[0].toInt(), p[3].toDouble(), p[4].toDouble(), p[1].toDouble())
                    - p[2].toDouble())
                <= 0.0000501);
        // A line end's own A + B*T (B = 0 for viscosity) is the equation's value there.
        const QVector<QVariantList> ends = db.Rows(
            "SELECT r.ID_WLASCIWOSCI, r.T, r.A, r.B, e.A, e.B FROM DANE_WLASNOSCI_T r " + join);
        QCOMPARE(ends.size(), db.Value("SELECT COUNT(*) FROM DANE_WLASNOSCI_T").toInt());
        for (const QVariantList &l : ends) {
            const double expected
                = equation(l[0].toInt(), l[4].toDouble(), l[5].toDouble(), l[1].toDouble());
            const double stored = l[2].toDouble() + l[3].toDouble() * l[1].toDouble();
            QVERIFY(std::fabs(stored - expected) <= 1e-8 * std::fabs(expected));
            if (l[0].toInt() == 4)
                QCOMPARE(l[3].toDouble(), 0.0);
        }
    }
};

VIRELT_TEST(DatabaseValuesTest)
#include "ValuesTest.moc"
