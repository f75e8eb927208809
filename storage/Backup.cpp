#include "storage/Backup.h"

#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <memory>
#include <zip.h>

namespace {

constexpr int memberRecordSize = 2666;
constexpr int receiptRecordSize = 2227;
const QString namePattern = QStringLiteral("'Velarno-'yyyy-MM-dd-hhmmss'.zip'");

const QStringList& singleFiles() {
    static const QStringList files{
        QStringLiteral("Soci.pro"),           QStringLiteral("Ricevute.ini"),
        QStringLiteral("Listino_Prezzi.lst"), QStringLiteral("Logo.bmp"),
        QStringLiteral("unins000.dll"),
    };
    return files;
}

const QStringList& wholeFolders() {
    static const QStringList folders{QStringLiteral("Schedario"),
                                     QStringLiteral("Documenti_Allegati")};
    return folders;
}

const QRegularExpression& receiptsFileName() {
    static const QRegularExpression name(QStringLiteral("^([0-9]{4})\\.ric$"));
    return name;
}

[[noreturn]] void fail(StorageError::Kind kind, const QString& what) {
    throw StorageError(kind, what);
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Zip = std::unique_ptr<zip_t, ZipCloser>;

Zip openZip(const QString& path, int flags) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), flags, &error);
    if (!archive)
        fail(StorageError::Kind::CannotOpen, path);
    return Zip(archive);
}

// Every entry of a copy that is one of the program's files, with its size.
std::vector<std::pair<QString, qint64>> entriesOf(zip_t* archive) {
    std::vector<std::pair<QString, qint64>> entries;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0)
            fail(StorageError::Kind::BadData, QStringLiteral("zip entry"));
        const QString name = QString::fromUtf8(stat.name);
        if (isBackedUpFile(name))
            entries.emplace_back(name, qint64(stat.size));
    }
    return entries;
}

QByteArray readEntry(zip_t* archive, const QString& name, qint64 size) {
    zip_file_t* entry = zip_fopen(archive, name.toUtf8().constData(), 0);
    if (!entry)
        fail(StorageError::Kind::BadData, name);
    QByteArray bytes(size, Qt::Uninitialized);
    const zip_int64_t read = zip_fread(entry, bytes.data(), zip_uint64_t(size));
    zip_fclose(entry);
    if (read != size)
        fail(StorageError::Kind::BadData, name);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        fail(StorageError::Kind::ReadWrite, path);
}

void removeOldest() {
    QStringList copies =
        QDir(backupFolder())
            .entryList({QStringLiteral("Velarno-*.zip")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = keptBackups; i < copies.size(); ++i)
        QFile::remove(backupFolder() + QLatin1Char('/') + copies[i]);
}

} // namespace

QString backupFolder() {
    return programFile(QStringLiteral("Backup"));
}

bool isBackedUpFile(const QString& relativePath) {
    if (relativePath.contains(QStringLiteral("..")) || relativePath.startsWith(QLatin1Char('/')))
        return false;
    if (singleFiles().contains(relativePath) || receiptsFileName().match(relativePath).hasMatch())
        return true;
    return std::any_of(wholeFolders().begin(), wholeFolders().end(), [&](const QString& folder) {
        return relativePath.startsWith(folder + QLatin1Char('/')) &&
               !relativePath.endsWith(QLatin1Char('/'));
    });
}

QStringList backedUpFiles() {
    const QDir folder(programFolder());
    QStringList files;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
        if (isBackedUpFile(name))
            files << name;
    for (const QString& sub : wholeFolders()) {
        QDirIterator it(folder.filePath(sub), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << folder.relativeFilePath(it.next());
    }
    return files;
}

// libzip writes the copy under a temporary name and renames it once complete.
QString writeBackup(const QDateTime& now) {
    if (!QDir().mkpath(backupFolder()))
        fail(StorageError::Kind::CannotOpen, backupFolder());
    const QString path = backupFolder() + QLatin1Char('/') + now.toString(namePattern);
    Zip archive = openZip(path, ZIP_CREATE | ZIP_TRUNCATE);
    for (const QString& name : backedUpFiles()) {
        zip_source_t* source =
            zip_source_file(archive.get(), QFile::encodeName(programFile(name)).constData(), 0, -1);
        if (!source ||
            zip_file_add(archive.get(), name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            fail(StorageError::Kind::ReadWrite, name);
        }
    }
    if (zip_close(archive.get()) != 0)
        fail(StorageError::Kind::ReadWrite, path);
    archive.release();
    removeOldest();
    return path;
}

BackupContents backupContents(const QString& path) {
    BackupContents contents;
    contents.path = path;
    contents.size = QFileInfo(path).size();
    contents.made = QDateTime::fromString(QFileInfo(path).fileName(), namePattern);
    try {
        Zip archive = openZip(path, ZIP_RDONLY);
        std::map<int, qint64> receipts;
        for (const auto& [name, size] : entriesOf(archive.get())) {
            const QRegularExpressionMatch year = receiptsFileName().match(name);
            if (name == QStringLiteral("Soci.pro"))
                contents.members = size / memberRecordSize;
            else if (year.hasMatch())
                receipts[year.captured(1).toInt()] = size / receiptRecordSize;
        }
        contents.receiptsPerYear.assign(receipts.begin(), receipts.end());
    } catch (const StorageError&) {
        contents.readable = false;
    }
    return contents;
}

std::vector<BackupContents> listBackups() {
    std::vector<BackupContents> copies;
    const QStringList names =
        QDir(backupFolder())
            .entryList({QStringLiteral("Velarno-*.zip")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (const QString& name : names)
        copies.push_back(backupContents(backupFolder() + QLatin1Char('/') + name));
    return copies;
}

void restoreBackup(const QString& path, const QDateTime& now) {
    QDir().mkpath(backupFolder());
    QTemporaryDir unpacked(backupFolder() + QStringLiteral("/ripristino-XXXXXX"));
    if (!unpacked.isValid())
        fail(StorageError::Kind::CannotOpen, backupFolder());
    QStringList restored;
    {
        Zip archive = openZip(path, ZIP_RDONLY);
        for (const auto& [name, size] : entriesOf(archive.get())) {
            writeFile(unpacked.filePath(name), readEntry(archive.get(), name, size));
            restored << name;
        }
    }
    writeBackup(now);
    for (const QString& name : backedUpFiles())
        if (!QFile::remove(programFile(name)))
            fail(StorageError::Kind::ReadWrite, name);
    for (const QString& name : restored) {
        QDir().mkpath(QFileInfo(programFile(name)).absolutePath());
        if (!QFile::rename(unpacked.filePath(name), programFile(name)))
            fail(StorageError::Kind::ReadWrite, name);
    }
}
