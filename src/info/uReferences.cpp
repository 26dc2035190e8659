#include "info/uReferences.h"

#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

#include <QVBoxLayout>

using namespace InfoStyle;

TfmReferences::TfmReferences(QWidget *owner)
    : TForm(owner, QStringLiteral("fmReferences"), QStringLiteral("References"))
{
    resize(700, 206);
    auto *layout = FlushColumn(this);
    DBGrid1 = new TDBGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->SetColumns({
        { QStringLiteral("OZNACZENIE"), QStringLiteral("REFERENCES"), 74 },
        { QStringLiteral("NAZWISKA"), QStringLiteral("AUTHORS"), 129 },
        { QStringLiteral("TYTUL"), QStringLiteral("TITLE"), 338 },
        { QStringLiteral("CZASOPISMO"), QStringLiteral("JOURNAL"), 151 },
        { QStringLiteral("WOLUMIN"), QStringLiteral("VOL"), 47 },
        { QStringLiteral("ROK"), QStringLiteral("YEAR"), 45 },
        { QStringLiteral("STRONY"), QStringLiteral("PAGES"), 65 },
    });
    StyleGrid(DBGrid1, clMoneyGreen, clSilver, TitleFont(), clBlue);
    DBGrid1->SetDataSource(dmDataModule->dsAutor);
    layout->addWidget(DBGrid1, 1);
    SpeedButton3 = Button(this, "SpeedButton3", QStringLiteral("OK"));
    Panel1 = ButtonPanel(this, "Panel1", 41, clBtnFace, {}, { SpeedButton3 });
    layout->addWidget(Panel1);
    OnEvent(SpeedButton3, &QToolButton::clicked, this, &TfmReferences::SpeedButton3Click);
}

void TfmReferences::SpeedButton3Click()
{
    Close();
}
