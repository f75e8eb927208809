#include "receipts/TfrmRicevute.h"

#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"

TfrmRicevute::TfrmRicevute(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmRicevute"),
                       QStringLiteral(" Velarno - Emissione ricevute"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova ricevuta..."))) {}

// Back to the main menu, not to the receipts menu.
void TfrmRicevute::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}

void TfrmRicevute::setYear(const QString& year) {
    filePath_ = receiptsArchivePath(trimBlanks(year).toInt());
    setWindowTitle(QStringLiteral(" Velarno - Emissione ricevute anno ") + trimBlanks(year));
}
