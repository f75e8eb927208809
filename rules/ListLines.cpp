#include "rules/ListLines.h"

#include "storage/TextCodec.h"

#include <algorithm>

void ListLines::reserve(qsizetype lines) {
    lines_.reserve(std::size_t(lines));
}

void ListLines::append(const QString& line, qint64 position) {
    write(QByteArrayView(toWindows1252(line)));
    endLine(position);
}

void ListLines::writePadded(QByteArrayView encoded, qsizetype width) {
    const qsizetype shown = std::min(width, encoded.size());
    bytes_.append(encoded.first(shown));
    bytes_.append(width - shown, ' ');
}

void ListLines::endLine(qint64 position) {
    lines_.push_back({lineStart_, bytes_.size() - lineStart_, position});
    lineStart_ = bytes_.size();
}

QByteArrayView ListLines::bytes(qsizetype index) const {
    const Line& line = lines_[std::size_t(index)];
    return QByteArrayView(bytes_.constData() + line.offset, line.length);
}

QString ListLines::text(qsizetype index) const {
    return fromWindows1252(bytes(index));
}

QStringList ListLines::texts() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype index = 0; index < size(); ++index)
        lines.append(text(index));
    return lines;
}

// The bytes stay where they are; only the lines' places change.
ListLines ListLines::reordered(const LineOrder& order) && {
    std::vector<Line> inOrder;
    inOrder.reserve(order.size());
    for (qsizetype index : order)
        inOrder.push_back(lines_[std::size_t(index)]);
    lines_ = std::move(inOrder);
    return std::move(*this);
}
