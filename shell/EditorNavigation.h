#pragma once

#include "rules/RecordNavigation.h"
#include "shell/ErrorMessages.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "ui/MessageBox.h"

#include <functional>
#include <optional>

class QWidget;

// The steps the member editor and the receipt editor share over their record file. Each opens
// the file, does its reads or writes and closes it again.

// What an editor does for a step of its arrows: shows the stored record, or tells that the
// archive holds no card, first forgetting the position of the card on screen when the step
// says so.
void followNavigationStep(QWidget* editor, const NavigationStep& step,
                          const std::function<void(qint64 position)>& showRecord,
                          const std::function<void()>& forgetPosition);

// The information box after a save: the card was appended, or overwritten in place.
void reportRecordStored(QWidget* editor, bool appended);

// Shows, in warning boxes, what the file layer has to tell about the program folder and has
// not told yet in this run (a folder without locks, an archive this copy cannot write).
void tellStorageNotices(QWidget* screen);

// The number of records of the file; nothing when it can be neither opened nor created.
template <class Record> std::optional<qint64> storedRecordCount(const QString& path) {
    try {
        RecordFile<Record> file;
        file.openOrCreate(path);
        return file.count();
    } catch (const StorageError&) {
        return std::nullopt;
    }
}

// The record at a 1-based position; a failure shows the archive-access message in an error
// box and gives nothing.
template <class Record>
std::optional<Record> readStoredRecord(QWidget* editor, const QString& path, qint64 position) {
    try {
        RecordFile<Record> file;
        file.openOrCreate(path);
        file.seek(position - 1);
        const Record record = file.read();
        file.close();
        return record;
    } catch (const StorageError&) {
        showMessage(editor, MessageKind::Error, archiveAccessMessage());
        return std::nullopt;
    }
}

// An arrow from the card on screen (an empty position: a card not stored yet). A file that
// cannot be opened shows the archive-access message in an error box and nothing changes.
template <class Record>
void navigateRecords(QWidget* editor, const QString& path, NavigationButton button,
                     const QString& position,
                     const std::function<void(qint64 position)>& showRecord,
                     const std::function<void()>& forgetPosition) {
    const std::optional<qint64> count = storedRecordCount<Record>(path);
    tellStorageNotices(editor);
    if (!count) {
        showMessage(editor, MessageKind::Error, archiveAccessMessage());
        return;
    }
    followNavigationStep(editor, navigate(button, position.toLongLong(), *count), showRecord,
                         forgetPosition);
}

// Save: a card without a position is appended, one with a position is overwritten in place.
// Gives the card's position, or nothing after the archive-access message in a box of the
// editor's kind. mayStore, when given, checks the file under its write lock before the write
// and can stop the save without a message (RawRecordFile::store).
template <class Record>
std::optional<qint64> storeRecord(QWidget* editor, const QString& path, const Record& record,
                                  const QString& position, MessageKind failureKind,
                                  const RawRecordFile::StoreCheck& mayStore = {}) {
    try {
        const auto stored =
            RawRecordFile::store(path, record.toBytes(), position.toLongLong(), mayStore);
        tellStorageNotices(editor);
        return stored;
    } catch (const StorageError&) {
        tellStorageNotices(editor);
        showMessage(editor, failureKind, archiveAccessMessage());
        return std::nullopt;
    }
}
