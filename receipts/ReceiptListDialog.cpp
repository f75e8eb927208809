#include "receipts/ReceiptListDialog.h"

#include "rules/TextRules.h"
#include "shell/WorkProgress.h"

ReceiptListDialog::ReceiptListDialog(QWidget* opener, const SummaryListKind& kind)
    : SummaryListDialog(opener, kind) {
    applyTextConventions();
}

void ReceiptListDialog::setReceiptsFile(const QString& path, ReceiptLoader load) {
    path_ = path;
    load_ = std::move(load);
}

ReceiptListScan ReceiptListDialog::scanWithProgress(
    const std::function<ReceiptListScan(const ScanProgress&)>& scan) {
    WorkProgress progress(this, QStringLiteral("Lettura dell'archivio delle ricevute in corso..."),
                          QStringLiteral("prgLettura"));
    return scan([&progress](qint64 recordsRead, qint64 records) {
        return progress.report(recordsRead, records);
    });
}

void ReceiptListDialog::openEntry(const ListEntry& entry) {
    if (load_)
        load_(entry.position);
}
