#pragma once

#include "storage/StorageError.h"

// Exit codes of storage_child, the helper program the storage tests run as a separate
// process wherever a check needs one (another copy of the program, another user, a kill).
namespace StorageChild {

constexpr int finished = 0;
constexpr int badArguments = 64;
constexpr int couldNotDropPrivileges = 77;

constexpr int exitCodeFor(StorageError::Kind kind) {
    return 100 + int(kind);
}

// Printed by the overwrite loop once its first overwrite is done.
constexpr char overwriting[] = "overwriting";

} // namespace StorageChild
