#include "app/uSelect.h"

#include "data/uDataModule.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace {

QLabel *Caption(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

} // namespace

// Design states are set here, before any handler is connected, so they run nothing.
void TfmSelect::BuildLayout()
{
    resize(760, 380);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);

    auto *top = new QHBoxLayout;
    top->setSpacing(10);
    auto *choice = new QGroupBox(this);
    choice->setObjectName(QStringLiteral("Panel1"));
    auto *choiceLayout = new QVBoxLayout(choice);
    choiceLayout->setContentsMargins(16, 12, 16, 12);
    Label1 = Caption(choice, "Label1", QStringLiteral("SELECT SYSTEM"));
    dblSelect = new TDBLookupComboBox(choice, QStringLiteral("dblSelect"));
    dblSelect->SetKeyField(QStringLiteral("ID_TAB_UKL"));
    dblSelect->SetListField(QStringLiteral("OZNACZENIE"));
    dblSelect->SetListSource(dmDataModule->dsTabUkl);
    Label2 = Caption(choice, "Label2", QStringLiteral("SELECT PROPERTIES"));
    dblWlasnosci = new TDBLookupComboBox(choice, QStringLiteral("dblWlasnosci"));
    dblWlasnosci->SetKeyField(QStringLiteral("ID_WLASCIWOSCI"));
    dblWlasnosci->SetListField(QStringLiteral("WLASNOSC"));
    dblWlasnosci->SetListSource(dmDataModule->dsWlasnosci);
    choiceLayout->addWidget(Label1);
    choiceLayout->addWidget(dblSelect);
    choiceLayout->addSpacing(8);
    choiceLayout->addWidget(Label2);
    choiceLayout->addWidget(dblWlasnosci);
    choiceLayout->addStretch(1);
    top->addWidget(choice, 3);

    auto *mode = new QGroupBox(this);
    mode->setObjectName(QStringLiteral("Panel2"));
    auto *modeLayout = new QVBoxLayout(mode);
    modeLayout->setContentsMargins(16, 12, 16, 12);
    chbX = CheckBox(mode, "chbX", QStringLiteral("Isotherms"), true);
    chbTemp = CheckBox(mode, "chbTemp", QStringLiteral("Temperature dependence"), false);
    chbButler = CheckBox(mode, "chbButler", QStringLiteral("Model"), false);
    chbIsosurface = CheckBox(mode, "chbIsosurface", QStringLiteral("Isosurface tension"), false);
    chbIsosurface->hide();
    modeLayout->addWidget(chbX);
    modeLayout->addWidget(chbTemp);
    modeLayout->addWidget(chbButler);
    modeLayout->addWidget(chbIsosurface);
    modeLayout->addStretch(1);
    top->addWidget(mode, 2);
    layout->addLayout(top);

    DBGrid1 = new TDBGrid(this, QStringLiteral("DBGrid1"));
    const Qt::Alignment centre = Qt::AlignHCenter;
    DBGrid1->SetColumns({
        { QStringLiteral("OZNACZENIE"), QStringLiteral("METAL"), 40, centre },
        { QStringLiteral("MASA_ATOMOWA"), QStringLiteral("ATOMIC WEIGHT"), 92, centre },
        { QStringLiteral("TEMP_TOPNIENIA"), QStringLiteral("MELTING POINT [K]"), 105, centre },
        { QStringLiteral("TEMP_WRZENIA"), QStringLiteral("BOILING POINT [K]"), 90, centre },
        { QStringLiteral("CRYSTAL_STRUCTURE"), QStringLiteral("CRYSTAL STRUCTURE"), 124, centre },
        { QStringLiteral("COVALENT_RADIUS"), QStringLiteral("COVALENT RADIUS [nm]"), 130, centre },
        { QStringLiteral("ATOMIC_RADIUS"), QStringLiteral("ATOMIC RADIUS [nm]"), 116, centre },
    });
    // The design widths are narrow: a small condensed face keeps every title readable.
    QFont small = DBGrid1->font();
    small.setPixelSize(11);
    small.setStretch(QFont::Condensed);
    DBGrid1->horizontalHeader()->setFont(small);
    DBGrid1->setFont(small);
    layout->addWidget(DBGrid1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    SpeedButton5 = new TSpeedButton(this, QStringLiteral("SpeedButton5"), QStringLiteral("Show"),
        false, QStringLiteral("Metals Properties"));
    SpeedButton6 = new TSpeedButton(this, QStringLiteral("SpeedButton6"), QStringLiteral("Fig"),
        true, QStringLiteral("Figure"));
    sbPhaseDiagram = new TSpeedButton(this, QStringLiteral("sbPhaseDiagram"),
        QStringLiteral("Ph Diag"), false, QStringLiteral("Phase Diagrams"));
    sbMenisk = new TSpeedButton(this, QStringLiteral("sbMenisk"), QStringLiteral("Menisc"), false,
        QStringLiteral("Meniscographic measurements"));
    sbSolid = new TSpeedButton(this, QStringLiteral("sbSolid"), QStringLiteral("Solid sim"), false,
        QStringLiteral("Solidification Simulation"));
    sbHelp = new TSpeedButton(this, QStringLiteral("sbHelp"), QStringLiteral("Help"), true);
    SpeedButton2
        = new TSpeedButton(this, QStringLiteral("SpeedButton2"), QStringLiteral("Back"), true);
    SpeedButton1
        = new TSpeedButton(this, QStringLiteral("SpeedButton1"), QStringLiteral("Next"), false);
    SpeedButton3
        = new TSpeedButton(this, QStringLiteral("SpeedButton3"), QStringLiteral("Exit"), true);
    for (TSpeedButton *b : { SpeedButton5, SpeedButton6, sbPhaseDiagram, sbMenisk, sbSolid })
        buttons->addWidget(b);
    buttons->addStretch(1);
    for (TSpeedButton *b : { sbHelp, SpeedButton2, SpeedButton1, SpeedButton3 })
        buttons->addWidget(b);
    layout->addLayout(buttons);
}
