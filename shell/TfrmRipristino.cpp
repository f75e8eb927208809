#include "shell/TfrmRipristino.h"

#include "shell/Controls.h"
#include "storage/Backup.h"
#include "storage/StorageError.h"
#include "ui/Clock.h"
#include "ui/MessageBox.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

namespace {

QString sizeText(qint64 bytes) {
    constexpr qint64 kilobyte = 1024;
    return QString::number((bytes + kilobyte - 1) / kilobyte) + QStringLiteral(" KB");
}

QString madeText(const QDateTime& made) {
    return made.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

} // namespace

TfrmRipristino::TfrmRipristino(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmRipristino"),
                  QStringLiteral(" Ripristina copia di sicurezza"), QSize(640, 420)) {
    lblIstruzioni = addLabel(
        this, QStringLiteral("lblIstruzioni"),
        QStringLiteral("Alla chiusura del programma viene salvata una copia di archivi, "
                       "impostazioni, listino, logo, foto e allegati nella cartella Backup. "
                       "Scegliere la copia da ripristinare: prima del ripristino viene salvata "
                       "una copia dei dati attuali."),
        QRect(20, 10, 600, 84));
    lblIstruzioni->setWordWrap(true);
    lstCopie = new QTreeWidget(this);
    lstCopie->setObjectName(QStringLiteral("lstCopie"));
    lstCopie->setGeometry(20, 100, 600, 254);
    lstCopie->setRootIsDecorated(false);
    lstCopie->setHeaderLabels(
        {QStringLiteral("Data"), QStringLiteral("Dimensione"), QStringLiteral("Contenuto")});
    lstCopie->setColumnWidth(0, 150);
    lstCopie->setColumnWidth(1, 90);
    btnRipristina = addButton(this, QStringLiteral("btnRipristina"), QStringLiteral("Ripristina"),
                              QRect(360, 370, 120, 34));
    btnRipristina->setToolTip(QStringLiteral("Ripristina la copia selezionata"));
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(500, 370, 120, 34));
    connect(btnRipristina, &QPushButton::clicked, this, &TfrmRipristino::restoreChosen);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on a copy goes on to the button that restores it.
    connect(lstCopie, &QTreeWidget::itemActivated, this, [this] { btnRipristina->setFocus(); });
    fillList();
}

void TfrmRipristino::fillList() {
    lstCopie->clear();
    for (const BackupContents& copy : listBackups()) {
        auto* item = new QTreeWidgetItem(lstCopie);
        item->setText(0, madeText(copy.made));
        item->setText(1, sizeText(copy.size));
        item->setText(2, copy.readable ? backupContentsText(copy.members, copy.receiptsPerYear)
                                       : QStringLiteral("Copia non leggibile"));
        item->setData(0, Qt::UserRole, copy.path);
    }
    if (lstCopie->topLevelItemCount() > 0)
        lstCopie->setCurrentItem(lstCopie->topLevelItem(0));
    btnRipristina->setEnabled(lstCopie->topLevelItemCount() > 0);
    lstCopie->setFocus();
}

void TfrmRipristino::restoreChosen() {
    const QTreeWidgetItem* chosen = lstCopie->currentItem();
    if (!chosen)
        return;
    if (!askQuestion(this, QStringLiteral("Ripristinare la copia del ") + chosen->text(0) +
                               QStringLiteral("?\r\nI dati attuali saranno sostituiti; prima "
                                              "ne viene salvata una copia.")))
        return;
    try {
        restoreBackup(chosen->data(0, Qt::UserRole).toString(), now());
        showMessage(this, MessageKind::Information,
                    QStringLiteral("Copia del ") + chosen->text(0) +
                        QStringLiteral(" ripristinata."));
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error,
                    QStringLiteral("Impossibile ripristinare la copia di sicurezza: verificare "
                                   "lo spazio libero e i permessi della cartella del programma."));
    }
    fillList();
}

void backUpAtEnd(QWidget* parent) {
    try {
        writeBackup(now());
    } catch (const StorageError&) {
        showMessage(parent, MessageKind::Error,
                    QStringLiteral("Impossibile salvare la copia di sicurezza nella cartella "
                                   "Backup: le copie precedenti restano intatte."));
    }
}

QString backupContentsText(qint64 members, const std::vector<std::pair<int, qint64>>& receipts) {
    QString text = QStringLiteral("Soci: ") + QString::number(members);
    QStringList years;
    for (const auto& [year, count] : receipts)
        years << QStringLiteral("%1: %2").arg(year).arg(count);
    if (!years.isEmpty())
        text += QStringLiteral(". Ricevute ") + years.join(QStringLiteral(", "));
    return text;
}
