#include "StorageFixtures.h"
#include "tst_storage.h"

#include "storage/StorageError.h"
#include "storage/WholeFileWriter.h"
#include "tests/support/NoFileWrites.h"

#include <QDir>
#include <QTest>

namespace {

// Bytes that differ at every position, so a file cut anywhere shows.
QByteArray countingBytes(int size, char first) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(first + i % 97);
    return bytes;
}

} // namespace

void TestStorage::wholeFileFullDiskAtAnyByteKeepsOldFile() {
    const QString name = path(QStringLiteral("Listino.txt"));
    const QByteArray old = countingBytes(300, 'a');
    const QByteArray replacement = countingBytes(200, '0');
    writeWholeFile(name, old);
    for (int room = 0; room < replacement.size(); ++room) {
        WholeFileWriter::setByteLimitForTests(room);
        // Written in two parts, so the disk also fills in the second one, as in a streamed export.
        const QString error = raisedError([&] {
            WholeFileWriter file(name);
            file.write(QByteArrayView(replacement).first(70));
            file.write(QByteArrayView(replacement).sliced(70));
            file.commit();
        });
        WholeFileWriter::setByteLimitForTests(-1);
        QCOMPARE(error, errorName(StorageError::Kind::WriteFailed));
        QCOMPARE(readWholeFile(name), old);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Listino.txt")});
    }
    WholeFileWriter::setByteLimitForTests(replacement.size());
    replaceWholeFile(name, replacement);
    WholeFileWriter::setByteLimitForTests(-1);
    QCOMPARE(readWholeFile(name), replacement);
}

// The real limit of the operating system, met in the middle of a write.
void TestStorage::wholeFileOverSizeLimitKeepsOldFile() {
    const QString name = path(QStringLiteral("Allegato.pdf"));
    const QByteArray old = countingBytes(9528, 'a');
    writeWholeFile(name, old);
    QString error;
    {
        NoFileWrites diskFull(4096);
        error = raisedError([&] { replaceWholeFile(name, countingBytes(10000, '0')); });
    }
    QCOMPARE(error, errorName(StorageError::Kind::WriteFailed));
    QCOMPARE(readWholeFile(name), old);
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files),
             QStringList{QStringLiteral("Allegato.pdf")});
}
