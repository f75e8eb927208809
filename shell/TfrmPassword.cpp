#include "shell/TfrmPassword.h"

#include "rules/PasswordStore.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/ScreenFlow.h"
#include "storage/TextCodec.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"

#include <QLineEdit>
#include <QPushButton>

TfrmPassword::TfrmPassword(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmPassword"),
                       QStringLiteral(" Velarno - Accesso"), Kind::Compact) {
    setFixedSize(470, 230);
    QWidget* panel = container();
    auto* picture =
        new Picture(QStringLiteral("imgLogin"), QStringLiteral(":/pictures/login.svg"), panel);
    picture->setGeometry(20, 30, 96, 96);
    addLabel(panel, QStringLiteral("lblPassword"),
             QStringLiteral("Immetti la password e premi OK."), QRect(140, 30, 320, 24));
    txtPassword = addEditBox(panel, QStringLiteral("txtPassword"), QRect(144, 70, 300, 34),
                             Fonts::passwordField());
    txtPassword->setEchoMode(QLineEdit::Password);
    addFocusFrame(txtPassword);
    cmdOK =
        addButton(panel, QStringLiteral("cmdOK"), QStringLiteral("OK"), QRect(144, 125, 95, 32));
    cmdOK->setEnabled(false);
    cmdEsci = addButton(panel, QStringLiteral("cmdEsci"), QStringLiteral("Esci"),
                        QRect(249, 125, 95, 32));
    btnCambiaPassword = addButton(panel, QStringLiteral("btnCambiaPassword"),
                                  QStringLiteral("Cambia password"), QRect(144, 175, 200, 32));

    onTyping(txtPassword, [this] { updateOkButton(); });
    onEnter(txtPassword, [this] { submit(); });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::submit);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCambiaPassword, &QPushButton::clicked, this,
            [this] { flow().moveTo(Screen::CambiaPassword, this); });
}

void TfrmPassword::clearPassword() {
    txtPassword->clear();
}

void TfrmPassword::onShow() {
    focusBox(txtPassword);
}

void TfrmPassword::closeStep() {
    flow().terminate();
}

void TfrmPassword::updateOkButton() {
    cmdOK->setEnabled(!trimBlanks(txtPassword->text()).isEmpty());
}

void TfrmPassword::submit() {
    if (trimBlanks(txtPassword->text()).isEmpty())
        return;
    const std::optional<QString> stored = readStoredPasswordFor(this);
    if (!stored)
        return;
    if (matchesStoredPassword(txtPassword->text(), *stored)) {
        clearPassword(); // the password does not linger in the hidden window
        flow().moveTo(Screen::Avvio, this);
        return;
    }
    showMessage(this, MessageKind::Plain, QStringLiteral("Attenzione: password errata."));
    txtPassword->clear();
    focusBox(txtPassword);
}

std::optional<QString> readStoredPasswordFor(QWidget* screen) {
    try {
        return readStoredPassword();
    } catch (const std::exception&) {
        showMessage(screen, MessageKind::Plain,
                    QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                   "lettura della password. Si consiglia di reinstallare il "
                                   "software."));
        return std::nullopt;
    }
}
