#include "models/PbSnEutectic.h"
#include "models/SurfaceConcentration.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include "FixedCompare.h"

#include <QTest>

// The Pb-Sn eutectic line and the Ag-Au surface concentration: the two models that stand
// beside the published fits.
class ReferenceLineTest : public QObject
{
    Q_OBJECT

private slots:
    void PbSnEutecticEnds()
    {
        const PbSnEutectic low = PbSnEutecticAt(PbSnEutecticLine::FirstT);
        QCOMPARE_FIXED(low.density, 8.2651);
        QCOMPARE_FIXED(low.surfaceTension, 472.9);
        const PbSnEutectic high = PbSnEutecticAt(PbSnEutecticLine::LastT);
        QCOMPARE_FIXED(high.density, 7.3683);
        QCOMPARE_FIXED(high.surfaceTension, 421.38);
    }

    void PbSnEutecticHasNinePoints()
    {
        using namespace PbSnEutecticLine;
        QCOMPARE((LastT - FirstT) / StepT + 1, 9);
    }

    void SurfaceConcentrationWorkedValues()
    {
        const SurfaceConcentration half = SurfaceConcentrationAgAu(0.5);
        QVERIFY(qAbs(half.secondElement - 0.354638) < 5e-7);
        QVERIFY(qAbs(half.firstElement - 0.645362) < 5e-7);
        QVERIFY(qAbs(0.5 / half.secondElement - 1.409890) < 5e-7);
        QVERIFY(qAbs(SurfaceConcentrationAgAu(0.1).secondElement - 0.049385) < 5e-7);
    }

    void SurfaceConcentrationEnds()
    {
        QCOMPARE(SurfaceConcentrationAgAu(0).secondElement, 0.0);
        QCOMPARE(SurfaceConcentrationAgAu(0).firstElement, 1.0);
        QCOMPARE(SurfaceConcentrationAgAu(1).secondElement, 1.0);
        QCOMPARE(SurfaceConcentrationAgAu(1).firstElement, 0.0);
    }

    void SurfaceConcentrationOutsideTheBulkRangeRaises()
    {
        QVERIFY_THROWS_EXCEPTION(EMathError, SurfaceConcentrationAgAu(1.01));
    }
};

VIRELT_TEST(ReferenceLineTest)
#include "ReferenceLineTest.moc"
