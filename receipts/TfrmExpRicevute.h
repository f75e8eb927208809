#pragma once

#include "shell/SpreadsheetExportWindow.h"

// The receipts export: every receipt of the year open in the receipt editor, written to
// Riepilogo_Ricevute.xls.
class TfrmExpRicevute : public SpreadsheetExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpRicevute(QWidget* opener);

    // The yearly receipt file to export, set before the window is shown.
    void setFilePath(const QString& yearFilePath) { filePath_ = yearFilePath; }

protected:
    void loadRows(SpreadsheetTable& rows) override;

private:
    QString filePath_;
};

// The receipt editor's cmdEsporta, for the year file the editor works on.
void exportReceipts(QWidget* opener, const QString& yearFilePath);
