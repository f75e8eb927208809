#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// Paints every page of a printout on the printer it is given.
using PagePainter = std::function<void(QPrinter& printer)>;

// The printer dialog (printer and copies); false when the user cancelled.
bool choosePrinter(QWidget* parent, QPrinter& printer);
// Prints on the printer chosen with choosePrinter.
void printPages(QPrinter& printer, const PagePainter& paint);

// Tests answer the printer dialog and capture every printout as a PDF file
// (numbered: capture-1.pdf, capture-2.pdf, ... in the folder given).
struct PrintCapture {
    bool acceptPrinterDialog = true;
    QString pdfFolder;
};
void setPrintCaptureForTests(std::optional<PrintCapture> capture);
QStringList capturedPrintoutsForTests();
