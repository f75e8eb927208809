#include "ui/Printing.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>

namespace {
std::optional<PrintCapture>& capture() {
    static std::optional<PrintCapture> value;
    return value;
}

QStringList& captured() {
    static QStringList files;
    return files;
}

void paintToCapturedPdf(QPrinter& printer, const PagePainter& paint) {
    const QString path = QDir(capture()->pdfFolder)
                             .filePath(QStringLiteral("capture-%1.pdf").arg(captured().size() + 1));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    paint(printer);
    captured().append(path);
}
} // namespace

bool choosePrinter(QWidget* parent, QPrinter& printer) {
    if (capture())
        return capture()->acceptPrinterDialog;
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void printPages(QPrinter& printer, const PagePainter& paint) {
    if (capture()) {
        paintToCapturedPdf(printer, paint);
        return;
    }
    paint(printer);
}

void setPrintCaptureForTests(std::optional<PrintCapture> value) {
    capture() = std::move(value);
    captured().clear();
}

QStringList capturedPrintoutsForTests() {
    return captured();
}
