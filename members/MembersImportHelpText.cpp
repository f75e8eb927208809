#include "members/MembersImportHelpText.h"

QString membersImportHelpText() {
    const QString paragraphEnd = QStringLiteral("\r\n\r\n");
    return QStringLiteral(
               "La finestra Importa soci aggiunge all'archivio i soci elencati in un file CSV, "
               "il formato che ogni foglio di calcolo sa salvare (in Microsoft Excel: Salva con "
               "nome, CSV). La prima riga del file deve contenere i nomi delle colonne, ogni "
               "riga successiva un socio.") +
           paragraphEnd +
           QStringLiteral(
               "Scelto il file con il pulsante Scegli file, il programma riconosce da solo il "
               "separatore delle colonne, punto e virgola o virgola, e la codifica dei "
               "caratteri, UTF-8 o Windows-1252, e mostra le prime righe del file. Se "
               "l'anteprima non appare corretta, ad esempio con le lettere accentate sbagliate, "
               "basta cambiare il separatore o la codifica.") +
           paragraphEnd +
           QStringLiteral(
               "Per ogni colonna del file si indica il campo della scheda in cui importarla; il "
               "programma lo propone in base al nome della colonna. Le colonne che non servono "
               "si lasciano su (non importare). La colonna del cognome e nome è obbligatoria.") +
           paragraphEnd +
           QStringLiteral(
               "Il pulsante Importa controlla ogni riga con le stesse regole della scheda: il "
               "cognome e nome non può mancare, la scadenza dell'abbonamento deve essere una data "
               "valida nel formato gg/mm/aaaa oppure vuota, la quota viene scritta come nella "
               "scheda. Prima di procedere il programma indica quanti soci saranno aggiunti e "
               "quante righe saranno scartate.") +
           paragraphEnd +
           QStringLiteral(
               "I soci vengono aggiunti tutti insieme: se la scrittura non riesce, l'archivio "
               "resta com'era e nessun socio viene aggiunto. Le righe scartate sono elencate con "
               "il loro numero nel file e il motivo; il pulsante Salva resoconto le scrive in un "
               "file di testo, così da correggerle nel foglio di calcolo.") +
           paragraphEnd;
}
