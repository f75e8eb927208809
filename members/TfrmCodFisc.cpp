#include "members/TfrmCodFisc.h"

#include "members/TfrmPartitaIva.h"
#include "rules/TaxCodeCheck.h"
#include "shell/Fonts.h"
#include "storage/TextCodec.h"
#include "ui/DialogRunner.h"

#include <QLineEdit>

TfrmCodFisc::TfrmCodFisc(QWidget* opener)
    : CheckWindow(opener,
                  {QStringLiteral("TfrmCodFisc"), QStringLiteral(" Controllo codice fiscale"),
                   QStringLiteral("Immettere il codice fiscale e premere il pulsante di "
                                  "controllo."),
                   QStringLiteral("txtCodFisc"), TaxCodeLength,
                   Fonts::font(Fonts::Family::courierNew(), 20, true), true}),
      txtCodFisc(codeBox()) {}

void TfrmCodFisc::check() {
    switch (taxCodeVerdict(txtCodFisc->text())) {
    case TaxCodeVerdict::WrongLength:
        refuseLength(QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 "
                                    "caratteri alfanumerici."));
        return;
    case TaxCodeVerdict::Valid:
        reportAndClose(MessageKind::Information,
                       QStringLiteral("Il codice fiscale digitato è VALIDO."));
        return;
    case TaxCodeVerdict::Wrong:
        reportAndClose(MessageKind::Warning,
                       QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
        return;
    }
}

void checkTaxCode(QWidget* opener, const QString& code) {
    run_dialog<TfrmCodFisc>(opener, [&](TfrmCodFisc& window) { window.putCode(code); });
}

void checkEditorTaxCode(QWidget* opener, const QString& editorText) {
    const QString code = trimBlanks(editorText);
    switch (windowForTaxCode(code)) {
    case TaxCodeWindow::VatNumber:
        checkVatNumber(opener, code);
        return;
    case TaxCodeWindow::TaxCode:
        checkTaxCode(opener, code);
        return;
    }
}
