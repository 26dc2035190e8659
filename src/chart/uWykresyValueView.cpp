// The calculated-value view: switching between equations and values, the chain of
// temperature edits, and clearing.
#include "chart/ListaWybranych.h"
#include "chart/uWykresy.h"

#include "app/uSelect.h"
#include "data/uDataModule.h"

namespace {

struct PropertyTitles
{
    const char *property;
    const char *unit;
    const char *prefix;
};

const PropertyTitles Titles[] = {
    { "Density", " [g/cm^3]", "d" },
    { "Surface tension", " [mN/m]", "ST" },
    { "Molar volume", " [cm^3/mole]", "V" },
    { "Viscosity", " [mPa*s]", "Vis" },
};

const PropertyTitles *TitlesOf(const QString &property)
{
    for (const PropertyTitles &t : Titles)
        if (property == QLatin1String(t.property))
            return &t;
    return nullptr;
}

QString ValueTitle(const PropertyTitles &t, int slot)
{
    return QStringLiteral("%1(T%2)").arg(QLatin1String(t.prefix)).arg(slot);
}

} // namespace

void TfmWykres::chbShowClick()
{
    for (TDBGrid *grid : { dbgRownania, dbgT1, dbgT2, dbgT3, dbgT4, dbgDane45, dbgWynikiT1 })
        grid->SetDataSource(nullptr);
    const int K = Category();
    const QString P = fmSelect->dblWlasnosci->Text();
    const PropertyTitles *titles = TitlesOf(P);
    const QString caption = titles ? P + QStringLiteral("  ") + fmSelect->dblSelect->Text()
            + QLatin1String(titles->unit)
                                   : QString();
    const bool inputsFilled = !edT1->text().isEmpty() && !dblAutor->Text().isEmpty();

    if (chbShow->isChecked() && K >= 3) {
        for (int slot = 1; slot <= 4; ++slot)
            if (!edT(slot)->text().isEmpty()) {
                PageControl2->SetPageVisible(tsWynikiT(slot), true);
                PageControl2->SetPageCaption(tsWynikiT(slot), QStringLiteral(" T%1 ").arg(slot));
            }
        PageControl2->SetPageCaption(tsWynikiT1, QStringLiteral("T1"));
        PageControl2->SetPageVisible(tsRownania45, false);
        PageControl2->SetPageVisible(tsWynikiT1T2, false);
        PageControl2->SetPageVisible(tsWynikiT3T4, false);
        PageControl2->SetActivePage(tsWynikiT1);
        sbShow->setEnabled(inputsFilled);
        if (titles) {
            panT1->setText(caption);
            for (int slot = 1; slot <= 4; ++slot)
                dbgWynikiT(slot)->SetColumnTitle(1, ValueTitle(*titles, slot));
        }
    } else if (chbShow->isChecked()) {
        PageControl2->SetPageVisible(tsWynikiT1T2, true);
        PageControl2->SetPageVisible(tsWynikiT3T4, true);
        PageControl2->SetActivePage(tsWynikiT1T2);
        PageControl2->SetPageVisible(tsRownania, false);
        PageControl2->SetPageVisible(tsTemp2, false);
        sbShow->setEnabled(inputsFilled);
        if (titles) {
            panT1T2->setText(caption);
            panT3T4->setText(caption);
            for (int slot = 1; slot <= 4; ++slot)
                dbgT(slot)->SetColumnTitle(1, ValueTitle(*titles, slot));
        }
    } else {
        QWidget *equations = K >= 3 ? tsRownania45 : tsRownania;
        PageControl2->SetActivePage(equations);
        PageControl2->SetPageVisible(tsWynikiT1T2, false);
        PageControl2->SetPageVisible(tsWynikiT3T4, false);
        PageControl2->SetPageVisible(equations, true);
        if (!dblAutor->Text().isEmpty()) {
            CanShowAutor();
            sbShow->setEnabled(true);
        }
    }
}

void TfmWykres::sbClearClick()
{
    TdmDataModule *dm = dmDataModule;
    for (TDataSource *source :
         { dm->dsWyniki45, dm->dsWyniki452, dm->dsWyniki453, dm->dsWyniki454, dm->dsPunkty1,
           dm->dsPunkty2, dm->dsPunkty3, dm->dsPunkty4, dm->dsExp, dm->dsExp2, dm->dsExp3,
           dm->dsExp4 })
        source->DataSet()->Close();
    SetViscoColorNo(0);
    edModel->clear();
    cbModel1->setCurrentIndex(-1);
    for (int slot = 1; slot <= 4; ++slot)
        edT(slot)->clear();
    // Clearing an edit that is already empty sends no change, so set the final state here.
    edT1->setEnabled(true);
    for (int slot = 2; slot <= 4; ++slot)
        edT(slot)->setEnabled(false);
    dbgPublikacje->SetDataSource(nullptr);
    DBChart1->RemoveAllSeries();
    dm->qrPunkty1->Close();
    for (TDBGrid *grid : { dbgRownania, dbgT1, dbgT2, dbgT3, dbgT4, dbgDane45, dbgWynikiT1,
                           dbgWynikiT2, dbgWynikiT3, dbgWynikiT4 })
        grid->SetDataSource(nullptr);
    PageControl2->SetPageCaption(tsWynikiT1T2, QStringLiteral("T1   T2"));
    PageControl2->SetPageCaption(tsWynikiT3T4, QStringLiteral("T3   T4"));
    for (int slot = 1; slot <= 4; ++slot)
        PageControl2->SetPageCaption(tsWynikiT(slot), QStringLiteral("T%1").arg(slot));
    ListaWybranychPublikacji->Clear();
    Equations1->setEnabled(false);
    Calculatedvalue1->setEnabled(false);
    if (chbShow->isChecked()) {
        if (edT1->text().isEmpty())
            sbShow->setEnabled(CanShowX());
        else
            CanShowAutor();
    }
}

void TfmWykres::edT1Change()
{
    Timer1Wykres->SetEnabled(true);
    if (!edT1->text().isEmpty()) {
        edT2->setEnabled(true);
        SetButlerPending(1, true);
    } else {
        edT2->setEnabled(false);
    }
    if (chbShow->isChecked())
        sbShow->setEnabled(CanShowX());
    else
        CanShowAutor();
    if (fmSelect->dblWlasnosci->Text() == QLatin1String("Surface tension")
        && fmSelect->chbButler->isChecked())
        sbButler->setEnabled(!edT1->text().isEmpty());
}

void TfmWykres::edT2Change()
{
    edT3->setEnabled(!edT2->text().isEmpty());
}

void TfmWykres::edT3Change()
{
    edT4->setEnabled(!edT3->text().isEmpty());
}
