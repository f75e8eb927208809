#include "rules/PasswordStore.h"
#include "rules/ShellTargets.h"
#include "rules/TextRules.h"
#include "storage/ProgramFolder.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>
#include <stdexcept>

class TestRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void scrambleKnownVectors_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("one letter") << QStringLiteral("A") << QStringLiteral("56");
        QTest::newRow("two letters") << QStringLiteral("AB") << QStringLiteral("568B");
        QTest::newRow("repeated letter rolls the key")
            << QStringLiteral("AAA") << QStringLiteral("568841");
        QTest::newRow("initial password")
            << QStringLiteral("VELARNO") << QStringLiteral("41EC8C67C522C6");
    }
    void scrambleKnownVectors() {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(ScrambleText(plain), scrambled);
        QCOMPARE(UnscrambleText(scrambled), plain);
        QCOMPARE(UnscrambleText(scrambled.toLower()), plain);
    }

    void scrambleRoundTripsLatin1Texts() {
        QRandomGenerator random(2026);
        for (int length : {0, 1, 2, 17, 128, 254, 255}) {
            QString plain;
            for (int i = 0; i < length; ++i)
                plain += QChar(char16_t(random.bounded(256)));
            QCOMPARE(ScrambleText(plain).size(), 2 * length);
            QCOMPARE(UnscrambleText(ScrambleText(plain)), plain);
        }
    }

    void unscrambleIgnoresOddTrailingCharacter() {
        QCOMPARE(UnscrambleText(QStringLiteral("568BF")), QStringLiteral("AB"));
    }

    void unscrambleRejectsNonHexadecimal_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("letter beyond F") << QStringLiteral("5G");
        QTest::newRow("blank inside") << QStringLiteral("56 8");
        QTest::newRow("sign") << QStringLiteral("+5");
    }
    void unscrambleRejectsNonHexadecimal() {
        QFETCH(QString, stored);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, UnscrambleText(stored));
    }

    void shippedStoreHoldsTheInitialPassword() {
        QTemporaryDir folder;
        setProgramFolderForTests(folder.path());
        const QString shipped = QStringLiteral(VELARNO_SOURCE_DIR "/assets/unins000.dll");
        QVERIFY(QFile::copy(shipped, folder.filePath(QStringLiteral("unins000.dll"))));
        QCOMPARE(readStoredPassword(), QStringLiteral("VELARNO"));
        setProgramFolderForTests(QString());
    }

    void datesUseFourDigitYears_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("leading zeros") << QStringLiteral("01/02/2024") << QDate(2024, 2, 1);
        QTest::newRow("leap day") << QStringLiteral("29/02/2024") << QDate(2024, 2, 29);
        QTest::newRow("blanks around") << QStringLiteral(" 31/12/1999 ") << QDate(1999, 12, 31);
        QTest::newRow("two-digit year") << QStringLiteral("01/02/24") << QDate();
        QTest::newRow("short day, month and year") << QStringLiteral("1/2/24") << QDate();
        QTest::newRow("short day") << QStringLiteral("1/02/2024") << QDate();
        QTest::newRow("no such day") << QStringLiteral("30/02/2024") << QDate();
        QTest::newRow("other separator") << QStringLiteral("01-02-2024") << QDate();
        QTest::newRow("empty") << QString() << QDate();
    }
    void datesUseFourDigitYears() {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        applyTextConventions(); // the Italian short format would have a two-digit year
        QCOMPARE(dateFromText(text), date);
        if (date.isValid())
            QCOMPARE(dateText(date), text.trimmed());
    }

    void plainFileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("name and extension") << QStringLiteral("Carta d'identità.pdf") << true;
        QTest::newRow("dots inside") << QStringLiteral("verbale..2025.pdf") << true;
        QTest::newRow("leading dot") << QStringLiteral(".nascosto") << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("dot") << QStringLiteral(".") << false;
        QTest::newRow("dot dot") << QStringLiteral("..") << false;
        QTest::newRow("dots and blanks") << QStringLiteral(". . .") << false;
        QTest::newRow("parent folder") << QStringLiteral("../file") << false;
        QTest::newRow("backslash") << QStringLiteral("..\\x") << false;
        QTest::newRow("absolute") << QStringLiteral("/etc/passwd") << false;
        QTest::newRow("drive letter") << QStringLiteral("C:x") << false;
        QTest::newRow("alternate stream") << QStringLiteral("a.pdf:flusso") << false;
        QTest::newRow("control character") << QStringLiteral("a\nb.pdf") << false;
    }
    void plainFileNames() {
        QFETCH(QString, name);
        QFETCH(bool, plain);
        QCOMPARE(isPlainFileName(name), plain);
    }

    // Stored addresses go to the e-mail program in blind copy: each one is only ever one
    // recipient, and one that could be read as more, or as another field, is left out.
    void mailtoBccCarriesOnlyWholeAddresses_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QStringList>("bcc");
        QTest::addColumn<QList<int>>("leftOut");
        const QString anna = QStringLiteral("anna.verdi@esempio.it");
        QTest::newRow("plain addresses")
            << QStringList{anna, QStringLiteral("luca_b-1@posta.esempio.org")}
            << QStringList{anna, QStringLiteral("luca_b-1@posta.esempio.org")} << QList<int>{};
        QTest::newRow("question mark, ampersand, equals and percent stay in the address")
            << QStringList{QStringLiteral("a?subject=x&body=y%41@esempio.it"), anna}
            << QStringList{QStringLiteral("a?subject=x&body=y%41@esempio.it"), anna}
            << QList<int>{};
        QTest::newRow("comma would add a recipient")
            << QStringList{QStringLiteral("socio@esempio.it,altro@esempio.it"), anna}
            << QStringList{anna} << QList<int>{0};
        QTest::newRow("semicolon would add a recipient")
            << QStringList{anna, QStringLiteral("socio@esempio.it;altro@esempio.it")}
            << QStringList{anna} << QList<int>{1};
        QTest::newRow("line break would add a header")
            << QStringList{QStringLiteral("socio@esempio.it\nBcc: altro@esempio.it"),
                           QStringLiteral("socio@esempio.it\r\nX: y"), anna}
            << QStringList{anna} << QList<int>{0, 1};
        QTest::newRow("not addresses") << QStringList{QString(),
                                                      QStringLiteral("rossi@esempio"),
                                                      QStringLiteral("@esempio.it"),
                                                      QStringLiteral("a@b@esempio.it"),
                                                      QStringLiteral("a b@esempio.it"),
                                                      QStringLiteral("a@esempio."),
                                                      QStringLiteral("Anna <a@esempio.it>")}
                                       << QStringList{} << QList<int>{0, 1, 2, 3, 4, 5, 6};
    }
    void mailtoBccCarriesOnlyWholeAddresses() {
        QFETCH(QStringList, stored);
        QFETCH(QStringList, bcc);
        QFETCH(QList<int>, leftOut);
        const QString subject = QStringLiteral("Rinnovo & quote? #1 100%");
        const BccMessage message =
            mailtoBcc(stored, subject, QStringLiteral("Gentile socio,\nè in scadenza."));
        QCOMPARE(message.leftOut, leftOut);
        QCOMPARE(message.url.scheme(), QStringLiteral("mailto"));
        QCOMPARE(message.url.path(), QString());
        QVERIFY(!message.url.hasFragment());
        const QUrlQuery query(message.url);
        QStringList keys;
        for (const auto& [key, value] : query.queryItems())
            keys.append(key);
        QCOMPARE(keys, (QStringList{QStringLiteral("bcc"), QStringLiteral("subject"),
                                    QStringLiteral("body")}));
        const QString recipients = query.queryItemValue(QStringLiteral("bcc"), QUrl::FullyEncoded);
        QStringList decoded;
        for (const QString& one : recipients.split(QLatin1Char(','), Qt::SkipEmptyParts))
            decoded.append(QUrl::fromPercentEncoding(one.toLatin1()));
        QCOMPARE(decoded, bcc);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("Gentile socio,\r\nè in scadenza."));
    }

    void upperTrimmedTouchesOnlyAsciiLetters() {
        QCOMPARE(upperTrimmed(QStringLiteral("\t rssmra80à01h501u \n")),
                 QStringLiteral("RSSMRA80à01H501U"));
    }
};

QTEST_GUILESS_MAIN(TestRules)

#include "tst_rules.moc"
