#include "info/FigureNames.h"
#include "support/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace FigureNames;

Q_DECLARE_METATYPE(FigureNames::Selection)

namespace {

Selection Choice(const QString &category, const QString &system, const QString &property,
    const QString &mode, bool model = false, const QString &subProperty = {})
{
    Selection s;
    s.category = category;
    s.system = system;
    s.property = property;
    s.subProperty = subProperty;
    s.author = QStringLiteral("[2003Vel1]");
    s.isotherms = mode.contains(u'X');
    s.temperature = mode.contains(u'T');
    s.isosurface = mode.contains(u'I');
    s.model = model;
    return s;
}

void Touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class FigureNamesTest : public QObject
{
    Q_OBJECT
private slots:
    void propertyAndSubPropertyCodes()
    {
        QCOMPARE(PropertyCode("Density"), QStringLiteral("D"));
        QCOMPARE(PropertyCode("Surface tension"), QStringLiteral("ST"));
        QCOMPARE(PropertyCode("Molar volume"), QStringLiteral("V"));
        QCOMPARE(PropertyCode("Viscosity"), QStringLiteral("L"));
        QCOMPARE(PropertyCode("Electrical properties"), QStringLiteral("E"));
        QCOMPARE(PropertyCode("Mechanical properties"), QStringLiteral("M"));
        QCOMPARE(PropertyCode("density"), QString());
        QCOMPARE(PropertyCode({}), QString());

        const QString e = QStringLiteral("Electrical properties");
        const QString m = QStringLiteral("Mechanical properties");
        QCOMPARE(SubPropertyCode(e, "Resistance"), QStringLiteral("RE"));
        QCOMPARE(SubPropertyCode(e, "Resistivity"), QStringLiteral("RY"));
        QCOMPARE(SubPropertyCode(e, "Thermal conductivity"), QStringLiteral("TC"));
        QCOMPARE(SubPropertyCode(m, "Shear Strength"), QStringLiteral("SS"));
        QCOMPARE(SubPropertyCode(m, "Tensile Strength"), QStringLiteral("TS"));
        QCOMPARE(SubPropertyCode(m, "Young's Modulus"), QStringLiteral("YM"));
        QCOMPARE(SubPropertyCode(m, "Hardness"), QStringLiteral("H"));
        // A sub-property counts only under its own property.
        QCOMPARE(SubPropertyCode(m, "Resistivity"), QString());
        QCOMPARE(SubPropertyCode(e, "Hardness"), QString());
        QCOMPARE(SubPropertyCode("Density", "Resistivity"), QString());
        QCOMPARE(SubPropertyCode(e, {}), QString());
    }

    void everyListedSubPropertyHasACode()
    {
        const QString e = QStringLiteral("Electrical properties");
        const QString m = QStringLiteral("Mechanical properties");
        QCOMPARE(
            SubProperties(e), QStringList({ "Resistance", "Resistivity", "Thermal conductivity" }));
        QCOMPARE(SubProperties(m),
            QStringList({ "Hardness", "Shear Strength", "Tensile Strength", "Young's Modulus" }));
        for (const QString &property : { e, m })
            for (const QString &sub : SubProperties(property))
                QVERIFY2(!SubPropertyCode(property, sub).isEmpty(), qPrintable(sub));
        QVERIFY(SubProperties("Density").isEmpty());
        QVERIFY(SubProperties({}).isEmpty());
    }

    void modeAndModelCodes()
    {
        QCOMPARE(ModeCode(false, false, false), QString());
        QCOMPARE(ModeCode(true, false, false), QStringLiteral("X"));
        QCOMPARE(ModeCode(false, true, false), QStringLiteral("T"));
        QCOMPARE(ModeCode(false, false, true), QStringLiteral("I"));
        // A later box replaces an earlier one: T over X, I over both.
        QCOMPARE(ModeCode(true, true, false), QStringLiteral("T"));
        QCOMPARE(ModeCode(true, false, true), QStringLiteral("I"));
        QCOMPARE(ModeCode(true, true, true), QStringLiteral("I"));

        QCOMPARE(ModelCode(true, "Surface tension"), QStringLiteral("But"));
        QCOMPARE(ModelCode(true, "Viscosity"), QStringLiteral("Model"));
        QCOMPARE(ModelCode(true, "Density"), QString());
        QCOMPARE(ModelCode(false, "Surface tension"), QString());
        QCOMPARE(ModelCode(false, "Viscosity"), QString());
    }

    void candidates_data()
    {
        QTest::addColumn<Selection>("selection");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("pure metal: without the author first")
            << Choice("Pure metals", "Sn", "Density", "X") << QString() << "Sn_DX.jpg"
            << "[2003Vel1]_Sn_DX.jpg";
        QTest::newRow("binary Butler isotherms")
            << Choice("Binary systems", "Ag-Sn", "Surface tension", "X", true) << QString()
            << "[2003Vel1]_Ag-Sn_STXBut.jpg" << QString();
        QTest::newRow("binary resistivity against temperature")
            << Choice("Binary systems", "Ag-Sn", "Electrical properties", "T", false, "Resistivity")
            << QString() << "[2003Vel1]_Ag-Sn_ERYT.jpg" << QString();
        QTest::newRow("binary hardness isotherms")
            << Choice("Binary systems", "Ag-Sn", "Mechanical properties", "X", false, "Hardness")
            << QString() << "[2003Vel1]_Ag-Sn_MHX.jpg" << QString();
        QTest::newRow("viscosity model, no mode box")
            << Choice("Binary systems", "Ag-Sn", "Viscosity", "", true) << QString()
            << "Ag-Sn_LModel.jpg" << QString();
        QTest::newRow("viscosity model of a pure metal")
            << Choice("Pure metals", "Sn", "Viscosity", "X", true) << QString() << "Sn_LXModel.jpg"
            << "[2003Vel1]_Sn_LXModel.jpg";
        QTest::newRow("ternary section: every / becomes _")
            << Choice("Ternary systems", "Ag-Cu-Sn", "Density", "X") << "(Ag-Sn)eut/Cu"
            << "[2003Vel1]_(Ag-Sn)eut_Cu_DX.jpg" << QString();
        QTest::newRow("quaternary section A/B")
            << Choice("Quaternary systems", "Ag-Bi-Cu-Sn", "Density", "T") << "A/B"
            << "[2003Vel1]_A_B_DT.jpg" << QString();
        QTest::newRow("quinary section without a choice: two _ in a row")
            << Choice("Quinary systems", "Ag-Bi-Cu-Sb-Sn", "Density", "X") << QString()
            << "[2003Vel1]__DX.jpg" << QString();
        QTest::newRow("ternary viscosity model: the system, never the author or section")
            << Choice("Ternary systems", "Ag-Cu-Sn", "Viscosity", "X", true) << "S/1"
            << "Ag-Cu-Sn_LXModel.jpg" << QString();
        QTest::newRow("isosurface tension of a section")
            << Choice("Ternary systems", "Ag-Cu-Sn", "Surface tension", "XI", true)
            << "(Ag-Sn)eut/Cu"
            << "[2003Vel1]_(Ag-Sn)eut_Cu_STIBut.jpg" << QString();
        QTest::newRow("unknown property: an empty code")
            << Choice("Binary systems", "Ag-Sn", "Colour", "") << QString()
            << "[2003Vel1]_Ag-Sn_.jpg" << QString();
    }
    void candidates()
    {
        QFETCH(Selection, selection);
        QFETCH(QString, section);
        const Candidates names = CandidateNames(selection, section);
        QTEST(names.first, "first");
        QTEST(names.second, "second");
    }

    void sectionCategoriesAndFolders()
    {
        QVERIFY(IsSectionCategory("Ternary systems"));
        QVERIFY(IsSectionCategory("Quaternary systems"));
        QVERIFY(IsSectionCategory("Quinary systems"));
        QVERIFY(!IsSectionCategory("Binary systems"));
        QVERIFY(!IsSectionCategory("Pure metals"));
        QCOMPARE(FigureFolder("/x/Database", "Binary systems", "Ag-Sn"),
            QStringLiteral("/x/Database/Fig/Binary systems/Ag-Sn/"));
        QCOMPARE(FigersPrefix("/x/Database", "Binary systems", "Ag-Sn", "[2003Vel1]"),
            QStringLiteral("/x/Database/Fig/Binary systems/Ag-Sn/[2003Vel1]_Ag-Sn_"));
        QCOMPARE(MeniskFolder("/x/Database", "Binary systems", "Ag-Sn"),
            QStringLiteral("/x/Database/Menisk/Binary systems/Ag-Sn/"));
        QCOMPARE(MeniskFileName("[2025Men1]", "Ag-Sn", "Wetting force", "Fig1"),
            QStringLiteral("[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg"));
        QCOMPARE(SectionName("(Ag-Cu-Sn)eut/Bi/x"), QStringLiteral("(Ag-Cu-Sn)eut_Bi_x"));
        QCOMPARE(DiagramFile("/x/Database", "Binary systems", "Ag-Sn"),
            QStringLiteral("/x/Database/Diagram/Binary systems/Ag-Sn.jpg"));
        QCOMPARE(DiagramReferencesFile("/x/Database"),
            QStringLiteral("/x/Database/Diagram/References.txt"));
    }

    void figureKindsFollowTheFigureCodes()
    {
        const std::vector<FigureKind> &kinds = FigureKinds();
        QCOMPARE(int(kinds.size()), 25);
        QCOMPARE(kinds.front().caption, QStringLiteral("Isotherms of density"));
        QCOMPARE(kinds.back().caption, QStringLiteral("Temperature dependences of hardness"));
        // Each ending is the code the finder builds for that kind, then ".jpg".
        const QStringList codes = { "DX", "DT", "STX", "STT", "STXBut", "STIBut", "STTBut", "VX",
            "VT", "LX", "LT", "EREX", "ERET", "ERYX", "ERYT", "ETCX", "ETCT", "MSSX", "MSST",
            "MTSX", "MTST", "MYMX", "MYMT", "MHX", "MHT" };
        for (int i = 0; i < 25; ++i)
            QCOMPARE(kinds[i].ending, codes[i] + ".jpg");
        QCOMPARE(FigureCode(Choice("Binary systems", "Ag-Sn", "Mechanical properties", "T", false,
                     "Young's Modulus")),
            QStringLiteral("MYMT"));
    }

    void everyListedCaptionNamesItsOwnFile()
    {
        // One table serves the list and the path, so the captions the list shows all compose.
        QCOMPARE(
            EndingOf("Butler model of Isotherms of surface tension"), QStringLiteral("STXBut.jpg"));
        QCOMPARE(EndingOf("Isotherms of molar volume"), QStringLiteral("VX.jpg"));
        QCOMPARE(EndingOf("Temperature dependences of molar volume"), QStringLiteral("VT.jpg"));
        QCOMPARE(EndingOf("Isotherms of hardness"), QStringLiteral("MHX.jpg"));
        QCOMPARE(EndingOf("Temperature dependences of hardness"), QStringLiteral("MHT.jpg"));
        QCOMPARE(EndingOf("Isotherms of hardnes"), QString());
        QCOMPARE(EndingOf("Wetting force"), QString());
        for (const FigureKind &kind : FigureKinds())
            QCOMPARE(EndingOf(kind.caption), kind.ending);
    }

    void onlyExistingKindsAreListedInTableOrder()
    {
        QTemporaryDir dir;
        const QString prefix = dir.path() + "/[2003Vel1]_Ag-Sn_";
        Touch(prefix + "STTBut.jpg");
        Touch(prefix + "DX.jpg");
        Touch(dir.path() + "/[2003Vel1]_Ag-Sn_VX.jpeg"); // another extension: not a figure
        Touch(dir.path() + "/[2004Xyz]_Ag-Sn_DT.jpg"); // another author
        QVERIFY(QDir().mkpath(prefix + "STX.jpg")); // a folder is no figure
        QCOMPARE(ExistingKinds(prefix),
            QStringList({ "Isotherms of density",
                "Butler model of Temperature dependences of surface tension" }));
        QCOMPARE(ExistingKinds(dir.path() + "/[1999Non]_Ag-Sn_"), QStringList());
    }

    void filesAreFoundInAnyCaseButFoldersNever()
    {
        QTemporaryDir dir;
        Touch(dir.path() + "/Ag-Sn_DX.JPG");
        QVERIFY(QDir().mkpath(dir.path() + "/Ag-Sn_DT.jpg"));
        QCOMPARE(FindFile(dir.path() + "/Ag-Sn_DX.JPG"), dir.path() + "/Ag-Sn_DX.JPG");
        QCOMPARE(FindFile(dir.path() + "/ag-sn_dx.jpg"), dir.path() + "/Ag-Sn_DX.JPG");
        QCOMPARE(FindFile(dir.path() + "/Ag-Sn_DT.jpg"), QString());
        QCOMPARE(FindFile(dir.path() + "/Ag-Sn_LX.jpg"), QString());
        QCOMPARE(FindFile(dir.path() + "/NoFolder/Ag-Sn_DX.JPG"), QString());
    }

    void meniscographicFiguresMatchAnyDesignation()
    {
        QTemporaryDir dir;
        const QString folder = dir.path() + u'/';
        Touch(folder + "[2025Men1]_Ag-Sn_Wetting force_Fig2.jpg");
        Touch(folder + "[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg");
        Touch(folder + "[2025Men1]_Ag-Sn_Wetting time_x.JPG");
        Touch(folder + "2025Men1_Ag-Sn_Contact or wetting angle_Fig1.jpg"); // no brackets
        Touch(folder + "[2025Men2]_Ag-Sn_Interfacial tension_Fig1.jpg");
        // The tag's brackets are plain characters, and the first in name order is taken.
        QCOMPARE(FindMeniskFigure(folder, "[2025Men1]", "Ag-Sn", "Wetting force"),
            folder + "[2025Men1]_Ag-Sn_Wetting force_Fig1.jpg");
        QCOMPARE(FindMeniskFigure(folder, "[2025Men1]", "Ag-Sn", "Wetting time"),
            folder + "[2025Men1]_Ag-Sn_Wetting time_x.JPG");
        QCOMPARE(
            FindMeniskFigure(folder, "[2025Men1]", "Ag-Sn", "Contact or wetting angle"), QString());
        QCOMPARE(FindMeniskFigure(folder, "[2025Men1]", "Ag-Sn", "Interfacial tension"), QString());
        QCOMPARE(FindMeniskFigure(folder, "[2025Men1]", "Sn-Zn", "Wetting force"), QString());
        QCOMPARE(MeniskKinds(),
            QStringList({ "Contact or wetting angle", "Wetting force", "Wetting time",
                "Interfacial tension" }));
    }
};

VIRELT_TEST(FigureNamesTest)
#include "FigureNamesTest.moc"
