#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, every write of this process past the first byte of a file fails (EFBIG),
// root included: a full disk or a quota reached in the middle of a save.
class NoFileWrites {
public:
    NoFileWrites() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit none = saved_;
        none.rlim_cur = 0;
        setrlimit(RLIMIT_FSIZE, &none);
    }
    ~NoFileWrites() { setrlimit(RLIMIT_FSIZE, &saved_); }
    NoFileWrites(const NoFileWrites&) = delete;
    NoFileWrites& operator=(const NoFileWrites&) = delete;

private:
    rlimit saved_{};
};
