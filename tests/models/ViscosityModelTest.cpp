#include "models/ViscosityMemo.h"
#include "models/ViscosityModels.h"
#include "platform/Exceptions.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <cmath>

namespace {

const ViscositySystem &System(const char *name)
{
    const ViscositySystem *system = FindViscositySystem(QString::fromLatin1(name));
    if (!system)
        qFatal("no viscosity models for %s", name);
    return *system;
}

constexpr ViscosityModel AllModels[] = {
    ViscosityModel::IidaUedaMorita,
    ViscosityModel::Kaptay,
    ViscosityModel::KozlovRomanovPetrov,
    ViscosityModel::MoelwynHughes,
    ViscosityModel::Seetharaman1,
    ViscosityModel::SeetharamanDuSichen,
};

struct Pinned
{
    const char *system;
    int t;
    double eta[6]; // per model, in the order of ViscosityModel
};

// η at x = 0.3 and the middle of each range, computed apart from the program at high precision.
const Pinned PinnedPoints[] = {
    { "Ag-Au", 1523,
        { 3.36489005546101, 3.2862756547024, 3.42925771852447, 4.96714191743474, 1.65113457181517,
            2.51482617504664 } },
    { "Ag-Cu", 1523,
        { 2.54818633215507, 2.60442583761508, 2.53094665769523, 1.11521731631897, 2.15141444397629,
            3.27341112074563 } },
    { "Al-Zn", 1173,
        { 0.968040129349465, 0.99808099428312, 0.992237774762355, 0.602823185415072,
            0.788496026958442, 1.20378948645065 } },
    { "Ag-Sn", 973,
        { 3.7373129496926, 1.71287939956455, 4.02787150768247, 7.87295564484071, 1.62821951336129,
            2.47956803385648 } },
    { "Au-Cu", 1523,
        { 3.97668333090936, 4.0057192309795, 4.5691721961757, 7.50624908542388, 1.7444993694748,
            2.65952046633621 } },
    { "Au-Sn", 1173,
        { 3.58609823103474, 3.9707690064808, 3.89939685420262, 7.31564457216609, 1.25980171752827,
            1.91963203767206 } },
    { "Bi-Cu", 1223,
        { 1.80528156396169, 1.12177354026084, 1.16582766897208, 0.271523576435102, 1.06764258325093,
            1.62574877972112 } },
    { "Cd-Sn", 773,
        { 1.41536060775957, 1.51165441638085, 1.44046375891888, 0.76334596926705, 1.1950862838171,
            1.82447093135282 } },
    { "In-Sn", 973,
        { 0.814730365730121, 0.828145761508952, 0.830971680758381, 0.859385241592814,
            0.431013896623245, 0.810493800152501 } },
    { "Pb-Sn", 973,
        { 1.30799359659379, 1.27585388939207, 1.25245075052046, 0.89550123846443, 1.00528284651288,
            1.53434707150783 } },
    { "In-Zn", 823,
        { 1.3049495444674, 1.05121814621299, 1.0187698598537, 0.418769542238537, 0.954484498078419,
            1.4534499367769 } },
    { "Sn-Zn", 873,
        { 1.38901515244923, 1.2077554284307, 1.18888787422227, 0.518780324639967, 0.950833704308574,
            1.4444048007526 } },
    { "Cu-Sn", 1273,
        { 2.91315935483083, 2.46170701264215, 2.72759032576357, 5.04559563048875, 0.958486576895966,
            1.46069086832876 } },
};

struct Range
{
    const char *system;
    int minT;
    int maxT;
};

const Range Ranges[] = {
    { "Ag-Au", 1273, 1773 },
    { "Ag-Cu", 1273, 1773 },
    { "Al-Zn", 673, 1673 },
    { "Ag-Sn", 673, 1273 },
    { "Au-Cu", 1273, 1773 },
    { "Au-Sn", 673, 1673 },
    { "Bi-Cu", 873, 1573 },
    { "Cd-Sn", 623, 923 },
    { "In-Sn", 673, 1273 },
    { "Pb-Sn", 673, 1273 },
    { "In-Zn", 623, 1023 },
    { "Sn-Zn", 673, 1073 },
    { "Cu-Sn", 873, 1673 },
};

bool Close(double actual, double expected)
{
    return std::fabs(actual - expected) <= 1e-12 * std::fabs(expected);
}

} // namespace

class ViscosityModelTest : public QObject
{
    Q_OBJECT

private slots:
    void PinnedValues()
    {
        for (const Pinned &p : PinnedPoints)
            for (std::size_t m = 0; m < std::size(AllModels); ++m)
                QVERIFY2(
                    Close(Viscosity(System(p.system), AllModels[m], 0.3, p.t), p.eta[m]), p.system);
    }

    void EveryModelSharesTheEnds()
    {
        for (const Range &r : Ranges) {
            const ViscositySystem &system = System(r.system);
            const double rt = 8.314472 * r.minT;
            for (ViscosityModel model : AllModels) {
                const auto curve = ViscosityCurve(system, model, r.minT);
                QVERIFY(Close(curve.front().eta, system.a1 * std::exp(system.e1 / rt)));
                QVERIFY(Close(curve.back().eta, system.a2 * std::exp(system.e2 / rt)));
            }
        }
    }

    void CurveHas101Points()
    {
        const auto curve = ViscosityCurve(System("Ag-Sn"), ViscosityModel::Kaptay, 1000);
        QCOMPARE(curve.size(), std::size_t(101));
        QCOMPARE(curve.front().x, 0.0);
        QCOMPARE(curve[37].x, 0.37);
        QCOMPARE(curve.back().x, 1.0);
    }

    void TemperatureRanges()
    {
        for (const Range &r : Ranges) {
            const ViscositySystem &system = System(r.system);
            QVERIFY(InTemperatureRange(system, r.minT));
            QVERIFY(InTemperatureRange(system, r.maxT));
            QVERIFY(!InTemperatureRange(system, Fixed::FromRaw(r.minT * Fixed::Scale - 1)));
            QVERIFY(!InTemperatureRange(system, Fixed::FromRaw(r.maxT * Fixed::Scale + 1)));
        }
    }

    void RangeMessages()
    {
        QCOMPARE(TemperatureRangeMessage(System("Cd-Sn")),
            QStringLiteral("Error! Temperature range <623,923[K]>"));
        for (const char *name : { "Ag-Au", "Ag-Cu", "Au-Cu" })
            QCOMPARE(TemperatureRangeMessage(System(name)),
                QStringLiteral("Error! Temperature range <1273,1773[K]>"));
        const QString agSn = TemperatureRangeMessage(System("Ag-Sn"));
        const QString first = QStringLiteral("Error! Temperature range <673,1273 [K]> ");
        QVERIFY(agSn.startsWith(first));
        QVERIFY(agSn.size() > first.size());
    }

    void ModelsByText()
    {
        QCOMPARE(ViscosityModelFromText(u"Iida-Ueda-Morita"), ViscosityModel::IidaUedaMorita);
        QCOMPARE(ViscosityModelFromText(u"Kaptay"), ViscosityModel::Kaptay);
        QCOMPARE(
            ViscosityModelFromText(u"Kozlov-Romanov-Petrov"), ViscosityModel::KozlovRomanovPetrov);
        QCOMPARE(ViscosityModelFromText(u"Moelwyn-Hughes"), ViscosityModel::MoelwynHughes);
        QCOMPARE(ViscosityModelFromText(u"Seetharaman 1"), ViscosityModel::Seetharaman1);
        QCOMPARE(
            ViscosityModelFromText(u"Seetharaman-Du Sichen"), ViscosityModel::SeetharamanDuSichen);
        QVERIFY(!ViscosityModelFromText(u"Seetharaman"));
        QVERIFY(!ViscosityModelFromText(u" Kaptay"));
    }

    void NoModelsForOtherSystems() { QVERIFY(!FindViscositySystem(u"Bi-Sn")); }

    void MemoOfAgSnWithHeader()
    {
        const ViscositySystem &agSn = System("Ag-Sn");
        const ViscosityMemoHeader header { QStringLiteral("Kaptay"), QStringLiteral("673"),
            QStringLiteral("Viscosity [mPa*s]") };
        const QStringList lines
            = ViscosityMemoLines(agSn, header, ViscosityCurve(agSn, ViscosityModel::Kaptay, 673));
        QCOMPARE(lines.size(), 107);
        QCOMPARE(lines[0], QStringLiteral("Model of viscosity: Kaptay,  Temerature: 673 K"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral("X        Viscosity [mPa*s]"));
        QCOMPARE(lines[3], QString());
        QVERIFY(lines[4].startsWith(QStringLiteral("0\t\t")));
        QVERIFY(lines[11].startsWith(QStringLiteral("0,07\t\t")));
        QVERIFY(lines[104].startsWith(QStringLiteral("1\t\t")));
        QCOMPARE(lines[105], QString());
        QCOMPARE(lines[106], QString());
    }

    // Every other system writes its points without a header: 101 lines and two empty ones.
    void MemoOfEveryOtherSystem()
    {
        for (const Range &r : Ranges) {
            if (QLatin1String(r.system) == QLatin1String("Ag-Sn"))
                continue;
            const ViscositySystem &system = System(r.system);
            const QStringList lines = ViscosityMemoLines(
                system, {}, ViscosityCurve(system, ViscosityModel::Kaptay, r.minT));
            QCOMPARE(lines.size(), 103);
            QVERIFY2(lines[0].startsWith(QStringLiteral("0\t\t")), r.system);
            QVERIFY2(lines[100].startsWith(QStringLiteral("1\t\t")), r.system);
            QCOMPARE(lines[101], QString());
            QCOMPARE(lines[102], QString());
        }
    }

    void MemoRoundsToHundredths()
    {
        const QStringList lines
            = ViscosityMemoLines(System("Ag-Cu"), {}, { { 0.5, 1.2345 }, { 0.25, 0.996 } });
        QCOMPARE(lines[0], QStringLiteral("0,5\t\t1,23"));
        QCOMPARE(lines[1], QStringLiteral("0,25\t\t1"));
    }

    void ZeroOrTinyTemperatureRaises()
    {
        const ViscositySystem &agSn = System("Ag-Sn");
        QVERIFY_THROWS_EXCEPTION(EMathError, Viscosity(agSn, ViscosityModel::Kaptay, 0.5, 0));
        QVERIFY_THROWS_EXCEPTION(EMathError, Viscosity(agSn, ViscosityModel::Kaptay, 0.5, 0.001));
        // exp(E/RT) still fits extended precision here, but η does not fit a double.
        QVERIFY_THROWS_EXCEPTION(EMathError, Viscosity(agSn, ViscosityModel::Kaptay, 0, 3));
    }
};

VIRELT_TEST(ViscosityModelTest)
#include "ViscosityModelTest.moc"
