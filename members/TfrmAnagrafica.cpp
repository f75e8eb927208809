#include "members/TfrmAnagrafica.h"

#include "members/MemberPhoto.h"
#include "members/MembersHelpText.h"
#include "members/PhotoBox.h"
#include "members/TfrmAllegaCartella.h"
#include "members/TfrmAnteprimaAna.h"
#include "members/TfrmCodFisc.h"
#include "members/TfrmExpAnagrafica.h"
#include "members/TfrmIban.h"
#include "members/TfrmImportaSoci.h"
#include "members/TfrmLibroSoci.h"
#include "members/TfrmPartitaIva.h"
#include "members/TfrmScadute.h"
#include "members/TfrmSospesi.h"
#include "members/TfrmStampaAna.h"
#include "members/TfrmTrovaAnagrafica.h"
#include "rules/Amounts.h"
#include "rules/MemberCard.h"
#include "rules/RecordNavigation.h"
#include "rules/ShellTargets.h"
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
#include "storage/TextCodec.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"
#include "ui/Shell.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int captionHeight = 22;
constexpr int boxHeight = 30;
constexpr int rowStep = 53;
constexpr int firstRowY = 52;
constexpr int photoX = 612;

int rowY(int row) {
    return firstRowY + row * rowStep;
}

// A caption over its box: the rectangle of the box of a row.
QRect boxInRow(int row, int x, int width) {
    return QRect(x, rowY(row) + captionHeight, width, boxHeight);
}

} // namespace

TfrmAnagrafica::TfrmAnagrafica(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmAnagrafica"),
                       QStringLiteral(" Velarno - Archivio Soci"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova scheda..."))) {
    QWidget* panel = container();
    auto* title = addLabel(panel, QStringLiteral("imgIntestazione"),
                           QStringLiteral("Archivio Soci"), QRect(15, 8, 585, 36));
    title->setFont(Fonts::font(Fonts::Family::verdana(), 18, true));
    setTextColour(title, Qt::white);
    hints_->addBackground(addPanel(panel, QStringLiteral("shpContainer"), QRect(8, 50, 600, 600)));
    hints_->addBackground(
        addPanel(panel, QStringLiteral("bkgPulsanti"), QRect(604, 330, 382, 320)));
    buildFields(panel);
    buildPhoto(panel);
    buildNavigation(panel);
    buildActions(panel);
    addDecorations(panel);
    btnFocus = addFocusSink(panel);
    addHints();
    bindEditorKeys(hints_, {btnSalva, btnNuovo, btnDuplica, btnTrova, btnStampa, cmdPrimo,
                            cmdIndietro, cmdAvanti, cmdUltimo, btnGuida});
    newCard();
}

void TfrmAnagrafica::buildFields(QWidget* panel) {
    using R = MemberRecord;
    txtDipendente = addField(panel, QStringLiteral("Dipendente"), QStringLiteral("Cognome e nome:"),
                             &R::Dipendente, 50, boxInRow(0, 15, 400));
    txtCittadinanza = addField(panel, QStringLiteral("Cittadinanza"), QStringLiteral("Tessera n."),
                               &R::Cittadinanza, 50, boxInRow(0, 425, 175));
    txtStipendio = addField(panel, QStringLiteral("Stipendio"), QStringLiteral("Quota: €"),
                            &R::Stipendio, 12, boxInRow(1, 15, 130));
    txtLuogo = addField(panel, QStringLiteral("Luogo"), QStringLiteral("Luogo di nascita:"),
                        &R::Luogo, 50, boxInRow(1, 155, 255));
    txtDataNasc = addField(panel, QStringLiteral("DataNasc"), QStringLiteral("Data di nascita:"),
                           &R::DataNasc, 10, boxInRow(1, 425, 175));
    txtCodFisc = addField(panel, QStringLiteral("CodFisc"), QStringLiteral("Codice fiscale:"),
                          &R::CodFisc, 16, boxInRow(2, 15, 240));
    txtPartitaIva = addField(panel, QStringLiteral("PartitaIva"), QStringLiteral("Partita IVA:"),
                             &R::PartitaIva, 11, boxInRow(2, 350, 160));
    txtIndirizzo = addField(panel, QStringLiteral("Indirizzo"),
                            QStringLiteral("Indirizzo di residenza e numero civico:"),
                            &R::Indirizzo, 120, boxInRow(3, 15, 585));
    txtCitta = addField(panel, QStringLiteral("Citta"), QStringLiteral("Città:"), &R::Citta, 50,
                        boxInRow(4, 15, 330));
    txtProv = addField(panel, QStringLiteral("Prov"), QStringLiteral("Prov."), &R::Prov, 2,
                       boxInRow(4, 355, 60));
    txtCap = addField(panel, QStringLiteral("Cap"), QStringLiteral("CAP:"), &R::Cap, 10,
                      boxInRow(4, 425, 175));
    txtQualifiche = addField(panel, QStringLiteral("Qualifiche"), QStringLiteral("Qualifiche:"),
                             &R::Qualifiche, 120, boxInRow(5, 15, 585));
    txtFamiliari = addField(panel, QStringLiteral("Familiari"),
                            QStringLiteral("Incarico ricoperto in Associazione:"), &R::Familiari,
                            250, boxInRow(6, 15, 585));
    txtIban = addField(panel, QStringLiteral("Iban"), QStringLiteral("IBAN:"), &R::Iban, 27,
                       boxInRow(7, 15, 420));
    txtNote = addField(panel, QStringLiteral("Note"), QStringLiteral("Note:"), &R::Note, 250,
                       boxInRow(8, 15, 585));
    txtDataSca = addField(panel, QStringLiteral("DataSca"), QStringLiteral("Scadenza abbonamento:"),
                          &R::DataSca, 10, boxInRow(9, 15, 150));
    txtPreavviso = addField(panel, QStringLiteral("Preavviso"), QStringLiteral("Giorni preavviso:"),
                            &R::Preavviso, 3, boxInRow(9, 265, 70));
    txtRecapito =
        addField(panel, QStringLiteral("Recapito"), QStringLiteral("Recapito telefonico:"),
                 &R::Recapito, 50, boxInRow(10, 15, 235));
    txtEmail = addField(panel, QStringLiteral("Email"), QStringLiteral("E-mail:"), &R::Email, 50,
                        boxInRow(10, 265, 245));

    filterKeys(txtStipendio, KeyFilter::Amount);
    onLeave(txtStipendio, [this] { txtStipendio->setText(normalizedPrice(txtStipendio->text())); });
    filterKeys(txtPartitaIva, KeyFilter::DigitsOnly);
    filterKeys(txtPreavviso, KeyFilter::DigitsOnly);
    for (QLineEdit* code : {txtCodFisc, txtProv, txtIban})
        rewriteWhileTyping(code, Rewrite::UpperTrimmed);
    rewriteWhileTyping(txtEmail, Rewrite::Trimmed);
    makeDateBox(txtDataSca, [this] { openDatePicker(); });
    chainEnter({txtDipendente, txtCittadinanza, txtStipendio, txtLuogo, txtDataNasc, txtCodFisc,
                txtPartitaIva, txtIndirizzo, txtCitta, txtProv, txtCap, txtQualifiche, txtFamiliari,
                txtIban, txtNote, txtDataSca},
               EnterOrder::Chain);
    chainEnter({txtPreavviso, txtRecapito, txtEmail, txtDipendente}, EnterOrder::Chain);

    btnCodFisc = addCommand(panel, QStringLiteral("btnCodFisc"), QStringLiteral("Verifica"),
                            boxInRow(2, 260, 80), nullptr);
    connect(btnCodFisc, &QPushButton::clicked, this,
            [this] { checkEditorTaxCode(this, trimBlanks(txtCodFisc->text())); });
    btnPartitaIva = addCommand(panel, QStringLiteral("btnPartitaIva"), QStringLiteral("Verifica"),
                               boxInRow(2, 520, 80), nullptr);
    connect(btnPartitaIva, &QPushButton::clicked, this,
            [this] { checkVatNumber(this, trimBlanks(txtPartitaIva->text())); });
    btnIban = addCommand(panel, QStringLiteral("btnIban"), QStringLiteral("Verifica"),
                         boxInRow(7, 445, 80), nullptr);
    connect(btnIban, &QPushButton::clicked, this,
            [this] { checkIban(this, trimBlanks(txtIban->text())); });
    btnEmail = addCommand(panel, QStringLiteral("btnEmail"), QStringLiteral("Scrivi"),
                          boxInRow(10, 520, 80), &TfrmAnagrafica::writeEmail);
    delDataSca = addCommand(panel, QStringLiteral("delDataSca"), QStringLiteral("✕"),
                            boxInRow(9, 170, 34), nullptr);
    connect(delDataSca, &QPushButton::clicked, txtDataSca, &QLineEdit::clear);

    for (int slot = 1; slot <= 6; ++slot) {
        const QString name = slot <= 3 ? QStringLiteral("lblFile") + twoDigits(slot)
                                       : QStringLiteral("lblDesc") + twoDigits(slot - 3);
        auto* label = new QLabel(panel);
        label->setObjectName(name);
        label->hide();
        attachmentLabels_.append(label);
    }
}

QLineEdit* TfrmAnagrafica::addField(QWidget* panel, const QString& field, const QString& caption,
                                    QString MemberRecord::*text, int capacity, const QRect& box) {
    const int captionWidth = qMax(box.width(), 240);
    addLabel(panel, QStringLiteral("lbl") + field, caption,
             QRect(box.x(), box.y() - captionHeight, captionWidth, captionHeight - 2));
    QLineEdit* edit = addEditBox(panel, QStringLiteral("txt") + field, box, Fonts::dataField());
    edit->setMaxLength(capacity);
    addFocusFrame(edit);
    fields_.append({edit, text});
    return edit;
}

void TfrmAnagrafica::buildPhoto(QWidget* panel) {
    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), panel);
    imgFoto->setGeometry(photoX, 52, PhotoBox::DesignSize.width(), PhotoBox::DesignSize.height());
    const auto photoButton = [&](const char16_t* name, const char16_t* text, int column, int row) {
        return addCommand(panel, QString::fromUtf16(name), QString::fromUtf16(text),
                          QRect(photoX + column * 124, 338 + row * 38, 118, 32), nullptr);
    };
    btnCaricaFoto = photoButton(u"btnCaricaFoto", u"Carica", 0, 0);
    btnAcquisisciFoto = photoButton(u"btnAcquisisciFoto", u"Webcam", 1, 0);
    btnSalvaFoto = photoButton(u"btnSalvaFoto", u"Salva foto", 2, 0);
    btnCancFoto = photoButton(u"btnCancFoto", u"Cancella", 0, 1);
    btnZoomFoto = photoButton(u"btnZoomFoto", u"Zoom", 1, 1);
    btnAllegati = photoButton(u"btnAllegati", u"Allegati", 2, 1);
    connect(btnCaricaFoto, &QPushButton::clicked, this,
            [this] { loadPhotoFromDisk(this, *imgFoto); });
    connect(btnAcquisisciFoto, &QPushButton::clicked, this,
            [this] { capturePhoto(this, *imgFoto); });
    connect(btnSalvaFoto, &QPushButton::clicked, this, [this] { savePhotoCopy(this, *imgFoto); });
    connect(btnCancFoto, &QPushButton::clicked, imgFoto, &PhotoBox::showPlaceholder);
    connect(btnZoomFoto, &QPushButton::clicked, this,
            [this] { zoomPhoto(this, imgFoto->picture()); });
    connect(btnAllegati, &QPushButton::clicked, this, &TfrmAnagrafica::openAttachments);
}

void TfrmAnagrafica::buildNavigation(QWidget* panel) {
    const int y = 420;
    cmdPrimo = addCommand(panel, QStringLiteral("cmdPrimo"), QStringLiteral("|◀"),
                          QRect(photoX, y, 56, 34), nullptr);
    cmdIndietro = addCommand(panel, QStringLiteral("cmdIndietro"), QStringLiteral("◀"),
                             QRect(photoX + 62, y, 56, 34), nullptr);
    lblPosizione =
        addLabel(panel, QStringLiteral("lblPosizione"), QString(), QRect(photoX + 124, y, 118, 34));
    stylePositionBox(lblPosizione);
    cmdAvanti = addCommand(panel, QStringLiteral("cmdAvanti"), QStringLiteral("▶"),
                           QRect(photoX + 248, y, 56, 34), nullptr);
    cmdUltimo = addCommand(panel, QStringLiteral("cmdUltimo"), QStringLiteral("▶|"),
                           QRect(photoX + 310, y, 56, 34), nullptr);
    connect(cmdPrimo, &QPushButton::clicked, this, [this] { navigate(NavigationButton::First); });
    connect(cmdIndietro, &QPushButton::clicked, this,
            [this] { navigate(NavigationButton::Previous); });
    connect(cmdAvanti, &QPushButton::clicked, this, [this] { navigate(NavigationButton::Next); });
    connect(cmdUltimo, &QPushButton::clicked, this, [this] { navigate(NavigationButton::Last); });
}

// Panels that group the card's sections, each emptying the hint line, and the two pictures the
// screen keeps unseen: the decoration and the placeholder photo.
void TfrmAnagrafica::addDecorations(QWidget* panel) {
    const auto controls = [panel](std::initializer_list<const char16_t*> names) {
        QList<QWidget*> group;
        for (const char16_t* name : names)
            group.append(panel->findChild<QWidget*>(QString::fromUtf16(name)));
        return group;
    };
    const auto background = [this](const QString& name, const QList<QWidget*>& group,
                                   int margin = 3) {
        hints_->addBackground(addPanelBehind(name, group, margin));
    };
    background(QStringLiteral("shpSezione01"), controls({u"lblDipendente", u"txtEmail"}), 6);
    background(QStringLiteral("bkgSfondo01"), controls({u"lblDipendente", u"txtCap"}));
    background(QStringLiteral("bkgSfondo02"), controls({u"lblQualifiche", u"txtNote"}));
    background(QStringLiteral("bkgDataSca"),
               controls({u"lblDataSca", u"txtDataSca", u"delDataSca"}));
    background(QStringLiteral("bkgDataPag"), controls({u"lblPreavviso", u"txtPreavviso"}));
    background(QStringLiteral("bkgTimbro"), controls({u"lblRecapito", u"btnEmail"}));
    background(QStringLiteral("shpFoto"), {imgFoto});
    background(QStringLiteral("shpRecord"), {cmdPrimo, cmdUltimo}, 4);
    background(QStringLiteral("shpInfo"), {lblPosizione}, 2);
    background(QStringLiteral("shpNuovo"), {btnNuovo, btnEsci, btnImportaSoci}, 4);

    auto* decoration = addLabel(panel, QStringLiteral("imgDecoro"), QString(),
                                QRect(photoX, 8, PhotoBox::DesignSize.width(), 36));
    decoration->hide();
    hints_->addBackground(decoration);
    addHiddenPicture(panel, QStringLiteral("imgBianco"), placeholderPhoto());
}

void TfrmAnagrafica::buildActions(QWidget* panel) {
    const auto at = [](int column, int row) {
        return QRect(photoX + column * 124, 462 + row * 38, 118, 32);
    };
    btnNuovo = addCommand(panel, QStringLiteral("btnNuovo"), QStringLiteral("Nuovo"), at(0, 0),
                          &TfrmAnagrafica::newCard);
    btnDuplica = addCommand(panel, QStringLiteral("btnDuplica"), QStringLiteral("Duplica"),
                            at(1, 0), &TfrmAnagrafica::duplicateCard);
    btnSalva = addCommand(panel, QStringLiteral("btnSalva"), QStringLiteral("Salva"), at(2, 0),
                          &TfrmAnagrafica::saveCard);
    btnTrova =
        addCommand(panel, QStringLiteral("btnTrova"), QStringLiteral("Trova"), at(0, 1), nullptr);
    btnScadenze = addCommand(panel, QStringLiteral("btnScadenze"), QStringLiteral("In scadenza"),
                             at(1, 1), nullptr);
    btnScaduti = addCommand(panel, QStringLiteral("btnScaduti"), QStringLiteral("Scaduti"),
                            at(2, 1), nullptr);
    const MemberOpener openMember = [this](qint64 position) { showStoredMember(position); };
    connect(btnTrova, &QPushButton::clicked, this,
            [this, openMember] { findMemberToEdit(this, openMember); });
    connect(btnScadenze, &QPushButton::clicked, this, [this, openMember] {
        run_dialog<TfrmSospesi>(this, [&](TfrmSospesi& list) { list.setMemberOpener(openMember); });
    });
    connect(btnScaduti, &QPushButton::clicked, this, [this, openMember] {
        run_dialog<TfrmScadute>(this, [&](TfrmScadute& list) { list.setMemberOpener(openMember); });
    });
    btnAnteprima = addCommand(panel, QStringLiteral("btnAnteprima"), QStringLiteral("Anteprima"),
                              at(0, 2), nullptr);
    btnStampa =
        addCommand(panel, QStringLiteral("btnStampa"), QStringLiteral("Stampa"), at(1, 2), nullptr);
    btnEsporta = addCommand(panel, QStringLiteral("btnEsporta"), QStringLiteral("Esporta"),
                            at(2, 2), nullptr);
    const auto handCard = [this](MemberCardDialog& card) {
        card.setMember(cardOnScreen(), imgFoto->picture());
    };
    connect(btnAnteprima, &QPushButton::clicked, this,
            [this, handCard] { run_dialog<TfrmAnteprimaAna>(this, handCard); });
    connect(btnStampa, &QPushButton::clicked, this,
            [this, handCard] { run_dialog<TfrmStampaAna>(this, handCard); });
    connect(btnEsporta, &QPushButton::clicked, this, [this] { exportMembers(this); });
    btnGuida =
        addCommand(panel, QStringLiteral("btnGuida"), QStringLiteral("Guida"), at(0, 3), nullptr);
    connect(btnGuida, &QPushButton::clicked, this,
            [this] { showHelp(this, membersHelpTitle(), membersHelpText()); });
    btnLibroSoci = addCommand(panel, QStringLiteral("btnLibroSoci"), QStringLiteral("Libro soci"),
                              at(1, 3), nullptr);
    connect(btnLibroSoci, &QPushButton::clicked, this, [this] { run_dialog<TfrmLibroSoci>(this); });
    btnImportaSoci = addCommand(panel, QStringLiteral("btnImportaSoci"),
                                QStringLiteral("Importa..."), at(1, 4), nullptr);
    connect(btnImportaSoci, &QPushButton::clicked, this,
            [this] { run_dialog<TfrmImportaSoci>(this); });
    btnEsci =
        addCommand(panel, QStringLiteral("btnEsci"), QStringLiteral("Esci"), at(2, 3), nullptr);
    connect(btnEsci, &QPushButton::clicked, this, &QWidget::close);
}

QPushButton* TfrmAnagrafica::addCommand(QWidget* panel, const QString& name, const QString& text,
                                        const QRect& where, void (TfrmAnagrafica::*action)()) {
    QPushButton* button = addButton(panel, name, text, where);
    button->setFocusPolicy(Qt::NoFocus); // a click never takes the focus from the box typed in
    if (action)
        connect(button, &QPushButton::clicked, this, action);
    return button;
}

void TfrmAnagrafica::addHints() {
    const QList<QPair<QWidget*, const char16_t*>> hints{
        {cmdPrimo, u"Visualizza la prima scheda in archivio."},
        {cmdIndietro, u"Visualizza la scheda precedente in archivio."},
        {cmdAvanti, u"Visualizza la scheda successiva in archivio."},
        {cmdUltimo, u"Visualizza l'ultima scheda in archivio."},
        {btnNuovo, u"Prepara la schermata per l'inserimento di una nuova scheda."},
        {btnDuplica, u"Prepara la schermata per l'inserimento di una nuova scheda duplicando i "
                     u"dati correnti."},
        {btnSalva, u"Salva la scheda corrente in archivio."},
        {btnTrova, u"Trova una scheda in archivio."},
        {btnScadenze, u"Visualizza il riepilogo dei soci con abbonamenti in scadenza o scaduti."},
        {btnScaduti, u"Visualizza il riepilogo dei soci con abbonamenti scaduti."},
        {btnAnteprima, u"Visualizza l'anteprima di stampa."},
        {btnStampa, u"Stampa la scheda corrente."},
        {btnEsporta, u"Esporta l'archivio in un foglio di Microsoft Excel."},
        {btnLibroSoci, u"Stampa o esporta il libro soci a una data."},
        {btnImportaSoci, u"Importa i soci da un file CSV salvato da un foglio di calcolo."},
        {btnAllegati, u"Allega file alla scheda corrente."},
        {btnCodFisc, u"Controlla il codice fiscale."},
        {btnPartitaIva, u"Controlla il numero di partita IVA."},
        {btnIban, u"Controlla l'IBAN."},
        {btnEmail, u"Invia una e-mail all'indirizzo indicato."},
        {btnCaricaFoto, u"Carica una foto esistente."},
        {btnAcquisisciFoto, u"Acquisisci la foto da WebCam."},
        {btnSalvaFoto, u"Salva la foto su disco."},
        {btnCancFoto, u"Cancella la foto."},
        {btnZoomFoto, u"Visualizza la foto nelle sue dimensioni reali."},
        {delDataSca, u"Cancella la data."},
        {txtDataSca, u"Fai clic su questo campo e premi un tasto qualsiasi per importare una data "
                     u"dal calendario."},
        {btnGuida, u"Visualizza la pagina della guida sensibile al contesto."},
        {btnEsci, u"Esci da questa schermata di lavoro."},
    };
    for (const auto& [control, hint] : hints)
        hints_->addHint(control, QString::fromUtf16(hint));
    hints_->addBackground(imgFoto);
}

void TfrmAnagrafica::onShow() {
    newCard();
}

void TfrmAnagrafica::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}

QString TfrmAnagrafica::position() const {
    return lblPosizione->text();
}

MemberAttachments TfrmAnagrafica::attachments() const {
    MemberAttachments attachments;
    for (int slot = 0; slot < MemberAttachments::SlotCount; ++slot) {
        attachments.files[slot] = attachmentLabels_[slot]->text();
        attachments.descriptions[slot] = attachmentLabels_[slot + 3]->text();
    }
    return attachments;
}

void TfrmAnagrafica::setAttachments(const MemberAttachments& attachments) {
    for (int slot = 0; slot < MemberAttachments::SlotCount; ++slot) {
        attachmentLabels_[slot]->setText(trimBlanks(attachments.files[slot]));
        attachmentLabels_[slot + 3]->setText(trimBlanks(attachments.descriptions[slot]));
    }
}

void TfrmAnagrafica::setPosition(const QString& position) {
    lblPosizione->setText(position);
}

MemberRecord TfrmAnagrafica::cardOnScreen() const {
    MemberRecord card;
    for (const Field& field : fields_)
        card.*field.text = trimBlanks(field.box->text());
    const MemberAttachments attached = attachments();
    card.File = attached.files;
    card.Desc = attached.descriptions;
    return card;
}

void TfrmAnagrafica::showCard(const MemberRecord& card, const QString& position) {
    for (const Field& field : fields_)
        field.box->setText(trimBlanks(card.*field.text));
    setAttachments({card.File, card.Desc});
    setPosition(position);
}

void TfrmAnagrafica::newCard() {
    showCard(newMemberCard(), QString());
    imgFoto->showPlaceholder();
    focusBox(txtDipendente);
}

void TfrmAnagrafica::duplicateCard() {
    if (position().isEmpty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire "
                                   "soltanto dopo che questa è stata inserita in archivio."));
        return;
    }
    setAttachments({});
    setPosition(QString());
    imgFoto->showPlaceholder();
    focusBox(txtDipendente);
    showMessage(this, MessageKind::Information,
                QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                               "corrente.\n\r\n\rAl termine premere Salva per inserire la scheda "
                               "in archivio."));
}

bool TfrmAnagrafica::showStoredMember(qint64 position) {
    const auto card = readStoredRecord<MemberRecord>(this, membersArchivePath(), position);
    if (!card)
        return false;
    showCard(*card, QString::number(position));
    LoadMemberPhoto(*imgFoto, this->position());
    return true;
}

void TfrmAnagrafica::navigate(NavigationButton button) {
    navigateRecords<MemberRecord>(
        this, membersArchivePath(), button, position(),
        [this](qint64 position) { showStoredMember(position); },
        [this] { setPosition(QString()); });
}

void TfrmAnagrafica::saveCard() {
    endEditing(btnFocus);
    if (trimBlanks(txtPreavviso->text()).isEmpty())
        txtPreavviso->setText(QStringLiteral("0"));
    const MemberRecord card = cardOnScreen();
    if (const auto problem = memberSaveProblem(card)) {
        showMessage(this,
                    problem->kind == CardProblem::Kind::Plain ? MessageKind::Plain
                                                              : MessageKind::Warning,
                    problem->message);
        focusBox(container()->findChild<QLineEdit*>(problem->box));
        return;
    }
    const bool appended = position().isEmpty();
    const std::optional<qint64> stored =
        storeRecord(this, membersArchivePath(), card, position(), MessageKind::Error);
    if (!stored)
        return;
    setPosition(QString::number(*stored));
    if (!StoreMemberPhoto(*imgFoto, position()))
        showMessage(this, MessageKind::Warning, photoNotStoredMessage());
    reportRecordStored(this, appended);
}

void TfrmAnagrafica::openDatePicker() {
    pickDate(this, QStringLiteral("datasca"), txtDataSca);
}

void TfrmAnagrafica::openAttachments() {
    editAttachments(this, attachments(),
                    [this](const MemberAttachments& chosen) { setAttachments(chosen); });
}

void TfrmAnagrafica::writeEmail() {
    openNewMessage(mailtoAddress(trimBlanks(txtEmail->text())));
}
