// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/OutputFile.h"

#include "base/FileDescriptor.h"
#include "base/StandardStreams.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <pthread.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kTemporaryTag = ".tmp-";
constexpr std::string_view kSuffixCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kSuffixLength = 6; // as mkstemp's XXXXXX
constexpr int kMostLinks = 40;           // the kernel's own limit for one path

std::optional<FileError> lastError() {
    return errorFromErrno(errno);
}

std::string nameOf(const std::string& path) {
    return path.substr(folderOf(path).size());
}

std::string folderToOpen(const std::string& path) {
    const std::string folder = folderOf(path);
    return folder.empty() ? std::string(".") : folder;
}

// A reader that went away must give EPIPE, not end the program with SIGPIPE: the window would
// lose the wing being edited. A signal raised meanwhile is taken back before unblocking.
class PipeSignalBlocked {
public:
    PipeSignalBlocked() {
        sigemptyset(&pipeSignal_);
        sigaddset(&pipeSignal_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipeSignal_, &previous_);
    }
    PipeSignalBlocked(const PipeSignalBlocked&) = delete;
    PipeSignalBlocked& operator=(const PipeSignalBlocked&) = delete;
    ~PipeSignalBlocked() {
        if (!alreadyPending_) {
            const timespec noWait{};
            while (sigtimedwait(&pipeSignal_, nullptr, &noWait) == SIGPIPE) {
            }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }

private:
    sigset_t pipeSignal_{};
    sigset_t previous_{};
    bool alreadyPending_ = false;
};

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

enum class TargetKind { Missing, Regular, Direct };

struct Target {
    std::string path; // the file itself, every symbolic link followed
    TargetKind kind = TargetKind::Missing;
    struct stat info {};
};

std::optional<FileError> readLink(const std::string& path, std::string& link) {
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
    if (length < 0)
        return lastError();
    if (static_cast<std::size_t>(length) == buffer.size())
        return errorFromErrno(ENAMETOOLONG);
    link.assign(buffer.data(), static_cast<std::size_t>(length));
    return std::nullopt;
}

std::optional<FileError> classify(std::string path, const struct stat& info, Target& target) {
    if (S_ISDIR(info.st_mode))
        return errorFromErrno(EISDIR);
    target = {std::move(path), S_ISREG(info.st_mode) ? TargetKind::Regular : TargetKind::Direct,
              info};
    return std::nullopt;
}

// Links are followed one by one so that the file to replace is known by a path in its own
// folder, where the temporary file must lie. The descriptor links under /proc name no such path
// ("pipe:[...]"), so the file behind them is written through them.
std::optional<FileError> resolveTarget(std::string path, Target& target) {
    for (int hop = 0; hop <= kMostLinks; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0) {
            if (errno != ENOENT)
                return lastError();
            target = {std::move(path), TargetKind::Missing, {}};
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode))
            return classify(std::move(path), info, target);
        if (path.starts_with("/proc/")) {
            if (::stat(path.c_str(), &info) != 0)
                return lastError();
            if (auto error = classify(path, info, target))
                return error;
            target.kind = TargetKind::Direct;
            return std::nullopt;
        }
        std::string link;
        if (auto error = readLink(path, link))
            return error;
        path = link.starts_with('/') ? link : folderOf(path).append(link);
    }
    return errorFromErrno(ELOOP);
}

// root may write anything, yet a file without any write bit is read-only for root as well.
std::optional<FileError> refuseReadOnly(const Target& target) {
    if ((target.info.st_mode & 0222) == 0)
        return errorFromErrno(EACCES);
    if (::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
        return lastError();
    return std::nullopt;
}

// Non-blocking only while opening: a FIFO without a reader fails instead of hanging; the
// writes then wait for the reader as usual.
std::optional<FileError> writeDirectly(const Target& target, std::string_view bytes) {
    const bool regular = S_ISREG(target.info.st_mode);
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK | (regular ? O_TRUNC : 0);
    const PipeSignalBlocked noPipeSignal;
    FileDescriptor file(::open(target.path.c_str(), flags));
    if (!file.isOpen())
        return lastError();
    const int status = ::fcntl(file.get(), F_GETFL);
    if (status < 0 || ::fcntl(file.get(), F_SETFL, status & ~O_NONBLOCK) != 0)
        return lastError();
    if (auto error = writeAll(file.get(), bytes))
        return error;
    if (regular && ::fsync(file.get()) != 0)
        return lastError();
    if (!file.close())
        return lastError();
    return std::nullopt;
}

std::string randomSuffix() {
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, kSuffixCharacters.size() - 1);
    std::string suffix(kSuffixLength, ' ');
    for (char& character : suffix)
        character = kSuffixCharacters[pick(generator)];
    return suffix;
}

// The new content on its way: written, synced and closed before it takes the target's name.
// A second descriptor holds a lock on it until then, which tells a concurrent save that it is
// not a stale one; a named temporary that is never committed is removed.
class Temporary {
public:
    Temporary() = default;
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    ~Temporary() { discard(); }

    // O_TMPFILE has no name until it is linked, so a crash before that leaves nothing behind.
    // False, without an error, where the file system cannot do it.
    std::optional<FileError> openUnnamed(const std::string& target, bool& opened) {
        file_.reset(::open(folderToOpen(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        opened = file_.isOpen();
        if (opened) {
            lockSelf("/proc/self/fd/" + std::to_string(file_.get()), 0);
            return std::nullopt;
        }
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)
            return std::nullopt;
        return lastError();
    }

    std::optional<FileError> openNamed(const std::string& target) {
        discard();
        std::string pattern = target + std::string(kTemporaryTag) + "XXXXXX";
        file_.reset(::mkostemp(pattern.data(), O_CLOEXEC));
        if (!file_.isOpen())
            return lastError();
        path_ = std::move(pattern);
        lockSelf(path_, O_NOFOLLOW);
        return std::nullopt;
    }

    // Gives the unnamed file its temporary name; false where the system cannot link it.
    bool linkUnnamed(const std::string& target) {
        const std::string self = "/proc/self/fd/" + std::to_string(file_.get());
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = target + std::string(kTemporaryTag) + randomSuffix();
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(file_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
                path_ = std::move(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    std::optional<FileError> fill(const Target& target, std::string_view bytes) {
        mode_t mode = 0666 & ~currentUmask();
        if (target.kind == TargetKind::Regular) {
            mode = target.info.st_mode & 07777;
            // Only root may give a file away; for others this keeps at most the group.
            if (target.info.st_uid != ::geteuid() || target.info.st_gid != ::getegid())
                static_cast<void>(::fchown(file_.get(), target.info.st_uid, target.info.st_gid));
        }
        if (::fchmod(file_.get(), mode) != 0)
            return lastError();
        if (auto error = writeAll(file_.get(), bytes))
            return error;
        if (::fsync(file_.get()) != 0)
            return lastError();
        return std::nullopt;
    }

    std::optional<FileError> commit(const std::string& target) {
        if (!file_.close())
            return lastError();
        if (::rename(path_.c_str(), target.c_str()) != 0)
            return lastError();
        path_.clear();
        lock_.close();
        return std::nullopt;
    }

private:
    void lockSelf(const std::string& path, int followFlag) {
        lock_.reset(::open(path.c_str(), O_RDONLY | followFlag | O_CLOEXEC));
        if (lock_.isOpen())
            ::flock(lock_.get(), LOCK_EX);
    }

    void discard() {
        file_.close();
        if (!path_.empty())
            ::unlink(path_.c_str());
        path_.clear();
        lock_.close();
    }

    FileDescriptor file_;
    FileDescriptor lock_;
    std::string path_;
};

// The rename is durable only once the folder itself is flushed; a failure here loses nothing.
void syncFolderOf(const std::string& path) {
    const FileDescriptor folder(
        ::open(folderToOpen(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get());
}

bool isTemporaryName(std::string_view name, std::string_view targetName) {
    if (name.size() != targetName.size() + kTemporaryTag.size() + kSuffixLength ||
        !name.starts_with(targetName) ||
        name.substr(targetName.size(), kTemporaryTag.size()) != kTemporaryTag)
        return false;
    return name.substr(name.size() - kSuffixLength).find_first_not_of(kSuffixCharacters) ==
           std::string_view::npos;
}

// Only regular files of this user that no running save holds locked are taken for stale.
void removeStaleTemporaries(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string targetName = nameOf(target);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folderToOpen(target).c_str()),
                                                      ::closedir);
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing.get())) {
        if (!isTemporaryName(entry->d_name, targetName))
            continue;
        const std::string path = folder + entry->d_name;
        const FileDescriptor file(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat info {};
        if (!file.isOpen() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
            info.st_uid != ::geteuid())
            continue;
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
    }
}

std::optional<FileError> replaceAtomically(const Target& target, std::string_view bytes) {
    Temporary temporary;
    bool unnamed = false;
    if (auto error = temporary.openUnnamed(target.path, unnamed))
        return error;
    if (unnamed) {
        if (auto error = temporary.fill(target, bytes))
            return error;
        // Without /proc and the right to link by descriptor, start again with a named file.
        unnamed = temporary.linkUnnamed(target.path);
    }
    if (!unnamed) {
        if (auto error = temporary.openNamed(target.path))
            return error;
        if (auto error = temporary.fill(target, bytes))
            return error;
    }
    if (auto error = temporary.commit(target.path))
        return error;
    syncFolderOf(target.path);
    removeStaleTemporaries(target.path);
    return std::nullopt;
}

} // namespace

std::optional<FileError> writeOutputFile(const std::string& path, std::string_view bytes) {
    Target target;
    if (auto error = resolveTarget(path, target))
        return error;
    switch (target.kind) {
    case TargetKind::Direct:
        return writeDirectly(target, bytes);
    case TargetKind::Regular:
        if (auto error = refuseReadOnly(target))
            return error;
        break;
    case TargetKind::Missing:
        break;
    }
    return replaceAtomically(target, bytes);
}

std::optional<FileError> writeStandardOutput(std::string_view bytes) {
    const PipeSignalBlocked noPipeSignal;
    std::optional<FileError> error = writeAll(STDOUT_FILENO, bytes);
    if (error && error->number == EBADF)
        return kStandardOutputClosed;
    return error;
}

std::optional<FileError> removeFileIfPresent(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        return errorFromErrno(errno);
    return std::nullopt;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
