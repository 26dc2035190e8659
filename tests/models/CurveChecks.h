#pragma once

#include "platform/Chart.h"
#include "platform/DBControls.h"
#include "platform/Fixed.h"

#include <QList>
#include <QTest>

#include <algorithm>
#include <vector>

// The series a click added to a chart: those past the first `before`.
inline std::vector<TChartSeries *> AddedSince(const TDBChart *chart, int before)
{
    std::vector<TChartSeries *> all = chart->AllSeries();
    return { all.begin() + before, all.end() };
}

// Line series a window made but never put on its chart.
inline int HiddenLines(const QObject *window, const TDBChart *chart)
{
    const std::vector<TChartSeries *> shown = chart->AllSeries();
    int hidden = 0;
    for (TChartSeries *line : window->findChildren<TLineSeries *>())
        hidden += std::find(shown.begin(), shown.end(), line) == shown.end();
    return hidden;
}

inline int PenWidth(TChartSeries *series)
{
    auto *line = dynamic_cast<TLineSeries *>(series);
    return line ? line->LinePenWidth() : -1;
}

// A model curve's look: legend entry, title, colour and pen width.
#define QCOMPARE_STYLE(series, legend, title, colour, width)                                       \
    do {                                                                                           \
        QCOMPARE((series)->ShowInLegend(), legend);                                                \
        QCOMPARE((series)->Title(), QString(title));                                               \
        QCOMPARE((series)->SeriesColor(), colour);                                                 \
        QCOMPARE(PenWidth(series), width);                                                         \
    } while (false)

// Selects the rows of a grid whose X is one of `xs`; true when each was found.
inline bool SelectCompositions(TDBGrid *grid, const QList<double> &xs)
{
    TDataSet *rows = grid->DataSource()->DataSet();
    for (double x : xs)
        for (int row = 0; row < rows->RecordCount(); ++row) {
            rows->GotoBookmark(row);
            if (Fixed(rows->FieldByName("X").AsFloat()) == Fixed(x))
                grid->SelectRow(row, true);
        }
    return grid->SelectedRowsCount() == int(xs.size());
}
