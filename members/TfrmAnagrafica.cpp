#include "members/TfrmAnagrafica.h"

#include "app/HintLine.h"
#include "app/ScreenFlow.h"

TfrmAnagrafica::TfrmAnagrafica()
    : PersistentScreen(QStringLiteral("TfrmAnagrafica"), QStringLiteral(" Velarno - Archivio Soci"),
                       Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Pronto per archiviare una nuova scheda..."))) {}

void TfrmAnagrafica::closeStep() {
    ScreenFlow::moveTo(Screen::Avvio, this);
}
