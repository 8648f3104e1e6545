// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
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

private:
    int fd_;
};

std::optional<FileError> lastError() {
    return errorFromErrno(errno);
}

std::optional<FileError> writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return lastError();
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

// The umask can only be read by setting it; /proc avoids even that brief change.
mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "Umask:") {
            unsigned value = 0;
            if (status >> std::oct >> value)
                return static_cast<mode_t>(value);
            break;
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A replaced file keeps its permissions; a new one gets what open() would have given it.
mode_t modeForTarget(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0666 & ~currentUmask();
}

std::optional<FileError> fillTemporary(FileDescriptor& file, mode_t mode, std::string_view bytes) {
    if (::fchmod(file.get(), mode) != 0)
        return lastError();
    if (auto error = writeAll(file.get(), bytes))
        return error;
    if (::fsync(file.get()) != 0)
        return lastError();
    if (!file.close())
        return lastError();
    return std::nullopt;
}

// The rename is durable only once the folder itself is flushed; a failure here loses nothing.
void syncFolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.isOpen())
        ::fsync(directory.get());
}

} // namespace

FileError errorFromErrno(int number) {
    return {number, std::strerror(number)};
}

std::optional<FileError> readFileBytes(const std::string& path, std::string& bytes) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen())
        return lastError();
    bytes.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return lastError();
        if (count == 0)
            return std::nullopt;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

namespace {

std::string resolvedLink(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_symlink(path, error))
        return path;
    const std::filesystem::path target = std::filesystem::weakly_canonical(path, error);
    return error ? path : target.string();
}

} // namespace

std::optional<FileError> writeFileAtomically(const std::string& requestedPath,
                                             std::string_view bytes) {
    // A symbolic link keeps pointing where it did: the file it names is the one replaced.
    const std::string path = resolvedLink(requestedPath);
    const mode_t mode = modeForTarget(path);
    std::string temporaryPath = path + ".tmp-XXXXXX";
    FileDescriptor file(::mkstemp(temporaryPath.data()));
    if (!file.isOpen())
        return lastError();
    std::optional<FileError> error = fillTemporary(file, mode, bytes);
    if (!error && ::rename(temporaryPath.c_str(), path.c_str()) != 0)
        error = lastError();
    if (error) {
        file.close();
        ::unlink(temporaryPath.c_str());
        return error;
    }
    syncFolderOf(path);
    return std::nullopt;
}
