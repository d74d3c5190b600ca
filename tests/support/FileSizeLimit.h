#pragma once
// Files may not grow beyond a size while a FileSizeLimit lives. With the signal ignored a write
// past that fails as on a full disk; with the default action the process dies there.

#include <csignal>
#include <sys/resource.h>

struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes, void (*handler)(int) = SIG_IGN)
        : previousHandler(std::signal(SIGXFSZ, handler)) {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    void (*previousHandler)(int);
    rlimit saved{};
};
