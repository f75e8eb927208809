#include "reports/IncomeSummaryHelpText.h"

#include <QStringView>

namespace {

// In the order in which the help window shows them.
const char16_t* const paragraphs[] = {
    u"L'applicazione Riepilogo Incassi consente di ottenere un estratto conto degli incassi "
    u"percepiti in base alle ricevute rilasciate ai soci o clienti in un qualsiasi intervallo di "
    u"tempo utilizzando come filtro di ricerca i dati del pagatore indicati nel primo rigo della "
    u"ricevuta.",

    u"Per ottenere il riepilogo degli incassi relativi a un certo intervallo di tempo è "
    u"sufficiente indicare l'anno solare di interesse con quattro cifre, scegliere dagli elenchi "
    u"a cascata il giorno e il mese di inizio e di fine dell'intervallo e premere il pulsante "
    u"Visualizza riepilogo. Le due date appartengono sempre all'anno indicato. Per limitare il "
    u"riepilogo a un socio o cliente se ne scrivono i dati, anche solo in parte (per esempio il "
    u"cognome), come compaiono nel primo rigo delle ricevute.",

    u"L'estratto conto che si ottiene visualizza un elenco di tutti gli incassi percepiti nel "
    u"periodo specificato, una riga per ricevuta con il numero, la data di emissione, il "
    u"pagatore, il primo servizio e il totale, in ordine di numero; sono comprese anche le "
    u"ricevute ancora da saldare. In alto compaiono il socio o cliente cercato e l'intervallo "
    u"selezionato, a destra il totale degli importi incassati. Per trovare una voce si scrive "
    u"una parola nella casella in basso e si preme Trova; premendo di nuovo Trova si passa alla "
    u"voce successiva che la contiene. Le ricevute illeggibili o con una data o un totale non "
    u"validi sono tralasciate e un avviso ne indica il numero.",

    u"Per ottenere il riepilogo di tutte le ricevute emesse a tutti i soci o clienti "
    u"nell'intervallo di tempo indicato, basta lasciare in bianco i campi di ricerca. Il "
    u"pulsante Stampa riepilogo, dopo la conferma e la scelta della stampante, stampa l'elenco "
    u"seguito dall'intervallo selezionato e dal totale degli importi incassati. Il pulsante Esci "
    u"riporta alla scelta dell'intervallo.",
};

} // namespace

QString incomeSummaryHelpText() {
    QString text;
    for (const char16_t* paragraph : paragraphs) {
        text += QStringView(paragraph);
        text += QStringLiteral("\r\n\r\n");
    }
    return text;
}
