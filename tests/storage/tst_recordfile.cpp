#include "StorageFixtures.h"
#include "tst_storage.h"

#include "storage/NativeFile.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <chrono>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int recordSize = ReceiptRecord::Size;

QByteArray stampedRecords(int count) {
    QByteArray bytes;
    for (int index = 0; index < count; ++index)
        bytes += stampedRecord(recordSize, index);
    return bytes;
}

// The kind of StorageError raised by the step, or -1 when it raised none.
template <class Step> int errorKindOf(Step step) {
    try {
        step();
    } catch (const StorageError& error) {
        return int(error.kind());
    }
    return -1;
}

int kind(StorageError::Kind kind) {
    return int(kind);
}

} // namespace

void TestStorage::openOrCreateMakesEmptyFile() {
    RawRecordFile file(recordSize);

    file.openOrCreate(path(QStringLiteral("2024.ric")));

    QCOMPARE(QFileInfo(path(QStringLiteral("2024.ric"))).size(), 0);
    QCOMPARE(file.count(), 0);
    QVERIFY(file.atEnd());
}

void TestStorage::incompleteTrailingRecordIsIgnored() {
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(3) + QByteArray(100, 'x'));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    QCOMPARE(file.count(), 3);
    int read = 0;
    for (; !file.atEnd(); ++read)
        QCOMPARE(file.readBytes(), stampedRecord(recordSize, read));
    QCOMPARE(read, 3);
    QCOMPARE(errorKindOf([&] { file.readBytes(); }), kind(StorageError::Kind::ReadWrite));
}

void TestStorage::appendGivesNextPosition_data() {
    QTest::addColumn<int>("trailingBytes");

    QTest::newRow("whole records") << 0;
    QTest::newRow("incomplete record at the end") << 10;
    QTest::newRow("all but one byte of a record") << recordSize - 1;
}

void TestStorage::appendGivesNextPosition() {
    QFETCH(int, trailingBytes);
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(7) + QByteArray(trailingBytes, 'x'));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    const qint64 position = file.appendBytes(stampedRecord(recordSize, 7));

    QCOMPARE(position, 8);
    QCOMPARE(file.position(), 8);
    QCOMPARE(readWholeFile(name), stampedRecords(8));
}

void TestStorage::overwriteKeepsOtherRecords() {
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(5));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);
    const QByteArray replacement(recordSize, 'R');

    file.seek(2);
    file.writeBytes(replacement);

    QCOMPARE(file.position(), 3);
    QByteArray expected = stampedRecords(5);
    expected.replace(2 * recordSize, recordSize, replacement);
    QCOMPARE(readWholeFile(name), expected);
}

void TestStorage::sequentialReadGivesEveryRecordInOrder() {
    // Several read-ahead blocks, the last one partly filled.
    const int records = 1000;
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(records));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    int read = 0;
    for (; !file.atEnd(); ++read) {
        QCOMPARE(file.readBytes(), stampedRecord(recordSize, read));
        QCOMPARE(file.position(), read + 1);
    }

    QCOMPARE(read, records);
}

void TestStorage::writeDiscardsReadAhead() {
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(20));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);
    file.readBytes();

    file.seek(5);
    file.writeBytes(QByteArray(recordSize, 'W'));
    const qint64 appended = file.appendBytes(QByteArray(recordSize, 'A'));

    file.seek(5);
    QCOMPARE(file.readBytes(), QByteArray(recordSize, 'W'));
    file.seek(appended - 1);
    QCOMPARE(file.readBytes(), QByteArray(recordSize, 'A'));
}

void TestStorage::fileThatCannotBeWrittenIsReported_data() {
    QTest::addColumn<bool>("fileExists");

    QTest::newRow("read-only file") << true;
    QTest::newRow("missing file in a read-only folder") << false;
}

void TestStorage::fileThatCannotBeWrittenIsReported() {
    QFETCH(bool, fileExists);
    const QString name = path(QStringLiteral("Soci.pro"));
    const QByteArray content = stampedRecords(2);
    if (fileExists)
        writeWholeFile(name, content);
    QFile::setPermissions(name, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);

    const int outcome = runWithoutPrivileges([&] {
        RawRecordFile file(recordSize);
        const int error = errorKindOf([&] { file.openOrCreate(name); });
        return error == kind(StorageError::Kind::CannotOpen) ? 0 : 1;
    });

    if (outcome == couldNotDropPrivileges)
        QSKIP("running as root and the nobody user is not available");
    QCOMPARE(outcome, 0);
    QCOMPARE(QFile::exists(name), fileExists);
    if (fileExists)
        QCOMPARE(readWholeFile(name), content);
}

void TestStorage::lockHeldElsewhereTimesOut() {
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(3));
    NativeFile otherCopy;
    otherCopy.openOrCreate(name);
    otherCopy.lockForWriting();
    NativeFile::setLockTimeoutMsForTests(200);
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    file.seek(1);
    QCOMPARE(errorKindOf([&] { file.writeBytes(QByteArray(recordSize, 'W')); }),
             kind(StorageError::Kind::LockTimeout));
    QCOMPARE(errorKindOf([&] { file.appendBytes(QByteArray(recordSize, 'A')); }),
             kind(StorageError::Kind::LockTimeout));
    QCOMPARE(readWholeFile(name), stampedRecords(3));

    otherCopy.unlock();
    file.seek(1);
    file.writeBytes(QByteArray(recordSize, 'W'));
    QCOMPARE(readWholeFile(name).mid(recordSize, recordSize), QByteArray(recordSize, 'W'));
}

void TestStorage::lockReleasedWhileWaitingLetsWriteThrough() {
    const QString name = path(QStringLiteral("2024.ric"));
    NativeFile otherCopy;
    otherCopy.openOrCreate(name);
    otherCopy.lockForWriting();
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    std::thread otherCopyFinishes([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        otherCopy.unlock();
    });
    const int error = errorKindOf([&] { file.appendBytes(stampedRecord(recordSize, 0)); });
    otherCopyFinishes.join();

    QCOMPARE(error, -1);
    QCOMPARE(readWholeFile(name), stampedRecords(1));
}

void TestStorage::failedWriteReleasesLock() {
    const QString name = path(QStringLiteral("2024.ric"));
    writeWholeFile(name, stampedRecords(2));
    RawRecordFile file(recordSize);
    file.openOrCreate(name);

    file.seek(5); // past the end: nothing to overwrite there
    QCOMPARE(errorKindOf([&] { file.writeBytes(QByteArray(recordSize, 'W')); }),
             kind(StorageError::Kind::ReadWrite));

    NativeFile otherCopy;
    otherCopy.openOrCreate(name);
    NativeFile::setLockTimeoutMsForTests(50);
    QCOMPARE(errorKindOf([&] { otherCopy.lockForWriting(); }), -1);
    QCOMPARE(readWholeFile(name), stampedRecords(2));
}

void TestStorage::concurrentAppendsKeepEveryRecord() {
    const int copies = 4;
    const int receiptsEach = 500;
    const QString name = path(QStringLiteral("2024.ric"));
    int startSignal[2];
    QCOMPARE(pipe(startSignal), 0);

    std::vector<pid_t> children;
    for (int copy = 0; copy < copies; ++copy) {
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::close(startSignal[1]);
            char ignored;
            while (::read(startSignal[0], &ignored, 1) < 0 && errno == EINTR) {
            }
            const int failed = errorKindOf([&] {
                RecordFile<ReceiptRecord> file;
                file.openOrCreate(name);
                for (int i = 0; i < receiptsEach; ++i) {
                    ReceiptRecord receipt;
                    receipt.NumRic = QStringLiteral("%1-%2").arg(copy).arg(i);
                    receipt.Descrizione.fill(receipt.NumRic);
                    file.append(receipt);
                }
            });
            _exit(failed == -1 ? 0 : 1);
        }
        children.push_back(child);
    }
    ::close(startSignal[0]);
    ::close(startSignal[1]); // every copy starts now
    for (pid_t child : children) {
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    QCOMPARE(QFileInfo(name).size(), qint64(copies) * receiptsEach * recordSize);
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(name);
    QSet<QString> tags;
    while (!file.atEnd()) {
        const ReceiptRecord receipt = file.read();
        for (const QString& description : receipt.Descrizione)
            QCOMPARE(description, receipt.NumRic);
        tags.insert(receipt.NumRic);
    }
    QCOMPARE(tags.size(), copies * receiptsEach);
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = 0; i < receiptsEach; ++i)
            QVERIFY(tags.contains(QStringLiteral("%1-%2").arg(copy).arg(i)));
    }
}
