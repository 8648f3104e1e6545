// SPDX-License-Identifier: GPL-3.0-or-later
// The one bounded read: whatever the path names, it returns at once with the file's bytes or an
// error, and never holds more than the limit in memory.
#include "base/TextFile.h"

#include "support/TestFolder.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::size_t kTwoGigabytes = std::size_t{2} << 30;

long peakMemoryKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

struct ReadCase {
    const char* name;
    std::function<std::string(const TestFolder&)> make; // returns the path to read
    std::optional<int> error;                           // errno or file-layer code
    std::size_t size = 0;                               // bytes read when there is no error
};

std::string regularFile(const TestFolder& folder, std::size_t size) {
    writeBytes(folder / "file", std::string(size, 'x'));
    return folder / "file";
}

const ReadCase kReadCases[] = {
    {"SmallFile", [](const TestFolder& f) { return regularFile(f, 300); }, std::nullopt, 300},
    {"EmptyFile", [](const TestFolder& f) { return regularFile(f, 0); }, std::nullopt, 0},
    {"ExactlyTheLimit", [](const TestFolder& f) { return regularFile(f, kInputFileLimit); },
     std::nullopt, kInputFileLimit},
    {"OneByteOverTheLimit", [](const TestFolder& f) { return regularFile(f, kInputFileLimit + 1); },
     kFileTooLarge.number},
    {"SparseTwoGigabytes",
     [](const TestFolder& f) {
         const std::string path = f / "sparse";
         const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
         EXPECT_EQ(::ftruncate(fd, static_cast<off_t>(kTwoGigabytes)), 0);
         ::close(fd);
         return path;
     },
     kFileTooLarge.number},
    {"FifoWithoutWriter",
     [](const TestFolder& f) {
         ::mkfifo((f / "fifo").c_str(), 0644);
         return f / "fifo";
     },
     kNotARegularFile.number},
    {"LinkToFifo",
     [](const TestFolder& f) {
         ::mkfifo((f / "fifo").c_str(), 0644);
         ::symlink("fifo", (f / "link").c_str());
         return f / "link";
     },
     kNotARegularFile.number},
    {"DevZero", [](const TestFolder&) { return std::string("/dev/zero"); },
     kNotARegularFile.number},
    {"DevNull", [](const TestFolder&) { return std::string("/dev/null"); },
     kNotARegularFile.number},
    {"Folder", [](const TestFolder& f) { return f.path(); }, EISDIR},
    {"Missing", [](const TestFolder& f) { return f / "missing"; }, ENOENT},
    {"LinkToRegular",
     [](const TestFolder& f) {
         regularFile(f, 5);
         ::symlink("file", (f / "link").c_str());
         return f / "link";
     },
     std::nullopt, 5},
};

class ReadFileBytes : public testing::TestWithParam<ReadCase> {};

// A refused file is never read: memory stays far below the 2 GB a read would take.
TEST_P(ReadFileBytes, ReturnsTheBytesOrAnErrorAtOnce) {
    const TestFolder folder;
    const std::string path = GetParam().make(folder);
    const long peakBefore = peakMemoryKilobytes();
    std::string bytes = "left over";
    const std::optional<FileError> error = readFileBytes(path, bytes);
    EXPECT_LT(peakMemoryKilobytes() - peakBefore, 50L * 1024);
    if (GetParam().error) {
        ASSERT_TRUE(error.has_value());
        EXPECT_EQ(error->number, *GetParam().error);
        EXPECT_FALSE(error->description.empty());
        EXPECT_TRUE(bytes.empty());
    } else {
        EXPECT_EQ(error, std::nullopt);
        EXPECT_EQ(bytes.size(), GetParam().size);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadFileBytes, testing::ValuesIn(kReadCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Standard input stands in for a pipe from another program: it is read, but only so far.
class StandardInputFromPipe {
public:
    explicit StandardInputFromPipe(std::string bytes) {
        int ends[2];
        if (::pipe(ends) != 0)
            throw std::runtime_error("no pipe");
        savedInput_ = ::dup(STDIN_FILENO);
        ::dup2(ends[0], STDIN_FILENO);
        ::close(ends[0]);
        writer_ = std::thread([fd = ends[1], bytes = std::move(bytes)] {
            sigset_t pipeSignal; // a reader that stops early gives EPIPE, not the signal
            sigemptyset(&pipeSignal);
            sigaddset(&pipeSignal, SIGPIPE);
            pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);
            std::string_view rest = bytes;
            while (!rest.empty()) {
                const ssize_t written = ::write(fd, rest.data(), rest.size());
                if (written <= 0)
                    break; // the reader stopped early
                rest.remove_prefix(static_cast<std::size_t>(written));
            }
            ::close(fd);
        });
    }
    StandardInputFromPipe(const StandardInputFromPipe&) = delete;
    StandardInputFromPipe& operator=(const StandardInputFromPipe&) = delete;
    ~StandardInputFromPipe() {
        ::dup2(savedInput_, STDIN_FILENO); // closes the reading end, so the writer ends
        ::close(savedInput_);
        writer_.join();
    }

private:
    int savedInput_ = -1;
    std::thread writer_;
};

TEST(ReadStandardInput, ReadsAPipeUpToTheLimit) {
    const struct {
        std::size_t size;
        std::optional<int> error;
    } rows[] = {{0, std::nullopt},
                {70'000, std::nullopt},
                {kInputFileLimit, std::nullopt},
                {3 * kInputFileLimit, kFileTooLarge.number}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.size);
        std::string bytes;
        std::optional<FileError> error;
        {
            const StandardInputFromPipe input(std::string(row.size, 'w'));
            error = readStandardInput(bytes);
        }
        EXPECT_EQ(error.has_value(), row.error.has_value());
        if (row.error) {
            EXPECT_EQ(error->number, *row.error);
        } else {
            EXPECT_EQ(bytes.size(), row.size);
        }
    }
}

} // namespace
