// Start-up of the program on the shipped database, and the example isotherm: Ag-Sn density of
// "[2001Kor1]" at 673 K, from the chart window's Show to the drawn series. The program set-up
// that other benchmarks share lives here too.

#include "Bench.h"

#include "app/Main.h"
#include "app/Startup.h"
#include "app/uSelect.h"
#include "chart/uWykresy.h"
#include "data/uDataModule.h"
#include "platform/Application.h"
#include "platform/Paths.h"
#include "platform/SqlConnection.h"

#include <QCoreApplication>
#include <QDir>

namespace {

void StartAndStop()
{
    Bench::StartProgram();
    Bench::StopProgram();
}

void ExampleIsotherm()
{
    Bench::OpenChartWindow();
    fmWykres->chbShow->setChecked(true);
    Bench::Choose(fmWykres->dblAutor, "[2001Kor1]");
    fmWykres->edT1->setText("673");
    fmWykres->sbShowClick();
    Bench::Consume(fmWykres->DBChart1->Series(1)->YValue(0));
    Bench::StopProgram();
}

} // namespace

namespace Bench {

void Choose(TDBLookupComboBox *combo, const QString &text)
{
    combo->Choose(combo->findText(text));
}

void StartProgram()
{
    // The program runs from the folder of the bench, beside which the build puts the database.
    Paths::OverrideExeFolder(QDir(QCoreApplication::applicationDirPath() + "/..").absolutePath());
    CreateStartupObjects();
}

void OpenChartWindow()
{
    StartProgram();
    Choose(fmStart->dblSelectSystem, "Binary systems");
    dmDataModule->OpenTabUkl();
    Choose(fmSelect->dblSelect, "Ag-Sn");
    Choose(fmSelect->dblWlasnosci, "Density");
    dmDataModule->OpenAutor();
    dmDataModule->OpenAutor1();
    dmDataModule->OpenX();
    fmWykres = new TfmWykres(fmSelect);
    fmWykres->show();
}

void StopProgram()
{
    delete fmWykres.data();
    Application().DestroyAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    SqlConnection::CloseAll();
}

} // namespace Bench

VIRELT_BENCH(startup, "start-up: data module and 27 windows", StartAndStop)
VIRELT_BENCH(example, "start-up and the example isotherm at 673 K", ExampleIsotherm)
