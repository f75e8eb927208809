#include "receipts/ReceiptsExportHelpText.h"

#include "shell/ExportHelpText.h"

QString receiptsExportHelpText() {
    return spreadsheetExportHelpText(QStringLiteral(
        "Il pulsante Esporta archivio consente di esportare tutte le ricevute emesse in un anno "
        "solare in un foglio di Microsoft Excel, il file Riepilogo_Ricevute.xls nella cartella "
        "del programma. L'elenco mostra le ricevute dell'anno aperto nella finestra di emissione "
        "delle ricevute: per esportare un altro anno lo si apre prima dal menu delle ricevute. I "
        "dati delle colonne Data emissione, Dati cliente (rigo 5), da Servizio fornito 5 a "
        "Servizio fornito 14, Totale ricevuta e Da saldare si possono correggere nell'elenco "
        "prima di esportarli: le correzioni valgono soltanto per il file di Excel e non "
        "modificano le ricevute in archivio."));
}
