// The storage tests' second process: another copy of the program appending or saving numbered
// receipts, a user without rights on the files, or a writer killed in the middle of an
// overwrite.
// Usage: storage_child <mode> <arguments...>; the exit codes are in StorageChild.h.
#include "StorageChild.h"

#include "rules/ReceiptNumbers.h"
#include "rules/ReceiptSettings.h"
#include "storage/IniFile.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "storage/StorageNotices.h"

#include <QString>
#include <QStringList>
#include <cstdio>
#include <grp.h>
#include <unistd.h>

namespace {

// Root ignores file modes, so checks about denied access run as the "nobody" user.
bool dropPrivileges() {
    if (geteuid() != 0)
        return true;
    const gid_t nobody = 65534;
    return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

void openArchive(const QString& path) {
    RawRecordFile file(1);
    file.openOrCreate(path);
}

void saveIni(const QString& path) {
    IniFile ini = IniFile::load(path);
    ini.setValue(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"),
                 QStringLiteral("150"));
    ini.save(path);
}

void loadIni(const QString& path) {
    IniFile::load(path);
}

// Starts when the test closes its standard input, so that every copy appends at once.
void appendReceipts(const QString& path, const QString& tag, int count) {
    while (std::getchar() != EOF) {
    }
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(path);
    for (int i = 0; i < count; ++i) {
        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("%1-%2").arg(tag).arg(i);
        receipt.Descrizione.fill(receipt.NumRic);
        file.append(receipt);
    }
}

// As the receipt editor saves: each receipt takes the number New proposes, checked under the
// file's lock; a number another copy used meanwhile gives way to the first free one.
void saveNumberedReceipts(const QString& path, const QString& tag, int count) {
    while (std::getchar() != EOF) {
    }
    for (int i = 0; i < count; ++i) {
        ReceiptRecord receipt;
        receipt.Descrizione.fill(QStringLiteral("%1-%2").arg(tag).arg(i));
        RawRecordFile counter(ReceiptRecord::Size);
        counter.openOrCreate(path);
        std::optional<QString> number = proposedReceiptNumber(QString(), counter.count());
        counter.close();
        std::optional<UsedReceiptNumber> used;
        do {
            receipt.NumRic = number.value();
            used.reset();
            RawRecordFile::store(path, receipt.toBytes(), 0, [&](RawRecordFile& file) {
                used = receiptNumberInUse(file, receipt.NumRic, 0, QString());
                return !used;
            });
            if (used)
                number = used->firstFree;
        } while (used);
    }
}

// Reads every record twice, one by one and in one block, as a hexadecimal line each; then
// tells how many notices two openings raised, and tries to append.
void readThenAppend(const QString& path, int recordSize) {
    RawRecordFile file(recordSize);
    file.openOrCreate(path);
    const qint64 records = file.count();
    while (!file.atEnd())
        std::printf("%s\n", file.readBytes().toHex().constData());
    QByteArray block(records * recordSize, '\0');
    file.readRecords(0, records, block.data());
    for (qint64 index = 0; index < records; ++index)
        std::printf("%s\n", block.mid(index * recordSize, recordSize).toHex().constData());
    file.openOrCreate(path);
    std::printf("notices %d\n", int(takeStorageNotices().size()));
    std::fflush(stdout);
    file.appendBytes(QByteArray(recordSize, 'X'));
}

// Overwrites every record of the file, round after round, until killed; every byte of a
// record holds its round's version. A round cut short by an earlier kill is finished first,
// so the file always holds two versions at most: the newest and the one before it.
[[noreturn]] void overwriteLoop(const QString& path, int recordSize) {
    RawRecordFile file(recordSize);
    file.openOrCreate(path);
    const qint64 records = file.count();
    char version = file.readBytes().at(0);
    qint64 index = 1;
    while (index < records && file.readBytes().at(0) == version)
        ++index;
    if (index == records) {
        ++version;
        index = 0;
    }
    bool told = false;
    for (;; ++version, index = 0) {
        for (; index < records; ++index) {
            file.seek(index);
            file.writeBytes(QByteArray(recordSize, version));
            if (!told) {
                std::puts(StorageChild::overwriting);
                std::fflush(stdout);
                told = true;
            }
        }
    }
}

int run(const QStringList& arguments) {
    const QString mode = arguments.value(0);
    const QString path = arguments.value(1);
    if (mode == QStringLiteral("append-receipts") && arguments.size() == 4) {
        appendReceipts(path, arguments.at(2), arguments.at(3).toInt());
        return StorageChild::finished;
    }
    if (mode == QStringLiteral("save-numbered-receipts") && arguments.size() == 4) {
        saveNumberedReceipts(path, arguments.at(2), arguments.at(3).toInt());
        return StorageChild::finished;
    }
    if (mode == QStringLiteral("overwrite-loop") && arguments.size() == 3)
        overwriteLoop(path, arguments.at(2).toInt());
    if (mode == QStringLiteral("read-then-append") && arguments.size() == 3) {
        if (!dropPrivileges())
            return StorageChild::couldNotDropPrivileges;
        readThenAppend(path, arguments.at(2).toInt());
        return StorageChild::finished;
    }

    const auto asNobody = [](void (*step)(const QString&), const QString& path) {
        if (!dropPrivileges())
            return StorageChild::couldNotDropPrivileges;
        step(path);
        return StorageChild::finished;
    };
    if (mode == QStringLiteral("open-archive") && arguments.size() == 2)
        return asNobody(openArchive, path);
    if (mode == QStringLiteral("save-ini") && arguments.size() == 2)
        return asNobody(saveIni, path);
    if (mode == QStringLiteral("load-ini") && arguments.size() == 2)
        return asNobody(loadIni, path);
    return StorageChild::badArguments;
}

} // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    try {
        return run(arguments);
    } catch (const StorageError& error) {
        return StorageChild::exitCodeFor(error.kind());
    }
}
