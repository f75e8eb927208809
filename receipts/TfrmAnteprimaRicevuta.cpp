#include "receipts/TfrmAnteprimaRicevuta.h"

#include "ui/PrintPreview.h"

TfrmAnteprimaRicevuta::TfrmAnteprimaRicevuta(QWidget* opener)
    : ReceiptSheetDialog(
          opener,
          {QStringLiteral("TfrmAnteprimaRicevuta"), QStringLiteral(" Anteprima di stampa"),
           QStringLiteral("Anteprima di stampa"),
           QStringLiteral("I dati che compariranno in stampa vengono mostrati in anteprima."),
           QStringLiteral("Fare clic su Mostra anteprima per vedere il documento a video prima "
                          "di stamparlo su carta."),
           QStringLiteral("Mostra anteprima")}) {}

void TfrmAnteprimaRicevuta::output(const Report& sheet) {
    previewReport(this, sheet);
}
