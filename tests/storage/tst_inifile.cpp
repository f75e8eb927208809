#include "StorageChild.h"
#include "StorageFixtures.h"
#include "tst_storage.h"

#include "storage/IniFile.h"
#include "storage/StorageError.h"
#include "tests/support/NoFileWrites.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <csignal>

namespace {

// A receipts settings file as a user may have edited it by hand.
QByteArray sampleSettings(const QByteArray& lineEnd) {
    const QList<QByteArray> lines = {
        "; Impostazioni delle ricevute",
        "[Numerazione Ricevute]",
        "Inizio=100",
        "",
        "[Dati Associazione]",
        "Rigo 1=Circolo \"Il Lago\"",
        "  Rigo 2 = Via Garibaldi 3  ",
        "Rigo 3=\"  Citt\xE0 di Castello  \"",
        "# il rigo 4 resta vuoto",
        "Rigo 4=",
        "note senza uguale",
        "[Altro]",
        "Inizio=999",
    };
    return lines.join(lineEnd) + lineEnd;
}

} // namespace

void TestStorage::iniValue_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << QStringLiteral("Numerazione Ricevute") << QStringLiteral("Inizio")
                           << QStringLiteral("100");
    QTest::newRow("names without regard to case and blanks")
        << QStringLiteral(" numerazione RICEVUTE ") << QStringLiteral("inizio ")
        << QStringLiteral("100");
    QTest::newRow("quotes inside kept")
        << QStringLiteral("Dati Associazione") << QStringLiteral("Rigo 1")
        << QStringLiteral("Circolo \"Il Lago\"");
    QTest::newRow("blanks around key and value")
        << QStringLiteral("Dati Associazione") << QStringLiteral("Rigo 2")
        << QStringLiteral("Via Garibaldi 3");
    QTest::newRow("quoted value, Windows-1252")
        << QStringLiteral("Dati Associazione") << QStringLiteral("Rigo 3")
        << QStringLiteral("  Città di Castello  ");
    QTest::newRow("empty value") << QStringLiteral("Dati Associazione") << QStringLiteral("Rigo 4")
                                 << QString(QLatin1String(""));
    QTest::newRow("missing key") << QStringLiteral("Dati Associazione") << QStringLiteral("Rigo 5")
                                 << QStringLiteral("(nessuno)");
    QTest::newRow("same key in another section")
        << QStringLiteral("Altro") << QStringLiteral("Inizio") << QStringLiteral("999");
    QTest::newRow("missing section")
        << QStringLiteral("Accesso") << QStringLiteral("Valore") << QStringLiteral("(nessuno)");
}

void TestStorage::iniValue() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    const IniFile ini = IniFile::parse(sampleSettings("\r\n"));

    QCOMPARE(ini.value(section, key, QStringLiteral("(nessuno)")), value);
}

void TestStorage::iniSetExistingKeyKeepsOtherBytes_data() {
    QTest::addColumn<QByteArray>("lineEnd");

    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestStorage::iniSetExistingKeyKeepsOtherBytes() {
    QFETCH(QByteArray, lineEnd);
    IniFile ini = IniFile::parse(sampleSettings(lineEnd));
    QCOMPARE(ini.toBytes(), sampleSettings(lineEnd));

    ini.setValue(QStringLiteral("dati associazione"), QStringLiteral("RIGO 2"),
                 QStringLiteral("Via Verdi 5 è"));

    QByteArray expected = sampleSettings(lineEnd);
    expected.replace("  Rigo 2 = Via Garibaldi 3  ", "  Rigo 2 =Via Verdi 5 \xE8");
    QCOMPARE(ini.toBytes(), expected);
}

void TestStorage::iniNewKeyAndSection_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new file") << QByteArray() << QStringLiteral("Accesso")
                              << QByteArray("[Accesso]\r\nValore=0A1B\r\n");
    QTest::newRow("after the last key of the section")
        << QByteArray("[Accesso]\nAltro=1\n; fine\n[B]\nx=2\n") << QStringLiteral("accesso")
        << QByteArray("[Accesso]\nAltro=1\nValore=0A1B\n; fine\n[B]\nx=2\n");
    QTest::newRow("section without keys")
        << QByteArray("[Accesso]\r\n[B]\r\n") << QStringLiteral("Accesso")
        << QByteArray("[Accesso]\r\nValore=0A1B\r\n[B]\r\n");
    QTest::newRow("new section after a blank line")
        << QByteArray("[B]\nx=2\n") << QStringLiteral("Accesso")
        << QByteArray("[B]\nx=2\n\n[Accesso]\nValore=0A1B\n");
    QTest::newRow("last line without line end")
        << QByteArray("[Accesso]\r\nAltro=1") << QStringLiteral("Accesso")
        << QByteArray("[Accesso]\r\nAltro=1\r\nValore=0A1B\r\n");
}

void TestStorage::iniNewKeyAndSection() {
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    IniFile ini = IniFile::parse(before);

    ini.setValue(section, QStringLiteral("Valore"), QStringLiteral("0A1B"));

    QCOMPARE(ini.toBytes(), after);
    QCOMPARE(IniFile::parse(after).value(section, QStringLiteral("valore")),
             QStringLiteral("0A1B"));
}

void TestStorage::iniLoadAndSave() {
    const QString name = path(QStringLiteral("Ricevute.ini"));
    QCOMPARE(IniFile::load(name).toBytes(), QByteArray());
    QVERIFY(!QFile::exists(name));
    writeWholeFile(name, sampleSettings("\r\n"));

    IniFile ini = IniFile::load(name);
    ini.setValue(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"),
                 QStringLiteral("150"));
    ini.save(name);

    QCOMPARE(
        IniFile::load(name).value(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio")),
        QStringLiteral("150"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("Ricevute.ini")});
}

void TestStorage::iniWriteFailingHalfWayKeepsOldFile() {
    const QString name = path(QStringLiteral("Ricevute.ini"));
    writeWholeFile(name, sampleSettings("\r\n"));
    IniFile ini = IniFile::load(name);
    ini.setValue(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"),
                 QStringLiteral("150"));
    struct sigaction before {};
    sigaction(SIGXFSZ, nullptr, &before);
    {
        NoFileWrites diskFull;
        QCOMPARE(raisedError([&] { ini.save(name); }), errorName(StorageError::Kind::WriteFailed));
    }
    QCOMPARE(readWholeFile(name), sampleSettings("\r\n"));
    struct sigaction after {};
    sigaction(SIGXFSZ, nullptr, &after);
    QVERIFY(after.sa_handler == before.sa_handler);
}

void TestStorage::iniSaveFailureKeepsOldFile() {
    const QString name = path(QStringLiteral("Ricevute.ini"));
    const QString unreadable = path(QStringLiteral("unins000.dll"));
    writeWholeFile(name, sampleSettings("\r\n"));
    writeWholeFile(unreadable, "[Accesso]\r\nValore=00\r\n");
    QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(unreadable, QFile::Permissions());
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);

    const int saved = runStorageChild({QStringLiteral("save-ini"), name});
    const int loaded = runStorageChild({QStringLiteral("load-ini"), unreadable});

    if (saved == StorageChild::couldNotDropPrivileges)
        QSKIP("running as root and the nobody user is not available");
    QCOMPARE(saved, StorageChild::exitCodeFor(StorageError::Kind::WriteFailed));
    QCOMPARE(loaded, StorageChild::exitCodeFor(StorageError::Kind::CannotOpen));
    QCOMPARE(readWholeFile(name), sampleSettings("\r\n"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files).size(), 2);
}
