#include "info/uDTA.h"

#include "app/Main.h"
#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QVBoxLayout>

using namespace InfoStyle;

namespace {

std::vector<TColumn> Columns()
{
    std::vector<TColumn> columns = {
        { QStringLiteral("WYTOP"), QStringLiteral("Alloy Number"), 95 },
        { QStringLiteral("Tsol"), QStringLiteral("Solidus"), 60, Qt::AlignRight },
        { QStringLiteral("Tliq"), QStringLiteral("Liquidus"), 60, Qt::AlignRight },
    };
    for (const char *element : { "Ag", "Al", "Au", "Bi", "Cu", "In", "Li", "Sb", "Sn", "Zn" })
        columns.push_back({ QLatin1String(element), QLatin1String(element), 40, Qt::AlignRight });
    return columns;
}

} // namespace

TfmDTA::TfmDTA(QWidget *owner)
    : TForm(owner, QStringLiteral("fmDTA"), QStringLiteral("DTA"))
{
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    resize(700, 330);
    SetBackground(this, clNavy);
    auto *layout = FlushColumn(this);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(65);
    SetBackground(Panel1, clMoneyGreen);
    auto *heading = new QVBoxLayout(Panel1);
    heading->setContentsMargins(8, 4, 8, 4);
    heading->setSpacing(2);
    Label1 = Label(Panel1, "Label1", QStringLiteral("VIRELT 2"), TimesFont(24, true));
    lbltytul = Label(Panel1, "lbltytul",
        QStringLiteral("Temperature (Solidus, Liquidus) [K]            Elemental "
                       "Composition (% by Mass)   "),
        TimesFont(16, true));
    for (QLabel *label : { Label1, lbltytul }) {
        label->setAlignment(Qt::AlignCenter);
        heading->addWidget(label);
    }
    layout->addWidget(Panel1);

    dbDTA = new TDBGrid(this, QStringLiteral("dbDTA"));
    dbDTA->SetColumns(Columns());
    StyleGrid(dbDTA, clMoneyGreen, clSilver, TimesFont(16, true), clBlue);
    dbDTA->setFont(TimesFont(13));
    dbDTA->SetDataSource(dmDataModule->dsDTA);
    layout->addWidget(dbDTA, 1);

    sbHelp = Button(this, "sbHelp", QStringLiteral("Help"));
    SpeedButton3 = Button(this, "SpeedButton3", QStringLiteral("Exit"));
    Panel2 = ButtonPanel(this, "Panel2", 45, clBtnFace, { sbHelp }, { SpeedButton3 });
    layout->addWidget(Panel2);

    OnEvent(sbHelp, &QToolButton::clicked, this, &TfmDTA::sbHelpClick);
    OnEvent(SpeedButton3, &QToolButton::clicked, this, &TfmDTA::SpeedButton3Click);
}

void TfmDTA::FormShow()
{
    // Long alloy designations widen their column rather than end in "...".
    const int designed = dbDTA->columnWidth(0);
    dbDTA->resizeColumnToContents(0);
    dbDTA->setColumnWidth(0, qMax(designed, dbDTA->columnWidth(0)));
}

void TfmDTA::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}

void TfmDTA::SpeedButton3Click()
{
    Close();
}
