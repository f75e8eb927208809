#include "rules/TextRules.h"

#include "rules/DatesAndTotals.h"
#include "storage/TextCodec.h"

#include <QLocale>

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
    const std::optional<CalendarDate> date = calendarDate(text);
    return date ? QDate(date->year, date->month, date->day) : QDate();
}

void applyTextConventions() {
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}
