#include "reports/StatisticsHelpText.h"

#include <QStringView>

namespace {

// In the order in which the help window shows them.
const char16_t* const paragraphs[] = {
    u"L'applicazione Statistiche Incassi consente di visualizzare e stampare grafici statistici "
    u"sulle entrate mensili in base alle ricevute emesse ai soci o ai clienti dell'Associazione "
    u"nell'anno solare selezionato. Si può scegliere tra un grafico a torta e un grafico a barre "
    u"tridimensionali; i totali di ciascun mese sono arrotondati all'euro.",

    u"Per visualizzare il grafico si indica l'anno solare con quattro cifre e si preme Apri: il "
    u"programma somma, mese per mese, i totali delle ricevute emesse in quell'anno, comprese "
    u"quelle ancora da saldare. Le ricevute che riportano la data di un altro anno non sono "
    u"conteggiate; quelle illeggibili o con una data o un totale non validi sono tralasciate e "
    u"un avviso finale ne indica il numero.",

    u"Il grafico mostra dodici barre, una per ciascun mese da Gennaio a Dicembre, ognuna con il "
    u"proprio colore e con l'importo incassato indicato sopra di essa. Il pulsante Visualizza "
    u"grafico a torta mostra gli stessi importi come spicchi di una torta tridimensionale; il "
    u"pulsante Visualizza grafico a barre riporta il grafico a barre.",

    u"Il pulsante Stampa grafico stampa il grafico così come è visualizzato, a barre o a torta, "
    u"su un foglio orizzontale: dopo la conferma si indica il numero di copie da stampare e si "
    u"sceglie la stampante. Il pulsante Esci riporta al menu principale.",
};

} // namespace

QString statisticsHelpText() {
    QString text;
    for (const char16_t* paragraph : paragraphs) {
        text += QStringView(paragraph);
        text += QStringLiteral("\r\n\r\n");
    }
    return text;
}
