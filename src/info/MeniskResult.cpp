#include "info/MeniskResult.h"

#include "app/Main.h"
#include "data/uDataModule.h"
#include "info/InfoStyle.h"
#include "platform/Application.h"

using namespace InfoStyle;

TMeniskResult::TMeniskResult(QWidget *owner, const QString &name)
    : TForm(owner, name, QStringLiteral("Virelt 2"))
{
    SetBackground(this, clMoneyGreen);
    m_layout = FlushColumn(this);
    DBGrid1 = new TDBGrid(this, QStringLiteral("DBGrid1"));
    DBGrid1->SetColumns({
        { QStringLiteral("NAZWISKO"), QStringLiteral("REFERENCES"), 110 },
        { QStringLiteral("PUBLIKACJA"), QStringLiteral("AUTHORS"), 540 },
    });
    StyleGrid(DBGrid1, clMoneyGreen, clSilver, TitleFont(), clBlue);
    DBGrid1->setFixedHeight(92);
    DBGrid1->SetDataSource(dmDataModule->dsAutorMenisk);
    m_layout->addWidget(DBGrid1);
    sbHelp = Button(this, "sbHelp", QStringLiteral("Help"));
    SpeedButton1 = Button(this, "SpeedButton1", QStringLiteral("Exit"));
    m_layout->addWidget(
        ButtonPanel(this, "Panel1", 44, clMoneyGreen, { sbHelp }, { SpeedButton1 }));
    OnEvent(SpeedButton1, &QToolButton::clicked, this, &TMeniskResult::SpeedButton1Click);
    OnEvent(sbHelp, &QToolButton::clicked, this, &TMeniskResult::sbHelpClick);
}

void TMeniskResult::AddContent(QWidget *content)
{
    m_layout->insertWidget(1, content, 1);
}

void TMeniskResult::SpeedButton1Click()
{
    Close();
}

void TMeniskResult::sbHelpClick()
{
    fmStart->OpenHelpPdf();
}
