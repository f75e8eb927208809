#pragma once

#include <QDate>
#include <QString>

// Rules for typed text shared by every screen.

// Characters with codes 0 to 32 removed at both ends, letters a-z turned into A-Z
// (accented letters stay as typed): the form of codes, and of passwords when compared.
QString upperTrimmed(const QString& text);

enum class KeyFilter { DigitsOnly, Amount };
// Whether a key may reach a filtered box: editing and arrow keys, digits, and for amounts
// the comma.
bool keyPassesFilter(KeyFilter filter, int key, const QString& keyText);

// A number of one or two digits with a leading zero: row and field numbers ("txtImporto07"),
// days and months.
QString twoDigits(int number);

// Dates are text "dd/mm/yyyy"; the empty text means no date.
QString dateText(const QDate& date);
// An invalid date when the text, blanks around it ignored, is not such a date of the calendar.
QDate dateFromText(const QString& text);

// Dates with a four-digit year and a comma before the decimals, no thousands separator, for
// the whole program.
void applyTextConventions();
