#include "reports/TfrmStatistiche.h"

#include "app/HintLine.h"
#include "app/ScreenFlow.h"

TfrmStatistiche::TfrmStatistiche()
    : PersistentScreen(QStringLiteral("TfrmStatistiche"),
                       QStringLiteral(" Velarno - Statistiche Incassi"), Kind::Maximized),
      hints_(addHintLine(this, QStringLiteral("Grafico statistico degli incassi annuali."))) {}

void TfrmStatistiche::closeStep() {
    ScreenFlow::moveTo(Screen::Avvio, this);
}
