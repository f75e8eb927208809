#include "receipts/TfrmLogo.h"
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
#include <QSignalSpy>

namespace {
std::unique_ptr<FixedDialog> makeDialog(const QString& name) {
    if (name == QStringLiteral("TfrmCalendario"))
        return std::make_unique<TfrmCalendario>(nullptr);
    if (name == QStringLiteral("TfrmLogo"))
        return std::make_unique<TfrmLogo>(nullptr);
    if (name == QStringLiteral("TfrmInfo"))
        return std::make_unique<TfrmInfo>(nullptr);
    return std::make_unique<TfrmGuida>(nullptr);
}
} // namespace

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

    // Escape, and the title bar's close where a window manager draws one anyway, press the
    // window's own way out.
    void escapeAndTitleBarCloseTakeTheWayOut_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<QString>("wayOut");
        QTest::addColumn<int>("result");
        for (const bool byEscape : {true, false}) {
            const char* how = byEscape ? "Escape" : "title bar close";
            QTest::addRow("date picker, %s", how)
                << QStringLiteral("TfrmCalendario") << byEscape << QStringLiteral("btnAnnulla")
                << int(QDialog::Rejected);
            QTest::addRow("logo, %s", how)
                << QStringLiteral("TfrmLogo") << byEscape << QStringLiteral("btnAnnulla")
                << int(QDialog::Rejected);
            QTest::addRow("information, %s", how)
                << QStringLiteral("TfrmInfo") << byEscape << QStringLiteral("btnChiudi")
                << int(QDialog::Accepted);
            QTest::addRow("help, %s", how) << QStringLiteral("TfrmGuida") << byEscape
                                           << QStringLiteral("btnChiudi") << int(QDialog::Accepted);
        }
    }
    void escapeAndTitleBarCloseTakeTheWayOut() {
        QFETCH(QString, window);
        QFETCH(bool, byEscape);
        QFETCH(QString, wayOut);
        QFETCH(int, result);
        std::unique_ptr<FixedDialog> dialog = makeDialog(window);
        QSignalSpy pressed(control<QPushButton>(dialog.get(), wayOut), &QPushButton::clicked);
        bool closed = false;
        setDialogDriverForTests([&](QDialog& shown) {
            QVERIFY(QTest::qWaitForWindowActive(&shown));
            QVERIFY(!(shown.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(shown.minimumSize(), shown.maximumSize());
            if (byEscape)
                QTest::keyClick(shown.focusWidget() ? shown.focusWidget() : &shown, Qt::Key_Escape);
            else
                QVERIFY(shown.close());
            closed = !shown.isVisible();
        });
        QCOMPARE(execDialog(*dialog), result);
        QVERIFY(closed);
        QCOMPARE(pressed.count(), 1);
    }

    // A window without a way out of its own is still closed by its title bar.
    void titleBarClosesAWindowWithoutWayOut() {
        FixedDialog dialog(opener.get(), QStringLiteral("TfrmProva"), QStringLiteral(" Prova"),
                           QSize(200, 100));
        setDialogDriverForTests([](QDialog& shown) {
            QTest::keyClick(&shown, Qt::Key_Escape);
            QVERIFY(shown.isVisible()); // Escape has nothing to press
            QVERIFY(shown.close());
        });
        QCOMPARE(execDialog(dialog), int(QDialog::Rejected));
    }

    // A minimised modal window would leave its opener blocked with nothing to answer.
    void minimisedWindowComesBackWithItsOpener() {
        opener->show();
        QVERIFY(QTest::qWaitForWindowExposed(opener.get()));
        setDialogDriverForTests([this](QDialog& shown) {
            QVERIFY(QTest::qWaitForWindowExposed(&shown));
            shown.setWindowState(Qt::WindowMinimized);
            QVERIFY(opener->isMinimized());
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support raise()");
            opener->setWindowState(Qt::WindowNoState);
            QVERIFY(!shown.isMinimized());
            QVERIFY(shown.isVisible());
            QTest::keyClick(&shown, Qt::Key_Escape);
        });
        TfrmInfo info(opener.get());
        QCOMPARE(execDialog(info), int(QDialog::Accepted));
    }
};

QObject* newDialogTests() {
    return new TestDialogs;
}

#include "tst_dialogs.moc"
