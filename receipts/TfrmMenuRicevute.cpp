#include "receipts/TfrmMenuRicevute.h"

#include "shell/ScreenFlow.h"
#include "storage/TextCodec.h"

namespace {
const QString toMainMenu = QStringLiteral("avvio");
}

TfrmMenuRicevute::TfrmMenuRicevute(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmMenuRicevute"),
                       QStringLiteral(" Velarno - Emissione Ricevute"), Kind::Maximized),
      returnTo_(toMainMenu) {}

void TfrmMenuRicevute::closeTowards(const QString& marker) {
    returnTo_ = marker;
    close();
}

void TfrmMenuRicevute::onShow() {
    returnTo_ = toMainMenu;
}

void TfrmMenuRicevute::closeStep() {
    const QString marker = trimBlanks(returnTo_);
    Screen target = Screen::Avvio;
    if (marker == QStringLiteral("ricevute"))
        target = Screen::Ricevute;
    else if (marker == QStringLiteral("statistiche"))
        target = Screen::Statistiche;
    flow().moveTo(target, this);
}
