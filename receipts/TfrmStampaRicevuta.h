#pragma once

#include "receipts/ReceiptSheetDialog.h"

// Prints the receipt on screen in the editor, after the printer dialog.
class TfrmStampaRicevuta : public ReceiptSheetDialog {
    Q_OBJECT
public:
    explicit TfrmStampaRicevuta(QWidget* opener);

protected:
    void output(const Report& sheet) override;
};
