#include "receipts/TfrmRicevute.h"

#include "members/TfrmTrovaAnagrafica.h"
#include "receipts/PriceListBox.h"
#include "receipts/ReceiptsHelpText.h"
#include "receipts/TfrmAnteprimaRicevuta.h"
#include "receipts/TfrmDaSaldare.h"
#include "receipts/TfrmExpRicevute.h"
#include "receipts/TfrmNumerazione.h"
#include "receipts/TfrmStampaRicevuta.h"
#include "receipts/TfrmTrovaRicevute.h"
#include "rules/Amounts.h"
#include "rules/PriceList.h"
#include "rules/ReceiptCard.h"
#include "rules/ReceiptNumbers.h"
#include "rules/ReceiptSettings.h"
#include "rules/RecordNavigation.h"
#include "rules/TextRules.h"
#include "shell/CommandKeys.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/EditorNavigation.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmCalendario.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int leftX = 8;
constexpr int leftWidth = 392;
constexpr int rightX = 410;
constexpr int descriptionWidth = 420;
constexpr int amountX = rightX + descriptionWidth + 6;
constexpr int amountWidth = 151;
constexpr int boxHeight = 27;
constexpr int lineStep = 28;

QLabel* addHeading(QWidget* parent, const QString& name, const QString& text, const QRect& where) {
    QLabel* heading = addLabel(parent, name, text, where);
    heading->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setStyleSheet(
        QStringLiteral("color: white; background-color: #1F4E9A; border-radius: 3px;"));
    return heading;
}

const QString notComputed = QStringLiteral("---");

enum class UsedNumberChoice { TakeFree, KeepTyped, Cancel };

// Two copies of the program on a shared folder propose the same number; a club must not hand
// out two receipts with one number, unless the user says so.
UsedNumberChoice askAboutUsedNumber(QWidget* editor, const QString& typed,
                                    const UsedReceiptNumber& used) {
    if (used.firstFree &&
        askQuestion(editor, QStringLiteral("Il numero %1 è già stato usato da un'altra ricevuta "
                                           "dello stesso anno.\n\r\n\rUsare il primo numero "
                                           "libero, %2?")
                                .arg(typed, *used.firstFree)))
        return UsedNumberChoice::TakeFree;
    if (askQuestion(editor, QStringLiteral("Salvare comunque la ricevuta con il numero %1, già "
                                           "usato da un'altra ricevuta dello stesso anno?\n\r"
                                           "\n\rRispondendo No la ricevuta non viene salvata.")
                                .arg(typed)))
        return UsedNumberChoice::KeepTyped;
    return UsedNumberChoice::Cancel;
}

// Only the free number offered after a clash depends on it; a start value that cannot be read
// leaves the offer above the numbers used.
QString numberingStartOrEmpty() {
    try {
        return numberingStartText();
    } catch (const StorageError&) {
        return QString();
    }
}

} // namespace

TfrmRicevute::TfrmRicevute(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmRicevute"),
                       QStringLiteral(" Velarno - Emissione ricevute"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova ricevuta..."))) {
    QWidget* panel = container();
    buildToolbar(panel);
    buildHeader(panel);
    buildItems(panel);
    buildPriceList(panel);
    addDecorations(panel);
    btnFocus = addFocusSink(panel);
    chainKeys();
    addHints();
    bindEditorKeys(hints_, {cmdSalva, cmdNuovo, cmdDuplica, cmdTrova, cmdStampa, cmdPrimo,
                            cmdIndietro, cmdAvanti, cmdUltimo, cmdGuida});
    resetTotal();
}

QPushButton* TfrmRicevute::addCommand(QWidget* panel, const QString& name, const QString& text,
                                      const QRect& where) {
    QPushButton* button = addButton(panel, name, text, where);
    button->setFocusPolicy(Qt::NoFocus); // a click never takes the focus from the box typed in
    return button;
}

void TfrmRicevute::buildToolbar(QWidget* panel) {
    addBackgroundPanel(panel, QStringLiteral("shpPulsanti01"), QRect(2, 2, 991, 44));
    int x = 8;
    const auto next = [&](const char16_t* name, const char16_t* text, int width) {
        QPushButton* button = addCommand(panel, QString::fromUtf16(name), QString::fromUtf16(text),
                                         QRect(x, 7, width, 34));
        x += width + 4;
        return button;
    };
    cmdNuovo = next(u"cmdNuovo", u"Nuovo", 62);
    cmdDuplica = next(u"cmdDuplica", u"Duplica", 70);
    cmdSalva = next(u"cmdSalva", u"Salva", 56);
    cmdTrova = next(u"cmdTrova", u"Trova", 56);
    cmdAnteprima = next(u"cmdAnteprima", u"Anteprima", 88);
    cmdStampa = next(u"cmdStampa", u"Stampa", 66);
    cmdPrimo = next(u"cmdPrimo", u"|◀", 36);
    cmdIndietro = next(u"cmdIndietro", u"◀", 36);
    lblPosizione = addLabel(panel, QStringLiteral("lblPosizione"), QString(), QRect(x, 7, 58, 34));
    stylePositionBox(lblPosizione);
    x += 62;
    cmdAvanti = next(u"cmdAvanti", u"▶", 36);
    cmdUltimo = next(u"cmdUltimo", u"▶|", 36);
    cmdEsporta = next(u"cmdEsporta", u"Esporta", 70);
    cmdDaSaldare = next(u"cmdDaSaldare", u"Da saldare", 88);
    cmdGuida = next(u"cmdGuida", u"Guida", 58);
    cmdEsci = next(u"cmdEsci", u"Esci", 50);

    connect(cmdNuovo, &QPushButton::clicked, this, &TfrmRicevute::newReceipt);
    connect(cmdDuplica, &QPushButton::clicked, this, &TfrmRicevute::duplicateReceipt);
    connect(cmdSalva, &QPushButton::clicked, this, &TfrmRicevute::saveReceipt);
    connect(cmdPrimo, &QPushButton::clicked, this, [this] { navigate(NavigationButton::First); });
    connect(cmdIndietro, &QPushButton::clicked, this,
            [this] { navigate(NavigationButton::Previous); });
    connect(cmdAvanti, &QPushButton::clicked, this, [this] { navigate(NavigationButton::Next); });
    connect(cmdUltimo, &QPushButton::clicked, this, [this] { navigate(NavigationButton::Last); });
    connect(cmdGuida, &QPushButton::clicked, this,
            [this] { showHelp(this, receiptsHelpTitle(), receiptsHelpText()); });
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    const auto handReceipt = [this](ReceiptSheetDialog& sheet) {
        sheet.setReceipt(receiptOnScreen());
    };
    connect(cmdAnteprima, &QPushButton::clicked, this,
            [this, handReceipt] { run_dialog<TfrmAnteprimaRicevuta>(this, handReceipt); });
    connect(cmdStampa, &QPushButton::clicked, this,
            [this, handReceipt] { run_dialog<TfrmStampaRicevuta>(this, handReceipt); });
    connect(cmdEsporta, &QPushButton::clicked, this, [this] { exportReceipts(this, filePath_); });
    const ReceiptLoader showChosen = [this](qint64 position) { showStoredReceipt(position); };
    connect(cmdTrova, &QPushButton::clicked, this,
            [this, showChosen] { findReceipt(this, filePath_, showChosen); });
    connect(cmdDaSaldare, &QPushButton::clicked, this,
            [this, showChosen] { showUnsettledReceipts(this, filePath_, showChosen); });
}

QLineEdit* TfrmRicevute::addBox(QWidget* panel, const QString& name, int capacity,
                                const QRect& where) {
    QLineEdit* box = addEditBox(panel, name, where, Fonts::dataField());
    box->setMaxLength(capacity);
    addFocusTint(box);
    return box;
}

void TfrmRicevute::buildHeader(QWidget* panel) {
    addBackgroundPanel(panel, QStringLiteral("bkgIntestazione"), QRect(2, 50, 404, 394));
    addLabel(panel, QStringLiteral("lblNumRic"), QStringLiteral("Ricevuta n."),
             QRect(leftX, 54, 150, 20));
    txtNumRic = addBox(panel, QStringLiteral("txtNumRic"), 20, QRect(leftX, 75, 150, boxHeight));
    impNumerazione = addCommand(panel, QStringLiteral("impNumerazione"), QStringLiteral("N."),
                                QRect(leftX + 154, 75, 40, boxHeight));
    addLabel(panel, QStringLiteral("lblData"), QStringLiteral("Data emissione:"),
             QRect(212, 54, 180, 20));
    txtData = addBox(panel, QStringLiteral("txtData"), 10, QRect(212, 75, 130, boxHeight));
    impData = addCommand(panel, QStringLiteral("impData"), QStringLiteral("Oggi"),
                         QRect(346, 75, 54, boxHeight));
    makeDateBox(txtData, [this] { pickDate(this, QStringLiteral("ricevute_data"), txtData); });
    connect(impData, &QPushButton::clicked, this, [this] { txtData->setText(dateText(today())); });
    connect(impNumerazione, &QPushButton::clicked, this, [this] { openNumbering(this); });

    addHeading(panel, QStringLiteral("lblDatiAssociazione"), QStringLiteral("DATI ASSOCIAZIONE"),
               QRect(leftX, 110, leftWidth, 20));
    addHeading(panel, QStringLiteral("lblDatiCliente"), QStringLiteral("DATI SOCIO O CLIENTE"),
               QRect(leftX, 276, leftWidth, 20));
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line) {
        const QString number = twoDigits(line + 1);
        txtLavRigo[line] = addBox(panel, QStringLiteral("txtLavRigo") + number, 120,
                                  QRect(leftX, 134 + line * lineStep, leftWidth, boxHeight));
        const int payerWidth = line == 0 ? leftWidth - 50 : leftWidth;
        txtCliRigo[line] = addBox(panel, QStringLiteral("txtCliRigo") + number, 120,
                                  QRect(leftX, 300 + line * lineStep, payerWidth, boxHeight));
    }
    impCliente = addCommand(panel, QStringLiteral("impCliente"), QStringLiteral("◀"),
                            QRect(leftX + leftWidth - 46, 300, 46, boxHeight));
    impCliente->setStyleSheet(QStringLiteral("QPushButton { color: #1E8E3E; }"));
    connect(impCliente, &QPushButton::clicked, this, [this] {
        findMemberAsPayer(this, [this](const PayerLines& lines) { setPayerLines(lines); });
    });
}

void TfrmRicevute::buildItems(QWidget* panel) {
    addBackgroundPanel(panel, QStringLiteral("bkgRicevuta"), QRect(rightX - 6, 50, 589, 488));
    addHeading(panel, QStringLiteral("lblDescrizione"), QStringLiteral("DESCRIZIONE"),
               QRect(rightX, 54, descriptionWidth, 20));
    addHeading(panel, QStringLiteral("lblImporto"), QStringLiteral("IMPORTO"),
               QRect(amountX, 54, amountWidth, 20));
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        const QString number = twoDigits(row + 1);
        const int y = 78 + row * lineStep;
        txtDescrizione[row] = addBox(panel, QStringLiteral("txtDescrizione") + number, 55,
                                     QRect(rightX, y, descriptionWidth, boxHeight));
        QLineEdit* amount = addBox(panel, QStringLiteral("txtImporto") + number, 12,
                                   QRect(amountX, y, amountWidth, boxHeight));
        amount->setAlignment(Qt::AlignRight);
        filterKeys(amount, KeyFilter::Amount);
        onAnyKey(amount, [this] { resetTotal(); });
        onLeave(amount, [amount] { amount->setText(normalizedAmount(amount->text())); });
        txtImporto[row] = amount;
    }
    const int totalY = 78 + ReceiptRecord::ItemRows * lineStep + 8;
    // Wide enough for a total as long as its stored field, "999999999999999".
    constexpr int totalWidth = 214;
    constexpr int totalX = amountX + amountWidth - totalWidth;
    btnTotale = addCommand(panel, QStringLiteral("btnTotale"), QStringLiteral("Calcola totale  >>"),
                           QRect(totalX - 196, totalY, 190, 36));
    txtTotale = addLabel(panel, QStringLiteral("txtTotale"), QString(),
                         QRect(totalX, totalY, totalWidth, 36));
    txtTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtTotale->setFont(Fonts::font(Fonts::Family::verdana(), 14, true));
    txtTotale->setStyleSheet(QStringLiteral(
        "color: maroon; background-color: white; border: 1px solid #87CEEB; padding-right: 6px;"));
    chkDaSaldare = new QCheckBox(QStringLiteral("Da saldare"), panel);
    chkDaSaldare->setObjectName(QStringLiteral("chkDaSaldare"));
    chkDaSaldare->setFont(Fonts::caption());
    chkDaSaldare->setGeometry(rightX, totalY + 4, 160, 28);
    connect(btnTotale, &QPushButton::clicked, this, &TfrmRicevute::computeTotal);
    lblBollo = addLabel(panel, QStringLiteral("lblBollo"),
                        // No line break inside "77,47 €" or "2 €".
                        QStringLiteral("Importo superiore a 77,47\u00a0€: applicare una marca da "
                                       "bollo da 2\u00a0€ se l'importo non è esente."),
                        QRect(rightX, 542, amountX + amountWidth - rightX, 44));
    lblBollo->setWordWrap(true);
    lblBollo->setStyleSheet(QStringLiteral("color: maroon;"));
    lblBollo->hide();
}

void TfrmRicevute::buildPriceList(QWidget* panel) {
    addBackgroundPanel(panel, QStringLiteral("bkgListino"), QRect(2, 448, 404, 210));
    addHeading(panel, QStringLiteral("lblListino"), QStringLiteral("LISTINO PREZZI"),
               QRect(leftX, 452, leftWidth, 20));
    lstRecords =
        new PriceListBox(QStringLiteral("lstRecords"), PriceListBox::FittedLines::ToTheBox, panel);
    lstRecords->setGeometry(leftX, 476, leftWidth, 136);
    btnAggiungiVoce = addButton(panel, QStringLiteral("btnAggiungiVoce"),
                                QStringLiteral("Aggiungi voce selezionata a ricevuta"),
                                QRect(leftX, 618, leftWidth, 34));
    connect(btnAggiungiVoce, &QPushButton::clicked, this, &TfrmRicevute::addSelectedPriceItem);
}

void TfrmRicevute::chainKeys() {
    QList<QWidget*> enterChain(txtLavRigo.begin(), txtLavRigo.end());
    enterChain.append(QList<QWidget*>(txtCliRigo.begin(), txtCliRigo.end()));
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row)
        enterChain << txtDescrizione[row] << txtImporto[row];
    chainEnter(enterChain, EnterOrder::Ring);
    onEnter(txtNumRic, [this] { focusBox(txtData); });

    QList<QWidget*> tabOrder(txtLavRigo.begin(), txtLavRigo.end());
    tabOrder.append(QList<QWidget*>(txtCliRigo.begin(), txtCliRigo.end()));
    tabOrder << lstRecords << btnAggiungiVoce << txtNumRic << txtData;
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row)
        tabOrder << txtDescrizione[row] << txtImporto[row];
    tabOrder << btnTotale << chkDaSaldare;
    btnTotale->setFocusPolicy(Qt::TabFocus);
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void TfrmRicevute::addHints() {
    const QList<QPair<QWidget*, const char16_t*>> hints{
        {cmdNuovo, u"Prepara la schermata per la registrazione di una nuova ricevuta."},
        {cmdDuplica, u"Prepara la schermata per la registrazione di una nuova ricevuta "
                     u"duplicando i dati correnti."},
        {cmdSalva, u"Salva la ricevuta."},
        {cmdTrova, u"Trova una ricevuta in archivio."},
        {cmdAnteprima, u"Visualizza l'anteprima di stampa della ricevuta."},
        {cmdStampa, u"Stampa la ricevuta."},
        {cmdPrimo, u"Visualizza la prima ricevuta in archivio."},
        {cmdIndietro, u"Visualizza la ricevuta precedente in archivio."},
        {cmdAvanti, u"Visualizza la ricevuta successiva in archivio."},
        {cmdUltimo, u"Visualizza l'ultima ricevuta in archivio."},
        {cmdEsporta, u"Esporta le ricevute in archivio in un file di Microsoft Excel."},
        {cmdDaSaldare, u"Visualizza il riepilogo dei conti non ancora saldati."},
        {cmdGuida, u"Visualizza la guida in linea."},
        {cmdEsci, u"Esci dalla schermata di lavoro corrente."},
        {impCliente, u"Importa i dati dall'archivio anagrafico dei soci."},
        {impData, u"Inserisci la data corrente."},
        {impNumerazione, u"Imposta il numero iniziale per la numerazione automatica delle "
                         u"ricevute."},
        {btnTotale, u"Calcola il totale degli importi."},
        {chkDaSaldare, u"Spunta questa casella per indicare che la ricevuta si riferisce a un "
                       u"conto non ancora saldato."},
        {btnAggiungiVoce, u"Aggiungi la voce selezionata alla ricevuta corrente."},
    };
    for (const auto& [control, hint] : hints)
        hints_->addHint(control, QString::fromUtf16(hint));
}

// Panels that group the toolbar's buttons and the header's boxes, each emptying the hint line,
// over the whole work area's background.
void TfrmRicevute::addDecorations(QWidget* panel) {
    const auto background = [this](const QString& name, const QList<QWidget*>& group,
                                   int margin = 2) {
        hints_->addBackground(addPanelBehind(name, group, margin));
    };
    background(QStringLiteral("shpPulsanti02"), {cmdNuovo, cmdSalva});
    background(QStringLiteral("shpPulsanti03"), {cmdTrova, cmdStampa});
    background(QStringLiteral("shpRecord"), {cmdPrimo, cmdUltimo});
    background(QStringLiteral("shpPulsanti04"), {cmdEsporta, cmdDaSaldare});
    background(QStringLiteral("shpPulsanti05"), {cmdGuida, cmdEsci});
    QWidget* numberCaption = panel->findChild<QWidget*>(QStringLiteral("lblNumRic"));
    background(QStringLiteral("sfoNumRic"), {numberCaption, impNumerazione}, 3);
    background(QStringLiteral("bkgNumRic"), {txtNumRic, impNumerazione}, 1);
    background(QStringLiteral("bkgData"),
               {panel->findChild<QWidget*>(QStringLiteral("lblData")), impData}, 3);
    background(QStringLiteral("sfoDaSaldare"), {chkDaSaldare});
    // Lowest of all, as every panel made last.
    addBackgroundPanel(panel, QStringLiteral("shpSfondo"),
                       QRect(0, 48, ContainerSize.width(), 614));
    addBackgroundPanel(panel, QStringLiteral("shpContainer"), QRect(QPoint(0, 0), ContainerSize));
}

void TfrmRicevute::addBackgroundPanel(QWidget* parent, const QString& name, const QRect& where) {
    hints_->addBackground(addPanel(parent, name, where));
}

void TfrmRicevute::setYear(const QString& year) {
    filePath_ = receiptsArchivePath(trimBlanks(year).toInt());
    setWindowTitle(QStringLiteral(" Velarno - Emissione ricevute anno ") + trimBlanks(year));
}

QString TfrmRicevute::position() const {
    return lblPosizione->text();
}

void TfrmRicevute::setPosition(const QString& position) {
    lblPosizione->setText(position);
}

// The total never changes without the stamp reminder beside it following.
void TfrmRicevute::showTotal(const QString& total) {
    txtTotale->setText(total);
    lblBollo->setVisible(needsRevenueStamp(total));
}

void TfrmRicevute::resetTotal() {
    showTotal(notComputed);
}

QStringList TfrmRicevute::amounts() const {
    QStringList texts;
    for (const QLineEdit* amount : txtImporto)
        texts.append(amount->text());
    return texts;
}

void TfrmRicevute::computeTotal() {
    showTotal(receiptTotal(amounts()));
}

// What the show step cannot read (settings, price list) is simply left as it was.
void TfrmRicevute::onShow() {
    try {
        const auto lines = associationLines();
        for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
            txtLavRigo[line]->setText(lines[line]);
    } catch (const std::exception&) {
    }
    newReceipt();
    lstRecords->reload();
}

void TfrmRicevute::closeStep() {
    lstRecords->clear();
    std::array<QString, ReceiptRecord::HeaderLines> lines;
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
        lines[line] = trimBlanks(txtLavRigo[line]->text());
    try {
        storeAssociationLines(lines);
    } catch (const std::exception&) {
        // The main menu comes back all the same; the lines of the settings file stay.
    }
    flow().moveTo(Screen::Avvio, this);
}

std::optional<qint64> TfrmRicevute::receiptCount() {
    return storedRecordCount<ReceiptRecord>(filePath_);
}

// A failure is reported and the steps done before it stay done.
void TfrmRicevute::newReceipt() {
    QString start;
    try {
        start = numberingStartText();
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    const std::optional<qint64> count = receiptCount();
    tellStorageNotices(this);
    if (!count) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    for (QLineEdit* box : txtCliRigo)
        box->clear();
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        txtDescrizione[row]->clear();
        txtImporto[row]->clear();
    }
    resetTotal();
    setPosition(QString());
    chkDaSaldare->setChecked(false);
    const std::optional<QString> number = proposedReceiptNumber(start, *count);
    if (!number) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    txtNumRic->setText(*number);
    txtData->setText(dateText(today()));
    focusBox(txtCliRigo[0]);
}

void TfrmRicevute::duplicateReceipt() {
    if (position().isEmpty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: la duplicazione di una ricevuta può avvenire "
                                   "soltanto dopo che questa è stata inserita in archivio."));
        return;
    }
    txtNumRic->clear();
    txtData->setText(dateText(today()));
    setPosition(QString());
    if (!receiptCount()) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    focusBox(txtNumRic);
    showMessage(this, MessageKind::Information,
                QStringLiteral("E' ora possibile apportare le proprie modifiche alla ricevuta "
                               "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda "
                               "in archivio."));
}

ReceiptRecord TfrmRicevute::receiptOnScreen() const {
    ReceiptRecord receipt;
    receipt.NumRic = trimBlanks(txtNumRic->text());
    receipt.Data = trimBlanks(txtData->text());
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line) {
        receipt.LavRigo[line] = trimBlanks(txtLavRigo[line]->text());
        receipt.CliRigo[line] = trimBlanks(txtCliRigo[line]->text());
    }
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        receipt.Descrizione[row] = trimBlanks(txtDescrizione[row]->text());
        receipt.Importo[row] = trimBlanks(txtImporto[row]->text());
    }
    receipt.Totale = trimBlanks(txtTotale->text());
    receipt.DaSaldare = unsettledFlag(chkDaSaldare->isChecked());
    return receipt;
}

void TfrmRicevute::saveReceipt() {
    endEditing(btnFocus);
    if (const auto problem = receiptSaveProblem(receiptOnScreen())) {
        showMessage(this, MessageKind::Warning, problem->message);
        focusBox(container()->findChild<QLineEdit*>(problem->box));
        return;
    }
    computeTotal();
    storeReceiptOnScreen(true);
}

// The number is checked under the year file's lock, so no other copy stores it meanwhile.
// After a clash the user takes the first free number (checked again, another copy may take
// it first), keeps the typed one, or stops the save.
void TfrmRicevute::storeReceiptOnScreen(bool checkNumber) {
    const ReceiptRecord receipt = receiptOnScreen();
    const bool appended = position().isEmpty();
    std::optional<UsedReceiptNumber> used;
    RawRecordFile::StoreCheck numberIsFree;
    if (checkNumber) {
        const QString startText = numberingStartOrEmpty();
        numberIsFree = [&](RawRecordFile& file) {
            used = receiptNumberInUse(file, receipt.NumRic, position().toLongLong(), startText);
            return !used;
        };
    }
    const std::optional<qint64> stored =
        storeRecord(this, filePath_, receipt, position(), MessageKind::Warning, numberIsFree);
    if (stored) {
        setPosition(QString::number(*stored));
        reportRecordStored(this, appended);
        return;
    }
    if (!used)
        return; // the failure is already reported
    switch (askAboutUsedNumber(this, receipt.NumRic, *used)) {
    case UsedNumberChoice::TakeFree:
        txtNumRic->setText(*used->firstFree);
        storeReceiptOnScreen(true);
        return;
    case UsedNumberChoice::KeepTyped:
        storeReceiptOnScreen(false);
        return;
    case UsedNumberChoice::Cancel:
        focusBox(txtNumRic);
        return;
    }
}

void TfrmRicevute::showReceipt(const ReceiptRecord& receipt, qint64 position) {
    txtNumRic->setText(receipt.NumRic);
    txtData->setText(receipt.Data);
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line) {
        txtLavRigo[line]->setText(receipt.LavRigo[line]);
        txtCliRigo[line]->setText(receipt.CliRigo[line]);
    }
    for (int row = 0; row < ReceiptRecord::ItemRows; ++row) {
        txtDescrizione[row]->setText(receipt.Descrizione[row]);
        txtImporto[row]->setText(receipt.Importo[row]);
    }
    showTotal(receipt.Totale);
    if (const auto unsettled = unsettledFromFlag(receipt.DaSaldare))
        chkDaSaldare->setChecked(*unsettled);
    setPosition(QString::number(position));
}

bool TfrmRicevute::showStoredReceipt(qint64 position) {
    const auto receipt = readStoredRecord<ReceiptRecord>(this, filePath_, position);
    if (receipt)
        showReceipt(*receipt, position);
    return receipt.has_value();
}

void TfrmRicevute::setPayerLines(const std::array<QString, ReceiptRecord::HeaderLines>& lines) {
    for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
        txtCliRigo[line]->setText(lines[line]);
}

void TfrmRicevute::navigate(NavigationButton button) {
    navigateRecords<ReceiptRecord>(
        this, filePath_, button, position(),
        [this](qint64 position) { showStoredReceipt(position); },
        [this] { setPosition(QString()); });
}

void TfrmRicevute::addSelectedPriceItem() {
    const std::optional<QString> line = lstRecords->selectedLine();
    if (!line) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: selezionare una voce dall'elenco prima di premere "
                                   "il pulsante Aggiungi voce selezionata a ricevuta."));
        return;
    }
    resetTotal();
    QStringList descriptions;
    for (const QLineEdit* description : txtDescrizione)
        descriptions.append(description->text());
    const std::optional<int> row = firstFreeRow(descriptions, amounts());
    if (!row)
        return;
    txtDescrizione[*row]->setText(priceLineDescription(*line));
    txtImporto[*row]->setText(priceLinePrice(*line));
}
