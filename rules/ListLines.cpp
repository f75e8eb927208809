#include "rules/ListLines.h"

#include "rules/RecordBytes.h"
#include "storage/TextCodec.h"

namespace {
constexpr qsizetype blockBytes = 2 * 1024 * 1024;
} // namespace

// A copy shares the blocks of the ended lines, which never change, and writes its own lines
// into blocks of its own.
ListLines::ListLines(const ListLines& other)
    : blocks_(other.blocks_), spans_(other.spans_), positions_(other.positions_),
      order_(other.order_) {
    if (other.used_ > other.lineStart_)
        write(QByteArrayView(other.blocks_.back().get() + other.lineStart_,
                             other.used_ - other.lineStart_));
}

ListLines& ListLines::operator=(const ListLines& other) {
    if (this != &other)
        *this = ListLines(other);
    return *this;
}

void ListLines::reserve(qsizetype lines) {
    spans_.reserve(std::size_t(lines));
    positions_.reserve(std::size_t(lines));
}

void ListLines::append(const QString& line, qint64 position) {
    write(QByteArrayView(toWindows1252(line)));
    endLine(position);
}

char* ListLines::roomInNewBlock(qsizetype bytes) {
    // A new block, with the part of the line already written.
    const qsizetype written = used_ - lineStart_;
    const qsizetype needed = 2 * (written + bytes);
    const qsizetype size =
        std::max(blockBytes, (needed + blockBytes - 1) / blockBytes * blockBytes); // whole pages
    std::shared_ptr<char[]> block(new char[size]); // every byte written before it is read
    if (written > 0)
        std::copy_n(blocks_.back().get() + lineStart_, written, block.get());
    blocks_.push_back(std::move(block));
    blockSize_ = size;
    used_ = written;
    lineStart_ = 0;
    return blocks_.back().get() + used_;
}

void ListLines::endLine(qint64 position) {
    if (blocks_.empty())
        roomFor(0);
    spans_.push_back(
        {quint32(blocks_.size() - 1), quint32(lineStart_), quint32(used_ - lineStart_)});
    positions_.push_back(position);
    if (!order_.empty())
        order_.push_back(qsizetype(spans_.size()) - 1);
    lineStart_ = used_;
}

void ListLines::dropLine() {
    used_ = lineStart_;
}

QByteArrayView ListLines::bytes(qsizetype index) const {
    const Span& span = spans_[written(index)];
    return QByteArrayView(blocks_[span.block].get() + span.start, span.length);
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

ListLines ListLines::reordered(LineOrder order) const& {
    return ListLines(*this).reordered(std::move(order));
}

ListLines ListLines::reordered(LineOrder order) && {
    Q_ASSERT(qsizetype(order.size()) == size());
    if (!order_.empty()) {
        for (qsizetype& index : order)
            index = order_[std::size_t(index)];
    }
    order_ = std::move(order);
    return std::move(*this);
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
