// Wing files as they arrive from old disks, e-mail and hand edits: each bad file either opens
// with a stated result or fails with the platform's error, and a failed save loses nothing.
#include "CalculateWing.h"
#include "FailureScopes.h"
#include "TestFolder.h"
#include "WingFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace {

const std::string kTwoPanelBlock = "V2M-Please don't Delete ....\r\n"
                                   "300\r\n200\r\n400\r\n50\r\n"
                                   "200\r\n100\r\n300\r\n150\r\n"
                                   "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                   "25\r\n1500\r\n";

WingFields TwoPanelFields() {
    WingFields fields = ClearedFields();
    EXPECT_EQ(LoadWingFileText(kTwoPanelBlock, fields), std::nullopt);
    return fields;
}

// A block whose 22 field lines are all the same text.
std::string BlockOfEveryField(const std::string& text) {
    std::string block = "V2M-Please don't Delete ....\r\n";
    for (int line = 0; line < 22; ++line)
        block += text + "\r\n";
    return block;
}

// Bytes of every value in a fixed scramble, with line breaks among them, like a picture file.
std::string BinaryBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 167 + i / 256 * 13) & 0xFF);
    return bytes;
}

std::string Repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct BadFileCase {
    const char* name;
    std::function<std::string()> bytes;
    std::optional<int> errorNumber;                // what Open reports, when it fails
    std::function<void(const WingFields&)> opened; // what the form shows, when it opens
};

const BadFileCase kBadFiles[] = {
    {"EmptyOpensAClearedForm", [] { return std::string(); }, std::nullopt,
     [](const WingFields& fields) {
         EXPECT_EQ(fields, ClearedFields());
     }},
    {"TenMegabytesOfBlocksOpen",
     [] { return Repeat(kTwoPanelBlock, 10'000'000 / kTwoPanelBlock.size()); }, std::nullopt,
     [](const WingFields& fields) {
         EXPECT_EQ(fields, TwoPanelFields());
     }},
    {"TenMegabyteLineEndsEarly", [] { return std::string(10'000'000, '7'); }, 62, {}},
    {"BinaryEndsEarly", [] { return BinaryBytes(65536); }, 62, {}},
    {"NulBytesStayInTheirFields",
     [] {
         std::string block = kTwoPanelBlock;
         block.replace(block.find("300"), 3, std::string("300\0\0x", 6));
         return block;
     },
     std::nullopt,
     [](const WingFields& fields) {
         EXPECT_EQ(fields.C_max[0], std::string("300\0\0x", 6));
         WingPlanform planform;
         WingResults results;
         EXPECT_EQ(CalculateWing(fields, ".", planform, results).outcome, CalcOutcome::Ok);
         EXPECT_EQ(planform.rootChord[0], 300); // the digits before the first NUL count
     }},
    {"HundredThousandCharacterLinesOpenWhole",
     [] { return BlockOfEveryField("250" + std::string(99'997, 'x')); }, std::nullopt,
     [](const WingFields& fields) {
         EXPECT_EQ(fields.masse.size(), 100'000u);
         EXPECT_EQ(fields.C_min[4], "250" + std::string(99'997, 'x'));
     }},
};

class BadWingFile : public testing::TestWithParam<BadFileCase> {};

TEST_P(BadWingFile, OpensOrSaysWhy) {
    TestFolder folder;
    WriteBytes(folder / "wing.txt", GetParam().bytes());
    WingFields fields = ClearedFields();
    const std::optional<FileError> error = LoadWingFile(folder / "wing.txt", fields);
    if (GetParam().errorNumber) {
        ASSERT_TRUE(error);
        EXPECT_EQ(error->number, *GetParam().errorNumber);
    } else {
        ASSERT_EQ(error, std::nullopt) << error->description;
        GetParam().opened(fields);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BadWingFile, testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BadWingFileTest, AFolderCannotBeOpened) {
    TestFolder folder;
    std::filesystem::create_directory(folder / "wing.txt");
    WingFields fields = ClearedFields();
    EXPECT_EQ(LoadWingFile(folder / "wing.txt", fields), ErrorFromErrno(EISDIR));
}

TEST(BadWingFileTest, AnUnreadableFileCannotBeOpened) {
    TestFolder folder;
    WriteBytes(folder / "wing.txt", kTwoPanelBlock);
    ::chmod(folder.Path().c_str(), 0755);
    ::chmod((folder / "wing.txt").c_str(), 0);
    EXPECT_TRUE(RunUnprivileged([&] {
        WingFields fields = ClearedFields();
        return LoadWingFile(folder / "wing.txt", fields) == ErrorFromErrno(EACCES);
    }));
}

// Names a modeller may type: blanks, quotes, semicolons, letters beyond ASCII, in the folder too.
TEST(BadWingFileTest, AwkwardPathsSaveAndOpen) {
    TestFolder folder;
    const std::string awkwardFolder = folder / "mes ailes; \"2024\"";
    std::filesystem::create_directory(awkwardFolder);
    const WingFields fields = TwoPanelFields();
    for (const std::string name : {"my wing.txt", "say \"hi\" 'there'.txt", "a;b; c.txt",
                                   "aile fl\xc3\xa8"
                                   "che \xc3\x84\xc3\x9f \xe7\xbf\xbc.txt",
                                   "; rm -rf $HOME `x` $(y) | z &.txt"}) {
        const std::string path = awkwardFolder + "/" + name;
        ASSERT_EQ(SaveWingFile(path, fields), std::nullopt) << name;
        WingFields opened = ClearedFields();
        EXPECT_EQ(LoadWingFile(path, opened), std::nullopt) << name;
        EXPECT_EQ(opened, fields) << name;
        EXPECT_EQ(BareFileName(path), name);
    }
}

void ExpectSaveFailureKeepsTheOldFile(const TestFolder& folder, int expectedError,
                                      const std::function<std::optional<FileError>()>& save) {
    const std::string before = ReadBytes(folder / "wing.txt");
    const std::optional<FileError> error = save();
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, ErrorFromErrno(expectedError));
    EXPECT_EQ(ReadBytes(folder / "wing.txt"), before);
}

TEST(BadWingFileTest, SaveBeyondTheFileSizeLimitKeepsTheOldFile) {
    TestFolder folder;
    ASSERT_EQ(SaveWingFile(folder / "wing.txt", ClearedFields()), std::nullopt);
    ExpectSaveFailureKeepsTheOldFile(folder, EFBIG, [&] {
        const FileSizeLimitScope limit(16);
        return SaveWingFile(folder / "wing.txt", TwoPanelFields());
    });
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"wing.txt"});
}

// Fills a 64 KiB tmpfs mounted over the folder in a mount namespace of a child process.
// Exit status 77 when this process may not mount (not root, or no namespaces).
int SaveOnAFullDisk(const TestFolder& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", folder.Path().c_str(), "tmpfs", 0, "size=64k") != 0)
            ::_exit(77);
        if (SaveWingFile(folder / "wing.txt", ClearedFields()))
            ::_exit(2);
        const int filler = ::open((folder / "filler").c_str(), O_WRONLY | O_CREAT, 0644);
        const std::string block(4096, 'f');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
        const std::string before = ReadBytes(folder / "wing.txt");
        const std::optional<FileError> error = SaveWingFile(folder / "wing.txt", TwoPanelFields());
        const bool kept = error && error->number == ENOSPC &&
                          ReadBytes(folder / "wing.txt") == before &&
                          folder.Names() == std::vector<std::string>{"filler", "wing.txt"};
        ::_exit(kept ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(BadWingFileTest, SaveOnAFullDiskKeepsTheOldFile) {
    TestFolder folder;
    const int status = SaveOnAFullDisk(folder);
    if (status == 77)
        GTEST_SKIP() << "no tmpfs can be mounted here; the file-size limit test stands in";
    EXPECT_EQ(status, 0);
}

} // namespace
