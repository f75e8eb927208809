#include "program/guide/GuideChapters.h"

#include "members/MembersExportHelpText.h"
#include "members/MembersHelpText.h"
#include "members/MembersImportHelpText.h"
#include "receipts/ReceiptsExportHelpText.h"
#include "receipts/ReceiptsHelpText.h"
#include "reports/IncomeSummaryHelpText.h"
#include "reports/StatisticsHelpText.h"
#include "shell/GeneralHelpText.h"
#include "shell/KeyboardHelpText.h"

#include <stdexcept>

namespace {

QString paragraphs(std::initializer_list<const char16_t*> texts) {
    QString text;
    for (const char16_t* paragraph : texts)
        text += QString::fromUtf16(paragraph) + QStringLiteral("\r\n\r\n");
    return text;
}

GuideChapter firstSteps() {
    return {
        QStringLiteral("Primi passi"),
        paragraphs({
            u"Questo capitolo accompagna passo per passo la prima giornata di lavoro con "
            u"Velarno: il primo accesso, la scelta di una password personale, i dati e il logo "
            u"dell'associazione, la prima scheda socio, la prima ricevuta e la sua stampa, e "
            u"infine dove si trovano i dati e come copiarli.",

            u"1. Il primo accesso. Avviando Velarno compare la schermata di accesso. Al primo "
            u"accesso la password è velarno: la si scrive nel campo Password, in maiuscolo o in "
            u"minuscolo indifferentemente, e si preme OK oppure Invio.",

            u"2. Una password personale. Prima di entrare conviene sostituire la password "
            u"iniziale: nella schermata di accesso si preme Cambia password, si scrivono la "
            u"vecchia password, la nuova e la sua conferma, identica alla nuova, e si preme OK. "
            u"Da quel momento Velarno accetta soltanto la nuova password.",

            u"3. Il menu principale. Dopo l'accesso compare il menu principale, da cui si "
            u"aprono le tre applicazioni: Archivio soci, Emissione ricevute e Riepilogo "
            u"incassi. In basso si trovano la guida, le informazioni sul programma e l'icona "
            u"Esci.",

            u"4. I dati e il logo dell'associazione. Il nome e l'indirizzo dell'associazione si "
            u"scrivono una sola volta nelle prime righe in alto a sinistra della schermata "
            u"Emissione ricevute: Velarno li ricorda e li ripropone su ogni nuova ricevuta. Il "
            u"logo stampato sulle ricevute si sceglie dal menu delle ricevute con il "
            u"collegamento Imposta logo Ditta, che apre la finestra Impostazione logo "
            u"Associazione: Sfoglia... permette di scegliere un'immagine JPEG o BMP.",

            u"5. La prima scheda socio. Dal menu principale si apre Archivio soci. Nella "
            u"schermata dell'archivio si scrivono almeno il cognome e nome, la quota "
            u"associativa e la data di scadenza dell'abbonamento, poi si preme Salva (o "
            u"Ctrl+S). Nuovo prepara la scheda successiva.",

            u"6. La prima ricevuta. Dal menu principale si apre Emissione ricevute, si scrive "
            u"l'anno e si preme Apri. Nella schermata Emissione ricevute il numero e la data "
            u"sono già proposti; si importano i dati del socio con la freccia verde accanto al "
            u"primo rigo del pagatore oppure li si scrive a mano, si aggiungono le voci con i "
            u"loro importi e si preme Salva: Velarno calcola il totale e archivia la ricevuta.",

            u"7. La stampa della ricevuta. Dalla stessa schermata, Anteprima mostra il foglio "
            u"come verrà stampato, con la copia per il socio a sinistra e quella per "
            u"l'associazione a destra; Stampa apre la finestra di stampa, dove si sceglie la "
            u"stampante.",

            u"8. Dove sono i dati. Velarno conserva tutto nella propria cartella, quella in cui "
            u"si trova il programma: l'archivio dei soci Soci.pro, un archivio di ricevute per "
            u"ogni anno (ad esempio 2026.ric), le impostazioni Ricevute.ini, il listino "
            u"Listino_Prezzi.lst, il logo Logo.bmp, le foto nella sottocartella Schedario, i "
            u"documenti allegati in Documenti_Allegati e la password in unins000.dll.",

            u"9. Come copiarli. A ogni chiusura Velarno salva da solo una copia dei dati nella "
            u"sottocartella Backup, come spiega il capitolo Copie di sicurezza. Quella "
            u"cartella però sta sullo stesso disco: per una copia al riparo basta chiudere "
            u"Velarno e copiare l'intera cartella del programma, con tutte le sottocartelle, su "
            u"una chiavetta USB o su un altro disco; conviene farlo almeno una volta alla "
            u"settimana e dare alla copia un nome con la data, ad esempio Velarno 2026-03-16. "
            u"La stessa cartella copiata su una chiavetta si avvia anche da lì.",
        }),
        {
            {QStringLiteral("accesso"), QStringLiteral("La schermata di accesso."), 1},
            {QStringLiteral("cambia_password"),
             QStringLiteral("La schermata per cambiare la password."), 2},
            {QStringLiteral("menu_principale"), QStringLiteral("Il menu principale."), 3},
            {QStringLiteral("logo"), QStringLiteral("La finestra Impostazione logo Associazione."),
             4},
            {QStringLiteral("archivio_soci"),
             QStringLiteral("Una scheda nella schermata Archivio soci."), 5},
            {QStringLiteral("ricevuta"),
             QStringLiteral("Una ricevuta nella schermata Emissione ricevute."), 6},
            {QStringLiteral("anteprima_ricevuta"),
             QStringLiteral("La finestra Anteprima di stampa della ricevuta."), 7},
        },
    };
}

GuideChapter troubleshooting() {
    return {
        QStringLiteral("Se qualcosa non va"),
        paragraphs({
            u"Questo capitolo descrive i problemi che si possono incontrare più spesso e come "
            u"risolverli. In ogni caso Velarno non chiude mai da solo il lavoro in corso: "
            u"mostra un messaggio che spiega che cosa non è riuscito e permette di continuare.",

            u"La password non viene accettata. Se la schermata di accesso risponde che la "
            u"password non è corretta, si controlla di scriverla con le stesse lettere accentate "
            u"scelte al momento del cambio; le lettere senza accento si possono scrivere in "
            u"maiuscolo o in minuscolo.",

            u"La cartella è in sola lettura. Velarno scrive i propri archivi nella cartella del "
            u"programma. Se la cartella si trova su un CD, su una chiavetta protetta da scrittura "
            u"o in una cartella condivisa senza il permesso di scrittura, al salvataggio compare "
            u"un messaggio che chiede di accertarsi di possedere i privilegi di scrittura: si "
            u"copia la cartella in un luogo in cui si può scrivere, oppure si chiede a chi "
            u"gestisce la rete il permesso di scrittura, e si ripete il salvataggio.",

            u"Due computer aprono la stessa cartella. Più postazioni possono lavorare sulla "
            u"stessa cartella condivisa. Mentre una postazione salva, le altre attendono qualche "
            u"istante; se l'attesa si prolunga, Velarno avvisa che l'archivio è in uso da "
            u"un'altra copia del programma: si attende che l'altra postazione abbia finito e si "
            u"ripete l'operazione. Conviene comunque emettere le ricevute da una postazione alla "
            u"volta.",

            u"Un numero di ricevuta usato due volte. Se al salvataggio il numero della ricevuta "
            u"risulta già usato da un'altra ricevuta dello stesso anno, ad esempio perché "
            u"un'altra postazione l'ha appena salvata, Velarno lo segnala e propone il primo "
            u"numero libero; la ricevuta viene salvata soltanto dopo la conferma.",

            u"Il disco è pieno. Se sul disco o sulla chiavetta non c'è più spazio, il "
            u"salvataggio non riesce e Velarno lo segnala con un messaggio; le schede e le "
            u"ricevute già salvate restano intatte. Si libera spazio, ad esempio spostando "
            u"altrove vecchie esportazioni Soci.xls e Riepilogo_Ricevute.xls, e si salva di "
            u"nuovo.",

            u"Ripristinare una copia. Se un archivio si è danneggiato o si vuole tornare "
            u"indietro, la finestra Ripristina copia di sicurezza rimette al loro posto i dati "
            u"di una delle copie che Velarno salva a ogni chiusura, come spiega il capitolo "
            u"Copie di sicurezza. Per tornare invece a una copia dell'intera cartella fatta a "
            u"mano, si chiude Velarno su tutte le postazioni, si mette da parte la cartella "
            u"attuale rinominandola e si copia al suo posto la cartella della copia di "
            u"sicurezza, con lo stesso nome. Al successivo avvio Velarno lavora sui dati della "
            u"copia, password compresa.",
        }),
        {
            {QStringLiteral("password_errata"),
             QStringLiteral("Il messaggio della schermata di accesso per una password errata."), 1},
        },
    };
}

GuideChapter expiryNotice() {
    return {
        QStringLiteral("Scadenze nel menu principale"),
        paragraphs({
            u"Il menu principale segnala a colpo d'occhio gli abbonamenti che richiedono "
            u"attenzione: in basso, accanto alle icone, una scritta sottolineata dice quanti "
            u"abbonamenti sono in scadenza e quanti sono già scaduti, ad esempio 1 abbonamento "
            u"in scadenza, 1 scaduto. Il conteggio viene rifatto ogni volta che il menu "
            u"principale compare, con la data del giorno; quando nessun abbonamento è in "
            u"scadenza o scaduto, la scritta non compare.",
        }) + helpParagraphAbout(membersHelpText(), QStringLiteral("Il pulsante In scadenza")) +
            paragraphs({
                u"Un clic sulla scritta apre lo stesso elenco del pulsante In scadenza "
                u"dell'archivio soci, la finestra Riepilogo soci con abbonamenti in scadenza o "
                u"scaduti: i soci compaiono in ordine alfabetico, con codice fiscale, data di "
                u"scadenza, recapito telefonico e note. Stampa stampa l'elenco e un doppio clic "
                u"su un socio apre la sua scheda nella schermata Archivio soci, ad esempio per "
                u"indicare la nuova scadenza dopo il rinnovo. Tornando al menu principale il "
                u"conteggio è già aggiornato.",

                u"Se il conteggio sembra sbagliato. Un socio viene contato tra gli abbonamenti "
                u"in scadenza dal primo giorno di preavviso fino al giorno della scadenza "
                u"compreso, e tra quelli scaduti dal giorno successivo; con il campo Giorni "
                u"preavviso vuoto il preavviso è di zero giorni, quindi il socio risulta in "
                u"scadenza soltanto il giorno stesso. Il conteggio si basa sulla data del "
                u"computer: se la data di sistema è sbagliata, lo è anche il conteggio. Una "
                u"scheda con una data di scadenza non valida non viene contata: la si corregge "
                u"nell'archivio soci.",
            }),
        {
            {QStringLiteral("menu_scadenze"),
             QStringLiteral("Il conteggio degli abbonamenti, in basso nel menu principale."), 0},
            {QStringLiteral("elenco_scadenze"),
             QStringLiteral("L'elenco che si apre con un clic sul conteggio."), 2},
        },
    };
}

GuideChapter renewalAndReminder() {
    return {
        QStringLiteral("Rinnovo e promemoria"),
        paragraphs({
            u"Dagli elenchi degli abbonamenti si possono rinnovare più soci in una volta e "
            u"scrivere loro un promemoria per e-mail. Gli elenchi si aprono con i pulsanti In "
            u"scadenza e Scaduti della schermata Archivio soci, oppure con un clic sul "
            u"conteggio in basso nel menu principale: le finestre Riepilogo soci con "
            u"abbonamenti in scadenza o scaduti e Riepilogo soci con abbonamenti scaduti.",
        }) + helpParagraphAbout(membersHelpText(), QStringLiteral("Il pulsante Rinnova")) +
            paragraphs({
                u"Scegliere i soci. Un clic seleziona un socio; con Ctrl e un clic se ne "
                u"aggiungono altri uno alla volta, con Maiusc e un clic si seleziona tutto il "
                u"tratto fino al socio cliccato, e lo stesso fanno Maiusc e le frecce dalla "
                u"tastiera. Ctrl+A seleziona tutto l'elenco. I pulsanti Rinnova... e Promemoria "
                u"e-mail... restano spenti finché non è selezionato almeno un socio.",

                u"Il rinnovo. Rinnova... apre la finestra Importazione data: si sceglie la nuova "
                u"scadenza sul calendario e si preme Importa. Velarno chiede conferma, ad "
                u"esempio Rinnovare l'abbonamento dei 2 soci selezionati con la nuova scadenza "
                u"31/03/2027?, poi scrive la data nella scheda di ogni socio selezionato e dice "
                u"quanti abbonamenti ha rinnovato. L'elenco viene letto di nuovo: i soci "
                u"rinnovati, non più in scadenza, ne escono. Se l'archivio non è raggiungibile "
                u"a metà lavoro, il messaggio dice da quale socio il rinnovo si è fermato; i "
                u"soci precedenti restano rinnovati, gli altri come erano.",

                u"Il promemoria. Promemoria e-mail... apre la finestra Promemoria e-mail, con un "
                u"oggetto e un testo già pronti che si possono cambiare a piacere. In basso sono "
                u"elencati i soci selezionati senza un indirizzo e-mail valido nella scheda: il "
                u"messaggio non li raggiunge, e conviene avvisarli per telefono. Apri e-mail "
                u"apre il programma di posta del computer con un nuovo messaggio, già indirizzato "
                u"a tutti gli altri in copia nascosta (Ccn), così che nessuno veda gli indirizzi "
                u"degli altri soci; il messaggio si controlla e si spedisce dal programma di "
                u"posta. Annulla chiude la finestra senza scrivere nulla.",
            }),
        {
            {QStringLiteral("scadenze_selezionate"),
             QStringLiteral("L'elenco degli abbonamenti con due soci selezionati."), 2},
            {QStringLiteral("promemoria"), QStringLiteral("La finestra Promemoria e-mail."), 4},
        },
    };
}

GuideChapter membersImport() {
    const QString help = membersImportHelpText();
    return {
        QStringLiteral("Importare soci da un file CSV"),
        paragraphs({
            u"Chi tiene già l'elenco dei soci in un foglio di calcolo non deve ricopiarlo a "
            u"mano: nella schermata Archivio soci il pulsante Importa... apre la finestra "
            u"Importa soci, che aggiunge all'archivio i soci di un file CSV.",
        }) + help +
            paragraphs({
                u"Se qualcosa non va. Un file con le lettere accentate sbagliate nell'anteprima "
                u"è stato letto con la codifica sbagliata: basta sceglierne un'altra. Una riga "
                u"scartata si corregge nel foglio di calcolo, e si importa di nuovo un file che "
                u"contiene soltanto le righe corrette: le righe già importate, importate una "
                u"seconda volta, darebbero due schede per lo stesso socio.",
            }),
        {
            {QStringLiteral("importa_soci"),
             QStringLiteral("La finestra Importa soci con un file CSV scelto."), 3},
            {QStringLiteral("importa_soci_esito"),
             QStringLiteral("La stessa finestra dopo l'importazione, con le righe scartate."), 5},
        },
    };
}

GuideChapter membersRegister() {
    return {
        QStringLiteral("Libro soci"),
        paragraphs({
            u"Il libro soci è l'elenco degli iscritti che l'associazione tiene aggiornato, ad "
            u"esempio per l'assemblea dei soci. Velarno lo ricava dall'archivio dei soci: si "
            u"apre con il pulsante Libro soci della schermata Archivio soci, che apre la "
            u"finestra Libro soci.",

            u"Nel campo Soci al: si indica la data del libro soci nel formato gg/mm/aaaa; "
            u"Velarno propone la data odierna. Come ricorda la finestra, il libro soci elenca, "
            u"in ordine di numero di tessera, i soci con l'abbonamento valido alla data "
            u"indicata: chi ha l'abbonamento scaduto prima di quella data non compare, mentre "
            u"un socio senza data di scadenza viene sempre elencato. Le tessere composte di "
            u"sole cifre seguono l'ordine dei numeri e precedono le altre; i soci senza tessera "
            u"compaiono per ultimi.",

            u"Per ogni socio il libro riporta le colonne Tessera n., Nome e cognome, Nato il, "
            u"Luogo di nascita, Codice fiscale, Residenza, Incarico e Scadenza. Stampa apre la "
            u"finestra di stampa, dove si sceglie la stampante; il titolo della stampa riporta "
            u"i dati dell'associazione scritti nei righi DATI ASSOCIAZIONE della schermata "
            u"Emissione ricevute, seguiti da Libro soci al e dalla data. Esporta scrive il libro "
            u"nel file Libro_Soci.xls della cartella del programma e chiede se aprirlo con "
            u"Excel; Chiudi chiude la finestra.",

            u"Se qualcosa non va. Una data incompleta o inesistente viene segnalata con il "
            u"messaggio Attenzione: indicare la data del libro soci (gg/mm/aaaa). Se "
            u"l'esportazione non riesce, di solito il file Libro_Soci.xls è ancora aperto in "
            u"Excel: lo si chiude e si preme di nuovo Esporta. Ogni esportazione sostituisce "
            u"il file precedente, per cui un libro da conservare va copiato altrove con un "
            u"altro nome. Se un socio manca dal libro, la sua data di scadenza è precedente "
            u"alla data indicata: la si controlla nella sua scheda.",
        }),
        {
            {QStringLiteral("libro_soci"), QStringLiteral("La finestra Libro soci."), 1},
            {QStringLiteral("stampa_libro_soci"),
             QStringLiteral("L'inizio della stampa del libro soci."), 2},
        },
    };
}

GuideChapter numberingCheck() {
    return {
        QStringLiteral("Controllo della numerazione"),
        helpParagraphAbout(receiptsHelpText(), QStringLiteral("Il pulsante Nuovo numera")) +
            paragraphs({
                u"Nel menu Emissione ricevute, in fondo al riquadro dell'anno, una riga riassume "
                u"la numerazione dell'anno indicato nel campo Anno, appena l'anno ha quattro "
                u"cifre e prima ancora di premere Apri. Se tutto è in ordine la riga dice "
                u"Numerazione regolare: nessun numero mancante o ripetuto. Altrimenti elenca i "
                u"Numeri mancanti, cioè quelli saltati tra il più basso e il più alto usati, e i "
                u"Numeri usati più volte, ciascuno con il numero delle ricevute che lo portano "
                u"tra parentesi; dopo i primi dieci numeri mancanti gli altri vengono soltanto "
                u"contati, ad esempio e altri 25. Le ricevute il cui numero non è un numero intero "
                u"sono "
                u"contate a parte, come Ricevute senza un numero valido. Per un anno senza "
                u"ricevute la riga dice Nessuna ricevuta in archivio per l'anno scelto.",

                u"Il pulsante Elenco, accanto alla riga, è attivo quando c'è qualcosa da "
                u"controllare e apre la finestra Controllo numerazione ricevute. Vi compaiono, "
                u"in ordine di numero, le ricevute interessate: quelle che precedono e seguono "
                u"ogni numero mancante, quelle che condividono un numero e quelle senza un numero "
                u"valido. Come in ogni riepilogo, Trova cerca una parola nell'elenco e Stampa lo "
                u"stampa; con un doppio clic su una riga la ricevuta si apre nella schermata "
                u"Emissione ricevute.",

                u"Come rimediare. Le ricevute non si cancellano mai, per cui un numero mancante "
                u"non si recupera: di solito indica un numero corretto a mano o una ricevuta "
                u"scritta su carta, e basta verificarlo sulle copie dell'associazione. Per un "
                u"numero usato due volte si apre una delle due ricevute con un doppio clic, si "
                u"scrive un numero libero nel campo del numero e si preme Salva; se però la "
                u"ricevuta è già stata consegnata con quel numero, conviene chiedere consiglio al "
                u"proprio commercialista prima di cambiarlo. Il menu ripropone poi l'anno in "
                u"corso: scrivendo di nuovo l'anno controllato, la riga mostra la numerazione "
                u"aggiornata.",
            }),
        {
            {QStringLiteral("menu_numerazione"),
             QStringLiteral("Il riquadro dell'anno nel menu delle ricevute, con la riga sulla "
                            "numerazione."),
             1},
            {QStringLiteral("controllo_numeri"),
             QStringLiteral("La finestra Controllo numerazione ricevute."), 2},
        },
    };
}

GuideChapter revenueStamp() {
    return {
        QStringLiteral("Promemoria della marca da bollo"),
        helpParagraphAbout(receiptsHelpText(), QStringLiteral("77,47 €")) +
            paragraphs({
                u"Il promemoria, scritto in rosso scuro sotto il totale della schermata "
                u"Emissione ricevute, dice: Importo superiore a 77,47 €: applicare una marca da "
                u"bollo da 2 € se l'importo non è esente. Compare quando il totale viene "
                u"calcolato, con Calcola totale o al salvataggio, e quando si richiama una "
                u"ricevuta archiviata il cui totale supera 77,47 €; per un totale di 77,47 € "
                u"esatti non compare. Modificando un importo il totale si azzera in attesa del "
                u"nuovo calcolo, e con esso il promemoria.",
            }) +
            helpParagraphAbout(generalHelpText(), QStringLiteral("è dovuta, in linea generale")),
        {
            {QStringLiteral("ricevuta_bollo"),
             QStringLiteral("Il promemoria della marca da bollo sotto il totale della ricevuta."),
             0},
        },
    };
}

GuideChapter backups() {
    return {
        QStringLiteral("Copie di sicurezza"),
        paragraphs({
            u"Velarno salva da solo una copia di sicurezza dei dati ogni volta che il programma "
            u"viene chiuso: con l'icona Esci o chiudendo il menu principale, oppure con Esci "
            u"nella schermata di accesso. La copia contiene l'archivio dei soci, gli archivi "
            u"annuali delle ricevute, le impostazioni Ricevute.ini, il listino prezzi, il logo, "
            u"la password, le foto della cartella Schedario e i documenti della cartella "
            u"Documenti_Allegati.",

            u"Le copie si trovano nella sottocartella Backup della cartella del programma, "
            u"ciascuna in un file compresso che porta nel nome la data e l'ora della chiusura, "
            u"ad esempio Velarno-2026-03-13-120721.zip (anno, mese, giorno, ore, minuti e "
            u"secondi). Velarno conserva le 20 copie più recenti e cancella da solo quelle più "
            u"vecchie. Il file compresso si apre con qualsiasi programma per i file zip, se "
            u"serve recuperare un singolo file.",

            u"Per tornare a una copia si apre la finestra Ripristina copia di sicurezza: nel "
            u"menu principale si fa clic sull'icona delle informazioni, la prima in basso a "
            u"sinistra, e nella finestra Informazioni su Velarno si preme Copie di sicurezza.",

            u"La finestra elenca le copie dalla più recente alla più vecchia. La colonna Data "
            u"indica il giorno e l'ora in cui la copia è stata salvata, Dimensione lo spazio "
            u"che occupa e Contenuto quanti soci e quante ricevute di ogni anno contiene, ad "
            u"esempio Soci: 5. Ricevute 2025: 7, 2026: 6: il confronto con i dati attuali aiuta "
            u"a scegliere la copia giusta. Una copia danneggiata compare con la scritta Copia "
            u"non leggibile.",

            u"Si seleziona la copia e si preme Ripristina, quindi si conferma. Prima di "
            u"sostituire i dati Velarno salva una copia di quelli attuali, che compare in cima "
            u"all'elenco: se si è scelta la copia sbagliata, basta ripristinare quella. Il "
            u"ripristino riporta tutti i dati al momento della copia, compresi la password, il "
            u"listino e il logo: le schede e le ricevute inserite dopo non ci sono più, ma "
            u"restano nella copia salvata appena prima del ripristino. Chiudi riporta alla "
            u"finestra Informazioni su Velarno.",

            u"Se qualcosa non va. Se alla chiusura compare il messaggio Impossibile salvare la "
            u"copia di sicurezza nella cartella Backup, il disco è pieno oppure la cartella del "
            u"programma è in sola lettura: le copie precedenti restano intatte, e basta "
            u"liberare spazio o chiedere il permesso di scrittura. Se il ripristino non "
            u"riesce, il messaggio invita a verificare lo spazio libero e i permessi della "
            u"cartella del programma. Quando la cartella è condivisa in rete, prima di "
            u"ripristinare si chiude Velarno su tutte le altre postazioni.",

            u"Le copie stanno sullo stesso disco dei dati: proteggono da un errore o da un "
            u"archivio danneggiato, non dalla rottura del disco o dallo smarrimento della "
            u"chiavetta. Conviene perciò copiare di tanto in tanto la cartella Backup, o "
            u"l'intera cartella del programma, su un altro disco.",
        }),
        {
            {QStringLiteral("informazioni"),
             QStringLiteral("La finestra Informazioni su Velarno con il pulsante Copie di "
                            "sicurezza."),
             2},
            {QStringLiteral("ripristino"),
             QStringLiteral("La finestra Ripristina copia di sicurezza."), 3},
        },
    };
}

} // namespace

QString helpTextForPaper(const QString& helpText,
                         const QList<QPair<QString, QString>>& rewordings) {
    QString text = helpText;
    for (const auto& [phrase, forPaper] : rewordings) {
        if (!text.contains(phrase))
            throw std::logic_error("the help text no longer says: " + phrase.toStdString());
        text.replace(phrase, forPaper);
    }
    return text;
}

QString helpParagraphAbout(const QString& helpText, const QString& phrase) {
    const QString separator = QStringLiteral("\r\n\r\n");
    QString found;
    for (const QString& paragraph : helpText.split(separator, Qt::SkipEmptyParts)) {
        if (!paragraph.contains(phrase))
            continue;
        if (!found.isEmpty())
            throw std::logic_error("more than one paragraph of the help text says: " +
                                   phrase.toStdString());
        found = paragraph + separator;
    }
    if (found.isEmpty())
        throw std::logic_error("the help text no longer says: " + phrase.toStdString());
    return found;
}

// The guide's own first steps, one chapter per help window, each area's further features after
// its chapters, the keys, the backup copies, then what to do when something goes wrong; the
// table of contents follows this order.
QList<GuideChapter> guideChapters() {
    const QString general = helpTextForPaper(
        generalHelpText(),
        {{QStringLiteral("le informazioni sul programma e questa guida;"),
          QStringLiteral("le informazioni sul programma e la finestra di guida che riporta "
                         "questo capitolo;")},
         {QStringLiteral("che si apre con il collegamento Visualizza guida in formato PDF di "
                         "questa finestra."),
          QStringLiteral("cioè questo documento, che si apre con il collegamento Visualizza "
                         "guida in formato PDF di ogni finestra di guida del programma.")}});
    return {
        firstSteps(),
        {generalHelpTitle(),
         general,
         {{QStringLiteral("menu_principale"), QStringLiteral("Il menu principale."), 4}}},
        {membersHelpTitle(),
         membersHelpText(),
         {{QStringLiteral("archivio_soci"), QStringLiteral("La schermata Archivio soci."), 0}}},
        {membersExportHelpTitle(),
         membersExportHelpText(),
         {{QStringLiteral("esporta_soci"),
           QStringLiteral("La finestra di esportazione dell'archivio soci."), 0}}},
        expiryNotice(),
        renewalAndReminder(),
        membersRegister(),
        membersImport(),
        {receiptsHelpTitle(),
         receiptsHelpText(),
         {{QStringLiteral("menu_ricevute"), QStringLiteral("Il menu delle ricevute."), 0},
          {QStringLiteral("ricevuta"), QStringLiteral("La schermata Emissione ricevute."), 1}}},
        {receiptsExportHelpTitle(),
         receiptsExportHelpText(),
         {{QStringLiteral("esporta_ricevute"),
           QStringLiteral("La finestra di esportazione delle ricevute."), 0}}},
        numberingCheck(),
        revenueStamp(),
        {statisticsHelpTitle(),
         statisticsHelpText(),
         {{QStringLiteral("statistiche"),
           QStringLiteral("Il grafico mensile degli incassi di un anno."), 0}}},
        {incomeSummaryHelpTitle(),
         incomeSummaryHelpText(),
         {{QStringLiteral("periodo_incassi"),
           QStringLiteral("La scelta del periodo e del pagatore."), 0},
          {QStringLiteral("riepilogo_incassi"), QStringLiteral("Il riepilogo degli incassi."), 1}}},
        {keyboardHelpTitle(),
         keyboardHelpText(),
         {{QStringLiteral("menu_tastiera"),
           QStringLiteral("Il menu principale con la cornice dell'immagine raggiunta dalla "
                          "tastiera."),
           1}}},
        backups(),
        troubleshooting(),
    };
}
