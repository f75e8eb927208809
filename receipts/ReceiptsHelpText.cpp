#include "receipts/ReceiptsHelpText.h"

#include <QStringView>

namespace {

// In the order in which the help window shows them.
const char16_t* const paragraphs[] = {
    u"L'applicazione Emissione Ricevute permette la compilazione, l'archiviazione e la stampa "
    u"in duplice copia su foglio A4 di ricevute non fiscali da rilasciare ai soci o ai clienti "
    u"della propria associazione.",

    u"Le ricevute sono conservate in archivi annuali: ogni anno solare ha il proprio archivio, "
    u"all'interno del quale le ricevute vengono numerate automaticamente. Il primo passo è "
    u"quindi la scelta dell'anno: nel menu Emissione ricevute si indica l'anno nel campo Anno, "
    u"con quattro cifre (il programma propone l'anno in corso), e si preme Apri. Se l'archivio "
    u"di quell'anno non esiste ancora, viene creato automaticamente. Per lavorare su un altro "
    u"anno si esce dalla schermata di lavoro e si rientra nell'applicazione indicandolo.",

    u"Il pulsante Listino prezzi del menu apre la gestione del listino dei prodotti e dei "
    u"servizi offerti dall'associazione. Si scrivono la descrizione e il prezzo unitario e si "
    u"preme Aggiungi all'elenco; le voci vengono ordinate alfabeticamente. Per togliere una voce "
    u"la si seleziona e si preme Elimina voce selezionata, mentre Stampa listino stampa "
    u"l'elenco. Le modifiche vengono registrate premendo Salva e chiudi; Chiudi senza salvare "
    u"le abbandona.",

    u"Aperto l'anno, la schermata di lavoro presenta una nuova ricevuta, già numerata e con la "
    u"data odierna. Si compilano i dati del socio o cliente e le righe con le descrizioni dei "
    u"prodotti o servizi forniti e i relativi importi, fino a quattordici voci, e si preme "
    u"Salva: la ricevuta viene inserita nell'archivio dell'anno. Per salvare sono necessari il "
    u"numero, la data, la prima descrizione, il primo rigo dei dati dell'associazione e il "
    u"primo rigo dei dati del socio o cliente; il totale viene ricalcolato a ogni salvataggio. "
    u"Il pulsante Nuovo prepara poi una nuova ricevuta. Per modificare una ricevuta già "
    u"archiviata la si richiama con le frecce di scorrimento o con Trova, si apportano le "
    u"modifiche e si preme di nuovo Salva: la ricevuta viene aggiornata al suo posto.",

    u"Il pulsante Nuovo numera la ricevuta contando quelle già presenti nell'archivio "
    u"dell'anno: la numerazione parte da 1, per cui la prima ricevuta dell'anno riceve il numero "
    u"1, la seconda il 2 e così via. Per proseguire una numerazione iniziata altrove, ad esempio "
    u"su carta, il pulsante contrassegnato da N., accanto al numero della ricevuta, permette di "
    u"impostare un numero iniziale più alto. Il nuovo valore vale per tutti gli anni e si "
    u"applica dalla successiva pressione di Nuovo: il numero già presente sullo schermo non "
    u"cambia. Il numero proposto può sempre essere corretto a mano.",

    u"Con la funzione Imposta logo Ditta, il collegamento del menu Emissione ricevute, si sceglie "
    u"il logo dell'associazione che viene stampato su entrambe le copie di ogni ricevuta: "
    u"un'immagine in formato Jpeg o Bitmap, preferibilmente di 297 x 184 pixel (le immagini di "
    u"altre dimensioni vengono adattate mantenendo le proporzioni). Nella stessa finestra si può "
    u"tornare al logo predefinito oppure togliere il logo; la scelta viene registrata con "
    u"Applica e chiudi e vale dalla stampa successiva.",

    u"I dati dell'associazione si scrivono nei cinque righi della sezione DATI ASSOCIAZIONE: la "
    u"denominazione nel primo rigo, poi indirizzo, codice fiscale e recapiti. Non occorre "
    u"riscriverli ogni volta: uscendo dalla schermata di lavoro vengono salvati automaticamente "
    u"e riproposti a ogni nuova ricevuta, anche dopo la chiusura del programma. Insieme al logo "
    u"restano così impostati una volta per tutte e compaiono su ogni ricevuta stampata. Vengono "
    u"salvati i righi visibili al momento dell'uscita.",

    u"Se chi paga è iscritto nell'archivio soci, i suoi dati non vanno riscritti: il pulsante "
    u"con la freccia verde, a destra del primo rigo dei dati del socio o cliente, apre la "
    u"ricerca dei soci e, con un doppio clic sul socio trovato, i cinque righi vengono compilati "
    u"con il cognome e nome, l'indirizzo, il CAP con la città e la provincia, il recapito "
    u"telefonico e il codice fiscale.",

    u"Le voci della ricevuta possono essere prese dal listino prezzi, che compare accanto alla "
    u"ricevuta: si seleziona una voce dell'elenco e si preme Aggiungi voce selezionata a "
    u"ricevuta, e la descrizione e il prezzo vengono copiati nella prima riga libera. I prodotti "
    u"e i servizi che non si trovano nel listino si scrivono direttamente nelle righe della "
    u"ricevuta. Dopo ogni aggiunta il totale va ricalcolato con Calcola totale, oppure salvando "
    u"la ricevuta.",

    u"Il pulsante Duplica prepara una nuova ricevuta a partire da quella visualizzata, che deve "
    u"essere già stata salvata: tutti i dati restano, la data diventa quella odierna e il numero "
    u"viene lasciato vuoto, da scrivere prima di salvare. È comodo per emettere ricevute simili "
    u"cambiando soltanto i dati di chi paga.",

    u"Se una ricevuta si riferisce a un conto non ancora saldato, prima di salvarla si spunta la "
    u"casella Da saldare. Il pulsante Da saldare della barra in alto mostra il riepilogo dei "
    u"conti non ancora saldati dell'anno, che si può anche stampare; con un doppio clic su una "
    u"riga la ricevuta viene caricata nella schermata e, a pagamento avvenuto, basta togliere la "
    u"spunta dalla casella e premere Salva.",

    u"Il pulsante Trova cerca le ricevute dell'anno in base al numero, alla data di emissione, ai "
    u"primi quattro righi dei dati del socio o cliente e alle prime quattro descrizioni: si "
    u"scrivono una o più parole consecutive nei campi prescelti, anche in più campi "
    u"contemporaneamente, e si preme Cerca. Vengono elencate le ricevute che corrispondono a "
    u"tutti i campi compilati; l'elenco può essere stampato e un doppio clic su una riga carica "
    u"la ricevuta nella schermata.",

    u"Il pulsante Anteprima mostra sullo schermo la ricevuta così come verrà stampata e Stampa "
    u"la invia alla stampante: la ricevuta viene stampata in duplice copia su un foglio A4 "
    u"orizzontale, a sinistra la copia per il socio o cliente e a destra quella per "
    u"l'associazione, da separare con un taglio. Viene stampato ciò che compare sullo schermo, "
    u"anche se non ancora salvato: conviene quindi calcolare il totale, o salvare la ricevuta, "
    u"prima di stamparla. Il pulsante Esporta, infine, trasferisce l'intero archivio delle "
    u"ricevute dell'anno in un foglio di Microsoft Excel.",

    u"Quando il totale supera 77,47 €, sotto il totale compare un promemoria: sulla ricevuta "
    u"va applicata una marca da bollo da 2 €, salvo che l'importo ne sia esente. È soltanto un "
    u"avviso: la ricevuta si salva e si stampa comunque.",
};

} // namespace

QString receiptsHelpText() {
    QString text;
    for (const char16_t* paragraph : paragraphs) {
        text += QStringView(paragraph);
        text += QStringLiteral("\r\n\r\n");
    }
    return text;
}
