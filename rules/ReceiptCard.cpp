#include "rules/ReceiptCard.h"

#include "storage/TextCodec.h"

std::optional<ReceiptProblem> receiptSaveProblem(const ReceiptRecord& receipt) {
    const QString needed = QStringLiteral("Attenzione: per salvare la ricevuta è necessario ");
    const struct {
        const QString& text;
        const char16_t* box;
        const char16_t* what;
    } mandatory[] = {
        {receipt.NumRic, u"txtNumRic", u"indicare il numero progressivo assegnato al documento."},
        {receipt.Data, u"txtData", u"indicare la data di emissione."},
        {receipt.Descrizione[0], u"txtDescrizione01",
         u"compilare il primo campo della descrizione dei servizi forniti."},
        {receipt.LavRigo[0], u"txtLavRigo01", u"indicare la denominazione dell'associazione."},
        {receipt.CliRigo[0], u"txtCliRigo01", u"indicare il nome del cliente."},
    };
    for (const auto& field : mandatory) {
        if (trimBlanks(field.text).isEmpty())
            return ReceiptProblem{QString::fromUtf16(field.box),
                                  needed + QString::fromUtf16(field.what)};
    }
    return std::nullopt;
}

QString unsettledFlag(bool unsettled) {
    return unsettled ? QStringLiteral("Sì") : QStringLiteral("No");
}

std::optional<bool> unsettledFromFlag(const QString& flag) {
    if (flag == QStringLiteral("Sì"))
        return true;
    if (flag == QStringLiteral("No"))
        return false;
    return std::nullopt;
}
