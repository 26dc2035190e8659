#pragma once

#include "chart/Palette.h"
#include "platform/Chart.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class QPlainTextEdit;
class TDBGrid;
class TQuery;

// The colours of the builders' series and of the temperature lines.
extern const ColorPalette BuilderPalette;

// One row of a source: the abscissa P[0] and up to twenty values. A position the row does not
// give is not drawn.
struct TPointRec
{
    std::array<double, 21> P {};
    std::array<bool, 21> Given {};

    void Set(int position, double value)
    {
        P.at(position) = value;
        Given.at(position) = true;
    }
    bool Has(int position) const { return Given.at(position); }
};

// The loaded rows, in order.
class TPointList
{
public:
    void AddPoint(const TPointRec &point) { FList.push_back(point); }
    // An index of GetCount or more raises "ListIndex (i) is out of bounds [0,  n-1] !".
    void GetPoint(int index, TPointRec &point) const;
    int GetCount() const { return int(FList.size()); }

private:
    std::vector<TPointRec> FList;
};

// Reads a source row by row into points and draws them on the chart window's chart. The
// series colour counter is the chart window's `FLineColorNo`.
class TAbstractModelChart2
{
public:
    explicit TAbstractModelChart2(TDBChart *chart);
    virtual ~TAbstractModelChart2() = default;
    TAbstractModelChart2(const TAbstractModelChart2 &) = delete;
    TAbstractModelChart2 &operator=(const TAbstractModelChart2 &) = delete;

    // The next row of the source; sets `FEof` when the source is exhausted.
    virtual TPointRec ReadPoint() = 0;
    void LoadPoints();
    const TPointList &Points() const { return FPoints; }

    // Own data: one point series of the first value against the abscissa, titled
    // "<author> T= <temperature> [K]".
    TPointSeries *DrawIsotherm(const QString &author, const QString &temperature);
    // Own data: one line per row selected in `grid` (at most 20), the k-th from value k,
    // titled "ButlerX= " and the row's X.
    void DrawTemperatureLines(TDBGrid *grid);

protected:
    bool FEof = false;
    TDBChart *FChart;
    TPointList FPoints;
};

// Reads the lines of a memo: numbers separated by `fieldSep`, with `decimalSep` as decimal
// point. A number preceded by "-" or followed by an exponent or a decimal comma raises "Can't
// convert dataSource data to a number", as does a line that does not begin with a number.
class TModelChart2 : public TAbstractModelChart2
{
public:
    TModelChart2(const QPlainTextEdit *memo, TDBChart *chart, QChar fieldSep, QChar decimalSep);
    TPointRec ReadPoint() override;

private:
    // The up to 21 number texts of a trimmed line, with "," as decimal separator.
    QStringList Tokens(const QString &line) const;
    bool IsNumberChar(QChar c) const { return FNumberChars.contains(c); }

    QStringList FLines;
    int FIndex = 0;
    QChar FFieldSep;
    QChar FDecimalSep;
    QString FNumberChars;
};

// Reads the measured points (fields T and Y) of a query; a row with a Null T or Y gives no
// point.
class TDBChartFromQuery : public TAbstractModelChart2
{
public:
    // Opens the query when it is closed.
    TDBChartFromQuery(TQuery *query, TDBChart *chart);
    TPointRec ReadPoint() override;
    // Loads the query from its first row and adds one point series, kept out of the legend.
    TPointSeries *Draw();

private:
    TQuery *FQuery;
};
