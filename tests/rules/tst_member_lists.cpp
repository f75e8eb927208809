#include "rules/ListLines.h"
#include "rules/MemberLists.h"
#include "rules/ReceiptLists.h"
#include "storage/MemberRecord.h"
#include "storage/RecordLayouts.h"
#include "storage/RecordScan.h"
#include "tests/support/ListLineTexts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

MemberRecord member(const QString& name, const QString& expiry = QStringLiteral("31/12/2026"),
                    const QString& notice = QStringLiteral("0")) {
    MemberRecord card;
    card.Dipendente = name;
    card.Stipendio = QStringLiteral("25,00");
    card.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    card.DataSca = expiry;
    card.Preavviso = notice;
    card.Recapito = QStringLiteral("333 1234567");
    card.Note = QStringLiteral("Quota versata");
    return card;
}

// A field's length byte and stored bytes written as they are, as another program might.
void storeRaw(QByteArray& record, FieldSpec field, int length, const QByteArray& bytes) {
    record[field.offset] = char(length);
    record.replace(field.offset + 1, bytes.size(), bytes);
}

QByteArray withRawField(const MemberRecord& card, FieldSpec field, const QByteArray& bytes) {
    QByteArray record = card.toBytes();
    storeRaw(record, field, int(bytes.size()), bytes);
    return record;
}

// The archive of these records in a folder of its own.
class Archive {
public:
    explicit Archive(const QList<QByteArray>& records, const QByteArray& tail = {}) {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write the archive");
        for (const QByteArray& record : records)
            file.write(record);
        file.write(tail);
    }
    QString path() const { return folder_.filePath(QStringLiteral("Soci.pro")); }

private:
    QTemporaryDir folder_;
};

QList<qint64> positionsOf(const ListScan& result) {
    QList<qint64> positions;
    for (const ListEntry& entry : result.entries)
        positions.append(entry.position);
    return positions;
}

const QDate fifteenthOfMarch(2024, 3, 15);

using PayerLinesExpected = std::array<QString, ReceiptRecord::HeaderLines>;

} // namespace

class TestMemberLists : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The same answer from the texts and from the stored bytes of a name.
    void criterionMatching_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("found");
        QTest::newRow("part of a word")
            << QStringLiteral("ross") << QStringLiteral("Rossi Mario") << true;
        QTest::newRow("words in another order")
            << QStringLiteral("mario rossi") << QStringLiteral("Rossi Mario") << false;
        QTest::newRow("dates as text")
            << QStringLiteral("1980") << QStringLiteral("12/05/1980") << true;
        QTest::newRow("typed blank must be in the field")
            << QStringLiteral("ROSSI ") << QStringLiteral("Rossi") << false;
        QTest::newRow("typed blank in the field")
            << QStringLiteral(" mario") << QStringLiteral("Rossi Mario") << true;
        QTest::newRow("only A-Z folded") << QStringLiteral("è") << QStringLiteral("È") << false;
        QTest::newRow("accented as stored")
            << QStringLiteral("nicc") << QStringLiteral("NICCOLÒ") << true;
        QTest::newRow("accented letter")
            << QStringLiteral("Ò") << QStringLiteral("Bianchi Niccolò") << false;
        QTest::newRow("euro sign") << QStringLiteral("€ 5") << QStringLiteral("Quota € 50") << true;
        QTest::newRow("not in Windows-1252")
            << QStringLiteral("ő") << QStringLiteral("Lo o") << false;
        QTest::newRow("longer than the field")
            << QStringLiteral("rossi mario") << QStringLiteral("Rossi") << false;
    }
    void criterionMatching() {
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(bool, found);
        QCOMPARE(criterionFound(typed, field), found);
        const MemberSearch search({{MemberFields::Dipendente, typed}});
        QCOMPARE(search.matches(member(field).toBytes()), found);
    }

    void fieldsAreMatchedAsStored() {
        // Written by another program: a blank after the name, a length beyond the field.
        const QByteArray blankAfter =
            withRawField(member({}), MemberFields::Dipendente, QByteArrayLiteral("Rossi "));
        QVERIFY(MemberSearch({{MemberFields::Dipendente, QStringLiteral("ROSSI ")}})
                    .matches(blankAfter));
        QByteArray tooLong = member(QString(50, u'a')).toBytes();
        tooLong[MemberFields::Dipendente.offset] = char(200);
        tooLong.replace(MemberFields::Cittadinanza.offset, 3, QByteArrayLiteral("\3xyz"));
        QVERIFY(MemberSearch({{MemberFields::Dipendente, QStringLiteral("aaa")}}).matches(tooLong));
        QVERIFY(!MemberSearch({{MemberFields::Dipendente, QStringLiteral("ax")}}).matches(tooLong));
    }

    void criteriaTogether() {
        MemberRecord card = member(QStringLiteral("Rossi Mario"));
        card.Citta = QStringLiteral("Roma");
        const QByteArray record = card.toBytes();
        const auto search = [](const QString& name, const QString& town) {
            return MemberSearch({{MemberFields::Dipendente, name}, {MemberFields::Citta, town}});
        };
        QVERIFY(search(QStringLiteral("rossi"), QStringLiteral("rom")).matches(record));
        QVERIFY(!search(QStringLiteral("rossi"), QStringLiteral("milano")).matches(record));
        QCOMPARE(search(QStringLiteral("rossi"), QStringLiteral("milano")).filledCriteria(), 2);
        // Blanks and control characters only: no criterion, every member.
        const MemberSearch blank = search(QStringLiteral("   "), QStringLiteral("\t"));
        QCOMPARE(blank.filledCriteria(), 0);
        QVERIFY(blank.matches(record));
        QVERIFY(MemberSearch({}).matches(member({}).toBytes()));
    }

    void lineFromTheBytes_data() {
        QTest::addColumn<QByteArray>("record");
        const MemberRecord plain = member(QStringLiteral("Rossi Mario"));
        QTest::newRow("plain") << plain.toBytes();
        QTest::newRow("long name, accents, euro")
            << member(QStringLiteral("De Santis Maria Benedetta Annalisa Niccolò"),
                      QStringLiteral("01/01/2025"))
                   .toBytes();
        QTest::newRow("empty") << QByteArray(MemberRecord::Size, '\0');
        QTest::newRow("blanks and controls around")
            << withRawField(plain, MemberFields::Note, QByteArrayLiteral(" \t\x80 nota\x9f \x01"));
        QTest::newRow("long telephone") << withRawField(plain, MemberFields::Recapito,
                                                        QByteArrayLiteral("  0547 123456 int. 89"));
        QByteArray tooLong = plain.toBytes();
        tooLong[MemberFields::CodFisc.offset] = char(255);
        QTest::newRow("length beyond the field") << tooLong;
    }
    void lineFromTheBytes() {
        QFETCH(QByteArray, record);
        QCOMPARE(memberLineOf(record), memberLine(fieldText(record, MemberFields::Dipendente),
                                                  fieldText(record, MemberFields::CodFisc),
                                                  fieldText(record, MemberFields::DataSca),
                                                  fieldText(record, MemberFields::Recapito),
                                                  fieldText(record, MemberFields::Note)));
    }

    void searchOfTheArchive() {
        const Archive archive({member(QStringLiteral("Bianchi Anna")).toBytes(),
                               member(QStringLiteral("Rossi Mario")).toBytes(),
                               member(QStringLiteral("Rossini Bruno")).toBytes()},
                              QByteArrayLiteral("half a record"));
        const ListScan found = searchMembers(
            archive.path(), MemberSearch({{MemberFields::Dipendente, QStringLiteral("ROSS")}}));
        QCOMPARE(positionsOf(found), (QList<qint64>{2, 3}));
        QCOMPARE(found.entries[0].line,
                 memberLineOf(member(QStringLiteral("Rossi Mario")).toBytes()));
        QCOMPARE(found.skippedRecords, 0); // an incomplete record at the end is no member
        QVERIFY(!found.cancelled);
        QCOMPARE(positionsOf(searchMembers(archive.path(), MemberSearch({}))),
                 (QList<qint64>{1, 2, 3}));
    }

    void missingArchiveIsCreatedEmpty() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Soci.pro"));
        const ListScan result = expiryListOfFile(path, ExpiryList::Expired, fifteenthOfMarch);
        QVERIFY(result.entries.empty());
        QCOMPARE(result.skippedRecords, 0);
        QVERIFY(QFile::exists(path));
    }

    // A folder where the archive should be: no list, and the scan says so.
    void archiveThatCannotBeOpenedFails() {
        QTemporaryDir folder;
        const QString folderInstead = folder.filePath(QStringLiteral("Soci.pro"));
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("Soci.pro")));
        const ListScan search = searchMembers(folderInstead, MemberSearch({}));
        QVERIFY(search.failed && search.entries.empty());
        QVERIFY(expiryListOfFile(folderInstead, ExpiryList::Expired, fifteenthOfMarch).failed);
    }

    void progressCanStopAScan() {
        const QByteArray record =
            member(QStringLiteral("Rossi Mario"), QStringLiteral("01/01/2020")).toBytes();
        const Archive archive(QList<QByteArray>(10000, record));
        QList<qint64> told;
        const ListScan result =
            expiryListOfFile(archive.path(), ExpiryList::Expired, fifteenthOfMarch,
                             [&told](qint64 read, qint64 inFile) {
                                 told.append(read);
                                 return inFile == 10000 && told.size() < 2;
                             });
        QVERIFY(result.cancelled);
        QCOMPARE(told.size(), 2);
        QVERIFY(told[0] > 0 && told[1] > told[0]);
        QCOMPARE(qint64(result.entries.size()), told[1]);
        QVERIFY(!searchMembers(archive.path(), MemberSearch({}), [](qint64, qint64) {
                     return true;
                 }).cancelled);
    }

    void expiryRule_data() {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("expiring");
        QTest::addColumn<bool>("expired");
        QTest::newRow("yesterday")
            << QStringLiteral("14/03/2024") << QStringLiteral("0") << true << true;
        QTest::newRow("today") << QStringLiteral("15/03/2024") << QStringLiteral("0") << true
                               << false;
        QTest::newRow("tomorrow") << QStringLiteral("16/03/2024") << QStringLiteral("0") << false
                                  << false;
        QTest::newRow("first day of notice")
            << QStringLiteral("25/03/2024") << QStringLiteral("10") << true << false;
        QTest::newRow("day before the notice")
            << QStringLiteral("25/03/2024") << QStringLiteral("9") << false << false;
        // The notice began on 02/01/2024, 365 days before the expiry (2024 has 366).
        QTest::newRow("inside a year of notice")
            << QStringLiteral("01/01/2025") << QStringLiteral("365") << true << false;
        QTest::newRow("before a long notice")
            << QStringLiteral("01/01/2025") << QStringLiteral("291") << false << false;
        QTest::newRow("notice a day short of a year")
            << QStringLiteral("14/03/2025") << QStringLiteral("364") << true << false;
        QTest::newRow("blanks around")
            << QStringLiteral(" 16/03/2024 ") << QStringLiteral(" 1 ") << true << false;
    }
    void expiryRule() {
        QFETCH(QString, expiry);
        QFETCH(QString, notice);
        QFETCH(bool, expiring);
        QFETCH(bool, expired);
        QCOMPARE(isInExpiryList(ExpiryList::ExpiringOrExpired, expiry, notice, fifteenthOfMarch),
                 std::optional<bool>(expiring));
        QCOMPARE(isInExpiryList(ExpiryList::Expired, expiry, notice, fifteenthOfMarch),
                 std::optional<bool>(expired));
    }

    void notValidForTheExpiryRule_data() {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("validForExpired");
        QTest::newRow("no date") << QStringLiteral("") << QStringLiteral("0") << false;
        QTest::newRow("no such day")
            << QStringLiteral("30/02/2024") << QStringLiteral("0") << false;
        QTest::newRow("not dd/mm/yyyy")
            << QStringLiteral("1/3/2024") << QStringLiteral("0") << false;
        QTest::newRow("no notice") << QStringLiteral("14/03/2024") << QStringLiteral("") << true;
        QTest::newRow("notice not a number")
            << QStringLiteral("14/03/2024") << QStringLiteral("1a") << true;
    }
    void notValidForTheExpiryRule() {
        QFETCH(QString, expiry);
        QFETCH(QString, notice);
        QFETCH(bool, validForExpired);
        QVERIFY(!isInExpiryList(ExpiryList::ExpiringOrExpired, expiry, notice, fifteenthOfMarch));
        QCOMPARE(isInExpiryList(ExpiryList::Expired, expiry, notice, fifteenthOfMarch).has_value(),
                 validForExpired);
    }

    // A record that is not valid is counted and the records after it are still read.
    void expiryListsOfTheArchive() {
        const Archive archive(
            {member(QStringLiteral("Uno"), QStringLiteral("14/03/2024")).toBytes(),
             member(QStringLiteral("Due"), QStringLiteral("31/02/2024")).toBytes(),
             member(QStringLiteral("Tre"), QStringLiteral("15/03/2024"), {}).toBytes(),
             member(QStringLiteral("Quattro"), QStringLiteral("15/03/2024")).toBytes(),
             member(QStringLiteral("Cinque"), QStringLiteral("14/03/2024")).toBytes(),
             member(QStringLiteral("Sei"), QStringLiteral("16/03/2025")).toBytes()});
        const ListScan expiring =
            expiryListOfFile(archive.path(), ExpiryList::ExpiringOrExpired, fifteenthOfMarch);
        QCOMPARE(positionsOf(expiring), (QList<qint64>{1, 4, 5}));
        QCOMPARE(expiring.skippedRecords, 2);
        const ListScan expired =
            expiryListOfFile(archive.path(), ExpiryList::Expired, fifteenthOfMarch);
        QCOMPARE(positionsOf(expired), (QList<qint64>{1, 5}));
        QCOMPARE(expired.skippedRecords, 1);
        QCOMPARE(
            expired.entries[1].line,
            memberLineOf(member(QStringLiteral("Cinque"), QStringLiteral("14/03/2024")).toBytes()));
    }

    // Each member counted once: an expired subscription is not also counted as expiring.
    void expiryCountsOfTheArchive() {
        const Archive archive(
            {member(QStringLiteral("Uno"), QStringLiteral("14/03/2024")).toBytes(),
             member(QStringLiteral("Due"), QStringLiteral("31/02/2024")).toBytes(),
             member(QStringLiteral("Tre"), QStringLiteral("13/03/2024"), {}).toBytes(),
             member(QStringLiteral("Quattro"), QStringLiteral("15/03/2024")).toBytes(),
             member(QStringLiteral("Cinque"), QStringLiteral("25/03/2024"), QStringLiteral("10"))
                 .toBytes(),
             member(QStringLiteral("Sei"), QStringLiteral("25/03/2024"), QStringLiteral("9"))
                 .toBytes()});
        const ExpiryCounts counts = countExpiries(archive.path(), fifteenthOfMarch);
        QCOMPARE(counts.expiring, 2);
        QCOMPARE(counts.expired, 2);
    }

    void expiryCountsText_data() {
        QTest::addColumn<int>("expiring");
        QTest::addColumn<int>("expired");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << 0 << QString();
        QTest::newRow("both") << 3 << 5 << QStringLiteral("3 abbonamenti in scadenza, 5 scaduti");
        QTest::newRow("one of each")
            << 1 << 1 << QStringLiteral("1 abbonamento in scadenza, 1 scaduto");
        QTest::newRow("expiring only") << 2 << 0 << QStringLiteral("2 abbonamenti in scadenza");
        QTest::newRow("expired only") << 0 << 4 << QStringLiteral("4 abbonamenti scaduti");
        QTest::newRow("one expired only") << 0 << 1 << QStringLiteral("1 abbonamento scaduto");
    }
    void expiryCountsText() {
        QFETCH(int, expiring);
        QFETCH(int, expired);
        QFETCH(QString, text);
        QCOMPARE(::expiryCountsText(ExpiryCounts{expiring, expired}), text);
    }

    void payerLines() {
        MemberRecord card;
        card.Dipendente = QStringLiteral(" Rossi Mario ");
        card.Indirizzo = QStringLiteral("Via Roma 1");
        card.Cap = QStringLiteral("00185");
        card.Citta = QStringLiteral("Roma");
        card.Prov = QStringLiteral("RM");
        card.Recapito = QStringLiteral("06 1234567 ");
        card.CodFisc = QStringLiteral("RSSMRA80A01H501U");
        QCOMPARE(
            payerLinesOf(card),
            (PayerLinesExpected{QStringLiteral("Rossi Mario"), QStringLiteral("Via Roma 1"),
                                QStringLiteral("00185 Roma RM"), QStringLiteral("Tel. 06 1234567"),
                                QStringLiteral("Codice fiscale: RSSMRA80A01H501U")}));
        QCOMPARE(payerLinesOf(MemberRecord{}),
                 (PayerLinesExpected{QString(), QString(), QStringLiteral("  "),
                                     QStringLiteral("Tel. "), QStringLiteral("Codice fiscale: ")}));
    }
};

QTEST_GUILESS_MAIN(TestMemberLists)

#include "tst_member_lists.moc"
