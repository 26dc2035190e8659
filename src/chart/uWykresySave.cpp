// Saving the equations, the calculated values and the viscosity-model points as text files,
// the chart as a bitmap, and printing the chart.
#include "chart/uWykresy.h"

#include "chart/GridWalk.h"

#include "app/Main.h"
#include "app/uSelect.h"
#include "data/uDataModule.h"
#include "platform/Dialogs.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Printer.h"
#include "platform/TextFile.h"

#include <QScopeGuard>

#include <vector>

namespace {

const QString Tab = QStringLiteral("\t");

QString Blanks(int n)
{
    return QString(n, u' ');
}

QString Hyphens()
{
    return QString(63, u'-');
}

// A number as the files write it: the general format with "." as the decimal point.
QString Number(TDataSet *rows, const QString &field)
{
    return TfmWykres::CommaToDot(Numbers::FloatToStr(rows->FieldByName(field).AsFloat()));
}

QString Text(TDataSet *rows, const QString &field)
{
    const QVariant v = rows->FieldByName(field).Value();
    if (v.isNull())
        throw EConvertError(QStringLiteral("Could not convert variant of type (Null) into type "
                                           "(String)"));
    return v.toString();
}

} // namespace

QString TfmWykres::CommaToDot(const QString &text)
{
    QString result = Numbers::Trim(text);
    result.replace(u',', u'.');
    return result;
}

QStringList TfmWykres::HeaderBlock(bool endsWithOf) const
{
    return { Hyphens(), fmStart->Label5->text(), fmStart->Label2->text() + u' ',
        fmStart->Label6->text(),
        fmStart->Label1->text() + (endsWithOf ? QStringLiteral(" of") : QString()),
        fmStart->Label3->text(), Hyphens(), QString() };
}

// The row of the reference list that holds a publication; -1 when the list does not hold it.
int TfmWykres::PublicationRow(const QString &tag) const
{
    TDataSet *rows = dbgPublikacje->DataSet();
    if (!rows)
        return -1;
    const TField &field = rows->FieldByName(QStringLiteral("OZNACZENIE"));
    for (int row = 0; row < rows->RecordCount(); ++row)
        if (rows->RowValue(row, field).toString() == tag)
            return row;
    return -1;
}

// Every part of the reference comes from the publication's own row, which the list's cursor
// need not stand on; the cursor stays where it is. Null parts are left out.
QString TfmWykres::ReferencePart(
    int row, const char *field, const QString &before, const QString &after) const
{
    if (row < 0)
        return {};
    TDataSet *rows = dbgPublikacje->DataSet();
    const QVariant v = rows->RowValue(row, rows->FieldByName(QLatin1String(field)));
    return v.isNull() ? QString() : before + v.toString() + after;
}

QString TfmWykres::ReferenceTag(const QString &tag) const
{
    return ReferencePart(PublicationRow(tag), "OZNACZENIE", {}, Blanks(2));
}

QString TfmWykres::ReferenceLine(const QString &tag) const
{
    const int row = PublicationRow(tag);
    return ReferenceTag(tag) + ReferencePart(row, "NAZWISKA", {}, QStringLiteral(", "))
        + ReferencePart(row, "TYTUL", {}, QStringLiteral(", "))
        + ReferencePart(row, "CZASOPISMO", {}, QStringLiteral(", "))
        + ReferencePart(row, "WOLUMIN", QStringLiteral("Vol"), QStringLiteral(", "))
        + ReferencePart(row, "ROK", QStringLiteral("("), QStringLiteral(")"))
        + ReferencePart(row, "STRONY", QStringLiteral(" pp."), {});
}

QString TfmWykres::SavePath(const QString &name) const
{
    return Paths::Join(fmStart->GetSaveDir(), name);
}

void TfmWykres::Equations1Click()
{
    const int K = Category();
    const QString P = fmSelect->dblWlasnosci->Text();
    const QString S = fmSelect->dblSelect->Text();
    const QString XP = dmDataModule->qrX->FieldByName(QStringLiteral("XP")).AsString();
    TDBGrid *grid = K < 3 ? dbgRownania : dbgDane45;
    if (!grid->DataSource()) {
        Dialogs().ShowMessage(QStringLiteral("Click \"Show calculated value\" and \"Show\". Next "
                                             "click in menu \"Save data Equations\""));
        return;
    }
    const bool viscosity = P == QLatin1String("Viscosity");
    // The grid holds the equations of the publication last shown, whichever is picked now.
    const QString tag = FEquationsPublication;
    QStringList lines = HeaderBlock(K < 3);
    lines << ReferenceTag(tag) << P + QStringLiteral(" of ") + S + QStringLiteral(" system")
          << QString() << QStringLiteral("References") << ReferenceLine(tag) << QString();
    const QString head = XP + Blanks(1) + Tab + Tab + QStringLiteral("A") + Blanks(5) + Tab + Tab;
    if (K < 3)
        lines << head
                + (viscosity ? Blanks(8) + QStringLiteral("E") + Blanks(5)
                             : Blanks(1) + QStringLiteral("B") + Blanks(7));
    else
        lines << head
                + (viscosity
                        ? Blanks(1) + Tab + QStringLiteral("E") + Blanks(7) + Tab + Tab + Blanks(1)
                        : QStringLiteral("B") + Blanks(7) + Tab)
                + QStringLiteral("SYSTEM") + Blanks(7);
    lines << QString();
    WalkGridRows(grid, [&](TDataSet *rows) {
        QString line = Number(rows, QStringLiteral("X")) + Tab + Tab
            + Number(rows, QStringLiteral("A")) + Tab + Tab + Number(rows, QStringLiteral("B"));
        if (K >= 3)
            line += Tab + Tab + u'|' + Text(rows, QStringLiteral("UKLAD"));
        lines << line;
    });
    MemoRownania->setPlainText(lines.join(u'\n'));
    TextFile::Write(SavePath(tag + u'_' + P + QStringLiteral(".txt")), lines);
}

bool TfmWykres::ValuesShown(int slot) const
{
    const TDataSet *rows = (Category() < 3 ? dbgT(slot) : dbgWynikiT(slot))->DataSet();
    return !edT(slot)->text().isEmpty() && rows && !rows->IsEmpty();
}

QStringList TfmWykres::IsothermBlock(int slot, bool namesPublication) const
{
    const int K = Category();
    const QString XP = dmDataModule->qrX->FieldByName(QStringLiteral("XP")).AsString();
    const QString value = IsothermField(slot);
    QString first = QStringLiteral("T=") + edT(slot)->text() + u'K';
    if (namesPublication)
        first += Blanks(2) + FSlotPublication.at(slot - 1);
    QStringList lines { first, QString() };
    QString head = XP + Tab + Tab + DBChart1->LeftAxisTitle() + Blanks(5);
    if (K >= 3)
        head += Tab + Tab + QStringLiteral("SYSTEM") + Blanks(7);
    lines << head << QString();
    WalkGridRows(K < 3 ? dbgT(slot) : dbgWynikiT(slot), [&](TDataSet *rows) {
        QString line = Number(rows, QStringLiteral("X")) + Tab + Tab + Number(rows, value);
        if (K < 3) {
            line += Tab + Tab;
        } else {
            const QString system = rows->FindField(QStringLiteral("SYSTEM"))
                ? QStringLiteral("SYSTEM")
                : QStringLiteral("UKLAD");
            line += Tab + Tab + Tab + u'|' + Text(rows, system) + QStringLiteral(" + ") + XP;
        }
        lines << line;
    });
    lines << QString();
    return lines;
}

void TfmWykres::Calculatedvalue1Click()
{
    const QString P = fmSelect->dblWlasnosci->Text();
    const QString S = fmSelect->dblSelect->Text();
    // The values of a temperature shown before another publication was picked stay those of
    // their own publication; such a file names each block's publication and lists them all.
    std::vector<int> shownSlots;
    QStringList sources;
    for (int slot = 1; slot <= 4; ++slot)
        if (ValuesShown(slot)) {
            shownSlots.push_back(slot);
            if (!sources.contains(FSlotPublication.at(slot - 1)))
                sources << FSlotPublication.at(slot - 1);
        }
    // The file bears the name of a publication whose values it holds: the picked one when it
    // does, else that of the first block.
    const QString picked = dblAutor->Text();
    const QString named = sources.isEmpty() || sources.contains(picked) ? picked : sources.first();
    const bool mixed = sources.size() > 1;
    sources.removeOne(named);
    sources.prepend(named);
    QStringList lines = HeaderBlock(false);
    lines << ReferenceTag(named)
          << fmStart->GetSaveDir() + u'/' + P + QStringLiteral(" of ") + S
            + QStringLiteral(" system")
          << QString() << QStringLiteral("References");
    for (const QString &publication : sources)
        lines << ReferenceLine(publication);
    lines << QString();
    for (int slot : shownSlots)
        lines << IsothermBlock(slot, mixed);
    MemoRownania->setPlainText(lines.join(u'\n'));
    TextFile::Write(
        SavePath(named + QStringLiteral("_Isotherms of ") + P + QStringLiteral(".txt")), lines);
}

void TfmWykres::Modelofviscosity1Click()
{
    QStringList lines = HeaderBlock(false);
    const QString points = MemoViscoModel->toPlainText();
    if (!points.isEmpty())
        lines << points.split(u'\n');
    MemoRownania->setPlainText(lines.join(u'\n'));
    TextFile::Write(
        SavePath(fmSelect->dblSelect->Text() + QStringLiteral("_Viscosity Model.txt")), lines);
    MemoViscoModel->clear();
}

void TfmWykres::SaveGraphClick()
{
    const QString S = fmSelect->dblSelect->Text();
    const QString path = SavePath(
        fmSelect->dblWlasnosci->Text() + QStringLiteral(" of ") + S + QStringLiteral(".bmp"));
    DBChart1->SetTitle(QStringLiteral("Data from VIRELT 2. System: ") + S);
    const auto restoreTitle = qScopeGuard([this, S] { DBChart1->SetTitle(S); });
    DBChart1->SaveToBitmapFile(path);
}

void TfmWykres::sbPrintClick()
{
    const QString pdf = SavePath(fmSelect->dblWlasnosci->Text() + QStringLiteral(" of ")
        + fmSelect->dblSelect->Text() + QStringLiteral(".pdf"));
    Printer::Result printed;
    {
        DBChart1->SetLegendColor(clWindow);
        const auto restoreLegend = qScopeGuard([this] { DBChart1->SetLegendColor(clBtnFace); });
        printed = Printer::PrintChart(*DBChart1, true, 5, pdf);
    }
    if (printed.toPdf)
        MessageDlg(QStringLiteral("No printer is set up; the chart was printed to %1").arg(pdf),
            mtInformation, mbOKOnly);
}
