#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// The few operating-system calls of the program's files: open without truncating,
// positioned reads and writes, flush to disk and a bounded exclusive lock on one byte
// far past any data (readers of other programs are never blocked by it); small files
// written and removed so that the change survives a power loss.
// POSIX and Windows branches live in NativeFile.cpp.
class NativeFile {
public:
    NativeFile() = default;
    ~NativeFile();
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    void openOrCreate(const QString& path);   // StorageError::CannotOpen
    void openForReading(const QString& path); // an existing file only; StorageError::CannotOpen
    void close();
    bool isOpen() const;

    qint64 size() const;
    qint64 readAt(qint64 offset, char* data, qint64 length) const; // bytes read; short at end
    void writeAt(qint64 offset, const char* data, qint64 length);  // all bytes or StorageError
    void flushToDisk();
    // Cuts the file back, to undo a write that failed; false when the system refuses.
    bool truncateTo(qint64 size);

    // Waits at most lockTimeoutMs(), then StorageError::LockTimeout. A file system that
    // refuses byte-range locks altogether (some shared folders) cannot keep two copies apart;
    // the write then goes on without the lock and StorageNotice::LockRefused is raised.
    void lockForWriting();
    void unlock();
    bool isLocked() const { return locked_; }

    // Written whole (replacing any file of that name) and flushed to disk together with its
    // name in the folder; StorageError::ReadWrite on failure, after which no file of that name
    // is left.
    static void writeDurably(const QString& path, const QByteArray& bytes);
    // Removed, and the removal flushed to disk; a missing file is no error.
    static void removeDurably(const QString& path);

    static int lockTimeoutMs();
    static void setLockTimeoutMsForTests(int ms); // 0 restores the default
    // Every lock fails with this error number, as on a file system without locks; 0 restores.
    static void refuseLocksForTests(int errorNumber);

private:
    enum class LockAttempt { Taken, Busy, Refused };
    LockAttempt tryLock();
    void createEmpty(const QString& path);
    static void flushFolderOf(const QString& path);

#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
    bool locked_ = false;
};
