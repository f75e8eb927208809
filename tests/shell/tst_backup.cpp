#include "shell/TfrmInfo.h"
#include "shell/TfrmRipristino.h"
#include "storage/Backup.h"
#include "storage/ProgramFolder.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>
#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

// Every file under the program folder but the copies themselves.
Files folderFiles() {
    Files files;
    const QDir folder(programFolder());
    QDirIterator it(programFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = folder.relativeFilePath(path);
        if (name.startsWith(QStringLiteral("Backup/")))
            continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files[name] = file.readAll();
    }
    return files;
}

void writeFile(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(programFile(name)).absolutePath());
    QFile file(programFile(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray binary(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 31 + seed) & 0xFF);
    return bytes;
}

// A program folder with something of every kind, and a file that no copy holds.
void fillFolder() {
    writeFile(QStringLiteral("Soci.pro"), binary(3 * 2666, 1));
    writeFile(QStringLiteral("2025.ric"), binary(2 * 2227, 2));
    writeFile(QStringLiteral("2026.ric"), binary(5 * 2227, 3));
    writeFile(QStringLiteral("Ricevute.ini"), "[Numerazione Ricevute]\r\nInizio=7\r\n");
    writeFile(QStringLiteral("Listino_Prezzi.lst"), "Quota annuale\r\n");
    writeFile(QStringLiteral("Logo.bmp"), binary(5000, 4));
    writeFile(QStringLiteral("unins000.dll"), "[Password]\r\nx=1\r\n");
    writeFile(QStringLiteral("Schedario/2.jpg"), binary(70000, 5));
    writeFile(QStringLiteral("Documenti_Allegati/Verbale \xc3\xa8 2026.pdf"), binary(900, 6));
}

QStringList copyNames() {
    return QDir(backupFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QDateTime firstClose(QDate(2026, 12, 11), QTime(18, 30, 5));

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
    ScreenTest t;

    // Runs the restore window from the information window, as the main menu's user does.
    void runRestoreWindow(const std::function<void(TfrmRipristino&)>& drive) {
        auto info = std::make_unique<TfrmInfo>(nullptr);
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* window = qobject_cast<TfrmRipristino*>(&dialog);
            QVERIFY(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            drive(*window);
            window->reject();
        });
        QTest::mouseClick(control<QPushButton>(info.get(), QStringLiteral("btnCopie")),
                          Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(firstClose);
        fillFolder();
    }
    void cleanup() { t.tearDownSeams(); }

    // A copy, restored over a folder changed since, gives back exactly the old folder; what was
    // there is copied first.
    void restoreGivesBackTheFolder() {
        const Files before = folderFiles();
        backUpAtEnd(nullptr);
        QCOMPARE(copyNames(), QStringList{u"Velarno-2026-12-11-183005.zip"_qs});

        writeFile(QStringLiteral("Soci.pro"), binary(4 * 2666, 9));
        writeFile(QStringLiteral("Schedario/4.jpg"), binary(100, 9));
        QVERIFY(QFile::remove(programFile(QStringLiteral("2025.ric"))));
        writeFile(QStringLiteral("Guida.pdf"), "not a copy's file");
        const Files changed = folderFiles();
        setClockForTests(firstClose.addDays(1));

        runRestoreWindow([](TfrmRipristino& window) {
            QCOMPARE(window.lstCopie->topLevelItemCount(), 1);
            window.btnRipristina->click();
        });
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QVERIFY(
            t.messages[0].text.startsWith(u"Ripristinare la copia del 11/12/2026 18:30:05?"_qs));
        QCOMPARE(t.messages[1].kind, MessageKind::Information);
        Files expected = before;
        expected[u"Guida.pdf"_qs] = "not a copy's file"; // the program's own files stay
        QCOMPARE(folderFiles(), expected);

        // The copy made before restoring holds the changed folder, byte for byte.
        QCOMPARE(copyNames(), (QStringList{u"Velarno-2026-12-11-183005.zip"_qs,
                                           u"Velarno-2026-12-12-183005.zip"_qs}));
        restoreBackup(backupFolder() + u"/Velarno-2026-12-12-183005.zip"_qs, firstClose.addDays(2));
        QCOMPARE(folderFiles(), changed);
    }

    // Each row tells the date, the size and what the copy holds, newest first.
    void windowListsTheCopies() {
        writeBackup(firstClose);
        QVERIFY(QFile::remove(programFile(QStringLiteral("2025.ric"))));
        writeBackup(firstClose.addSecs(60));
        runRestoreWindow([](TfrmRipristino& window) {
            checkTextsFit(&window);
            QCOMPARE(window.lstCopie->topLevelItemCount(), 2);
            const QTreeWidgetItem* newest = window.lstCopie->topLevelItem(0);
            QCOMPARE(newest->text(0), u"11/12/2026 18:31:05"_qs);
            QVERIFY(newest->text(1).endsWith(u" KB"_qs));
            QCOMPARE(newest->text(2), u"Soci: 3. Ricevute 2026: 5"_qs);
            QCOMPARE(window.lstCopie->topLevelItem(1)->text(2),
                     u"Soci: 3. Ricevute 2025: 2, 2026: 5"_qs);
            QVERIFY(window.lstCopie->hasFocus());
            QTest::keyClick(window.lstCopie, Qt::Key_Return);
            QVERIFY(window.btnRipristina->hasFocus());
        });
        QVERIFY(t.messages.isEmpty());
    }

    void answeringNoRestoresNothing() {
        writeBackup(firstClose);
        writeFile(QStringLiteral("Soci.pro"), "changed");
        const Files changed = folderFiles();
        t.questionAnswer = false;
        runRestoreWindow([](TfrmRipristino& window) { window.btnRipristina->click(); });
        QCOMPARE(folderFiles(), changed);
        QCOMPARE(copyNames().size(), 1);
    }

    void onlyTheNewestTwentyAreKept() {
        for (int i = 0; i < keptBackups + 2; ++i)
            writeBackup(firstClose.addSecs(i));
        const QStringList names = copyNames();
        QCOMPARE(names.size(), keptBackups);
        QCOMPARE(names.first(), u"Velarno-2026-12-11-183007.zip"_qs);
        QCOMPARE(names.last(), u"Velarno-2026-12-11-183026.zip"_qs);
    }

    // A disk that fills up half-way leaves the earlier copies whole and no partial one, and
    // the user is told.
    void failedBackupKeepsTheEarlierCopies() {
        writeBackup(firstClose.addDays(-1));
        QFile earlier(backupFolder() + u"/Velarno-2026-12-10-183005.zip"_qs);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        const QByteArray earlierBytes = earlier.readAll();
        earlier.close();
        {
            NoFileWrites diskFull;
            backUpAtEnd(nullptr);
        }
        QCOMPARE(copyNames(), QStringList{u"Velarno-2026-12-10-183005.zip"_qs});
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), earlierBytes);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QCOMPARE(t.messages[0].text,
                 u"Impossibile salvare la copia di sicurezza nella cartella Backup: le copie "
                 u"precedenti restano intatte."_qs);
    }

    // A copy names only the program's files; a restore writes nothing outside them.
    void copiesHoldOnlyTheProgramsFiles_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("held");
        QTest::newRow("members") << u"Soci.pro"_qs << true;
        QTest::newRow("a year") << u"2026.ric"_qs << true;
        QTest::newRow("not a year") << u"26.ric"_qs << false;
        QTest::newRow("photo") << u"Schedario/12.jpg"_qs << true;
        QTest::newRow("attachment") << u"Documenti_Allegati/a b.pdf"_qs << true;
        QTest::newRow("guide") << u"Guida.pdf"_qs << false;
        QTest::newRow("copies") << u"Backup/Velarno-2026-12-11-183005.zip"_qs << false;
        QTest::newRow("outside") << u"Schedario/../../etc/passwd"_qs << false;
        QTest::newRow("absolute") << u"/Soci.pro"_qs << false;
    }
    void copiesHoldOnlyTheProgramsFiles() {
        QFETCH(QString, path);
        QFETCH(bool, held);
        QCOMPARE(isBackedUpFile(path), held);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
