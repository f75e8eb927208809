#include "storage/PriceListFile.h"

#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"

#include <QFile>
#include <QStringDecoder>

namespace {

struct ByteOrderMark {
    QByteArrayView bytes;
    QStringConverter::Encoding encoding;
};

// The file's text, decoded as its byte-order mark says; Windows-1252 without one.
QString decodedText(QByteArrayView bytes) {
    static const ByteOrderMark marks[] = {
        {QByteArrayView("\xEF\xBB\xBF"), QStringConverter::Utf8},
        {QByteArrayView("\xFF\xFE"), QStringConverter::Utf16LE},
        {QByteArrayView("\xFE\xFF"), QStringConverter::Utf16BE},
    };
    for (const ByteOrderMark& mark : marks) {
        if (bytes.startsWith(mark.bytes)) {
            QStringDecoder decoder(mark.encoding, QStringConverter::Flag::Default);
            return decoder.decode(bytes.sliced(mark.bytes.size()));
        }
    }
    return fromWindows1252(bytes);
}

} // namespace

QStringList priceListLinesFromBytes(QByteArrayView bytes) {
    const QString text = decodedText(bytes);
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(trimBlanks(text.sliced(start, i - start)));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(trimBlanks(text.sliced(start)));
    return lines;
}

QByteArray priceListBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<QStringList> readPriceListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return priceListLinesFromBytes(bytes);
}

void writePriceListFile(const QString& path, const QStringList& lines) {
    replaceWholeFile(path, priceListBytes(lines));
}
