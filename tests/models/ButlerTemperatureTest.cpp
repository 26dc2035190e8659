#include "models/ButlerFits.h"
#include "support/TestRegistry.h"

#include "FixedCompare.h"

#include <QTest>

namespace {

const ButlerTemperatureCurve &Curve(const char *system, const char *publication = "")
{
    const ButlerTemperatureCurve *curve
        = FindButlerTemperatureCurve(QString::fromLatin1(system), QString::fromLatin1(publication));
    if (!curve)
        qFatal("no Butler temperature curve for %s", system);
    return *curve;
}

Fixed Sigma(const char *system, Fixed x, Fixed t, const char *publication = "")
{
    return ButlerSurfaceTension(Curve(system, publication).fit, x, t);
}

struct Range
{
    const char *system;
    const char *publication;
    int firstT;
    int lastT;
};

const Range Ranges[] = {
    { "Ag-Sn", "", 500, 1500 },
    { "Ag-Au", "", 500, 1500 },
    { "Ag-Cu", "", 500, 1500 },
    { "Ag-Bi", "", 500, 1500 },
    { "Ag-In", "", 500, 1500 },
    { "Au-Cu", "", 500, 1500 },
    { "Au-Sn", "", 500, 1500 },
    { "Bi-Sn", "[2006Ro1]", 500, 900 },
    { "Bi-Sn", "[2001Kor3]", 500, 1200 },
    { "In-Sn", "", 500, 1200 },
    { "Pb-Sn", "", 500, 1200 },
    { "Sb-Sn", "", 500, 1300 },
    { "In-Zn", "", 500, 1200 },
    { "Sn-Zn", "", 500, 1200 },
    { "Ag-Sb", "", 800, 1500 },
    { "Cu-Sn", "", 500, 1500 },
    { "Cu-Sb", "", 900, 1500 },
    { "Ag-Cu-Sn", "", 500, 1500 },
};

// Systems whose curve against temperature is their isotherm fit.
const char *const IsothermFitSystems[] = { "Ag-Sn", "Ag-Au", "Ag-Cu", "Ag-In", "Au-Cu", "Au-Sn",
    "In-Sn", "Pb-Sn", "Sb-Sn", "In-Zn", "Ag-Sb", "Ag-Cu-Sn" };

} // namespace

class ButlerTemperatureTest : public QObject
{
    Q_OBJECT

private slots:
    void RangesPerSystem()
    {
        for (const Range &r : Ranges) {
            const ButlerTemperatureCurve &curve = Curve(r.system, r.publication);
            QCOMPARE_FIXED(curve.T(0), r.firstT);
            QCOMPARE_FIXED(curve.T(curve.Points() - 1), r.lastT);
        }
        QCOMPARE(Curve("Ag-Sn").Points(), 11);
        QCOMPARE(Curve("Cu-Sb").Points(), 7);
        QCOMPARE(Curve("Bi-Sn", "[2006Ro1]").Points(), 5);
        QCOMPARE(Curve("Bi-Sn", "[2001Kor3]").Points(), 8);
    }

    void AgSnFollowsItsIsotherms()
    {
        QCOMPARE_FIXED(Sigma("Ag-Sn", 0.3, 500), 634.8144);
        QCOMPARE_FIXED(Sigma("Ag-Sn", 0.3, 1000), 672.7317);
        QCOMPARE_FIXED(Sigma("Ag-Sn", 0.3, 1500), 655.5206);
    }

    void IsothermFitsAgreeWithTheIsotherms()
    {
        for (const char *system : IsothermFitSystems) {
            const ButlerTemperatureCurve &curve = Curve(system);
            const ButlerIsotherm *isotherm = FindButlerIsotherm(QString::fromLatin1(system));
            for (int i = 0; i < curve.Points(); ++i)
                QCOMPARE(ButlerSurfaceTension(curve.fit, 0.05, curve.T(i)).Raw(),
                    ButlerSurfaceTension(isotherm->fit, 0.05, curve.T(i)).Raw());
        }
    }

    void OwnFits()
    {
        QCOMPARE_FIXED(Sigma("Ag-Bi", 0.3, 500), 416.4456);
        QCOMPARE_FIXED(Sigma("Ag-Bi", 0.3, 1000), 467.3205);
        QCOMPARE_FIXED(Sigma("Ag-Bi", 0.3, 1500), 488.7751);
        QVERIFY(Sigma("Ag-Bi", 0.3, 1000).Raw()
            != ButlerSurfaceTension(FindButlerIsotherm(u"Ag-Bi")->fit, 0.3, 1000).Raw());
        QCOMPARE_FIXED(Sigma("Sn-Zn", 0.15, 500), 551.9428);
        QCOMPARE_FIXED(Sigma("Sn-Zn", 0.15, 1200), 504.0111);
        QCOMPARE_FIXED(Sigma("Cu-Sb", 0.5, 900), 443.0977);
        QCOMPARE_FIXED(Sigma("Cu-Sb", 0.5, 1500), 462.153);
    }

    void PinnedOwnFits()
    {
        // Computed apart from the program at high precision.
        QCOMPARE_FIXED(Sigma("Ag-Bi", 0.42, 1100), 454.3637);
        QCOMPARE_FIXED(Sigma("Sn-Zn", 0.42, 1100), 547.0983);
        QCOMPARE_FIXED(Sigma("Cu-Sn", 0.42, 1100), 622.4755);
        QCOMPARE_FIXED(Sigma("Cu-Sb", 0.42, 1100), 483.0523);
    }

    void BiSnChoice()
    {
        for (Fixed x : { Fixed(0), Fixed(0.3), Fixed(1) }) {
            QCOMPARE_FIXED(Sigma("Bi-Sn", x, 500, "[2006Ro1]"), 423.8255);
            QCOMPARE_FIXED(Sigma("Bi-Sn", x, 900, "[2006Ro1]"), 410.5855);
        }
        const ButlerTemperatureCurve &kor = Curve("Bi-Sn", "[2001Kor3]");
        const ButlerIsotherm *isotherm = FindButlerIsotherm(u"Bi-Sn");
        for (int i = 0; i < kor.Points(); ++i)
            QCOMPARE(ButlerSurfaceTension(kor.fit, 0.3, kor.T(i)).Raw(),
                ButlerSurfaceTension(isotherm->fit, 0.3, kor.T(i)).Raw());
        QVERIFY(!FindButlerTemperatureCurve(u"Bi-Sn"));
    }

    void NoCurveForOtherSystems()
    {
        QVERIFY(!FindButlerTemperatureCurve(u"Al-Zn"));
        QVERIFY(!FindButlerTemperatureCurve(u"Ag-Bi-Sn"));
    }
};

VIRELT_TEST(ButlerTemperatureTest)
#include "ButlerTemperatureTest.moc"
