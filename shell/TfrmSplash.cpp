#include "shell/TfrmSplash.h"

#include "shell/Controls.h"
#include "shell/Maker.h"
#include "shell/TextLink.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QLabel>
#include <QPushButton>

TfrmSplash::TfrmSplash(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmSplash"),
                  QStringLiteral(" Velarno - ") + Maker::name(), QSize(520, 410)) {
    auto* splash =
        new Picture(QStringLiteral("imgSplash"), QStringLiteral(":/pictures/splash.svg"), this);
    splash->setGeometry(20, 15, 480, 300);
    auto* imgWeb =
        new Picture(QStringLiteral("imgWeb"), QStringLiteral(":/pictures/web.svg"), this);
    imgWeb->setGeometry(20, 330, 32, 32);
    lnkWeb = addLabel(this, QStringLiteral("lnkWeb"), Maker::webSite(), QRect(60, 334, 300, 24));
    makeTextLink(lnkWeb, imgWeb, [] { open_with_shell(Maker::webSite()); });
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(380, 360, 120, 34));
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}
