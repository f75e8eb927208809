#include "receipts/TfrmDaSaldare.h"

#include "shell/ErrorMessages.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

TfrmDaSaldare::TfrmDaSaldare(QWidget* opener)
    : ReceiptListDialog(opener, {QStringLiteral("TfrmDaSaldare"),
                                 QStringLiteral(" Riepilogo conti non ancora saldati"),
                                 QStringLiteral("Riepilogo conti non ancora saldati"),
                                 SummaryListModel::Order::Sorted, true}) {}

// A read failure keeps the lines read before it, and says that the list is not whole.
void TfrmDaSaldare::buildList() {
    ListScan scan = scanWithProgress(receiptsProgressLabel(), [this](const ScanProgress& progress) {
        return unsettledReceipts(receiptsFile(), progress);
    });
    if (scan.cancelled) {
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    showEntries(std::move(scan.entries), scan.skippedRecords);
    if (scan.failed)
        showMessage(this, MessageKind::Error, archiveAccessMessage());
}

void showUnsettledReceipts(QWidget* editor, const QString& path, const ReceiptLoader& load) {
    run_dialog<TfrmDaSaldare>(editor,
                              [&](TfrmDaSaldare& list) { list.setReceiptsFile(path, load); });
}
