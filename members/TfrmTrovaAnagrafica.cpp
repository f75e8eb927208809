#include "members/TfrmTrovaAnagrafica.h"

#include "rules/MemberLists.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/ErrorMessages.h"
#include "shell/Fonts.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

const QString editorMarker = QStringLiteral("anagrafica");
const QString receiptMarker = QStringLiteral("ricevute");

constexpr int margin = 16;
constexpr int captionWidth = 310;
constexpr int boxX = margin + captionWidth + 8;
constexpr int boxWidth = 846 - boxX;
constexpr int firstRowY = 96;
constexpr int rowStep = 38;
constexpr int boxHeight = 30;

QFont instructionFont() {
    return Fonts::font(Fonts::Family::verdana(), 9, false);
}

} // namespace

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(QWidget* opener)
    : MemberListDialog(opener, {QStringLiteral("TfrmTrovaAnagrafica"),
                                QStringLiteral(" Trova soci in archivio"),
                                QStringLiteral("Riepilogo soci in archivio"),
                                SummaryListModel::Order::Sorted, true}) {
    lblTrovate =
        addLabel(panContainer, QStringLiteral("lblTrovate"), QString(), QRect(margin, 10, 830, 24));
    lblTrovate->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    lstRecords->setGeometry(margin, 40, 830, 346);
    panContainer->hide();
    buildCriteria();
}

void TfrmTrovaAnagrafica::buildCriteria() {
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    panAvvio->setGeometry(rect());
    const QList<QPair<const char16_t*, QRect>> instructions{
        {u"Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
         u"trovare e premere il pulsante Cerca.",
         QRect(margin, 10, 830, 36)},
        {u"Lasciare in bianco tutti gli altri campi.", QRect(margin, 48, 830, 18)},
        {u"Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente.",
         QRect(margin, 68, 830, 18)},
    };
    for (int i = 0; i < instructions.size(); ++i) {
        QLabel* label = addLabel(panAvvio, QStringLiteral("lblIstruzioni") + twoDigits(i + 1),
                                 QString::fromUtf16(instructions[i].first), instructions[i].second);
        label->setFont(instructionFont());
        label->setWordWrap(true);
    }

    txtDipendente = addCriterion(QStringLiteral("Dipendente"), QStringLiteral("Cognome e nome:"),
                                 MemberFields::Dipendente);
    txtCittadinanza = addCriterion(QStringLiteral("Cittadinanza"), QStringLiteral("Tessera n."),
                                   MemberFields::Cittadinanza);
    txtLuogo = addCriterion(QStringLiteral("Luogo"), QStringLiteral("Luogo di nascita:"),
                            MemberFields::Luogo);
    txtDataNasc =
        addCriterion(QStringLiteral("DataNasc"), QStringLiteral("Data di nascita (gg/mm/aaaa):"),
                     MemberFields::DataNasc);
    txtCodFisc = addCriterion(QStringLiteral("CodFisc"), QStringLiteral("Codice fiscale:"),
                              MemberFields::CodFisc);
    txtPartitaIva = addCriterion(QStringLiteral("PartitaIva"), QStringLiteral("Partita IVA:"),
                                 MemberFields::PartitaIva);
    txtCitta = addCriterion(QStringLiteral("Citta"), QStringLiteral("Città di residenza:"),
                            MemberFields::Citta);
    txtQualifiche = addCriterion(QStringLiteral("Qualifiche"), QStringLiteral("Qualifiche:"),
                                 MemberFields::Qualifiche);
    txtFamiliari = addCriterion(QStringLiteral("Familiari"), QStringLiteral("Incarico ricoperto:"),
                                MemberFields::Familiari);
    txtNote = addCriterion(QStringLiteral("Note"), QStringLiteral("Note:"), MemberFields::Note);

    QList<QWidget*> order;
    for (const Criterion& criterion : criteria_)
        order.append(criterion.box);
    chainEnter(order, EnterOrder::Ring);
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    lblAttendere = addLabel(panAvvio, QStringLiteral("lblAttendere"),
                            QStringLiteral("Ricerca schede in corso. Attendere..."),
                            QRect(margin, 480, 560, 22));
    setTextColour(lblAttendere, Qt::red);
    lblAttendere->hide();
    btnCerca = addButton(panAvvio, QStringLiteral("btnCerca"), QStringLiteral("Cerca"),
                         QRect(616, 508, 110, 32));
    btnAnnulla = addButton(panAvvio, QStringLiteral("btnAnnulla"), QStringLiteral("Chiudi"),
                           QRect(736, 508, 110, 32));
    connect(btnCerca, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaAnagrafica::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

QLineEdit* TfrmTrovaAnagrafica::addCriterion(const QString& field, const QString& caption,
                                             FieldSpec searched) {
    const int y = firstRowY + int(criteria_.size()) * rowStep;
    QLabel* label = addLabel(panAvvio, QStringLiteral("lbl") + field, caption,
                             QRect(margin, y, captionWidth, boxHeight));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLineEdit* box = addEditBox(panAvvio, QStringLiteral("txt") + field,
                                QRect(boxX, y, boxWidth, boxHeight), Fonts::dataField());
    addFocusFrame(box)->setObjectName(QStringLiteral("effCampo") +
                                      twoDigits(int(criteria_.size()) + 1));
    criteria_.append({box, searched});
    return box;
}

void TfrmTrovaAnagrafica::buildList() {
    panContainer->hide();
    panAvvio->show();
    focusBox(txtDipendente);
}

void TfrmTrovaAnagrafica::search() {
    std::vector<MemberCriterion> typed;
    for (const Criterion& criterion : criteria_)
        typed.push_back({criterion.field, criterion.box->text()});
    const MemberSearch memberSearch(typed);
    ListScan result = scanWithProgress(lblAttendere->text(), [&](const ScanProgress& progress) {
        return searchMembers(membersArchivePath(), memberSearch, progress);
    });
    if (result.failed) {
        lblAttendere->hide();
        showMessage(this, MessageKind::Plain, archiveAccessMessage());
        return;
    }
    lblAttendere->hide();
    if (result.cancelled)
        return; // the criteria stay, for another try
    lblTrovate->setText(
        QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(result.entries.size()));
    panAvvio->hide();
    panContainer->show();
    txtTrova->clear();
    showEntries(std::move(result.entries), result.skippedRecords);
}

void TfrmTrovaAnagrafica::openEntry(const ListEntry& entry) {
    if (returnTo == editorMarker)
        MemberListDialog::openEntry(entry);
    else if (returnTo == receiptMarker)
        fillPayerLinesFrom(entry.position);
}

void TfrmTrovaAnagrafica::fillPayerLinesFrom(qint64 position) {
    MemberRecord member;
    try {
        RecordFile<MemberRecord> archive;
        archive.openOrCreate(membersArchivePath());
        archive.seek(position - 1);
        member = archive.read();
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error, archiveAccessMessage());
        return;
    }
    if (fillPayerLines_)
        fillPayerLines_(payerLinesOf(member));
}

void TfrmTrovaAnagrafica::done(int result) {
    lblAttendere->hide();
    MemberListDialog::done(result);
}

void findMemberToEdit(QWidget* editor, const MemberOpener& openMember) {
    run_dialog<TfrmTrovaAnagrafica>(editor, [&](TfrmTrovaAnagrafica& search) {
        search.returnTo = editorMarker;
        search.setMemberOpener(openMember);
    });
}

void findMemberAsPayer(QWidget* opener, const PayerLinesFill& fillPayerLines) {
    run_dialog<TfrmTrovaAnagrafica>(opener, [&](TfrmTrovaAnagrafica& search) {
        search.returnTo = receiptMarker;
        search.setPayerLinesFill(fillPayerLines);
    });
}
