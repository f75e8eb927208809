#include "program/guide/GuideChapters.h"

#include "members/MembersExportHelpText.h"
#include "members/MembersHelpText.h"
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

            u"9. Come copiarli. Per una copia di sicurezza basta chiudere Velarno e copiare "
            u"l'intera cartella del programma, con tutte le sottocartelle, su una chiavetta USB "
            u"o su un altro disco; conviene farlo almeno una volta alla settimana e dare alla "
            u"copia un nome con la data, ad esempio Velarno 2026-03-16. La stessa cartella "
            u"copiata su una chiavetta si avvia anche da lì.",
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

            u"Ripristinare una copia. Se un archivio si è danneggiato o si vuole tornare a una "
            u"copia di sicurezza, si chiude Velarno su tutte le postazioni, si mette da parte la "
            u"cartella attuale rinominandola e si copia al suo posto la cartella della copia di "
            u"sicurezza, con lo stesso nome. Al successivo avvio Velarno lavora sui dati della "
            u"copia, password compresa.",
        }),
        {
            {QStringLiteral("password_errata"),
             QStringLiteral("Il messaggio della schermata di accesso per una password errata."), 1},
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

// The guide's own first steps, one chapter per help window, the keys, then what to do when
// something goes wrong; the table of contents follows this order.
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
        {receiptsHelpTitle(),
         receiptsHelpText(),
         {{QStringLiteral("menu_ricevute"), QStringLiteral("Il menu delle ricevute."), 0},
          {QStringLiteral("ricevuta"), QStringLiteral("La schermata Emissione ricevute."), 1}}},
        {receiptsExportHelpTitle(),
         receiptsExportHelpText(),
         {{QStringLiteral("esporta_ricevute"),
           QStringLiteral("La finestra di esportazione delle ricevute."), 0}}},
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
        troubleshooting(),
    };
}
