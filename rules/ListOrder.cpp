#include "rules/ListOrder.h"

#include "rules/RecordBytes.h"

#include <algorithm>
#include <array>

namespace {
char16_t foldedAsciiLetter(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'A' && code <= u'Z') ? char16_t(code + (u'a' - u'A')) : code;
}

// Twelve folded characters of a text from an offset, packed so that keys compare as the texts
// do, then how many characters are left from the offset (at most one more than the key holds):
// with equal characters, the text that ends first comes first.
struct SortKey {
    static constexpr int Words = 3;
    static constexpr int CharactersPerWord = 4;
    static constexpr qsizetype Characters = Words * CharactersPerWord;
    std::array<quint64, Words> words{};
    qsizetype left = 0;
    qsizetype index = 0;

    void read(QByteArrayView encoded, qsizetype offset) {
        const std::array<char16_t, 256>& characters = windows1252Characters();
        words.fill(0);
        left = std::min(encoded.size() - offset, Characters + 1);
        for (qsizetype i = 0; i < std::min(left, Characters); ++i) {
            const int shift = 16 * (CharactersPerWord - 1 - int(i % CharactersPerWord));
            const QChar character(characters[static_cast<unsigned char>(encoded[offset + i])]);
            words[std::size_t(i / CharactersPerWord)] |= quint64(foldedAsciiLetter(character))
                                                         << shift;
        }
    }
    bool continuesAfterKey() const { return left > Characters; }
    bool sameText(const SortKey& other) const {
        for (std::size_t i = 0; i < Words; ++i) {
            if (words[i] != other.words[i])
                return false;
        }
        return left == other.left;
    }
    bool operator<(const SortKey& other) const {
        for (std::size_t i = 0; i < Words; ++i) {
            if (words[i] != other.words[i])
                return words[i] < other.words[i];
        }
        if (left != other.left)
            return left < other.left;
        return index < other.index;
    }
};

using KeyIterator = std::vector<SortKey>::iterator;

// Sorts keys whose texts are equal up to the offset by the next twelve characters, then each
// run that is still equal by the twelve after them: every text is read a piece at a time,
// once per piece, instead of again at each comparison.
void sortFromOffset(KeyIterator first, KeyIterator last, qsizetype offset, const ListLines& lines) {
    for (KeyIterator key = first; key != last; ++key)
        key->read(lines.bytes(key->index), offset);
    std::sort(first, last);
    for (KeyIterator run = first; run != last;) {
        const KeyIterator runEnd =
            std::find_if(run, last, [&run](const SortKey& key) { return !key.sameText(*run); });
        if (runEnd - run > 1 && run->continuesAfterKey())
            sortFromOffset(run, runEnd, offset + SortKey::Characters, lines);
        run = runEnd;
    }
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

std::vector<qsizetype> listOrder(const ListLines& lines) {
    std::vector<SortKey> keys(static_cast<std::size_t>(lines.size()));
    for (qsizetype index = 0; index < lines.size(); ++index)
        keys[std::size_t(index)].index = index;
    sortFromOffset(keys.begin(), keys.end(), 0, lines);
    std::vector<qsizetype> order;
    order.reserve(keys.size());
    for (const SortKey& key : keys)
        order.push_back(key.index);
    return order;
}
