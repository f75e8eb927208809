#include "rules/PriceList.h"
#include "storage/PriceListFile.h"
#include "storage/TextCodec.h"

#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

namespace {

bool startsWithByteOrderMark(const QByteArray& bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF");
}

} // namespace

// Any bytes give lines without a line break and blanks at the ends; written and read again,
// the lines are the same as the file keeps them; every line splits into its columns and fits a
// box of any width.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList lines = priceListLinesFromBytes(QByteArrayView(data, qsizetype(size)));
    QStringList stored;
    for (const QString& line : lines) {
        if (line.contains(u'\r') || line.contains(u'\n') || trimBlanks(line) != line)
            std::abort();
        for (int columns : {0, 20, 66}) {
            if (fittedPriceLine(line, columns).contains(u'\n'))
                std::abort();
        }
        if (priceLineDescription(line).size() > PriceListColumns::descriptionWidth ||
            priceLinePrice(line).size() > PriceListColumns::priceWidth)
            std::abort();
        stored.append(trimBlanks(asStoredText(line)));
    }
    const QByteArray written = priceListBytes(lines);
    // A first line whose code-page bytes begin like a byte-order mark is read back as a file
    // with that mark: the format cannot tell the two apart.
    if (!startsWithByteOrderMark(written) && priceListLinesFromBytes(written) != stored)
        std::abort();
    return 0;
}
