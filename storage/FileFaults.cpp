#include "storage/FileFaults.h"

#include <array>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#endif

namespace FileFaults {
namespace {

bool armed = false;
Operation armedOperation = Operation::Open;
int failingCall = 0;
Error armedError = Error::IoError;
std::array<int, 6> counted{}; // calls of each operation since arming

// What the platform's own calls report for each failure, in the order of Error.
#ifdef _WIN32
constexpr std::array<int, 4> platformErrors = {ERROR_DISK_FULL, ERROR_IO_DEVICE,
                                               ERROR_ACCESS_DENIED, ERROR_SHARING_VIOLATION};
#else
constexpr std::array<int, 4> platformErrors = {ENOSPC, EIO, EACCES, EBUSY};
#endif

} // namespace

void armForTests(Operation operation, int call, Error error) {
    armed = true;
    armedOperation = operation;
    failingCall = call;
    armedError = error;
    counted = {};
}

void disarmForTests() {
    armed = false;
    counted = {};
}

int callsCountedForTests(Operation operation) {
    return counted[std::size_t(operation)];
}

int injectedError(Operation operation) {
    if (!armed)
        return 0;
    const int call = ++counted[std::size_t(operation)];
    return operation == armedOperation && call == failingCall
               ? platformErrors[std::size_t(armedError)]
               : 0;
}

} // namespace FileFaults
