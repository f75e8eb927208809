#include "members/MembersExportHelpText.h"
#include "members/MembersHelpText.h"
#include "program/ProgramScreens.h"
#include "receipts/ReceiptsExportHelpText.h"
#include "receipts/ReceiptsHelpText.h"
#include "receipts/TfrmRicevute.h"
#include "reports/IncomeSummaryHelpText.h"
#include "reports/StatisticsHelpText.h"
#include "shell/GeneralHelpText.h"
#include "shell/ScreenKinds.h"
#include "shell/TfrmGuida.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// Paragraph number, and words of the program that the paragraph explains.
using Landmarks = QList<QPair<int, QString>>;

Q_DECLARE_METATYPE(Screen)
Q_DECLARE_METATYPE(Landmarks)

namespace {

struct HelpTopic {
    QString title;
    QString text;
    int paragraphs;
    Landmarks landmarks;
};

HelpTopic generalTopic() {
    return {QStringLiteral("Uno sguardo a Velarno."),
            generalHelpText(),
            45,
            {{0, QStringLiteral("Velarno è un software facile e intuitivo studiato per qualsiasi "
                                "associazione che abbia bisogno di emettere ricevute generiche "
                                "per attestare sia i pagamenti effettuati dai soci sia gli "
                                "incassi derivanti dalla vendita di un bene o dalla fornitura di "
                                "un servizio.")},
             {4, QStringLiteral("Dal menu principale si accede")},
             {5, QStringLiteral("L'applicazione Archivio soci")},
             {40, QStringLiteral("la parola velarno")},
             {43, QStringLiteral("Le principali schermate di lavoro")},
             {44, QStringLiteral("Per ogni ulteriore dettaglio")}}};
}

HelpTopic membersTopic() {
    return {QStringLiteral("Applicazione Archivio Soci."),
            membersHelpText(),
            11,
            {{0, QStringLiteral("L'applicazione Archivio Soci consente di schedare")},
             {1, QStringLiteral("In scadenza")},
             {2, QStringLiteral("Rinnova")},
             {3, QStringLiteral("Salva")},
             {4, QStringLiteral("Webcam")},
             {6, QStringLiteral("Documenti_Allegati")},
             {7, QStringLiteral("Duplica")},
             {9, QStringLiteral("Trova")},
             {10, QStringLiteral("Esporta")}}};
}

HelpTopic receiptsTopic() {
    Landmarks landmarks{
        {0, QStringLiteral("L'applicazione Emissione Ricevute permette la compilazione, "
                           "l'archiviazione e la stampa in duplice copia su foglio A4 di ricevute "
                           "non fiscali da rilasciare ai soci o ai clienti della propria "
                           "associazione.")}};
    const QStringList topics{
        QStringLiteral("Apri"),          QStringLiteral("Listino prezzi"),
        QStringLiteral("Salva"),         QStringLiteral("N."),
        QStringLiteral("Imposta logo"),  QStringLiteral("DATI ASSOCIAZIONE"),
        QStringLiteral("freccia verde"), QStringLiteral("Aggiungi voce selezionata a ricevuta"),
        QStringLiteral("Duplica"),       QStringLiteral("Da saldare"),
        QStringLiteral("Trova"),         QStringLiteral("Anteprima"),
        QStringLiteral("77,47")};
    for (int i = 0; i < topics.size(); ++i)
        landmarks.append({i + 1, topics[i]});
    return {QStringLiteral("Applicazione Emissione Ricevute."), receiptsHelpText(), 14, landmarks};
}

// Every export's help ends with the same two paragraphs.
HelpTopic exportTopic(const QString& title, const QString& text, const QString& opening) {
    return {title,
            text,
            3,
            {{0, opening},
             {2, QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco "
                                "fisso assegnandogli un nome qualsiasi.")}}};
}

HelpTopic statisticsTopic() {
    return {QStringLiteral("Applicazione Statistiche Incassi"),
            statisticsHelpText(),
            4,
            {{0, QStringLiteral("L'applicazione Statistiche Incassi consente di visualizzare e "
                                "stampare grafici statistici sulle entrate mensili in base alle "
                                "ricevute emesse ai soci o ai clienti dell'Associazione nell'anno "
                                "solare selezionato.")},
             {1, QStringLiteral("Apri")},
             {2, QStringLiteral("Visualizza grafico a torta")},
             {3, QStringLiteral("Stampa grafico")}}};
}

HelpTopic incomeSummaryTopic() {
    return {QStringLiteral("Applicazione Riepilogo Incassi."),
            incomeSummaryHelpText(),
            4,
            {{0, QStringLiteral("L'applicazione Riepilogo Incassi consente di ottenere un estratto "
                                "conto degli incassi percepiti in base alle ricevute rilasciate "
                                "ai soci o clienti in un qualsiasi intervallo di tempo utilizzando "
                                "come filtro di ricerca i dati del pagatore indicati nel primo "
                                "rigo della ricevuta.")},
             {1, QStringLiteral("Per ottenere il riepilogo degli incassi relativi a un certo "
                                "intervallo di tempo è sufficiente indicare l'anno solare di "
                                "interesse")},
             {2, QStringLiteral("L'estratto conto che si ottiene visualizza un elenco di tutti "
                                "gli incassi percepiti nel periodo specificato")},
             {3, QStringLiteral("Per ottenere il riepilogo di tutte le ricevute emesse a tutti i "
                                "soci o clienti nell'intervallo di tempo indicato, basta lasciare "
                                "in bianco i campi di ricerca.")}}};
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ProgramScreens> screens;

    PersistentScreen* screen(Screen id) const {
        return &screens->flow().screen<PersistentScreen>(id);
    }

    // Presses the controls in turn, each in the window active at that moment: the screen, then
    // each window that a press opens. "F1" is the key, pressed where the focus is.
    static void press(QWidget* window, QStringList& presses) {
        while (!presses.isEmpty()) {
            const QString next = presses.takeFirst();
            if (next == QStringLiteral("F1")) {
                QWidget* focused = QApplication::focusWidget();
                QVERIFY2(focused && focused->window() == window, "the focus is elsewhere");
                QTest::keyClick(focused, Qt::Key_F1);
            } else {
                QTest::mouseClick(control<QWidget>(window, next), Qt::LeftButton);
            }
        }
    }

    // The summary needs a whole period; the headless platform cannot open the lists, so the
    // entries are chosen as a click on them would.
    void choosePeriod(const QString& startDay, const QString& startMonth, const QString& endDay,
                      const QString& endMonth) {
        const QList<QPair<const char*, QString>> choices{{"txtGiornoInizio", startDay},
                                                         {"txtMeseInizio", startMonth},
                                                         {"txtGiornoFine", endDay},
                                                         {"txtMeseFine", endMonth}};
        for (const auto& [name, entry] : choices) {
            auto* box = control<QComboBox>(screen(Screen::MenuRiepLavoro), QLatin1String(name));
            box->setCurrentIndex(box->findText(entry));
            QCOMPARE(box->currentText(), entry);
        }
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        // A year with a receipt, so that the summary and the chart open on it.
        writeReceipts(2027, {sampleReceipt(QStringLiteral("1"), QStringLiteral("Rossi Mario"))});
        screens = std::make_unique<ProgramScreens>();
        screens->start();
    }
    void cleanup() {
        t.tearDownSeams();
        screens.reset();
    }

    void eachScreenOpensItsHelp_data() {
        QTest::addColumn<Screen>("from");
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paragraphs");
        QTest::addColumn<Landmarks>("landmarks");
        const auto row = [](const char* name, Screen from, const QStringList& presses,
                            const HelpTopic& topic) {
            QTest::newRow(name) << from << presses << topic.title << topic.text << topic.paragraphs
                                << topic.landmarks;
        };
        row("main menu", Screen::Avvio, {u"imgGuida"_qs}, generalTopic());
        row("member editor, F1", Screen::Anagrafica, {u"F1"_qs}, membersTopic());
        row("member editor, button", Screen::Anagrafica, {u"btnGuida"_qs}, membersTopic());
        row("members export", Screen::Anagrafica, {u"btnEsporta"_qs, u"cmdGuida"_qs},
            exportTopic(QStringLiteral("Esportazione archivio soci in Microsoft Excel."),
                        membersExportHelpText(),
                        QStringLiteral("Il pulsante Esporta archivio consente di esportare le "
                                       "schede anagrafiche dei soci in un foglio di lavoro di "
                                       "Microsoft Excel")));
        row("receipts menu", Screen::MenuRicevute, {u"imgGuida"_qs}, receiptsTopic());
        row("receipt editor, F1", Screen::Ricevute, {u"F1"_qs}, receiptsTopic());
        row("receipt editor, button", Screen::Ricevute, {u"cmdGuida"_qs}, receiptsTopic());
        row("receipts export", Screen::Ricevute, {u"cmdEsporta"_qs, u"cmdGuida"_qs},
            exportTopic(QStringLiteral("Esportazione archivio ricevute in Microsoft Excel."),
                        receiptsExportHelpText(),
                        QStringLiteral("Il pulsante Esporta archivio consente di esportare tutte "
                                       "le ricevute emesse in un anno solare in un foglio di "
                                       "Microsoft Excel")));
        row("statistics, year panel", Screen::Statistiche, {u"imgGuida"_qs}, statisticsTopic());
        row("statistics, chart panel", Screen::Statistiche, {u"btnApri"_qs, u"cmdGuida"_qs},
            statisticsTopic());
        row("income summary", Screen::MenuRiepLavoro, {u"btnVisualizza"_qs, u"imgGuida"_qs},
            incomeSummaryTopic());
    }
    void eachScreenOpensItsHelp() {
        QFETCH(Screen, from);
        QFETCH(QStringList, presses);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(int, paragraphs);
        QFETCH(Landmarks, landmarks);

        if (from == Screen::Ricevute)
            screens->flow().screen<TfrmRicevute>(from).setYear(QStringLiteral("2027"));
        screens->flow().moveTo(from, screen(Screen::Password));
        QVERIFY(QTest::qWaitForWindowActive(screen(from)));
        if (from == Screen::MenuRiepLavoro)
            choosePeriod(QStringLiteral("01"), QStringLiteral("Marzo"), QStringLiteral("31"),
                         QStringLiteral("Marzo"));

        QStringList shown; // title, then text, of each help window
        setDialogDriverForTests([&](QDialog& dialog) {
            if (auto* help = qobject_cast<TfrmGuida*>(&dialog)) {
                shown << help->lblTitolo->text() << help->txtGuida->toPlainText();
                checkTextsFit(help);
                QTest::mouseClick(help->btnChiudi, Qt::LeftButton);
                return;
            }
            QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            press(&dialog, presses);
            QVERIFY2(dialog.isVisible(), "the help closed its opener");
            dialog.reject();
        });
        press(screen(from), presses);
        QVERIFY(t.messages.isEmpty());
        QCOMPARE(shown, (QStringList{title, QString(text).replace(u"\r\n"_qs, u"\n"_qs)}));
        QVERIFY(screen(from)->isVisible());

        // Paragraphs divided by an empty line, each one line long.
        QVERIFY(text.endsWith(u"\r\n\r\n"_qs));
        QVERIFY(!text.contains(u"\r\n\r\n\r\n"_qs));
        QCOMPARE(text.count(QLatin1Char('\n')), text.count(u"\r\n"_qs));
        const QStringList split = text.split(u"\r\n\r\n"_qs, Qt::SkipEmptyParts);
        QCOMPARE(split.size(), paragraphs);
        for (const QString& paragraph : split)
            QVERIFY2(!paragraph.contains(QLatin1Char('\n')), qPrintable(paragraph));
        // The first paragraph opens with its words.
        for (const auto& [paragraph, words] : landmarks) {
            QVERIFY2(paragraph == 0 ? split[0].startsWith(words) : split[paragraph].contains(words),
                     qPrintable(words));
        }
    }
};

QTEST_MAIN(TestHelp)

#include "tst_help.moc"
