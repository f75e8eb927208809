#pragma once

#include <QString>
#include <optional>

// The password is kept in the program folder's unins000.dll (an INI file, section "Accesso",
// key "Valore"), scrambled into upper-case hexadecimal pairs, never in clear.

QString ScrambleText(const QString& plain);
// Raises std::invalid_argument when a pair is not a hexadecimal number.
QString UnscrambleText(const QString& hex);

QString passwordStorePath();

// The stored password, trimmed; empty when the store, its section or its key is missing.
// Raises StorageError when the store cannot be read, std::invalid_argument when it is corrupt.
QString readStoredPassword();

class IniFile;
// The password held by a store already read.
QString storedPasswordIn(const IniFile& store);

// Stores the password in its compared form (trimmed, a-z in capitals), keeping the rest of
// the store; the file is replaced atomically. Raises StorageError on failure.
void storePassword(const QString& password);

// Whether what was typed is the stored password: blanks at the ends ignored, letters a-z
// without regard to case, every other character exactly.
bool matchesStoredPassword(const QString& typed, const QString& stored);

// Why a new password cannot be stored faithfully, as a message for the user; nothing when
// it can.
std::optional<QString> newPasswordProblem(const QString& password);
