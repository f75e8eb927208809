#pragma once

#include "storage/StorageError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

QByteArray readWholeFile(const QString& path);
void writeWholeFile(const QString& path, const QByteArray& bytes);

// A record of recordSize bytes whose every byte tells its index, so a misplaced or torn
// record shows.
QByteArray stampedRecord(int recordSize, int index);

QString errorName(StorageError::Kind kind);

// The errorName() of the StorageError the step raised; empty when it raised none.
template <class Step> QString raisedError(Step&& step) {
    try {
        step();
    } catch (const StorageError& error) {
        return errorName(error.kind());
    }
    return {};
}

// storage_child (see StorageChild.h) as a separate process: a threaded test process must not
// fork. runStorageChild() waits for it and gives its exit code, -1 when it did not finish.
void startStorageChild(QProcess& process, const QStringList& arguments);
int runStorageChild(const QStringList& arguments);
