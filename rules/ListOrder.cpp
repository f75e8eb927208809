#include "rules/ListOrder.h"

#include "storage/TextCodec.h"

#include <algorithm>
#include <array>
#include <numeric>

bool listTextLess(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t left = foldedAsciiLetter(a.at(i).unicode());
        const char16_t right = foldedAsciiLetter(b.at(i).unicode());
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

LineOrder listOrder(const ListLines& lines) {
    std::array<char16_t, 256> folded{}; // each byte's character, A-Z made a-z
    std::transform(windows1252Characters().begin(), windows1252Characters().end(), folded.begin(),
                   foldedAsciiLetter<char16_t>);
    LineOrder order(std::size_t(lines.size()));
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const QByteArrayView left = lines.bytes(a);
        const QByteArrayView right = lines.bytes(b);
        return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                            [&folded](char x, char y) {
                                                return folded[static_cast<unsigned char>(x)] <
                                                       folded[static_cast<unsigned char>(y)];
                                            });
    });
    return order;
}
