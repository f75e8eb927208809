#include "receipts/ReceiptListDialog.h"

#include "rules/TextRules.h"

ReceiptListDialog::ReceiptListDialog(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {
    applyTextConventions();
}

void ReceiptListDialog::setReceiptsFile(const QString& path, ReceiptLoader load) {
    path_ = path;
    load_ = std::move(load);
}

void ReceiptListDialog::openEntry(const ListEntry& entry) {
    if (load_)
        load_(entry.position);
}
