#include "reports/TfrmMenuRiepLavoro.h"

#include "shell/ScreenFlow.h"

TfrmMenuRiepLavoro::TfrmMenuRiepLavoro(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmMenuRiepLavoro"),
                       QStringLiteral(" Velarno - Riepilogo Incassi"), Kind::Maximized) {}

void TfrmMenuRiepLavoro::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}
