#include "rules/TextRules.h"

#include "storage/TextCodec.h"

#include <QLocale>
#include <QRegularExpression>

QString upperTrimmed(const QString& text) {
    QString result = trimBlanks(text);
    for (QChar& c : result) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return result;
}

QString twoDigits(int number) {
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

bool keyPassesFilter(KeyFilter filter, int key, const QString& keyText) {
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        break;
    }
    if (keyText.size() != 1)
        return false;
    const QChar c = keyText.front();
    return (c >= u'0' && c <= u'9') || (filter == KeyFilter::Amount && c == u',');
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate dateFromText(const QString& text) {
    // The pattern alone would also take one-digit days and months.
    static const QRegularExpression twoTwoFour(QStringLiteral("^[0-9]{2}/[0-9]{2}/[0-9]{4}$"));
    const QString trimmed = trimBlanks(text);
    if (!twoTwoFour.match(trimmed).hasMatch())
        return {};
    return QDate::fromString(trimmed, QStringLiteral("dd/MM/yyyy"));
}

void applyTextConventions() {
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}
