// Own data of 1,000, 10,000 and 100,000 points, from the text file to the drawn chart: loading
// the file into the own-data memo, reading it into a point series, and painting the chart.

#include "Bench.h"

#include "chart/ChartBuilders.h"
#include "chart/uWlasnedane.h"
#include "chart/uWykresy.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

QString WriteOwnData(const QString &folder, int points)
{
    QStringList lines;
    lines.reserve(points);
    for (int i = 0; i < points; ++i) {
        const double x = double(i) / std::max(1, points - 1);
        lines << QStringLiteral("%1;%2")
                     .arg(x, 0, 'f', 6)
                     .arg(9.5 - 2.1 * x + 0.01 * (i % 7), 0, 'f', 4);
    }
    const QString path = folder + QStringLiteral("/own%1.txt").arg(points);
    TextFile::Write(path, lines);
    return path;
}

struct Times
{
    double load = 0;
    double draw = 0;
};

// One drawing on a cleared chart; the best of a few tries counts.
Times DrawOwnData(const QString &path)
{
    Times best { 1e9, 1e9 };
    for (int attempt = 0; attempt < 3; ++attempt) {
        fmWykres->DBChart1->RemoveAllSeries();
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        fmWlasnedane->Memo1->setPlainText(TextFile::Read(path).join(u'\n'));
        const double load = clock.nsecsElapsed() / 1e6;
        clock.restart();
        TModelChart2 builder(fmWlasnedane->Memo1, fmWykres->DBChart1, u';', u'.');
        builder.DrawIsotherm(QStringLiteral("Bench"), QStringLiteral("673"));
        QCoreApplication::processEvents();
        const QImage picture = fmWykres->DBChart1->grab().toImage();
        Bench::Consume(picture.pixelColor(picture.width() / 2, picture.height() / 2).red());
        const double draw = clock.nsecsElapsed() / 1e6;
        best = { std::min(best.load, load), std::min(best.draw, draw) };
    }
    return best;
}

void OwnDataSizes()
{
    Bench::OpenChartWindow();
    fmWykres->resize(1400, 900);
    QTemporaryDir folder;
    DrawOwnData(WriteOwnData(folder.path(), 1000)); // warm-up
    double first = 0;
    for (int points : { 1000, 10000, 100000 }) {
        const Times t = DrawOwnData(WriteOwnData(folder.path(), points));
        const double total = t.load + t.draw;
        if (first == 0)
            first = total;
        std::printf("  %7d points: load %8.2f ms, draw %8.2f ms, total %8.2f ms (%.1f x)\n", points,
            t.load, t.draw, total, total / first);
    }
    Bench::StopProgram();
}

} // namespace

VIRELT_BENCH_ONCE(owndata, "own data drawn on the chart, by number of points:", OwnDataSizes)
