#include "models/Approximation.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include "FixedCompare.h"

#include <QTest>

namespace {

struct Pinned
{
    const char *system;
    const char *tag;
    int t;
    double x;
    std::optional<double> density;
    std::optional<double> surfaceTension;
    double molarMass;
    std::optional<double> molarVolume;
};

// One point per system and publication, computed apart from the program at high precision.
const Pinned PinnedPoints[] = {
    { "Ag-Bi", "[2003Vel1]", 873, 0.32, 9.7310, 506.8487, 140.2240, 14.4100 },
    { "Ag-In", "[2001Kor2]", 873, 0.37, 8.5956, 719.1354, 110.4402, 12.8485 },
    { "Ag-Sn", "[2004Ost]", 873, 0.32, std::nullopt, 644.6726, 111.3310, std::nullopt },
    { "Ag-Sn", "[2001Kor1]", 873, 0.32, 8.6372, 654.0544, 111.3310, 12.8897 },
    { "Bi-Sn", "[1927Hul]", 873, 0.32, 9.1164, 400.2340, 180.0875, 19.7542 },
    { "Bi-Sn", "[2001Kor3]", 873, 0.32, 9.1164, 386.4884, 180.0875, 19.7542 },
    { "In-Sn", "[2002Tam]", 873, 0.37, 6.7137, 507.0593, 116.2519, 17.3156 },
    { "In-Sn", "[2006Dun]", 873, 0.37, 6.7208, 507.0593, 116.2519, 17.2973 },
    { "Pb-Sn", "[2001Vel2]", 873, 0.32, 9.4483, 410.5724, 178.8768, 18.9322 },
    { "Pb-Sn", "[1968Wex]", 873, 0.32, 9.2758, std::nullopt, 178.8768, 19.2842 },
    { "Pb-Sn", "[1957Jup]", 873, 0.32, std::nullopt, 428.3229, 178.8768, std::nullopt },
    { "Pb-Sn", "[1971Sar]", 873, 0.32, std::nullopt, 445.4577, 178.8768, std::nullopt },
    { "Pb-Sn", "[1985Pek]", 873, 0.32, std::nullopt, 452.4011, 178.8768, std::nullopt },
    { "Sb-Sn", "[2003Vel2]", 873, 0.37, 6.5691, 397.1576, 120.6178, 18.3614 },
    { "In-Zn", "[2004Dun]", 873, 0.32, 6.6224, 552.9629, 98.9992, 14.9491 },
    { "Sn-Zn", "[2004Dun]", 873, 0.32, 6.6485, 546.5037, 101.6308, 15.2863 },
    { "Sn-Zn", "[2007Dun1]", 873, 0.32, 6.6485, 546.5037, 101.6308, 15.2863 },
    { "Ag-Sb", "[2005Kor2]", 873, 0.32, 8.5590, 572.5603, 112.3102, 13.1219 },
    { "Cu-Sn", "[2004Ost]", 873, 0.32, 7.8162, 637.8987, 81.1921, 10.3877 },
    { "Cu-Sn", "[2005Kor2]", 873, 0.32, 7.8162, 732.6898, 81.1921, 10.3877 },
    { "Cu-Sb", "[2005Kor2]", 873, 0.32, 7.7358, 532.1615, 82.1713, 10.6222 },
    { "Ag-Bi-Sn", "[2001Kor3]", 573, 0.085, 7.4590, 496.5958, 125.9884, 16.8908 },
    { "Ag-Cu-Sn", "[2004Vel1]", 573, 0.043, 7.2481, 553.9912, 115.9253, 15.9939 },
    { "Ag-In-Sn", "[2002Tam]", 573, 0.07, 7.1131, 527.7890, 118.0370, 16.5943 },
    { "Ag-Sb-Sn", "[2004Vel2]", 573, 0.06, 6.9026, 510.1772, 118.4870, 17.1656 },
    { "Ag-Sn-Zn", "[Kor1]", 573, 0.14, 6.8947, 607.0894, 110.8729, 16.0809 },
    { "Ag-Cu-Sb-Sn", "[Kor1]", 573, 0.63, 6.7601, 414.0859, 120.3306, 17.8001 },
};

Approximation Find(const char *system, const char *tag)
{
    const auto found = FindApproximation(QString::fromLatin1(system), QString::fromLatin1(tag));
    if (!found)
        qFatal("no approximation %s %s", system, tag);
    return *found;
}

void CompareOptional(const std::optional<Fixed> &actual, std::optional<double> expected)
{
    QCOMPARE(actual.has_value(), expected.has_value());
    if (expected)
        QCOMPARE_FIXED(*actual, *expected);
}

} // namespace

class ApproximationTest : public QObject
{
    Q_OBJECT

private slots:
    void WorkedValues()
    {
        const ApproxValues pbSn = Find("Pb-Sn", "[2001Vel2]").At(0.72, 673);
        QCOMPARE_FIXED(*pbSn.density, 8.0941);
        QCOMPARE_FIXED(*pbSn.surfaceTension, 457.8007);
        QCOMPARE_FIXED(pbSn.molarMass, 143.4728);
        QCOMPARE_FIXED(*pbSn.molarVolume, 17.7256);

        const ApproxValues agBi = Find("Ag-Bi", "[2003Vel1]").At(0.52, 1273);
        QCOMPARE_FIXED(*agBi.density, 9.2401);
        QCOMPARE_FIXED(*agBi.surfaceTension, 417.7211);
        QCOMPARE_FIXED(agBi.molarMass, 160.4464);
        QCOMPARE_FIXED(*agBi.molarVolume, 17.3641);
    }

    void SurfaceFractionOfAgSn()
    {
        const Approximation ost = Find("Ag-Sn", "[2004Ost]");
        const auto &fit = std::get<SurfaceFractionFit>(*ost.surfaceTension);
        const SurfaceFractionPoint point = SurfaceFractionAt(fit, 0.48, 1273);
        QCOMPARE_FIXED(point.p, 0.2285);
        QCOMPARE_FIXED(point.xs, 0.8016);
        QCOMPARE_FIXED(*ost.At(0.48, 1273).surfaceTension, 580.4840);
        // The pure metals at both ends.
        QCOMPARE_FIXED(*ost.At(0, 1273).surfaceTension, 1207 - 0.228L * 1273);
        QCOMPARE_FIXED(*ost.At(1, 1273).surfaceTension, 580 - 0.065L * 1273);
    }

    void EndMembers()
    {
        QCOMPARE_FIXED(*Find("Ag-Bi", "[2003Vel1]").At(1, 900).density, 10.692L - 0.00119L * 900);
        QCOMPARE_FIXED(
            *Find("Cu-Sn", "[2004Ost]").At(0, 1400).surfaceTension, 1585 - 0.211L * 1400);
        QCOMPARE_FIXED(
            *Find("Ag-Bi", "[2003Vel1]").At(1, 900).surfaceTension, 404.5L - 0.0492L * 900);
        QCOMPARE_FIXED(*Find("Ag-Bi", "[2003Vel1]").At(0, 900).surfaceTension,
            (404.5L - 0.0492L * 900) * (1 + (0.0000377L * 900 - 0.3918L) * std::log(0.00933L)));
        // A plain polynomial in X need not meet the pure metal: about 609.27 − 0.0696·T.
        QCOMPARE_FIXED(*Find("Pb-Sn", "[1985Pek]").At(1, 600).surfaceTension,
            609.2680707L - 0.0696341963L * 600);
    }

    void SectionsStartAtTheBaseAlloy()
    {
        const ApproxValues agCuSn = Find("Ag-Cu-Sn", "[2002Kor]").At(0, 523);
        QCOMPARE_FIXED(*agCuSn.density, 7.0565);
        QCOMPARE_FIXED(*agCuSn.surfaceTension, 538.9927);
    }

    void PinnedValues()
    {
        for (const Pinned &p : PinnedPoints) {
            const ApproxValues v = Find(p.system, p.tag).At(p.x, p.t);
            CompareOptional(v.density, p.density);
            CompareOptional(v.surfaceTension, p.surfaceTension);
            QCOMPARE_FIXED(v.molarMass, p.molarMass);
            CompareOptional(v.molarVolume, p.molarVolume);
        }
    }

    void PropertyChoosesTheValue()
    {
        const ApproxValues v = Find("Pb-Sn", "[2001Vel2]").At(0.72, 673);
        QCOMPARE_FIXED(*v.Of(ApproxProperty::Density), 8.0941);
        QCOMPARE_FIXED(*v.Of(ApproxProperty::SurfaceTension), 457.8007);
        QCOMPARE_FIXED(*v.Of(ApproxProperty::MolarVolume), 17.7256);
    }

    void Sampling()
    {
        const Approximation agCuSn = Find("Ag-Cu-Sn", "[2004Vel1]");
        QCOMPARE(agCuSn.curve->points, 66);
        QCOMPARE_FIXED(agCuSn.X(agCuSn.curve->points - 1), 0.065);
        const Approximation agSbSn = Find("Ag-Sb-Sn", "[2004Vel2]");
        QCOMPARE(agSbSn.curve->points, 10);
        QCOMPARE_FIXED(agSbSn.X(agSbSn.curve->points - 1), 0.09);
        const Approximation agBiSn = Find("Ag-Bi-Sn", "[2001Kor3]");
        QCOMPARE(agBiSn.curve->points, 25);
        QCOMPARE_FIXED(agBiSn.X(agBiSn.curve->points - 1), 0.12);
        const Approximation agBi = Find("Ag-Bi", "[2003Vel1]");
        QCOMPARE(agBi.curve->points, 26);
        QCOMPARE_FIXED(agBi.X(13), 0.52);
    }

    void UnknownPublicationOrSystem()
    {
        QVERIFY(!FindApproximation(u"Ag-Sn", u"[2003Vel1]"));
        QVERIFY(!FindApproximation(u"Ag-Cu", u"[2004Ost]"));
        QVERIFY(!FindApproximation(u"Ag-Bi-Cu-Sn", u"[Kor1]"));
    }

    void DensityOfZeroRaises()
    {
        // Far outside any fit's range the density reaches zero; the molar volume then
        // raises the division error instead of an infinite value.
        const Approximation cuSb = Find("Cu-Sb", "[2005Kor2]");
        QVERIFY_THROWS_EXCEPTION(EMathError, cuSb.At(0, 11278.875));
    }

    void LogarithmOutsideItsDomainRaises()
    {
        QVERIFY_THROWS_EXCEPTION(EMathError, Find("Ag-Bi", "[2003Vel1]").At(-0.01, 900));
    }
};

VIRELT_TEST(ApproximationTest)
#include "ApproximationTest.moc"
