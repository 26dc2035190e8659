// Show: the equations of the chosen publication, or its values at up to four temperatures
// with their point series and end-point lines.
#include "chart/GridWalk.h"
#include "chart/ListaWybranych.h"
#include "chart/uEut.h"
#include "chart/uWykresy.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/Worker.h"
#include "data/uDataModule.h"
#include "info/uAutorFig.h"
#include "models/ViscosityModels.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <ranges>
#include <vector>

using Family = TdmDataModule::SlotFamily;

namespace {

bool HasRows(const TDataSet *dataSet)
{
    return !dataSet->IsEmpty();
}

TDataSource *Source(TQuery *query)
{
    return dmDataModule->SourceOf(query);
}

} // namespace

TColor TfmWykres::SlotColor(int slot)
{
    return std::array { clRed, clGreen, clBlue, clPurple }.at(slot - 1);
}

TPointerStyle TfmWykres::SlotPointer(int slot)
{
    return std::array { TPointerStyle::psStar, TPointerStyle::psRectangle,
        TPointerStyle::psTriangle, TPointerStyle::psDiamond }
        .at(slot - 1);
}

bool TfmWykres::SlotOpen(int slot) const
{
    return edT(slot)->isEnabled() && !edT(slot)->text().isEmpty();
}

void TfmWykres::sbShowClick()
{
    // A refused temperature leaves the window as it was.
    if (chbShow->isChecked() && !CheckedTemperatures())
        return;
    TdmDataModule *dm = dmDataModule;
    const int K = Category();
    if (K >= 3 && !ChooseEutectic(this, 1))
        return;
    dbgPublikacje->SetDataSource(dm->dsPublikacje);
    ListaWybranychPublikacji->Add(QString::number(Worker::Key(dm->qrAutor, "ID_PUBLIKACJI")));
    dm->OpenPublikacje();
    if (chbShow->isChecked())
        ShowCalculatedValues(K);
    else
        ShowEquations(K);
}

void TfmWykres::ShowEquations(int K)
{
    TdmDataModule *dm = dmDataModule;
    FEquationsPublication = dblAutor->Text();
    dbgRownania->SetDataSource(dm->dsRownania);
    dm->OpenRownania(1);
    Equations1->setEnabled(HasRows(dm->qrRownania) && !dbgRownania->isHidden());
    if (K >= 3) {
        dbgDane45->SetDataSource(dm->dsDane45);
        dm->OpenDane45();
        Equations1->setEnabled(HasRows(dm->qrDane45));
    }
}

// Temperatures are whole kelvins, as the workers read them, and at most 2000 K. Show, Approx
// and the Butler model check them before anything changes and draw at the values read here.
std::optional<std::array<int, 4>> TfmWykres::CheckedTemperatures()
{
    std::array<int, 4> kelvins {};
    for (int slot = 1; slot <= 4; ++slot)
        if (!edT(slot)->text().isEmpty())
            kelvins[slot - 1] = TdmDataModule::TypedWholeNumber(edT(slot)->text());
    if (std::ranges::any_of(kelvins, [](int t) { return t > 2000; })) {
        MessageDlg(QStringLiteral("Error! Temperature range <0,2000 [K]>"), mtError, mbOKOnly);
        return std::nullopt;
    }
    return kelvins;
}

void TfmWykres::ShowCalculatedValues(int K)
{
    const QString P = fmSelect->dblWlasnosci->Text();
    const QString category = fmStart->dblSelectSystem->Text();
    const bool viscosity = P == QLatin1String("Viscosity");
    // The open slots are the ones this Show fills; the others keep their publication.
    for (int slot = 1; slot <= 4; ++slot)
        if (SlotOpen(slot))
            FSlotPublication.at(slot - 1) = dblAutor->Text();

    if (K >= 3) {
        static const char *const prefixes[] = { "T1 = ", " T2 = ", " T3 = ", " T4 = " };
        for (int slot = 1; slot <= 4; ++slot)
            if (!edT(slot)->text().isEmpty()) {
                PageControl2->SetPageVisible(tsWynikiT(slot), true);
                PageControl2->SetPageCaption(tsWynikiT(slot),
                    QLatin1String(prefixes[slot - 1]) + edT(slot)->text() + QStringLiteral(" [K]"));
            }
    }
    sbGraph->setEnabled(category == QLatin1String("Pure metals") ? false : CanShowX());
    for (int pair = 0; pair < 2; ++pair) {
        const QString first = edT(2 * pair + 1)->text(), second = edT(2 * pair + 2)->text();
        QWidget *tab = pair == 0 ? tsWynikiT1T2 : tsWynikiT3T4;
        if (!first.isEmpty())
            PageControl2->SetPageCaption(tab,
                second.isEmpty() ? first + QStringLiteral("[K]")
                                 : first + QStringLiteral("[K]") + QString(7, u' ') + second
                        + QStringLiteral("[K]"));
    }

    if (viscosity)
        for (int slot = 1; slot <= 4; ++slot)
            if (SlotOpen(slot))
                CalcViscosity(slot);
    if (P == QLatin1String("Molar volume"))
        ShowMolarVolume(category);
    else
        ShowValues(K, category, viscosity);

    Calculatedvalue1->setEnabled(std::ranges::any_of(
        std::views::iota(1, 5), [this](int slot) { return ValuesShown(slot); }));
}

Family TfmWykres::MolarVolumeFamily(const QString &category, int slot) const
{
    if (category == QLatin1String("Pure metals"))
        return Family::UklPure;
    if (category == QLatin1String("Binary systems"))
        return Family::UklBinary;
    if (category == QLatin1String("Ternary systems"))
        return Family::UklTernary;
    if (category == QLatin1String("Quinary systems"))
        return Family::UklQuinary;
    return slot == 1 || fmSelect->dblSelect->Text() == QLatin1String("Ag-Bi-Cu-Sn")
        ? Family::UklQuaternarySection
        : Family::UklQuaternary;
}

void TfmWykres::ShowMolarVolume(const QString &category)
{
    static const QStringList categories = { "Pure metals", "Binary systems", "Ternary systems",
        "Quaternary systems", "Quinary systems" };
    if (!fmSelect->chbX->isChecked() || !categories.contains(category))
        return;
    TdmDataModule *dm = dmDataModule;
    const bool pure = category == QLatin1String("Pure metals");
    const bool binary = category == QLatin1String("Binary systems");
    // A slot already drawn is passed over, so a second Show adds nothing.
    for (int slot = 1; slot <= 4; ++slot) {
        if (!SlotOpen(slot))
            continue;
        const Family family = MolarVolumeFamily(category, slot);
        dm->OpenMolarVolume(family, slot);
        TDataSource *source = Source(dm->SlotQuery(family, slot));
        (pure || binary ? dbgT(slot) : dbgWynikiT(slot))->SetDataSource(source);
        if (pure)
            continue;
        if (binary) {
            dm->OpenMinMaxM(slot);
            DrawEndPointLine(slot);
        }
        SetApproxPending(slot, true);
    }
    if (!pure)
        AddIsothermSeries();
}

void TfmWykres::ShowValues(int K, const QString &category, bool viscosity)
{
    TdmDataModule *dm = dmDataModule;
    const bool pure = category == QLatin1String("Pure metals");
    for (int slot = 1; slot <= 4; ++slot) {
        if (!SlotOpen(slot))
            continue;
        TDataSource *viscositySource = Source(dm->SlotQuery(Family::Exp, slot));
        if (pure) {
            dm->OpenPunkty(slot);
            edT(slot)->setEnabled(false);
            SetApproxPending(slot, true);
            if (viscosity)
                dm->OpenExp(slot);
            dbgT(slot)->SetDataSource(
                viscosity ? viscositySource : Source(dm->SlotQuery(Family::Punkty, slot)));
            continue;
        }
        if (K >= 3) {
            dm->OpenWyniki45(slot);
            SetApproxPending(slot, true);
            if (viscosity) {
                dm->OpenDane45();
                dm->OpenExp(slot);
            }
            dbgWynikiT(slot)->SetDataSource(
                viscosity ? viscositySource : Source(dm->SlotQuery(Family::Wyniki45, slot)));
            continue;
        }
        SetApproxPending(slot, true);
        if (viscosity) {
            dm->OpenExp(slot);
            dbgT(slot)->SetDataSource(viscositySource);
        } else {
            dm->OpenPunkty(slot);
            dbgT(slot)->SetDataSource(Source(dm->SlotQuery(Family::Punkty, slot)));
        }
        if (category != QLatin1String("Binary systems"))
            continue;
        if (viscosity) {
            // One run of empty slots shows the figure once.
            const bool empty = !HasRows(dm->SlotQuery(Family::Exp, slot));
            if (empty && (slot == 1 || HasRows(dm->SlotQuery(Family::Exp, slot - 1))))
                fmAutorFig->sbOKClick();
        } else if (!HasRows(dm->SlotQuery(Family::Punkty, slot))) {
            fmAutorFig->sbOKClick();
        } else {
            dm->OpenMinMax(slot);
            DrawEndPointLine(slot);
        }
    }
    // One call draws every open slot and closes its edit, so a second call would draw nothing.
    const auto hasResults = [&](int slot) {
        std::vector<TDataSet *> results;
        if (K >= 3 || slot > 1)
            results.push_back(dm->SlotQuery(Family::Wyniki45, slot));
        results.push_back(dm->SlotQuery(Family::Punkty, slot));
        if (viscosity)
            results.push_back(dm->SlotQuery(Family::Exp, slot));
        return edT(slot)->isEnabled() && std::ranges::any_of(results, HasRows);
    };
    if (std::ranges::any_of(std::views::iota(1, 5), hasResults))
        AddIsothermSeries();
}

TQuery *TfmWykres::IsothermQuery(int slot) const
{
    TdmDataModule *dm = dmDataModule;
    const QString P = fmSelect->dblWlasnosci->Text();
    if (P == QLatin1String("Molar volume"))
        return dm->SlotQuery(MolarVolumeFamily(fmStart->dblSelectSystem->Text(), slot), slot);
    if (fmSelect->chbTemp->isChecked())
        return dm->qrPunktyTemp;
    if (P == QLatin1String("Viscosity"))
        return dm->SlotQuery(Family::Exp, slot);
    return dm->SlotQuery(Category() >= 3 ? Family::Wyniki45 : Family::Punkty, slot);
}

// Every property but these two keeps its values in the density columns.
QString TfmWykres::IsothermField(int slot) const
{
    const QString P = fmSelect->dblWlasnosci->Text();
    if (P == QLatin1String("Molar volume"))
        return QStringLiteral("VT%1").arg(slot);
    if (P == QLatin1String("Viscosity"))
        return QStringLiteral("VISCO");
    return QStringLiteral("DensityT%1").arg(slot);
}

void TfmWykres::AddIsothermSeries()
{
    for (int slot = 1; slot <= 4; ++slot) {
        if (slot == 1 ? !edT1->isEnabled() : !SlotOpen(slot))
            continue;
        auto *series = new TPointSeries(this);
        series->SetTitle(dblAutor->Text() + u' ' + edT(slot)->text() + QStringLiteral("[K]"));
        series->SetSeriesColor(SlotColor(slot));
        series->SetPointerStyle(SlotPointer(slot));
        series->SetXAscending(true);
        DBChart1->AddSeries(series);
        series->SetDataSource(
            dmDataModule->SourceOf(IsothermQuery(slot)), QStringLiteral("X"), IsothermField(slot));
        edT(slot)->setEnabled(false);
    }
}

void TfmWykres::DrawEndPointLine(int slot)
{
    auto *line = new TLineSeries(this);
    line->SetShowInLegend(false);
    line->SetSeriesColor(SlotColor(slot));
    line->SetLinePenWidth(1);
    line->SetXAscending(true);
    const bool molar = fmSelect->dblWlasnosci->Text() == QLatin1String("Molar volume");
    TQuery *query = dmDataModule->SlotQuery(molar ? Family::MinMaxM : Family::MinMax, slot);
    DBChart1->AddSeries(line);
    line->SetDataSource(dmDataModule->SourceOf(query), QStringLiteral("X"), IsothermField(slot));
}

void TfmWykres::CalcViscosity(int slot)
{
    TdmDataModule *dm = dmDataModule;
    const int K = Category();
    const int T = Numbers::StrToInt(edT(slot)->text());
    FEquationsPublication = dblAutor->Text();
    dbgRownania->SetDataSource(dm->dsRownania);
    dbgDane45->SetDataSource(dm->dsDane45);
    dm->OpenRownania(1);
    if (K >= 3)
        dm->OpenDane45();
    else
        dm->OpenRownania(1);

    TDBGrid *grid = K >= 3 ? dbgDane45 : dbgRownania;
    std::vector<TdmDataModule::ViscosityRow> values;
    WalkGridRows(grid, [&](TDataSet *rows) {
        const double B = rows->FieldByName(QStringLiteral("B")).AsFloat();
        const double X = rows->FieldByName(QStringLiteral("X")).AsFloat();
        const double A = rows->FieldByName(QStringLiteral("A")).AsFloat();
        const double visco = Arrhenius(A, B, T);
        values.push_back(
            { K >= 3 ? rows->FieldByName(QStringLiteral("UKLAD")).AsString() : QString(), X,
                visco });
    });
    dm->ReplaceViscosityRows(slot, values);
    dm->OpenExp(slot);
    if (K >= 3)
        dbgWynikiT(slot)->SetDataSource(Source(dm->SlotQuery(Family::Exp, slot)));
}
