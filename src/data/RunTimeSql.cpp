// Workers whose SQL text is built at run time: the reference list, the chosen temperature
// lines, the equations of a publication and one temperature line.
#include "chart/ListaWybranych.h"
#include "chart/TempLines.h"
#include "data/ChartInputs.h"
#include "data/Worker.h"
#include "data/uDataModule.h"

using Worker::Key;

namespace {

// SQLite accepts "IN ()" and returns nothing, where an empty list is an error: an empty list
// leaves the query closed.
void OpenIdList(
    TQuery *query, const QStringList &head, const QString &column, const QString &commaText)
{
    query->Close();
    query->SetSQL(head + QStringList { column + QStringLiteral(" IN (") + commaText + u')' });
    if (!commaText.isEmpty())
        Worker::OpenProtected(query);
}

QString CommaText(const TListaWybranych *list)
{
    return list ? list->GetCommaText() : QString();
}

// The publication tag of a tab's picker, or of the isotherm picker when the tab's is empty.
QString TagOrFallback(int tab)
{
    const ChartInputs &chart = ChartInputs::Open();
    const QString tag = chart.TabTag(tab);
    return tag.isEmpty() ? chart.IsothermTag() : tag;
}

} // namespace

void TdmDataModule::OpenPublikacje()
{
    OpenIdList(qrPublikacje,
        { QStringLiteral("SELECT OZNACZENIE, NAZWISKA,  TYTUL,  WOLUMIN,  STRONY,  ROK, "
                         "CZASOPISMO"),
            QStringLiteral("FROM  PUBLIKACJE"), QStringLiteral("WHERE") },
        QStringLiteral("ID_PUBLIKACJI"), CommaText(ListaWybranychPublikacji));
}

void TdmDataModule::OpenLinie(int tab)
{
    OpenIdList(qrLinie,
        { QStringLiteral("SELECT ID_DANE_WLA_T"), QStringLiteral("FROM DANE_WLASNOSCI_T"),
            QStringLiteral("WHERE") },
        QStringLiteral("ID_DANE_WLA_T"),
        CommaText(tab == 1 ? ListaWybranychLini : ListaWybranychLini2));
}

void TdmDataModule::OpenRownania(int tab)
{
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const QString tag = TagOrFallback(tab);
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    Worker::Reopen(tab == 1 ? qrRownania : qrRownania2,
        { { "lUklad", system }, { "lPublikacja", tag }, { "lWlasciwosc", property } });
}

bool TdmDataModule::GetTempLine(int tab, bool section, TTempLineRec &rec)
{
    const ChartInputs &chart = ChartInputs::Open();
    const int system = Key(qrTabUkl, "ID_TAB_UKL");
    const QString tag = chart.TabTag(tab);
    const int property = Key(qrWlasnosci, "ID_WLASCIWOSCI");
    const QVariant x = chart.TabComposition(tab);
    if (x.isNull())
        return false;
    const QString composition = tab == 1 ? QStringLiteral("lx1") : QStringLiteral("lx2");
    QVariant eutectic, lineNumber;
    if (section) {
        eutectic = chart.GetEutecticId(tab);
        lineNumber = Key(tab == 1 ? qrDane45 : qrDane452, "Nr");
    }

    TQuery *query = tab == 1 ? (section ? qrPunktyTemp451 : qrPunktyTemp)
                             : (section ? qrPunktyTemp452 : qrPunktyTemp2);
    query->Close();
    // Property 4 on the first tab of a binary system is A + B*Log(T).
    const bool logarithmic = property == 4 && tab == 1 && !section;
    QStringList sql {
        logarithmic
            ? QStringLiteral(
                "SELECT DANE_WLASNOSCI_T.ID_DANE_WLA_T, X  X, T,  A+ B *Log(T) DensityT1")
            : QStringLiteral("SELECT DANE_WLASNOSCI_T.ID_DANE_WLA_T, X  X, T,  A+ B *T DensityT1"),
        QStringLiteral("FROM DANE_WLASNOSCI_T, PUBLIKACJE"),
        QStringLiteral("WHERE"),
        QStringLiteral("(DANE_WLASNOSCI_T.ID_WLASCIWOSCI =:lWlasciwosc) AND"),
        QStringLiteral("(DANE_WLASNOSCI_T.ID_TAB_UKL =:lUklad) AND"),
        QStringLiteral("(PUBLIKACJE.OZNACZENIE =:lPublikacja) AND"),
        QStringLiteral("(PUBLIKACJE.ID_PUBLIKACJI = DANE_WLASNOSCI_T.ID_PUBLIKACJI)"),
        QStringLiteral("AND (X =:%1) ").arg(composition),
    };
    if (section)
        sql << QStringLiteral("AND ((DANE_WLASNOSCI_T.Nr =:lEut) OR (DANE_WLASNOSCI_T.Nr = 10))")
            << QStringLiteral("AND (DANE_WLASNOSCI_T.Nr2 =:Nr)");
    query->SetSQL(sql);
    query->ParamByName(QStringLiteral("lUklad")).SetValue(system);
    query->ParamByName(QStringLiteral("lPublikacja")).SetValue(tag);
    query->ParamByName(QStringLiteral("lWlasciwosc")).SetValue(property);
    query->ParamByName(composition).SetValue(x.toDouble());
    if (section) {
        query->ParamByName(QStringLiteral("lEut")).SetValue(eutectic);
        query->ParamByName(QStringLiteral("Nr")).SetValue(lineNumber);
    }
    if (!Worker::OpenProtected(query))
        return false;
    query->Last();
    // A line is exactly two end points; anything else leaves the record as it was.
    if (query->RecordCount() != 2)
        return false;
    try {
        TTempLineRec line;
        query->First();
        line.T1 = query->FieldByName(QStringLiteral("T")).AsInteger();
        line.V1 = Fixed(query->FieldByName(QStringLiteral("DensityT1")).AsFloat());
        query->Next();
        line.T2 = query->FieldByName(QStringLiteral("T")).AsInteger();
        line.V2 = Fixed(query->FieldByName(QStringLiteral("DensityT1")).AsFloat());
        rec = line;
        return true;
    } catch (const Exception &) {
        return false;
    }
}
