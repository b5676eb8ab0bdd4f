#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>

#include <optional>
#include <vector>

class QPrinter;
class QValueAxis;
class QXYSeries;

namespace tarn {

// An x/y graph: series of points with colours and markers over two value
// axes, with grid lines, tick marks and colours that can be switched and
// set, and the conversions a window needs to let the user edit points with
// the mouse. Series are numbered from 1, and so are the points of a series,
// in the order they were added; -1 never names a point.
class TChart : public QChartView {
    Q_OBJECT

public:
    enum class SeriesStyle { Line, LineWithMarkers, Markers };

    explicit TChart(QWidget* parent = nullptr);

    // Series
    int AddSeries(const QColor& colour, SeriesStyle style = SeriesStyle::Line, const QString& name = {});
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    void RemoveAllSeries();
    void ClearSeries(int series);
    // Appends a point; returns its identifier.
    int AddPoint(int series, double x, double y);
    int PointCount(int series) const;
    QPointF Point(int series, int point) const;
    QList<QPointF> Points(int series) const;
    void SetPointY(int series, int point, double y);
    // The y of the series' point at exactly this x, if it has one there.
    std::optional<double> YAt(int series, double x) const;
    // Sets the y of the series' point at this x; false when there is none.
    bool SetYAt(int series, double x, double y);
    // The point whose x lies nearest to the mouse x, or -1 when the mouse x
    // is outside the x axis range or the series is empty.
    int PointAtMouseX(int series, int mouseX);
    // The point drawn within tolerance pixels of the mouse (nearest first), or -1.
    int PointNear(int series, QPoint mouse, int tolerance = 6);

    // Axes
    void SetXRange(double min, double max);
    void SetYRange(double min, double max);
    double XMin() const;
    double XMax() const;
    double YMin() const;
    double YMax() const;
    void SetAxisTitles(const QString& xTitle, const QString& yTitle);
    QValueAxis* XAxis() const { return xAxis_; }
    QValueAxis* YAxis() const { return yAxis_; }

    // Looks
    void SetHorizontalGridLines(bool visible);
    bool HorizontalGridLines() const;
    void SetVerticalGridLines(bool visible);
    bool VerticalGridLines() const;
    void SetTicksVisible(bool visible);
    bool TicksVisible() const { return ticksVisible_; }
    void SetBackgroundColour(const QColor& colour);
    QColor BackgroundColour() const { return backgroundColour_; }
    void SetGridColour(const QColor& colour);
    QColor GridColour() const { return gridColour_; }
    // The axis lines and ticks, and the text of titles and labels.
    void SetAxesColour(const QColor& colour);
    QColor AxesColour() const { return axesColour_; }
    void SetLegendVisible(bool visible);

    // Conversions between widget pixels and graph values; they lay the
    // graph out first when it was resized while hidden.
    QPointF ValueAt(QPoint mouse);
    QPointF PositionOf(QPointF value);

    // The graph as displayed, in an image of the widget's size.
    QImage RenderImage();
    // Prints the graph on one page, as large as fits; false when the
    // printer could not be started.
    bool Print(QPrinter& printer);

signals:
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QXYSeries* Series(int series) const;
    // The plot area in widget pixels, with the layout brought up to date.
    QRectF PlotRect();
    static std::vector<double> TickValues(const QValueAxis& axis);
    void UpdateTickSpacing(QValueAxis& axis);

    QValueAxis* xAxis_;
    QValueAxis* yAxis_;
    std::vector<QXYSeries*> series_;
    bool ticksVisible_ = true;
    QColor backgroundColour_ = Qt::white;
    QColor gridColour_ = QColor(0xA0, 0xA0, 0xA0);
    QColor axesColour_ = Qt::black;
};

}  // namespace tarn
