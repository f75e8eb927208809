#pragma once

#include "receipts/ReceiptListDialog.h"

// The receipts of the year whose accounts are not settled yet, sorted.
class TfrmDaSaldare : public ReceiptListDialog {
    Q_OBJECT
public:
    explicit TfrmDaSaldare(QWidget* opener);

protected:
    void buildList() override;
};

// The receipt editor's cmdDaSaldare.
void showUnsettledReceipts(QWidget* editor, const QString& path, const ReceiptLoader& load);
