#include "program/ProgramScreens.h"
#include "receipts/TfrmMenuRicevute.h"
#include "shell/ScreenKinds.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"

#include <QLabel>
#include <QPushButton>

Q_DECLARE_METATYPE(Screen)

class TestProgram : public QObject {
    Q_OBJECT
    ScreenTest t;
    int terminations = 0;
    std::unique_ptr<ProgramScreens> screens;

    QWidget* screen(Screen id) const { return &screens->flow().screen<PersistentScreen>(id); }
    QList<QWidget*> visibleScreens() const {
        QList<QWidget*> visible;
        for (Screen id : {Screen::Password, Screen::CambiaPassword, Screen::Avvio,
                          Screen::Anagrafica, Screen::MenuRicevute, Screen::Ricevute,
                          Screen::Statistiche, Screen::MenuRiepLavoro}) {
            if (screen(id)->isVisible())
                visible.append(screen(id));
        }
        return visible;
    }
    void goTo(Screen id) {
        screens->flow().moveTo(id, visibleScreens().value(0));
        QVERIFY(QTest::qWaitForWindowExposed(screen(id)));
    }
    void clickMenuPicture(const QString& name) {
        QTest::mouseClick(control<Picture>(screen(Screen::Avvio), name), Qt::LeftButton);
    }
    // The dialogs that the next actions open, each closed by the test right away.
    QStringList openedDialogs;
    void recordDialogs() {
        setDialogDriverForTests([this](QDialog& dialog) {
            openedDialogs.append(dialog.objectName() + QLatin1Char('|') + dialog.windowTitle());
        });
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        openedDialogs.clear();
        terminations = 0;
        screens = std::make_unique<ProgramScreens>([this] { ++terminations; });
        screens->start();
        QVERIFY(QTest::qWaitForWindowExposed(screen(Screen::Password)));
    }
    void cleanup() {
        t.tearDownSeams();
        screens.reset();
    }

    // Counted on each showing of the main menu; a click opens the expiring-or-expired list.
    void mainMenuCountsSubscriptionsNeedingAttention() {
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        goTo(Screen::Avvio);
        const auto* lblScadenze =
            control<QLabel>(screen(Screen::Avvio), QStringLiteral("lblScadenze"));
        QVERIFY(!lblScadenze->isVisible());

        RecordFile<MemberRecord> archive;
        archive.openOrCreate(membersArchivePath());
        for (const auto& [expiry, notice] :
             QList<QPair<QString, QString>>{{QStringLiteral("14/03/2027"), QStringLiteral("0")},
                                            {QStringLiteral("20/03/2027"), QStringLiteral("5")},
                                            {QStringLiteral("20/03/2027"), QStringLiteral("4")}}) {
            MemberRecord card;
            card.Dipendente = QStringLiteral("Rossi Mario");
            card.DataSca = expiry;
            card.Preavviso = notice;
            archive.append(card);
        }
        goTo(Screen::Anagrafica);
        goTo(Screen::Avvio);
        QVERIFY(lblScadenze->isVisible());
        QCOMPARE(lblScadenze->text(), QStringLiteral("1 abbonamento in scadenza, 1 scaduto"));
        checkTextsFit(screen(Screen::Avvio));

        recordDialogs();
        QTest::mouseClick(const_cast<QLabel*>(lblScadenze), Qt::LeftButton);
        QCOMPARE(openedDialogs,
                 QStringList{QStringLiteral(
                     "TfrmSospesi| Riepilogo soci con abbonamenti in scadenza o scaduti")});
    }

    void startShowsOnlyTheLogin() {
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(Screen::Password)});
        QCOMPARE(screen(Screen::Password)->windowTitle(), QStringLiteral(" Velarno - Accesso"));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
    }

    void closingReturnsWhereItShould_data() {
        QTest::addColumn<Screen>("from");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Screen>("to");
        QTest::newRow("member editor")
            << Screen::Anagrafica << QStringLiteral(" Velarno - Archivio Soci") << Screen::Avvio;
        QTest::newRow("receipts menu")
            << Screen::MenuRicevute << QStringLiteral(" Velarno - Emissione Ricevute")
            << Screen::Avvio;
        QTest::newRow("receipt editor")
            << Screen::Ricevute << QStringLiteral(" Velarno - Emissione ricevute") << Screen::Avvio;
        QTest::newRow("statistics")
            << Screen::Statistiche << QStringLiteral(" Velarno - Statistiche Incassi")
            << Screen::Avvio;
        QTest::newRow("income menu")
            << Screen::MenuRiepLavoro << QStringLiteral(" Velarno - Riepilogo Incassi")
            << Screen::Avvio;
        QTest::newRow("change password")
            << Screen::CambiaPassword << QStringLiteral(" Cambia password") << Screen::Password;
    }
    void closingReturnsWhereItShould() {
        QFETCH(Screen, from);
        QFETCH(QString, caption);
        QFETCH(Screen, to);
        goTo(from);
        QCOMPARE(screen(from)->windowTitle(), caption);
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(from)});
        screen(from)->close();
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(to)});
        QCOMPARE(terminations, 0);
    }

    void receiptsMenuClosesByItsMarker_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<Screen>("to");
        QTest::newRow("main menu") << QStringLiteral("avvio") << Screen::Avvio;
        QTest::newRow("receipt editor") << QStringLiteral(" ricevute ") << Screen::Ricevute;
        QTest::newRow("statistics") << QStringLiteral("statistiche") << Screen::Statistiche;
    }
    void receiptsMenuClosesByItsMarker() {
        QFETCH(QString, marker);
        QFETCH(Screen, to);
        goTo(Screen::MenuRicevute);
        screens->flow().screen<TfrmMenuRicevute>(Screen::MenuRicevute).closeTowards(marker);
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(to)});
        goTo(Screen::MenuRicevute); // every showing puts the marker back
        QCOMPARE(screens->flow().screen<TfrmMenuRicevute>(Screen::MenuRicevute).returnTo(),
                 QStringLiteral("avvio"));
    }

    void waysOutEndTheProgram() {
        goTo(Screen::Avvio);
        screen(Screen::Avvio)->close();
        QCOMPARE(terminations, 1);
        goTo(Screen::Avvio);
        clickMenuPicture(QStringLiteral("imgEsci"));
        QCOMPARE(terminations, 2);
        goTo(Screen::Password);
        QTest::mouseClick(control<QPushButton>(screen(Screen::Password), QStringLiteral("cmdEsci")),
                          Qt::LeftButton);
        QCOMPARE(terminations, 3);
    }

    void mainMenuLeadsToTheApplications_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<Screen>("to");
        for (const QString& kind :
             {QStringLiteral("img"), QStringLiteral("app"), QStringLiteral("btn")}) {
            QTest::addRow("%s members", qPrintable(kind))
                << kind + QStringLiteral("Soci") << Screen::Anagrafica;
            QTest::addRow("%s receipts", qPrintable(kind))
                << kind + QStringLiteral("Ricevute") << Screen::MenuRicevute;
            QTest::addRow("%s income", qPrintable(kind))
                << kind + QStringLiteral("Incassi") << Screen::MenuRiepLavoro;
        }
    }
    void mainMenuLeadsToTheApplications() {
        QFETCH(QString, picture);
        QFETCH(Screen, to);
        goTo(Screen::Avvio);
        QCOMPARE(screen(Screen::Avvio)->windowTitle(), QStringLiteral(" Velarno"));
        clickMenuPicture(picture);
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(to)});
    }

    void mainMenuOpensInformationAndHelp() {
        goTo(Screen::Avvio);
        setDialogDriverForTests([&](QDialog& dialog) {
            openedDialogs.append(dialog.objectName() + QLatin1Char('|') + dialog.windowTitle());
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnChiudi")),
                              Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        clickMenuPicture(QStringLiteral("imgInfo"));
        clickMenuPicture(QStringLiteral("imgSplash"));
        clickMenuPicture(QStringLiteral("imgGuida"));
        clickMenuPicture(QStringLiteral("imgSito"));
        QCOMPARE(openedDialogs,
                 (QStringList{QStringLiteral("TfrmInfo| Informazioni su Velarno"),
                              QStringLiteral("TfrmSplash| Velarno - Velarno Software"),
                              QStringLiteral("TfrmGuida| Guida all'utilizzo del software")}));
        QCOMPARE(t.shellTargets, QStringList{QStringLiteral("https://www.velarno.it")});
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(Screen::Avvio)});
    }

    // One row per area screen, each checked as it is shown.
    void textsFitTheAreaScreens_data() {
        QTest::addColumn<Screen>("id");
        QTest::newRow("member editor") << Screen::Anagrafica;
        QTest::newRow("receipts menu") << Screen::MenuRicevute;
        QTest::newRow("receipt editor") << Screen::Ricevute;
        QTest::newRow("statistics") << Screen::Statistiche;
        QTest::newRow("income menu") << Screen::MenuRiepLavoro;
    }
    void textsFitTheAreaScreens() {
        QFETCH(Screen, id);
        goTo(id);
        checkTextsFit(screen(id));
    }

    void hintLinesOfTheRealScreens_data() {
        QTest::addColumn<Screen>("id");
        QTest::addColumn<QString>("initialText");
        QTest::newRow("member editor")
            << Screen::Anagrafica << QStringLiteral("Pronto per archiviare una nuova scheda...");
        QTest::newRow("receipt editor")
            << Screen::Ricevute << QStringLiteral("Pronto per archiviare una nuova ricevuta...");
        QTest::newRow("statistics")
            << Screen::Statistiche << QStringLiteral("Grafico statistico degli incassi annuali.");
    }
    void hintLinesOfTheRealScreens() {
        QFETCH(Screen, id);
        QFETCH(QString, initialText);
        // Moving over the login and the main menu concerns their own widgets only.
        for (Screen other : {Screen::Password, Screen::Avvio}) {
            goTo(other);
            QVERIFY(!screen(other)->findChild<QLabel*>(QStringLiteral("panInfo")));
            QTest::mouseMove(screen(other)->windowHandle(), QPoint(5, 5));
            QTest::mouseMove(screen(other)->windowHandle(), QPoint(9, 9));
        }
        goTo(id);
        auto* panInfo = control<QLabel>(screen(id), QStringLiteral("panInfo"));
        QCOMPARE(panInfo->text(), initialText);
        QTest::mouseMove(screen(id)->windowHandle(),
                         panInfo->mapTo(screen(id), panInfo->rect().center()));
        QCOMPARE(panInfo->text(), initialText);
        QTest::mouseMove(screen(id)->windowHandle(), QPoint(3, 3));
        QCOMPARE(panInfo->text(), QString());
    }
};

QTEST_MAIN(TestProgram)

#include "tst_program.moc"
