#include "platform/Chart.h"

#include "platform/SafeFile.h"

#include <QLegendMarker>
#include <QLocale>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- TChartSeries

void TChartSeries::SetSeriesColor(TColor color)
{
    m_color = color;
    ApplyColor();
}

void TChartSeries::SetShowInLegend(bool show)
{
    m_showInLegend = show;
    if (m_chart)
        m_chart->ApplyLegendFlags();
}

void TChartSeries::AddXY(double x, double y)
{
    QXYSeries *s = Series();
    if (!m_xAscending) {
        s->append(x, y);
        return;
    }
    int at = int(s->count());
    while (at > 0 && s->at(at - 1).x() > x)
        --at;
    s->insert(at, QPointF(x, y));
}

void TChartSeries::SetDataSource(TDataSource *source, const QString &xField,
                                 const QString &yField)
{
    QObject::disconnect(m_link);
    m_source = source;
    m_xField = xField;
    m_yField = yField;
    if (source)
        m_link = QObject::connect(source, &TDataSource::dataChanged, Series(),
                                  [this] { ReadDataSource(); });
    ReadDataSource();
}

void TChartSeries::ReadDataSource()
{
    QList<QPointF> points;
    TDataSet *ds = m_source ? m_source->DataSet() : nullptr;
    TField *x = ds ? ds->FindField(m_xField) : nullptr;
    TField *y = ds ? ds->FindField(m_yField) : nullptr;
    if (ds && ds->Active() && x && y) {
        for (int row = 0; row < ds->RecordCount(); ++row) {
            const QVariant vx = ds->RowValue(row, *x);
            const QVariant vy = ds->RowValue(row, *y);
            if (vx.isNull() || vy.isNull())
                continue;
            points << QPointF(vx.toDouble(), vy.toDouble());
        }
    }
    if (m_xAscending)
        std::stable_sort(points.begin(), points.end(),
                         [](const QPointF &a, const QPointF &b) { return a.x() < b.x(); });
    Series()->replace(points);
}

// ---------------------------------------------------------------- series kinds

TLineSeries::TLineSeries(QObject *owner)
{
    setParent(owner);
    SetSeriesColor(clRed);
}

void TLineSeries::SetLinePenWidth(int width)
{
    QPen p = pen();
    p.setWidth(width);
    setPen(p);
}

void TLineSeries::SetLinePenStyle(Qt::PenStyle style)
{
    QPen p = pen();
    p.setStyle(style);
    setPen(p);
}

void TLineSeries::ApplyColor()
{
    QPen p = pen();
    p.setColor(ToQColor(SeriesColor()));
    setPen(p);
}

TPointSeries::TPointSeries(QObject *owner)
{
    setParent(owner);
    setMarkerSize(9);
    SetSeriesColor(clRed);
}

void TPointSeries::SetPointerStyle(TPointerStyle style)
{
    m_style = style;
    switch (style) {
    case TPointerStyle::psRectangle:
        setMarkerShape(MarkerShapeRectangle);
        break;
    case TPointerStyle::psCircle:
        setMarkerShape(MarkerShapeCircle);
        break;
    case TPointerStyle::psTriangle:
        setMarkerShape(MarkerShapeTriangle);
        break;
    case TPointerStyle::psStar:
        setMarkerShape(MarkerShapeStar);
        break;
    case TPointerStyle::psDiamond:
        setMarkerShape(MarkerShapeRotatedRectangle);
        break;
    }
}

void TPointSeries::ApplyColor()
{
    setColor(ToQColor(SeriesColor()));
    setBorderColor(ToQColor(SeriesColor()));
}

// ---------------------------------------------------------------- TDBChart

TDBChart::TDBChart(QWidget *parent, const QString &name)
    : QChartView(new QChart, parent)
    , m_bottom(new QValueAxis)
    , m_left(new QValueAxis)
{
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    QChart *c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    // Axis labels use the program's decimal comma, as its grids do.
    QLocale comma(QLocale::German);
    comma.setNumberOptions(QLocale::OmitGroupSeparator);
    c->setLocalizeNumbers(true);
    c->setLocale(comma);
    c->addAxis(m_bottom, Qt::AlignBottom);
    c->addAxis(m_left, Qt::AlignLeft);
    m_bottom->setLabelFormat(QStringLiteral("%.4g"));
    m_left->setLabelFormat(QStringLiteral("%.4g"));
    m_left->setMinorTickCount(4);
    c->legend()->setAlignment(Qt::AlignRight);
    c->legend()->setShowToolTips(true); // a long title the legend cuts short is shown whole
    QFont legendFont = c->legend()->font();
    legendFont.setPointSizeF(7.5);
    c->legend()->setFont(legendFont);
    // Qt draws an axis only while a series is attached to it; an empty chart still shows its
    // frame and titles.
    auto *frame = new QLineSeries(c);
    c->addSeries(frame);
    frame->attachAxis(m_bottom);
    frame->attachAxis(m_left);
    for (QLegendMarker *marker : c->legend()->markers(frame))
        marker->setVisible(false);
    SetColor(clWhite);
    SetLegendColor(clWhite);
    ApplyLegendFlags();
}

void TDBChart::SetTitle(const QString &title)
{
    chart()->setTitle(title);
    QFont f = chart()->titleFont();
    f.setBold(true);
    f.setPointSize(11);
    chart()->setTitleFont(f);
}

TDBChart::~TDBChart()
{
    // The view's base destroys the chart and with it the series after this object's members
    // are gone; their destroyed signals must not reach the series list then.
    for (TChartSeries *series : m_series)
        disconnect(series->Series(), nullptr, this, nullptr);
}

void TDBChart::SetColor(TColor color)
{
    m_color = color;
    chart()->setBackgroundBrush(ToQColor(color));
    setBackgroundBrush(ToQColor(color));
}

void TDBChart::SetLegendColor(TColor color)
{
    m_legendColor = color;
    chart()->legend()->setBrush(ToQColor(color));
    chart()->legend()->setBackgroundVisible(true);
}

void TDBChart::SetLegendFrameColor(TColor color)
{
    m_legendFrameColor = color;
    chart()->legend()->setPen(QPen(ToQColor(color)));
}

void TDBChart::AddSeries(TChartSeries *series)
{
    if (std::find(m_series.begin(), m_series.end(), series) != m_series.end())
        return;
    QXYSeries *s = series->Series();
    chart()->addSeries(s);
    s->attachAxis(m_bottom);
    s->attachAxis(m_left);
    m_series.push_back(series);
    series->m_chart = this;
    connect(s, &QXYSeries::pointsReplaced, this, &TDBChart::ScheduleAxes);
    connect(s, &QXYSeries::pointAdded, this, &TDBChart::ScheduleAxes);
    connect(s, &QXYSeries::pointRemoved, this, &TDBChart::ScheduleAxes);
    connect(s, &QObject::destroyed, this, [this, series] {
        m_series.erase(std::remove(m_series.begin(), m_series.end(), series), m_series.end());
    });
    ApplyLegendFlags();
    UpdateAxes();
}

void TDBChart::RemoveAllSeries()
{
    const std::vector<TChartSeries *> all = m_series;
    m_series.clear();
    for (TChartSeries *series : all) {
        chart()->removeSeries(series->Series());
        delete series->Series();
    }
    ApplyLegendFlags();
    UpdateAxes();
}

void TDBChart::ApplyLegendFlags()
{
    bool anyEntry = false;
    for (TChartSeries *series : m_series) {
        for (QLegendMarker *marker : chart()->legend()->markers(series->Series()))
            marker->setVisible(series->ShowInLegend());
        anyEntry = anyEntry || series->ShowInLegend();
    }
    // Like an empty list, an empty legend is not drawn.
    chart()->legend()->setVisible(anyEntry);
}

void TDBChart::ScheduleAxes()
{
    if (m_axesPending)
        return;
    m_axesPending = true;
    QTimer::singleShot(0, this, [this] { UpdateAxes(); });
}

static void FitAxis(QValueAxis *axis, double low, double high)
{
    if (low > high) {
        axis->setRange(0, 1);
        return;
    }
    if (low == high) {
        const double pad = low == 0 ? 1 : std::fabs(low) * 0.05;
        low -= pad;
        high += pad;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
}

void TDBChart::UpdateAxes()
{
    m_axesPending = false;
    double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    for (TChartSeries *series : m_series)
        for (const QPointF &p : series->Series()->points()) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
    FitAxis(m_bottom, minX, maxX);
    FitAxis(m_left, minY, maxY);
}

QImage TDBChart::ToImage()
{
    UpdateAxes();
    if (!isVisible() && (width() < 400 || height() < 300))
        resize(std::max(width(), 800), std::max(height(), 600));
    return grab().toImage();
}

void TDBChart::SaveToBitmapFile(const QString &path)
{
    SafeFile::WriteImage(path, ToImage(), "BMP");
}

void TDBChart::mousePressEvent(QMouseEvent *event)
{
    QChartView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit clicked();
}
