#include "members/SubscriptionListDialog.h"

#include "members/TfrmPromemoria.h"
#include "rules/SubscriptionRenewal.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditorNavigation.h"
#include "shell/ErrorMessages.h"
#include "shell/HintLine.h"
#include "shell/TfrmCalendario.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <algorithm>

namespace {

QList<qint64> positionsOf(const QList<ListEntry>& entries) {
    QList<qint64> positions;
    for (const ListEntry& entry : entries)
        positions.append(entry.position);
    return positions;
}

QString renewalQuestion(const QList<ListEntry>& chosen, const QDate& expiry) {
    const QString whose = chosen.size() == 1
                              ? QStringLiteral("del socio ") + memberNameOfLine(chosen[0].line)
                              : QStringLiteral("dei %1 soci selezionati").arg(chosen.size());
    return QStringLiteral("Rinnovare l'abbonamento %1 con la nuova scadenza %2?")
        .arg(whose, dateText(expiry));
}

QString renewalReport(const RenewalOutcome& outcome, const QList<ListEntry>& chosen) {
    if (!outcome.failed)
        return QStringLiteral("Abbonamenti rinnovati: %1.").arg(outcome.renewed);
    return QStringLiteral("Attenzione: non è stato possibile rinnovare l'abbonamento di %1, "
                          "perché il sistema non permette di accedere all'archivio.\n\r\n\r"
                          "Abbonamenti rinnovati: %2 su %3; i soci non rinnovati sono rimasti "
                          "come erano.")
        .arg(memberNameOfLine(chosen[outcome.renewed].line))
        .arg(outcome.renewed)
        .arg(chosen.size());
}

} // namespace

SubscriptionListDialog::SubscriptionListDialog(QWidget* opener, const QString& objectName,
                                               const QString& title, ExpiryList list)
    : MemberListDialog(opener, {objectName, QLatin1Char(' ') + title, title,
                                SummaryListModel::Order::Sorted, true}),
      list_(list) {
    addChoiceButtons();
}

// Below a shorter list: the two buttons for the chosen lines, and the hint line beside them.
void SubscriptionListDialog::addChoiceButtons() {
    lstRecords->setGeometry(16, 16, 830, 330);
    lstRecords->setSelectionMode(QAbstractItemView::ExtendedSelection);
    btnRinnova = addButton(panContainer, QStringLiteral("btnRinnova"), QStringLiteral("Rinnova..."),
                           QRect(16, 354, 130, 32));
    btnPromemoria = addButton(panContainer, QStringLiteral("btnPromemoria"),
                              QStringLiteral("Promemoria e-mail..."), QRect(156, 354, 200, 32));
    hints_ = addHintLine(panContainer, this,
                         QStringLiteral("Più soci si selezionano con Ctrl o Maiusc e clic."),
                         QRect(366, 354, 480, 32));
    hints_->addHint(lstRecords->viewport(),
                    QStringLiteral("Ctrl+A seleziona tutti i soci dell'elenco."));
    hints_->addHint(btnRinnova, QStringLiteral("Nuova scadenza per i soci selezionati."));
    hints_->addHint(btnPromemoria, QStringLiteral("E-mail di promemoria ai soci selezionati."));
    hints_->addHint(btnTrova, QStringLiteral("Cerca nell'elenco le parole indicate."));
    hints_->addHint(btnStampa, QStringLiteral("Stampa l'elenco."));
    hints_->addHint(btnChiudi, QStringLiteral("Chiude la finestra."));
    setTabOrder(lstRecords, btnRinnova);
    setTabOrder(btnRinnova, btnPromemoria);
    setTabOrder(btnPromemoria, txtTrova);
    connect(lstRecords->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SubscriptionListDialog::enableChoiceButtons);
    connect(&model(), &QAbstractItemModel::modelReset, this,
            &SubscriptionListDialog::enableChoiceButtons);
    connect(btnRinnova, &QPushButton::clicked, this, &SubscriptionListDialog::renewChosen);
    connect(btnPromemoria, &QPushButton::clicked, this, &SubscriptionListDialog::remindChosen);
    enableChoiceButtons();
}

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

QList<ListEntry> SubscriptionListDialog::chosenEntries() {
    QModelIndexList rows = lstRecords->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QList<ListEntry> chosen;
    for (const QModelIndex& row : rows)
        chosen.append(model().entry(row.row()));
    return chosen;
}

void SubscriptionListDialog::enableChoiceButtons() {
    const bool anyChosen = lstRecords->selectionModel()->hasSelection();
    btnRinnova->setEnabled(anyChosen);
    btnPromemoria->setEnabled(anyChosen);
}

// Renewed members may leave the list, so it is built again, also after a failure half-way.
void SubscriptionListDialog::renewChosen() {
    const QList<ListEntry> chosen = chosenEntries();
    const std::optional<QDate> expiry = pickRenewalDate(this);
    if (!expiry || !askQuestion(this, renewalQuestion(chosen, *expiry)))
        return;
    const RenewalOutcome outcome =
        renewSubscriptions(membersArchivePath(), positionsOf(chosen), *expiry);
    tellStorageNotices(this);
    showMessage(this, outcome.failed ? MessageKind::Error : MessageKind::Information,
                renewalReport(outcome, chosen));
    buildList();
}

void SubscriptionListDialog::remindChosen() {
    QList<MemberRecord> members;
    try {
        members = membersAt(membersArchivePath(), positionsOf(chosenEntries()));
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    run_dialog<TfrmPromemoria>(
        this, [&members](TfrmPromemoria& reminder) { reminder.setMembers(members); });
}
