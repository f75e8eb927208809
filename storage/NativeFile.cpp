#include "storage/NativeFile.h"

#include "storage/FileFaults.h"
#include "storage/StorageError.h"
#include "storage/StorageNotices.h"

#include <QElapsedTimer>
#include <QThread>

#include <QFile>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <QDir>
#include <algorithm>
#include <windows.h>
#else
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr int defaultLockTimeoutMs = 5000;
constexpr int lockRetryPauseMs = 10;
int lockTimeoutForTests = 0;
int refusedLockErrorForTests = 0;

// Far past any data, so readers of other programs never meet the lock.
constexpr qint64 lockOffset = qint64(1) << 62;

[[noreturn]] void fail(StorageError::Kind kind, const QString& what, const QString& reason) {
    throw StorageError(kind, what + QStringLiteral(": ") + reason);
}

} // namespace

NativeFile::~NativeFile() {
    close();
}

int NativeFile::lockTimeoutMs() {
    return lockTimeoutForTests > 0 ? lockTimeoutForTests : defaultLockTimeoutMs;
}

void NativeFile::setLockTimeoutMsForTests(int ms) {
    lockTimeoutForTests = ms;
}

void NativeFile::refuseLocksForTests(int errorNumber) {
    refusedLockErrorForTests = errorNumber;
}

void NativeFile::lockForWriting() {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        switch (tryLock()) {
        case LockAttempt::Taken:
            locked_ = true;
            return;
        case LockAttempt::Refused:
            // Failing every save would leave the folder unusable even for a single copy.
            raiseStorageNotice(StorageNotice::LockRefused);
            return;
        case LockAttempt::Busy:
            break;
        }
        if (waited.elapsed() >= lockTimeoutMs())
            fail(StorageError::Kind::LockTimeout, QStringLiteral("lock"),
                 QStringLiteral("the file is busy"));
        QThread::msleep(lockRetryPauseMs);
    }
}

void NativeFile::writeDurably(const QString& path, const QByteArray& bytes) {
    NativeFile file;
    file.createEmpty(path);
    try {
        file.writeAt(0, bytes.constData(), bytes.size());
        file.flushToDisk();
        file.close();
        flushFolderOf(path);
    } catch (const StorageError&) {
        // Whole or not at all: a caller told of the failure must not find the file later.
        file.close();
        QFile::remove(path);
        throw;
    }
}

#ifdef _WIN32

namespace {

HANDLE handleOf(void* handle) {
    return static_cast<HANDLE>(handle);
}

// A failure injected by a test stands in for the call, with the call's own error number.
bool injected(FileFaults::Operation operation) {
    const int error = FileFaults::injectedError(operation);
    if (error != 0)
        SetLastError(DWORD(error));
    return error != 0;
}

QString lastError() {
    return QString::number(GetLastError());
}

OVERLAPPED overlappedAt(qint64 offset) {
    OVERLAPPED overlapped{};
    overlapped.Offset = DWORD(offset & 0xFFFFFFFF);
    overlapped.OffsetHigh = DWORD(offset >> 32);
    return overlapped;
}

HANDLE openShared(const wchar_t* name, DWORD disposition) {
    if (injected(FileFaults::Operation::Open))
        return INVALID_HANDLE_VALUE;
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

void NativeFile::openOrCreate(const QString& path) {
    close();
    const QString nativePath = QDir::toNativeSeparators(path);
    const auto name = reinterpret_cast<const wchar_t*>(nativePath.utf16());
    HANDLE handle = openShared(name, OPEN_EXISTING);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_NOT_FOUND) {
        handle = openShared(name, CREATE_NEW);
        if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS)
            handle = openShared(name, OPEN_EXISTING);
    }
    if (handle == INVALID_HANDLE_VALUE)
        fail(StorageError::Kind::CannotOpen, path, lastError());
    handle_ = handle;
}

void NativeFile::openForReading(const QString& path) {
    close();
    const QString nativePath = QDir::toNativeSeparators(path);
    HANDLE handle = injected(FileFaults::Operation::Open)
                        ? INVALID_HANDLE_VALUE
                        : CreateFileW(reinterpret_cast<const wchar_t*>(nativePath.utf16()),
                                      GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        fail(StorageError::Kind::CannotOpen, path, lastError());
    handle_ = handle;
}

void NativeFile::createEmpty(const QString& path) {
    close();
    const QString nativePath = QDir::toNativeSeparators(path);
    HANDLE handle = openShared(reinterpret_cast<const wchar_t*>(nativePath.utf16()), CREATE_ALWAYS);
    if (handle == INVALID_HANDLE_VALUE)
        fail(StorageError::Kind::ReadWrite, path, lastError());
    handle_ = handle;
}

// NTFS journals a new name with the file's own metadata, and a folder cannot be flushed.
void NativeFile::flushFolderOf(const QString&) {}

void NativeFile::removeDurably(const QString& path) {
    const QString nativePath = QDir::toNativeSeparators(path);
    if ((injected(FileFaults::Operation::Rename) ||
         !DeleteFileW(reinterpret_cast<const wchar_t*>(nativePath.utf16()))) &&
        GetLastError() != ERROR_FILE_NOT_FOUND)
        fail(StorageError::Kind::ReadWrite, path, lastError());
}

void NativeFile::close() {
    if (!isOpen())
        return;
    unlock();
    CloseHandle(handleOf(handle_));
    handle_ = nullptr;
}

bool NativeFile::isOpen() const {
    return handle_ != nullptr;
}

qint64 NativeFile::size() const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(handle_), &size))
        fail(StorageError::Kind::ReadWrite, QStringLiteral("size"), lastError());
    return size.QuadPart;
}

qint64 NativeFile::readAt(qint64 offset, char* data, qint64 length) const {
    qint64 done = 0;
    while (done < length) {
        OVERLAPPED at = overlappedAt(offset + done);
        const DWORD wanted = DWORD(std::min<qint64>(length - done, 1 << 30));
        DWORD got = 0;
        if (injected(FileFaults::Operation::Read) ||
            !ReadFile(handleOf(handle_), data + done, wanted, &got, &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            fail(StorageError::Kind::ReadWrite, QStringLiteral("read"), lastError());
        }
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

void NativeFile::writeAt(qint64 offset, const char* data, qint64 length) {
    qint64 done = 0;
    while (done < length) {
        OVERLAPPED at = overlappedAt(offset + done);
        const DWORD wanted = DWORD(std::min<qint64>(length - done, 1 << 30));
        DWORD written = 0;
        if (injected(FileFaults::Operation::Write) ||
            !WriteFile(handleOf(handle_), data + done, wanted, &written, &at) || written == 0)
            fail(StorageError::Kind::ReadWrite, QStringLiteral("write"), lastError());
        done += written;
    }
}

void NativeFile::flushToDisk() {
    if (injected(FileFaults::Operation::Flush) || !FlushFileBuffers(handleOf(handle_)))
        fail(StorageError::Kind::ReadWrite, QStringLiteral("flush"), lastError());
}

bool NativeFile::truncateTo(qint64 size) {
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = size;
    return SetFileInformationByHandle(handleOf(handle_), FileEndOfFileInfo, &end, sizeof end);
}

NativeFile::LockAttempt NativeFile::tryLock() {
    if (refusedLockErrorForTests != 0)
        return LockAttempt::Refused;
    OVERLAPPED at = overlappedAt(lockOffset);
    if (!injected(FileFaults::Operation::Lock) &&
        LockFileEx(handleOf(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &at))
        return LockAttempt::Taken;
    switch (GetLastError()) {
    case ERROR_LOCK_VIOLATION:
        return LockAttempt::Busy;
    case ERROR_NOT_SUPPORTED:
    case ERROR_INVALID_FUNCTION:
        return LockAttempt::Refused;
    default:
        fail(StorageError::Kind::ReadWrite, QStringLiteral("lock"), lastError());
    }
}

void NativeFile::unlock() {
    if (!locked_)
        return;
    OVERLAPPED at = overlappedAt(lockOffset);
    UnlockFileEx(handleOf(handle_), 0, 1, 0, &at);
    locked_ = false;
}

#else

namespace {

QString lastError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A failure injected by a test stands in for the call, with the call's own error number.
bool injected(FileFaults::Operation operation) {
    const int error = FileFaults::injectedError(operation);
    if (error != 0)
        errno = error;
    return error != 0;
}

int openReadWrite(const QByteArray& name, int extraFlags) {
    if (injected(FileFaults::Operation::Open))
        return -1;
    int fd;
    do {
        fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | extraFlags, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// An existing file is opened as it is; only a missing one is created, so a file that
// cannot be opened for writing is reported and never replaced.
int openOrCreateFile(const QByteArray& name) {
    int fd = openReadWrite(name, 0);
    for (int attempt = 0; fd < 0 && errno == ENOENT && attempt < 3; ++attempt) {
        fd = openReadWrite(name, O_CREAT | O_EXCL);
        if (fd < 0 && errno == EEXIST)
            fd = openReadWrite(name, 0); // another copy created it meanwhile
    }
    return fd;
}

struct flock lockRange(short type) {
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = lockOffset;
    range.l_len = 1;
    return range;
}

// Open-file-description locks belong to this open file only; classic locks are the
// fallback where the kernel lacks them (they are dropped by any close() of the file in
// the process).
int setLock(int fd, short type) {
    struct flock range = lockRange(type);
    int result;
#ifdef F_OFD_SETLK
    do {
        result = ::fcntl(fd, F_OFD_SETLK, &range);
    } while (result < 0 && errno == EINTR);
    if (result == 0 || errno != EINVAL)
        return result;
    range = lockRange(type);
#endif
    do {
        result = ::fcntl(fd, F_SETLK, &range);
    } while (result < 0 && errno == EINTR);
    return result;
}

// What a file system without byte-range locks answers (NFS without its lock service, some
// network and FUSE file systems).
bool locksUnsupported(int error) {
    return error == ENOLCK || error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP;
}

} // namespace

void NativeFile::openOrCreate(const QString& path) {
    close();
    fd_ = openOrCreateFile(QFile::encodeName(path));
    if (fd_ < 0)
        fail(StorageError::Kind::CannotOpen, path, lastError());
}

void NativeFile::openForReading(const QString& path) {
    close();
    do {
        fd_ = injected(FileFaults::Operation::Open)
                  ? -1
                  : ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    } while (fd_ < 0 && errno == EINTR);
    if (fd_ < 0)
        fail(StorageError::Kind::CannotOpen, path, lastError());
}

void NativeFile::createEmpty(const QString& path) {
    close();
    fd_ = openReadWrite(QFile::encodeName(path), O_CREAT | O_TRUNC);
    if (fd_ < 0)
        fail(StorageError::Kind::ReadWrite, path, lastError());
}

// A new or removed name lives in the folder, which has its own flush.
void NativeFile::flushFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    int fd;
    do {
        fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        fail(StorageError::Kind::ReadWrite, path, lastError());
    int result;
    do {
        result = injected(FileFaults::Operation::Flush) ? -1 : ::fsync(fd);
    } while (result < 0 && errno == EINTR);
    const int error = errno;
    ::close(fd);
    // Some shared-folder file systems cannot flush a folder and say so with EINVAL.
    if (result != 0 && error != EINVAL)
        fail(StorageError::Kind::ReadWrite, path, QString::fromLocal8Bit(std::strerror(error)));
}

void NativeFile::removeDurably(const QString& path) {
    if (injected(FileFaults::Operation::Rename) ||
        ::unlink(QFile::encodeName(path).constData()) != 0) {
        if (errno == ENOENT)
            return;
        fail(StorageError::Kind::ReadWrite, path, lastError());
    }
    flushFolderOf(path);
}

void NativeFile::close() {
    if (!isOpen())
        return;
    unlock();
    ::close(fd_);
    fd_ = -1;
}

bool NativeFile::isOpen() const {
    return fd_ >= 0;
}

qint64 NativeFile::size() const {
    struct stat status {};
    if (::fstat(fd_, &status) != 0)
        fail(StorageError::Kind::ReadWrite, QStringLiteral("size"), lastError());
    return status.st_size;
}

qint64 NativeFile::readAt(qint64 offset, char* data, qint64 length) const {
    qint64 done = 0;
    while (done < length) {
        const ssize_t got =
            injected(FileFaults::Operation::Read)
                ? -1
                : ::pread(fd_, data + done, size_t(length - done), off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            fail(StorageError::Kind::ReadWrite, QStringLiteral("read"), lastError());
        if (got == 0)
            break;
        done += got;
    }
    return done;
}

void NativeFile::writeAt(qint64 offset, const char* data, qint64 length) {
    qint64 done = 0;
    while (done < length) {
        const ssize_t written =
            injected(FileFaults::Operation::Write)
                ? -1
                : ::pwrite(fd_, data + done, size_t(length - done), off_t(offset + done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(StorageError::Kind::ReadWrite, QStringLiteral("write"),
                 written < 0 ? lastError() : QStringLiteral("nothing written"));
        done += written;
    }
}

void NativeFile::flushToDisk() {
    int result;
    do {
        result = injected(FileFaults::Operation::Flush) ? -1 : ::fdatasync(fd_);
    } while (result < 0 && errno == EINTR);
    if (result != 0)
        fail(StorageError::Kind::ReadWrite, QStringLiteral("flush"), lastError());
}

bool NativeFile::truncateTo(qint64 size) {
    int result;
    do {
        result = ::ftruncate(fd_, off_t(size));
    } while (result < 0 && errno == EINTR);
    return result == 0;
}

NativeFile::LockAttempt NativeFile::tryLock() {
    int result = -1;
    if (refusedLockErrorForTests != 0)
        errno = refusedLockErrorForTests;
    else if (!injected(FileFaults::Operation::Lock))
        result = setLock(fd_, F_WRLCK);
    if (result == 0)
        return LockAttempt::Taken;
    if (errno == EAGAIN || errno == EACCES)
        return LockAttempt::Busy;
    if (locksUnsupported(errno))
        return LockAttempt::Refused;
    fail(StorageError::Kind::ReadWrite, QStringLiteral("lock"), lastError());
}

void NativeFile::unlock() {
    if (!locked_)
        return;
    setLock(fd_, F_UNLCK);
    locked_ = false;
}

#endif
