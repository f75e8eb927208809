#include "members/MembersExportHelpText.h"

#include "shell/ExportHelpText.h"

QString membersExportHelpText() {
    return spreadsheetExportHelpText(QStringLiteral(
        "Il pulsante Esporta archivio consente di esportare le schede anagrafiche dei soci in un "
        "foglio di lavoro di Microsoft Excel, il file Soci.xls nella cartella del programma. "
        "L'elenco mostra tutte le schede in archivio, una per riga; i dati delle colonne Quota "
        "associativa, Data di nascita, Codice fiscale, CAP, IBAN, Scadenza abbonamento ed E-mail "
        "si possono correggere direttamente nell'elenco prima di esportarli: le correzioni "
        "valgono soltanto per il file di Excel e non modificano l'archivio."));
}
