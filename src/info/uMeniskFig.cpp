#include "info/uMeniskFig.h"

#include "data/uDataModule.h"
#include "info/InfoStyle.h"

TfmMeniskFig::TfmMeniskFig(QWidget *owner)
    : TMeniskResult(owner, QStringLiteral("fmMeniskFig"))
{
    resize(960, 440);
    dbMenisk = new TDBGrid(this, QStringLiteral("dbMenisk"));
    const Qt::Alignment right = Qt::AlignRight;
    dbMenisk->SetColumns({
        { QStringLiteral("NAZWISKO"), QStringLiteral("REFERENCES"), 90 },
        { QStringLiteral("UKLAD"), QStringLiteral("SYSTEM"), 130 },
        { QStringLiteral("CZAS"), QStringLiteral("WETTING TIME [s]"), 120, right },
        { QStringLiteral("SILA"), QStringLiteral("WETTING FORCE [mN]"), 140, right },
        { QStringLiteral("KAT"), QStringLiteral("CONTACT ANGLES [o]"), 140, right },
        { QStringLiteral("NAP_POW"), QStringLiteral("SURFACE TENSION [mN/m]"), 170, right },
        { QStringLiteral("NAP_MIE"), QStringLiteral("INTERFACIAL TENSION [mN/m]"), 190, right },
        { QStringLiteral("TTOP"), QStringLiteral("T m [K]"), 60, right },
        { QStringLiteral("TEMP"), QStringLiteral("TEMP [K]"), 70, right },
        { QStringLiteral("SUB"), QStringLiteral("SUBSTRATE"), 90 },
        { QStringLiteral("ATM"), QStringLiteral("ATMOSPHERE"), 100 },
        { QStringLiteral("FLUX"), QStringLiteral("FLUX"), 400 },
    });
    InfoStyle::StyleGrid(dbMenisk, clWindow, clSilver, InfoStyle::TitleFont(), clBlue);
    dbMenisk->SetMultiSelect(true);
    dbMenisk->SetDataSource(dmDataModule->dsMenisk);
    AddContent(dbMenisk);
}
