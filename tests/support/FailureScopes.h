// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: scopes that make the file layer fail for real inside the test process: a full
// disk by a file-size limit, and a user without root's rights.
#pragma once

#include <csignal>
#include <exception>
#include <stdexcept>
#include <sys/resource.h>
#include <unistd.h>

// Until the scope ends no file may grow past `bytes`; a write beyond fails with EFBIG instead of
// killing the process, as a full disk makes it fail with ENOSPC.
class FileSizeLimitScope {
public:
    explicit FileSizeLimitScope(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (::getrlimit(RLIMIT_FSIZE, &previous_) != 0)
            throw std::runtime_error("cannot read the file-size limit");
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        if (::setrlimit(RLIMIT_FSIZE, &limited) != 0)
            throw std::runtime_error("cannot lower the file-size limit");
    }
    FileSizeLimitScope(const FileSizeLimitScope&) = delete;
    FileSizeLimitScope& operator=(const FileSizeLimitScope&) = delete;
    ~FileSizeLimitScope() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// When the tests run as root, the process acts as user and group "nobody" until the scope ends,
// so that modes such as 0555 and 0000 refuse it; the saved root identity brings it back.
class UnprivilegedScope {
public:
    UnprivilegedScope() {
        if (::geteuid() != 0)
            return;
        if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)
            throw std::runtime_error("cannot act as nobody");
        dropped_ = true;
    }
    UnprivilegedScope(const UnprivilegedScope&) = delete;
    UnprivilegedScope& operator=(const UnprivilegedScope&) = delete;
    ~UnprivilegedScope() {
        if (dropped_ && (::seteuid(0) != 0 || ::setegid(0) != 0))
            std::terminate();
    }

private:
    static constexpr uid_t kNobody = 65534;
    bool dropped_ = false;
};
