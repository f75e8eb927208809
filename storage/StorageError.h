#pragma once

#include <QString>
#include <stdexcept>

// Raised by every failing file step; the screen that started the operation catches it
// and shows its own message.
class StorageError : public std::runtime_error {
public:
    enum class Kind {
        CannotOpen,  // neither opened nor created (no rights, read-only, missing disk)
        WriteFailed, // a settings file could not be written; the old one is left whole
        LockTimeout, // another copy of the program kept the file busy too long
        ReadWrite,   // a read, write or flush failed half-way
        BadData,     // the file holds something that cannot be decoded
        ReadOnly,    // opened for reading only: an interrupted overwrite cannot be completed here
    };

    StorageError(Kind kind, const QString& detail)
        : std::runtime_error(detail.toStdString()), kind_(kind) {}

    Kind kind() const { return kind_; }

private:
    Kind kind_;
};
