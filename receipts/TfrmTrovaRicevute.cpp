#include "receipts/TfrmTrovaRicevute.h"

#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

constexpr int captionX = 16;
constexpr int captionWidth = 364;
constexpr int boxX = captionX + captionWidth + 12;
constexpr int boxWidth = 846 - boxX;
constexpr int firstRowY = 100;
constexpr int rowStep = 38;
constexpr int boxHeight = 30;

QLabel* addInstruction(QWidget* panel, const QString& name, const QString& text, int y) {
    QLabel* label = addLabel(panel, name, text, QRect(16, y, 830, 22));
    label->setFont(Fonts::font(Fonts::Family::verdana(), 9, false));
    return label;
}

} // namespace

TfrmTrovaRicevute::TfrmTrovaRicevute(QWidget* opener)
    : ReceiptListDialog(opener, {QStringLiteral("TfrmTrovaRicevute"),
                                 QStringLiteral(" Trova ricevute in archivio"),
                                 QStringLiteral("Riepilogo ricevute emesse"),
                                 SummaryListModel::Order::AsRead, true}) {
    buildCriteria();
    placeCount();
    panContainer->hide();
}

void TfrmTrovaRicevute::buildCriteria() {
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(rect());
    addInstruction(panAvvio, QStringLiteral("lblIstruzioni01"),
                   QStringLiteral("Immettere nei campi prescelti una o più parole consecutive "
                                  "presenti nelle schede da trovare e premere il pulsante Cerca."),
                   14);
    addInstruction(panAvvio, QStringLiteral("lblIstruzioni02"),
                   QStringLiteral("Lasciare in bianco tutti gli altri campi."), 40);
    addInstruction(panAvvio, QStringLiteral("lblIstruzioni03"),
                   QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi "
                                  "contemporaneamente."),
                   66);

    txtNumRic = addCriterion(QStringLiteral("NumRic"), QStringLiteral("Ricevuta n."), 0);
    txtData =
        addCriterion(QStringLiteral("Data"), QStringLiteral("Data emissione (gg/mm/aaaa):"), 1);
    for (int line = 0; line < 4; ++line) {
        txtCliRigo[line] =
            addCriterion(QStringLiteral("CliRigo") + twoDigits(line + 1),
                         QStringLiteral("Dati socio o cliente (rigo %1):").arg(line + 1), 2 + line);
    }
    for (int row = 0; row < 4; ++row) {
        txtDescrizione[row] =
            addCriterion(QStringLiteral("Descrizione") + twoDigits(row + 1),
                         QStringLiteral("Descrizione servizio fornito %1:").arg(row + 1), 6 + row);
    }
    QList<QWidget*> order{txtNumRic, txtData};
    order.append(QList<QWidget*>(txtCliRigo.begin(), txtCliRigo.end()));
    order.append(QList<QWidget*>(txtDescrizione.begin(), txtDescrizione.end()));
    chainEnter(order, EnterOrder::Ring);
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);

    lblAttendere =
        addLabel(panAvvio, QStringLiteral("lblAttendere"),
                 QStringLiteral("Ricerca schede in corso. Attendere..."), QRect(16, 508, 440, 32));
    lblAttendere->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    setTextColour(lblAttendere, QColor(0x80, 0x00, 0x00));
    lblAttendere->hide();
    btnCerca = addButton(panAvvio, QStringLiteral("btnCerca"), QStringLiteral("Cerca"),
                         QRect(616, 508, 110, 32));
    btnAnnulla = addButton(panAvvio, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"),
                           QRect(736, 508, 110, 32));
    // The waiting text must be on screen before the search holds the event loop.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaRicevute::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TfrmTrovaRicevute::addCriterion(const QString& name, const QString& caption, int row) {
    const int y = firstRowY + row * rowStep;
    QLabel* label = addLabel(panAvvio, QStringLiteral("lbl") + name, caption,
                             QRect(captionX, y, captionWidth, boxHeight));
    label->setFont(Fonts::caption());
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* box = addEditBox(panAvvio, QStringLiteral("txt") + name,
                                QRect(boxX, y, boxWidth, boxHeight), Fonts::dataField());
    addFocusFrame(box);
    return box;
}

// The count goes above the list, which gives up the room for it.
void TfrmTrovaRicevute::placeCount() {
    lblTrovate =
        addLabel(panContainer, QStringLiteral("lblTrovate"), QString(), QRect(16, 10, 830, 24));
    lblTrovate->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    const QRect list = lstRecords->geometry();
    lstRecords->setGeometry(list.adjusted(0, 28, 0, 0));
}

void TfrmTrovaRicevute::buildList() {
    if (searched_)
        return;
    panContainer->hide();
    panAvvio->show();
    focusBox(txtNumRic);
}

void TfrmTrovaRicevute::done(int result) {
    lblAttendere->hide();
    ReceiptListDialog::done(result);
}

ReceiptCriteria TfrmTrovaRicevute::criteria() const {
    ReceiptCriteria typed;
    typed[0] = txtNumRic->text();
    typed[1] = txtData->text();
    for (int i = 0; i < 4; ++i) {
        typed[std::size_t(2 + i)] = txtCliRigo[i]->text();
        typed[std::size_t(6 + i)] = txtDescrizione[i]->text();
    }
    return typed;
}

// A failure or a cancel leaves the criteria as they were, for another try.
void TfrmTrovaRicevute::search() {
    const ReceiptCriteria typed = criteria();
    ListScan scan =
        scanWithProgress(receiptsProgressLabel(), [this, &typed](const ScanProgress& progress) {
            return searchReceipts(receiptsFile(), typed, progress);
        });
    lblAttendere->hide();
    if (scan.failed) {
        showMessage(this, MessageKind::Plain, archiveAccessMessage());
        return;
    }
    if (scan.cancelled)
        return;
    searched_ = true;
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede.")
                            .arg(qulonglong(scan.entries.size())));
    panAvvio->hide();
    panContainer->show();
    txtTrova->clear();
    showEntries(std::move(scan.entries), scan.skippedRecords);
}

void findReceipt(QWidget* editor, const QString& path, const ReceiptLoader& load) {
    run_dialog<TfrmTrovaRicevute>(
        editor, [&](TfrmTrovaRicevute& window) { window.setReceiptsFile(path, load); });
}
