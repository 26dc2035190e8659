// The openers of the lookup and selection queries.
#include "data/Worker.h"
#include "data/uDataModule.h"

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

void TdmDataModule::OpenAutor()
{
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrAutor, { { "lWlasciwosc", property }, { "lUklad", system } });
}

void TdmDataModule::OpenAutor1()
{
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrAutor1, { { "lWlasciwosc", property }, { "lUklad", system } });
}

void TdmDataModule::OpenEut()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    Reopen(qrEut, { { "lUklad", system } });
}

void TdmDataModule::OpenDane45()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const int publication = Key(qrAutor, "ID_PUBLIKACJI");
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int eutectic = Key(qrEut, "ID_EUTEKTYKI");
    Reopen(qrDane45, { { "lUklad", system },
                       { "lPublikacja", publication },
                       { "lWlasciwosc", property },
                       { "lEut", eutectic } });
}

void TdmDataModule::OpenDane452()
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const int publication = Key(qrAutor1, "ID_PUBLIKACJI");
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const int eutectic = Key(qrEut, "ID_EUTEKTYKI");
    Reopen(qrDane452, { { "lUklad", system },
                        { "lPublikacja", publication },
                        { "lWlasciwosc", property },
                        { "lEut", eutectic } });
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
