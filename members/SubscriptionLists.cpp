#include "members/SubscriptionLists.h"

#include "shell/ErrorMessages.h"
#include "storage/ProgramFolder.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"

namespace {
SummaryListKind listKind(const QString& objectName, const QString& title) {
    return {objectName, QLatin1Char(' ') + title, title, SummaryListModel::Order::Sorted, true};
}
} // namespace

SubscriptionListWindow::SubscriptionListWindow(QWidget* opener, const SummaryListKind& kind,
                                               ExpiryList list)
    : MemberListWindow(opener, kind), list_(list) {}

void SubscriptionListWindow::buildList() {
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

TfrmSospesi::TfrmSospesi(QWidget* opener)
    : SubscriptionListWindow(
          opener,
          listKind(QStringLiteral("TfrmSospesi"),
                   QStringLiteral("Riepilogo soci con abbonamenti in scadenza o scaduti")),
          ExpiryList::ExpiringOrExpired) {}

TfrmScadute::TfrmScadute(QWidget* opener)
    : SubscriptionListWindow(opener,
                             listKind(QStringLiteral("TfrmScadute"),
                                      QStringLiteral("Riepilogo soci con abbonamenti scaduti")),
                             ExpiryList::Expired) {}
