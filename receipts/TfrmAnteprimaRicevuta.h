#pragma once

#include "receipts/ReceiptSheetDialog.h"

// Shows the receipt on screen in the editor in the preview window, from which it may be
// printed.
class TfrmAnteprimaRicevuta : public ReceiptSheetDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaRicevuta(QWidget* opener);

protected:
    void output(const Report& sheet) override;
};
