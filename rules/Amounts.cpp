#include "rules/Amounts.h"

#include "rules/ExtendedReal.h"
#include "storage/TextCodec.h"

#include <QRegularExpression>
#include <cmath>

namespace {

quint32 powerOfTen(int exponent) {
    quint32 factor = 1;
    for (int i = 0; i < exponent; ++i)
        factor *= 10;
    return factor;
}

// At least two decimals: ",00" for a whole number, "0" after a single decimal.
QString withTwoDecimals(QString text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 0)
        return text + QStringLiteral(",00");
    if (text.size() - comma - 1 == 1)
        text += QLatin1Char('0');
    return text;
}

} // namespace

std::optional<double> readNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^ *([+-]?)([0-9]*)(?:,([0-9]*))?(?:[eE]([+-]?[0-9]+))? *$"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString whole = match.captured(2);
    const bool hasComma = match.capturedStart(3) >= 0;
    if (whole.isEmpty() && !hasComma)
        return std::nullopt; // nothing after the sign
    QString plain = match.captured(1) + (whole.isEmpty() ? QStringLiteral("0") : whole) +
                    QLatin1Char('.') + match.captured(3) + QLatin1Char('0');
    if (match.capturedStart(4) >= 0)
        plain += QLatin1Char('e') + match.captured(4);
    bool ok = false;
    const double value = plain.toDouble(&ok); // the C locale: correctly rounded
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString writeNumber(double value) {
    QString text = QString::number(value, 'g', 15);
    if (text.contains(QLatin1Char('e'))) {
        // Far below one cent; written out in full, without trailing zeros.
        text = QString::number(value, 'f', 20);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QStringLiteral("-0"))
        text = QStringLiteral("0");
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

double roundTo(double x, int decimals) {
    const quint32 factor = powerOfTen(decimals);
    const ExtendedReal shifted =
        ExtendedReal::fromDouble(x) * factor + ExtendedReal::fromDouble(0.5);
    return (shifted.truncated() / factor).toDouble();
}

double extendedSum(const QList<double>& values) {
    ExtendedReal sum;
    for (double value : values)
        sum = sum + ExtendedReal::fromDouble(value);
    return sum.toDouble();
}

QString normalizedAmount(const QString& typed) {
    if (trimBlanks(typed).isEmpty())
        return QString();
    const std::optional<double> value = readNumber(typed);
    if (!value)
        return QStringLiteral("0,00");
    return withTwoDecimals(writeNumber(roundTo(*value, 2)));
}

QString receiptTotal(const QStringList& amounts) {
    QList<double> values;
    for (const QString& amount : amounts) {
        if (trimBlanks(amount).isEmpty()) {
            values.append(0.0);
            continue;
        }
        const std::optional<double> value = readNumber(amount);
        if (!value)
            return QStringLiteral("0,00");
        values.append(*value);
    }
    // Written and read back first: the sum is rounded as the text shows it.
    const double shown = *readNumber(writeNumber(extendedSum(values)));
    return withTwoDecimals(writeNumber(roundTo(shown, 2)));
}

QString normalizedPrice(const QString& typed) {
    const QString text = trimBlanks(typed);
    const std::optional<double> value = text.isEmpty() ? std::nullopt : readNumber(text);
    if (!value)
        return QStringLiteral("0,00");
    return withTwoDecimals(writeNumber(roundTo(*value, 4)));
}

bool needsRevenueStamp(const QString& total) {
    constexpr qint64 stampThresholdCents = 7747;
    const std::optional<double> value = readNumber(total);
    return value && qRound64(roundTo(*value, 2) * 100) > stampThresholdCents;
}
