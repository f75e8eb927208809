#include "members/TfrmStampaAna.h"

TfrmStampaAna::TfrmStampaAna(QWidget* opener)
    : MemberCardDialog(opener,
                       {QStringLiteral("TfrmStampaAna"), QStringLiteral(" Stampa scheda"),
                        QStringLiteral("L'operazione stampa la scheda dei dati anagrafici del "
                                       "socio, con o senza la foto."),
                        QStringLiteral("Stampa dati con foto."),
                        QStringLiteral("Stampa dati senza foto."),
                        QStringLiteral("Premere Stampa per avviare la stampa su carta oppure "
                                       "Annulla per rinunciare."),
                        QStringLiteral("Stampa")}) {}

void TfrmStampaAna::output(const Report& card) {
    printReport(this, card);
}
