#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPainter;
class QPrinter;

// One point of a chart's series: its value, the label that names it and its colour.
struct ChartPoint {
    double value;
    QString label;
    QColor color;
};

// A text of the chart in its own font and colour.
struct ChartText {
    QString text;
    QFont font;
    QColor color;
};

enum class SeriesKind { Bar, Pie };

// Everything a chart shows, drawn alike on screen and on paper.
struct ChartContent {
    QList<ChartPoint> points;
    SeriesKind kind = SeriesKind::Bar;
    bool threeDimensional = false; // orthogonal: the depth drawn at 45 degrees
    ChartText title;
    ChartText foot;
    QString legendTitle;
    bool showLegend = true;
    bool showMarks = true; // each point's value in a small box by its bar or slice
};

// The shapes of a chart as numbers, apart from any painting.
namespace ChartGeometry {

// The value axis of a bar chart: from minimum to maximum in round steps (1, 2 or 5 times a
// power of ten), with zero always on the axis.
struct AxisScale {
    double minimum;
    double maximum;
    double step;

    int steps() const;
    double tick(int index) const; // minimum + index steps, without accumulated error
};
AxisScale axisScale(double lowest, double highest, int wantedSteps = 5);

// The height at which a value lies on a plot whose bottom shows the scale's minimum and whose
// top shows its maximum (screen coordinates: y grows downwards).
double valueY(double value, const AxisScale& scale, double top, double bottom);

// A pie slice in degrees: it starts at start (counted counter-clockwise from three o'clock, as
// QPainter counts) and runs clockwise through span.
struct Slice {
    double start;
    double span;

    double middle() const { return start - span / 2; }
};
// The slices follow each other clockwise from twelve o'clock, each in proportion to its value;
// zero and negative values take no room, and with nothing positive every span is zero.
QList<Slice> pieSlices(const QList<double>& values);

} // namespace ChartGeometry

// Draws the chart in area: the title on top, the foot text and the legend at the bottom, the
// series between them.
void paintChart(QPainter& painter, const QRectF& area, const ChartContent& content);

// Prints the chart on the printer chosen with choosePrinter: one landscape page per copy, so
// the printer itself is asked for one copy; nothing at all for no copy.
void printChart(QPrinter& printer, const ChartContent& content, int copies);

// A chart on screen: a series of labelled, coloured points drawn as bars or as a pie.
class Chart : public QWidget {
    Q_OBJECT
public:
    Chart(const QString& objectName, QWidget* parent);

    void clearSeries();
    void addPoint(double value, const QString& label, const QColor& color);
    QList<ChartPoint> points() const { return content_.points; }

    // Bars or pie, keeping the points.
    void setSeriesKind(SeriesKind kind);
    SeriesKind seriesKind() const { return content_.kind; }
    void setThreeDimensional(bool on);

    void setTitle(const ChartText& title);
    void setFoot(const ChartText& foot);
    void setLegendTitle(const QString& title);
    void setLegendShown(bool shown);
    void setMarksShown(bool shown);

    const ChartContent& content() const { return content_; }
    void print(QPrinter& printer, int copies) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartContent content_;
};
