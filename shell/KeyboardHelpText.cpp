#include "shell/KeyboardHelpText.h"

namespace {

const char16_t* const kParagraphs[] = {
    u"Tutte le operazioni di Velarno si possono eseguire anche dalla tastiera, senza usare il "
    u"mouse.",

    u"Nel menu principale il tasto Tab e i tasti freccia spostano la selezione tra le immagini "
    u"delle tre applicazioni, Archivio soci, Emissione ricevute e Riepilogo incassi, e tra le "
    u"icone in basso; l'immagine selezionata è circondata da una cornice. Invio o la barra "
    u"spaziatrice aprono ciò che si aprirebbe facendo clic sull'immagine.",

    u"Nelle schermate Archivio Soci ed Emissione Ricevute i tasti seguenti eseguono i comandi dei "
    u"pulsanti, anche mentre si scrive in un campo: Ctrl+S salva; Ctrl+N prepara una nuova "
    u"scheda o ricevuta; Ctrl+D duplica quella corrente; Ctrl+F apre la ricerca; Ctrl+P apre la "
    u"stampa; Pag Su e Pag Giù mostrano la scheda o la ricevuta precedente e quella successiva; "
    u"Ctrl+Inizio e Ctrl+Fine mostrano la prima e l'ultima in archivio; F1 apre la guida. Il "
    u"suggerimento che compare in basso quando il mouse passa su un pulsante ne indica anche il "
    u"tasto.",

    u"Nei campi il tasto Invio passa al campo successivo e il tasto Tab al controllo successivo. "
    u"In ogni finestra di dialogo il tasto Esc equivale al pulsante Annulla o Chiudi, dove "
    u"presente.",
};

} // namespace

QString keyboardHelpText() {
    QString text;
    for (const char16_t* paragraph : kParagraphs)
        text += QString::fromUtf16(paragraph) + QStringLiteral("\r\n\r\n");
    return text;
}
