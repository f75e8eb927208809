#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QStringList>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// A printed report: a page format and three bands of named objects placed in millimetres.
// The title band prints once at the top of the first page, the data band flows over as many
// pages as its lines need, the footer band prints once after the data. A report of more than
// one page also prints its page number band on every page, in the bottom margin.

enum class ReportObjectKind {
    Text,    // one line, cut at the box's edge, never wrapped
    Lines,   // one text line per entry, a fixed pitch apart; flows over pages in the data band
    Picture, // scaled to fit the box, keeping its proportions
    Line,    // from the box's top-left to its bottom-right corner: a zero width or height
    Shape,   // a rectangle, filled and outlined
};

struct ReportObject {
    QString name;
    ReportObjectKind kind = ReportObjectKind::Text;
    QRectF box; // millimetres, from the top-left corner of its band

    QString text;
    QStringList lines;
    qreal linePitch = 0; // millimetres between two lines of a Lines object
    QFont font;
    QColor color = Qt::black;
    QColor background; // invalid: transparent
    QColor outline;    // invalid: none
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    qreal padding = 0;       // millimetres between the box's sides and its text
    bool printsDate = false; // "[DATE]" in its text becomes the date of printing
    QImage picture;
    bool pictureCentred = true; // else anchored at the box's top-left corner
};

struct ReportBand {
    qreal height = 0; // millimetres
    QList<ReportObject> objects;
};

// One page ready to paint: every object placed from the sheet's top-left corner, dates
// written in, a Lines object holding only the lines of this page.
struct ReportPage {
    QList<ReportObject> objects;
};

struct PreparedReport {
    QString name;
    QPageLayout layout;
    QList<ReportPage> pages;
};

// Building blocks of the templates, one object each; positions and sizes in millimetres.
ReportObject textObject(const QString& name, const QRectF& box, const QFont& font,
                        Qt::Alignment alignment, const QString& text = QString());
// A text in the given colour on a filled background.
ReportObject textObject(const QString& name, const QRectF& box, const QFont& font,
                        Qt::Alignment alignment, const QColor& color, const QColor& background,
                        const QString& text = QString());
ReportObject pictureObject(const QString& name, const QRectF& box, bool centred);
ReportObject horizontalLine(const QString& name, qreal x, qreal y, qreal length);
ReportObject verticalLine(const QString& name, qreal x, qreal y, qreal length);
// An invalid fill leaves the box empty, an invalid outline draws none.
ReportObject shapeObject(const QString& name, const QRectF& box, const QColor& fill,
                         const QColor& outline);

class Report {
public:
    // An A4 page, margins in millimetres.
    Report(const QString& name, QPageLayout::Orientation orientation, const QMarginsF& margins);

    QString name() const { return name_; }
    QPageLayout pageLayout() const;

    ReportBand title;
    ReportBand data;
    ReportBand footer;
    // Placed from the top of the bottom margin, so it never covers a band; "[PAGE]" and
    // "[PAGES]" in its texts become the page's number and the number of pages.
    ReportBand pageNumber;

    // The object of that name in any band; nullptr when the template has none.
    ReportObject* find(const QString& name);
    const ReportObject* find(const QString& name) const;
    // As find, but a name the template lacks, or an object of another kind, is a programming
    // error: std::logic_error.
    void setText(const QString& name, const QString& text);
    void setLines(const QString& name, const QStringList& lines);
    void setPicture(const QString& name, const QImage& picture);

    // Lays the bands out on pages; [DATE] in the objects that print the date becomes the date.
    PreparedReport prepare(const QDate& printingDate) const;

private:
    ReportObject& objectOfKind(const QString& name, ReportObjectKind kind);

    QString name_;
    QPageLayout::Orientation orientation_;
    QMarginsF margins_;
};

// Paints the pages on a device whose coordinates start at the sheet's corner (a printer in
// full-page mode, a PDF writer without margins). Copies are painted here only when asked:
// a printer that makes its own copies is given one. Throws std::runtime_error when the
// device cannot be painted on.
void renderReport(const PreparedReport& report, QPagedPaintDevice& device, int copies = 1,
                  bool collate = true);

// The printer set up for the report's page: A4 in its orientation, coordinates from the
// sheet's corner, one copy.
void setUpPrinter(QPrinter& printer, const PreparedReport& report);
// The copies the program must paint itself on that printer.
int copiesToPaint(const QPrinter& printer);

// The printer dialog (printer and copies), then the printout. False when the user cancelled
// the dialog: nothing is printed.
bool printPreparedReport(QWidget* parent, const PreparedReport& report);
// As printPreparedReport, the report prepared with today's date.
bool printReport(QWidget* parent, const Report& report);
