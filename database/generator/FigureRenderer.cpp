#include "FigureRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
const QRect PlotArea(80, 78, 400, 300);

const QColor Palette[] = { Qt::red, QColor(0, 128, 0), Qt::blue, QColor(128, 0, 128),
    QColor(128, 128, 0), Qt::darkCyan, Qt::black };

struct Axis
{
    double low;
    double high;
    double step;
};

// Round numbers around the data: 1, 2 or 5 times a power of ten between ticks.
Axis NiceAxis(double low, double high)
{
    if (high - low < 1e-12) {
        const double pad = std::max(std::fabs(low) * 0.05, 1e-3);
        low -= pad;
        high += pad;
    }
    const double raw = (high - low) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double factor : { 1.0, 2.0, 5.0, 10.0 })
        if (raw <= factor * power) {
            step = factor * power;
            break;
        }
    return { std::floor(low / step) * step, std::ceil(high / step) * step, step };
}

QString Label(double value, double step)
{
    const int decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    return QString::number(value, 'f', decimals);
}

void DrawBanner(QPainter &p, const QString &title)
{
    p.fillRect(0, 0, Width, 26, QColor(170, 0, 0));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 11, QFont::Bold));
    p.drawText(QRect(0, 0, Width, 26), Qt::AlignCenter,
        QStringLiteral("DEMONSTRATION FIGURE - VIRELT 2 demonstration data set"));
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 12, QFont::Bold));
    p.drawText(QRect(10, 32, Width - 20, 36), Qt::AlignCenter | Qt::TextWordWrap, title);
}

void DrawNotes(QPainter &p, const QStringList &notes, const QRect &area, int flags)
{
    p.setPen(Qt::black);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(area, flags | Qt::TextWordWrap, notes.join(u'\n'));
}

void DrawPlot(QPainter &p, const FigureContent &figure)
{
    double xMin = std::numeric_limits<double>::max(), xMax = -xMin;
    double yMin = xMin, yMax = -xMin;
    for (const PlotSeries &s : figure.series)
        for (const QPointF &pt : s.points) {
            xMin = std::min(xMin, pt.x());
            xMax = std::max(xMax, pt.x());
            yMin = std::min(yMin, pt.y());
            yMax = std::max(yMax, pt.y());
        }
    const Axis ax = NiceAxis(xMin, xMax), ay = NiceAxis(yMin, yMax);
    const auto map = [&](const QPointF &pt) {
        return QPointF(PlotArea.left() + (pt.x() - ax.low) / (ax.high - ax.low) * PlotArea.width(),
            PlotArea.bottom() - (pt.y() - ay.low) / (ay.high - ay.low) * PlotArea.height());
    };
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    p.setPen(QColor(220, 220, 220));
    for (double x = ax.low; x <= ax.high + ax.step / 2; x += ax.step) {
        const double px = map({ x, ay.low }).x();
        p.setPen(QColor(220, 220, 220));
        p.drawLine(QPointF(px, PlotArea.top()), QPointF(px, PlotArea.bottom()));
        p.setPen(Qt::black);
        p.drawText(
            QRectF(px - 30, PlotArea.bottom() + 4, 60, 14), Qt::AlignCenter, Label(x, ax.step));
    }
    for (double y = ay.low; y <= ay.high + ay.step / 2; y += ay.step) {
        const double py = map({ ax.low, y }).y();
        p.setPen(QColor(220, 220, 220));
        p.drawLine(QPointF(PlotArea.left(), py), QPointF(PlotArea.right(), py));
        p.setPen(Qt::black);
        p.drawText(QRectF(PlotArea.left() - 62, py - 7, 58, 14), Qt::AlignRight | Qt::AlignVCenter,
            Label(y, ay.step));
    }
    p.setPen(Qt::black);
    p.drawRect(PlotArea);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    p.drawText(QRect(PlotArea.left(), PlotArea.bottom() + 18, PlotArea.width(), 16),
        Qt::AlignCenter, figure.xTitle);
    p.save();
    p.translate(14, PlotArea.center().y());
    p.rotate(-90);
    p.drawText(
        QRect(-PlotArea.height() / 2, -8, PlotArea.height(), 16), Qt::AlignCenter, figure.yTitle);
    p.restore();

    p.setRenderHint(QPainter::Antialiasing);
    int legendY = PlotArea.top();
    for (qsizetype i = 0; i < figure.series.size(); ++i) {
        const PlotSeries &s = figure.series[i];
        const QColor colour = Palette[std::size_t(s.colour) % std::size(Palette)];
        p.setPen(QPen(colour, s.marks ? 1.5 : 2.5, s.marks ? Qt::SolidLine : Qt::DashLine));
        QPainterPath path;
        for (qsizetype k = 0; k < s.points.size(); ++k)
            k == 0 ? path.moveTo(map(s.points[k])) : path.lineTo(map(s.points[k]));
        p.drawPath(path);
        if (s.marks)
            for (const QPointF &pt : s.points)
                p.drawEllipse(map(pt), 4, 4);
        p.drawLine(PlotArea.right() + 10, legendY + 7, PlotArea.right() + 30, legendY + 7);
        p.setPen(Qt::black);
        p.drawText(QRect(PlotArea.right() + 34, legendY, Width - PlotArea.right() - 38, 30),
            Qt::TextWordWrap, s.name);
        legendY += 32;
    }
}

} // namespace

void SaveFigure(const FigureContent &figure, const QString &path)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        DrawBanner(p, figure.title);
        if (figure.series.isEmpty()) {
            const QRect box(60, 110, Width - 120, 260);
            p.setPen(QPen(Qt::gray, 2, Qt::DashLine));
            p.drawRect(box);
            DrawNotes(p, figure.notes, box.adjusted(16, 16, -16, -16), Qt::AlignCenter);
        } else {
            DrawPlot(p, figure);
            DrawNotes(p, figure.notes, QRect(10, PlotArea.bottom() + 38, Width - 20, 60),
                Qt::AlignLeft | Qt::AlignTop);
        }
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "JPG", 90))
        throw std::runtime_error(("cannot write " + path).toStdString());
}
