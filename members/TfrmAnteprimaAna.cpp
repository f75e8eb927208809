#include "members/TfrmAnteprimaAna.h"

#include "ui/PrintPreview.h"

TfrmAnteprimaAna::TfrmAnteprimaAna(QWidget* opener)
    : MemberCardDialog(opener,
                       {QStringLiteral("TfrmAnteprimaAna"), QStringLiteral(" Anteprima di stampa"),
                        QStringLiteral("L'operazione mostra l'anteprima della scheda dei dati "
                                       "anagrafici del socio, con o senza la foto."),
                        QStringLiteral("Anteprima dati con foto."),
                        QStringLiteral("Anteprima dati senza foto."),
                        QStringLiteral("Premere Mostra anteprima per vedere il documento a video "
                                       "prima di stamparlo su carta."),
                        QStringLiteral("Mostra anteprima")}) {}

void TfrmAnteprimaAna::output(const Report& card) {
    previewReport(this, card);
}
