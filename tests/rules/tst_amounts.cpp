#include "rules/Amounts.h"
#include "rules/ExtendedReal.h"

#include <QRandomGenerator>
#include <QTest>
#include <cfloat>

namespace {
// Half-up rounding done by the compiler's own 80-bit long double, where it has one.
double nativeRoundTo(double x, int decimals) {
    long double factor = 1;
    for (int i = 0; i < decimals; ++i)
        factor *= 10;
    const long double shifted = static_cast<long double>(x) * factor + 0.5L;
    return double(static_cast<long double>(static_cast<long long>(shifted)) / factor);
}
} // namespace

class TestAmounts : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundingHalvesOfTypedValues_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("2,675 lies below the half")
            << QStringLiteral("2,675") << 2 << QStringLiteral("2,67");
        QTest::newRow("1,005") << QStringLiteral("1,005") << 2 << QStringLiteral("1");
        QTest::newRow("0,125 is exact, goes up")
            << QStringLiteral("0,125") << 2 << QStringLiteral("0,13");
        QTest::newRow("12,345") << QStringLiteral("12,345") << 2 << QStringLiteral("12,35");
        QTest::newRow("0,005") << QStringLiteral("0,005") << 2 << QStringLiteral("0,01");
        QTest::newRow("whole euros") << QStringLiteral("30,5") << 0 << QStringLiteral("31");
        QTest::newRow("whole euros below the half")
            << QStringLiteral("30,49") << 0 << QStringLiteral("30");
        QTest::newRow("four decimals")
            << QStringLiteral("1,23456") << 4 << QStringLiteral("1,2346");
    }
    void roundingHalvesOfTypedValues() {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QFETCH(QString, rounded);
        QCOMPARE(writeNumber(roundTo(*readNumber(typed), decimals)), rounded);
    }

    // The software extended format must round exactly as an 80-bit long double does.
    void roundingMatchesExtendedHardware() {
        if (LDBL_MANT_DIG != 64)
            QSKIP("this compiler's long double is not the 80-bit format");
        QRandomGenerator random(4242);
        for (int i = 0; i < 200000; ++i) {
            const int cents = int(random.bounded(1000000));
            const int extra = int(random.bounded(10));
            // Values typed with three or four decimals, many of them ending in 5.
            const double x = *readNumber(QStringLiteral("%1,%2%3")
                                             .arg(cents / 100)
                                             .arg(cents % 100, 2, 10, QLatin1Char('0'))
                                             .arg(extra == 0 ? 5 : extra));
            for (int decimals : {0, 2, 4}) {
                if (roundTo(x, decimals) != nativeRoundTo(x, decimals))
                    QFAIL(qPrintable(
                        QStringLiteral("%1 to %2 decimals").arg(x, 0, 'g', 17).arg(decimals)));
            }
        }
    }

    void sumsMatchExtendedHardware() {
        if (LDBL_MANT_DIG != 64)
            QSKIP("this compiler's long double is not the 80-bit format");
        QRandomGenerator random(77);
        for (int i = 0; i < 20000; ++i) {
            QList<double> values;
            long double native = 0;
            for (int row = 0; row < 14; ++row) {
                const double value = random.generateDouble() * std::pow(10.0, random.bounded(8));
                values.append(value);
                native += value;
            }
            QCOMPARE(extendedSum(values), double(native));
        }
        QCOMPARE(extendedSum({0.1, 0.2}), double(0.1L + 0.2L));
    }

    void readingNumbers_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<double>("value");
        QTest::newRow("whole") << QStringLiteral("7") << true << 7.0;
        QTest::newRow("comma alone") << QStringLiteral(",") << true << 0.0;
        QTest::newRow("ends in comma") << QStringLiteral("5,") << true << 5.0;
        QTest::newRow("starts with comma") << QStringLiteral(",5") << true << 0.5;
        QTest::newRow("sign and blanks") << QStringLiteral(" -1,5 ") << true << -1.5;
        QTest::newRow("exponent") << QStringLiteral("1,5E3") << true << 1500.0;
        QTest::newRow("two commas") << QStringLiteral("1,2,3") << false << 0.0;
        QTest::newRow("full stop") << QStringLiteral("1.5") << false << 0.0;
        QTest::newRow("letter") << QStringLiteral("12a") << false << 0.0;
        QTest::newRow("sign alone") << QStringLiteral("+") << false << 0.0;
        QTest::newRow("empty") << QStringLiteral("") << false << 0.0;
        QTest::newRow("blank inside") << QStringLiteral("1 000") << false << 0.0;
    }
    void readingNumbers() {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(double, value);
        const auto read = readNumber(text);
        QCOMPARE(read.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*read, value);
    }

    void writingNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1200.0 << QStringLiteral("1200");
        QTest::newRow("no trailing zeros") << 12.5 << QStringLiteral("12,5");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
        QTest::newRow("fifteen digits") << 0.1 + 0.2 << QStringLiteral("0,3");
        QTest::newRow("large") << 123456789012.34 << QStringLiteral("123456789012,34");
    }
    void writingNumbers() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(writeNumber(value), text);
    }

    void amountNormalisation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("whole") << QStringLiteral("7") << QStringLiteral("7,00");
        QTest::newRow("one decimal") << QStringLiteral("12,5") << QStringLiteral("12,50");
        QTest::newRow("ends in comma") << QStringLiteral("5,") << QStringLiteral("5,00");
        QTest::newRow("starts with comma") << QStringLiteral(",5") << QStringLiteral("0,50");
        QTest::newRow("comma alone") << QStringLiteral(",") << QStringLiteral("0,00");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7,00");
        QTest::newRow("a million") << QStringLiteral("1000000") << QStringLiteral("1000000,00");
        QTest::newRow("half a cent") << QStringLiteral("0,005") << QStringLiteral("0,01");
        QTest::newRow("not a number") << QStringLiteral("1,2,3") << QStringLiteral("0,00");
        QTest::newRow("blanks only") << QStringLiteral("   ") << QStringLiteral("");
        QTest::newRow("price list value") << QStringLiteral("0,999") << QStringLiteral("1,00");
    }
    void amountNormalisation() {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QCOMPARE(normalizedAmount(typed), normalised);
    }

    void receiptTotals_data() {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::newRow("all empty") << QStringList(14) << QStringLiteral("0,00");
        QTest::newRow("tenths that do not add up in binary")
            << QStringList{QStringLiteral("0,10"), QStringLiteral("0,20")}
            << QStringLiteral("0,30");
        QTest::newRow("blanks count zero")
            << QStringList{QStringLiteral("  "), QStringLiteral("7,50")} << QStringLiteral("7,50");
        QTest::newRow("price list value")
            << QStringList{QStringLiteral("0,999")} << QStringLiteral("1,00");
        QTest::newRow("whole sum") << QStringList{QStringLiteral("12,50"), QStringLiteral("2,50")}
                                   << QStringLiteral("15,00");
        QTest::newRow("an amount that is not a number")
            << QStringList{QStringLiteral("5,00"), QStringLiteral("1,2,3")}
            << QStringLiteral("0,00");
        QTest::newRow("fourteen of the largest amounts")
            << QStringList(14, QStringLiteral("999999999,99")) << QStringLiteral("13999999999,86");
    }
    void receiptTotals() {
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QCOMPARE(receiptTotal(amounts), total);
        QVERIFY(total.size() <= 15);
    }

    void revenueStampThreshold_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<bool>("stamp");
        QTest::newRow("at the threshold") << QStringLiteral("77,47") << false;
        QTest::newRow("one cent above") << QStringLiteral("77,48") << true;
        QTest::newRow("written without decimals") << QStringLiteral("78") << true;
        QTest::newRow("not computed") << QStringLiteral("---") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void revenueStampThreshold() {
        QFETCH(QString, total);
        QFETCH(bool, stamp);
        QCOMPARE(needsRevenueStamp(total), stamp);
    }

    void priceNormalisation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("whole") << QStringLiteral("5") << QStringLiteral("5,00");
        QTest::newRow("one decimal") << QStringLiteral("12,5") << QStringLiteral("12,50");
        QTest::newRow("starts with comma") << QStringLiteral(",5") << QStringLiteral("0,50");
        QTest::newRow("three decimals stay") << QStringLiteral("0,999") << QStringLiteral("0,999");
        QTest::newRow("rounded to four decimals")
            << QStringLiteral("1,23456") << QStringLiteral("1,2346");
        QTest::newRow("leading zeros") << QStringLiteral("007") << QStringLiteral("7,00");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("0,00");
        QTest::newRow("comma alone") << QStringLiteral(",") << QStringLiteral("0,00");
        QTest::newRow("not a number") << QStringLiteral("1,2,3") << QStringLiteral("0,00");
        QTest::newRow("twelve") << QStringLiteral("12") << QStringLiteral("12,00");
        QTest::newRow("below the fourth decimal")
            << QStringLiteral("0,00001") << QStringLiteral("0,00");
    }
    void priceNormalisation() {
        QFETCH(QString, typed);
        QFETCH(QString, normalised);
        QCOMPARE(normalizedPrice(typed), normalised);
    }
};

QTEST_GUILESS_MAIN(TestAmounts)

#include "tst_amounts.moc"
