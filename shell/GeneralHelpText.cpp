#include "shell/GeneralHelpText.h"

#include <QStringView>

namespace {

// The paragraphs of the main menu's help window, in the order in which they are shown.
const char16_t* const kParagraphs[] = {
    u"Velarno è un software facile e intuitivo studiato per qualsiasi associazione che "
    u"abbia bisogno di emettere ricevute generiche per attestare sia i pagamenti "
    u"effettuati dai soci sia gli incassi derivanti dalla vendita di un bene o dalla "
    u"fornitura di un servizio.",

    u"La ricevuta generica, detta anche ricevuta non fiscale, è un semplice documento "
    u"con il quale chi incassa una somma di denaro dichiara di averla ricevuta, "
    u"indicando chi ha effettuato il pagamento, per quale motivo e per quale importo. "
    u"È il documento che le associazioni rilasciano abitualmente ai propri soci, ad "
    u"esempio per il versamento della quota associativa, e a chiunque effettui un "
    u"pagamento che non debba essere certificato con un documento fiscale.",

    u"La ricevuta generica non va confusa con lo scontrino fiscale o con la ricevuta "
    u"fiscale, oggi sostituiti in gran parte dal documento commerciale emesso con il "
    u"registratore telematico: sono i documenti con cui chi esercita un'attività "
    u"commerciale certifica i propri incassi ai fini fiscali, con gli strumenti e "
    u"secondo le regole stabiliti dalla legge. Velarno emette soltanto ricevute "
    u"generiche e non sostituisce il registratore di cassa; in caso di dubbio sul "
    u"documento da rilasciare per un determinato incasso, è opportuno rivolgersi al "
    u"proprio commercialista.",

    u"Sulle ricevute generiche è dovuta, in linea generale, l'imposta di bollo: quando "
    u"l'importo supera 77,47 euro, sull'originale consegnato a chi paga va applicata "
    u"una marca da bollo da 2 euro, salvo i casi di esenzione previsti dalla legge. "
    u"Poiché importi e regole possono cambiare nel tempo, si consiglia di verificare "
    u"sempre la normativa in vigore. Le ricevute stampate da Velarno riportano una "
    u"nota a questo proposito: la copia per il socio o cliente ricorda che il "
    u"documento è soggetto a imposta di bollo in base alle normative vigenti, mentre "
    u"la copia per l'associazione indica che la marca da bollo è stata applicata "
    u"sull'originale ove previsto.",

    u"Dal menu principale si accede alle tre applicazioni di Velarno: Archivio soci, "
    u"per schedare gli iscritti all'associazione; Emissione ricevute, per compilare, "
    u"archiviare e stampare le ricevute; Riepilogo incassi, per ottenere l'estratto "
    u"conto degli incassi di un periodo. Dal menu di Emissione ricevute si raggiungono "
    u"inoltre il listino prezzi, l'impostazione del logo dell'associazione e le "
    u"statistiche degli incassi, che mostrano con un grafico l'andamento mensile delle "
    u"entrate di un anno. Dal menu principale si aprono anche le informazioni sul "
    u"programma e questa guida; l'icona Esci chiude il programma.",

    u"L'applicazione Archivio soci consente di compilare per ciascun iscritto una "
    u"scheda con i seguenti dati: cognome e nome, numero di tessera, quota "
    u"associativa, luogo e data di nascita, codice fiscale, partita IVA, indirizzo di "
    u"residenza e numero civico, città, provincia, CAP, qualifiche possedute, incarico "
    u"ricoperto in associazione, IBAN bancario, note, scadenza dell'abbonamento, "
    u"giorni di preavviso, recapito telefonico e indirizzo e-mail. A ogni scheda si "
    u"possono associare inoltre una foto e fino a tre documenti allegati.",

    u"Per salvare una scheda sono obbligatori soltanto il cognome e nome, la quota "
    u"associativa e la data di scadenza dell'abbonamento; gli altri campi possono "
    u"restare vuoti. La quota si scrive in euro con la virgola (ad esempio 25 oppure "
    u"25,5) e, uscendo dal campo, viene completata con i decimali (25,00 e 25,50). Il "
    u"codice fiscale, la sigla della provincia e l'IBAN vengono scritti "
    u"automaticamente in maiuscolo durante la digitazione, mentre nei campi Partita "
    u"IVA e Giorni preavviso si possono digitare soltanto cifre. La data di nascita si "
    u"scrive liberamente.",

    u"Il campo Scadenza abbonamento contiene la data in cui scade l'abbonamento del "
    u"socio. La data non si digita ma si sceglie dal calendario: basta fare clic sul "
    u"campo e premere un tasto qualsiasi per aprire la finestra Importazione data, "
    u"selezionare il giorno desiderato e premere Importa. I tasti Backspace e Canc, "
    u"oppure la piccola icona accanto al campo, cancellano la data. Nel campo Giorni "
    u"preavviso si indica con quanti giorni di anticipo si desidera essere avvisati "
    u"della scadenza; se il campo resta vuoto, il preavviso è di zero giorni.",

    u"Due pulsanti dell'archivio soci mostrano gli abbonamenti che richiedono "
    u"attenzione. Il riepilogo dei soci con abbonamenti in scadenza o scaduti elenca i "
    u"soci per i quali è iniziato il periodo di preavviso, fino al giorno della "
    u"scadenza compreso, e quelli con l'abbonamento già scaduto; il riepilogo dei soci "
    u"con abbonamenti scaduti elenca soltanto questi ultimi, cioè i soci la cui data "
    u"di scadenza è già trascorsa. In entrambi gli elenchi i soci compaiono in ordine "
    u"alfabetico, con codice fiscale, data di scadenza, recapito telefonico e note; "
    u"l'elenco può essere stampato con il pulsante Stampa e, con un doppio clic su una "
    u"riga, la scheda del socio viene aperta nell'archivio, ad esempio per indicare la "
    u"nuova scadenza dopo il rinnovo.",

    u"Quando si entra nell'archivio soci, la schermata presenta una scheda vuota, "
    u"pronta per l'inserimento di un nuovo socio; lo stesso risultato si ottiene in "
    u"qualsiasi momento con il pulsante Nuovo. Dopo aver compilato i campi si preme "
    u"Salva: la scheda viene inserita in archivio e il suo numero di posizione compare "
    u"tra le frecce di scorrimento. Le schede vengono conservate nell'ordine di "
    u"inserimento e non vengono mai cancellate.",

    u"Per modificare una scheda occorre prima visualizzarla, scorrendo l'archivio con "
    u"le frecce (prima, precedente, successiva e ultima scheda) oppure cercandola con "
    u"il pulsante Trova o nei riepiloghi delle scadenze. Dopo aver apportato le "
    u"modifiche si preme Salva: i nuovi dati sostituiscono quelli precedenti nella "
    u"stessa scheda. Attenzione: passando a un'altra scheda, o uscendo dall'archivio, "
    u"le modifiche non salvate vengono abbandonate senza alcuna richiesta di conferma.",

    u"Per fotografare il socio con una webcam collegata al computer si usa il pulsante "
    u"di acquisizione da webcam, che apre la finestra Cattura foto con webcam. "
    u"Premendo Accendi webcam compare l'immagine ripresa dalla telecamera; Cattura "
    u"foto fissa l'inquadratura corrente nel secondo riquadro e può essere ripetuto "
    u"finché il risultato non è soddisfacente. Importa foto in scheda spegne la webcam "
    u"e trasferisce la foto nella scheda del socio, Salva foto su disco ne salva una "
    u"copia in formato Jpeg, Spegni webcam spegne la telecamera e Annulla chiude la "
    u"finestra senza modificare la scheda.",

    u"La foto viene adattata al riquadro della scheda mantenendo le proprie "
    u"proporzioni; il pulsante di ingrandimento la mostra a tutto schermo e, per "
    u"chiudere la finestra, è sufficiente un clic sulla foto. In alternativa alla "
    u"webcam, il pulsante di caricamento permette di scegliere dal disco una foto "
    u"esistente in formato Jpeg o Bitmap. Altri due pulsanti salvano su disco una "
    u"copia della foto in formato Jpeg e cancellano la foto dalla scheda, "
    u"sostituendola con l'immagine predefinita. Come ogni altro dato, la foto viene "
    u"registrata soltanto quando si preme Salva; le foto dei soci sono conservate "
    u"nella cartella Schedario del programma.",

    u"A ogni scheda si possono allegare fino a tre file di qualsiasi tipo, ad esempio "
    u"la copia di un documento d'identità o un modulo firmato. Il pulsante degli "
    u"allegati apre la finestra Allega file: per ciascun allegato, Sfoglia... permette "
    u"di scegliere il file, che viene copiato nella cartella Documenti_Allegati del "
    u"programma, e per ciascuno si può scrivere una descrizione. Apri apre il file con "
    u"il programma associato a quel tipo di file, mentre l'icona di cancellazione lo "
    u"toglie dalla scheda (la copia resta comunque nella cartella). Poiché la cartella "
    u"è comune a tutti i soci, se contiene già un file con lo stesso nome il programma "
    u"chiede se sovrascriverlo: conviene perciò dare ai file nomi diversi. Dopo aver "
    u"premuto Applica e chiudi, occorre salvare la scheda per registrare gli allegati.",

    u"Il pulsante Duplica è utile per inserire una scheda simile a una già esistente, "
    u"ad esempio per i componenti di una stessa famiglia. Dopo aver visualizzato una "
    u"scheda già salvata, premendo Duplica i dati restano sullo schermo ma la scheda "
    u"diventa nuova; la foto e gli allegati non vengono copiati. Basta modificare i "
    u"dati che cambiano e premere Salva per inserire la nuova scheda in archivio, "
    u"lasciando invariata quella di partenza. Una scheda non ancora salvata non può "
    u"essere duplicata.",

    u"Tre pulsanti consentono di controllare il codice fiscale, l'IBAN e la partita "
    u"IVA del socio. Ciascuno apre una piccola finestra con il dato della scheda, che "
    u"vi si può anche correggere prima di premere Controlla; il risultato viene solo "
    u"mostrato e la scheda non viene modificata. Il controllo del codice fiscale "
    u"verifica che sia composto da 16 caratteri e che l'ultimo, il carattere di "
    u"controllo, corrisponda a quello calcolato dai quindici precedenti, e indica se "
    u"il codice è VALIDO o ERRATO; la data e il luogo di nascita non vengono "
    u"verificati. Un codice fiscale composto di sole cifre, come quello di "
    u"un'associazione o di una ditta, viene controllato come partita IVA.",

    u"Il controllo dell'IBAN riguarda il formato italiano di 27 caratteri, da scrivere "
    u"senza spazi: il programma verifica le cifre di controllo secondo lo standard "
    u"internazionale e indica se l'IBAN è VALIDO o ERRATO. Un IBAN di lunghezza "
    u"diversa, come quello di molti paesi esteri, non può essere verificato.",

    u"Il controllo della partita IVA verifica che sia composta da 11 cifre e che "
    u"l'ultima, la cifra di controllo, sia corretta; se il numero è valido, il "
    u"programma indica anche l'Ufficio IVA che lo ha rilasciato, ricavandolo dal "
    u"codice contenuto nel numero stesso. Il pulsante della posta elettronica, infine, "
    u"apre il programma di posta del computer con un nuovo messaggio indirizzato "
    u"all'e-mail indicata nella scheda.",

    u"Il pulsante Trova apre la finestra Trova soci in archivio, nella quale si "
    u"possono cercare i soci in base a cognome e nome, numero di tessera, luogo e data "
    u"di nascita, codice fiscale, partita IVA, città di residenza, qualifiche, "
    u"incarico ricoperto e note. Basta scrivere nei campi prescelti una o più parole "
    u"consecutive presenti nelle schede da trovare, lasciare in bianco gli altri campi "
    u"e premere Cerca. Non c'è distinzione tra maiuscole e minuscole, ma le lettere "
    u"accentate vanno scritte come nelle schede. Se si compilano più campi vengono "
    u"trovati soltanto i soci che soddisfano tutti i criteri; lasciando in bianco "
    u"tutti i campi si ottiene l'elenco completo dei soci.",

    u"I soci trovati compaiono in ordine alfabetico, con l'indicazione del numero di "
    u"schede trovate. Per raggiungere rapidamente una voce dell'elenco si scrive una "
    u"parola nel campo accanto al pulsante Trova e si preme Trova; premendolo di nuovo "
    u"si passa alla voce successiva che contiene la stessa parola. Questa ricerca "
    u"nell'elenco è disponibile in tutti i riepiloghi del programma. Il pulsante "
    u"Stampa stampa l'elenco e un doppio clic su una riga apre la scheda del socio; "
    u"per una nuova ricerca occorre chiudere la finestra e riaprirla.",

    u"Con i pulsanti di anteprima e di stampa si ottiene la scheda del socio su un "
    u"foglio A4, intitolata SCHEDA DATI ANAGRAFICI SOCIO, con tutti i dati presenti "
    u"sullo schermo, anche se non ancora salvati, e con la data e l'ora di stampa. "
    u"Prima di procedere si sceglie se stampare i dati con la foto o senza foto: in "
    u"questo secondo caso la scheda riserva in basso uno spazio per gli appunti. I "
    u"giorni di preavviso e gli allegati non compaiono nella scheda stampata. Il "
    u"pulsante di esportazione, infine, trasferisce l'intero archivio dei soci in un "
    u"foglio di lavoro di Microsoft Excel, come descritto più avanti a proposito delle "
    u"esportazioni.",

    u"L'applicazione Emissione ricevute permette di compilare, archiviare e stampare "
    u"le ricevute da rilasciare ai soci o ai clienti. Le ricevute sono conservate in "
    u"un archivio separato per ogni anno solare: entrando nell'applicazione, il primo "
    u"passo è quindi indicare l'anno nel campo Anno, con quattro cifre (il programma "
    u"propone l'anno in corso), e premere Apri. Se l'archivio di quell'anno non esiste "
    u"ancora, viene creato automaticamente. All'uscita dalla schermata delle ricevute "
    u"si torna al menu principale; per lavorare su un altro anno basta rientrare "
    u"nell'applicazione e indicarlo.",

    u"Prima di iniziare conviene preparare il listino prezzi, con il pulsante Listino "
    u"prezzi del menu delle ricevute. Nella finestra Gestione listino prezzi si "
    u"scrivono la descrizione del prodotto o servizio e il prezzo unitario, quindi si "
    u"preme Aggiungi all'elenco; le voci vengono ordinate alfabeticamente. Per "
    u"togliere una voce la si seleziona e si preme Elimina voce selezionata; per "
    u"modificarla la si elimina e la si aggiunge di nuovo con i dati corretti. Stampa "
    u"listino stampa l'elenco. Le modifiche vengono registrate soltanto premendo Salva "
    u"e chiudi, mentre Chiudi senza salvare le abbandona.",

    u"Aperto l'anno, la schermata presenta una nuova ricevuta già numerata e con la "
    u"data odierna. Si compilano i dati del socio o cliente e, nelle righe "
    u"sottostanti, le descrizioni dei prodotti o servizi forniti con i relativi "
    u"importi, fino a quattordici voci. Gli importi si scrivono con la virgola e, "
    u"uscendo dal campo, vengono arrotondati a due decimali; il pulsante Calcola "
    u"totale calcola il totale della ricevuta, che viene comunque ricalcolato al "
    u"momento del salvataggio. Per cambiare la data di emissione si fa clic sul campo "
    u"e si preme un tasto qualsiasi per sceglierla dal calendario, oppure si usa il "
    u"pulsante che inserisce la data corrente. Premendo Salva la ricevuta viene "
    u"inserita nell'archivio dell'anno; il pulsante Nuovo prepara poi una nuova "
    u"ricevuta.",

    u"Per salvare una ricevuta sono necessari il numero, la data di emissione, la "
    u"prima descrizione, il primo rigo dei dati dell'associazione e il primo rigo dei "
    u"dati del socio o cliente. Per modificare una ricevuta già salvata la si "
    u"visualizza con le frecce di scorrimento (prima, precedente, successiva e ultima "
    u"ricevuta) o con la ricerca, si apportano le modifiche e si preme Salva: la "
    u"ricevuta viene aggiornata al suo posto. Le modifiche non salvate vanno perse, "
    u"senza richiesta di conferma, quando si passa a un'altra ricevuta o si esce dalla "
    u"schermata.",

    u"La numerazione è automatica: il pulsante Nuovo propone come numero il valore "
    u"iniziale, normalmente 1, più il numero delle ricevute già presenti nell'archivio "
    u"dell'anno, per cui la prima ricevuta dell'anno riceve il numero 1, la seconda il "
    u"2 e così via. Per proseguire una numerazione già iniziata, ad esempio su carta, "
    u"il pulsante N. accanto al numero della ricevuta permette di impostare un valore "
    u"iniziale diverso; il nuovo valore vale dalla successiva pressione di Nuovo, che "
    u"conviene quindi premere prima di compilare la ricevuta. Il valore iniziale è "
    u"unico per tutti gli anni: all'inizio di un nuovo anno, se necessario, va "
    u"riportato a 1. Il numero proposto può sempre essere corretto a mano; il "
    u"programma non controlla che un numero sia già stato usato.",

    u"Il logo dell'associazione viene stampato su entrambe le copie di ogni ricevuta. "
    u"Si imposta dal menu delle ricevute con il collegamento Imposta logo Ditta: nella "
    u"finestra che si apre, Sfoglia... permette di scegliere un'immagine in formato "
    u"Jpeg o Bitmap, preferibilmente di 297 x 184 pixel (le immagini di dimensioni "
    u"diverse vengono adattate mantenendo le proporzioni). L'icona con il simbolo "
    u"dell'euro ripristina il logo predefinito e l'icona di cancellazione toglie il "
    u"logo dalle ricevute. La scelta viene registrata con Applica e chiudi e vale "
    u"dalla stampa successiva; Annulla lascia il logo invariato.",

    u"Nei cinque righi della sezione DATI ASSOCIAZIONE si scrivono la denominazione "
    u"dell'associazione, nel primo rigo, e gli altri dati da riportare sulle ricevute, "
    u"come indirizzo, codice fiscale e recapiti. Non è necessario riscriverli ogni "
    u"volta: uscendo dalla schermata delle ricevute, i righi presenti sullo schermo "
    u"vengono memorizzati e riproposti alla successiva apertura, anche dopo la "
    u"chiusura del programma, e ogni nuova ricevuta li riprende. Vengono memorizzati i "
    u"righi visibili in quel momento: se si esce mentre è visualizzata una ricevuta "
    u"con dati dell'associazione diversi, saranno questi a essere riproposti.",

    u"Se chi paga è iscritto nell'archivio soci, non occorre riscriverne i dati: il "
    u"pulsante con la freccia verde, a destra del primo rigo dei dati del socio o "
    u"cliente, apre la ricerca dei soci e, con un doppio clic sul socio trovato, i "
    u"cinque righi vengono compilati con il cognome e nome, l'indirizzo, il CAP con la "
    u"città e la provincia, il recapito telefonico e il codice fiscale. Per chi non è "
    u"iscritto, i dati si scrivono a mano.",

    u"Accanto alla ricevuta compare il listino prezzi. Per aggiungere una voce alla "
    u"ricevuta basta selezionarla nell'elenco e premere Aggiungi voce selezionata a "
    u"ricevuta: la descrizione e il prezzo vengono copiati nella prima riga libera. I "
    u"prodotti e i servizi che non si trovano nel listino possono essere scritti "
    u"direttamente nelle righe della ricevuta. Dopo ogni aggiunta il totale va "
    u"ricalcolato con Calcola totale, oppure salvando la ricevuta.",

    u"Il pulsante Duplica crea una nuova ricevuta a partire da quella visualizzata, "
    u"che deve essere già stata salvata: tutti i dati vengono mantenuti, la data "
    u"diventa quella odierna e il numero viene lasciato vuoto, per essere scritto a "
    u"mano prima di salvare. È comodo, ad esempio, per emettere ricevute analoghe a "
    u"più soci cambiando soltanto i dati di chi paga.",

    u"Se una ricevuta si riferisce a un conto non ancora saldato, prima di salvarla si "
    u"spunta la casella Da saldare. Il pulsante con la mano e la moneta mostra il "
    u"riepilogo dei conti non ancora saldati dell'anno aperto, che può anche essere "
    u"stampato; con un doppio clic su una riga la ricevuta viene caricata nella "
    u"schermata e, a pagamento avvenuto, basta togliere la spunta da Da saldare e "
    u"premere Salva. L'indicazione Da saldare non compare sulla ricevuta stampata.",

    u"Il pulsante Trova apre la ricerca delle ricevute dell'anno aperto, in base al "
    u"numero, alla data di emissione, ai primi quattro righi dei dati del socio o "
    u"cliente e alle prime quattro descrizioni dei servizi forniti. Come per i soci, "
    u"si scrivono una o più parole consecutive nei campi prescelti, anche in più campi "
    u"contemporaneamente, e si preme Cerca. Le ricevute trovate compaiono nell'ordine "
    u"in cui sono state inserite; l'elenco può essere stampato e un doppio clic su una "
    u"riga carica la ricevuta nella schermata. La data si cerca come testo: scrivendo "
    u"ad esempio /03/2024 si trovano tutte le ricevute di marzo 2024.",

    u"Il pulsante di anteprima mostra sullo schermo la ricevuta così come verrà "
    u"stampata, mentre il pulsante di stampa la invia alla stampante. La ricevuta "
    u"viene stampata in duplice copia su un unico foglio A4 orizzontale: a sinistra la "
    u"copia per il socio o cliente, a destra la copia per l'associazione, da separare "
    u"con un taglio. Ogni copia riporta il logo, i dati dell'associazione e di chi "
    u"paga, il numero e la data, le voci con i relativi importi, il totale e lo spazio "
    u"per la firma per quietanza. Viene stampato ciò che si trova sullo schermo in "
    u"quel momento, anche se non ancora salvato: conviene quindi calcolare il totale, "
    u"o salvare la ricevuta, prima di stamparla. Il pulsante di esportazione "
    u"trasferisce infine tutte le ricevute dell'anno aperto in un foglio di lavoro di "
    u"Microsoft Excel.",

    u"L'applicazione Statistiche incassi si raggiunge dal menu delle ricevute con il "
    u"pulsante Grafici incassi. Dopo aver indicato l'anno e premuto Apri, un grafico a "
    u"barre tridimensionali mostra per ciascun mese la somma dei totali delle ricevute "
    u"emesse in quel mese, secondo la data di emissione; gli importi sono arrotondati "
    u"all'euro e vengono conteggiate anche le ricevute da saldare. I pulsanti "
    u"Visualizza grafico a torta e Visualizza grafico a barre cambiano il tipo di "
    u"grafico, mentre Stampa grafico, dopo una conferma, chiede il numero di copie e "
    u"stampa il grafico su un foglio orizzontale. Per esaminare un altro anno si esce "
    u"e si rientra nell'applicazione.",

    u"L'applicazione Riepilogo incassi, dal menu principale, fornisce un estratto "
    u"conto degli incassi di un qualsiasi intervallo di tempo all'interno di un anno "
    u"solare. Si indica l'anno, si scelgono dagli elenchi a cascata il giorno e il "
    u"mese di inizio e di fine dell'intervallo e si preme Visualizza riepilogo. Per "
    u"limitare il riepilogo a un solo socio o cliente si scrive il suo nome, o una "
    u"parte di esso, nel campo Dati socio o cliente (rigo 1), che viene cercato nel "
    u"primo rigo dei dati di chi paga; lasciandolo in bianco si ottengono le ricevute "
    u"emesse a tutti i soci e clienti.",

    u"Il riepilogo elenca, per ogni ricevuta emessa nell'intervallo, il numero, la "
    u"data, il pagatore, il primo servizio fornito e il totale, e mostra in fondo il "
    u"totale degli importi incassati; sono comprese anche le ricevute da saldare. "
    u"L'elenco si consulta con Trova e si stampa con Stampa riepilogo, che aggiunge in "
    u"calce l'intervallo selezionato e il totale incassato.",

    u"Le esportazioni dell'archivio soci e delle ricevute funzionano allo stesso modo. "
    u"La finestra di esportazione mostra in una tabella i dati che verranno esportati; "
    u"alcune colonne possono essere corrette direttamente nella tabella, ma le "
    u"correzioni valgono solo per il file esportato e non modificano gli archivi. "
    u"Facendo clic sull'icona di Excel e confermando, Velarno crea nella cartella del "
    u"programma il file Soci.xls per i soci o Riepilogo_Ricevute.xls per le ricevute, "
    u"e chiede se aprirlo. A questo punto è sufficiente salvare il file sul proprio "
    u"disco fisso assegnandogli un nome qualsiasi: ogni nuova esportazione, infatti, "
    u"sostituisce il file precedente. Se il file è già aperto in Excel l'esportazione "
    u"non può avvenire: occorre prima chiuderlo.",

    u"Velarno conserva tutti i propri dati all'interno della sua cartella e delle "
    u"relative sottocartelle: l'archivio dei soci, gli archivi annuali delle ricevute, "
    u"il listino prezzi, le impostazioni, le foto, i documenti allegati, il logo e la "
    u"password. Per utilizzarlo in una rete locale è quindi sufficiente condividere in "
    u"rete la cartella del programma, con il permesso di scrittura per gli utenti, e "
    u"avviare Velarno da ciascun computer aprendolo dalla cartella condivisa: tutte le "
    u"postazioni lavoreranno sugli stessi archivi.",

    u"Il programma non impedisce a due postazioni di modificare nello stesso momento "
    u"la stessa scheda o la stessa ricevuta: in tal caso prevale l'ultimo salvataggio. "
    u"Anche il numero di una nuova ricevuta viene calcolato quando si preme Nuovo, per "
    u"cui due postazioni che preparano contemporaneamente una ricevuta dello stesso "
    u"anno otterrebbero lo stesso numero. Conviene quindi organizzarsi in modo che le "
    u"ricevute vengano emesse da una postazione alla volta.",

    u"L'accesso a Velarno è protetto da una password, unica per tutti gli utenti del "
    u"programma. Al primo accesso si utilizza la parola velarno: la si scrive nel "
    u"campo della schermata iniziale e si preme OK. Le lettere possono essere digitate "
    u"indifferentemente in maiuscolo o in minuscolo. Per ragioni di riservatezza è "
    u"consigliabile sostituire al più presto la password iniziale.",

    u"Per cambiare la password si preme Cambia password nella schermata di accesso, si "
    u"scrivono la vecchia password, la nuova password e la sua conferma, e si preme "
    u"OK. La conferma deve essere identica alla nuova password, comprese le maiuscole "
    u"e le minuscole; le eventuali lettere accentate andranno poi digitate sempre "
    u"esattamente come sono state scelte. La password non viene conservata in chiaro, "
    u"ma in forma codificata nella cartella del programma.",

    u"Poiché tutto ciò che serve a Velarno si trova nella sua cartella, il programma "
    u"può essere utilizzato anche da una chiavetta USB: basta copiare sulla chiavetta "
    u"l'intera cartella del programma, con tutte le sottocartelle, e avviarlo da lì. "
    u"La copia della cartella è anche il modo più semplice per conservare una copia di "
    u"sicurezza dei dati. Se si lavora alternativamente sulla chiavetta e sul "
    u"computer, occorre fare attenzione a non sostituire i dati più recenti con quelli "
    u"di una copia meno aggiornata.",

    u"Le principali schermate di lavoro hanno un proprio pulsante di guida, che spiega "
    u"le funzioni disponibili in quel punto del programma, e una barra in fondo alla "
    u"finestra che descrive il pulsante su cui si trova il mouse. Nella maggior parte "
    u"dei campi il tasto Invio sposta il cursore sul campo successivo. Le date si "
    u"indicano nel formato gg/mm/aaaa e gli importi si scrivono con la virgola prima "
    u"dei decimali, senza punti per le migliaia.",

    u"Per ogni ulteriore dettaglio è disponibile la guida completa in formato PDF, che "
    u"si apre con il collegamento Visualizza guida in formato PDF di questa finestra. "
    u"Grazie per aver scelto Velarno e buon lavoro!",
};

} // namespace

QString generalHelpText() {
    const QString separator = QStringLiteral("\r\n\r\n");
    QString text;
    for (const char16_t* paragraph : kParagraphs) {
        text += QStringView(paragraph);
        text += separator;
    }
    return text;
}
