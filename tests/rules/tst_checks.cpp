#include "rules/IbanCheck.h"
#include "rules/TaxCodeCheck.h"
#include "rules/VatNumberCheck.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(TaxCodeVerdict)
Q_DECLARE_METATYPE(VatVerdict)
Q_DECLARE_METATYPE(IbanVerdict)
Q_DECLARE_METATYPE(TaxCodeWindow)

namespace {

const QString digits = QStringLiteral("0123456789");
const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QString alphanumerics = digits + letters;

QChar pick(QRandomGenerator& random, const QString& from) {
    return from[random.bounded(int(from.size()))];
}

QString randomText(QRandomGenerator& random, const QString& from, int length) {
    QString text;
    for (int i = 0; i < length; ++i)
        text += pick(random, from);
    return text;
}

// --- Reference computations, written apart from the program's own -------------------------

// Tax code: a digit weighs as the letter of the same rank (0 as A, 9 as J). In the odd
// positions the letters weigh their rank in this string, in the even positions their rank in
// the alphabet.
const QString oddWeightOrder = QStringLiteral("BAKPLCQDREVOSFTGUHMINJWZYX");

QChar asLetter(QChar c) {
    return c.isDigit() ? QChar(u'A' + c.digitValue()) : c;
}

QChar referenceTaxCodeCheck(const QString& first15) {
    int sum = 0;
    for (int i = 0; i < first15.size(); ++i) {
        const QChar letter = asLetter(first15[i]);
        sum += i % 2 == 0 ? oddWeightOrder.indexOf(letter) : letter.unicode() - u'A';
    }
    return QChar(u'A' + sum % 26);
}

// A realistic code: surname, name, year, month letter, day (plus 40 for women), place, and at
// times the digits replaced by letters as done for codes that would otherwise coincide.
QString generatedTaxCode(QRandomGenerator& random) {
    const QString consonants = QStringLiteral("BCDFGHJKLMNPQRSTVWXYZ");
    QString code = randomText(random, consonants, 3) + randomText(random, letters, 3);
    code += QStringLiteral("%1").arg(random.bounded(100), 2, 10, QLatin1Char('0'));
    code += pick(random, QStringLiteral("ABCDEHLMPRST"));
    code += QStringLiteral("%1").arg(1 + random.bounded(31) + 40 * random.bounded(2), 2, 10,
                                     QLatin1Char('0'));
    code += pick(random, letters) + randomText(random, digits, 3);
    if (random.bounded(3) == 0) {
        const QString substitutes = QStringLiteral("LMNPQRSTUV");
        for (int position : {14, 13, 12}) // 0-based, the last digits are replaced first
            if (random.bounded(2) == 0)
                code[position] = substitutes[code[position].digitValue()];
    }
    return code + referenceTaxCodeCheck(code);
}

// VAT number: Luhn's rule over all eleven digits.
bool luhnValid(const QString& number) {
    int sum = 0;
    for (int fromRight = 0; fromRight < number.size(); ++fromRight) {
        int digit = number[number.size() - 1 - fromRight].digitValue();
        if (fromRight % 2 == 1)
            digit = digit * 2 % 10 + digit * 2 / 10;
        sum += digit;
    }
    return sum % 10 == 0;
}

QString withLuhnDigit(const QString& tenDigits) {
    for (QChar last : digits)
        if (luhnValid(tenDigits + last))
            return tenDigits + last;
    return {};
}

// IBAN: ISO 7064 MOD 97-10 by Horner's rule over the characters, a letter being the two
// digits of its value 10 to 35.
int referenceMod97(const QString& text) {
    int remainder = 0;
    for (QChar c : text) {
        if (c.isDigit())
            remainder = (remainder * 10 + c.digitValue()) % 97;
        else
            remainder = (remainder * 100 + c.unicode() - u'A' + 10) % 97;
    }
    return remainder;
}

int referenceIbanRemainder(const QString& iban) {
    return referenceMod97(iban.mid(4) + iban.left(4));
}

// a: a letter, n: a digit, c: either.
QString fromPattern(QRandomGenerator& random, const QString& pattern) {
    QString text;
    for (QChar kind : pattern)
        text += pick(random, kind == u'a' ? letters : kind == u'n' ? digits : alphanumerics);
    return text;
}

QString withIbanCheckDigits(const QString& country, const QString& bban) {
    const int check = 98 - referenceMod97(bban + country + QStringLiteral("00"));
    return country + QStringLiteral("%1").arg(check, 2, 10, QLatin1Char('0')) + bban;
}

struct IbanFormat {
    QString country;
    QString bbanPattern;
};

// Countries of several lengths; only the 27-character ones (IT, SM, FR, MC, GR) pass the
// length test of the check.
QList<IbanFormat> ibanFormats() {
    const auto repeat = [](QChar kind, int count) { return QString(count, kind); };
    const QString italian = QStringLiteral("a") + repeat(u'n', 10) + repeat(u'c', 12);
    const QString french = repeat(u'n', 10) + repeat(u'c', 11) + repeat(u'n', 2);
    return {
        {QStringLiteral("IT"), italian},
        {QStringLiteral("SM"), italian},
        {QStringLiteral("FR"), french},
        {QStringLiteral("MC"), french},
        {QStringLiteral("GR"), repeat(u'n', 7) + repeat(u'c', 16)},
        {QStringLiteral("NO"), repeat(u'n', 11)},
        {QStringLiteral("DE"), repeat(u'n', 18)},
        {QStringLiteral("GB"), repeat(u'a', 4) + repeat(u'n', 14)},
        {QStringLiteral("MT"), repeat(u'a', 4) + repeat(u'n', 5) + repeat(u'c', 18)},
        {QStringLiteral("LC"), repeat(u'a', 4) + repeat(u'c', 24)},
    };
}

bool sameKind(QChar a, QChar b) {
    return a.isDigit() == b.isDigit();
}

} // namespace

class TestChecks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    // --- Tax code ---------------------------------------------------------------------------

    void taxCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<TaxCodeVerdict>("verdict");
        const auto valid = TaxCodeVerdict::Valid;
        const auto wrong = TaxCodeVerdict::Wrong;
        const auto length = TaxCodeVerdict::WrongLength;
        QTest::newRow("sum 98, check U") << QStringLiteral("RSSMRA80A01H501U") << valid;
        QTest::newRow("another check letter") << QStringLiteral("RSSMRA80A01H501X") << wrong;
        QTest::newRow("lower case counts as capitals")
            << QStringLiteral("rssmra80a01h501u") << valid;
        QTest::newRow("only the check letter is verified")
            << QStringLiteral("000000000000000I") << valid;
        QTest::newRow("fifteen zeros and another letter")
            << QStringLiteral("000000000000000A") << wrong;
        QTest::newRow("8 and I weigh the same") << QStringLiteral("RSSMRAI0A01H501U") << valid;
        QTest::newRow("digits in place of letters") << QStringLiteral("RSSMRA80A01H5010") << wrong;
        QTest::newRow("15 characters") << QStringLiteral("RSSMRA80A01H501") << length;
        QTest::newRow("17 characters") << QStringLiteral("RSSMRA80A01H501UU") << length;
        QTest::newRow("empty") << QString() << length;
        QTest::newRow("blanks at the ends") << QStringLiteral(" RSSMRA80A01H501U\t") << valid;
        // The signs between "9" and "A" weigh 0 in the published tables.
        QTest::newRow("colon weighs 0") << QStringLiteral("0:0000000000000I") << valid;
        QTest::newRow("at sign weighs 0") << QStringLiteral("0@0000000000000I") << valid;
        // Outside "0"-"Z" there is no value: such a code is wrong, whatever its sum would be
        // with the character counted as 0 (each row passes if it were).
        QTest::newRow("hyphen") << QStringLiteral("0-0000000000000I") << wrong;
        QTest::newRow("blank inside") << QStringLiteral("0 0000000000000I") << wrong;
        QTest::newRow("slash, just below 0") << QStringLiteral("0/0000000000000I") << wrong;
        QTest::newRow("bracket, just above Z") << QStringLiteral("0[0000000000000I") << wrong;
        QTest::newRow("accented letter") << QStringLiteral("0à0000000000000I") << wrong;
        QTest::newRow("accented capital") << QStringLiteral("0È0000000000000I") << wrong;
        QTest::newRow("in the 15th position") << QStringLiteral("00000000000000-I") << wrong;
        QTest::newRow("check character not a letter")
            << QStringLiteral("RSSMRA80A01H501-") << wrong;
    }
    void taxCode() {
        QFETCH(QString, code);
        QFETCH(TaxCodeVerdict, verdict);
        QCOMPARE(taxCodeVerdict(code), verdict);
    }

    void taxCodeCheckCharacter_data() {
        QTest::addColumn<QString>("first15");
        QTest::addColumn<QString>("check"); // empty: none
        QTest::newRow("worked example") << QStringLiteral("RSSMRA80A01H501") << QStringLiteral("U");
        QTest::newRow("sum 8") << QStringLiteral("000000000000000") << QStringLiteral("I");
        QTest::newRow("hyphen") << QStringLiteral("RSSMRA80A01H-01") << QString();
        QTest::newRow("lower case is not a capital")
            << QStringLiteral("rssmra80a01h501") << QString();
    }
    void taxCodeCheckCharacter() {
        QFETCH(QString, first15);
        QFETCH(QString, check);
        const std::optional<QChar> expected =
            check.isEmpty() ? std::nullopt : std::optional<QChar>(check[0]);
        QCOMPARE(::taxCodeCheckCharacter(first15), expected);
    }

    // Changing one character changes the sum by the difference of the two values, unless the
    // two have the same value there: the digit d and the letter of the same rank (0 and A,
    // 1 and B, ... 9 and J) weigh the same in every position, so among digits and capitals
    // exactly those swaps, in the first 15 positions, go unnoticed. Any other change of the
    // first 15, and any change of the check letter itself, is caught.
    void taxCodeSingleChangesAreCaughtExceptSameValueTwins() {
        QRandomGenerator random(1604);
        for (int n = 0; n < 40; ++n) {
            const QString code = generatedTaxCode(random);
            QVERIFY2(taxCodeVerdict(code) == TaxCodeVerdict::Valid, qPrintable(code));
            for (int position = 0; position < TaxCodeLength; ++position) {
                for (QChar other : alphanumerics) {
                    if (other == code[position])
                        continue;
                    QString changed = code;
                    changed[position] = other;
                    const bool twin = position < 15 && asLetter(other) == asLetter(code[position]);
                    const auto expected = twin ? TaxCodeVerdict::Valid : TaxCodeVerdict::Wrong;
                    QVERIFY2(taxCodeVerdict(changed) == expected,
                             qPrintable(code + QStringLiteral(" -> ") + changed));
                }
            }
        }
    }

    void windowForTaxCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<TaxCodeWindow>("window");
        QTest::newRow("empty") << QString() << TaxCodeWindow::TaxCode;
        QTest::newRow("tax code") << QStringLiteral("RSSMRA80A01H501U") << TaxCodeWindow::TaxCode;
        QTest::newRow("11 digits") << QStringLiteral("00000000588") << TaxCodeWindow::VatNumber;
        QTest::newRow("16 digits")
            << QStringLiteral("0123456789012345") << TaxCodeWindow::VatNumber;
        QTest::newRow("one digit") << QStringLiteral("7") << TaxCodeWindow::VatNumber;
        QTest::newRow("digits and a letter")
            << QStringLiteral("0000000058A") << TaxCodeWindow::TaxCode;
        QTest::newRow("digits and a blank")
            << QStringLiteral("00000 00588") << TaxCodeWindow::TaxCode;
        QTest::newRow("other script's digits")
            << QStringLiteral("٠١٢٣٤٥٦٧٨٩٠") << TaxCodeWindow::TaxCode;
    }
    void windowForTaxCode() {
        QFETCH(QString, code);
        QFETCH(TaxCodeWindow, window);
        QCOMPARE(::windowForTaxCode(code), window);
    }

    // --- VAT number -------------------------------------------------------------------------

    void vatNumber_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<VatVerdict>("verdict");
        QTest::addColumn<QString>("officeName");
        const auto valid = VatVerdict::Valid;
        const auto wrong = VatVerdict::Wrong;
        const auto length = VatVerdict::WrongLength;
        QTest::newRow("sum 12, check 8")
            << QStringLiteral("00000000588") << valid << QStringLiteral("Roma 1");
        QTest::newRow("check 9") << QStringLiteral("00000000589") << wrong << QString();
        QTest::newRow("all zeros, office 000")
            << QStringLiteral("00000000000") << valid << QString();
        QTest::newRow("issued in Roma 2")
            << QStringLiteral("06363391001") << valid << QStringLiteral("Roma 2");
        QTest::newRow("office 101")
            << QStringLiteral("00000001016") << valid << QStringLiteral("Bologna 2");
        QTest::newRow("office 120 as 101")
            << QStringLiteral("00000001206") << valid << QStringLiteral("Bologna 2");
        QTest::newRow("office 121 as 102")
            << QStringLiteral("00000001214") << valid << QStringLiteral("Napoli 2");
        QTest::newRow("office 103, none") << QStringLiteral("00000001032") << valid << QString();
        QTest::newRow("office 999, none") << QStringLiteral("00000009993") << valid << QString();
        QTest::newRow("10 digits") << QStringLiteral("0000000058") << length << QString();
        QTest::newRow("12 digits") << QStringLiteral("000000005880") << length << QString();
        QTest::newRow("empty") << QString() << length << QString();
        QTest::newRow("a letter, 11 characters")
            << QStringLiteral("0000000058A") << wrong << QString();
        QTest::newRow("a blank, 11 characters")
            << QStringLiteral("0000 000588") << wrong << QString();
        QTest::newRow("a sign, 11 characters")
            << QStringLiteral("-0000000588") << wrong << QString();
        QTest::newRow("not trimmed here") << QStringLiteral(" 00000000588") << length << QString();
        QTest::newRow("other script's digits")
            << QStringLiteral("٠٠٠٠٠٠٠٠٥٨٨") << wrong << QString();
    }
    void vatNumber() {
        QFETCH(QString, number);
        QFETCH(VatVerdict, verdict);
        QFETCH(QString, officeName);
        const VatNumberResult result = vatNumberVerdict(number);
        QCOMPARE(result.verdict, verdict);
        QCOMPARE(result.officeName, officeName);
        if (verdict == VatVerdict::Valid)
            QCOMPARE(result.officeCode, number.mid(7, 3));
    }

    void vatOffice_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        // The ends of each column of the published table, and the names with signs in them.
        QTest::newRow("001") << QStringLiteral("001") << QStringLiteral("Torino");
        QTest::newRow("026") << QStringLiteral("026") << QStringLiteral("Treviso");
        QTest::newRow("027") << QStringLiteral("027") << QStringLiteral("Venezia");
        QTest::newRow("040") << QStringLiteral("040") << QStringLiteral("Forlì");
        QTest::newRow("052") << QStringLiteral("052") << QStringLiteral("Siena");
        QTest::newRow("053") << QStringLiteral("053") << QStringLiteral("Grosseto");
        QTest::newRow("078") << QStringLiteral("078") << QStringLiteral("Cosenza");
        QTest::newRow("079") << QStringLiteral("079") << QStringLiteral("Catanzaro");
        QTest::newRow("096") << QStringLiteral("096") << QStringLiteral("Monza (Milano 2)");
        QTest::newRow("099") << QStringLiteral("099") << QStringLiteral("Chiavari (Genova 2)");
        QTest::newRow("102") << QStringLiteral("102") << QStringLiteral("Napoli 2");
        QTest::newRow("two characters") << QStringLiteral("58") << QString();
        QTest::newRow("four characters") << QStringLiteral("0058") << QString();
        QTest::newRow("blank for zero") << QStringLiteral(" 58") << QString();
    }
    void vatOffice() {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(vatOfficeName(code), name);
    }

    // 104 offices: 001 to 102, 120 and 121; no other three-digit code names one.
    void vatOfficesAreExactlyTheKnownCodes() {
        int named = 0;
        for (int code = 0; code < 1000; ++code) {
            const QString text = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
            const bool known = (code >= 1 && code <= 102) || code == 120 || code == 121;
            QVERIFY2(vatOfficeName(text).isEmpty() != known, qPrintable(text));
            named += known;
        }
        QCOMPARE(named, 104);
    }

    void vatCheckDigitNeedsTenDigits() {
        QCOMPARE(vatCheckDigit(QStringLiteral("0000000058")), std::optional<int>(8));
        QCOMPARE(vatCheckDigit(QStringLiteral("000000005")), std::nullopt);
        QCOMPARE(vatCheckDigit(QStringLiteral("00000000588")), std::nullopt);
        QCOMPARE(vatCheckDigit(QStringLiteral("000000005A")), std::nullopt);
    }

    // The check digit is Luhn's: a change of any one digit changes the sum modulo 10 (the
    // doubled digits' values 0, 2, 4, 6, 8, 1, 3, 5, 7, 9 are all different), and a character
    // other than a digit is wrong, so every single-character change is caught.
    void vatSingleChangesAreAllCaught() {
        QRandomGenerator random(1605);
        for (int n = 0; n < 60; ++n) {
            const QString office =
                QStringLiteral("%1").arg(random.bounded(1000), 3, 10, QLatin1Char('0'));
            const QString number = withLuhnDigit(randomText(random, digits, 7) + office);
            const VatNumberResult result = vatNumberVerdict(number);
            QVERIFY2(result.verdict == VatVerdict::Valid, qPrintable(number));
            QCOMPARE(result.officeName, vatOfficeName(office));
            for (int position = 0; position < VatNumberLength; ++position) {
                for (QChar other : digits + QStringLiteral("A -")) {
                    if (other == number[position])
                        continue;
                    QString changed = number;
                    changed[position] = other;
                    QVERIFY2(vatNumberVerdict(changed).verdict == VatVerdict::Wrong,
                             qPrintable(changed));
                }
            }
        }
    }

    // --- IBAN -------------------------------------------------------------------------------

    void iban_data() {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<IbanVerdict>("verdict");
        const auto valid = IbanVerdict::Valid;
        const auto wrong = IbanVerdict::Wrong;
        const auto length = IbanVerdict::WrongLength;
        QTest::newRow("remainder 1") << QStringLiteral("IT60X0542811101000000123456") << valid;
        QTest::newRow("remainder 2") << QStringLiteral("IT61X0542811101000000123456") << wrong;
        QTest::newRow("lower case") << QStringLiteral("it60x0542811101000000123456") << valid;
        QTest::newRow("blanks at the ends")
            << QStringLiteral("  IT60X0542811101000000123456\t") << valid;
        QTest::newRow("hyphen after the length test")
            << QStringLiteral("IT60-0542811101000000123456") << wrong;
        QTest::newRow("accented letter") << QStringLiteral("IT60È0542811101000000123456") << wrong;
        QTest::newRow("four-character groups")
            << QStringLiteral("IT60 X054 2811 1010 0000 0123 456") << length;
        QTest::newRow("26 characters") << QStringLiteral("IT60X054281110100000012345") << length;
        QTest::newRow("empty") << QString() << length;
        QTest::newRow("right German IBAN, 22 characters")
            << QStringLiteral("DE89370400440532013000") << length;
        // 27 with its blanks: measured with them, verified without them.
        QTest::newRow("21-character IBAN with six blanks")
            << QStringLiteral("CH93  0076 2011 6238 5295 7") << valid;
        QTest::newRow("leading label dropped")
            << QStringLiteral("IBANGI75NWBK000000007099453") << valid;
        QTest::newRow("blanks only inside, 27 in all")
            << QStringLiteral("I                         T") << wrong;
    }
    void iban() {
        QFETCH(QString, iban);
        QFETCH(IbanVerdict, verdict);
        QCOMPARE(ibanVerdict(iban), verdict);
    }

    void ibanRemainder_data() {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<int>("remainder");
        QTest::newRow("valid") << QStringLiteral("IT60X0542811101000000123456") << 1;
        QTest::newRow("check digits one up") << QStringLiteral("IT61X0542811101000000123456") << 2;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("label alone") << QStringLiteral("IBAN") << 0;
        QTest::newRow("label in lower case") << QStringLiteral("ibanGI75NWBK000000007099453") << 1;
        QTest::newRow("hyphen") << QStringLiteral("IT60X0542811101000000-123456") << 0;
        QTest::newRow("blank") << QStringLiteral("IT60X0542811101000000 123456") << 0;
        QTest::newRow("sign") << QStringLiteral("+T60X0542811101000000123456") << 0;
    }
    void ibanRemainder() {
        QFETCH(QString, iban);
        QFETCH(int, remainder);
        QCOMPARE(::ibanRemainder(iban), remainder);
    }

    // The piece-by-piece reduction gives the remainder of the whole number, whatever the
    // length and wherever the letters fall across the nine-digit pieces.
    void ibanRemainderMatchesWholeNumberRemainder() {
        QRandomGenerator random(1606);
        for (int n = 0; n < 2000; ++n) {
            const QString text = randomText(random, alphanumerics, 1 + random.bounded(60));
            if (text.startsWith(QStringLiteral("IBAN")))
                continue;
            QCOMPARE(::ibanRemainder(text), referenceIbanRemainder(text));
        }
    }

    // MOD 97 catches every change of a digit into another digit or of a letter into another
    // letter: the number changes by at most 25 times a power of ten, never a multiple of 97.
    // A digit changed into a letter, or a letter into a digit, shifts the digits after it, and
    // about one such change in 97 keeps the remainder at 1: those alone go unnoticed. A sign is
    // always wrong.
    void ibanSingleChangesAreCaughtExceptRareShifts() {
        QRandomGenerator random(1607);
        for (const IbanFormat& format : ibanFormats()) {
            for (int n = 0; n < 8; ++n) {
                const QString iban =
                    withIbanCheckDigits(format.country, fromPattern(random, format.bbanPattern));
                QCOMPARE(::ibanRemainder(iban), 1);
                QCOMPARE(ibanVerdict(iban),
                         iban.size() == IbanLength ? IbanVerdict::Valid : IbanVerdict::WrongLength);
                for (int position = 0; position < iban.size(); ++position) {
                    for (QChar other : alphanumerics + QLatin1Char('-')) {
                        if (other == iban[position])
                            continue;
                        QString changed = iban;
                        changed[position] = other;
                        const bool unnoticed = other != u'-' && !sameKind(other, iban[position]) &&
                                               referenceIbanRemainder(changed) == 1;
                        QVERIFY2((::ibanRemainder(changed) == 1) == unnoticed,
                                 qPrintable(iban + QStringLiteral(" -> ") + changed));
                        if (changed.size() == IbanLength)
                            QCOMPARE(ibanVerdict(changed) == IbanVerdict::Valid, unnoticed);
                    }
                }
            }
        }
    }

    // The letters "IBAN" may stand inside a real account number; only a label before the code
    // is dropped.
    void ibanWithTheWordInsideItsAccountIsValid() {
        const QString iban =
            withIbanCheckDigits(QStringLiteral("FR"), QStringLiteral("3000600001IBAN123456789"));
        QCOMPARE(iban.size(), IbanLength);
        QCOMPARE(ibanVerdict(iban), IbanVerdict::Valid);
    }
};

QTEST_GUILESS_MAIN(TestChecks)

#include "tst_checks.moc"
