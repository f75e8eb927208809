#include "ui/Chart.h"

#include "ui/Printing.h"

#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QPrinter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace ChartGeometry {

int AxisScale::steps() const {
    return int(std::lround((maximum - minimum) / step));
}

double AxisScale::tick(int index) const {
    // 12 significant digits drop the error of the multiplication (0,6000000000000001).
    return QString::number(minimum + index * step, 'g', 12).toDouble();
}

AxisScale axisScale(double lowest, double highest, int wantedSteps) {
    const double low = std::min(0.0, std::isfinite(lowest) ? lowest : 0.0);
    const double high = std::max(0.0, std::isfinite(highest) ? highest : 0.0);
    wantedSteps = std::max(1, wantedSteps);
    if (!(high > low))
        return {0.0, double(wantedSteps), 1.0};
    const double rough = (high - low) / wantedSteps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10 * magnitude;
    for (double digit : {1.0, 2.0, 5.0}) {
        if (digit * magnitude >= rough * (1 - 1e-9)) {
            step = digit * magnitude;
            break;
        }
    }
    const double minimum = std::floor(low / step + 1e-9) * step;
    const double maximum = std::ceil(high / step - 1e-9) * step;
    return {minimum, maximum, step};
}

double valueY(double value, const AxisScale& scale, double top, double bottom) {
    return bottom - (value - scale.minimum) / (scale.maximum - scale.minimum) * (bottom - top);
}

QList<Slice> pieSlices(const QList<double>& values) {
    double total = 0;
    for (double value : values) {
        if (value > 0 && std::isfinite(value))
            total += value;
    }
    QList<Slice> slices;
    double start = 90;
    for (double value : values) {
        const bool counts = total > 0 && value > 0 && std::isfinite(value);
        const double span = counts ? 360 * value / total : 0.0;
        slices.append({start, span});
        start -= span;
    }
    return slices;
}

} // namespace ChartGeometry

using namespace ChartGeometry;

namespace {

constexpr double screenDpi = 96;
constexpr double printCanvasWidth = 900; // a printed page shows the chart as a wide screen
const QColor outline(0x40, 0x40, 0x40);
const QColor axisText(0x20, 0x20, 0x20);
const QColor markBackground(0xFF, 0xFF, 0xE1);

// Sizes in points become pixels of the area drawn in, so the chart scales as a whole on paper.
QFont areaFont(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * screenDpi / 72))));
    return font;
}

QFont chartFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return areaFont(font);
}

QString valueText(double value) {
    if (value == 0 || !std::isfinite(value))
        value = 0; // no "-0"
    return QLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

double finiteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

double textWidth(const QFontMetricsF& metrics, const QString& text) {
    return metrics.horizontalAdvance(text);
}

// A value in a small framed box.
void drawMark(QPainter& painter, const QRectF& box, const QString& text) {
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(markBackground);
    painter.drawRect(box);
    painter.setPen(axisText);
    painter.drawText(box, Qt::AlignCenter, text);
}

QSizeF markSize(const QFontMetricsF& metrics, const QString& text) {
    return {textWidth(metrics, text) + 8, metrics.height() + 4};
}

// Takes the height of a centred line of text off the top or the bottom of the area.
void drawTextLine(QPainter& painter, QRectF& area, const ChartText& line, bool atTop) {
    if (line.text.isEmpty())
        return;
    const QFont font = areaFont(line.font);
    const double height = QFontMetricsF(font).height();
    const QRectF where(area.left(), atTop ? area.top() : area.bottom() - height, area.width(),
                       height);
    painter.setFont(font);
    painter.setPen(line.color);
    painter.drawText(where, Qt::AlignCenter, line.text);
    if (atTop)
        area.setTop(where.bottom() + height / 3);
    else
        area.setBottom(where.top() - height / 4);
}

// The legend: its title, then a coloured square and the label of each point, in rows centred at
// the bottom of the area.
void drawLegend(QPainter& painter, QRectF& area, const ChartContent& content) {
    const QFont font = chartFont(9, false);
    const QFont titleFont = chartFont(9, true);
    const QFontMetricsF metrics(font);
    const double square = std::round(metrics.height() * 0.7);
    const double spacing = metrics.height() * 1.2;
    const double padding = metrics.height() * 0.5;
    const double rowHeight = metrics.height() * 1.3;

    struct Item {
        double width;
        int point; // -1 for the title
    };
    QList<Item> items;
    if (!content.legendTitle.isEmpty())
        items.append({textWidth(QFontMetricsF(titleFont), content.legendTitle), -1});
    for (int i = 0; i < content.points.size(); ++i)
        items.append({square + 6 + textWidth(metrics, content.points[i].label), i});

    const double usable = area.width() - 2 * padding;
    QList<QList<Item>> rows(1);
    QList<double> rowWidths(1, 0.0);
    for (const Item& item : items) {
        const double extra = rows.back().isEmpty() ? item.width : spacing + item.width;
        if (!rows.back().isEmpty() && rowWidths.back() + extra > usable) {
            rows.append(QList<Item>());
            rowWidths.append(0.0);
        }
        rowWidths.back() += rows.back().isEmpty() ? item.width : spacing + item.width;
        rows.back().append(item);
    }

    const double boxWidth = *std::max_element(rowWidths.begin(), rowWidths.end()) + 2 * padding;
    const double boxHeight = rows.size() * rowHeight + padding;
    const QRectF box(area.center().x() - boxWidth / 2, area.bottom() - boxHeight, boxWidth,
                     boxHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRect(box.translated(3, 3));
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);

    for (int r = 0; r < rows.size(); ++r) {
        double x = area.center().x() - rowWidths[r] / 2;
        const double y = box.top() + padding / 2 + r * rowHeight;
        for (const Item& item : rows[r]) {
            const QRectF line(x, y, item.width, rowHeight);
            if (item.point < 0) {
                painter.setFont(titleFont);
                painter.setPen(axisText);
                painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, content.legendTitle);
            } else {
                const ChartPoint& point = content.points[item.point];
                painter.setPen(QPen(outline, 1));
                painter.setBrush(point.color);
                painter.drawRect(QRectF(x, line.center().y() - square / 2, square, square));
                painter.setFont(font);
                painter.setPen(axisText);
                painter.drawText(line.adjusted(square + 6, 0, 0, 0),
                                 Qt::AlignLeft | Qt::AlignVCenter, point.label);
            }
            x += item.width + spacing;
        }
    }
    area.setBottom(box.top() - padding);
}

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d) {
    return QPolygonF({a, b, c, d});
}

void fillShape(QPainter& painter, const QPolygonF& shape, const QColor& color) {
    painter.setPen(QPen(outline, 1));
    painter.setBrush(color);
    painter.drawPolygon(shape);
}

// The bars stand on the floor of a box whose back wall carries the grid; in the orthogonal
// three-dimensional view the box and every bar have a depth drawn up and to the right at 45
// degrees.
void drawBars(QPainter& painter, const QRectF& area, const ChartContent& content) {
    const QList<ChartPoint>& points = content.points;
    const int count = int(points.size());
    double lowest = 0, highest = 0;
    for (const ChartPoint& point : points) {
        lowest = std::min(lowest, finiteOrZero(point.value));
        highest = std::max(highest, finiteOrZero(point.value));
    }
    const AxisScale scale = axisScale(lowest, highest);

    const QFont axisFont = chartFont(8, false);
    const QFont markFont = chartFont(8, true);
    const QFontMetricsF axisMetrics(axisFont);
    const QFontMetricsF markMetrics(markFont);
    double tickWidth = 0;
    for (int i = 0; i <= scale.steps(); ++i)
        tickWidth = std::max(tickWidth, textWidth(axisMetrics, valueText(scale.tick(i))));

    const double left = area.left() + tickWidth + 8;
    const double roughSlot = (area.right() - left) / std::max(1, count);
    const double depth =
        content.threeDimensional ? std::clamp(std::round(roughSlot * 0.25), 4.0, 14.0) : 0.0;
    const double right = area.right() - depth;
    const double slot = (right - left) / std::max(1, count);

    double widestLabel = 0;
    for (const ChartPoint& point : points)
        widestLabel = std::max(widestLabel, textWidth(axisMetrics, point.label));
    const bool slanted = widestLabel > slot - 4;
    const double labelsHeight =
        slanted ? widestLabel * 0.72 + axisMetrics.height() : axisMetrics.height();
    const double markRoom = content.showMarks ? markMetrics.height() + 10 : 4;
    // The labels under the floor; the marks of negative bars between the two.
    const double labelsTop = area.bottom() - labelsHeight;
    const double bottom = labelsTop - 6 - (lowest < 0 ? markRoom : 0);
    const double top = std::min(area.top() + markRoom + depth, bottom - 10);
    const QPointF back(depth, -depth);

    // Walls and floor, then the grid on the back and left walls.
    fillShape(painter,
              QPolygonF(QRectF(QPointF(left, top), QPointF(right, bottom))).translated(back),
              Qt::white);
    fillShape(
        painter,
        quad({left, top}, QPointF(left, top) + back, QPointF(left, bottom) + back, {left, bottom}),
        QColor(0xE4, 0xE8, 0xEE));
    fillShape(painter,
              quad({left, bottom}, QPointF(left, bottom) + back, QPointF(right, bottom) + back,
                   {right, bottom}),
              QColor(0xC8, 0xCE, 0xD8));
    painter.setFont(axisFont);
    for (int i = 0; i <= scale.steps(); ++i) {
        const double y = valueY(scale.tick(i), scale, top, bottom);
        painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1, Qt::DotLine));
        painter.drawLine(QPointF(left, y) + back, QPointF(right, y) + back);
        painter.drawLine(QPointF(left, y), QPointF(left, y) + back);
        painter.setPen(axisText);
        painter.drawText(
            QRectF(area.left(), y - axisMetrics.height() / 2, tickWidth + 4, axisMetrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, valueText(scale.tick(i)));
    }

    const double zeroY = valueY(0, scale, top, bottom);
    const double barWidth = slot * 0.6;
    QList<QRectF> marks;
    QStringList markTexts;
    for (int i = 0; i < count; ++i) {
        const ChartPoint& point = points[i];
        const double value = finiteOrZero(point.value);
        const double x = left + i * slot + (slot - barWidth) / 2;
        const double valueAt = valueY(value, scale, top, bottom);
        const QRectF front(QPointF(x, std::min(zeroY, valueAt)),
                           QPointF(x + barWidth, std::max(zeroY, valueAt)));
        if (depth > 0) {
            fillShape(painter,
                      quad(front.topLeft(), front.topLeft() + back, front.topRight() + back,
                           front.topRight()),
                      point.color.darker(110));
            fillShape(painter,
                      quad(front.topRight(), front.topRight() + back, front.bottomRight() + back,
                           front.bottomRight()),
                      point.color.darker(135));
        }
        painter.setPen(QPen(outline, 1));
        painter.setBrush(point.color);
        painter.drawRect(front);

        if (content.showMarks) {
            const QString text = valueText(value);
            const QSizeF size = markSize(markMetrics, text);
            const double centre = x + barWidth / 2 + depth / 2;
            const double markTop =
                value < 0 ? front.bottom() + 4 : front.top() - depth - 4 - size.height();
            marks.append(QRectF(QPointF(centre - size.width() / 2, markTop), size));
            markTexts.append(text);
        }

        const double labelX = x + barWidth / 2;
        painter.setPen(axisText);
        painter.setFont(axisFont);
        if (slanted) {
            painter.save();
            painter.translate(labelX, labelsTop);
            painter.rotate(-45);
            painter.drawText(QRectF(-widestLabel, 0, widestLabel, axisMetrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, point.label);
            painter.restore();
        } else {
            painter.drawText(QRectF(labelX - slot / 2, labelsTop - 2, slot, axisMetrics.height()),
                             Qt::AlignCenter, point.label);
        }
    }
    // Last, so that no bar hides a mark.
    painter.setFont(markFont);
    for (int i = 0; i < marks.size(); ++i)
        drawMark(painter, marks[i], markTexts[i]);
}

QPointF onEllipse(const QPointF& centre, double rx, double ry, double degrees) {
    const double radians = qDegreesToRadians(degrees);
    return {centre.x() + rx * std::cos(radians), centre.y() - ry * std::sin(radians)};
}

// The side of the pie under the arc from..to (degrees within the front half, 180 to 360 or 540
// to 720), as a band of the given depth.
QPolygonF sideBand(const QPointF& centre, double rx, double ry, double depth, double from,
                   double to) {
    QPolygonF band;
    const int steps = std::max(2, int(std::ceil((to - from) / 2)));
    for (int i = 0; i <= steps; ++i)
        band << onEllipse(centre, rx, ry, from + (to - from) * i / steps);
    for (int i = steps; i >= 0; --i)
        band << onEllipse(centre, rx, ry, from + (to - from) * i / steps) + QPointF(0, depth);
    return band;
}

// Where the marks of a pie stand: on an ellipse around it, to the right or the left of its
// slice, with a line from the slice's edge.
struct PieMark {
    QPointF anchor;
    QRectF box;
    QString text;
    bool onRight;
};

// The marks of one side, in their order from top to bottom, moved apart where they would
// overlap and kept within top and bottom as far as they fit; each then hugs the ellipse of the
// marks at its new height.
void spreadVertically(QList<PieMark*> marks, double top, double bottom, const QPointF& centre,
                      double rx, double ry) {
    std::sort(marks.begin(), marks.end(),
              [](const PieMark* a, const PieMark* b) { return a->box.top() < b->box.top(); });
    constexpr double gap = 2;
    for (int i = 1; i < marks.size(); ++i)
        marks[i]->box.moveTop(std::max(marks[i]->box.top(), marks[i - 1]->box.bottom() + gap));
    double limit = bottom;
    for (auto i = marks.size() - 1; i >= 0; --i) {
        marks[i]->box.moveBottom(std::min(marks[i]->box.bottom(), limit));
        limit = marks[i]->box.top() - gap;
    }
    for (PieMark* mark : marks) {
        mark->box.moveTop(std::max(mark->box.top(), top));
        const double dy = (mark->box.center().y() - centre.y()) / ry;
        const double dx = rx * std::sqrt(std::max(0.0, 1 - dy * dy));
        if (mark->onRight)
            mark->box.moveLeft(centre.x() + dx);
        else
            mark->box.moveRight(centre.x() - dx);
    }
}

// The pie seen from above at a slant in the three-dimensional view, its side showing below the
// front half; slices run clockwise from twelve o'clock.
void drawPie(QPainter& painter, const QRectF& area, const ChartContent& content) {
    QList<double> values;
    for (const ChartPoint& point : content.points)
        values.append(finiteOrZero(point.value));
    const QList<Slice> slices = pieSlices(values);
    const bool empty = std::all_of(slices.begin(), slices.end(),
                                   [](const Slice& slice) { return slice.span <= 0; });

    const QFont markFont = chartFont(8, true);
    const QFontMetricsF markMetrics(markFont);
    double widestMark = 0;
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].span > 0)
            widestMark = std::max(widestMark, markSize(markMetrics, valueText(values[i])).width());
    }
    const bool marks = content.showMarks && !empty;
    const double gapX = marks ? widestMark + 24 : 8;
    const double gapY = marks ? markMetrics.height() + 18 : 8;
    const double tilt = content.threeDimensional ? 0.55 : 1.0;
    const double depthRatio = content.threeDimensional ? 0.14 : 0.0;
    const double rx = std::max(4.0, std::min((area.width() - 2 * gapX) / 2,
                                             (area.height() - 2 * gapY) / (2 * tilt + depthRatio)));
    const double ry = rx * tilt;
    const double depth = rx * depthRatio;
    const QPointF centre(area.center().x(), area.center().y() - depth / 2);
    const QRectF ellipse(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);

    if (empty) {
        const QColor blank(0xF4, 0xF6, 0xF9);
        if (depth > 0)
            fillShape(painter, sideBand(centre, rx, ry, depth, 180, 360), blank.darker(120));
        painter.setPen(QPen(outline, 1));
        painter.setBrush(blank);
        painter.drawEllipse(ellipse);
        return;
    }

    for (int i = 0; i < slices.size(); ++i) {
        if (depth <= 0 || slices[i].span <= 0)
            continue;
        double from = slices[i].start - slices[i].span;
        const double shift = std::floor(from / 360) * 360;
        from -= shift;
        const double to = slices[i].start - shift;
        for (double frontStart : {180.0, 540.0}) {
            const double a = std::max(from, frontStart);
            const double b = std::min(to, frontStart + 180);
            if (b > a)
                fillShape(painter, sideBand(centre, rx, ry, depth, a, b),
                          content.points[i].color.darker(135));
        }
    }
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].span <= 0)
            continue;
        QPainterPath wedge(centre);
        wedge.arcTo(ellipse, slices[i].start - slices[i].span, slices[i].span);
        wedge.closeSubpath();
        painter.setPen(QPen(outline, 1));
        painter.setBrush(content.points[i].color);
        painter.drawPath(wedge);
    }
    if (!marks)
        return;

    const QPointF markCentre = centre + QPointF(0, depth / 2);
    const double markRx = rx + 16, markRy = ry + 14 + depth / 2;
    QList<PieMark> placed;
    for (int i = 0; i < slices.size(); ++i) {
        if (slices[i].span <= 0)
            continue;
        const double middle = slices[i].middle();
        const bool front = std::sin(qDegreesToRadians(middle)) < 0;
        const QPointF drop(0, front ? depth : 0);
        const QPointF anchor = onEllipse(centre, rx, ry, middle) + drop / 2;
        const QPointF tip = onEllipse(markCentre, markRx, markRy, middle);
        const QString text = valueText(values[i]);
        const QSizeF size = markSize(markMetrics, text);
        const bool onRight = std::cos(qDegreesToRadians(middle)) >= 0;
        const QPointF corner(onRight ? tip.x() : tip.x() - size.width(),
                             tip.y() - size.height() / 2);
        placed.append({anchor, QRectF(corner, size), text, onRight});
    }
    QList<PieMark*> right, left;
    for (PieMark& mark : placed)
        (mark.onRight ? right : left).append(&mark);
    spreadVertically(right, area.top(), area.bottom(), markCentre, markRx, markRy);
    spreadVertically(left, area.top(), area.bottom(), markCentre, markRx, markRy);
    painter.setFont(markFont);
    for (const PieMark& mark : placed) {
        const QPointF end(mark.onRight ? mark.box.left() : mark.box.right(), mark.box.center().y());
        painter.setPen(QPen(outline, 1));
        painter.drawLine(mark.anchor, end);
        drawMark(painter, mark.box, mark.text);
    }
}

} // namespace

void paintChart(QPainter& painter, const QRectF& area, const ChartContent& content) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double margin = 8;
    QRectF rest = area.adjusted(margin, margin, -margin, -margin);
    drawTextLine(painter, rest, content.title, true);
    drawTextLine(painter, rest, content.foot, false);
    if (content.showLegend && !content.points.isEmpty())
        drawLegend(painter, rest, content);
    if (content.kind == SeriesKind::Bar)
        drawBars(painter, rest, content);
    else
        drawPie(painter, rest, content);
    painter.restore();
}

void printChart(QPrinter& printer, const ChartContent& content, int copies) {
    if (copies <= 0)
        return;
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(1);
    printPages(printer, [&content, copies](QPrinter& target) {
        QPainter painter;
        if (!painter.begin(&target))
            throw std::runtime_error("the printer does not accept the chart");
        const QRectF page = target.pageLayout().paintRectPixels(target.resolution());
        const double scale = page.width() / printCanvasWidth;
        for (int copy = 0; copy < copies; ++copy) {
            if (copy > 0 && !target.newPage())
                throw std::runtime_error("the printer does not accept a new page");
            painter.save();
            painter.scale(scale, scale);
            paintChart(painter, QRectF(0, 0, printCanvasWidth, page.height() / scale), content);
            painter.restore();
        }
    });
}

Chart::Chart(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
}

void Chart::clearSeries() {
    content_.points.clear();
    update();
}

void Chart::addPoint(double value, const QString& label, const QColor& color) {
    content_.points.append({value, label, color});
    update();
}

void Chart::setSeriesKind(SeriesKind kind) {
    content_.kind = kind;
    update();
}

void Chart::setThreeDimensional(bool on) {
    content_.threeDimensional = on;
    update();
}

void Chart::setTitle(const ChartText& title) {
    content_.title = title;
    update();
}

void Chart::setFoot(const ChartText& foot) {
    content_.foot = foot;
    update();
}

void Chart::setLegendTitle(const QString& title) {
    content_.legendTitle = title;
    update();
}

void Chart::setLegendShown(bool shown) {
    content_.showLegend = shown;
    update();
}

void Chart::setMarksShown(bool shown) {
    content_.showMarks = shown;
    update();
}

void Chart::print(QPrinter& printer, int copies) const {
    printChart(printer, content_, copies);
}

void Chart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF panel = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, Qt::white);
    background.setColorAt(1, QColor(0xEE, 0xF3, 0xFA));
    painter.setPen(QPen(QColor(0xBF, 0xD9, 0xEE), 1));
    painter.setBrush(background);
    painter.drawRoundedRect(panel, 10, 10);
    paintChart(painter, QRectF(rect()).adjusted(4, 4, -4, -4), content_);
}
