// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextFile.h"

#include "base/FileDescriptor.h"
#include "base/StandardStreams.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

std::optional<FileError> lastError() {
    return errorFromErrno(errno);
}

std::optional<FileError> checkSize(const struct stat& info, std::size_t limit) {
    if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) > limit)
        return kFileTooLarge;
    return std::nullopt;
}

// Only a regular file within the limit is read.
std::optional<FileError> checkReadable(const struct stat& info, std::size_t limit) {
    if (S_ISDIR(info.st_mode))
        return errorFromErrno(EISDIR);
    if (!S_ISREG(info.st_mode))
        return kNotARegularFile;
    return checkSize(info, limit);
}

// One byte more than the limit is asked for, so a file that grew, or a pipe, is caught too.
std::optional<FileError> readUpTo(int fd, std::string& bytes, std::size_t limit) {
    bytes.clear();
    char buffer[16384];
    for (;;) {
        const std::size_t wanted = std::min(sizeof buffer, limit + 1 - bytes.size());
        const ssize_t count = ::read(fd, buffer, wanted);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return lastError();
        if (count == 0)
            return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > limit) {
            bytes.clear();
            return kFileTooLarge;
        }
    }
}

std::optional<FileError> readWholeStandardInput(std::string& bytes, std::size_t limit) {
    bytes.clear();
    struct stat info {};
    if (::fstat(STDIN_FILENO, &info) != 0)
        return lastError();
    if (S_ISDIR(info.st_mode))
        return errorFromErrno(EISDIR);
    if (auto error = checkSize(info, limit))
        return error;
    return readUpTo(STDIN_FILENO, bytes, limit);
}

} // namespace

FileError errorFromErrno(int number) {
    return {number, std::strerror(number)};
}

// The type is checked before the file is opened, since opening a device can already do
// something; the descriptor is checked again in case the name changed in between.
std::optional<FileError> readFileBytes(const std::string& path, std::string& bytes,
                                       std::size_t limit) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return lastError();
    if (auto error = checkReadable(info, limit))
        return error;
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen())
        return lastError();
    if (::fstat(file.get(), &info) != 0)
        return lastError();
    if (auto error = checkReadable(info, limit))
        return error;
    return readUpTo(file.get(), bytes, limit);
}

std::optional<FileError> readStandardInput(std::string& bytes, std::size_t limit) {
    std::optional<FileError> error = readWholeStandardInput(bytes, limit);
    if (error && error->number == EBADF)
        return kStandardInputClosed;
    return error;
}
