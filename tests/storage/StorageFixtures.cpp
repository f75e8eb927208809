#include "StorageFixtures.h"

#include <QFile>
#include <QProcess>

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

void writeWholeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray stampedRecord(int recordSize, int index) {
    QByteArray record = QByteArray::number(index).leftJustified(recordSize, '.');
    record[recordSize - 1] = char('A' + index % 26);
    return record;
}

QString errorName(StorageError::Kind kind) {
    switch (kind) {
    case StorageError::Kind::CannotOpen:
        return QStringLiteral("CannotOpen");
    case StorageError::Kind::WriteFailed:
        return QStringLiteral("WriteFailed");
    case StorageError::Kind::LockTimeout:
        return QStringLiteral("LockTimeout");
    case StorageError::Kind::ReadWrite:
        return QStringLiteral("ReadWrite");
    case StorageError::Kind::BadData:
        return QStringLiteral("BadData");
    case StorageError::Kind::ReadOnly:
        return QStringLiteral("ReadOnly");
    }
    return QStringLiteral("kind %1").arg(int(kind));
}

void startStorageChild(QProcess& process, const QStringList& arguments) {
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(VELARNO_STORAGE_CHILD), arguments);
}

int runStorageChild(const QStringList& arguments) {
    QProcess child;
    startStorageChild(child, arguments);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit)
        return -1;
    return child.exitCode();
}
