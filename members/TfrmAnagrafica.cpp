#include "members/TfrmAnagrafica.h"

#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"

TfrmAnagrafica::TfrmAnagrafica(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmAnagrafica"),
                       QStringLiteral(" Velarno - Archivio Soci"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova scheda..."))) {}

void TfrmAnagrafica::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}
