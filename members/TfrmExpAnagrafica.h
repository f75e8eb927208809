#pragma once

#include "shell/SpreadsheetExportWindow.h"

// The members export: every card of Soci.pro, written to Soci.xls.
class TfrmExpAnagrafica : public SpreadsheetExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpAnagrafica(QWidget* opener);

protected:
    void loadRows(SpreadsheetTable& rows) override;
};

// The member editor's btnEsporta.
void exportMembers(QWidget* opener);
