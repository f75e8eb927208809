#include "members/SubscriptionListDialog.h"

#include "shell/ErrorMessages.h"
#include "storage/ProgramFolder.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"

SubscriptionListDialog::SubscriptionListDialog(QWidget* opener, const QString& objectName,
                                               const QString& title, ExpiryList list)
    : MemberListDialog(opener, {objectName, QLatin1Char(' ') + title, title,
                                SummaryListModel::Order::Sorted, true}),
      list_(list) {}

void SubscriptionListDialog::buildList() {
    ListScan result = scanWithProgress(
        QStringLiteral("Lettura dell'archivio in corso. Attendere..."),
        [this](const ScanProgress& progress) {
            return expiryListOfFile(membersArchivePath(), list_, today(), progress);
        });
    if (result.failed) {
        // An empty list would read as "nobody to remind".
        showMessage(this, MessageKind::Plain, archiveAccessMessage());
        return;
    }
    if (result.cancelled) {
        // Stopped before the list was whole: nothing to show. Closed once the opening is over.
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
        return;
    }
    showEntries(std::move(result.entries), result.skippedRecords);
}
