// SPDX-License-Identifier: GPL-3.0-or-later
// Language files and sketches as other systems leave them: extensions in capitals, names in
// Windows-1252, folders and links among them; and the folders the settings file needs.
#include "base/NamedFiles.h"

#include "base/MakeFolders.h"
#include "support/FailureScopes.h"
#include "support/TestFolder.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kFrenchUtf8 = "Fran\xc3\xa7"
                                "ais";
const std::string kFrench1252 = "Fran\xe7"
                                "ais";

std::vector<std::string> namesOf(const std::vector<NamedFile>& files) {
    std::vector<std::string> names;
    for (const NamedFile& file : files)
        names.push_back(file.name);
    return names;
}

TEST(NamedFilesTest, ListsEveryCaseOfTheExtensionAndDecodesOldNames) {
    TestFolder folder;
    for (const std::string& name :
         {std::string("English.lng"), std::string("Deutsch.LNG"), std::string("Nederlands.Lng"),
          kFrench1252 + ".lng", std::string(".lng"), std::string("notes.txt"),
          std::string("x.lng.bak"), std::string("lng")})
        writeBytes(folder / name, "[Label]\r\n");
    std::filesystem::create_directory(folder / "Folder.lng");
    std::filesystem::create_symlink(folder / "English.lng", folder / "Linked.lng");
    std::filesystem::create_symlink(folder / "missing", folder / "Dangling.lng");

    const std::vector<NamedFile> files = listNamedFiles(folder.path(), ".lng");
    const std::vector<std::string> expected = {"Deutsch", "English", kFrenchUtf8, "Linked",
                                               "Nederlands"};
    EXPECT_EQ(namesOf(files), expected);
    // The old name is shown decoded and still opened by its own bytes.
    EXPECT_EQ(files[2].path, folder / (kFrench1252 + ".lng"));
    EXPECT_EQ(files[0].path, folder / "Deutsch.LNG");
}

TEST(NamedFilesTest, MissingFolderOrFileGivesNothing) {
    TestFolder folder;
    EXPECT_TRUE(listNamedFiles(folder / "missing", ".lng").empty());
    EXPECT_EQ(findNamedFile(folder.path(), "English", ".lng"), std::nullopt);
    writeBytes(folder / "plain", "");
    EXPECT_TRUE(listNamedFiles(folder / "plain", ".lng").empty());
}

struct FindCase {
    const char* name;
    std::vector<std::string> files;
    std::string wanted;
    std::optional<std::string> found;
};

const FindCase kFindCases[] = {
    {"ExactName", {"English.lng"}, "English", "English.lng"},
    {"CapitalExtension", {"Deutsch.LNG"}, "Deutsch", "Deutsch.LNG"},
    {"OldNameByItsDisplayName", {kFrench1252 + ".lng"}, kFrenchUtf8, kFrench1252 + ".lng"},
    {"ExactWinsOverOldName",
     {kFrench1252 + ".lng", kFrenchUtf8 + ".lng"},
     kFrenchUtf8,
     kFrenchUtf8 + ".lng"},
    {"OtherLetterCaseOfTheNameIsAnotherLanguage", {"english.lng"}, "English", std::nullopt},
    {"NoneOfThatName", {"English.lng"}, "Deutsch", std::nullopt},
};

TEST(NamedFilesTest, FindsAFileByItsName) {
    for (const FindCase& row : kFindCases) {
        SCOPED_TRACE(row.name);
        TestFolder folder;
        for (const std::string& file : row.files)
            writeBytes(folder / file, "");
        const std::optional<std::string> expected =
            row.found ? std::optional(folder / *row.found) : std::nullopt;
        EXPECT_EQ(findNamedFile(folder.path(), row.wanted, ".lng"), expected);
    }
}

TEST(MakeFoldersTest, CreatesWhatIsMissingForItsOwnerOnly) {
    TestFolder folder;
    const std::string deep = folder / "config/wingsheet";
    EXPECT_EQ(makeFolders(deep), std::nullopt);
    struct stat info {};
    ASSERT_EQ(::stat(deep.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ::chmod(deep.c_str(), 0755);
    EXPECT_EQ(makeFolders(deep), std::nullopt); // an existing folder keeps its mode
    ASSERT_EQ(::stat(deep.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
}

TEST(MakeFoldersTest, FileInTheWayOrLockedParentIsAnError) {
    TestFolder folder;
    writeBytes(folder / "config", "not a folder");
    const auto blocked = makeFolders(folder / "config/wingsheet");
    ASSERT_TRUE(blocked.has_value());
    EXPECT_EQ(blocked->number, ENOTDIR);

    std::filesystem::create_directory(folder / "locked");
    ::chmod((folder / "locked").c_str(), 0555);
    ::chmod(folder.path().c_str(), 0755);
    const UnprivilegedScope nobody;
    const auto refused = makeFolders(folder / "locked/wingsheet");
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->number, EACCES);
}

} // namespace
