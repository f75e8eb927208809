#include "members/MembersHelpText.h"

#include <QStringView>

namespace {

// In the order in which the help window shows them.
const char16_t* const paragraphs[] = {
    u"L'applicazione Archivio Soci consente di schedare dettagliatamente tutti gli iscritti "
    u"alla propria associazione indicando, per ognuno, il cognome e nome, il numero di "
    u"tessera, l'importo della quota associativa, il luogo e la data di nascita, il codice "
    u"fiscale, la partita IVA, l'indirizzo di residenza, le qualifiche possedute, l'incarico "
    u"ricoperto all'interno dell'associazione, l'IBAN bancario, il recapito telefonico e "
    u"l'indirizzo e-mail.",

    u"Per ogni socio si indica la data di scadenza dell'abbonamento, scelta dal calendario che "
    u"si apre premendo un tasto qualsiasi nel campo Scadenza abbonamento, e i giorni di "
    u"preavviso con cui si desidera essere avvisati. Il pulsante In scadenza elenca i soci "
    u"il cui abbonamento scade entro i giorni di preavviso o è già scaduto; il pulsante "
    u"Scaduti elenca soltanto quelli con l'abbonamento già scaduto.",

    u"In questi due elenchi si possono selezionare più soci insieme, con Ctrl o Maiusc e un "
    u"clic oppure con Maiusc e le frecce; Ctrl+A li seleziona tutti. Il pulsante Rinnova "
    u"chiede dal calendario la nuova data di scadenza e, dopo la conferma, la registra nella "
    u"scheda di ogni socio selezionato; l'elenco viene poi aggiornato. Il pulsante Promemoria "
    u"e-mail apre il programma di posta con un messaggio ai soci selezionati, in copia "
    u"nascosta, con oggetto e testo modificabili; i soci senza indirizzo e-mail vengono "
    u"elencati, perché il messaggio non li raggiunge.",

    u"Per inserire un nuovo socio si preme Nuovo, si compilano i campi e si preme Salva: "
    u"cognome e nome, quota e data di scadenza sono obbligatori. Per modificare una scheda la "
    u"si richiama con le frecce di scorrimento o con la ricerca, si apportano le modifiche e "
    u"si preme di nuovo Salva. Il numero che compare tra le frecce è la posizione della "
    u"scheda in archivio.",

    u"La foto del socio può essere scattata con una webcam collegata al computer: il "
    u"pulsante Webcam apre una finestra in cui si accende la webcam, si cattura "
    u"l'immagine e la si importa nella scheda. La foto viene archiviata insieme alla scheda "
    u"quando si preme Salva.",

    u"La foto viene adattata al riquadro mantenendo le proporzioni; il pulsante Zoom la "
    u"mostra a tutto schermo. Con Carica si importa una foto già presente sul computer, in "
    u"formato JPEG o bitmap; con Salva foto se ne registra una copia in una cartella a "
    u"scelta; con Cancella la si toglie dalla scheda.",

    u"Alla scheda si possono allegare fino a tre documenti di qualsiasi tipo, per esempio la "
    u"copia di un documento di identità o un modulo firmato, ciascuno con una descrizione. "
    u"I file scelti vengono copiati nella cartella Documenti_Allegati del programma e si "
    u"aprono in ogni momento con il pulsante Apri della finestra degli allegati.",

    u"Il pulsante Duplica prepara una nuova scheda con gli stessi dati di quella visualizzata, "
    u"senza foto e senza allegati: è utile per inserire rapidamente più soci della stessa "
    u"famiglia. La nuova scheda viene archiviata soltanto premendo Salva.",

    u"I pulsanti accanto ai campi verificano il codice fiscale, la partita IVA e l'IBAN: il "
    u"controllo della partita IVA indica anche l'ufficio che l'ha rilasciata. Un codice "
    u"fiscale composto di sole cifre, come quello di un'associazione, viene controllato come "
    u"partita IVA. Il pulsante accanto all'indirizzo e-mail apre il programma di posta "
    u"elettronica con un nuovo messaggio indirizzato al socio.",

    u"Il pulsante Trova cerca i soci in archivio in base a uno o più dati, per esempio una "
    u"parte del cognome o la città; facendo doppio clic su un socio dell'elenco se ne "
    u"visualizza la scheda.",

    u"Il pulsante Anteprima mostra la scheda come verrà stampata e Stampa la invia alla "
    u"stampante; Esporta trasferisce l'intero archivio in un foglio di Microsoft Excel.",
};

} // namespace

QString membersHelpText() {
    QString text;
    for (const char16_t* paragraph : paragraphs) {
        text += QStringView(paragraph);
        text += QStringLiteral("\r\n\r\n");
    }
    return text;
}
