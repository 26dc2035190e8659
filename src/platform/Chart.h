#pragma once

#include "platform/ChartTicks.h"
#include "platform/Dataset.h"
#include "platform/TColor.h"

#include <QChartView>
#include <QLineSeries>
#include <QPixmap>
#include <QPointer>
#include <QScatterSeries>
#include <QValueAxis>

#include <optional>
#include <utility>
#include <vector>

class QRubberBand;
class QTimer;

class TDBChart;
class ChartLegendItem;
class ChartPointsItem;

enum class TPointerStyle { psRectangle, psCircle, psTriangle, psStar, psDiamond };

// What every series of the program offers, whether drawn as a line or as points.
class TChartSeries
{
public:
    virtual ~TChartSeries() = default;
    virtual QXYSeries *Series() = 0;
    const QXYSeries *Series() const { return const_cast<TChartSeries *>(this)->Series(); }

    QString Title() const { return Series()->name(); }
    void SetTitle(const QString &title) { Series()->setName(title); }
    TColor SeriesColor() const { return m_color; }
    void SetSeriesColor(TColor color);
    // A series may be left out of the legend; the chart keeps applying that.
    bool ShowInLegend() const { return m_showInLegend; }
    void SetShowInLegend(bool show);

    void AddXY(double x, double y);
    void Clear() { Series()->clear(); }
    int Count() const { return int(Series()->count()); }
    double XValue(int index) const { return Series()->at(index).x(); }
    double YValue(int index) const { return Series()->at(index).y(); }
    // Reads the rows of a data source's dataset, skipping rows with a Null X or Y, without
    // moving its current row; reads again whenever the dataset opens, closes or changes.
    void SetDataSource(TDataSource *source, const QString &xField, const QString &yField);
    TDataSource *DataSource() const { return m_source; }
    // Keeps the points in ascending X as they are added.
    void SetXAscending(bool ascending) { m_xAscending = ascending; }

protected:
    void ReadDataSource();
    virtual void ApplyColor() = 0;
    // Tells the chart to repaint the series and its legend entry.
    void LookChanged();

private:
    friend class TDBChart;
    QPointer<TDBChart> m_chart;
    TColor m_color = clBlack;
    bool m_showInLegend = true;
    bool m_xAscending = false;
    QPointer<TDataSource> m_source;
    QString m_xField;
    QString m_yField;
    QMetaObject::Connection m_link;
};

class TLineSeries : public QLineSeries, public TChartSeries
{
    Q_OBJECT
public:
    explicit TLineSeries(QObject *owner);
    QXYSeries *Series() override { return this; }
    int LinePenWidth() const { return pen().width(); }
    void SetLinePenWidth(int width);
    Qt::PenStyle LinePenStyle() const { return pen().style(); }
    void SetLinePenStyle(Qt::PenStyle style);

protected:
    void ApplyColor() override;
};

// Points drawn as markers. The chart paints all markers of a series in one pass (one graphics
// item per marker would make thousands of points slow), so the series stays out of Qt's own
// series list.
class TPointSeries : public QScatterSeries, public TChartSeries
{
    Q_OBJECT
public:
    explicit TPointSeries(QObject *owner);
    QXYSeries *Series() override { return this; }
    TPointerStyle PointerStyle() const { return m_style; }
    void SetPointerStyle(TPointerStyle style);
    // The marker as painted, centred on (0, 0).
    QPainterPath MarkerPath() const;
    // The marker as a picture for the device pixel ratio, kept until the look changes.
    const QPixmap &MarkerPixmap(qreal pixelRatio);

protected:
    void ApplyColor() override;

private:
    TPointerStyle m_style = TPointerStyle::psRectangle;
    QPixmap m_marker;
};

// A chart with one bottom and one left axis that scale to all points of all series, a legend
// of series titles, bitmap export and a click signal. Dragging the left button towards the lower
// right zooms both axes to the rectangle drawn; a drag the other way undoes the zoom.
class TDBChart : public QChartView
{
    Q_OBJECT
public:
    TDBChart(QWidget *parent, const QString &name);
    ~TDBChart() override;

    void SetTitle(const QString &title);
    QString Title() const { return chart()->title(); }
    void SetBottomAxisTitle(const QString &title) { m_bottom->setTitleText(title); }
    QString BottomAxisTitle() const { return m_bottom->titleText(); }
    void SetLeftAxisTitle(const QString &title) { m_left->setTitleText(title); }
    QString LeftAxisTitle() const { return m_left->titleText(); }
    QValueAxis *BottomAxis() const { return m_bottom; }
    QValueAxis *LeftAxis() const { return m_left; }

    void SetColor(TColor color);
    TColor Color() const { return m_color; }
    void SetLegendColor(TColor color);
    TColor LegendColor() const { return m_legendColor; }
    void SetLegendFrameColor(TColor color);
    TColor LegendFrameColor() const { return m_legendFrameColor; }

    // The chart takes the series over; adding one twice does nothing.
    void AddSeries(TChartSeries *series);
    // Removes and destroys every series and undoes the zoom.
    void RemoveAllSeries();
    int SeriesCount() const { return int(m_series.size()); }
    TChartSeries *Series(int index) const { return m_series.at(index); }
    std::vector<TChartSeries *> AllSeries() const { return m_series; }

    // Fits both axes to every point of every series; a zoomed chart keeps showing its zoom.
    void UpdateAxes();
    // The legend as drawn: its box in chart coordinates, its font and the text of each entry
    // (a long title goes on to a second line at a blank; what still does not fit ends in an
    // ellipsis).
    bool LegendVisible() const;
    QRectF LegendRect() const;
    QFont LegendFont() const;
    QStringList LegendTexts() const;
    // A readable plot; a layout gives the chart whatever room is left beyond that.
    QSize sizeHint() const override { return QSize(480, 360); }
    // The chart as a bitmap; an unshown chart renders at a useful size. Raises EInOutError when
    // the file cannot be written; an old file of that name then stays.
    void SaveToBitmapFile(const QString &path);
    // Paints the chart into `target` laid out at `size` in the screen's pixels, legend and axes
    // as a chart of that size shows them; the screen's layout comes back after.
    void Render(QPainter &painter, const QRectF &target, const QSizeF &size);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // What both axes show.
    struct Range
    {
        double lowX, highX, lowY, highY;
    };

    friend class TChartSeries;
    friend class ChartLegendItem;
    friend class ChartPointsItem;
    // Repaints after a series changed its look.
    void SeriesLookChanged();
    void ScheduleAxes();
    // Sizes the legend to the entries of the series that ask for one; no entries, no legend.
    void LayoutLegend();
    void PlaceLegend();
    void ScaleAxes();
    // The width the chart is laid out for: the view's, or the page's while it is printed.
    qreal LayoutWidth() const { return m_renderWidth.value_or(width()); }
    void ActivateLayout();
    // The scales of the bottom and the left axis for `range` on the current plot.
    std::pair<AxisScale, AxisScale> Scales(const Range &range, AxisEnds ends) const;
    // The zoom or a step of its animation holds the axes, rather than the data.
    bool ShowsGivenRange() const { return m_zoom || m_frame; }
    // Zooms to a rectangle of the view, as far as it covers the plot.
    void ZoomTo(const QRect &rect);
    void UndoZoom();
    // Moves the axes from what they show to `target` in a few steps.
    void AnimateTo(const Range &target);
    void AnimationStep();
    std::vector<TPointSeries *> PointSeries() const;

    QValueAxis *m_bottom;
    QValueAxis *m_left;
    ChartLegendItem *m_legend;
    ChartPointsItem *m_points;
    QMargins m_margins;
    std::vector<TChartSeries *> m_series;
    // The data range of each axis; the axis itself is widened to whole label steps.
    Range m_data { 0, 1, 0, 1 };
    // The user's zoom, shown exactly; none while the axes fit the data.
    std::optional<Range> m_zoom;
    // The step of the zoom animation shown now.
    std::optional<Range> m_frame;
    Range m_animationFrom { 0, 1, 0, 1 };
    Range m_animationTo { 0, 1, 0, 1 };
    int m_animationStep = 0;
    QTimer *m_animation;
    // A press of the left button, until its release tells a click from a drag.
    std::optional<QPoint> m_pressAt;
    QRubberBand *m_band;
    QStringList m_legendTexts;
    QSizeF m_legendSize;
    std::optional<qreal> m_renderWidth;
    bool m_axesPending = false;
    bool m_scaling = false;
    TColor m_color = clWhite;
    TColor m_legendColor = clWhite;
    TColor m_legendFrameColor = clBlack;
};
