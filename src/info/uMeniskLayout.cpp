// The meniscographic window's components and where they sit.
#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "info/Schematics.h"
#include "info/uMenisk.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

using namespace InfoStyle;

namespace {

TDBLookupComboBox *Picker(QWidget *parent, const char *name, TDataSource *source)
{
    auto *picker = new TDBLookupComboBox(parent, QLatin1String(name));
    picker->SetListSource(source);
    picker->setEnabled(false);
    picker->setMinimumWidth(220);
    return picker;
}

QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    box->setFont(TimesFont(16, true));
    return box;
}

} // namespace

// Design states are set here, before any handler is connected, so they run nothing.
void TfmMenisk::BuildLayout()
{
    setFixedSize(620, 260);
    SetBackground(this, clMoneyGreen);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 10, 14, 10);
    Label1 = Label(this, "Label1", QStringLiteral("Meniscographic Studies"), TimesFont(24, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: #000080;"));
    layout->addWidget(Label1);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(16);
    Image1 = FixedPicture(this, "Image1", Schematics::WettingCurve(QSize(180, 118)));
    middle->addWidget(Image1, 0, Qt::AlignTop);

    auto *choice = new QGridLayout;
    choice->setVerticalSpacing(8);
    chbTable = CheckBox(this, "chbTable", QStringLiteral("Table"), true);
    chbFig = CheckBox(this, "chbFig", QStringLiteral("Figer"), false);
    auto *modes = new QHBoxLayout;
    modes->addWidget(chbTable);
    modes->addSpacing(20);
    modes->addWidget(chbFig);
    modes->addStretch(1);
    choice->addLayout(modes, 0, 0, 1, 2);
    const QFont captions = TimesFont(15, true);
    Label2 = Label(this, "Label2", QStringLiteral("Select Author"), captions);
    Label3 = Label(this, "Label3", QStringLiteral("Select Figure"), captions);
    Label4 = Label(this, "Label4", QStringLiteral("Select system"), captions);
    dblAutor = Picker(this, "dblAutor", dmDataModule->dsAutorMenisk);
    dblSelectMeniskFig = Picker(this, "dblSelectMeniskFig", dmDataModule->dsSelecMeniskFig);
    dblMeniskFig = Picker(this, "dblMeniskFig", dmDataModule->dsMeniskFig);
    choice->addWidget(Label2, 1, 0);
    choice->addWidget(dblAutor, 1, 1);
    choice->addWidget(Label3, 2, 0);
    choice->addWidget(dblSelectMeniskFig, 2, 1);
    choice->addWidget(Label4, 3, 0);
    choice->addWidget(dblMeniskFig, 3, 1);
    middle->addLayout(choice, 1);
    layout->addSpacing(6);
    layout->addLayout(middle);
    layout->addStretch(1);

    sbFig = Button(this, "sbFig", QStringLiteral("Show"));
    SpeedButton2 = Button(this, "SpeedButton2", QStringLiteral("All Data"));
    sbHelp = Button(this, "sbHelp", QStringLiteral("Help"));
    SpeedButton1 = Button(this, "SpeedButton1", QStringLiteral("Exit"));
    auto *buttons = ButtonPanel(
        this, "Panel1", 44, clMoneyGreen, { sbFig, SpeedButton2, sbHelp }, { SpeedButton1 });
    buttons->layout()->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buttons);
}
