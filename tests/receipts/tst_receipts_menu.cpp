#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmNumerazione.h"
#include "receipts/TfrmRicevute.h"
#include "shell/ErrorMessages.h"
#include "shell/ScreenFlow.h"
#include "storage/ProgramFolder.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QByteArray settingsBytes() {
    QFile file(receiptSettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray storedStart(const char* value) {
    return QByteArray("[Numerazione Ricevute]\r\nInizio=") + value + "\r\n";
}

} // namespace

class TestReceiptsMenu : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<PersistentScreen> mainMenu, statistics;
    std::unique_ptr<TfrmMenuRicevute> menu;
    std::unique_ptr<TfrmRicevute> editor;

    QList<QWidget*> visibleScreens() const {
        QList<QWidget*> visible;
        for (QWidget* screen : std::initializer_list<QWidget*>{mainMenu.get(), statistics.get(),
                                                               menu.get(), editor.get()}) {
            if (screen->isVisible())
                visible.append(screen);
        }
        return visible;
    }
    void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }
    void setYearBox(const QString& text) {
        menu->txtAnnoPreventivi->setFocus();
        menu->txtAnnoPreventivi->clear();
        typeText(menu->txtAnnoPreventivi, text);
    }

    // Runs the numbering dialog as the receipt editor does; the driver acts on the live window.
    void runNumbering(const std::function<void(TfrmNumerazione&)>& drive) {
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* numbering = qobject_cast<TfrmNumerazione*>(&dialog);
            QVERIFY(numbering);
            QVERIFY(QTest::qWaitForWindowActive(numbering));
            drive(*numbering);
        });
        openNumbering(editor.get());
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 1, 1), QTime(8, 30)));
        flow = std::make_unique<ScreenFlow>([] {});
        mainMenu = std::make_unique<PersistentScreen>(*flow, QStringLiteral("TfrmAvvio"),
                                                      QStringLiteral(" Velarno"),
                                                      PersistentScreen::Kind::Compact);
        statistics = std::make_unique<PersistentScreen>(
            *flow, QStringLiteral("TfrmStatistiche"),
            QStringLiteral(" Velarno - Statistiche Incassi"), PersistentScreen::Kind::Compact);
        menu = std::make_unique<TfrmMenuRicevute>(*flow);
        editor = std::make_unique<TfrmRicevute>(*flow);
        flow->add(Screen::Avvio, mainMenu.get());
        flow->add(Screen::Statistiche, statistics.get());
        flow->add(Screen::MenuRicevute, menu.get());
        flow->add(Screen::Ricevute, editor.get());
        flow->moveTo(Screen::Avvio, nullptr);
        flow->moveTo(Screen::MenuRicevute, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    }
    void cleanup() {
        t.tearDownSeams();
        editor.reset();
        menu.reset();
        statistics.reset();
        mainMenu.reset();
        flow.reset();
    }

    void textsFitTheMenu() { checkTextsFit(menu.get()); }

    // On 1 January the new year is proposed; every showing forgets what was typed before.
    void everyShowingProposesTheCurrentYear() {
        QCOMPARE(visibleScreens(), QList<QWidget*>{menu.get()});
        QCOMPARE(menu->windowTitle(), QStringLiteral(" Velarno - Emissione Ricevute"));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("2027"));
        QCOMPARE(menu->returnTo(), QStringLiteral("avvio"));
        QVERIFY(menu->txtAnnoPreventivi->hasFocus());
        QCOMPARE(control<QLabel>(menu.get(), QStringLiteral("lblDescrizione"))->text(),
                 QStringLiteral("In questo ambiente è possibile gestire le ricevute da rilasciare "
                                "ai propri soci o clienti."));

        setYearBox(QStringLiteral("19"));
        menu->close(); // the window's own close: back to the main menu
        QCOMPARE(visibleScreens(), QList<QWidget*>{mainMenu.get()});
        setClockForTests(QDateTime(QDate(2028, 6, 30), QTime(12, 0)));
        flow->moveTo(Screen::MenuRicevute, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("2028"));
        QVERIFY(menu->txtAnnoPreventivi->hasFocus());
    }

    void yearBoxTakesOnlyFourDigits() {
        setYearBox(QStringLiteral("2a- 0.2,Z72"));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("2027"));
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Left);
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Backspace);
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Delete);
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("20"));
        typeText(menu->txtAnnoPreventivi, QStringLiteral("345"));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("2034"));
    }

    // Enter only moves to "Apri"; a second Enter there presses it.
    void enterMovesToApri() {
        QTest::keyClick(menu->txtAnnoPreventivi, Qt::Key_Return);
        QVERIFY(menu->btnApriPreventivi->hasFocus());
        QCOMPARE(visibleScreens(), QList<QWidget*>{menu.get()});
        QCOMPARE(menu->returnTo(), QStringLiteral("avvio"));
        QTest::keyClick(menu->btnApriPreventivi, Qt::Key_Return);
        QCOMPARE(visibleScreens(), QList<QWidget*>{editor.get()});
    }

    void apriRefusesAYearOfFewerDigits() {
        setYearBox(QStringLiteral("202"));
        click(menu->btnApriPreventivi);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("202"));
        QVERIFY(menu->txtAnnoPreventivi->hasFocus());
        QCOMPARE(visibleScreens(), QList<QWidget*>{menu.get()});
        QCOMPARE(menu->returnTo(), QStringLiteral("avvio"));
    }

    void apriOpensTheEditorOnTheYear_data() {
        QTest::addColumn<QString>("year");
        QTest::newRow("proposed year") << QString();
        QTest::newRow("another year") << QStringLiteral("2019");
        QTest::newRow("no range is imposed") << QStringLiteral("0000");
    }
    void apriOpensTheEditorOnTheYear() {
        QFETCH(QString, year);
        if (!year.isEmpty())
            setYearBox(year);
        else
            year = QStringLiteral("2027");
        click(menu->btnApriPreventivi);
        QCOMPARE(visibleScreens(), QList<QWidget*>{editor.get()});
        QCOMPARE(menu->returnTo(), QStringLiteral("ricevute"));
        QCOMPARE(editor->windowTitle(),
                 QStringLiteral(" Velarno - Emissione ricevute anno ") + year);
        QCOMPARE(editor->filePath(), programFile(year + QStringLiteral(".ric")));
        QVERIFY(QFile::exists(programFile(year + QStringLiteral(".ric"))));
        QCOMPARE(t.messages.size(), 0);
    }

    void graficiLeadsToTheStatistics() {
        click(menu->btnGrafici);
        QCOMPARE(menu->returnTo(), QStringLiteral("statistiche"));
        QCOMPARE(visibleScreens(), QList<QWidget*>{statistics.get()});
    }

    void exitLeadsToTheMainMenu() {
        click(menu->imgEsci);
        QCOMPARE(menu->returnTo(), QStringLiteral("avvio"));
        QCOMPARE(visibleScreens(), QList<QWidget*>{mainMenu.get()});
    }

    // The price list and the logo window are dialogs over the menu, which stays as it was.
    void dialogsLeaveTheMenuAsItWas() {
        setYearBox(QStringLiteral("2031"));
        QStringList opened;
        setDialogDriverForTests([&](QDialog& dialog) {
            opened.append(dialog.objectName());
            QCOMPARE(dialog.parentWidget(), menu.get());
        });
        click(menu->btnListino);
        click(menu->lnkWeb);
        click(menu->imgEmail);
        QCOMPARE(opened, (QStringList{QStringLiteral("TfrmListaPresc"), QStringLiteral("TfrmLogo"),
                                      QStringLiteral("TfrmLogo")}));
        QCOMPARE(menu->txtAnnoPreventivi->text(), QStringLiteral("2031"));
        QCOMPARE(visibleScreens(), QList<QWidget*>{menu.get()});
        QCOMPARE(menu->returnTo(), QStringLiteral("avvio"));
    }

    // A new window every time: what was typed and not applied is gone.
    void numberingWithoutSettingsShowsOne() {
        for (int opening = 0; opening < 2; ++opening) {
            runNumbering([&](TfrmNumerazione& window) {
                QCOMPARE(window.windowTitle(),
                         QStringLiteral(" Impostazione inizio numerazione documenti"));
                QCOMPARE(window.returnTo(), QStringLiteral("ricevute"));
                QCOMPARE(window.grpNumerazione->title(),
                         QStringLiteral(" Inizia numerazione da: "));
                QCOMPARE(window.btnApplica->text(), QStringLiteral("Applica e chiudi"));
                QCOMPARE(window.btnAnnulla->text(), QStringLiteral("Annulla"));
                QCOMPARE(window.txtInizio->text(), QStringLiteral("1"));
                QVERIFY(window.txtInizio->hasFocus());
                QVERIFY(window.effInizio->isVisible());
                QCOMPARE(window.effInizio->geometry(),
                         window.txtInizio->geometry().adjusted(-4, -4, 4, 4));
                checkTextsFit(&window);
                typeText(window.txtInizio, QStringLiteral("42"));
                click(window.btnAnnulla);
                QVERIFY(!window.isVisible());
            });
        }
        QVERIFY(!QFile::exists(receiptSettingsPath()));
    }

    // Enter moves to "Applica e chiudi", which settles the box on the way; Enter there applies.
    void applyStoresTheSettledValue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << QStringLiteral("150") << QStringLiteral("150");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7");
        QTest::newRow("zero is accepted") << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("zeros only") << QStringLiteral("00000") << QStringLiteral("0");
        QTest::newRow("emptied") << QString() << QStringLiteral("1");
    }
    void applyStoresTheSettledValue() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        runNumbering([&](TfrmNumerazione& window) {
            window.txtInizio->clear();
            typeText(window.txtInizio, typed);
            QTest::keyClick(window.txtInizio, Qt::Key_Return);
            QVERIFY(window.btnApplica->hasFocus());
            QVERIFY(!window.effInizio->isVisible());
            QCOMPARE(window.txtInizio->text(), stored);
            QTest::keyClick(window.btnApplica, Qt::Key_Return);
            QVERIFY(!window.isVisible());
            QCOMPARE(window.result(), int(QDialog::Accepted));
        });
        QCOMPARE(settingsBytes(), storedStart(qPrintable(stored)));
    }

    // The box comes up with its value selected: typing replaces it.
    void typingReplacesTheShownStart() {
        t.writeProgramFile(QStringLiteral("Ricevute.ini"), storedStart("100"));
        runNumbering([&](TfrmNumerazione& window) {
            typeText(window.txtInizio, QStringLiteral("15"));
            QTest::keyClick(window.txtInizio, Qt::Key_Return);
            QCOMPARE(window.txtInizio->text(), QStringLiteral("15"));
            QTest::keyClick(window.btnApplica, Qt::Key_Return);
        });
        QCOMPARE(settingsBytes(), storedStart("15"));
    }

    // Clicking the button straight from an emptied box still settles it first.
    void applyByMouseFromAnEmptiedBox() {
        t.writeProgramFile(QStringLiteral("Ricevute.ini"),
                           "[Dati Associazione]\r\nRigo 1=Circolo\r\n\r\n" + storedStart("100"));
        runNumbering([&](TfrmNumerazione& window) {
            QCOMPARE(window.txtInizio->text(), QStringLiteral("100"));
            window.txtInizio->clear();
            click(window.btnApplica);
            QCOMPARE(window.txtInizio->text(), QStringLiteral("1"));
            QVERIFY(!window.isVisible());
        });
        QCOMPARE(settingsBytes(),
                 "[Dati Associazione]\r\nRigo 1=Circolo\r\n\r\n" + storedStart("1"));
    }

    void startBoxRefusesAllButDigits() {
        runNumbering([&](TfrmNumerazione& window) {
            window.txtInizio->clear();
            typeText(window.txtInizio, QStringLiteral("1,2a-3. 4x56"));
            QCOMPARE(window.txtInizio->text(), QStringLiteral("12345"));
            QTest::keyClick(window.txtInizio, Qt::Key_Backspace);
            QTest::keyClick(window.txtInizio, Qt::Key_Left);
            QTest::keyClick(window.txtInizio, Qt::Key_Delete);
            QCOMPARE(window.txtInizio->text(), QStringLiteral("123"));
            click(window.btnAnnulla);
        });
    }

    // Only a hand-edited file holds such values: shown as they stand, settled when left.
    void storedValueShowsAsItStands_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("settled");
        QTest::newRow("not a number") << QByteArray("abc") << QStringLiteral("1");
        QTest::newRow("six digits") << QByteArray("123456") << QStringLiteral("123456");
        QTest::newRow("decimals") << QByteArray("2,5") << QStringLiteral("3");
    }
    void storedValueShowsAsItStands() {
        QFETCH(QByteArray, value);
        QFETCH(QString, settled);
        t.writeProgramFile(QStringLiteral("Ricevute.ini"), storedStart(value.constData()));
        runNumbering([&](TfrmNumerazione& window) {
            QCOMPARE(window.txtInizio->text(), QString::fromLatin1(value));
            QTest::keyClick(window.txtInizio, Qt::Key_Return);
            QCOMPARE(window.txtInizio->text(), settled);
            click(window.btnAnnulla);
        });
    }

    // The failure is reported and the window stays open, so that the user may try again.
    void failedWriteKeepsTheWindowOpen() {
        runNumbering([&](TfrmNumerazione& window) {
            window.txtInizio->clear();
            typeText(window.txtInizio, QStringLiteral("200"));
            {
                NoFileWrites diskFull;
                click(window.btnApplica);
            }
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Error);
            QCOMPARE(t.messages[0].text, archiveAccessMessage());
            QVERIFY(window.isVisible());
            QCOMPARE(window.txtInizio->text(), QStringLiteral("200"));
            click(window.btnApplica);
            QVERIFY(!window.isVisible());
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(settingsBytes(), storedStart("200"));
    }
};

QTEST_MAIN(TestReceiptsMenu)

#include "tst_receipts_menu.moc"
