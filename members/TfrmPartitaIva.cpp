#include "members/TfrmPartitaIva.h"

#include "rules/VatNumberCheck.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "ui/DialogRunner.h"

#include <QLineEdit>

namespace {

QString validMessage(const VatNumberResult& result) {
    const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.");
    // A number can be right and still carry a code that names no office: say so, rather than
    // leave the sentence about the office without its name.
    if (result.officeName.isEmpty())
        return valid + QStringLiteral("\r\n\r\nIl codice ") + result.officeCode +
               QStringLiteral(" dell'Ufficio IVA che lo ha rilasciato non corrisponde ad alcun "
                              "ufficio conosciuto.");
    return valid + QStringLiteral("\r\n\r\nE' stato rilasciato dall'Ufficio IVA del Comune di ") +
           result.officeName + QLatin1Char('.');
}

} // namespace

TfrmPartitaIva::TfrmPartitaIva(QWidget* opener)
    : CheckWindow(opener,
                  {QStringLiteral("TfrmPartitaIva"), QStringLiteral(" Controllo partita IVA"),
                   QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di "
                                  "controllo."),
                   QStringLiteral("txtPartitaIva"), VatNumberLength, Fonts::dataField(), false}),
      txtPartitaIva(codeBox()) {
    filterKeys(txtPartitaIva, KeyFilter::DigitsOnly);
}

void TfrmPartitaIva::check() {
    const VatNumberResult result = vatNumberVerdict(txtPartitaIva->text());
    switch (result.verdict) {
    case VatVerdict::WrongLength:
        refuseLength(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 "
                                    "caratteri numerici."));
        return;
    case VatVerdict::Valid:
        reportAndClose(MessageKind::Information, validMessage(result));
        return;
    case VatVerdict::Wrong:
        reportAndClose(MessageKind::Warning,
                       QStringLiteral("Attenzione: il numero di partita IVA digitato risulta "
                                      "ERRATO!\r\n\r\nNon è quindi possibile fornire "
                                      "informazioni relative all'Ufficio IVA che lo ha "
                                      "rilasciato."));
        return;
    }
}

void checkVatNumber(QWidget* opener, const QString& number) {
    run_dialog<TfrmPartitaIva>(opener, [&](TfrmPartitaIva& window) { window.putCode(number); });
}
