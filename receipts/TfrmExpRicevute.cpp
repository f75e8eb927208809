#include "receipts/TfrmExpRicevute.h"

#include "receipts/ReceiptsExportHelpText.h"
#include "ui/DialogRunner.h"

TfrmExpRicevute::TfrmExpRicevute(QWidget* opener)
    : SpreadsheetExportWindow(opener, QStringLiteral("TfrmExpRicevute"),
                              QStringLiteral(" Esporta archivio ricevute in Microsoft Excel"),
                              receiptsSpreadsheet(),
                              {receiptsExportHelpTitle(), receiptsExportHelpText()}) {}

void TfrmExpRicevute::loadRows(SpreadsheetTable& rows) {
    if (!filePath_.isEmpty())
        appendReceiptRows(filePath_, rows); // a read error keeps the rows read so far
}

void exportReceipts(QWidget* opener, const QString& yearFilePath) {
    run_dialog<TfrmExpRicevute>(opener,
                                [&](TfrmExpRicevute& window) { window.setFilePath(yearFilePath); });
}
