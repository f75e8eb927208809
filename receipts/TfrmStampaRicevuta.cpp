#include "receipts/TfrmStampaRicevuta.h"

#include "ui/Report.h"

TfrmStampaRicevuta::TfrmStampaRicevuta(QWidget* opener)
    : ReceiptSheetDialog(
          opener,
          {QStringLiteral("TfrmStampaRicevuta"), QStringLiteral(" Stampa ricevuta corrente"),
           QStringLiteral("Stampa ricevuta"),
           QStringLiteral("La ricevuta corrente verrà stampata su carta con i dati inseriti."),
           QStringLiteral("Premere Stampa per avviare la stampa oppure Annulla per rinunciare."),
           QStringLiteral("Stampa")}) {}

void TfrmStampaRicevuta::output(const Report& sheet) {
    printReport(this, sheet);
}
