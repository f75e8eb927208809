#include "rules/ListOrder.h"

#include "rules/RecordBytes.h"

#include <QtAlgorithms>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

namespace {
char16_t foldedAsciiLetter(QChar c) {
    const char16_t code = c.unicode();
    return (code >= u'A' && code <= u'Z') ? char16_t(code + (u'a' - u'A')) : code;
}

// For each Windows-1252 byte, its place among the characters in list order, from 1: bytes
// compare as their characters do. 0 stands for the end of a text, which comes first.
const std::array<quint8, 256>& characterRanks() {
    static const std::array<quint8, 256> ranks = [] {
        const std::array<char16_t, 256>& characters = windows1252Characters();
        std::array<char16_t, 256> folded{};
        for (std::size_t byte = 0; byte < 256; ++byte)
            folded[byte] = foldedAsciiLetter(QChar(characters[byte]));
        std::array<char16_t, 256> distinct = folded;
        std::sort(distinct.begin(), distinct.end());
        const auto distinctEnd = std::unique(distinct.begin(), distinct.end());
        std::array<quint8, 256> result{};
        for (std::size_t byte = 0; byte < 256; ++byte)
            result[byte] =
                quint8(1 + (std::lower_bound(distinct.begin(), distinctEnd, folded[byte]) -
                            distinct.begin()));
        return result;
    }();
    return ranks;
}

// Sixteen characters of a text from an offset, as ranks packed so that pieces compare as the
// texts do; past the end of the text the ranks are 0.
struct Piece {
    static constexpr qsizetype Characters = 16;
    quint64 first = 0;
    quint64 second = 0;

    static Piece of(QByteArrayView encoded, qsizetype offset) {
        const std::array<quint8, 256>& ranks = characterRanks();
        const qsizetype count = std::clamp<qsizetype>(encoded.size() - offset, 0, Characters);
        const char* characters = encoded.data() + offset;
        return {packed(characters, count, ranks), packed(characters + 8, count - 8, ranks)};
    }
    // Eight ranks, the first in the highest byte; 0 for the characters past count.
    static quint64 packed(const char* characters, qsizetype count,
                          const std::array<quint8, 256>& ranks) {
        if (count >= 8) {
            quint64 bytes;
            std::memcpy(&bytes, characters, sizeof bytes);
            if ((bytes & highBits) == 0)
                return qFromBigEndian(asciiRanks(bytes));
        }
        quint64 word = 0;
        for (qsizetype i = 0; i < 8; ++i)
            word = (word << 8) |
                   (i < count ? ranks[static_cast<unsigned char>(characters[i])] : quint8(0));
        return word;
    }
    // The ranks of eight ASCII bytes at once, as characterRanks() gives them: the 65 codes below
    // "A" come first, then A-Z take the places of a-z, and the codes from "[" close up the 26
    // places left free.
    static quint64 asciiRanks(quint64 bytes) {
        constexpr quint64 ones = 0x0101010101010101;
        const quint64 fromA = ((bytes + 0x3f * ones) & highBits) >> 7;       // 0x41 and above
        const quint64 fromBracket = ((bytes + 0x25 * ones) & highBits) >> 7; // 0x5b and above
        return bytes + ones + 6 * fromA - 32 * fromBracket;
    }
    static constexpr quint64 highBits = 0x8080808080808080;

    // Whether the text goes on after this piece, or ends inside it.
    bool textGoesOn() const { return (second & 0xff) != 0; }
    bool operator==(const Piece& other) const {
        return first == other.first && second == other.second;
    }
    bool operator<(const Piece& other) const {
        return first != other.first ? first < other.first : second < other.second;
    }
};

// Lines whose texts are equal so far: a stretch of the order being built.
struct Stretch {
    qsizetype begin;
    qsizetype end;
};

struct LineAt {
    Piece piece;
    qsizetype index;
    int rankAt(int character) const {
        const quint64 word = character < 8 ? piece.first : piece.second;
        return int((word >> (8 * (7 - character % 8))) & 0xff);
    }
};

// How many characters every piece from first to last has in common with the first.
int commonCharacters(const LineAt* first, const LineAt* last) {
    quint64 firstWordsDiffer = 0;
    quint64 secondWordsDiffer = 0;
    for (const LineAt* line = first; line != last; ++line) {
        firstWordsDiffer |= line->piece.first ^ first->piece.first;
        secondWordsDiffer |= line->piece.second ^ first->piece.second;
    }
    if (firstWordsDiffer != 0)
        return int(qCountLeadingZeroBits(firstWordsDiffer) / 8);
    if (secondWordsDiffer != 0)
        return 8 + int(qCountLeadingZeroBits(secondWordsDiffer) / 8);
    return Piece::Characters;
}

// A short run in the order of its indexes sorted by the pieces; equal pieces keep that order.
void insertionSort(LineAt* first, LineAt* last) {
    for (LineAt* next = first + 1; next < last; ++next) {
        if (!(next->piece < (next - 1)->piece))
            continue;
        const LineAt line = *next;
        LineAt* hole = next;
        for (; hole != first && line.piece < (hole - 1)->piece; --hole)
            *hole = *(hole - 1);
        *hole = line;
    }
}

// Lines in the order of their indexes sorted by their pieces, keeping that order among equal
// pieces: into buckets by the first character where they differ, a short run by comparison.
void sortByPieces(LineAt* first, LineAt* last, LineAt* spare) {
    constexpr std::ptrdiff_t shortRun = 32;
    if (last - first < shortRun) {
        insertionSort(first, last);
        return;
    }
    const int character = commonCharacters(first, last);
    if (character == Piece::Characters)
        return; // equal pieces, already in order
    std::array<std::ptrdiff_t, 257> starts{};
    int lowest = 255;
    int highest = 0;
    for (const LineAt* line = first; line != last; ++line) {
        const int rank = line->rankAt(character);
        ++starts[std::size_t(rank) + 1];
        lowest = std::min(lowest, rank);
        highest = std::max(highest, rank);
    }
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::array<std::ptrdiff_t, 257> next = starts;
    for (const LineAt* line = first; line != last; ++line)
        spare[next[std::size_t(line->rankAt(character))]++] = *line;
    std::copy(spare, spare + (last - first), first);
    // Rank 0: the texts that have ended are equal and already in order.
    for (int rank = std::max(lowest, 1); rank <= highest; ++rank) {
        const std::ptrdiff_t begin = starts[std::size_t(rank)];
        const std::ptrdiff_t end = starts[std::size_t(rank) + 1];
        if (end - begin > 1)
            sortByPieces(first + begin, first + end, spare);
    }
}

// Sorts a stretch by the pieces of its lines and keeps the stretches that are still equal and
// go on, to be told apart by the next piece. A stretch holds lines equal so far, which the
// rounds before have left in the order of their indexes.
void sortStretch(Stretch stretch, LineAt* sorted, LineAt* spare, std::vector<Stretch>& stillEqual) {
    sortByPieces(sorted + stretch.begin, sorted + stretch.end, spare + stretch.begin);
    for (qsizetype run = stretch.begin; run < stretch.end;) {
        qsizetype runEnd = run + 1;
        while (runEnd < stretch.end && sorted[runEnd].piece == sorted[run].piece)
            ++runEnd;
        if (runEnd - run > 1 && sorted[run].piece.textGoesOn())
            stillEqual.push_back({run, runEnd});
        run = runEnd;
    }
}

// Where a line stands in the order being built, for the round that reads its next piece.
struct LineSlot {
    qsizetype round = 0;
    qsizetype at = 0;
};
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

// Sixteen characters at a time: first every line by its first sixteen, then only the lines still
// equal to another by the next sixteen, and so on. Each round reads the pieces of the lines in the
// order they lie in memory, so a hundred thousand lines are read as one stream, not at random.
LineOrder listOrder(const ListLines& lines) {
    const qsizetype count = lines.size();
    std::vector<LineAt> sorted(static_cast<std::size_t>(count)); // in the order found so far
    std::vector<LineAt> spare(sorted.size());
    std::vector<LineSlot> slots(sorted.size());
    std::vector<Stretch> stretches = {{0, count}};
    for (qsizetype round = 0; !stretches.empty(); ++round) {
        for (const Stretch& stretch : stretches) {
            for (qsizetype at = stretch.begin; at < stretch.end; ++at)
                slots[std::size_t(round == 0 ? at : sorted[std::size_t(at)].index)] = {round, at};
        }
        const qsizetype offset = round * Piece::Characters;
        for (qsizetype index = 0; index < count; ++index) {
            const LineSlot& slot = slots[std::size_t(index)];
            if (slot.round == round)
                sorted[std::size_t(slot.at)] = {Piece::of(lines.bytes(index), offset), index};
        }
        std::vector<Stretch> stillEqual;
        for (const Stretch& stretch : stretches)
            sortStretch(stretch, sorted.data(), spare.data(), stillEqual);
        stretches = std::move(stillEqual);
    }
    LineOrder order(sorted.size());
    for (std::size_t at = 0; at < sorted.size(); ++at)
        order[at] = sorted[at].index;
    return order;
}
