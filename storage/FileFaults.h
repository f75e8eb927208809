#pragma once

// Test seam: the Nth call of one file operation fails with the error a disk gives, so that
// every save can be shown to leave the old files whole. Consulted by NativeFile and
// WholeFileWriter just before their system calls; one flag test when unarmed.
namespace FileFaults {

// Flush covers a folder's flush too; Rename any name put in place or removed.
enum class Operation { Open, Read, Write, Flush, Lock, Rename };
enum class Error { NoSpace, IoError, AccessDenied, Busy };

// From now on the calls of every operation are counted, and call number `call` (1 for the
// next one) of this operation fails; 0 fails none, to count the calls a save makes.
void armForTests(Operation operation, int call, Error error);
void disarmForTests();
int callsCountedForTests(Operation operation); // since arming

// At a system-call point: the platform's error number for the injected failure, or 0.
int injectedError(Operation operation);

} // namespace FileFaults
