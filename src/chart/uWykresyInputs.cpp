// What the data module's workers read from the chart window.
#include "chart/uWykresy.h"

QString TfmWykres::IsothermTag() const
{
    return dblAutor->Text();
}

QString TfmWykres::TabTag(int tab) const
{
    return dblAutorTemp(tab)->Text();
}

QString TfmWykres::TemperatureText(int slot) const
{
    return edT(slot)->text();
}

QVariant TfmWykres::TabComposition(int tab) const
{
    TDataSet *rows = dbgTemp(tab)->DataSet();
    TField *x = rows ? rows->FindField(QStringLiteral("X")) : nullptr;
    return x ? x->Value() : QVariant();
}
