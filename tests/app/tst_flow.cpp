#include "app/GeneralHelpText.h"
#include "app/ScreenFlow.h"
#include "app/StartUp.h"
#include "app/TfrmCalendario.h"
#include "app/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "receipts/TfrmMenuRicevute.h"
#include "storage/ProgramFolder.h"
#include "tests/app/AppTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

Q_DECLARE_METATYPE(Screen)

class TestFlow : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ProgramScreens> screens;

    QWidget* screen(Screen id) const { return ScreenFlow::screen(id); }
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
        ScreenFlow::moveTo(id, visibleScreens().value(0));
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
        screens = std::make_unique<ProgramScreens>();
        screens->start();
        QVERIFY(QTest::qWaitForWindowExposed(screen(Screen::Password)));
    }
    void cleanup() {
        t.tearDownSeams();
        screens.reset();
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
        QCOMPARE(t.terminations, 0);
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
        ScreenFlow::screenAs<TfrmMenuRicevute>(Screen::MenuRicevute)->closeTowards(marker);
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(to)});
        goTo(Screen::MenuRicevute); // every showing puts the marker back
        QCOMPARE(ScreenFlow::screenAs<TfrmMenuRicevute>(Screen::MenuRicevute)->returnTo(),
                 QStringLiteral("avvio"));
    }

    void waysOutEndTheProgram() {
        goTo(Screen::Avvio);
        screen(Screen::Avvio)->close();
        QCOMPARE(t.terminations, 1);
        goTo(Screen::Avvio);
        clickMenuPicture(QStringLiteral("imgEsci"));
        QCOMPARE(t.terminations, 2);
        goTo(Screen::Password);
        QTest::mouseClick(control<QPushButton>(screen(Screen::Password), QStringLiteral("cmdEsci")),
                          Qt::LeftButton);
        QCOMPARE(t.terminations, 3);
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
        QString helpTitle, helpText;
        setDialogDriverForTests([&](QDialog& dialog) {
            openedDialogs.append(dialog.objectName() + QLatin1Char('|') + dialog.windowTitle());
            if (auto* help = qobject_cast<TfrmGuida*>(&dialog)) {
                helpTitle = help->lblTitolo->text();
                helpText = help->txtGuida->toPlainText();
            }
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
        QCOMPARE(helpTitle, QStringLiteral("Uno sguardo a Velarno."));
        QCOMPARE(helpText,
                 QString(generalHelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(t.shellTargets, QStringList{QStringLiteral("https://www.velarno.it")});
        QCOMPARE(visibleScreens(), QList<QWidget*>{screen(Screen::Avvio)});
    }

    void generalHelpTextIsMadeOfParagraphs() {
        const QString text = generalHelpText();
        QVERIFY(text.startsWith(QStringLiteral(
            "Velarno è un software facile e intuitivo studiato per qualsiasi associazione che "
            "abbia bisogno di emettere ricevute generiche per attestare sia i pagamenti effettuati "
            "dai soci sia gli incassi derivanti dalla vendita di un bene o dalla fornitura di un "
            "servizio.\r\n\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n")));
        QVERIFY(!text.contains(QStringLiteral("\r\n\r\n\r\n")));
        QVERIFY(text.contains(QStringLiteral("la parola velarno")));
    }

    void informationLinksOpenTheirTargets() {
        setProgramFolderForTests(t.programFolder() + QStringLiteral("/cartella con spazi"));
        setDialogDriverForTests([](QDialog& dialog) {
            auto* link = control<QLabel>(&dialog, QStringLiteral("lnkWeb"));
            QTest::mouseClick(link, Qt::LeftButton);
            QVERIFY(dialog.isVisible()); // a link leaves its window open
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnChiudi")),
                              Qt::LeftButton);
        });
        QWidget* menu = screen(Screen::Avvio);
        run_dialog<TfrmGuida>(menu);
        run_dialog<TfrmInfo>(menu);
        run_dialog<TfrmSplash>(menu);
        QCOMPARE(t.shellTargets,
                 (QStringList{
                     QLatin1Char('"') + t.programFolder() +
                         QStringLiteral("/cartella con spazi/Guida.pdf\""),
                     QStringLiteral(
                         "\"mailto:info@velarno.it?subject=Software Velarno&body=Salve, "
                         "desidererei avere le seguenti informazioni sul software in oggetto:\""),
                     QStringLiteral("https://www.velarno.it")}));
    }

    void datePickerWritesIntoTheBoxItsMarkerNames_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("imported"); // empty: nothing written, picker stays open
        QTest::newRow("member expiry") << QStringLiteral("datasca") << QStringLiteral("09/12/2026");
        QTest::newRow("receipt date")
            << QStringLiteral("ricevute_data") << QStringLiteral("09/12/2026");
        QTest::newRow("marker with blanks") << QStringLiteral(" datasca") << QString();
        QTest::newRow("marker in capitals") << QStringLiteral("DATASCA") << QString();
    }
    void datePickerWritesIntoTheBoxItsMarkerNames() {
        QFETCH(QString, marker);
        QFETCH(QString, imported);
        setClockForTests(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        auto* expiry = new QLineEdit(screen(Screen::Anagrafica));
        expiry->setObjectName(QStringLiteral("txtDataSca"));
        expiry->setText(QStringLiteral("31/01/2030"));
        auto* receiptDate = new QLineEdit(screen(Screen::Ricevute));
        receiptDate->setObjectName(QStringLiteral("txtData"));

        bool stayedOpen = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& picker = static_cast<TfrmCalendario&>(dialog);
            QCOMPARE(picker.calAppuntamenti->selectedDate(), QDate(2026, 12, 10));
            picker.calAppuntamenti->setSelectedDate(QDate(2026, 12, 9));
            QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
            stayedOpen = dialog.isVisible();
        });
        pickDate(screen(Screen::Anagrafica), marker);
        QCOMPARE(stayedOpen, imported.isEmpty());
        const QLineEdit* target = marker == QStringLiteral("ricevute_data") ? receiptDate : expiry;
        if (!imported.isEmpty())
            QCOMPARE(target->text(), imported);
        else
            QCOMPARE(expiry->text(), QStringLiteral("31/01/2030"));
    }

    void dialogStartsFromItsDesignValuesEachTime() {
        setClockForTests(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
        QList<QDate> shown;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& picker = static_cast<TfrmCalendario&>(dialog);
            shown.append(picker.calAppuntamenti->selectedDate());
            picker.calAppuntamenti->setSelectedDate(QDate(2027, 3, 1));
            QTest::mouseClick(picker.btnAnnulla, Qt::LeftButton);
        });
        pickDate(screen(Screen::Password), QStringLiteral("datasca"));
        pickDate(screen(Screen::Password), QStringLiteral("datasca"));
        QCOMPARE(shown, (QList<QDate>{QDate(2026, 12, 10), QDate(2026, 12, 10)}));
    }

    void dialogsCloseOnlyThroughTheirButtons() {
        setDialogDriverForTests([](QDialog& dialog) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(dialog.isVisible());
            dialog.close();
            QVERIFY(dialog.isVisible());
            QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnAnnulla")),
                              Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        });
        pickDate(screen(Screen::Password), QStringLiteral("datasca"));
    }
};

QObject* newFlowTests() {
    return new TestFlow;
}

#include "tst_flow.moc"
