#include "models/ButlerFits.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include "FixedCompare.h"

#include <QTest>

namespace {

const ButlerIsotherm &Isotherm(const char *system)
{
    const ButlerIsotherm *isotherm = FindButlerIsotherm(QString::fromLatin1(system));
    if (!isotherm)
        qFatal("no Butler isotherm for %s", system);
    return *isotherm;
}

Fixed Sigma(const char *system, Fixed x, Fixed t)
{
    return ButlerSurfaceTension(Isotherm(system).fit, x, t);
}

void CompareQuarters(const char *system, int t, const std::array<double, 5> &expected)
{
    for (int i = 0; i < 5; ++i)
        QCOMPARE_FIXED(Sigma(system, 0.25L * i, t), expected[i]);
}

struct Pinned
{
    const char *system;
    double x;
    int t;
    double sigma;
};

// One point per system, computed apart from the program at high precision.
const Pinned PinnedPoints[] = {
    { "Ag-Au", 0.37, 1100, 1030.4865 },
    { "Ag-Bi", 0.37, 1100, 460.2695 },
    { "Ag-Cu", 0.37, 1100, 971.7441 },
    { "Ag-In", 0.37, 1100, 678.5308 },
    { "Ag-Sb", 0.37, 1100, 491.9164 },
    { "Ag-Sn", 0.37, 1100, 624.793 },
    { "Au-Cu", 0.37, 1100, 1274.3636 },
    { "Au-Sn", 0.37, 1100, 815.0389 },
    { "Bi-Sn", 0.37, 1100, 384.1851 },
    { "In-Sn", 0.37, 1100, 492.1321 },
    { "Pb-Sn", 0.37, 1100, 400.116 },
    { "Sb-Sn", 0.37, 1100, 399.4799 },
    { "In-Zn", 0.37, 1100, 529.905 },
    { "Sn-Zn", 0.37, 1100, 536.0925 },
    { "Cu-Sn", 0.37, 1100, 623.8187 },
    { "Cu-Sb", 0.37, 1100, 513.1049 },
    { "Ag-Cu-Sn", 0.05, 900, 538.9389 },
};

} // namespace

class ButlerIsothermTest : public QObject
{
    Q_OBJECT

private slots:
    void GeneralFormMeetsThePureMetals()
    {
        QCOMPARE_FIXED(Sigma("Ag-Au", 0, 1000), 943);
        QCOMPARE_FIXED(Sigma("Ag-Au", 1, 1000), 1253);
    }

    void WorkedIsotherms()
    {
        CompareQuarters("Ag-Sn", 1273, { 890.857, 708.4258, 565.7208, 515.4626, 477.341 });
        CompareQuarters("Ag-Bi", 873, { 967.257, 453.4954, 440.7255, 393.3982, 362.0484 });
        CompareQuarters("Sn-Zn", 773, { 518.3616, 540.8004, 568.2821, 592.4305, 796.1595 });
        CompareQuarters("In-Sn", 673, { 530.3967, 530.1675, 530.0206, 529.2478, 527.141 });
    }

    void AgCuSnSection()
    {
        const ButlerIsotherm &section = Isotherm("Ag-Cu-Sn");
        const double expected[]
            = { 504.5319, 511.2898, 516.7838, 521.8336, 526.683, 531.3528, 535.8435, 540.2727 };
        QCOMPARE(section.points, 8);
        for (int i = 0; i < section.points; ++i)
            QCOMPARE_FIXED(ButlerSurfaceTension(section.fit, section.X(i), 1000), expected[i]);
        QCOMPARE_FIXED(Sigma("Ag-Cu-Sn", 0, 1000), Sigma("Ag-Sn", 0.962, 1000));
    }

    void AgCuSnSectionAtPureCopper()
    {
        // The Ag-Sn pair vanishes there; the section ends at the copper line.
        QCOMPARE_FIXED(Sigma("Ag-Cu-Sn", 1, 1500), 1475.648L - 0.14224L * 1500);
    }

    void SurfaceFractionFormsMeetThePureMetals()
    {
        QCOMPARE_FIXED(Sigma("Cu-Sb", 0, 1200), 1656.1L - 0.26L * 1200);
        QCOMPARE_FIXED(Sigma("Cu-Sb", 1, 1200), 419.0055L - 0.056057L * 1200);
        QCOMPARE_FIXED(Sigma("Sn-Zn", 0, 1200), 582.8L - 0.0833615L * 1200);
        QCOMPARE_FIXED(Sigma("Sn-Zn", 1, 1200), 892.5L - 0.124632L * 1200);
    }

    void SurfaceFractionWherePVanishes()
    {
        // P of Sn-Zn changes sign near 1298 K; at y = 0 the surface fraction stays 0
        // rather than 0/0.
        for (int tenth = 12970; tenth <= 12990; ++tenth)
            QCOMPARE_FIXED(Sigma("Sn-Zn", 0, tenth / 10.0L), 582.8L - 0.0833615L * tenth / 10);
    }

    void PinnedValues()
    {
        for (const Pinned &p : PinnedPoints)
            QCOMPARE_FIXED(Sigma(p.system, p.x, p.t), p.sigma);
    }

    void SignConventionMatters()
    {
        // Ag-Sn is fitted with u = 2X − 1. Written with 1 − 2X it needs its odd rows negated;
        // with the rows unchanged the curve is a different one.
        const auto &fit = std::get<RedlichKisterFit>(Isotherm("Ag-Sn").fit);
        std::vector<TemperatureTerm> rows(fit.rows.begin(), fit.rows.end());
        for (std::size_t k = 1; k < rows.size(); k += 2)
            rows[k] = { -rows[k].a, -rows[k].b, -rows[k].c, -rows[k].d };
        const RedlichKisterFit rewritten { fit.sigmaFirst, fit.sigmaSecond,
            ExcessSign::OneMinusTwoX, rows };
        QCOMPARE_FIXED(ButlerSurfaceTension(rewritten, 0.25, 1273), 708.4258);
        RedlichKisterFit swapped = fit;
        swapped.u = ExcessSign::OneMinusTwoX;
        QVERIFY(ButlerSurfaceTension(swapped, 0.25, 1273).Raw() != Fixed(708.4258).Raw());
    }

    void CompositionsOfAnIsotherm()
    {
        const ButlerIsotherm &agAu = Isotherm("Ag-Au");
        QCOMPARE(agAu.points, 101);
        QCOMPARE_FIXED(agAu.X(37), 0.37);
        QCOMPARE_FIXED(agAu.X(100), 1);
    }

    void NoFitForOtherSystems()
    {
        QVERIFY(!FindButlerIsotherm(u"Ag-Bi-Sn"));
        QVERIFY(!FindButlerIsotherm(u"Al-Zn"));
    }

    void ZeroKelvinRaisesWhereTheFitTakesALogarithm()
    {
        QVERIFY_THROWS_EXCEPTION(EMathError, Sigma("Ag-Au", 0.5, 0));
        QVERIFY_THROWS_EXCEPTION(EMathError, Sigma("Ag-Bi", 0.5, 0));
        // Without a T·ln T column the fit is defined there.
        QCOMPARE_FIXED(Sigma("Ag-Sn", 0, 0), 1134);
    }
};

VIRELT_TEST(ButlerIsothermTest)
#include "ButlerIsothermTest.moc"
