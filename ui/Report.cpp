#include "ui/Report.h"

#include "ui/Clock.h"
#include "ui/Printing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr qreal millimetresPerInch = 25.4;
constexpr qreal thinLine = 0.25; // millimetres
constexpr qreal tolerance = 1e-6;

const QString datePlaceholder = QStringLiteral("[DATE]");
const QString pagePlaceholder = QStringLiteral("[PAGE]");
const QString pageCountPlaceholder = QStringLiteral("[PAGES]");

[[noreturn]] void missingObject(const QString& name, const char* what) {
    throw std::logic_error(std::string("report object ") + name.toStdString() + what);
}

// Lays the bands out one under the other, page after page, inside the margins.
class PageFlow {
public:
    PageFlow(const QRectF& area, const QString& date) : area_(area), date_(date) {
        pages_.append(ReportPage{});
    }

    void place(const ReportBand& band) {
        if (band.height <= 0 && band.objects.isEmpty())
            return;
        if (top_ > 0 && top_ + band.height > area_.height() + tolerance)
            newPage();
        for (const ReportObject& object : band.objects)
            add(object, top_);
        top_ += band.height;
    }

    // The band's first Lines object carries on over the following pages, line by line; its
    // other objects print with the first part of it.
    void flow(const ReportBand& band) {
        const auto body = std::find_if(band.objects.begin(), band.objects.end(), isLines);
        if (body == band.objects.end()) {
            place(band);
            return;
        }
        const qreal below = std::max<qreal>(0, band.height - body->box.top() -
                                                   body->lines.size() * body->linePitch);
        qsizetype next = 0;
        bool firstPart = true;
        for (;;) {
            const qsizetype remaining = body->lines.size() - next;
            qsizetype fitting = linesThatFit(*body);
            if (fitting <= 0 && top_ == 0)
                fitting = 1; // a line taller than the page still prints, cut
            if ((fitting > 0 || fitting >= remaining) && firstPart) {
                for (const ReportObject& object : band.objects)
                    if (&object != &*body)
                        add(object, top_);
                firstPart = false;
            }
            if (fitting >= remaining) {
                addLines(*body, next, remaining);
                top_ += body->box.top() + remaining * body->linePitch + below;
                return;
            }
            if (fitting > 0)
                addLines(*body, next, fitting);
            next += std::max<qsizetype>(fitting, 0);
            newPage();
        }
    }

    QList<ReportPage> pages() const { return pages_; }

private:
    static bool isLines(const ReportObject& object) {
        return object.kind == ReportObjectKind::Lines;
    }

    qsizetype linesThatFit(const ReportObject& body) const {
        const qreal room = area_.height() - top_ - body.box.top();
        if (body.linePitch <= 0)
            return body.lines.size();
        return static_cast<qsizetype>(std::floor((room + tolerance) / body.linePitch));
    }

    void addLines(const ReportObject& body, qsizetype first, qsizetype count) {
        ReportObject part = body;
        part.lines = body.lines.mid(first, count);
        part.box.setHeight(count * body.linePitch);
        add(part, top_);
    }

    void add(ReportObject object, qreal bandTop) {
        object.box.translate(area_.left(), area_.top() + bandTop);
        if (object.printsDate)
            object.text.replace(datePlaceholder, date_);
        pages_.last().objects.append(object);
    }

    void newPage() {
        pages_.append(ReportPage{});
        top_ = 0;
    }

    QRectF area_;
    QString date_;
    QList<ReportPage> pages_;
    qreal top_ = 0;
};

// Every page of a report that runs to more than one gets the band, its page number written in.
void numberPages(QList<ReportPage>& pages, const ReportBand& band, const QRectF& area) {
    if (pages.size() < 2)
        return;
    const QString count = QString::number(pages.size());
    for (qsizetype page = 0; page < pages.size(); ++page) {
        for (ReportObject object : band.objects) {
            object.box.translate(area.left(), area.bottom());
            object.text.replace(pagePlaceholder, QString::number(page + 1));
            object.text.replace(pageCountPlaceholder, count);
            pages[page].objects.append(object);
        }
    }
}

// The longest beginning of the text whose width fits: the rest is cut at the box's edge.
QString fittingPrefix(const QString& text, const QFontMetricsF& metrics, qreal width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    if (low > 0 && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

class ObjectPainter {
public:
    ObjectPainter(QPainter& painter, const QPaintDevice& device)
        : painter_(painter), device_(device), xScale_(device.logicalDpiX() / millimetresPerInch),
          yScale_(device.logicalDpiY() / millimetresPerInch) {}

    void paint(const ReportPage& page) {
        for (const ReportObject& object : page.objects) {
            painter_.save();
            paint(object);
            painter_.restore();
        }
    }

private:
    QRectF onDevice(const QRectF& box) const {
        return QRectF(box.left() * xScale_, box.top() * yScale_, box.width() * xScale_,
                      box.height() * yScale_);
    }
    QPen thinPen(const QColor& color) const { return QPen(color, thinLine * xScale_); }

    void paint(const ReportObject& object) {
        switch (object.kind) {
        case ReportObjectKind::Text:
            paintText(object);
            break;
        case ReportObjectKind::Lines:
            paintLines(object);
            break;
        case ReportObjectKind::Picture:
            paintPicture(object);
            break;
        case ReportObjectKind::Line:
            painter_.setPen(thinPen(object.color));
            painter_.drawLine(onDevice(object.box).topLeft(), onDevice(object.box).bottomRight());
            break;
        case ReportObjectKind::Shape:
            paintBox(object);
            break;
        }
    }

    void paintBox(const ReportObject& object) {
        painter_.setPen(object.outline.isValid() ? thinPen(object.outline) : QPen(Qt::NoPen));
        painter_.setBrush(object.background.isValid() ? QBrush(object.background)
                                                      : QBrush(Qt::NoBrush));
        painter_.drawRect(onDevice(object.box));
    }

    void paintOneLine(const QString& text, const QRectF& box, const ReportObject& style) {
        const QRectF inner = onDevice(box.adjusted(style.padding, 0, -style.padding, 0));
        const QFontMetricsF metrics(style.font, &device_);
        painter_.setFont(style.font);
        painter_.setPen(style.color);
        painter_.drawText(inner, int(style.alignment) | Qt::TextSingleLine | Qt::TextDontClip,
                          fittingPrefix(text, metrics, inner.width()));
    }

    void paintText(const ReportObject& object) {
        if (object.background.isValid() || object.outline.isValid())
            paintBox(object);
        paintOneLine(object.text, object.box, object);
    }

    void paintLines(const ReportObject& object) {
        for (qsizetype i = 0; i < object.lines.size(); ++i) {
            const QRectF line(object.box.left(), object.box.top() + i * object.linePitch,
                              object.box.width(), object.linePitch);
            paintOneLine(object.lines.at(i), line, object);
        }
    }

    void paintPicture(const ReportObject& object) {
        if (object.picture.isNull())
            return;
        const QRectF box = onDevice(object.box);
        QSizeF drawn = object.picture.size();
        drawn.scale(box.size(), Qt::KeepAspectRatio);
        const QPointF topLeft = object.pictureCentred
                                    ? box.center() - QPointF(drawn.width() / 2, drawn.height() / 2)
                                    : box.topLeft();
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        painter_.drawImage(QRectF(topLeft, drawn), object.picture);
    }

    QPainter& painter_;
    const QPaintDevice& device_;
    qreal xScale_;
    qreal yScale_;
};

} // namespace

ReportObject textObject(const QString& name, const QRectF& box, const QFont& font,
                        Qt::Alignment alignment, const QString& text) {
    ReportObject object;
    object.name = name;
    object.box = box;
    object.font = font;
    object.alignment = alignment;
    object.text = text;
    return object;
}

ReportObject textObject(const QString& name, const QRectF& box, const QFont& font,
                        Qt::Alignment alignment, const QColor& color, const QColor& background,
                        const QString& text) {
    ReportObject object = textObject(name, box, font, alignment, text);
    object.color = color;
    object.background = background;
    return object;
}

ReportObject pictureObject(const QString& name, const QRectF& box, bool centred) {
    ReportObject object;
    object.name = name;
    object.kind = ReportObjectKind::Picture;
    object.box = box;
    object.pictureCentred = centred;
    return object;
}

ReportObject horizontalLine(const QString& name, qreal x, qreal y, qreal length) {
    ReportObject object;
    object.name = name;
    object.kind = ReportObjectKind::Line;
    object.box = QRectF(x, y, length, 0);
    return object;
}

ReportObject verticalLine(const QString& name, qreal x, qreal y, qreal length) {
    ReportObject object = horizontalLine(name, x, y, 0);
    object.box.setHeight(length);
    return object;
}

ReportObject shapeObject(const QString& name, const QRectF& box, const QColor& fill,
                         const QColor& outline) {
    ReportObject object;
    object.name = name;
    object.kind = ReportObjectKind::Shape;
    object.box = box;
    object.background = fill;
    object.outline = outline;
    return object;
}

Report::Report(const QString& name, QPageLayout::Orientation orientation, const QMarginsF& margins)
    : name_(name), orientation_(orientation), margins_(margins) {}

QPageLayout Report::pageLayout() const {
    return QPageLayout(QPageSize(QPageSize::A4), orientation_, margins_, QPageLayout::Millimeter);
}

ReportObject* Report::find(const QString& name) {
    for (ReportBand* band : {&title, &data, &footer, &pageNumber})
        for (ReportObject& object : band->objects)
            if (object.name == name)
                return &object;
    return nullptr;
}

const ReportObject* Report::find(const QString& name) const {
    return const_cast<Report*>(this)->find(name);
}

ReportObject& Report::objectOfKind(const QString& name, ReportObjectKind kind) {
    ReportObject* object = find(name);
    if (!object)
        missingObject(name, " is not in the template");
    if (object->kind != kind)
        missingObject(name, " is of another kind");
    return *object;
}

void Report::setText(const QString& name, const QString& text) {
    objectOfKind(name, ReportObjectKind::Text).text = text;
}

void Report::setLines(const QString& name, const QStringList& lines) {
    objectOfKind(name, ReportObjectKind::Lines).lines = lines;
}

void Report::setPicture(const QString& name, const QImage& picture) {
    objectOfKind(name, ReportObjectKind::Picture).picture = picture;
}

PreparedReport Report::prepare(const QDate& printingDate) const {
    const QPageLayout layout = pageLayout();
    const QRectF area = layout.paintRect(QPageLayout::Millimeter);
    PageFlow flow(area, printingDate.toString(QStringLiteral("dd/MM/yyyy")));
    flow.place(title);
    flow.flow(data);
    flow.place(footer);
    QList<ReportPage> pages = flow.pages();
    numberPages(pages, pageNumber, area);
    return {name_, layout, pages};
}

void renderReport(const PreparedReport& report, QPagedPaintDevice& device, int copies,
                  bool collate) {
    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("la stampante non ha accettato il documento");
    ObjectPainter pagePainter(painter, device);
    bool firstPage = true;
    const auto paintPage = [&](const ReportPage& page) {
        if (!firstPage && !device.newPage())
            throw std::runtime_error("la stampante non ha accettato una nuova pagina");
        firstPage = false;
        pagePainter.paint(page);
    };
    const int outer = collate ? copies : 1;
    const int inner = collate ? 1 : copies;
    for (int copy = 0; copy < outer; ++copy)
        for (const ReportPage& page : report.pages)
            for (int repeat = 0; repeat < inner; ++repeat)
                paintPage(page);
    if (!painter.end())
        throw std::runtime_error("la stampa non è stata completata");
}

void setUpPrinter(QPrinter& printer, const PreparedReport& report) {
    printer.setDocName(report.name);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(report.layout.pageSize(), report.layout.orientation(),
                                      QMarginsF(), QPageLayout::Millimeter));
    printer.setCopyCount(1);
}

int copiesToPaint(const QPrinter& printer) {
    return printer.supportsMultipleCopies() ? 1 : printer.copyCount();
}

bool printPreparedReport(QWidget* parent, const PreparedReport& report) {
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, report);
    if (!choosePrinter(parent, printer))
        return false;
    printPages(printer, [&report](QPrinter& target) {
        renderReport(report, target, copiesToPaint(target), target.collateCopies());
    });
    return true;
}

bool printReport(QWidget* parent, const Report& report) {
    return printPreparedReport(parent, report.prepare(today()));
}
