#include "members/TfrmPromemoria.h"

#include "rules/ShellTargets.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "storage/TextCodec.h"
#include "ui/Shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString defaultSubject = QStringLiteral("Promemoria: rinnovo dell'abbonamento");
const QString defaultText =
    QStringLiteral("Gentile socio,\n\nle ricordiamo che il suo abbonamento all'associazione è in "
                   "scadenza o è già scaduto. La invitiamo a rinnovarlo al più presto presso la "
                   "segreteria, così da continuare a partecipare alle nostre attività.\n\n"
                   "Cordiali saluti.");

} // namespace

TfrmPromemoria::TfrmPromemoria(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmPromemoria"), QStringLiteral(" Promemoria e-mail"),
                  QSize(600, 510)) {
    const QFont textFont = Fonts::font(Fonts::Family::verdana(), 10, false);
    lblOggetto = addLabel(this, QStringLiteral("lblOggetto"), QStringLiteral("Oggetto:"),
                          QRect(20, 12, 560, 26));
    txtOggetto = addEditBox(this, QStringLiteral("txtOggetto"), QRect(20, 40, 560, 30), textFont);
    txtOggetto->setText(defaultSubject);
    lblTesto = addLabel(this, QStringLiteral("lblTesto"), QStringLiteral("Testo del messaggio:"),
                        QRect(20, 78, 560, 26));
    txtTesto = new QPlainTextEdit(defaultText, this);
    txtTesto->setObjectName(QStringLiteral("txtTesto"));
    txtTesto->setFont(textFont);
    txtTesto->setGeometry(20, 106, 560, 170);
    txtTesto->setTabChangesFocus(true);
    lblSenzaEmail =
        addLabel(this, QStringLiteral("lblSenzaEmail"),
                 QStringLiteral("Soci senza indirizzo e-mail valido:"), QRect(20, 284, 560, 26));
    lstSenzaEmail = new QListWidget(this);
    lstSenzaEmail->setObjectName(QStringLiteral("lstSenzaEmail"));
    lstSenzaEmail->setFont(textFont);
    lstSenzaEmail->setGeometry(20, 312, 560, 100);
    lstSenzaEmail->setFocusPolicy(Qt::NoFocus);
    lstSenzaEmail->setSelectionMode(QAbstractItemView::NoSelection);
    btnApriEmail = addButton(this, QStringLiteral("btnApriEmail"), QStringLiteral("Apri e-mail"),
                             QRect(300, 426, 135, 34));
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(445, 426, 135, 34));

    HintLine* hints =
        addHintLine(this, this, QStringLiteral("Promemoria via e-mail ai soci selezionati."));
    hints->addHint(txtOggetto, QStringLiteral("L'oggetto del messaggio, modificabile."));
    // Over a scrolled text the mouse is over its viewport.
    hints->addHint(txtTesto->viewport(),
                   QStringLiteral("Il testo del messaggio, modificabile prima dell'invio."));
    hints->addHint(lstSenzaEmail->viewport(),
                   QStringLiteral("Questi soci non riceveranno il messaggio."));
    hints->addHint(btnApriEmail,
                   QStringLiteral("Apre il programma di posta con i soci in copia nascosta."));
    hints->addHint(btnAnnulla, QStringLiteral("Chiude la finestra senza scrivere il messaggio."));

    onEnter(txtOggetto, [this] { focusBox(txtTesto); });
    setTabOrder(txtOggetto, txtTesto);
    setTabOrder(txtTesto, btnApriEmail);
    setTabOrder(btnApriEmail, btnAnnulla);
    connect(btnApriEmail, &QPushButton::clicked, this, &TfrmPromemoria::openMessage);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    focusBox(txtOggetto);
}

void TfrmPromemoria::setMembers(const QList<MemberRecord>& members) {
    addresses_.clear();
    for (const MemberRecord& member : members)
        addresses_.append(member.Email);
    lstSenzaEmail->clear();
    const QList<int> leftOut = mailtoBcc(addresses_, {}, {}).leftOut;
    for (const int index : leftOut)
        lstSenzaEmail->addItem(members[index].Dipendente);
    btnApriEmail->setEnabled(leftOut.size() < members.size());
}

void TfrmPromemoria::openMessage() {
    openNewMessage(
        mailtoBcc(addresses_, trimBlanks(txtOggetto->text()), trimBlanks(txtTesto->toPlainText()))
            .url);
    accept();
}
