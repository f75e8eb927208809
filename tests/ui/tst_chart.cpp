#include "ui/Chart.h"
#include "ui/Printing.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace ChartGeometry;

Q_DECLARE_METATYPE(SeriesKind)

namespace {

const QList<QColor> monthColors = {QColor(0xFF0000), QColor(0x0000FF), QColor(0xFFE4C4),
                                   QColor(0xFF00FF), QColor(0xC0DCC0), QColor(0xFFFF00),
                                   QColor(0x00FF00), QColor(0xC0C0C0), QColor(0xF0FBFF),
                                   QColor(0x87CEEB), QColor(0x800000), QColor(0x008000)};

ChartContent twelvePoints(const QList<double>& values, SeriesKind kind) {
    ChartContent content;
    for (int i = 0; i < values.size(); ++i)
        content.points.append({values[i], QStringLiteral("Mese %1").arg(i + 1), monthColors[i]});
    content.kind = kind;
    content.threeDimensional = true;
    content.title = {QStringLiteral("Statistiche"), QFont(), Qt::darkMagenta};
    content.foot = {QStringLiteral("Piede"), QFont(), QColor(0x7294F9)};
    content.legendTitle = QStringLiteral("Incassi:");
    return content;
}

QImage rendered(const ChartContent& content) {
    QImage image(955, 498, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintChart(painter, QRectF(image.rect()), content);
    return image;
}

int pixelsOf(const QImage& image, const QColor& color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            count += (line[x] & 0xFFFFFF) == (color.rgb() & 0xFFFFFF);
    }
    return count;
}

QString pdfInfo(const QString& path) {
    QProcess pdfinfo;
    pdfinfo.start(QStringLiteral("pdfinfo"), {path});
    if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0)
        return QString();
    return QString::fromUtf8(pdfinfo.readAllStandardOutput());
}

} // namespace

class TestChart : public QObject {
    Q_OBJECT
    QTemporaryDir pdfFolder;

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }
    void cleanup() { setPrintCaptureForTests(std::nullopt); }

    void axisScaleTakesRoundSteps_data() {
        QTest::addColumn<double>("lowest");
        QTest::addColumn<double>("highest");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("step");
        QTest::newRow("a month of 31") << 0.0 << 31.0 << 0.0 << 40.0 << 10.0;
        QTest::newRow("exactly on a step") << 0.0 << 100.0 << 0.0 << 100.0 << 20.0;
        QTest::newRow("thousands") << 1815.0 << 9750.0 << 0.0 << 10000.0 << 2000.0;
        QTest::newRow("below one") << 0.0 << 0.9 << 0.0 << 1.0 << 0.2;
        QTest::newRow("negative values") << -30.0 << 70.0 << -40.0 << 80.0 << 20.0;
        QTest::newRow("all zero") << 0.0 << 0.0 << 0.0 << 5.0 << 1.0;
        QTest::newRow("huge") << 0.0 << 3.4e12 << 0.0 << 4e12 << 1e12;
    }
    void axisScaleTakesRoundSteps() {
        QFETCH(double, lowest);
        QFETCH(double, highest);
        QFETCH(double, minimum);
        QFETCH(double, maximum);
        QFETCH(double, step);
        const AxisScale scale = axisScale(lowest, highest);
        QCOMPARE(scale.minimum, minimum);
        QCOMPARE(scale.tick(scale.steps()), maximum);
        QCOMPARE(scale.step, step);
        QVERIFY(scale.minimum <= lowest && scale.maximum >= highest);
    }

    // Ticks are written as round numbers: no 0,6000000000000001 on the axis.
    void ticksAreRound() {
        const AxisScale scale = axisScale(0, 0.9);
        QCOMPARE(scale.steps(), 5);
        const QList<double> expected{0, 0.2, 0.4, 0.6, 0.8, 1};
        for (int i = 0; i <= scale.steps(); ++i)
            QCOMPARE(scale.tick(i), expected[i]);
    }

    void valuesLieBetweenBottomAndTop() {
        const AxisScale scale = axisScale(0, 31);
        QCOMPARE(valueY(0, scale, 100, 500), 500.0);
        QCOMPARE(valueY(40, scale, 100, 500), 100.0);
        QCOMPARE(valueY(10, scale, 100, 500), 400.0);
    }

    void slicesFillTheCircleClockwiseFromTwelve_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("twelve months") << QList<double>{31, 0, 5, 120, 80, 0, 0, 64, 12, 7, 3, 90};
        QTest::newRow("one month") << QList<double>{0, 0, 42, 0};
        QTest::newRow("a negative value takes no room") << QList<double>{10, -5, 30};
    }
    void slicesFillTheCircleClockwiseFromTwelve() {
        QFETCH(QList<double>, values);
        const QList<Slice> slices = pieSlices(values);
        QCOMPARE(slices.size(), values.size());
        double spans = 0, positive = 0;
        for (double value : values)
            positive += std::max(0.0, value);
        double start = 90;
        for (int i = 0; i < slices.size(); ++i) {
            QCOMPARE(slices[i].start, start);
            QVERIFY(
                qFuzzyCompare(1 + slices[i].span, 1 + 360 * std::max(0.0, values[i]) / positive));
            start -= slices[i].span;
            spans += slices[i].span;
        }
        QVERIFY(qFuzzyCompare(spans, 360.0));
    }

    void slicesOfNothingAreEmpty() {
        for (const QList<double>& values :
             {QList<double>(12, 0.0), QList<double>{}, QList<double>{-1, 0}}) {
            for (const Slice& slice : pieSlices(values))
                QCOMPARE(slice.span, 0.0);
        }
    }

    // Every point's own colour shows in the series itself, the legend left out.
    void bothKindsDrawEveryPoint_data() {
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<bool>("threeDimensional");
        QTest::newRow("bars") << SeriesKind::Bar << true;
        QTest::newRow("pie") << SeriesKind::Pie << true;
        QTest::newRow("flat bars") << SeriesKind::Bar << false;
        QTest::newRow("flat pie") << SeriesKind::Pie << false;
    }
    void bothKindsDrawEveryPoint() {
        QFETCH(SeriesKind, kind);
        QFETCH(bool, threeDimensional);
        ChartContent content = twelvePoints({31, 12, 5, 120, 80, 45, 60, 64, 12, 7, 30, 90}, kind);
        content.threeDimensional = threeDimensional;
        content.showLegend = false;
        const QImage image = rendered(content);
        for (int i = 0; i < monthColors.size(); ++i)
            QVERIFY2(pixelsOf(image, monthColors[i]) > 40, qPrintable(content.points[i].label));
    }

    // A point of zero has no bar and no slice; only the legend shows its colour.
    void zeroPointsShowOnlyInTheLegend_data() {
        QTest::addColumn<SeriesKind>("kind");
        QTest::newRow("bars") << SeriesKind::Bar;
        QTest::newRow("pie") << SeriesKind::Pie;
    }
    void zeroPointsShowOnlyInTheLegend() {
        QFETCH(SeriesKind, kind);
        ChartContent content = twelvePoints({31, 0, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0}, kind);
        content.showLegend = false;
        QVERIFY(pixelsOf(rendered(content), monthColors[0]) > 40);
        QCOMPARE(pixelsOf(rendered(content), monthColors[1]), 0);
        content.showLegend = true;
        QVERIFY(pixelsOf(rendered(content), monthColors[1]) > 20);
    }

    void nothingToChartStillDraws_data() {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<SeriesKind>("kind");
        QTest::newRow("all zero bars") << QList<double>(12, 0.0) << SeriesKind::Bar;
        QTest::newRow("all zero pie") << QList<double>(12, 0.0) << SeriesKind::Pie;
        QTest::newRow("no point, bars") << QList<double>{} << SeriesKind::Bar;
        QTest::newRow("no point, pie") << QList<double>{} << SeriesKind::Pie;
    }
    void nothingToChartStillDraws() {
        QFETCH(QList<double>, values);
        QFETCH(SeriesKind, kind);
        const QImage image = rendered(twelvePoints(values, kind));
        QVERIFY(pixelsOf(image, Qt::white) < image.width() * image.height());
    }

    void switchingKindKeepsThePoints() {
        Chart chart(QStringLiteral("ChartStats"), nullptr);
        chart.resize(955, 498);
        const QList<double> values{31, 0, 5, 120, 80, 0, 0, 64, 12, 7, 3, 90};
        for (int i = 0; i < values.size(); ++i)
            chart.addPoint(values[i], QStringLiteral("Mese %1").arg(i + 1), monthColors[i]);
        const QImage bars = chart.grab().toImage();
        chart.setSeriesKind(SeriesKind::Pie);
        QCOMPARE(chart.seriesKind(), SeriesKind::Pie);
        const QImage pie = chart.grab().toImage();
        chart.setSeriesKind(SeriesKind::Bar);
        QList<double> kept;
        for (const ChartPoint& point : chart.points())
            kept.append(point.value);
        QCOMPARE(kept, values);
        QCOMPARE(chart.points()[11].color, monthColors[11]);
        QVERIFY(bars != pie);
        QCOMPARE(chart.grab().toImage(), bars);
        chart.clearSeries();
        QVERIFY(chart.points().isEmpty());
    }

    // The printer is asked for one copy: the copies are pages of their own.
    void printsOneLandscapePagePerCopy_data() {
        QTest::addColumn<SeriesKind>("kind");
        QTest::addColumn<int>("copies");
        QTest::newRow("bars, one copy") << SeriesKind::Bar << 1;
        QTest::newRow("pie, three copies") << SeriesKind::Pie << 3;
    }
    void printsOneLandscapePagePerCopy() {
        QFETCH(SeriesKind, kind);
        QFETCH(int, copies);
        setPrintCaptureForTests(PrintCapture{true, pdfFolder.path()});
        QPrinter printer(QPrinter::HighResolution);
        printer.setCopyCount(copies);
        printChart(printer, twelvePoints({31, 0, 5, 12, 8, 1, 2, 3, 4, 5, 6, 7}, kind), copies);
        QCOMPARE(printer.copyCount(), 1);
        QCOMPARE(capturedPrintoutsForTests().size(), 1);
        const QString info = pdfInfo(capturedPrintoutsForTests()[0]);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(copies))),
                 qPrintable(info));
        const QRegularExpressionMatch size =
            QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts")).match(info);
        QVERIFY(size.hasMatch());
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
    }

    void noCopyPrintsNothing() {
        setPrintCaptureForTests(PrintCapture{true, pdfFolder.path()});
        QPrinter printer(QPrinter::HighResolution);
        printChart(printer, twelvePoints({1, 2, 3}, SeriesKind::Bar), 0);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }
};

QTEST_MAIN(TestChart)

#include "tst_chart.moc"
