#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

// Dated zip copies of everything the program keeps in its folder: the archives, the settings,
// the password store, the price list, the logo, the photos and the attachments. They live in
// the folder Backup of the program folder as Velarno-AAAA-MM-GG-hhmmss.zip; the newest
// keptBackups are kept. Failures raise StorageError.

inline constexpr int keptBackups = 20;

QString backupFolder();
// The program folder's files that a copy holds, as paths relative to it with "/".
QStringList backedUpFiles();
// Whether a relative path is one that a copy may hold; a restore writes nothing else.
bool isBackedUpFile(const QString& relativePath);

// Writes a copy made now; only a complete copy gets its name, so a failure leaves the previous
// copies and no partial one. Then the oldest beyond keptBackups are removed. Returns its path.
QString writeBackup(const QDateTime& now);

// What a copy holds, read from its list of contents.
struct BackupContents {
    QString path;
    QDateTime made;
    qint64 size = 0;
    qint64 members = 0;
    std::vector<std::pair<int, qint64>> receiptsPerYear; // year, receipts; by year
    bool readable = true;
};
// The copies in the folder Backup, newest first.
std::vector<BackupContents> listBackups();
BackupContents backupContents(const QString& path);

// Puts the program folder back as the copy holds it: the copy is read whole first, then what
// is there now is copied (a copy made now), then the files of a copy are replaced by the copy's
// files, and those that the copy does not hold are removed.
void restoreBackup(const QString& path, const QDateTime& now);
