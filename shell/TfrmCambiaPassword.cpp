#include "shell/TfrmCambiaPassword.h"

#include "rules/PasswordStore.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmPassword.h"
#include "storage/TextCodec.h"
#include "ui/MessageBox.h"

#include <QLineEdit>
#include <QPushButton>

namespace {
// Room for the longest caption in Verdana Bold and in DejaVu Sans Bold, its Linux stand-in.
constexpr int captionWidth = 260;
constexpr int fieldX = 290;
constexpr int fieldWidth = 260;

QLineEdit* addPasswordField(QWidget* panel, const QString& name, int y) {
    QLineEdit* box =
        addEditBox(panel, name, QRect(fieldX, y, fieldWidth, 34), Fonts::passwordField());
    box->setEchoMode(QLineEdit::Password);
    addFocusFrame(box);
    return box;
}
} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmCambiaPassword"),
                       QStringLiteral(" Cambia password"), Kind::Compact) {
    setFixedSize(fieldX + fieldWidth + 30, 250);
    QWidget* panel = container();
    addLabel(panel, QStringLiteral("lblPasswordOld"), QStringLiteral("Vecchia password:"),
             QRect(20, 30, captionWidth, 24));
    txtPasswordOld = addPasswordField(panel, QStringLiteral("txtPasswordOld"), 25);
    addLabel(panel, QStringLiteral("lblPasswordNew"), QStringLiteral("Nuova password:"),
             QRect(20, 80, captionWidth, 24));
    txtPasswordNew = addPasswordField(panel, QStringLiteral("txtPasswordNew"), 75);
    addLabel(panel, QStringLiteral("lblConferma"), QStringLiteral("Conferma nuova password:"),
             QRect(20, 130, captionWidth, 24));
    txtConferma = addPasswordField(panel, QStringLiteral("txtConferma"), 125);
    cmdOK = addButton(panel, QStringLiteral("cmdOK"), QStringLiteral("OK"),
                      QRect(fieldX, 190, 120, 32));
    cmdOK->setEnabled(false);
    cmdEsci = addButton(panel, QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"),
                        QRect(fieldX + fieldWidth - 120, 190, 120, 32));

    for (QLineEdit* box : {txtPasswordOld, txtPasswordNew, txtConferma})
        onTyping(box, [this] { updateOkButton(); });
    chainEnter({txtPasswordOld, txtPasswordNew, txtConferma}, EnterOrder::Ring);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::submit);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmCambiaPassword::onShow() {
    txtPasswordOld->clear();
    txtPasswordNew->clear();
    txtConferma->clear();
    focusBox(txtPasswordOld);
}

void TfrmCambiaPassword::closeStep() {
    flow().screen<TfrmPassword>(Screen::Password).clearPassword();
    flow().moveTo(Screen::Password, this);
}

void TfrmCambiaPassword::updateOkButton() {
    const bool allTyped = !trimBlanks(txtPasswordOld->text()).isEmpty() &&
                          !trimBlanks(txtPasswordNew->text()).isEmpty() &&
                          !trimBlanks(txtConferma->text()).isEmpty();
    cmdOK->setEnabled(allTyped);
}

void TfrmCambiaPassword::restartNewPassword(const QString& message) {
    showMessage(this, MessageKind::Plain, message);
    txtPasswordNew->clear();
    txtConferma->clear();
    focusBox(txtPasswordNew);
}

void TfrmCambiaPassword::submit() {
    const std::optional<QString> stored = readStoredPasswordFor(this);
    if (!stored)
        return;
    if (!matchesStoredPassword(txtPasswordOld->text(), *stored)) {
        showMessage(this, MessageKind::Plain,
                    QStringLiteral("Attenzione: vecchia password errata."));
        txtPasswordOld->clear();
        focusBox(txtPasswordOld);
        return;
    }
    // Compared as typed: a confirmation in another letter case is a different word.
    if (trimBlanks(txtPasswordNew->text()) != trimBlanks(txtConferma->text())) {
        restartNewPassword(QStringLiteral(
            "Attenzione: la nuova password non è stata confermata correttamente. E' necessario "
            "reinserire entrambi i valori."));
        return;
    }
    if (const auto problem = newPasswordProblem(txtPasswordNew->text())) {
        restartNewPassword(*problem);
        return;
    }
    try {
        storePassword(txtPasswordNew->text());
    } catch (const std::exception&) {
        showMessage(this, MessageKind::Plain,
                    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                   "modifica della password. Si consiglia di reinstallare il "
                                   "software."));
        return;
    }
    showMessage(this, MessageKind::Plain,
                QStringLiteral("Modifica della password completata con successo."));
    close();
}
