#include "members/TfrmIban.h"

#include "rules/IbanCheck.h"
#include "shell/Fonts.h"
#include "ui/DialogRunner.h"

#include <QLineEdit>

TfrmIban::TfrmIban(QWidget* opener)
    : CheckWindow(opener, {QStringLiteral("TfrmIban"), QStringLiteral(" Controllo IBAN"),
                           QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                           QStringLiteral("txtIban"), IbanLength,
                           Fonts::font(Fonts::Family::courierNew(), 20, true), true}),
      txtIban(codeBox()) {}

void TfrmIban::check() {
    switch (ibanVerdict(txtIban->text())) {
    case IbanVerdict::WrongLength:
        refuseLength(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri "
                                    "alfanumerici."));
        return;
    case IbanVerdict::Valid:
        reportAndClose(MessageKind::Information, QStringLiteral("L'IBAN digitato è VALIDO."));
        return;
    case IbanVerdict::Wrong:
        reportAndClose(MessageKind::Warning,
                       QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
        return;
    }
}

void checkIban(QWidget* opener, const QString& iban) {
    run_dialog<TfrmIban>(opener, [&](TfrmIban& window) { window.putCode(iban); });
}
