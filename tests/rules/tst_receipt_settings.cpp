#include "rules/ReceiptNumbers.h"
#include "rules/ReceiptSettings.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "tests/support/NoFileWrites.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

QByteArray settingsBytes() {
    QFile file(receiptSettingsPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeSettings(const QByteArray& bytes) {
    QFile file(receiptSettingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

std::array<QString, 5> lines(const char16_t* l1, const char16_t* l2, const char16_t* l3,
                             const char16_t* l4, const char16_t* l5) {
    return {QString::fromUtf16(l1), QString::fromUtf16(l2), QString::fromUtf16(l3),
            QString::fromUtf16(l4), QString::fromUtf16(l5)};
}

} // namespace

class TestReceiptSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> folder;

private Q_SLOTS:
    void init() {
        folder = std::make_unique<QTemporaryDir>();
        setProgramFolderForTests(folder->path());
    }
    void cleanup() {
        setProgramFolderForTests(QString());
        folder.reset();
    }

    void proposedNumber_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<qint64>("receipts");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("1, empty year") << QStringLiteral("1") << qint64(0) << QStringLiteral("1");
        QTest::newRow("1, 7 receipts") << QStringLiteral("1") << qint64(7) << QStringLiteral("8");
        QTest::newRow("nothing stored") << QString() << qint64(7) << QStringLiteral("8");
        QTest::newRow("blanks stored") << QStringLiteral("  ") << qint64(0) << QStringLiteral("1");
        QTest::newRow("100, empty year")
            << QStringLiteral("100") << qint64(0) << QStringLiteral("100");
        QTest::newRow("100, 7 receipts")
            << QStringLiteral("100") << qint64(7) << QStringLiteral("107");
        QTest::newRow("0, empty year") << QStringLiteral("0") << qint64(0) << QStringLiteral("0");
        QTest::newRow("150, 4 receipts")
            << QStringLiteral("150") << qint64(4) << QStringLiteral("154");
        QTest::newRow("leading zeros written by hand")
            << QStringLiteral("007") << qint64(1) << QStringLiteral("8");
        QTest::newRow("largest start value")
            << QStringLiteral("99999") << qint64(100000) << QStringLiteral("199999");
    }
    void proposedNumber() {
        QFETCH(QString, start);
        QFETCH(qint64, receipts);
        QFETCH(QString, proposed);
        QCOMPARE(proposedReceiptNumber(start, receipts), std::optional<QString>(proposed));
    }

    // Only a hand-edited file holds these; the editor then shows the archive-access message.
    void noNumberFromAStartThatIsNotWhole_data() {
        QTest::addColumn<QString>("start");
        QTest::newRow("letters") << QStringLiteral("abc");
        QTest::newRow("decimals") << QStringLiteral("1,5");
        QTest::newRow("full stop") << QStringLiteral("1.0");
        QTest::newRow("exponent") << QStringLiteral("1e3");
        QTest::newRow("digits and a letter") << QStringLiteral("12a");
        QTest::newRow("past the largest whole number") << QStringLiteral("99999999999999999999");
    }
    void noNumberFromAStartThatIsNotWhole() {
        QFETCH(QString, start);
        QCOMPARE(proposedReceiptNumber(start, 0), std::nullopt);
    }

    void noNumberWhenTheSumOverflows() {
        QCOMPARE(proposedReceiptNumber(QStringLiteral("9223372036854775807"), 1), std::nullopt);
        QCOMPARE(proposedReceiptNumber(QStringLiteral("9223372036854775806"), 1),
                 std::optional<QString>(QStringLiteral("9223372036854775807")));
    }

    void sameReceiptNumber_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("equal numbers") << QStringLiteral("12") << QStringLiteral("12") << true;
        QTest::newRow("leading zeros") << QStringLiteral("012") << QStringLiteral("12") << true;
        QTest::newRow("blanks around") << QStringLiteral(" 12 ") << QStringLiteral("12") << true;
        QTest::newRow("other number") << QStringLiteral("12") << QStringLiteral("13") << false;
        QTest::newRow("equal texts") << QStringLiteral("12/A") << QStringLiteral("12/A") << true;
        QTest::newRow("text and number") << QStringLiteral("12/A") << QStringLiteral("12") << false;
        QTest::newRow("letters differ in case")
            << QStringLiteral("12a") << QStringLiteral("12A") << false;
    }
    void sameReceiptNumber() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(bool, same);
        QCOMPARE(::sameReceiptNumber(a, b), same);
        QCOMPARE(::sameReceiptNumber(b, a), same);
    }

    void firstFreeNumber_data() {
        QTest::addColumn<QStringList>("used");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("firstFree");
        QTest::newRow("after the largest used")
            << QStringList{QStringLiteral("1"), QStringLiteral("14"), QStringLiteral("12")}
            << QStringLiteral("4") << QStringLiteral("15");
        QTest::newRow("the proposed number when it is higher")
            << QStringList{QStringLiteral("1"), QStringLiteral("2")} << QStringLiteral("102")
            << QStringLiteral("102");
        QTest::newRow("texts are no numbers")
            << QStringList{QStringLiteral("7"), QStringLiteral("99/B"), QStringLiteral("A100")}
            << QStringLiteral("3") << QStringLiteral("8");
        QTest::newRow("leading zeros")
            << QStringList{QStringLiteral("0041")} << QStringLiteral("2") << QStringLiteral("42");
        QTest::newRow("no proposal")
            << QStringList{QStringLiteral("5")} << QString() << QStringLiteral("6");
    }
    void firstFreeNumber() {
        QFETCH(QStringList, used);
        QFETCH(QString, proposed);
        QFETCH(QString, firstFree);
        const auto proposal = proposed.isEmpty() ? std::nullopt : std::optional<QString>(proposed);
        QCOMPARE(firstFreeReceiptNumber(used, proposal), std::optional<QString>(firstFree));
    }

    void noFreeNumberAfterTheLargestWholeNumber() {
        QCOMPARE(
            firstFreeReceiptNumber({QStringLiteral("9223372036854775807")}, QStringLiteral("1")),
            std::nullopt);
    }

    void startValueWhenItsBoxIsLeft_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("settled");
        QTest::newRow("empty") << QString() << QStringLiteral("1");
        QTest::newRow("blanks") << QStringLiteral("   ") << QStringLiteral("1");
        QTest::newRow("plain") << QStringLiteral("150") << QStringLiteral("150");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7");
        QTest::newRow("all zeros") << QStringLiteral("00000") << QStringLiteral("0");
        QTest::newRow("five digits") << QStringLiteral("99999") << QStringLiteral("99999");
        QTest::newRow("not a number") << QStringLiteral("abc") << QStringLiteral("1");
        QTest::newRow("full stop") << QStringLiteral("1.5") << QStringLiteral("1");
        QTest::newRow("half goes up") << QStringLiteral("2,5") << QStringLiteral("3");
        QTest::newRow("below the half") << QStringLiteral("2,49") << QStringLiteral("2");
        QTest::newRow("blanks around") << QStringLiteral(" 12 ") << QStringLiteral("12");
    }
    void startValueWhenItsBoxIsLeft() {
        QFETCH(QString, typed);
        QFETCH(QString, settled);
        QCOMPARE(settledNumberingStart(typed), settled);
    }

    void missingFileReadsEmpty() {
        QCOMPARE(numberingStartText(), QString());
        QCOMPARE(associationLines(), (std::array<QString, 5>()));
        QVERIFY(!QFile::exists(receiptSettingsPath()));
    }

    void firstWritesCreateTheSections() {
        storeNumberingStart(QStringLiteral(" 1 "));
        QCOMPARE(settingsBytes(), QByteArray("[Numerazione Ricevute]\r\nInizio=1\r\n"));
        storeAssociationLines(lines(u" Circolo Vela ", u"Via Roma 1", u"", u"", u"Tel. 06 123"));
        QCOMPARE(settingsBytes(), QByteArray("[Numerazione Ricevute]\r\nInizio=1\r\n"
                                             "\r\n[Dati Associazione]\r\n"
                                             "Rigo 1=Circolo Vela\r\nRigo 2=Via Roma 1\r\n"
                                             "Rigo 3=\r\nRigo 4=\r\nRigo 5=Tel. 06 123\r\n"));
        QCOMPARE(numberingStartText(), QStringLiteral("1"));
        QCOMPARE(associationLines(),
                 lines(u"Circolo Vela", u"Via Roma 1", u"", u"", u"Tel. 06 123"));
    }

    // Values are replaced where they stand; other sections, comments and the file's own line
    // ends stay; the text is Windows-1252.
    void writesKeepEveryOtherLine() {
        writeSettings("; impostazioni\n[Dati Associazione]\nRigo 2=Vecchio\nNota=tenere\n"
                      "[Altro]\nChiave=valore\n[Numerazione Ricevute]\nInizio=100\n");
        QCOMPARE(numberingStartText(), QStringLiteral("100"));
        QCOMPARE(associationLines(), lines(u"", u"Vecchio", u"", u"", u""));
        storeNumberingStart(QStringLiteral("7"));
        storeAssociationLines(lines(u"Società Sportiva", u"Via Po 2", u"", u"", u""));
        QCOMPARE(settingsBytes(), QByteArray("; impostazioni\n[Dati Associazione]\n"
                                             "Rigo 2=Via Po 2\nNota=tenere\nRigo 1=Societ\xe0 "
                                             "Sportiva\nRigo 3=\nRigo 4=\nRigo 5=\n"
                                             "[Altro]\nChiave=valore\n"
                                             "[Numerazione Ricevute]\nInizio=7\n"));
        QCOMPARE(associationLines()[0], QStringLiteral("Società Sportiva"));
    }

    void failedWritesRaiseAndKeepTheOldFile() {
        writeSettings("[Numerazione Ricevute]\r\nInizio=100\r\n");
        {
            NoFileWrites diskFull;
            QVERIFY_THROWS_EXCEPTION(StorageError, storeNumberingStart(QStringLiteral("7")));
            QVERIFY_THROWS_EXCEPTION(StorageError,
                                     storeAssociationLines(lines(u"A", u"", u"", u"", u"")));
        }
        QCOMPARE(settingsBytes(), QByteArray("[Numerazione Ricevute]\r\nInizio=100\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReceiptSettings)

#include "tst_receipt_settings.moc"
