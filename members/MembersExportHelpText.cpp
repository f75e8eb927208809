#include "members/MembersExportHelpText.h"

QString spreadsheetExportHelpText(const QString& firstParagraph) {
    const QString paragraphEnd = QStringLiteral("\r\n\r\n");
    return firstParagraph + paragraphEnd +
           QStringLiteral("Facendo clic sull'icona di Excel il file viene creato immediatamente "
                          "nella cartella del programma; al termine dell'esportazione il "
                          "programma chiede se si vuole aprirlo subito con Microsoft Excel.") +
           paragraphEnd +
           QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso "
                          "assegnandogli un nome qualsiasi.") +
           paragraphEnd;
}

QString membersExportHelpText() {
    return spreadsheetExportHelpText(QStringLiteral(
        "Il pulsante Esporta archivio consente di esportare le schede anagrafiche dei soci in un "
        "foglio di lavoro di Microsoft Excel, il file Soci.xls nella cartella del programma. "
        "L'elenco mostra tutte le schede in archivio, una per riga; i dati delle colonne Quota "
        "associativa, Data di nascita, Codice fiscale, CAP, IBAN, Scadenza abbonamento ed E-mail "
        "si possono correggere direttamente nell'elenco prima di esportarli: le correzioni "
        "valgono soltanto per il file di Excel e non modificano l'archivio."));
}
