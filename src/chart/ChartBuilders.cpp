#include "chart/ChartBuilders.h"

#include "chart/GridWalk.h"
#include "chart/uWykresy.h"
#include "platform/DBControls.h"
#include "platform/Exceptions.h"
#include "platform/Numbers.h"

#include <QPlainTextEdit>

#include <cmath>

constinit const ColorPalette BuilderPalette {
    clRed,
    clGreen,
    clPurple,
    clBlue,
    clOlive,
    clMaroon,
    clNavy,
    clTeal,
    clGray,
    clLime,
    clYellow,
    clAqua,
    clSilver,
    clBlack,
    clFuchsia,
    clSilver,
    clHighlight,
    clBackground,
    clInactiveCaption,
    clInfoBk,
};

namespace {

const QString NotANumber = QStringLiteral("Can't convert dataSource data to a number");
// A refused line is quoted up to this many characters.
constexpr qsizetype QuotedLine = 80;

// A number of an own-data row; one beyond the range of a double would become an infinite point.
double RowNumber(const QString &token)
{
    const double value = double(Numbers::StrToFloat(token));
    if (!std::isfinite(value))
        throw EConvertError(NotANumber);
    return value;
}

// Takes the colour of the window's builder counter and advances the counter.
TColor NextLineColor()
{
    if (!fmWykres)
        throw Exception(QStringLiteral("The chart window is not open."));
    TfmWykres &window = *fmWykres;
    const int index = window.GetLineColorNo();
    window.SetLineColorNo(index + 1);
    return PaletteColor(BuilderPalette, index);
}

void AddPoints(TChartSeries *series, const TPointList &points, int valuePosition)
{
    TPointRec point;
    for (int i = 0; i < points.GetCount(); ++i) {
        points.GetPoint(i, point);
        if (point.Has(0) && point.Has(valuePosition))
            series->AddXY(point.P[0], point.P[valuePosition]);
    }
}

QVariant FieldValue(TQuery *query, const QString &name)
{
    TField *field = query->FindField(name);
    return field ? field->Value() : QVariant();
}

} // namespace

// ---------------------------------------------------------------- TPointList

void TPointList::GetPoint(int index, TPointRec &point) const
{
    if (index < 0 || index >= GetCount())
        throw Exception(QStringLiteral("ListIndex (%1) is out of bounds [0,  %2] !")
                            .arg(index)
                            .arg(GetCount() - 1));
    point = FList[index];
}

// ---------------------------------------------------------------- TAbstractModelChart2

TAbstractModelChart2::TAbstractModelChart2(TDBChart *chart)
    : FChart(chart)
{
}

void TAbstractModelChart2::LoadPoints()
{
    FEof = false;
    while (!FEof)
        FPoints.AddPoint(ReadPoint());
}

TPointSeries *TAbstractModelChart2::DrawIsotherm(const QString &author, const QString &temperature)
{
    LoadPoints();
    auto *series = new TPointSeries(FChart);
    series->SetSeriesColor(NextLineColor());
    series->SetTitle(author + QStringLiteral(" T= ") + temperature + QStringLiteral(" [K]"));
    series->SetPointerStyle(TPointerStyle::psCircle);
    AddPoints(series, FPoints, 1);
    FChart->AddSeries(series);
    return series;
}

void TAbstractModelChart2::DrawTemperatureLines(TDBGrid *grid)
{
    LoadPoints();
    int k = 0;
    ForEachSelectedRow(
        grid,
        [&](TDataSet *rows) {
            auto *line = new TLineSeries(FChart);
            line->SetLinePenWidth(3);
            line->SetSeriesColor(PaletteColor(BuilderPalette, k));
            const Fixed x = rows->FieldByName(QStringLiteral("X")).AsFloat();
            line->SetTitle(QStringLiteral("ButlerX= ") + Numbers::FloatToStr(x));
            AddPoints(line, FPoints, ++k);
            FChart->AddSeries(line);
        },
        20);
}

// ---------------------------------------------------------------- TModelChart2

TModelChart2::TModelChart2(
    const QPlainTextEdit *memo, TDBChart *chart, QChar fieldSep, QChar decimalSep)
    : TAbstractModelChart2(chart)
    , FFieldSep(fieldSep)
    , FDecimalSep(decimalSep)
    , FNumberChars(QStringLiteral("0123456789") + decimalSep)
{
    const QString text = memo->toPlainText();
    if (!text.isEmpty())
        FLines = text.split(u'\n');
}

QStringList TModelChart2::Tokens(const QString &line) const
{
    QStringList tokens;
    const qsizetype length = line.size();
    qsizetype pos = 0;
    while (tokens.size() < 21) {
        const qsizetype start = pos;
        QString token;
        for (; pos < length && IsNumberChar(line[pos]); ++pos)
            token += line[pos] == FDecimalSep ? Numbers::DecimalSeparator : line[pos];
        if (!token.isEmpty()) {
            // A sign, an exponent or a decimal comma would silently change the number.
            const QChar after = pos < length ? line[pos] : QChar();
            const bool negative = start > 0 && line[start - 1] == u'-';
            const bool exponent = after == u'e' || after == u'E';
            const bool comma = after == u',' && after != FFieldSep && pos + 1 < length
                && line[pos + 1].isDigit();
            if (negative || exponent || comma)
                throw EConvertError(NotANumber);
        }
        tokens << token;
        // Pass over the rest of the field and anything up to the next number.
        while (pos < length && line[pos] != FFieldSep)
            ++pos;
        while (pos < length && !IsNumberChar(line[pos]))
            ++pos;
    }
    return tokens;
}

TPointRec TModelChart2::ReadPoint()
{
    TPointRec point;
    if (FIndex < FLines.size()) {
        const QString line = Numbers::Trim(FLines[FIndex]);
        if (!line.isEmpty()) {
            try {
                const QStringList tokens = Tokens(line);
                point.Set(0, RowNumber(tokens[0]));
                for (int k = 1; k < tokens.size(); ++k)
                    if (!tokens[k].isEmpty())
                        point.Set(k, RowNumber(tokens[k]));
            } catch (const EConvertError &) {
                // In a long file the user must be able to find the line.
                const QString quoted
                    = line.size() > QuotedLine ? line.left(QuotedLine) + QChar(0x2026) : line;
                throw EConvertError(QStringLiteral("%1 in line %2: %3")
                                        .arg(NotANumber, QString::number(FIndex + 1), quoted));
            }
        }
        ++FIndex;
    }
    FEof = FIndex >= FLines.size();
    return point;
}

// ---------------------------------------------------------------- TDBChartFromQuery

TDBChartFromQuery::TDBChartFromQuery(TQuery *query, TDBChart *chart)
    : TAbstractModelChart2(chart)
    , FQuery(query)
{
    if (!FQuery->Active())
        FQuery->Open();
}

TPointRec TDBChartFromQuery::ReadPoint()
{
    TPointRec point;
    const QVariant t = FieldValue(FQuery, QStringLiteral("T"));
    const QVariant y = FieldValue(FQuery, QStringLiteral("Y"));
    if (!t.isNull())
        point.Set(0, VarAsFloat(t));
    if (!y.isNull())
        point.Set(1, VarAsFloat(y));
    FQuery->Next();
    FEof = FQuery->Eof();
    return point;
}

TPointSeries *TDBChartFromQuery::Draw()
{
    FQuery->First();
    LoadPoints();
    auto *series = new TPointSeries(FChart);
    series->SetShowInLegend(false);
    series->SetPointerStyle(TPointerStyle::psRectangle);
    AddPoints(series, FPoints, 1);
    series->SetSeriesColor(NextLineColor());
    FChart->AddSeries(series);
    return series;
}
