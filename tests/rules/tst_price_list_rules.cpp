#include "rules/ListOrder.h"
#include "rules/PriceList.h"
#include "storage/PriceListFile.h"

#include <QRegularExpression>
#include <QTest>

namespace {
QString blanks(int count) {
    return QString(count, u' ');
}
} // namespace

class TestPriceListRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void lineHoldsThreeFixedColumns_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("line");
        QTest::newRow("short description")
            << QStringLiteral("Quota sociale") << QStringLiteral("25,00")
            << QStringLiteral("Quota sociale") + blanks(37) + QStringLiteral("  € 25,00") +
                   blanks(7);
        const QString fifty = QStringLiteral("Corso di nuoto per adulti, dieci lezioni in vasca!");
        QTest::newRow("fifty characters reach the euro column")
            << fifty << QStringLiteral("0,00") << fifty + QStringLiteral("  € 0,00") + blanks(8);
        QTest::newRow("longer description and price are cut")
            << fifty + QStringLiteral(" e oltre") << QStringLiteral("1234567890,125")
            << fifty + QStringLiteral("  € 1234567890,1");
        QTest::newRow("blanks around are trimmed")
            << QStringLiteral("  Tessera \t") << QStringLiteral(" 5,50 ")
            << QStringLiteral("Tessera") + blanks(43) + QStringLiteral("  € 5,50") + blanks(8);
        QTest::newRow("a line break inside cannot split the line")
            << QStringLiteral("Due\r\nrighe") << QStringLiteral("1,00")
            << QStringLiteral("Due  righe") + blanks(40) + QStringLiteral("  € 1,00") + blanks(8);
    }
    void lineHoldsThreeFixedColumns() {
        QFETCH(QString, description);
        QFETCH(QString, price);
        QFETCH(QString, line);
        const QString built = priceListLine(description, price);
        QCOMPARE(built, line);
        QCOMPARE(built.size(), 66);
        QCOMPARE(built.mid(50, 4), QStringLiteral("  € "));
    }

    // Lines come back from the file trimmed, so the price column may be short or missing.
    void lineIsTakenApart_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("price");
        QTest::newRow("whole line")
            << priceListLine(QStringLiteral("Quota sociale"), QStringLiteral("25,00"))
            << QStringLiteral("Quota sociale") << QStringLiteral("25,00");
        QTest::newRow("as read from the file")
            << QStringLiteral("Quota sociale") + blanks(37) + QStringLiteral("  € 0,999")
            << QStringLiteral("Quota sociale") << QStringLiteral("0,999");
        QTest::newRow("54 characters have no price")
            << QStringLiteral("Caffè") + blanks(45) + QStringLiteral("  € ")
            << QStringLiteral("Caffè") << QString();
        QTest::newRow("a word only")
            << QStringLiteral("Acqua") << QStringLiteral("Acqua") << QString();
        QTest::newRow("empty line") << QString() << QString() << QString();
        QTest::newRow("price column cut at 66")
            << QStringLiteral("X") + blanks(49) + QStringLiteral("  € 123456789012345")
            << QStringLiteral("X") << QStringLiteral("123456789012");
    }
    void lineIsTakenApart() {
        QFETCH(QString, line);
        QFETCH(QString, description);
        QFETCH(QString, price);
        QCOMPARE(priceLineDescription(line), description);
        QCOMPARE(priceLinePrice(line), price);
    }

    void lineFittedToABox_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("shown");
        QTest::newRow("room to spare")
            << priceListLine(QStringLiteral("Quota sociale"), QStringLiteral("15,00")) << 30
            << QStringLiteral("Quota sociale") + blanks(10) + QStringLiteral("€ 15,00");
        QTest::newRow("long description cut")
            << priceListLine(QStringLiteral("Quota sociale ridotta per under 18"),
                             QStringLiteral("15,00"))
            << 30 << QStringLiteral("Quota sociale ridotta… € 15,00");
        QTest::newRow("no price") << QStringLiteral("Acqua") << 30 << QStringLiteral("Acqua");
    }
    void lineFittedToABox() {
        QFETCH(QString, line);
        QFETCH(int, columns);
        QFETCH(QString, shown);
        QCOMPARE(fittedPriceLine(line, columns), shown);
    }

    void listOrder_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order"); // -1: a first, 0: equal, 1: b first
        QTest::newRow("letter case is folded")
            << QStringLiteral("acqua") << QStringLiteral("Acqua") << 0;
        QTest::newRow("folded letters compare")
            << QStringLiteral("acqua") << QStringLiteral("Birra") << -1;
        QTest::newRow("accented letter after every ASCII letter")
            << QStringLiteral("Zucchero") << QStringLiteral("Àncora") << -1;
        QTest::newRow("lower-case accented letter too")
            << QStringLiteral("zz") << QStringLiteral("è") << -1;
        QTest::newRow("accents are not folded") << QStringLiteral("È") << QStringLiteral("è") << -1;
        QTest::newRow("numbers sort as text")
            << QStringLiteral("10 ingressi") << QStringLiteral("9 ingressi") << -1;
        QTest::newRow("digits before letters") << QStringLiteral("9") << QStringLiteral("A") << -1;
        QTest::newRow("blank before letters")
            << QStringLiteral("Te verde") << QStringLiteral("Tea") << -1;
        QTest::newRow("underscore before letters")
            << QStringLiteral("_x") << QStringLiteral("Ax") << -1;
        QTest::newRow("prefix first")
            << QStringLiteral("Corso") << QStringLiteral("corso base") << -1;
        QTest::newRow("empty first") << QString() << QStringLiteral(" ") << -1;
    }
    void listOrder() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        QCOMPARE(listTextLess(a, b), order < 0);
        QCOMPARE(listTextLess(b, a), order > 0);
    }

    void sortingKeepsEqualTextsTogether() {
        QStringList texts = {QStringLiteral("Birra"),
                             QStringLiteral("Acqua"),
                             QStringLiteral("Èrba"),
                             QStringLiteral("9"),
                             QStringLiteral("acqua"),
                             QStringLiteral("10"),
                             QString(),
                             QStringLiteral("Acqua")};
        sortListTexts(texts);
        QCOMPARE(texts, (QStringList{QString(), QStringLiteral("10"), QStringLiteral("9"),
                                     QStringLiteral("Acqua"), QStringLiteral("acqua"),
                                     QStringLiteral("Acqua"), QStringLiteral("Birra"),
                                     QStringLiteral("Èrba")}));
        QCOMPARE(listInsertPosition(texts, QStringLiteral("ACQUA")), 6);
        QCOMPARE(listInsertPosition(texts, QStringLiteral("zzz")), 7);
        QCOMPARE(listInsertPosition({}, QStringLiteral("a")), 0);
    }

    void firstFreeRowOfAReceipt_data() {
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<int>("row"); // -1: none
        const QStringList empty(14);
        QStringList onlyAmount = empty;
        onlyAmount[0] = QStringLiteral("10,00");
        QTest::newRow("row 1 holds only an amount") << empty << onlyAmount << 1;
        QStringList onlyDescription = empty;
        onlyDescription[0] = QStringLiteral("Quota");
        QTest::newRow("row 1 holds only a description") << onlyDescription << empty << 1;
        QStringList blanksOnly = onlyDescription;
        blanksOnly[1] = QStringLiteral("   ");
        QTest::newRow("blanks count as empty")
            << blanksOnly << QStringList(14, QStringLiteral(" ")) << 1;
        QTest::newRow("empty receipt") << empty << empty << 0;
        QStringList full(14, QStringLiteral("Voce"));
        QTest::newRow("all fourteen rows hold something") << full << empty << -1;
        QStringList lastFree = full;
        lastFree[13] = QString();
        QTest::newRow("last row free") << lastFree << empty << 13;
    }
    void firstFreeRowOfAReceipt() {
        QFETCH(QStringList, descriptions);
        QFETCH(QStringList, amounts);
        QFETCH(int, row);
        QCOMPARE(firstFreeRow(descriptions, amounts).value_or(-1), row);
    }

    void fileLinesAreDecoded_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        const QStringList coffee = {QStringLiteral("Caffè  € 1,20"), QString(),
                                    QStringLiteral("Tè")};
        QTest::newRow("Windows-1252")
            << QByteArray("Caff\xE8  \x80 1,20   \r\n\r\nT\xE8\r\n") << coffee;
        QTest::newRow("UTF-8 with its mark")
            << QByteArray("\xEF\xBB\xBF"
                          "Caff\xC3\xA8  \xE2\x82\xAC 1,20\r\n\r\nT\xC3\xA8")
            << coffee;
        const QString text = coffee.join(QStringLiteral("\r\n"));
        QByteArray littleEndian("\xFF\xFE");
        QByteArray bigEndian("\xFE\xFF");
        for (QChar c : text) {
            littleEndian += char(c.unicode() & 0xFF);
            littleEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() >> 8);
            bigEndian += char(c.unicode() & 0xFF);
        }
        QTest::newRow("UTF-16 little endian") << littleEndian << coffee;
        QTest::newRow("UTF-16 big endian") << bigEndian << coffee;
        QTest::newRow("other line ends, blanks and tabs trimmed")
            << QByteArray("  Acqua \t\nBirra\rVino\r\n\n")
            << QStringList{QStringLiteral("Acqua"), QStringLiteral("Birra"), QStringLiteral("Vino"),
                           QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{QString()};
    }
    void fileLinesAreDecoded() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(priceListLinesFromBytes(bytes), lines);
    }

    void fileIsWindows1252WithCrLf() {
        const QStringList lines = {QString(), QStringLiteral("Caffè  € 1,20"),
                                   QStringLiteral("Łódź")};
        QCOMPARE(priceListBytes(lines), QByteArray("\r\nCaff\xE8  \x80 1,20\r\n?\xF3"
                                                   "dz\r\n"));
        QCOMPARE(priceListBytes({}), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestPriceListRules)

#include "tst_price_list_rules.moc"
