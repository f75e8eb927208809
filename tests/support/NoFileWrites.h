#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, every write of this process past the given size of a file (none by default)
// fails (EFBIG), root included: a full disk or a quota reached in the middle of a save.
class NoFileWrites {
public:
    explicit NoFileWrites(rlim_t bytesAllowed = 0) {
        // Ignored, so the write fails with EFBIG instead of the signal ending the process.
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &savedSignal_);
        getrlimit(RLIMIT_FSIZE, &savedLimit_);
        rlimit none = savedLimit_;
        none.rlim_cur = bytesAllowed;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileWrites() {
        setrlimit(RLIMIT_FSIZE, &savedLimit_);
        sigaction(SIGXFSZ, &savedSignal_, nullptr);
    }
    NoFileWrites(const NoFileWrites&) = delete;
    NoFileWrites& operator=(const NoFileWrites&) = delete;

private:
    rlimit savedLimit_{};
    struct sigaction savedSignal_ {};
};
