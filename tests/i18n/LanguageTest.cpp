// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextFile.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "support/FailureScopes.h"
#include "support/TestFolder.h"
#include "support/WingTexts.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace std::string_literals;

std::string reportText(int number, const std::string& procedure) {
    return std::to_string(number) + std::strerror(number) + "\r\n" + procedure;
}

// Before a language is chosen: the file and the error in words.
std::string plainReport(int number, const std::string& verb, const std::string& path) {
    return "Cannot " + verb + " " + path + ": " + std::strerror(number) + " (error " +
           std::to_string(number) + ")";
}

// Every test gets its own program folder and sees the reports the procedures make.
class LanguageTest : public testing::Test {
protected:
    LanguageState languageIn(const std::string& folder) {
        return LanguageState(LanguagePlaces::beside(folder),
                             [this](const std::string& text) { reports_.push_back(text); });
    }

    std::string path(const std::string& name) const { return folder_ / name; }

    TestFolder folder_;
    std::vector<std::string> reports_;
    LanguageState language_ = languageIn(folder_.path());
};

struct LookupCase {
    const char* name;
    std::string fileBytes;
    std::string section;
    std::string key;
    std::string expected;
};

const LookupCase kLookupCases[] = {
    {"Found", "[Label]\r\n1=Root chord\r\n", "Label", "1", "Root chord"},
    {"Exactly199Kept", "[L]\n1=" + std::string(199, 'a') + "\n", "L", "1", std::string(199, 'a')},
    {"MultiByteCutTo199Characters", "[L]\n1=" + repeat("é", 150) + repeat("€", 100) + "\n", "L",
     "1", repeat("é", 150) + repeat("€", 49)},
    {"Windows1252CutTo199Characters", "[L]\n1=" + std::string(250, '\xE9') + "\n", "L", "1",
     repeat("é", 199)},
    {"Windows1252File", "[Label]\r\n5=D\xE9port\r\n", "Label", "5", "Déport"},
    {"BomFile", "\xEF\xBB\xBF[Label]\r\n5=D\xC3\xA9port\r\n", "Label", "5", "Déport"},
    // Language files as translators and file systems leave them: a text or "", and no report.
    {"NoSections", "0=Wingsheet\r\n1=Check the panels\r\n", "Label", "0", ""},
    {"BinaryGarbage", binaryBytes(), "Label", "0", ""},
    // Files up to the 1 MiB limit; larger ones are refused (OversizedFilesAreRefusedUnread).
    {"NineHundredKilobytesOfCommentsBeforeTheTexts",
     repeat("; " + std::string(98, '-') + "\r\n", 9'000) + "[Label]\r\n0=Wingsheet\r\n", "Label",
     "0", "Wingsheet"},
    {"NineHundredKilobyteValueIsCut", "[Label]\r\n0=" + std::string(900'000, 'x') + "\r\n", "Label",
     "0", std::string(199, 'x')},
    {"NulBytesStayInTheirValues", "[Label]\r\n0=Wing"s + '\0' + "sheet\r\n", "Label", "0",
     "Wing"s + '\0' + "sheet"},
};

class LanguageTextTable : public LanguageTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(LanguageTextTable, LooksUp) {
    writeBytes(path("Test.lng"), GetParam().fileBytes);
    language_.select("Test");
    EXPECT_EQ(language_.text({GetParam().section, GetParam().key}), GetParam().expected);
    EXPECT_TRUE(reports_.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, LanguageTextTable, testing::ValuesIn(kLookupCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LanguageTest, NothingIsLookedUpBeforeALanguageIsChosen) {
    writeBytes(path(".lng"), "[Label]\n1=x\n");
    EXPECT_EQ(language_.text({"Label", "1"}), "");
    language_.select("Nowhere"); // a missing language file is silent
    EXPECT_EQ(language_.text({"Label", "1"}), "");
    EXPECT_TRUE(reports_.empty());
}

// A language file written for an earlier version lacks the keys of newer features: they show
// their English text, while a key of the first files still shows empty.
TEST_F(LanguageTest, OnlyNewerKeysFallBackToEnglish) {
    writeBytes(path("Old.lng"), "[File]\r\n1=Ouvrir\r\n9=\r\n");
    const TextKey newer{"File", "8", "Export outline..."};
    const TextKey newerButEmpty{"File", "9", "Print full size..."};
    const TextKey translated{"File", "1", "Open..."};
    EXPECT_EQ(language_.text(newer), "Export outline..."); // before any language is chosen
    language_.select("Old");
    EXPECT_EQ(language_.text(newer), "Export outline...");
    EXPECT_EQ(language_.text(newerButEmpty), "Print full size...");
    EXPECT_EQ(language_.text(translated), "Ouvrir");
    EXPECT_EQ(language_.text({"File", "2"}), "");
}

TEST_F(LanguageTest, EveryLookupReadsTheFileAnew) {
    writeBytes(path("A.lng"), "[Label]\n0=Alpha\n");
    writeBytes(path("B.lng"), "[Label]\n0=Bravo\n");
    language_.select("A");
    EXPECT_EQ(language_.text({"Label", "0"}), "Alpha");
    writeBytes(path("A.lng"), "[Label]\n0=Alpha two\n");
    EXPECT_EQ(language_.text({"Label", "0"}), "Alpha two");
    language_.select("B");
    EXPECT_EQ(language_.text({"Label", "0"}), "Bravo");
}

TEST_F(LanguageTest, SettingsReadAtMost99Characters) {
    writeBytes(path("tz.ini"), "[Langue]\r\n1=" + repeat("ü", 120) + "\r\n");
    EXPECT_EQ(language_.readSetting("Langue", "1"), repeat("ü", 99));
    EXPECT_EQ(language_.readSetting("langue", "2"), "");
    EXPECT_EQ(LanguageState({folder_.path(), path("missing.ini")}).readSetting("Langue", "1"), "");
    EXPECT_TRUE(reports_.empty());
}

// No language file can word the report before a language is chosen, so it names the file.
TEST_F(LanguageTest, FolderAsSettingsFileIsReported) {
    std::filesystem::create_directory(path("tz.ini"));
    EXPECT_EQ(language_.readSetting("Langue", "1"), "");
    LanguageState chosen = languageIn(folder_.path());
    chosen.select("English");
    EXPECT_EQ(chosen.readSetting("Langue", "1"), "");
    EXPECT_EQ(reports_, (std::vector<std::string>{plainReport(EISDIR, "read", path("tz.ini")),
                                                  reportText(EISDIR, "GetINI")}));
}

// A language file or tz.ini over 1 MiB, or a FIFO in their place, is reported at once and
// never read; a write keeps such a tz.ini as it is.
TEST_F(LanguageTest, OversizedAndSpecialFilesAreRefusedUnread) {
    const std::string tooLarge = "27" + kFileTooLarge.description + "\r\n";
    const std::string notRegular = "54" + kNotARegularFile.description + "\r\n";
    const std::string oversized = "[Langue]\r\n1=English\r\n" + std::string(kInputFileLimit, ';');
    writeBytes(path("Big.lng"), "[Label]\r\n0=Wingsheet\r\n" + std::string(kInputFileLimit, ';'));
    writeBytes(path("tz.ini"), oversized);
    ::mkfifo(path("Pipe.lng").c_str(), 0644);

    language_.select("Big");
    EXPECT_EQ(language_.text({"Label", "0"}), "");
    language_.select("Pipe");
    EXPECT_EQ(language_.text({"Label", "0"}), "");
    EXPECT_EQ(language_.readSetting("Langue", "1"), "");
    EXPECT_FALSE(language_.writeSetting("Langue", "1", "Deutsch"));
    EXPECT_EQ(reports_,
              (std::vector<std::string>{tooLarge + "GetINIFile", notRegular + "GetINIFile",
                                        tooLarge + "GetINI", tooLarge + "WriteINI"}));
    EXPECT_EQ(readBytes(path("tz.ini")), oversized);
}

// What tz.ini or a caller names must stay inside the language folder and be readable.
TEST_F(LanguageTest, OnlyLanguageNamesSelectALanguage) {
    const std::string notNames[] = {
        "",      "../elsewhere/name", "sub/English", "..",      "a..b",
        "C:\\x", "Eng\tlish",         "Eng"s + '\0', "Eng\x7F", "Eng\xC2\x85"};
    for (const std::string& name : notNames) {
        SCOPED_TRACE(name);
        language_.select("English");
        language_.select(name);
        EXPECT_EQ(language_.name(), "");
        EXPECT_EQ(language_.languageFile(), "");
        writeBytes(path("tz.ini"), "[Langue]\r\n1=" + name + "\r\n");
        EXPECT_EQ(language_.storedLanguage(), "");
    }
    for (const std::string name : {"English",
                                   "Fran\xC3\xA7"
                                   "ais",
                                   "Portugu\xC3\xAAs (BR)", ".x"}) {
        language_.select(name);
        EXPECT_EQ(language_.name(), name);
        writeBytes(path("tz.ini"), "[Langue]\r\n1=" + name + "\r\n");
        EXPECT_EQ(language_.storedLanguage(), name);
    }
}

TEST_F(LanguageTest, BrokenLanguageFileIsReportedOnceUntilItReadsAgain) {
    std::filesystem::create_directory(path("Broken.lng"));
    language_.select("Broken");
    for (int caption = 0; caption < 3; ++caption)
        EXPECT_EQ(language_.text({"Label", std::to_string(caption)}), "");
    EXPECT_EQ(reports_, std::vector<std::string>{reportText(EISDIR, "GetINIFile")});

    std::filesystem::remove(path("Broken.lng"));
    writeBytes(path("Broken.lng"), "[Label]\n0=Fixed\n");
    EXPECT_EQ(language_.text({"Label", "0"}), "Fixed");

    std::filesystem::remove(path("Broken.lng"));
    std::filesystem::create_directory(path("Broken.lng"));
    EXPECT_EQ(language_.text({"Label", "0"}), "");
    EXPECT_EQ(reports_.size(), 2u);
}

TEST_F(LanguageTest, UnreadableLanguageFileIsReported) {
    writeBytes(path("Locked.lng"), "[Label]\n0=x\n");
    ::chmod(path("Locked.lng").c_str(), 0);
    ::chmod(folder_.path().c_str(), 0755);
    language_.select("Locked");
    {
        const UnprivilegedScope nobody;
        EXPECT_EQ(language_.text({"Label", "0"}), "");
        EXPECT_EQ(language_.text({"Label", "0"}), "");
    }
    EXPECT_EQ(reports_, std::vector<std::string>{reportText(EACCES, "GetINIFile")});
}

TEST_F(LanguageTest, WriteCreatesFileAndSectionWithCrLf) {
    EXPECT_TRUE(language_.writeSetting("Langue", "1", "English"));
    EXPECT_EQ(readBytes(path("tz.ini")), "[Langue]\r\n1=English\r\n");
    EXPECT_EQ(language_.readSetting("Langue", "1"), "English");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"tz.ini"});
}

struct EncodingCase {
    const char* name;
    std::optional<std::string> before; // nullopt: no file yet
    std::string value;
    std::string after;
};

const EncodingCase kEncodingCases[] = {
    {"NewFileIsWindows1252", std::nullopt, "Français",
     "[Langue]\r\n1=Fran\xE7"
     "ais\r\n"},
    {"AsciiFileTakesWindows1252", "[Langue]\r\n1=English\r\n", "Español",
     "[Langue]\r\n1=Espa\xF1ol\r\n"},
    {"Windows1252Kept", "; \xE9\r\n[Langue]\r\n1=x\r\n", "Français",
     "; \xE9\r\n[Langue]\r\n1=Fran\xE7"
     "ais\r\n"},
    {"Windows1252BecomesUtf8WhenNeeded", "; \xE9\r\n[Langue]\r\n1=x\r\n", "Русский",
     "; \xC3\xA9\r\n[Langue]\r\n1=Русский\r\n"},
    {"Utf8Kept", "; \xC3\xA9\n[Langue]\n1=x\n", "Français",
     "; \xC3\xA9\n[Langue]\n1=Fran\xC3\xA7"
     "ais\n"},
    // In Windows-1252 these two letters would be the UTF-8 bytes of "é" and read back as that.
    {"Utf8WhenWindows1252WouldPassForUtf8", "[Langue]\r\n1=x\r\n", "\u00C3\u00A9",
     "[Langue]\r\n1=\xC3\x83\xC2\xA9\r\n"},
    {"BomKept", "\xEF\xBB\xBF[Langue]\n1=x\n", "Français",
     "\xEF\xBB\xBF[Langue]\n1=Fran\xC3\xA7"
     "ais\n"},
};

class WriteSettingEncodingTable : public LanguageTest,
                                  public testing::WithParamInterface<EncodingCase> {};

TEST_P(WriteSettingEncodingTable, KeepsTheFileEncoding) {
    if (GetParam().before)
        writeBytes(path("tz.ini"), *GetParam().before);
    EXPECT_TRUE(language_.writeSetting("Langue", "1", GetParam().value));
    EXPECT_EQ(readBytes(path("tz.ini")), GetParam().after);
    EXPECT_EQ(language_.readSetting("Langue", "1"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, WriteSettingEncodingTable, testing::ValuesIn(kEncodingCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(LanguageTest, BinaryTzIniNamesNoLanguageAndTakesANewOne) {
    writeBytes(path("tz.ini"), binaryBytes(4096));
    EXPECT_EQ(language_.readSetting("Langue", "1"), "");
    EXPECT_TRUE(language_.writeSetting("Langue", "1", "English"));
    EXPECT_EQ(language_.readSetting("Langue", "1"), "English");
    EXPECT_TRUE(readBytes(path("tz.ini")).starts_with(binaryBytes(4096)));
    EXPECT_TRUE(reports_.empty());
}

TEST_F(LanguageTest, WriteIntoUnwritableFolderFailsWithOneReport) {
    writeBytes(path("tz.ini"), "[Langue]\r\n1=Deutsch\r\n");
    ::chmod(path("tz.ini").c_str(), 0644);
    ::chmod(folder_.path().c_str(), 0555);
    {
        const UnprivilegedScope nobody;
        EXPECT_FALSE(language_.writeSetting("Langue", "1", "English"));
    }
    EXPECT_EQ(reports_, std::vector<std::string>{plainReport(EACCES, "write", path("tz.ini"))});
    EXPECT_EQ(readBytes(path("tz.ini")), "[Langue]\r\n1=Deutsch\r\n");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"tz.ini"});
}

// A write must not replace a settings file it could not read: its other lines would be lost.
TEST_F(LanguageTest, UnreadableTzIniIsReportedAndKept) {
    writeBytes(path("tz.ini"), "[Langue]\r\n1=English\r\n");
    ::chmod(path("tz.ini").c_str(), 0);
    ::chmod(folder_.path().c_str(), 0755);
    {
        const UnprivilegedScope nobody;
        EXPECT_EQ(language_.readSetting("Langue", "1"), "");
        EXPECT_FALSE(language_.writeSetting("Langue", "1", "Deutsch"));
    }
    EXPECT_EQ(reports_, (std::vector<std::string>{plainReport(EACCES, "read", path("tz.ini")),
                                                  plainReport(EACCES, "write", path("tz.ini"))}));
    EXPECT_EQ(readBytes(path("tz.ini")), "[Langue]\r\n1=English\r\n");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"tz.ini"});
}

TEST_F(LanguageTest, WriteIntoMissingFolderFails) {
    language_ = languageIn(path("gone"));
    EXPECT_FALSE(language_.writeSetting("Langue", "1", "English"));
    EXPECT_EQ(reports_,
              std::vector<std::string>{plainReport(ENOENT, "write", path("gone/tz.ini"))});
}

TEST_F(LanguageTest, WriteOverAFolderFailsAndKeepsIt) {
    std::filesystem::create_directory(path("tz.ini"));
    language_.select("English");
    EXPECT_FALSE(language_.writeSetting("Langue", "1", "English"));
    EXPECT_EQ(reports_, std::vector<std::string>{reportText(EISDIR, "WriteINI")});
    EXPECT_TRUE(std::filesystem::is_directory(path("tz.ini")));
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"tz.ini"});
}

// The user learns what it means for them, where it would have been kept, and the error itself;
// the words are those of the language just chosen (English's fall-back here).
TEST_F(LanguageTest, LanguageThatCannotBeRememberedIsReportedInWordsForTheUser) {
    std::filesystem::create_directory(path("tz.ini"));
    language_.select("English");
    EXPECT_FALSE(language_.storeLanguage("English"));
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], fillIn(kLanguageNotRememberedMessage.fallback,
                                  {path("tz.ini"), "21", std::strerror(EISDIR)}));
    EXPECT_EQ(reports_[0].find("WriteINI"), std::string::npos);
    EXPECT_EQ(language_.name(), "English"); // still in use for this run
}

TEST_F(LanguageTest, StoredLanguageCountsOnlyWhileItsFileIsThere) {
    writeBytes(path("tz.ini"), "[Langue]\r\n1=Gone\r\n");
    EXPECT_EQ(language_.storedLanguage(), "Gone");
    EXPECT_EQ(language_.usableStoredLanguage(), "");
    writeBytes(path("Gone.lng"), "[Label]\r\n0=Back\r\n");
    EXPECT_EQ(language_.usableStoredLanguage(), "Gone");
    std::filesystem::remove(path("tz.ini"));
    EXPECT_EQ(language_.usableStoredLanguage(), "");
}

// The chooser opened from the menu takes the remembered name; with none remembered (tz.ini could
// not be written) the name in use stays, for the About window and the sketch.
TEST_F(LanguageTest, RecallingTheStoredNameKeepsTheNameInUseWhenNoneIsStored) {
    language_.select("Deutsch");
    language_.recallStoredName();
    EXPECT_EQ(language_.name(), "Deutsch");
    writeBytes(path("tz.ini"), "[Langue]\r\n1=English\r\n");
    language_.recallStoredName();
    EXPECT_EQ(language_.name(), "English");
    EXPECT_EQ(language_.languageFile(), path("Deutsch.lng")); // the texts stay as they were
}

} // namespace
