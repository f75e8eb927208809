#include "storage/OverwriteIntent.h"

#include <QCryptographicHash>
#include <QtEndian>
#include <cstring>
#include <limits>

namespace {

constexpr char magic[8] = {'V', 'L', 'N', 'I', 'N', 'T', 'N', '1'};
constexpr qsizetype headerSize = sizeof(magic) + 4 + 8 + 4;
constexpr auto checksumAlgorithm = QCryptographicHash::Sha256;
constexpr qsizetype checksumSize = 32;

template <class Number> void appendLittleEndian(QByteArray& bytes, Number value) {
    char raw[sizeof(Number)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(Number));
}

template <class Number> Number littleEndianAt(QByteArrayView bytes, qsizetype offset) {
    return qFromLittleEndian<Number>(bytes.data() + offset);
}

} // namespace

QByteArray OverwriteIntent::toBytes() const {
    QByteArray bytes(magic, sizeof(magic));
    bytes.reserve(sizeFor(int(record.size())));
    appendLittleEndian(bytes, quint32(record.size()));
    appendLittleEndian(bytes, quint64(index));
    appendLittleEndian(bytes, quint32(record.size()));
    bytes += record;
    bytes += QCryptographicHash::hash(bytes, checksumAlgorithm);
    return bytes;
}

std::optional<OverwriteIntent> OverwriteIntent::fromBytes(QByteArrayView bytes, int recordSize) {
    if (bytes.size() < sizeFor(recordSize) || std::memcmp(bytes.data(), magic, sizeof(magic)) != 0)
        return std::nullopt;
    const qsizetype sizeAt = sizeof(magic);
    const qsizetype indexAt = sizeAt + 4;
    const qsizetype lengthAt = indexAt + 8;
    if (littleEndianAt<quint32>(bytes, sizeAt) != quint32(recordSize) ||
        littleEndianAt<quint32>(bytes, lengthAt) != quint32(recordSize))
        return std::nullopt;
    const qsizetype checksumAt = headerSize + recordSize;
    const QByteArray checksum =
        QCryptographicHash::hash(bytes.first(checksumAt), checksumAlgorithm);
    if (bytes.sliced(checksumAt, checksumSize) != QByteArrayView(checksum))
        return std::nullopt;
    const quint64 index = littleEndianAt<quint64>(bytes, indexAt);
    if (index > quint64(std::numeric_limits<qint64>::max()))
        return std::nullopt;
    return OverwriteIntent{qint64(index), bytes.sliced(headerSize, recordSize).toByteArray()};
}

qsizetype OverwriteIntent::sizeFor(int recordSize) {
    return headerSize + recordSize + checksumSize;
}

QString OverwriteIntent::pathFor(const QString& archivePath) {
    return archivePath + QStringLiteral(".intent");
}
