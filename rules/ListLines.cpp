#include "rules/ListLines.h"

#include "rules/RecordBytes.h"
#include "storage/TextCodec.h"

namespace {
// Small enough for the allocator to hand the same memory to the next list.
constexpr qsizetype blockBytes = 1024 * 1024;
} // namespace

void ListLines::reserve(qsizetype lines) {
    spans_.reserve(std::size_t(lines));
    positions_.reserve(std::size_t(lines));
}

void ListLines::append(const QString& line, qint64 position) {
    write(QByteArrayView(toWindows1252(line)));
    endLine(position);
}

QByteArray& ListLines::roomFor(qsizetype bytes) {
    if (!blocks_.empty() && blocks_.back().size() + bytes <= blocks_.back().capacity())
        return blocks_.back();
    // A new block, with the part of the line already written.
    QByteArray block;
    block.reserve(std::max(blockBytes, 2 * bytes));
    if (!blocks_.empty()) {
        block.append(QByteArrayView(blocks_.back()).sliced(lineStart_));
        blocks_.back().truncate(lineStart_);
    }
    lineStart_ = 0;
    blocks_.push_back(std::move(block));
    return blocks_.back();
}

void ListLines::write(QByteArrayView encoded) {
    roomFor(encoded.size()).append(encoded);
}

void ListLines::writePadded(QByteArrayView encoded, qsizetype width) {
    const QByteArrayView shown = encoded.first(std::min(width, encoded.size()));
    QByteArray& block = roomFor(width);
    block.append(shown);
    block.append(width - shown.size(), ' ');
}

void ListLines::endLine(qint64 position) {
    if (blocks_.empty())
        roomFor(0);
    const QByteArray& block = blocks_.back();
    spans_.push_back(
        {quint32(blocks_.size() - 1), quint32(lineStart_), quint32(block.size() - lineStart_)});
    positions_.push_back(position);
    lineStart_ = block.size();
}

void ListLines::dropLine() {
    if (!blocks_.empty())
        blocks_.back().truncate(lineStart_);
}

QByteArrayView ListLines::bytes(qsizetype index) const {
    const Span& span = spans_[std::size_t(index)];
    return QByteArrayView(blocks_[span.block]).sliced(span.start, span.length);
}

QString ListLines::text(qsizetype index) const {
    const QByteArrayView encoded = bytes(index);
    const std::array<char16_t, 256>& characters = windows1252Characters();
    QString line(encoded.size(), Qt::Uninitialized);
    QChar* out = line.data();
    for (char byte : encoded)
        *out++ = QChar(characters[static_cast<unsigned char>(byte)]);
    return line;
}

QStringList ListLines::texts() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype index = 0; index < size(); ++index)
        lines.append(text(index));
    return lines;
}

ListLines ListLines::reordered(const std::vector<qsizetype>& order) const {
    ListLines lines;
    lines.reserve(qsizetype(order.size()));
    for (qsizetype index : order) {
        lines.write(bytes(index));
        lines.endLine(position(index));
    }
    return lines;
}

QString paddedColumn(const QString& text, int width) {
    return trimBlanks(text).leftJustified(width, QLatin1Char(' '), true);
}

QString memberLine(const QString& name, const QString& taxCode, const QString& expiry,
                   const QString& telephone, const QString& notes) {
    return paddedColumn(name, 30) + QStringLiteral("  C.F. ") + paddedColumn(taxCode, 16) +
           QStringLiteral("  Scad. ") + paddedColumn(expiry, 10) + QStringLiteral("  Tel. ") +
           paddedColumn(telephone, 15) + QStringLiteral(" Note: ") + trimBlanks(notes);
}

QString receiptLine(PayerLabel label, const QString& number, const QString& date,
                    const QString& payer, const QString& firstItem, const QString& total) {
    return QStringLiteral("Ric. n. ") + paddedColumn(number, 14) + QStringLiteral("  Data: ") +
           paddedColumn(date, 10) +
           (label == PayerLabel::Cliente ? QStringLiteral("  Cliente: ")
                                         : QStringLiteral("  Pagatore: ")) +
           paddedColumn(payer, 30) + QStringLiteral("  Servizio: ") + paddedColumn(firstItem, 38) +
           QStringLiteral("  Totale: € ") + trimBlanks(total);
}
