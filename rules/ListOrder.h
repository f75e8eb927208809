#pragma once

#include "rules/ListLines.h"

#include <QString>
#include <QStringList>
#include <vector>

// The order of the program's sorted lists: whole texts compared character by character by
// character code, with only the letters A-Z taken equal to a-z. So an accented letter comes
// after every ASCII letter, digits and punctuation before letters, and numbers inside a text
// sort as text (10 before 9).
bool listTextLess(const QString& a, const QString& b);

// Sorts the texts in that order; texts that compare equal keep their order.
void sortListTexts(QStringList& texts);

// The indexes of the lines in list order, equal lines in the order of their indexes.
LineOrder listOrder(const ListLines& lines);

// Where a new text goes in a list sorted in that order: after every text equal to it.
qsizetype listInsertPosition(const QStringList& sorted, const QString& text);
