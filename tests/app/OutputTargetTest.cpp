// SPDX-License-Identifier: GPL-3.0-or-later
// Every output onto every kind of thing a path can name: what arrives, what the writer is told,
// and what stays at the path. Device nodes are made in the test's own folder, never the system's.
#include "OutputKinds.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace {

// Reads a FIFO or pipe on a thread of its own, so a writer can fill it past its buffer.
class PipeReader {
public:
    explicit PipeReader(int fd)
        : fd_(fd)
        , thread_([this] { collect(); }) {}
    PipeReader(const PipeReader&) = delete;
    PipeReader& operator=(const PipeReader&) = delete;
    ~PipeReader() { finish(); }

    // Everything written so far; the writer has finished when this is called.
    std::string finish() {
        if (thread_.joinable()) {
            stop_ = true;
            thread_.join();
            drain();
            ::close(fd_);
        }
        return bytes_;
    }

private:
    void collect() {
        while (!stop_) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 20) > 0)
                drain();
        }
    }
    void drain() {
        char buffer[65536];
        ssize_t count = 0;
        while ((count = ::read(fd_, buffer, sizeof buffer)) > 0)
            bytes_.append(buffer, static_cast<std::size_t>(count));
    }

    int fd_;
    std::atomic<bool> stop_ = false;
    std::string bytes_;
    std::thread thread_;
};

enum class Remains { RegularFile, Link, CharacterDevice, Fifo, Folder, Nothing };

// What a row puts in the folder: the path to write to, and a reader when one listens.
struct Prepared {
    explicit Prepared(std::string where, std::unique_ptr<PipeReader> listener = nullptr,
                      bool notMade = false)
        : path(std::move(where))
        , reader(std::move(listener))
        , skipped(notMade) {}

    std::string path;
    std::unique_ptr<PipeReader> reader;
    bool skipped = false;          // the system does not let the test make this kind of node
    std::shared_ptr<void> heldEnd; // a pipe's write end, open while the row runs
};

struct TargetCase {
    const char* name;
    std::function<Prepared(const TestFolder&)> prepare;
    int error;         // for the wing file, the SVG and the PDF
    int settingsError; // tz.ini must be read before it is rewritten, so only files take it
    Remains remains;
    bool arrivesInFile; // the new content can be read back at the path afterwards
};

Prepared oldFile(const TestFolder& folder, mode_t mode) {
    writeBytes(folder / "out", "old bytes");
    ::chmod((folder / "out").c_str(), mode);
    return Prepared{folder / "out"};
}

// A node of the memory devices (1, 3 null; 1, 7 full); skipped where the folder's file system
// refuses to make or open device nodes.
Prepared deviceNode(const TestFolder& folder, unsigned minor) {
    const std::string path = folder / "device";
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) != 0)
        return Prepared{path, nullptr, true};
    const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (probe < 0)
        return Prepared{path, nullptr, true};
    ::close(probe);
    return Prepared{path};
}

Prepared fifoWithReader(const TestFolder& folder) {
    const std::string path = folder / "fifo";
    ::mkfifo(path.c_str(), 0644);
    // Open before any writer, so the writer finds a reader at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    return Prepared{path, std::make_unique<PipeReader>(fd)};
}

// /dev/stdout of a program whose output goes into a pipe: a /proc link to "pipe:[...]".
Prepared descriptorLinkToPipe(const TestFolder&) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return Prepared{"", nullptr, true};
    Prepared prepared("/proc/self/fd/" + std::to_string(ends[1]),
                      std::make_unique<PipeReader>(ends[0]));
    prepared.heldEnd = std::shared_ptr<void>(nullptr, [fd = ends[1]](void*) { ::close(fd); });
    return prepared;
}

const TargetCase kTargets[] = {
    {"NewFile", [](const TestFolder& f) { return Prepared{f / "out"}; }, 0, 0, Remains::RegularFile,
     true},
    {"RegularFileKeepsItsMode", [](const TestFolder& f) { return oldFile(f, 0640); }, 0, 0,
     Remains::RegularFile, true},
    {"ReadOnlyFileIsRefused", [](const TestFolder& f) { return oldFile(f, 0444); }, EACCES, EACCES,
     Remains::RegularFile, false},
    {"LinkToRegularFile",
     [](const TestFolder& f) {
         oldFile(f, 0644);
         ::symlink("out", (f / "link").c_str());
         return Prepared{f / "link"};
     },
     0, 0, Remains::Link, true},
    {"DanglingLinkCreatesItsFile",
     [](const TestFolder& f) {
         ::mkdir((f / "sub").c_str(), 0755);
         ::symlink("sub/../named", (f / "link").c_str());
         return Prepared{f / "link"};
     },
     0, 0, Remains::Link, true},
    {"NullDevice", [](const TestFolder& f) { return deviceNode(f, 3); }, 0, 54,
     Remains::CharacterDevice, false},
    {"LinkToNullDevice",
     [](const TestFolder& f) {
         Prepared device = deviceNode(f, 3);
         ::symlink("device", (f / "link").c_str());
         device.path = f / "link";
         return device;
     },
     0, 54, Remains::Link, false},
    {"FullDevice", [](const TestFolder& f) { return deviceNode(f, 7); }, ENOSPC, 54,
     Remains::CharacterDevice, false},
    {"FifoWithReader", fifoWithReader, 0, 54, Remains::Fifo, false},
    {"FifoWithoutReaderFailsAtOnce",
     [](const TestFolder& f) {
         ::mkfifo((f / "fifo").c_str(), 0644);
         return Prepared{f / "fifo"};
     },
     ENXIO, 54, Remains::Fifo, false},
    {"DescriptorLinkToPipe", descriptorLinkToPipe, 0, 54, Remains::Nothing, false},
    {"Folder",
     [](const TestFolder& f) {
         ::mkdir((f / "out").c_str(), 0755);
         return Prepared{f / "out"};
     },
     EISDIR, EISDIR, Remains::Folder, false},
    {"MissingFolder", [](const TestFolder& f) { return Prepared{f / "missing/out"}; }, ENOENT,
     ENOENT, Remains::Nothing, false},
};

bool hasKind(const std::string& path, mode_t kind, bool followLink) {
    struct stat info {};
    const int found = followLink ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    return found == 0 && (info.st_mode & S_IFMT) == kind;
}

void expectRemains(Remains remains, const std::string& path) {
    switch (remains) {
    case Remains::RegularFile:
        EXPECT_TRUE(hasKind(path, S_IFREG, false));
        break;
    case Remains::Link:
        EXPECT_TRUE(hasKind(path, S_IFLNK, false));
        break;
    case Remains::CharacterDevice:
        EXPECT_TRUE(hasKind(path, S_IFCHR, false));
        break;
    case Remains::Fifo:
        EXPECT_TRUE(hasKind(path, S_IFIFO, false));
        break;
    case Remains::Folder:
        EXPECT_TRUE(hasKind(path, S_IFDIR, false));
        break;
    case Remains::Nothing:
        if (!path.starts_with("/proc/")) {
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(path)));
        }
        break;
    }
}

mode_t modeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

class OutputTargets : public testing::TestWithParam<TargetCase> {
protected:
    OutputWriter writer;
};

TEST_P(OutputTargets, WriteWhatThePathNamesOrSayWhy) {
    const TargetCase& row = GetParam();
    for (const OutputKind kind : kOutputKinds) {
        SCOPED_TRACE(outputName(kind));
        const TestFolder folder;
        Prepared target = row.prepare(folder);
        if (target.skipped)
            GTEST_SKIP() << "this system does not let the test make the node for " << row.name;
        // Only a regular file may be opened to look: a FIFO would wait for a writer.
        const bool regularBefore = hasKind(target.path, S_IFREG, true);
        const std::string before = regularBefore ? readBytes(target.path) : std::string();
        const mode_t modeBefore = modeOf(target.path);
        const int expected = kind == OutputKind::Settings ? row.settingsError : row.error;

        EXPECT_EQ(writer.write(kind, target.path), expected) << writer.errors();

        const std::string received = target.reader ? target.reader->finish() : std::string();
        const std::string signature = signatureOf(kind);
        expectRemains(row.remains, target.path);
        if (expected != 0) {
            if (regularBefore) {
                EXPECT_EQ(readBytes(target.path), before);
            }
            EXPECT_TRUE(received.empty());
        } else if (row.arrivesInFile) {
            EXPECT_NE(readBytes(target.path).find(signature), std::string::npos);
        } else if (target.reader) {
            EXPECT_TRUE(received.starts_with(signature)) << received.substr(0, 40);
        }
        if (modeBefore != 0) {
            EXPECT_EQ(modeOf(target.path), modeBefore);
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            EXPECT_EQ(entry.path().filename().string().find(".tmp-"), std::string::npos)
                << entry.path();
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OutputTargets, testing::ValuesIn(kTargets),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
