#include "platform/Chart.h"

#include "platform/SafeFile.h"

#include <QApplication>
#include <QFontInfo>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QScopeGuard>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

// Legend geometry in pixels.
constexpr qreal LegendPadding = 6;
constexpr qreal LegendSymbol = 22;
constexpr qreal LegendGap = 6;
constexpr qreal LegendSpacing = 10; // between the plot and the legend
constexpr qreal LegendLineExtra = 3;
// The legend never takes more of the chart's width than this, so the plot keeps the rest.
constexpr qreal LegendShare = 0.32;
constexpr qreal LegendMinimumWidth = 140;
// A zoom moves the axes in this many steps of this many milliseconds.
constexpr int ZoomSteps = 10;
constexpr int ZoomStepMs = 20;

// A title as the legend shows it in `room` pixels: whole on one line, else broken at a blank
// onto a second line, and only what still does not fit cut short.
QString FitTitle(const QFontMetricsF &fm, const QString &title, qreal room)
{
    if (fm.horizontalAdvance(title) <= room)
        return title;
    for (qsizetype blank = title.lastIndexOf(u' '); blank > 0;
         blank = title.lastIndexOf(u' ', blank - 1)) {
        const QString first = title.left(blank).trimmed();
        if (!first.isEmpty() && fm.horizontalAdvance(first) <= room)
            return first + u'\n'
                + fm.elidedText(title.mid(blank + 1).trimmed(), Qt::ElideRight, room);
    }
    return fm.elidedText(title, Qt::ElideRight, room);
}

} // namespace

// Something the chart draws over Qt's own items; clicks go through to the chart.
class ChartOverlay : public QGraphicsItem
{
public:
    ChartOverlay(TDBChart *view, qreal z)
        : QGraphicsItem(view->chart())
        , m_view(view)
    {
        setAcceptedMouseButtons(Qt::NoButton);
        setZValue(z);
    }
    // Call before the item's extent changes.
    void Refresh()
    {
        prepareGeometryChange();
        update();
    }

protected:
    TDBChart *m_view;
};

// All markers of the chart's point series, painted in one pass over the whole chart, so a
// marker on the plot's edge is drawn whole.
class ChartPointsItem : public ChartOverlay
{
public:
    using ChartOverlay::ChartOverlay;
    QRectF boundingRect() const override { return m_view->chart()->rect(); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;
};

// The legend: a box as large as its entries need, right of the plot.
class ChartLegendItem : public ChartOverlay
{
public:
    using ChartOverlay::ChartOverlay;
    QRectF boundingRect() const override { return QRectF(QPointF(0, 0), m_view->m_legendSize); }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;
};

// ---------------------------------------------------------------- TChartSeries

void TChartSeries::SetSeriesColor(TColor color)
{
    m_color = color;
    ApplyColor();
    LookChanged();
}

void TChartSeries::LookChanged()
{
    if (m_chart)
        m_chart->SeriesLookChanged();
}

void TChartSeries::SetShowInLegend(bool show)
{
    m_showInLegend = show;
    if (m_chart)
        m_chart->LayoutLegend();
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

void TChartSeries::SetDataSource(TDataSource *source, const QString &xField, const QString &yField)
{
    QObject::disconnect(m_link);
    m_source = source;
    m_xField = xField;
    m_yField = yField;
    if (source)
        m_link = QObject::connect(
            source, &TDataSource::dataChanged, Series(), [this] { ReadDataSource(); });
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
    LookChanged();
}

void TLineSeries::SetLinePenStyle(Qt::PenStyle style)
{
    QPen p = pen();
    p.setStyle(style);
    setPen(p);
    LookChanged();
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
    m_marker = QPixmap();
    LookChanged();
}

void TPointSeries::ApplyColor()
{
    setColor(ToQColor(SeriesColor()));
    setBorderColor(ToQColor(SeriesColor()));
    m_marker = QPixmap();
}

QPainterPath TPointSeries::MarkerPath() const
{
    const qreal h = markerSize() / 2;
    QPainterPath path;
    switch (m_style) {
    case TPointerStyle::psRectangle:
        path.addRect(-h, -h, 2 * h, 2 * h);
        break;
    case TPointerStyle::psCircle:
        path.addEllipse(QPointF(0, 0), h, h);
        break;
    case TPointerStyle::psTriangle:
        path.addPolygon(QPolygonF({ { 0, -h }, { h, h }, { -h, h }, { 0, -h } }));
        break;
    case TPointerStyle::psDiamond:
        path.addPolygon(QPolygonF({ { 0, -h }, { h, 0 }, { 0, h }, { -h, 0 }, { 0, -h } }));
        break;
    case TPointerStyle::psStar: {
        QPolygonF star;
        for (int i = 0; i <= 10; ++i) {
            const qreal r = i % 2 ? h * 0.45 : h;
            const qreal a = M_PI * (i / 5.0 - 0.5);
            star << QPointF(r * std::cos(a), r * std::sin(a));
        }
        path.addPolygon(star);
        break;
    }
    }
    return path;
}

const QPixmap &TPointSeries::MarkerPixmap(qreal pixelRatio)
{
    if (m_marker.isNull() || m_marker.devicePixelRatio() != pixelRatio) {
        const qreal side = markerSize() + 2;
        m_marker
            = QPixmap(QSize(int(std::ceil(side * pixelRatio)), int(std::ceil(side * pixelRatio))));
        m_marker.setDevicePixelRatio(pixelRatio);
        m_marker.fill(Qt::transparent);
        QPainter p(&m_marker);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(side / 2, side / 2);
        p.setPen(QPen(color(), 1));
        p.setBrush(color());
        p.drawPath(MarkerPath());
    }
    return m_marker;
}

// ---------------------------------------------------------------- drawing items

void ChartPointsItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF plot = m_view->chart()->plotArea();
    const QValueAxis *bx = m_view->m_bottom;
    const QValueAxis *ly = m_view->m_left;
    if (plot.isEmpty() || bx->max() <= bx->min() || ly->max() <= ly->min())
        return;
    const qreal sx = plot.width() / (bx->max() - bx->min());
    const qreal sy = plot.height() / (ly->max() - ly->min());
    // A zoomed plot cuts its markers at its edges, as it cuts its lines; an axis fitted to the
    // data has every point inside, and a marker on its edge is drawn whole.
    const bool cut = m_view->ShowsGivenRange();
    if (cut)
        painter->setClipRect(plot);
    // A scaled painter (printing) gets vector markers; the screen gets one picture per marker.
    const bool vector = painter->worldTransform().isScaling();
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->setRenderHint(QPainter::Antialiasing);
    for (TPointSeries *series : m_view->PointSeries()) {
        if (!series->isVisible())
            continue;
        const QPixmap &marker = series->MarkerPixmap(ratio);
        const qreal half = marker.width() / marker.devicePixelRatio() / 2;
        const QPainterPath path = series->MarkerPath();
        // Points outside the axes by more than rounding are not drawn, nor, on a cut plot, those
        // whose marker does not reach into it.
        const qreal slackX = cut ? half / sx : (bx->max() - bx->min()) * 1e-9;
        const qreal slackY = cut ? half / sy : (ly->max() - ly->min()) * 1e-9;
        if (vector) {
            painter->setPen(QPen(series->color(), 1));
            painter->setBrush(series->color());
        }
        for (const QPointF &p : series->points()) {
            if (p.x() < bx->min() - slackX || p.x() > bx->max() + slackX
                || p.y() < ly->min() - slackY || p.y() > ly->max() + slackY)
                continue;
            const QPointF at(
                plot.left() + (p.x() - bx->min()) * sx, plot.bottom() - (p.y() - ly->min()) * sy);
            if (vector)
                painter->drawPath(path.translated(at));
            else
                painter->drawPixmap(at - QPointF(half, half), marker);
        }
    }
}

void ChartLegendItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF box = boundingRect();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(ToQColor(m_view->m_legendFrameColor), 1));
    painter->setBrush(ToQColor(m_view->m_legendColor));
    painter->drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->setFont(m_view->LegendFont());
    const QFontMetricsF fm(m_view->LegendFont());
    qreal y = LegendPadding;
    int entry = 0;
    for (TChartSeries *series : m_view->m_series) {
        if (!series->ShowInLegend())
            continue;
        if (entry >= m_view->m_legendTexts.size() || y + fm.height() > box.height())
            break;
        const qreal mid = y + fm.height() / 2;
        const QPointF symbol(LegendPadding + LegendSymbol / 2, mid);
        if (auto *points = dynamic_cast<TPointSeries *>(series)) {
            painter->setPen(QPen(points->color(), 1));
            painter->setBrush(points->color());
            painter->drawPath(points->MarkerPath().translated(symbol));
        } else {
            QPen pen = static_cast<const QXYSeries *>(series->Series())->pen();
            pen.setWidthF(std::min<qreal>(pen.widthF(), 4));
            painter->setPen(pen);
            painter->drawLine(
                QPointF(LegendPadding, mid), QPointF(LegendPadding + LegendSymbol, mid));
        }
        painter->setPen(Qt::black);
        for (const QString &line : m_view->m_legendTexts[entry].split(u'\n')) {
            painter->drawText(
                QPointF(LegendPadding + LegendSymbol + LegendGap, y + fm.ascent()), line);
            y += fm.height();
        }
        y += LegendLineExtra;
        ++entry;
    }
}

// ---------------------------------------------------------------- TDBChart

TDBChart::TDBChart(QWidget *parent, const QString &name)
    : QChartView(new QChart, parent)
    , m_bottom(new QValueAxis)
    , m_left(new QValueAxis)
    , m_animation(new QTimer(this))
    , m_band(new QRubberBand(QRubberBand::Rectangle, viewport()))
{
    setObjectName(name);
    setRenderHint(QPainter::Antialiasing);
    QChart *c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setLocalizeNumbers(true);
    c->setLocale(AxisLocale());
    c->addAxis(m_bottom, Qt::AlignBottom);
    c->addAxis(m_left, Qt::AlignLeft);
    m_bottom->setTickType(QValueAxis::TicksDynamic);
    m_left->setTickType(QValueAxis::TicksDynamic);
    m_left->setMinorTickCount(4);
    // The program draws its own legend, sized to its entries.
    c->legend()->hide();
    m_margins = QMargins(8, 8, 12, 8);
    c->setMargins(m_margins);
    // Qt draws an axis only while a series is attached to it; an empty chart still shows its
    // frame and titles.
    auto *frame = new QLineSeries(c);
    c->addSeries(frame);
    frame->attachAxis(m_bottom);
    frame->attachAxis(m_left);
    // Above every series and axis.
    m_points = new ChartPointsItem(this, 100);
    m_legend = new ChartLegendItem(this, 110);
    connect(c, &QChart::plotAreaChanged, this, [this] {
        ScaleAxes();
        PlaceLegend();
        m_points->Refresh();
    });
    m_animation->setInterval(ZoomStepMs);
    connect(m_animation, &QTimer::timeout, this, &TDBChart::AnimationStep);
    SetColor(clWhite);
    SetLegendColor(clWhite);
    LayoutLegend();
    UpdateAxes();
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
    disconnect(chart(), nullptr, this, nullptr);
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
    m_legend->update();
}

void TDBChart::SetLegendFrameColor(TColor color)
{
    m_legendFrameColor = color;
    m_legend->update();
}

std::vector<TPointSeries *> TDBChart::PointSeries() const
{
    std::vector<TPointSeries *> points;
    for (TChartSeries *series : m_series)
        if (auto *p = dynamic_cast<TPointSeries *>(series))
            points.push_back(p);
    return points;
}

void TDBChart::AddSeries(TChartSeries *series)
{
    if (std::find(m_series.begin(), m_series.end(), series) != m_series.end())
        return;
    QXYSeries *s = series->Series();
    if (!dynamic_cast<TPointSeries *>(series)) {
        chart()->addSeries(s);
        s->attachAxis(m_bottom);
        s->attachAxis(m_left);
    }
    m_series.push_back(series);
    series->m_chart = this;
    connect(s, &QXYSeries::pointsReplaced, this, &TDBChart::ScheduleAxes);
    connect(s, &QXYSeries::pointAdded, this, &TDBChart::ScheduleAxes);
    connect(s, &QXYSeries::pointRemoved, this, &TDBChart::ScheduleAxes);
    connect(s, &QAbstractSeries::nameChanged, this, &TDBChart::LayoutLegend);
    connect(s, &QObject::destroyed, this, [this, series] {
        m_series.erase(std::remove(m_series.begin(), m_series.end(), series), m_series.end());
        LayoutLegend();
        m_points->update();
    });
    LayoutLegend();
    UpdateAxes();
}

void TDBChart::RemoveAllSeries()
{
    m_animation->stop();
    m_frame.reset();
    m_zoom.reset();
    const std::vector<TChartSeries *> all = m_series;
    m_series.clear();
    for (TChartSeries *series : all) {
        if (!dynamic_cast<TPointSeries *>(series))
            chart()->removeSeries(series->Series());
        delete series->Series();
    }
    LayoutLegend();
    UpdateAxes();
}

bool TDBChart::LegendVisible() const
{
    return m_legend->isVisible();
}

QRectF TDBChart::LegendRect() const
{
    return m_legend->mapRectToParent(m_legend->boundingRect());
}

QFont TDBChart::LegendFont() const
{
    // Sized in pixels: a printer's painter resolves a point size at its own resolution and its
    // scaling then enlarges the text again, past the box laid out for it.
    QFont legend = font();
    legend.setPixelSize(QFontInfo(legend).pixelSize());
    return legend;
}

QStringList TDBChart::LegendTexts() const
{
    return m_legendTexts;
}

void TDBChart::SeriesLookChanged()
{
    m_legend->update();
    m_points->update();
}

void TDBChart::LayoutLegend()
{
    QStringList titles;
    for (TChartSeries *series : m_series)
        if (series->ShowInLegend())
            titles << series->Title();
    m_legendTexts.clear();
    m_legend->Refresh();
    // Like an empty list, an empty legend is not drawn.
    if (titles.isEmpty()) {
        m_legendSize = QSizeF();
        m_legend->hide();
        chart()->setMargins(m_margins);
        return;
    }
    const QFontMetricsF fm(LegendFont());
    qreal widest = 0;
    for (const QString &title : titles)
        widest = std::max(widest, fm.horizontalAdvance(title));
    const qreal frame = 2 * LegendPadding + LegendSymbol + LegendGap;
    // The chart takes the view's size; on a resize the view has it first.
    const qreal room = std::max(LegendMinimumWidth, LayoutWidth() * LegendShare);
    const qreal legendWidth = std::ceil(std::min(frame + widest + 1, room));
    qreal height = 2 * LegendPadding - LegendLineExtra;
    bool cut = false;
    for (const QString &title : titles) {
        const QString shown = FitTitle(fm, title, legendWidth - frame);
        m_legendTexts << shown;
        height += (shown.count(u'\n') + 1) * fm.height() + LegendLineExtra;
        cut = cut || QString(shown).replace(u'\n', u' ') != title;
    }
    m_legendSize = QSizeF(legendWidth, std::ceil(height));
    // A title cut short is shown whole when the pointer rests on the legend.
    m_legend->setToolTip(cut ? titles.join(u'\n') : QString());
    chart()->setMargins(m_margins + QMargins(0, 0, int(legendWidth + LegendSpacing), 0));
    m_legend->show();
    PlaceLegend();
}

void TDBChart::PlaceLegend()
{
    const QRectF plot = chart()->plotArea();
    const qreal right = LayoutWidth() - m_margins.right();
    m_legend->setPos(std::floor(right - m_legendSize.width()), std::floor(plot.top()));
}

void TDBChart::ScheduleAxes()
{
    if (m_axesPending)
        return;
    m_axesPending = true;
    QTimer::singleShot(0, this, [this] { UpdateAxes(); });
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
    const auto span = [](double &low, double &high) {
        if (low > high) {
            low = 0;
            high = 1;
        } else if (low == high) {
            const double pad = low == 0 ? 1 : std::fabs(low) * 0.05;
            low -= pad;
            high += pad;
        }
    };
    span(minX, maxX);
    span(minY, maxY);
    m_data = { minX, maxX, minY, maxY };
    ScaleAxes();
}

static void ApplyScale(QValueAxis *axis, const AxisScale &scale)
{
    // Qt places ticks from the anchor while they stay within the range; a hair more range keeps
    // rounding from dropping the last one.
    const double max = scale.max + scale.step * 1e-6;
    // Qt lays out every tick of the range at each change; the coarser step goes first so no
    // range is laid out with a step far finer than its own.
    const bool coarser = scale.step >= axis->tickInterval();
    if (coarser && axis->tickInterval() != scale.step)
        axis->setTickInterval(scale.step);
    if (axis->min() != scale.min || axis->max() != max)
        axis->setRange(scale.min, max);
    if (axis->tickAnchor() != scale.firstTick)
        axis->setTickAnchor(scale.firstTick);
    if (!coarser)
        axis->setTickInterval(scale.step);
    const QString format
        = QStringLiteral("%.%1").arg(scale.decimals) + QChar(scale.exponentForm ? u'E' : u'f');
    if (axis->labelFormat() != format)
        axis->setLabelFormat(format);
}

std::pair<AxisScale, AxisScale> TDBChart::Scales(const Range &range, AxisEnds ends) const
{
    QRectF plot = chart()->plotArea();
    if (plot.width() < 20 || plot.height() < 20)
        plot = QRectF(0, 0, LayoutWidth() * 0.6, height() * 0.6);
    const QFontMetricsF bottomFont(m_bottom->labelsFont());
    const QFontMetricsF leftFont(m_left->labelsFont());
    // Qt shortens a bottom label that is wider than its share of the axis, so each label gets
    // that share with room on both sides.
    const auto bottomSpace = [&](const QString &label) {
        return bottomFont.horizontalAdvance(label) + 3 * bottomFont.averageCharWidth() + 12;
    };
    const auto leftSpace = [&](const QString &) { return 3 * leftFont.height(); };
    return { ChooseAxisScale(range.lowX, range.highX, plot.width(), bottomSpace, ends),
        ChooseAxisScale(range.lowY, range.highY, plot.height(), leftSpace, ends) };
}

void TDBChart::ScaleAxes()
{
    // Setting an axis may move the plot's edges, which asks for scaling again.
    if (m_scaling)
        return;
    m_scaling = true;
    const std::optional<Range> &given = m_frame ? m_frame : m_zoom;
    const auto [bottom, left]
        = Scales(given.value_or(m_data), given ? AxisEnds::AsGiven : AxisEnds::WholeSteps);
    ApplyScale(m_bottom, bottom);
    ApplyScale(m_left, left);
    m_points->update();
    m_scaling = false;
}

void TDBChart::ZoomTo(const QRect &rect)
{
    const QRectF plot = chart()->plotArea();
    const QRectF area = QRectF(chart()->mapFromScene(mapToScene(rect.topLeft())),
        chart()->mapFromScene(mapToScene(rect.bottomRight())))
                            .intersected(plot);
    if (area.width() < 1 || area.height() < 1)
        return;
    const auto x = [&](qreal at) {
        return m_bottom->min()
            + (at - plot.left()) / plot.width() * (m_bottom->max() - m_bottom->min());
    };
    const auto y = [&](qreal at) {
        return m_left->min()
            + (plot.bottom() - at) / plot.height() * (m_left->max() - m_left->min());
    };
    m_zoom = Range { x(area.left()), x(area.right()), y(area.bottom()), y(area.top()) };
    AnimateTo(*m_zoom);
}

void TDBChart::UndoZoom()
{
    if (!ShowsGivenRange())
        return;
    m_zoom.reset();
    const auto [bottom, left] = Scales(m_data, AxisEnds::WholeSteps);
    AnimateTo({ bottom.min, bottom.max, left.min, left.max });
}

void TDBChart::AnimateTo(const Range &target)
{
    m_animationFrom = { m_bottom->min(), m_bottom->max(), m_left->min(), m_left->max() };
    m_animationTo = target;
    m_animationStep = 0;
    m_frame = m_animationFrom;
    m_animation->start();
}

void TDBChart::AnimationStep()
{
    if (++m_animationStep >= ZoomSteps) {
        // The last step shows the zoom or the data as any later scaling will.
        m_animation->stop();
        m_frame.reset();
    } else {
        const double t = double(m_animationStep) / ZoomSteps;
        const auto at = [t](double from, double to) { return from + (to - from) * t; };
        const Range &a = m_animationFrom;
        const Range &b = m_animationTo;
        m_frame = Range { at(a.lowX, b.lowX), at(a.highX, b.highX), at(a.lowY, b.lowY),
            at(a.highY, b.highY) };
    }
    ScaleAxes();
}

void TDBChart::resizeEvent(QResizeEvent *event)
{
    // The legend's share of the new width sets the margins the resized chart lays out with.
    LayoutLegend();
    QChartView::resizeEvent(event);
}

void TDBChart::SaveToBitmapFile(const QString &path)
{
    UpdateAxes();
    if (!isVisible() && (width() < 400 || height() < 300))
        resize(std::max(width(), 800), std::max(height(), 600));
    // A title set just before is shown only once the chart has laid itself out again.
    ActivateLayout();
    SafeFile::WriteImage(path, grab().toImage(), "BMP");
}

void TDBChart::ActivateLayout()
{
    if (chart()->layout())
        chart()->layout()->activate();
}

void TDBChart::Render(QPainter &painter, const QRectF &target, const QSizeF &size)
{
    QChart *c = chart();
    const QSizeF screen = c->size();
    const auto layOut = [this, c](std::optional<qreal> renderWidth, const QSizeF &at) {
        m_renderWidth = renderWidth;
        // The legend's room first: a chart resized while it still holds the page's wide legend
        // would grow past the screen's size to make room for it.
        LayoutLegend();
        c->resize(at);
        ActivateLayout();
    };
    layOut(size.width(), size);
    const auto restore = qScopeGuard([&layOut, screen] { layOut(std::nullopt, screen); });
    c->scene()->render(&painter, target, QRectF(c->scenePos(), size));
}

void TDBChart::mousePressEvent(QMouseEvent *event)
{
    QChartView::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    // The chart keeps the press, so its move and release come here too.
    event->accept();
    m_pressAt = event->position().toPoint();
}

void TDBChart::mouseMoveEvent(QMouseEvent *event)
{
    QChartView::mouseMoveEvent(event);
    if (!m_pressAt)
        return;
    const QPoint at = event->position().toPoint();
    // The band shows the rectangle a release would zoom to.
    m_band->setGeometry(QRect(*m_pressAt, at).normalized());
    m_band->setVisible((at - *m_pressAt).manhattanLength() >= QApplication::startDragDistance()
        && at.x() > m_pressAt->x() && at.y() > m_pressAt->y());
}

void TDBChart::mouseReleaseEvent(QMouseEvent *event)
{
    QChartView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_pressAt)
        return;
    const QPoint from = *m_pressAt;
    const QPoint to = event->position().toPoint();
    m_pressAt.reset();
    m_band->hide();
    if ((to - from).manhattanLength() < QApplication::startDragDistance())
        emit clicked();
    else if (to.x() > from.x() && to.y() > from.y())
        ZoomTo(QRect(from, to));
    else if (to.x() < from.x() || to.y() < from.y())
        UndoZoom();
}
