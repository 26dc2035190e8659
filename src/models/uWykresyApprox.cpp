// Approx: the published approximation curves at every temperature whose isotherm Show has drawn.
#include "chart/uWykresy.h"

#include "app/Messages.h"
#include "app/uSelect.h"
#include "models/Approximation.h"
#include "models/ModelCurves.h"
#include "models/SystemTable.h"
#include "platform/Dialogs.h"

namespace {

enum class ApproxRoute {
    NotAvailable, // shown once, at the first temperature only
    Formulas,
    DatabaseSeries, // no formula: the database isotherm drawn again as a line
};

struct ApproxRow
{
    const char *system;
    ApproxRoute route;
};

const ApproxRow ApproxSystems[] = {
    { "Ag-Cu", ApproxRoute::NotAvailable },
    { "Al-In", ApproxRoute::NotAvailable },
    { "Au-In", ApproxRoute::NotAvailable },
    { "Au-Sn", ApproxRoute::NotAvailable },
    { "Cu-In", ApproxRoute::NotAvailable },
    { "Ag-Bi", ApproxRoute::Formulas },
    { "Ag-In", ApproxRoute::Formulas },
    { "Ag-Sn", ApproxRoute::Formulas },
    { "Bi-Sn", ApproxRoute::Formulas },
    { "In-Sn", ApproxRoute::Formulas },
    { "Pb-Sn", ApproxRoute::Formulas },
    { "Sb-Sn", ApproxRoute::Formulas },
    { "In-Zn", ApproxRoute::Formulas },
    { "Sn-Zn", ApproxRoute::Formulas },
    { "Ag-Sb", ApproxRoute::Formulas },
    { "Cu-Sn", ApproxRoute::Formulas },
    { "Cu-Sb", ApproxRoute::Formulas },
    { "Ag-Bi-Sn", ApproxRoute::Formulas },
    { "Ag-Cu-Sn", ApproxRoute::Formulas },
    { "Ag-In-Sn", ApproxRoute::Formulas },
    { "Ag-Sb-Sn", ApproxRoute::Formulas },
    { "Ag-Sn-Zn", ApproxRoute::Formulas },
    { "Ag-Cu-Sb-Sn", ApproxRoute::Formulas },
    { "Ag-Bi-Cu-Sn", ApproxRoute::DatabaseSeries },
    { "Ag-Bi-Cu-Sb-Sn", ApproxRoute::DatabaseSeries },
};

struct PropertyRow
{
    const char *text;
    ApproxProperty property;
};

const PropertyRow ApproxProperties[] = {
    { "Density", ApproxProperty::Density },
    { "Surface tension", ApproxProperty::SurfaceTension },
    { "Molar volume", ApproxProperty::MolarVolume },
};

std::optional<ApproxProperty> ChosenProperty()
{
    const QString text = fmSelect->dblWlasnosci->Text();
    for (const PropertyRow &row : ApproxProperties)
        if (text == QLatin1String(row.text))
            return row.property;
    return std::nullopt;
}

// The molar volume follows from the density, so a publication without a density has neither.
bool Gives(const Approximation &fits, ApproxProperty property)
{
    return property == ApproxProperty::SurfaceTension ? fits.surfaceTension != nullptr
                                                      : fits.density != nullptr;
}

} // namespace

void TfmWykres::sbGraphClick()
{
    DrawApproxIsotherms();
    // In temperature mode: the measured points of each composition selected on the first tab.
    if (fmSelect->chbTemp->isChecked())
        DrawMeasuredPoints({ .noPoints = NotAvailable,
            .noPointsInDialog = false,
            .sectionNeedsMeasured = true,
            .legendEntries = false });
}

void TfmWykres::BeginSlotCurve(int slot, int kelvins)
{
    SetCurrentT(kelvins);
    SetSeriesColor(SlotColor(slot));
}

void TfmWykres::DrawApproxIsotherms()
{
    // Only at temperatures that Show takes.
    const std::optional<std::array<int, 4>> kelvins = CheckedTemperatures();
    if (!kelvins)
        return;
    const ApproxRow *row = FindSystemRow(ApproxSystems, fmSelect->dblSelect->Text());
    for (int slot = 1; slot <= 4; ++slot) {
        // Show disables the edits it has drawn; T2 and T3 wait until it has.
        const bool waitsForShow = (slot == 2 || slot == 3) && edT(slot)->isEnabled();
        if (edT(slot)->text().isEmpty() || !GetApproxPending(slot) || waitsForShow)
            continue;
        BeginSlotCurve(slot, (*kelvins)[slot - 1]);
        if (row) {
            switch (row->route) {
            case ApproxRoute::NotAvailable:
                if (slot == 1)
                    ShowMessage(NotAvailable);
                break;
            case ApproxRoute::Formulas:
                ApproxFromFormulas();
                break;
            case ApproxRoute::DatabaseSeries:
                DrawDbSeries(slot);
                break;
            }
        }
        SetApproxPending(slot, false);
    }
}

void TfmWykres::ApproxFromFormulas()
{
    const std::optional<Approximation> fits
        = FindApproximation(fmSelect->dblSelect->Text(), dblAutor->Text());
    const std::optional<ApproxProperty> property = ChosenProperty();
    if (!fits || !property || !Gives(*fits, *property)) {
        ShowMessage(NotAvailable);
        return;
    }
    const Fixed t = GetCurrentT();
    // A point that fails to compute leaves the curve drawn up to the point before, and no
    // series at all when it is the first.
    TLineSeries *series = nullptr;
    for (int i = 0; i < fits->curve->points; ++i) {
        const Fixed x = fits->X(i);
        const Fixed y = *fits->At(x, t).Of(*property);
        if (!series)
            series = new TLineSeries(this);
        series->AddXY(x.ToDouble(), y.ToDouble());
        SetCurrentSeries(series);
        FinishApproxSeries();
    }
}

void TfmWykres::FinishApproxSeries()
{
    FinishCurve(DBChart1, GetCurrentSeries(), { false, QString(), GetSeriesColor(), 2 });
}

void TfmWykres::DrawDbSeries(int slot)
{
    auto *series = new TLineSeries(this);
    series->SetXAscending(true);
    FinishCurve(DBChart1, series, { false, QString(), GetSeriesColor(), 2 });
    // The isotherm Show drew at this temperature, again as a line, from the query as Show left it.
    series->SetDataSource(
        dmDataModule->SourceOf(IsothermQuery(slot)), QStringLiteral("X"), IsothermField(slot));
}
