#include "controls/Chart.h"

#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarn {

namespace {

constexpr int TickLength = 5;
constexpr double MarkerSize = 5;
// Points are found by x with this much room for the rounding of stored reals.
constexpr double SameX = 1e-9;

// A tick spacing of 1, 2 or 5 times a power of ten that gives about eight
// intervals over the range.
double NiceInterval(double range)
{
    if (!(range > 0))
        return 1;
    const double rough = range / 8;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double step : {1.0, 2.0, 5.0})
        if (rough <= step * power)
            return step * power;
    return 10 * power;
}

}  // namespace

TChart::TChart(QWidget* parent) : QChartView(parent), xAxis_(new QValueAxis), yAxis_(new QValueAxis)
{
    QChart* graph = chart();
    graph->setBackgroundRoundness(0);
    graph->setDropShadowEnabled(false);
    graph->setMargins(QMargins(4, 4, 8, 4));
    graph->legend()->setVisible(false);
    graph->addAxis(xAxis_, Qt::AlignBottom);
    graph->addAxis(yAxis_, Qt::AlignLeft);
    for (QValueAxis* axis : {xAxis_, yAxis_}) {
        // The axis lines and their ticks are drawn by drawForeground, so the
        // ticks can be switched off on their own.
        axis->setLineVisible(false);
        axis->setLabelFormat("%g");
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        UpdateTickSpacing(*axis);
    }
    setRenderHint(QPainter::Antialiasing);
    setMouseTracking(true);
    SetBackgroundColour(backgroundColour_);
    SetGridColour(gridColour_);
    SetAxesColour(axesColour_);
}

QXYSeries* TChart::Series(int series) const
{
    if (series < 1 || series > SeriesCount())
        return nullptr;
    return series_[static_cast<std::size_t>(series - 1)];
}

int TChart::AddSeries(const QColor& colour, SeriesStyle style, const QString& name)
{
    QXYSeries* added = nullptr;
    if (style == SeriesStyle::Markers) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
        scatter->setMarkerSize(MarkerSize);
        scatter->setBorderColor(colour.darker());
        added = scatter;
    } else {
        added = new QLineSeries;
        added->setPointsVisible(style == SeriesStyle::LineWithMarkers);
        added->setMarkerSize(MarkerSize);
        added->setPen(QPen(colour, 2));
    }
    added->setColor(colour);
    added->setName(name);
    chart()->addSeries(added);
    added->attachAxis(xAxis_);
    added->attachAxis(yAxis_);
    series_.push_back(added);
    return SeriesCount();
}

void TChart::RemoveAllSeries()
{
    chart()->removeAllSeries();
    series_.clear();
}

void TChart::ClearSeries(int series)
{
    if (QXYSeries* s = Series(series))
        s->clear();
}

int TChart::AddPoint(int series, double x, double y)
{
    QXYSeries* s = Series(series);
    if (!s)
        return -1;
    s->append(x, y);
    return s->count();
}

int TChart::PointCount(int series) const
{
    const QXYSeries* s = Series(series);
    return s ? s->count() : 0;
}

QPointF TChart::Point(int series, int point) const
{
    const QXYSeries* s = Series(series);
    if (!s || point < 1 || point > s->count())
        return {};
    return s->at(point - 1);
}

QList<QPointF> TChart::Points(int series) const
{
    const QXYSeries* s = Series(series);
    return s ? s->points() : QList<QPointF>{};
}

void TChart::SetPointY(int series, int point, double y)
{
    QXYSeries* s = Series(series);
    if (!s || point < 1 || point > s->count())
        return;
    s->replace(point - 1, s->at(point - 1).x(), y);
}

std::optional<double> TChart::YAt(int series, double x) const
{
    const QXYSeries* s = Series(series);
    if (!s)
        return std::nullopt;
    for (const QPointF& p : s->points())
        if (std::fabs(p.x() - x) <= SameX)
            return p.y();
    return std::nullopt;
}

bool TChart::SetYAt(int series, double x, double y)
{
    QXYSeries* s = Series(series);
    if (!s)
        return false;
    for (int i = 0; i < s->count(); ++i) {
        if (std::fabs(s->at(i).x() - x) <= SameX) {
            s->replace(i, s->at(i).x(), y);
            return true;
        }
    }
    return false;
}

int TChart::PointAtMouseX(int series, int mouseX)
{
    const QXYSeries* s = Series(series);
    if (!s)
        return -1;
    const double x = ValueAt(QPoint(mouseX, 0)).x();
    if (x < XMin() || x > XMax())
        return -1;
    int found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < s->count(); ++i) {
        const double distance = std::fabs(s->at(i).x() - x);
        if (distance < nearest) {
            nearest = distance;
            found = i + 1;
        }
    }
    return found;
}

int TChart::PointNear(int series, QPoint mouse, int tolerance)
{
    const QXYSeries* s = Series(series);
    if (!s)
        return -1;
    int found = -1;
    double nearest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < s->count(); ++i) {
        const QPointF offset = PositionOf(s->at(i)) - QPointF(mouse);
        if (std::fabs(offset.x()) > tolerance || std::fabs(offset.y()) > tolerance)
            continue;
        const double distance = std::hypot(offset.x(), offset.y());
        if (distance < nearest) {
            nearest = distance;
            found = i + 1;
        }
    }
    return found;
}

void TChart::UpdateTickSpacing(QValueAxis& axis)
{
    axis.setTickInterval(NiceInterval(axis.max() - axis.min()));
}

void TChart::SetXRange(double min, double max)
{
    xAxis_->setRange(min, max);
    UpdateTickSpacing(*xAxis_);
}

void TChart::SetYRange(double min, double max)
{
    yAxis_->setRange(min, max);
    UpdateTickSpacing(*yAxis_);
}

double TChart::XMin() const { return xAxis_->min(); }
double TChart::XMax() const { return xAxis_->max(); }
double TChart::YMin() const { return yAxis_->min(); }
double TChart::YMax() const { return yAxis_->max(); }

void TChart::SetAxisTitles(const QString& xTitle, const QString& yTitle)
{
    xAxis_->setTitleText(xTitle);
    yAxis_->setTitleText(yTitle);
}

void TChart::SetHorizontalGridLines(bool visible)
{
    yAxis_->setGridLineVisible(visible);
}

bool TChart::HorizontalGridLines() const
{
    return yAxis_->isGridLineVisible();
}

void TChart::SetVerticalGridLines(bool visible)
{
    xAxis_->setGridLineVisible(visible);
}

bool TChart::VerticalGridLines() const
{
    return xAxis_->isGridLineVisible();
}

void TChart::SetTicksVisible(bool visible)
{
    ticksVisible_ = visible;
    viewport()->update();
}

void TChart::SetBackgroundColour(const QColor& colour)
{
    backgroundColour_ = colour;
    chart()->setBackgroundBrush(colour);
    chart()->setPlotAreaBackgroundBrush(colour);
    chart()->setPlotAreaBackgroundVisible(true);
    setBackgroundBrush(colour);
}

void TChart::SetGridColour(const QColor& colour)
{
    gridColour_ = colour;
    xAxis_->setGridLineColor(colour);
    yAxis_->setGridLineColor(colour);
}

void TChart::SetAxesColour(const QColor& colour)
{
    axesColour_ = colour;
    for (QValueAxis* axis : {xAxis_, yAxis_}) {
        axis->setLabelsColor(colour);
        axis->setTitleBrush(colour);
    }
    chart()->setTitleBrush(colour);
    chart()->legend()->setLabelColor(colour);
    viewport()->update();
}

void TChart::SetLegendVisible(bool visible)
{
    chart()->legend()->setVisible(visible);
}

QRectF TChart::PlotRect()
{
    // A hidden widget and its viewport get their resize events only when
    // shown; the graph must have its size now.
    for (QWidget* widget : {static_cast<QWidget*>(this), viewport()}) {
        if (widget->testAttribute(Qt::WA_PendingResizeEvent)) {
            widget->setAttribute(Qt::WA_PendingResizeEvent, false);
            QResizeEvent resized(widget->size(), QSize());
            QCoreApplication::sendEvent(widget, &resized);
        }
    }
    if (QGraphicsLayout* layout = chart()->layout())
        layout->activate();
    return viewportTransform().mapRect(chart()->mapRectToScene(chart()->plotArea()));
}

QPointF TChart::ValueAt(QPoint mouse)
{
    const QRectF plot = PlotRect();
    if (plot.width() <= 0 || plot.height() <= 0)
        return {XMin(), YMin()};
    return {XMin() + (mouse.x() - plot.left()) / plot.width() * (XMax() - XMin()),
            YMin() + (plot.bottom() - mouse.y()) / plot.height() * (YMax() - YMin())};
}

QPointF TChart::PositionOf(QPointF value)
{
    const QRectF plot = PlotRect();
    const double xSpan = XMax() - XMin();
    const double ySpan = YMax() - YMin();
    if (xSpan <= 0 || ySpan <= 0)
        return plot.bottomLeft();
    return {plot.left() + (value.x() - XMin()) / xSpan * plot.width(),
            plot.bottom() - (value.y() - YMin()) / ySpan * plot.height()};
}

std::vector<double> TChart::TickValues(const QValueAxis& axis)
{
    std::vector<double> ticks;
    const double interval = axis.tickInterval();
    if (!(interval > 0))
        return ticks;
    const double anchor = axis.tickAnchor();
    const double slack = interval * 1e-9;
    for (double v = anchor + std::ceil((axis.min() - anchor) / interval - 1e-9) * interval;
         v <= axis.max() + slack && ticks.size() < 1000; v += interval)
        ticks.push_back(v);
    return ticks;
}

void TChart::drawForeground(QPainter* painter, const QRectF& rect)
{
    QChartView::drawForeground(painter, rect);
    // Painted in scene coordinates, which for this view are the plot's own.
    const QRectF plot = chart()->mapRectToScene(chart()->plotArea());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(axesColour_, 1));
    painter->drawLine(plot.bottomLeft(), plot.bottomRight());
    painter->drawLine(plot.bottomLeft(), plot.topLeft());
    if (ticksVisible_) {
        const double xSpan = XMax() - XMin();
        const double ySpan = YMax() - YMin();
        if (xSpan > 0)
            for (const double v : TickValues(*xAxis_)) {
                const double x = plot.left() + (v - XMin()) / xSpan * plot.width();
                painter->drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + TickLength));
            }
        if (ySpan > 0)
            for (const double v : TickValues(*yAxis_)) {
                const double y = plot.bottom() - (v - YMin()) / ySpan * plot.height();
                painter->drawLine(QPointF(plot.left() - TickLength, y), QPointF(plot.left(), y));
            }
    }
    painter->restore();
}

QImage TChart::RenderImage()
{
    return grab().toImage();
}

bool TChart::Print(QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top left corner of the printable area.
    const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    QSizeF size = QSizeF(viewport()->size());
    size.scale(page, Qt::KeepAspectRatio);
    render(&painter, QRectF(QPointF(0, 0), size), viewport()->rect());
    return painter.end();
}

void TChart::mousePressEvent(QMouseEvent* event)
{
    QChartView::mousePressEvent(event);
    emit MouseDown(event->button(), event->modifiers(), event->position().toPoint());
}

void TChart::mouseMoveEvent(QMouseEvent* event)
{
    QChartView::mouseMoveEvent(event);
    emit MouseMove(event->buttons(), event->modifiers(), event->position().toPoint());
}

void TChart::mouseReleaseEvent(QMouseEvent* event)
{
    QChartView::mouseReleaseEvent(event);
    emit MouseUp(event->button(), event->modifiers(), event->position().toPoint());
}

}  // namespace tarn
