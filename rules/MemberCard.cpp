#include "rules/MemberCard.h"

#include "rules/TextRules.h"
#include "storage/TextCodec.h"

MemberRecord newMemberCard() {
    MemberRecord card;
    card.Stipendio = QStringLiteral("0,00");
    card.Preavviso = QStringLiteral("0");
    return card;
}

std::optional<CardProblem> memberSaveProblem(const MemberRecord& card) {
    const QString missing =
        QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
    if (trimBlanks(card.Dipendente).isEmpty())
        return CardProblem{QStringLiteral("txtDipendente"),
                           missing + QStringLiteral("cognome e nome del socio.")};
    if (trimBlanks(card.Stipendio).isEmpty())
        return CardProblem{QStringLiteral("txtStipendio"),
                           missing + QStringLiteral("l'importo della quota associativa.")};
    const QString expiry = trimBlanks(card.DataSca);
    if (expiry.isEmpty())
        return CardProblem{QStringLiteral("txtDataSca"),
                           missing + QStringLiteral("la data di scadenza dell'abbonamento.")};
    if (!dateFromText(expiry).isValid())
        return CardProblem{QStringLiteral("txtDataSca"),
                           QStringLiteral("Attenzione: la data di scadenza ") + expiry +
                               QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è "
                                              "necessario indicare una data valida nel formato "
                                              "gg/mm/aaaa."),
                           CardProblem::Kind::Plain};
    return std::nullopt;
}
