#include "rules/FindInList.h"
#include "rules/ListLines.h"
#include "rules/ListOrder.h"
#include "storage/TextCodec.h"
#include "tests/support/ListLineTexts.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
ListLines block(const QStringList& texts) {
    ListLines lines;
    for (const QString& text : texts)
        lines.append(text, 0);
    return lines;
}
} // namespace

class TestListRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void receiptLineCharacterForCharacter() {
        const QString expected = QStringLiteral("Ric. n. 12") + QString(12, u' ') +
                                 QStringLiteral("  Data: 05/03/2024  Cliente: Rossi Mario") +
                                 QString(19, u' ') + QStringLiteral("  Servizio: Quota sociale") +
                                 QString(25, u' ') + QStringLiteral("  Totale: € 25,00");
        QCOMPARE(receiptLine(PayerLabel::Cliente, QStringLiteral(" 12 "),
                             QStringLiteral("05/03/2024"), QStringLiteral("Rossi Mario"),
                             QStringLiteral("Quota sociale"), QStringLiteral(" 25,00 ")),
                 expected);
        QVERIFY(receiptLine(PayerLabel::Pagatore, {}, {}, {}, {}, {})
                    .contains(QStringLiteral("  Pagatore: ")));
    }

    void memberLineColumns() {
        const QString line = memberLine(QString(35, u'N'), QStringLiteral("RSSMRA80A01H501U"),
                                        QStringLiteral("31/12/2026"), QStringLiteral("06 123"),
                                        QStringLiteral(" Quota versata in contanti "));
        QCOMPARE(line, QString(30, u'N') + QStringLiteral("  C.F. RSSMRA80A01H501U  Scad. ") +
                           QStringLiteral("31/12/2026  Tel. 06 123") + QString(9, u' ') +
                           QStringLiteral(" Note: Quota versata in contanti"));
    }

    void listOrder_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("capitals equal to small letters")
            << QStringList{QStringLiteral("rossi"), QStringLiteral("Bianchi"),
                           QStringLiteral("Rossa")}
            << QStringList{QStringLiteral("Bianchi"), QStringLiteral("Rossa"),
                           QStringLiteral("rossi")};
        QTest::newRow("accented after every ASCII letter")
            << QStringList{QStringLiteral("Èrcole"), QStringLiteral("Zeta"), QStringLiteral("alfa")}
            << QStringList{QStringLiteral("alfa"), QStringLiteral("Zeta"),
                           QStringLiteral("Èrcole")};
        QTest::newRow("by character code, not by byte")
            << QStringList{QStringLiteral("€ 5"), QStringLiteral("Ècco"), QStringLiteral("zeta")}
            << QStringList{QStringLiteral("zeta"), QStringLiteral("Ècco"), QStringLiteral("€ 5")};
        QTest::newRow("numbers as text")
            << QStringList{QStringLiteral("Ric. n. 9"), QStringLiteral("Ric. n. 10")}
            << QStringList{QStringLiteral("Ric. n. 10"), QStringLiteral("Ric. n. 9")};
        // The quick order looks at the first sixteen characters first, then at the next ones.
        QTest::newRow("same first sixteen characters")
            << QStringList{QStringLiteral("Rossi Mario  C.F. Z"),
                           QStringLiteral("Rossi Mario  C.F. A"), QStringLiteral("Rossi Mario "),
                           QStringLiteral("Rossi Mari")}
            << QStringList{QStringLiteral("Rossi Mari"), QStringLiteral("Rossi Mario "),
                           QStringLiteral("Rossi Mario  C.F. A"),
                           QStringLiteral("Rossi Mario  C.F. Z")};
        QTest::newRow("equal texts keep their order")
            << QStringList{QStringLiteral("VERDI GIUSEPPE X"), QStringLiteral("Abate"),
                           QStringLiteral("verdi giuseppe x"), QStringLiteral("Verdi Giuseppe X")}
            << QStringList{QStringLiteral("Abate"), QStringLiteral("VERDI GIUSEPPE X"),
                           QStringLiteral("verdi giuseppe x"), QStringLiteral("Verdi Giuseppe X")};
    }
    void listOrder() {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, sorted);
        const ListLines unsorted = block(lines);
        const QStringList quick = unsorted.reordered(::listOrder(unsorted)).texts();
        QCOMPARE(quick, sorted);
        sortListTexts(lines);
        QCOMPARE(lines, sorted);
    }

    // Every character of the code page, in texts that share long beginnings, so the quick
    // order has to tell them apart far into the text and across ASCII and other characters.
    void listOrderOfManyTextsIsTheTextOrder() {
        const QString characters = fromWindows1252(QByteArray::fromHex(
            "000120212e303941424d5a5b5e5f60616d7a7b7e7f80818a8c8d9fa0c0c8d9e0e8f9ff"));
        const QStringList beginnings = {QString(), QStringLiteral("Rossi Mario"),
                                        QStringLiteral("ROSSI MARIO                 C.F. ")};
        QRandomGenerator random(20241210);
        QStringList texts;
        for (int i = 0; i < 4000; ++i) {
            QString text = beginnings[int(random.bounded(beginnings.size()))];
            for (int length = int(random.bounded(40)); length > 0; --length)
                text += characters[int(random.bounded(characters.size()))];
            texts.append(text);
        }
        const ListLines unsorted = block(texts);
        const QStringList quick = unsorted.reordered(::listOrder(unsorted)).texts();
        sortListTexts(texts);
        QCOMPARE(quick, texts);
    }

    // Many lines and a line of megabytes come back whole, each with its position.
    void manyAndLongLines() {
        ListLines lines;
        QStringList written;
        for (int i = 0; i < 60000; ++i) {
            written.append(QStringLiteral("Socio %1 ").arg(i) + QString(i % 97, u'è'));
            lines.write(QByteArrayView(toWindows1252(written.last())));
            lines.endLine(i + 1);
        }
        written.append(QString(3 * 1024 * 1024, u'x'));
        lines.writePadded(QByteArrayView(toWindows1252(written.last().left(10))), 10);
        lines.write(QByteArrayView(toWindows1252(written.last().mid(10))));
        lines.endLine(0);
        lines.write(std::string_view("dropped"));
        lines.dropLine();
        QCOMPARE(lines.size(), written.size());
        QCOMPARE(lines.texts(), written);
        QCOMPARE(lines.position(29999), 30000);
        // A copy goes on with lines of its own.
        ListLines copy = lines;
        copy.append(QStringLiteral("Copia"), 7);
        lines.append(QStringLiteral("Originale"), 8);
        QCOMPARE(copy.text(12345), written[12345]);
        QCOMPARE(copy.text(copy.size() - 1), QStringLiteral("Copia"));
        QCOMPARE(lines.text(lines.size() - 1), QStringLiteral("Originale"));
        QCOMPARE(copy.size(), lines.size());
    }

    // A list in another order keeps each line with its position, also when ordered again or
    // when lines are added afterwards.
    void reorderedLinesKeepTheirPositions() {
        ListLines written;
        for (const char* text : {"A", "B", "C", "D"})
            written.append(QString::fromLatin1(text), written.size() + 1);
        const ListLines once = written.reordered({3, 1, 0, 2});
        QCOMPARE(once.texts(), (QStringList{QStringLiteral("D"), QStringLiteral("B"),
                                            QStringLiteral("A"), QStringLiteral("C")}));
        ListLines twice = once.reordered({1, 0, 3, 2});
        twice.append(QStringLiteral("E"), 5);
        QCOMPARE(twice.texts(),
                 (QStringList{QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("C"),
                              QStringLiteral("A"), QStringLiteral("E")}));
        for (qsizetype row = 0; row < twice.size(); ++row)
            QCOMPARE(twice.position(row), qint64(twice.text(row)[0].unicode() - u'A' + 1));
        QCOMPARE(written.texts().join(QString()), QStringLiteral("ABCD"));
    }

    // Bianchi, Rossi Anna, Rossi Bruno, Verdi: "rossi" steps through both and comes back.
    void findWorkedCase() {
        const ListLines lines = block({QStringLiteral("Bianchi"), QStringLiteral("Rossi Anna"),
                                       QStringLiteral("Rossi Bruno"), QStringLiteral("Verdi")});
        const QString rossi = findKey(QStringLiteral("rossi"));
        QCOMPARE(findInList(lines, 0, rossi, false), 1);
        QCOMPARE(findInList(lines, 1, rossi, true), 2);
        QCOMPARE(findInList(lines, 2, rossi, true), 1);
        QCOMPARE(findInList(lines, 1, findKey(QStringLiteral("VERDI")), false), 3);
        // A hand-picked line: the same key goes on after it.
        QCOMPARE(findInList(lines, 3, rossi, true), 1);
        // Only one match: the selection stays on it.
        QCOMPARE(findInList(lines, 3, findKey(QStringLiteral("verdi")), true), 3);
    }

    void findKeysThatMatchNothing() {
        const ListLines lines = block({QStringLiteral("Rossi Anna"), QStringLiteral("Rossini")});
        QCOMPARE(findInList(lines, 0, QString(), false), std::nullopt);
        QCOMPARE(findInList(lines, 0, findKey(QStringLiteral("neri")), false), std::nullopt);
        // Blanks are part of the key.
        QCOMPARE(findInList(lines, 1, findKey(QStringLiteral("rossi ")), false), 0);
        QCOMPARE(findInList(ListLines(), -1, findKey(QStringLiteral("rossi")), false),
                 std::nullopt);
        // A character the lines cannot hold is in none of them.
        QCOMPARE(findInList(block({QStringLiteral("Rossi Anna")}), 0, QStringLiteral("ă"), false),
                 std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestListRules)

#include "tst_list_rules.moc"
