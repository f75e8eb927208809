#include "rules/ListOrder.h"

#include <algorithm>

namespace {
char16_t foldedAsciiLetter(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'A' && code <= u'Z') ? char16_t(code + (u'a' - u'A')) : code;
}
} // namespace

bool listTextLess(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t left = foldedAsciiLetter(a.at(i));
        const char16_t right = foldedAsciiLetter(b.at(i));
        if (left != right)
            return left < right;
    }
    return a.size() < b.size();
}

void sortListTexts(QStringList& texts) {
    std::stable_sort(texts.begin(), texts.end(), listTextLess);
}

qsizetype listInsertPosition(const QStringList& sorted, const QString& text) {
    return std::upper_bound(sorted.begin(), sorted.end(), text, listTextLess) - sorted.begin();
}
