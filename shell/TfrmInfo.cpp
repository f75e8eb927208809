#include "shell/TfrmInfo.h"

#include "shell/Controls.h"
#include "shell/Maker.h"
#include "shell/TextLink.h"
#include "shell/TfrmRipristino.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QLabel>
#include <QPushButton>

TfrmInfo::TfrmInfo(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmInfo"), QStringLiteral(" Informazioni su Velarno"),
                  QSize(400, 330)) {
    auto* title = new Picture(QStringLiteral("imgTitolo"),
                              QStringLiteral(":/pictures/info_titolo.svg"), this);
    title->setGeometry(20, 15, 360, 70);
    auto* details = new Picture(QStringLiteral("imgDettagli"),
                                QStringLiteral(":/pictures/info_dettagli.svg"), this);
    details->setGeometry(20, 95, 360, 120);
    auto* imgEmail =
        new Picture(QStringLiteral("imgEmail"), QStringLiteral(":/pictures/email.svg"), this);
    imgEmail->setGeometry(20, 228, 32, 32);
    lnkWeb = addLabel(this, QStringLiteral("lnkWeb"), Maker::email(), QRect(60, 232, 320, 24));
    makeTextLink(lnkWeb, imgEmail, [] { open_with_shell(makerEmailTarget()); });
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(260, 280, 120, 34));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
    btnCopie = addButton(this, QStringLiteral("btnCopie"), QStringLiteral("Copie di sicurezza"),
                         QRect(20, 280, 200, 34));
    btnCopie->setToolTip(QStringLiteral("Ripristina una copia di sicurezza"));
    connect(btnCopie, &QPushButton::clicked, this, [this] { run_dialog<TfrmRipristino>(this); });
}

QString makerEmailTarget() {
    return QStringLiteral("\"mailto:") + Maker::email() +
           QStringLiteral("?subject=Software Velarno&body=Salve, desidererei avere le seguenti "
                          "informazioni sul software in oggetto:\"");
}
