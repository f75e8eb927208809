#include "reports/TfrmStatistiche.h"

#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"

TfrmStatistiche::TfrmStatistiche(ScreenFlow& screenFlow)
    : PersistentScreen(screenFlow, QStringLiteral("TfrmStatistiche"),
                       QStringLiteral(" Velarno - Statistiche Incassi"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Grafico statistico degli incassi annuali."))) {}

void TfrmStatistiche::closeStep() {
    flow().moveTo(Screen::Avvio, this);
}
