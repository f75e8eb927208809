#pragma once

#include "rules/ListLines.h"

#include <QString>
#include <QStringList>
#include <optional>

// Find in a summary list. The key is what was typed with only A-Z made a-z, blanks kept.
QString findKey(const QString& typed);

// The index of the line a find selects, or nothing when no line contains the key (an empty key
// is in no line). A new key searches from the first line; the same key as the last find goes
// on after the selected line, wrapping, the selected line tested last.
std::optional<int> findInList(const ListLines& lines, int selected, const QString& key,
                              bool sameKeyAsLastFind);
