// SPDX-License-Identifier: GPL-3.0-or-later
// An open POSIX file descriptor that is closed on every path out of a function, for the file
// routines of this layer.
#pragma once

#include <unistd.h>

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

    // The close result matters after writing: some file systems report write errors only here.
    bool close() {
        if (fd_ < 0)
            return true;
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

    void reset(int fd) {
        close();
        fd_ = fd;
    }

private:
    int fd_;
};
