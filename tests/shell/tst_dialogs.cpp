#include "shell/TfrmCalendario.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "storage/ProgramFolder.h"
#include "tests/shell/ShellTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestDialogs : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QWidget> opener;

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        opener = std::make_unique<QWidget>();
        setClockForTests(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    }
    void cleanup() {
        t.tearDownSeams();
        opener.reset();
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
        run_dialog<TfrmGuida>(opener.get());
        run_dialog<TfrmInfo>(opener.get());
        run_dialog<TfrmSplash>(opener.get());
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
        auto* box = new QLineEdit(opener.get());
        box->setText(QStringLiteral("31/01/2030"));
        bool stayedOpen = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& picker = dynamic_cast<TfrmCalendario&>(dialog);
            QCOMPARE(picker.calAppuntamenti->selectedDate(), QDate(2026, 12, 10));
            picker.calAppuntamenti->setSelectedDate(QDate(2026, 12, 9));
            QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
            stayedOpen = dialog.isVisible();
        });
        pickDate(opener.get(), marker, box);
        QCOMPARE(stayedOpen, imported.isEmpty());
        QCOMPARE(box->text(), imported.isEmpty() ? QStringLiteral("31/01/2030") : imported);
    }

    // A known marker without its box is a mistake of the opener: reported, never silent.
    void datePickerWithoutItsBoxIsReported() {
        bool stayedOpen = true;
        setDialogDriverForTests([&](QDialog& dialog) {
            // The click's handler failed, so the click counts as not taken.
            QTest::ignoreMessage(QtWarningMsg,
                                 "Mouse event \"MouseRelease\" not accepted by receiving widget");
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnImportaData")),
                              Qt::LeftButton);
            stayedOpen = dialog.isVisible();
        });
        pickDate(opener.get(), QStringLiteral("ricevute_data"), nullptr);
        QVERIFY(!stayedOpen);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QVERIFY(t.messages[0].text.startsWith(QStringLiteral("Si è verificato un errore")));
    }

    void dialogStartsFromItsDesignValuesEachTime() {
        QList<QDate> shown;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& picker = dynamic_cast<TfrmCalendario&>(dialog);
            shown.append(picker.calAppuntamenti->selectedDate());
            picker.calAppuntamenti->setSelectedDate(QDate(2027, 3, 1));
            QTest::mouseClick(picker.btnAnnulla, Qt::LeftButton);
        });
        QLineEdit box;
        pickDate(opener.get(), QStringLiteral("datasca"), &box);
        pickDate(opener.get(), QStringLiteral("datasca"), &box);
        QCOMPARE(shown, (QList<QDate>{QDate(2026, 12, 10), QDate(2026, 12, 10)}));
        QCOMPARE(box.text(), QString());
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
        QLineEdit box;
        pickDate(opener.get(), QStringLiteral("datasca"), &box);
    }
};

QObject* newDialogTests() {
    return new TestDialogs;
}

#include "tst_dialogs.moc"
