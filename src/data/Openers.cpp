// The openers of the lookup and selection queries.
#include "data/ChartInputs.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"

using Worker::Key;
using Worker::Reopen;

void TdmDataModule::OpenSelect()
{
    Worker::OpenIfClosed(qrSelect);
}

void TdmDataModule::OpenWlasnosci()
{
    Worker::OpenIfClosed(qrWlasnosci);
}

void TdmDataModule::OpenSelectMeniskFig()
{
    Worker::OpenIfClosed(qrSelectMeniskFig);
}

void TdmDataModule::OpenDTA()
{
    Worker::OpenIfClosed(qrDTA);
}

void TdmDataModule::OpenTabUkl()
{
    const int category = Key(qrSelect, "ID_SELECT");
    Reopen(qrTabUkl, { { "lIdUkladu", category } });
}

void TdmDataModule::OpenX()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrX, { { "lUklad", system } });
}

void TdmDataModule::OpenPierwiastki()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrPierwiastki, { { "lUklad", system } }, QStringLiteral("Pierwiastkach"));
}

// The publications of the chosen property and system, for either publication list.
static void OpenPublications(TdmDataModule *dm, TQuery *list)
{
    const int property = Key(dm->qrWlasnosci, "ID_WLASCIWOSCI");
    const int system = Key(dm->qrTabUkl, "ID_TAB_UKL");
    Reopen(list, { { "lWlasciwosc", property }, { "lUklad", system } });
}

void TdmDataModule::OpenAutor()
{
    OpenPublications(this, qrAutor);
}

void TdmDataModule::OpenAutor1()
{
    OpenPublications(this, qrAutor1);
}

void TdmDataModule::OpenEut()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrEut, { { "lUklad", system } });
}

// The section equations of the publication current in `publications`, along the section chosen
// for the tab.
static void OpenSection(TdmDataModule *dm, TQuery *equations, TQuery *publications, int tab)
{
    const int system = Key(dm->qrTabUkl, "ID_TAB_UKL");
    const int publication = Key(publications, "ID_PUBLIKACJI");
    const int property = Key(dm->qrWlasnosci, "ID_WLASCIWOSCI");
    const int eutectic = ChartInputs::Open().GetEutecticId(tab);
    Reopen(equations,
        { { "lUklad", system }, { "lPublikacja", publication }, { "lWlasciwosc", property },
            { "lEut", eutectic } });
}

void TdmDataModule::OpenDane45()
{
    OpenSection(this, qrDane45, qrAutor, 1);
}

void TdmDataModule::OpenDane452()
{
    OpenSection(this, qrDane452, qrAutor1, 2);
}

void TdmDataModule::OpenFig()
{
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const QString tag = fmAutorFig->dblAuthor->Text();
    Reopen(qrFig, { { "lWlasciwosc", property }, { "lUklad", system }, { "lPublikacja", tag } });
}

void TdmDataModule::OpenMenisk()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrMenisk, { { "lUklad", system } }, QStringLiteral("Menisk"));
}

void TdmDataModule::OpenAutorMenisk()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrAutorMenisk, { { "lUklad", system } }, QStringLiteral("AutorMenisk"));
}

void TdmDataModule::OpenMeniskFig()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const int study = Key(qrAutorMenisk, "ID_AUTOR_MENISK");
    Reopen(qrMeniskFig, { { "lUklad", system }, { "lPublikacja", study } },
        QStringLiteral("MeniskFig"));
}

void TdmDataModule::OpenPunktyDos()
{
    const QString tag = ChartInputs::Open().TabTag(1);
    Reopen(qrPunktyDos, { { "lPublikacja", tag } }, QStringLiteral("PunktyDos"));
}

void TdmDataModule::OpenPunktyD()
{
    const ChartInputs &chart = ChartInputs::Open();
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const QString publication = QString::number(Key(qrPunktyDos, "ID_PUBLIKACJI"));
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const double x = chart.GetTempDepX().ToDouble();
    Reopen(qrPunktyD,
        { { "lUklad", system }, { "lPublikacja", publication }, { "lWlasciwosc", property },
            { "X", x } });
}

void TdmDataModule::OpenPunkty45()
{
    const ChartInputs &chart = ChartInputs::Open();
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    TField *measured = qrPunktyDos->FindField(QStringLiteral("ID_PUBLIKACJI"));
    const QVariant measuredId = measured ? measured->Value() : QVariant();
    const int publication
        = measuredId.isNull() ? Key(qrAutor, "ID_PUBLIKACJI") : VarAsInteger(measuredId);
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int eutectic = chart.GetEutecticId(1);
    const double x = chart.GetTempDepX().ToDouble();
    const int lineNumber = Key(qrDane45, "Nr");
    Reopen(qrPunkty45,
        { { "lUklad", system }, { "lPublikacja", publication }, { "lWlasciwosc", property },
            { "lEut", eutectic }, { "X", x }, { "Nr", lineNumber } });
}
