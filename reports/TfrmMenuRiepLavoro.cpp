#include "reports/TfrmMenuRiepLavoro.h"

#include "app/ScreenFlow.h"

TfrmMenuRiepLavoro::TfrmMenuRiepLavoro()
    : PersistentScreen(QStringLiteral("TfrmMenuRiepLavoro"),
                       QStringLiteral(" Velarno - Riepilogo Incassi"), Kind::Maximized) {}

void TfrmMenuRiepLavoro::closeStep() {
    ScreenFlow::moveTo(Screen::Avvio, this);
}
