#include "ui/ListReport.h"

namespace {

QFont reportFont(const QStringList& families, int points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// Verdana and Courier New, or their free stand-ins where they are not installed.
QFont verdanaBold(int points) {
    return reportFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, true);
}
QFont courierNew(int points) {
    return reportFont({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")}, points,
                      false);
}

const QColor slateGrey(0x70, 0x80, 0x90);

ReportObject listBody(const QString& name, const QRectF& box) {
    ReportObject object = textObject(name, box, courierNew(8), Qt::AlignLeft | Qt::AlignVCenter);
    object.kind = ReportObjectKind::Lines;
    object.linePitch = listLinePitch;
    return object;
}

ReportObject printingDate(ReportObject object) {
    object.printsDate = true;
    return object;
}

// An A4 landscape page, 10 mm margins; each object placed in its band.
Report listReportTemplate() {
    Report report(QStringLiteral("Riepilogo"), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10));
    report.title = {8,
                    {textObject(QStringLiteral("txtTitolo"), {2, 1, 273, 5}, verdanaBold(9),
                                Qt::AlignCenter, Qt::white, slateGrey)}};
    // Its height is set by the lines it is given.
    report.data = {0, {listBody(QStringLiteral("txtRiepilogo"), {3, 0, 273, 0})}};
    report.footer = {8,
                     {printingDate(textObject(QStringLiteral("txtPagina"), {3, 2, 272, 5},
                                              verdanaBold(8), Qt::AlignCenter, Qt::white, slateGrey,
                                              QStringLiteral("Stampa eseguita in data [DATE]")))}};
    // Under the last line a page can hold, right-aligned with the date's band.
    report.pageNumber = {5,
                         {textObject(QStringLiteral("txtNumeroPagina"), {3, 0.5, 272, 4},
                                     verdanaBold(8), Qt::AlignRight | Qt::AlignVCenter,
                                     QStringLiteral("Pagina [PAGE] di [PAGES]"))}};
    return report;
}

} // namespace

Report listReport(const QString& title, const QStringList& lines) {
    Report report = listReportTemplate();
    report.setText(QStringLiteral("txtTitolo"), title);
    report.setLines(QStringLiteral("txtRiepilogo"), lines);
    // The body is as tall as its lines, its band 10 pixels taller.
    ReportObject& body = *report.find(QStringLiteral("txtRiepilogo"));
    body.box.setHeight(lines.size() * listLinePitch);
    report.data.height = body.box.height() + listBandBelowBody;
    return report;
}

void printListReport(QWidget* parent, const QString& title, const QStringList& lines) {
    printReport(parent, listReport(title, lines));
}
