#include "receipts/TfrmRicevute.h"

#include "app/HintLine.h"
#include "app/ScreenFlow.h"

TfrmRicevute::TfrmRicevute()
    : PersistentScreen(QStringLiteral("TfrmRicevute"),
                       QStringLiteral(" Velarno - Emissione ricevute"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova ricevuta..."))) {}

// Back to the main menu, not to the receipts menu.
void TfrmRicevute::closeStep() {
    ScreenFlow::moveTo(Screen::Avvio, this);
}
