#include "members/TfrmAnagrafica.h"
#include "members/TfrmPromemoria.h"
#include "members/TfrmScadute.h"
#include "members/TfrmSospesi.h"
#include "shell/TfrmCalendario.h"
#include "storage/NativeFile.h"
#include "storage/ProgramFolder.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Shell.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <cerrno>

namespace {

constexpr int expiryOffset = 1043; // the length byte of DataSca
constexpr int noteOffset = 792;

MemberRecord member(const QString& name, const QString& expiry, const QString& email) {
    MemberRecord record;
    record.Dipendente = name;
    record.Stipendio = QStringLiteral("25,00");
    record.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    record.DataSca = expiry;
    record.Preavviso = QStringLiteral("10");
    record.Note = QStringLiteral("nota");
    record.Email = email;
    return record;
}

// Three members in the expiring list on 15/03/2024, in the file's order, and one that is not.
// Bytes after a text are not significant, and another program may leave anything there: each
// record keeps some, which a renewal must not touch.
QByteArray archiveBytes() {
    const QList<MemberRecord> members{
        member(QStringLiteral("Bianchi Luca"), QStringLiteral("20/03/2024"), QString()),
        member(QStringLiteral("Rossi Mario"), QStringLiteral("10/03/2024"),
               QStringLiteral("rossi@example")),
        member(QStringLiteral("Verdi Anna"), QStringLiteral("14/03/2024"),
               QStringLiteral("anna.verdi@example.it")),
        member(QStringLiteral("Neri Carla"), QStringLiteral("31/12/2024"),
               QStringLiteral("carla@example.it"))};
    QByteArray bytes;
    for (const MemberRecord& record : members) {
        QByteArray one = record.toBytes();
        one[noteOffset + 1 + 10] = 'x';
        bytes += one;
    }
    return bytes;
}

QByteArray withExpiry(QByteArray bytes, int position, const QByteArray& expiry) {
    bytes.replace((position - 1) * MemberRecord::Size + expiryOffset + 1, 10, expiry);
    return bytes;
}

QByteArray archiveOnDisk() {
    QFile file(membersArchivePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList namesIn(SummaryListDialog& list) {
    QStringList names;
    for (const QString& line : list.model().lines())
        names.append(line.left(30).trimmed());
    return names;
}

void clickRow(SummaryListDialog& list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect where = list.lstRecords->visualRect(list.model().index(row));
    QTest::mouseClick(list.lstRecords->viewport(), Qt::LeftButton, modifiers, where.center());
}

// The mouse moved over a control, as the hint line sees it.
void moveOver(QWidget* target) {
    QWidget* window = target->window();
    QTest::mouseMove(window->windowHandle(), target->mapTo(window, target->rect().center()));
}

// Lines 0 and 2 chosen, as a user does: a click, then a click with Ctrl.
void chooseFirstAndLast(SummaryListDialog& list) {
    clickRow(list, 0);
    clickRow(list, 2, Qt::ControlModifier);
}

} // namespace

class TestRenewals : public QObject, MemberEditorFixture {
    Q_OBJECT
    QList<QUrl> openedMail;

    // What the test does in each window that opens: the list, the date picker, the reminder.
    std::function<void(SubscriptionListDialog&)> inList;
    std::function<void(TfrmCalendario&)> inPicker;
    std::function<void(TfrmPromemoria&)> inReminder;

    void openExpiringList() {
        bool opened = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            if (auto* picker = qobject_cast<TfrmCalendario*>(&dialog))
                return inPicker(*picker);
            if (auto* reminder = qobject_cast<TfrmPromemoria*>(&dialog))
                return inReminder(*reminder);
            auto* list = qobject_cast<SubscriptionListDialog*>(&dialog);
            QVERIFY(list);
            opened = true;
            QTRY_COMPARE(QApplication::activeWindow(), list);
            inList(*list);
            list->reject();
        });
        editor->btnScadenze->click();
        QVERIFY(opened);
    }

    static void renewOn(TfrmCalendario& picker, const QDate& date) {
        picker.calAppuntamenti->setSelectedDate(date);
        QTest::mouseClick(picker.btnImportaData, Qt::LeftButton);
    }

public Q_SLOTS:
    void mailOpened(const QUrl& url) { openedMail.append(url); }

private Q_SLOTS:
    void init() {
        showEditor(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        t.writeProgramFile(QStringLiteral("Soci.pro"), archiveBytes());
        openedMail.clear();
        inPicker = [](TfrmCalendario& picker) { renewOn(picker, QDate(2025, 3, 15)); };
        inReminder = [](TfrmPromemoria& reminder) { reminder.reject(); };
    }
    void cleanup() {
        setDialogDriverForTests({});
        NativeFile::setLockTimeoutMsForTests(0);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        closeEditor();
    }

    void linesAreChosenWithMouseAndKeys() {
        inList = [](SubscriptionListDialog& list) {
            QCOMPARE(namesIn(list),
                     (QStringList{QStringLiteral("Bianchi Luca"), QStringLiteral("Rossi Mario"),
                                  QStringLiteral("Verdi Anna")}));
            QVERIFY(!list.btnRinnova->isEnabled());
            QVERIFY(!list.btnPromemoria->isEnabled());
            clickRow(list, 0);
            QVERIFY(list.btnRinnova->isEnabled());
            QVERIFY(list.btnPromemoria->isEnabled());
            QTest::keyClick(list.lstRecords, Qt::Key_Down, Qt::ShiftModifier);
            QCOMPARE(list.lstRecords->selectionModel()->selectedRows().size(), 2);
            clickRow(list, 0, Qt::ControlModifier); // taken out again
            QCOMPARE(list.lstRecords->selectionModel()->selectedRows().size(), 1);
            QTest::keyClick(list.lstRecords, Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(list.lstRecords->selectionModel()->selectedRows().size(), 3);
            list.lstRecords->clearSelection();
            QVERIFY(!list.btnRinnova->isEnabled());

            auto* panInfo = control<QLabel>(&list, QStringLiteral("panInfo"));
            for (QWidget* button :
                 QList<QWidget*>{list.btnRinnova, list.lstRecords, list.btnPromemoria,
                                 list.btnTrova, list.btnStampa, list.btnChiudi}) {
                const QString before = panInfo->text();
                moveOver(button);
                QTRY_VERIFY2(panInfo->text() != before, qPrintable(button->objectName()));
                checkTextsFit(&list);
            }
        };
        openExpiringList();
        QVERIFY(t.messages.isEmpty());
    }

    void renewingTwoOfThreeChangesOnlyTheirExpiry() {
        QStringList namesAfter;
        inList = [&namesAfter](SubscriptionListDialog& list) {
            chooseFirstAndLast(list);
            QTest::mouseClick(list.btnRinnova, Qt::LeftButton);
            namesAfter = namesIn(list);
        };
        openExpiringList();
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QCOMPARE(t.messages[0].text, QStringLiteral("Rinnovare l'abbonamento dei 2 soci "
                                                    "selezionati con la nuova scadenza "
                                                    "15/03/2025?"));
        QCOMPARE(t.messages[1].kind, MessageKind::Information);
        QCOMPARE(t.messages[1].text, QStringLiteral("Abbonamenti rinnovati: 2."));
        QCOMPARE(archiveOnDisk(),
                 withExpiry(withExpiry(archiveBytes(), 1, "15/03/2025"), 3, "15/03/2025"));
        QCOMPARE(namesAfter, QStringList{QStringLiteral("Rossi Mario")}); // renewed ones leave
    }

    // A single member is named in the question; the expired list renews the same way.
    void renewingOneFromTheExpiredList() {
        bool opened = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            if (auto* picker = qobject_cast<TfrmCalendario*>(&dialog))
                return renewOn(*picker, QDate(2024, 12, 31));
            auto* list = qobject_cast<TfrmScadute*>(&dialog);
            QVERIFY(list);
            opened = true;
            QCOMPARE(namesIn(*list),
                     (QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("Verdi Anna")}));
            clickRow(*list, 0);
            QTest::mouseClick(list->btnRinnova, Qt::LeftButton);
            QCOMPARE(namesIn(*list), QStringList{QStringLiteral("Verdi Anna")});
            list->reject();
        });
        editor->btnScaduti->click();
        QVERIFY(opened);
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].text, QStringLiteral("Rinnovare l'abbonamento del socio Rossi "
                                                    "Mario con la nuova scadenza 31/12/2024?"));
        QCOMPARE(archiveOnDisk(), withExpiry(archiveBytes(), 2, "31/12/2024"));
    }

    void cancellingChangesNothing_data() {
        QTest::addColumn<bool>("cancelPicker");
        QTest::newRow("picker cancelled") << true;
        QTest::newRow("question answered no") << false;
    }
    void cancellingChangesNothing() {
        QFETCH(bool, cancelPicker);
        if (cancelPicker)
            inPicker = [](TfrmCalendario& picker) {
                QTest::mouseClick(picker.btnAnnulla, Qt::LeftButton);
            };
        t.questionAnswer = false;
        inList = [](SubscriptionListDialog& list) {
            chooseFirstAndLast(list);
            QTest::mouseClick(list.btnRinnova, Qt::LeftButton);
            QCOMPARE(list.model().rowCount(), 3);
            QCOMPARE(list.lstRecords->selectionModel()->selectedRows().size(), 2);
        };
        openExpiringList();
        QCOMPARE(t.messages.size(), cancelPicker ? 0 : 1);
        QCOMPARE(archiveOnDisk(), archiveBytes());
    }

    // Each record's overwrite is whole or not made at all; a failure stops the renewal there
    // and says how far it went.
    void storageTroubleIsReported_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<QList<MessageKind>>("kinds");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QByteArray>("after");
        const QByteArray original = archiveBytes();
        const QByteArray cutShort = original.left(2 * MemberRecord::Size + 100);
        const QString stopped = QStringLiteral(
            "Attenzione: non è stato possibile rinnovare l'abbonamento di %1, perché il "
            "sistema non permette di accedere all'archivio.\n\r\n\rAbbonamenti rinnovati: %2 "
            "su 2; i soci non rinnovati sono rimasti come erano.");
        QTest::newRow("lock held by another copy")
            << QStringLiteral("lock") << QList<MessageKind>{MessageKind::Error}
            << stopped.arg(QStringLiteral("Bianchi Luca")).arg(0) << original;
        QTest::newRow("archive cut short half-way")
            << QStringLiteral("cut") << QList<MessageKind>{MessageKind::Error}
            << stopped.arg(QStringLiteral("Verdi Anna")).arg(1)
            << withExpiry(cutShort, 1, "15/03/2025");
        // Not a failure: the file system cannot lock, so the user is warned once and the
        // renewal goes on.
        QTest::newRow("file system without locks")
            << QStringLiteral("no locks")
            << QList<MessageKind>{MessageKind::Warning, MessageKind::Information}
            << QStringLiteral("Abbonamenti rinnovati: 2.")
            << withExpiry(withExpiry(original, 1, "15/03/2025"), 3, "15/03/2025");
    }
    void storageTroubleIsReported() {
        QFETCH(QString, trouble);
        QFETCH(QList<MessageKind>, kinds);
        QFETCH(QString, report);
        QFETCH(QByteArray, after);
        NativeFile otherCopy;
        if (trouble == QStringLiteral("lock")) {
            otherCopy.openOrCreate(membersArchivePath());
            otherCopy.lockForWriting();
            NativeFile::setLockTimeoutMsForTests(100);
        } else if (trouble == QStringLiteral("no locks")) {
            NativeFile::refuseLocksForTests(ENOLCK);
        }
        inList = [&](SubscriptionListDialog& list) {
            chooseFirstAndLast(list);
            if (trouble == QStringLiteral("cut"))
                QVERIFY(QFile::resize(membersArchivePath(), after.size()));
            QTest::mouseClick(list.btnRinnova, Qt::LeftButton);
        };
        openExpiringList();
        t.messages.removeFirst(); // the question
        QList<MessageKind> shownKinds;
        for (const auto& message : t.messages)
            shownKinds.append(message.kind);
        QCOMPARE(shownKinds, kinds);
        QCOMPARE(t.messages.last().text, report);
        QCOMPARE(archiveOnDisk(), after);
    }

    void reminderWritesOneMessageToEveryAddress() {
        setShellHandlerForTests({}); // through the desktop, as the program opens it
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "mailOpened");
        inReminder = [](TfrmPromemoria& reminder) {
            QTRY_COMPARE(QApplication::activeWindow(), &reminder);
            QCOMPARE(reminder.lstSenzaEmail->count(), 2);
            QCOMPARE(reminder.lstSenzaEmail->item(0)->text(), QStringLiteral("Bianchi Luca"));
            QCOMPARE(reminder.lstSenzaEmail->item(1)->text(), QStringLiteral("Rossi Mario"));
            QVERIFY(reminder.txtTesto->toPlainText().contains(QStringLiteral("scadenza")));
            QVERIFY(reminder.txtOggetto->hasFocus());
            QTest::keyClick(reminder.txtOggetto, Qt::Key_End);
            typeText(reminder.txtOggetto, QStringLiteral(" & quote?"));
            QTest::keyClick(reminder.txtOggetto, Qt::Key_Return);
            QVERIFY(reminder.txtTesto->hasFocus());
            reminder.txtTesto->setPlainText(QStringLiteral("Riga uno\nRiga due"));
            QTest::keyClick(reminder.txtTesto, Qt::Key_Tab);
            QVERIFY(reminder.btnApriEmail->hasFocus());

            auto* panInfo = control<QLabel>(&reminder, QStringLiteral("panInfo"));
            for (QWidget* hinted :
                 QList<QWidget*>{reminder.txtOggetto, reminder.txtTesto, reminder.lstSenzaEmail,
                                 reminder.btnAnnulla, reminder.btnApriEmail}) {
                const QString before = panInfo->text();
                moveOver(hinted);
                QTRY_VERIFY2(panInfo->text() != before, qPrintable(hinted->objectName()));
                checkTextsFit(&reminder);
            }
            QTest::keyClick(reminder.btnApriEmail, Qt::Key_Return);
            QVERIFY(!reminder.isVisible());
        };
        inList = [](SubscriptionListDialog& list) {
            list.lstRecords->setFocus();
            QTest::keyClick(list.lstRecords, Qt::Key_A, Qt::ControlModifier);
            list.btnPromemoria->click(); // a mouse click would leave the list the active window
        };
        openExpiringList();
        QVERIFY(t.messages.isEmpty());
        QCOMPARE(openedMail.size(), 1);
        const QUrlQuery query(openedMail[0]);
        QCOMPARE(openedMail[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(openedMail[0].path(), QString());
        QCOMPARE(query.queryItemValue(QStringLiteral("bcc"), QUrl::FullyDecoded),
                 QStringLiteral("anna.verdi@example.it"));
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Promemoria: rinnovo dell'abbonamento & quote?"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("Riga uno\r\nRiga due"));
        QCOMPARE(query.queryItems().size(), 3);
        QCOMPARE(archiveOnDisk(), archiveBytes());
    }

    // With nobody to write to, the message cannot be opened; cancelling opens nothing.
    void reminderWithoutAddressesOpensNothing() {
        inReminder = [](TfrmPromemoria& reminder) {
            QCOMPARE(reminder.lstSenzaEmail->count(), 2);
            QVERIFY(!reminder.btnApriEmail->isEnabled());
            QTest::mouseClick(reminder.btnAnnulla, Qt::LeftButton);
        };
        inList = [](SubscriptionListDialog& list) {
            clickRow(list, 0);
            clickRow(list, 1, Qt::ShiftModifier);
            QTest::mouseClick(list.btnPromemoria, Qt::LeftButton);
        };
        openExpiringList();
        QVERIFY(t.shellTargets.isEmpty());
        QVERIFY(t.messages.isEmpty());
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestRenewals tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_renewals.moc"
