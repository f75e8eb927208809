#include "receipts/TfrmListaPresc.h"

#include "receipts/PriceListBox.h"
#include "rules/Amounts.h"
#include "rules/PriceList.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"
#include "ui/DialogRunner.h"
#include "ui/ListReport.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {
constexpr int margin = 20;
constexpr int contentWidth = 822;
constexpr int listLineWidth = 750;
constexpr int inputTop = 130;
constexpr int buttonsTop = 508;
const QString initialPrice = QStringLiteral("0,00");
} // namespace

TfrmListaPresc::TfrmListaPresc(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmListaPresc"),
                  QStringLiteral(" Gestione listino prezzi"), QSize(862, 560)) {
    applyTextConventions();
    buildHeading();
    buildInput();
    lstRecords = new PriceListBox(QStringLiteral("lstRecords"), listLineWidth, this);
    lstRecords->setGeometry(margin, 202, contentWidth, 250);
    auto* lblRimuovi = addLabel(
        this, QStringLiteral("lblRimuovi"),
        QStringLiteral("Per rimuovere un prodotto o servizio dall'elenco, selezionalo con un clic "
                       "e premi il pulsante Elimina voce selezionata."),
        QRect(margin, 458, contentWidth, 40));
    lblRimuovi->setFont(Fonts::button());
    lblRimuovi->setWordWrap(true);
    setTextColour(lblRimuovi, Qt::red);
    buildButtons();
    const QList<QWidget*> tabOrder = {txtProdotto, txtPrezzo,  btnTrova,  lstRecords,
                                      btnAnnulla,  btnElimina, btnChiudi, btnStampa};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TfrmListaPresc::buildHeading() {
    auto* imgTitolo =
        addLabel(this, QStringLiteral("imgTitolo"), QStringLiteral("GESTIONE LISTINO PREZZI"),
                 QRect(margin, 12, contentWidth, 44));
    imgTitolo->setFont(Fonts::font(Fonts::Family::verdana(), 18, true));
    imgTitolo->setAlignment(Qt::AlignCenter);
    imgTitolo->setStyleSheet(QStringLiteral(
        "QLabel { color: white; border-radius: 8px; background: qlineargradient(x1:0, y1:0, "
        "x2:1, y2:1, stop:0 #1F4E9A, stop:1 #3A7BD5); }"));
    addInstruction(
        this, QStringLiteral("imgIstruzioni"),
        QStringLiteral(
            "Qui è possibile creare un listino personalizzato dei prodotti e dei servizi "
            "offerti, per compilare le ricevute in modo rapido. Digitare la "
            "descrizione e il prezzo unitario nelle caselle sottostanti e premere il "
            "pulsante Aggiungi all'elenco."),
        QRect(margin, 64, contentWidth, 56));
}

void TfrmListaPresc::buildInput() {
    addLabel(this, QStringLiteral("lblProdotto"), QStringLiteral("Prodotto o servizio:"),
             QRect(margin, inputTop, 450, 24));
    txtProdotto = addEditBox(this, QStringLiteral("txtProdotto"),
                             QRect(margin, inputTop + 26, 450, 32), Fonts::dataField());
    txtProdotto->setMaxLength(PriceListColumns::descriptionWidth);

    addLabel(this, QStringLiteral("lblPrezzo"), QStringLiteral("Prezzo unitario:"),
             QRect(482, inputTop, 160, 24));
    txtPrezzo = addEditBox(this, QStringLiteral("txtPrezzo"), QRect(482, inputTop + 26, 160, 32),
                           Fonts::dataField());
    txtPrezzo->setMaxLength(PriceListColumns::priceWidth);
    txtPrezzo->setAlignment(Qt::AlignRight);
    txtPrezzo->setText(initialPrice);

    btnTrova = addButton(this, QStringLiteral("btnTrova"), QStringLiteral("Aggiungi all'elenco"),
                         QRect(654, inputTop + 25, 188, 34));

    onEnter(txtProdotto, [this] { focusBox(txtPrezzo); });
    onEnter(txtPrezzo, [this] { focusBox(btnTrova); });
    filterKeys(txtPrezzo, KeyFilter::Amount);
    onLeave(txtPrezzo, [this] { txtPrezzo->setText(normalizedPrice(txtPrezzo->text())); });
    connect(btnTrova, &QPushButton::clicked, this, &TfrmListaPresc::addItem);
}

void TfrmListaPresc::buildButtons() {
    btnElimina =
        addButton(this, QStringLiteral("btnElimina"), QStringLiteral("Elimina voce selezionata"),
                  QRect(margin, buttonsTop, 230, 34));
    btnStampa = addButton(this, QStringLiteral("btnStampa"), QStringLiteral("Stampa listino"),
                          QRect(262, buttonsTop, 160, 34));
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"),
                           QStringLiteral("Chiudi senza salvare"), QRect(470, buttonsTop, 200, 34));
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Salva e chiudi"),
                          QRect(682, buttonsTop, 160, 34));

    // Enter presses the focused button, as the user who reached it with Enter expects.
    for (QPushButton* button : {btnTrova, btnElimina, btnStampa, btnAnnulla, btnChiudi})
        onEnter(button, [button] { button->click(); });
    connect(btnElimina, &QPushButton::clicked, this, &TfrmListaPresc::deleteItem);
    connect(btnStampa, &QPushButton::clicked, this, [this] {
        printListReport(this, QStringLiteral("Listino prezzi"), lstRecords->lines());
    });
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmListaPresc::saveAndClose);
}

void TfrmListaPresc::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // A missing or unreadable file leaves the list empty; the first save creates the file.
    lstRecords->reload();
    txtProdotto->clear();
    txtPrezzo->setText(initialPrice);
    focusBox(txtProdotto);
}

void TfrmListaPresc::addItem() {
    const QString description = trimBlanks(txtProdotto->text());
    const QString price = trimBlanks(txtPrezzo->text());
    if (description.isEmpty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: non è stato indicato alcun prodotto o servizio da "
                                   "aggiungere al listino."));
        focusBox(txtProdotto);
        return;
    }
    if (price.isEmpty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: non è stato indicato il prezzo del prodotto o "
                                   "servizio da aggiungere al listino."));
        focusBox(txtPrezzo);
        return;
    }
    lstRecords->addLine(priceListLine(description, price));
    txtProdotto->clear();
    txtPrezzo->setText(initialPrice);
    focusBox(txtProdotto);
}

void TfrmListaPresc::deleteItem() {
    if (!lstRecords->selectedLine()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole "
                                   "eliminare prima di premere il pulsante di cancellazione."));
        return;
    }
    lstRecords->removeSelectedLine();
}

void TfrmListaPresc::saveAndClose() {
    try {
        writePriceListFile(priceListPath(), lstRecords->lines());
    } catch (const std::exception&) {
        // The old file is whole and the list still here: the user may retry or leave.
        showMessage(
            this, MessageKind::Plain,
            QStringLiteral("Attenzione: il sistema non permette di aggiornare i dati.\n\r\n\r"
                           "Accertarsi che il database non sia già aperto."));
        return;
    }
    accept();
}

void openPriceList(QWidget* opener) {
    run_dialog<TfrmListaPresc>(opener);
}
