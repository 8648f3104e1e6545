// SPDX-License-Identifier: GPL-3.0-or-later
// The two layouts: which folders a run uses, from the program folder and the environment, and
// how an installed run lists, picks and remembers languages without writing into its install.
#include "i18n/LanguagePlaces.h"

#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "support/EnvironmentScope.h"
#include "support/TestFolder.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

struct LayoutCase {
    const char* name;
    PlaceFacts facts;
    LanguagePlaces expected;
};

const LayoutCase kLayoutCases[] = {
    {"LanguageFilesBesideTheProgramKeepEverythingThere",
     {"/opt/wingsheet", true, "/home/ann", "/xdg/data", "/xdg/config"},
     {"/opt/wingsheet", "/opt/wingsheet/tz.ini", "", false}},
    {"InstalledWithTheXdgDefaults",
     {"/usr/bin", false, "/home/ann", "", ""},
     {"/usr/share/wingsheet", "/home/ann/.config/wingsheet/tz.ini",
      "/home/ann/.local/share/wingsheet", true}},
    {"MovedPrefixFindsItsOwnData",
     {"/home/ann/apps/wingsheet/bin", false, "/home/ann", "", ""},
     {"/home/ann/apps/wingsheet/share/wingsheet", "/home/ann/.config/wingsheet/tz.ini",
      "/home/ann/.local/share/wingsheet", true}},
    {"XdgFoldersWin",
     {"/usr/local/bin", false, "/home/ann", "/data", "/config"},
     {"/usr/local/share/wingsheet", "/config/wingsheet/tz.ini", "/data/wingsheet", true}},
    {"RelativeXdgFoldersAreIgnored",
     {"/usr/bin", false, "/home/ann", "data", "./config"},
     {"/usr/share/wingsheet", "/home/ann/.config/wingsheet/tz.ini",
      "/home/ann/.local/share/wingsheet", true}},
    // Never the installation: without a home there is nowhere to remember the language.
    {"NoHomeNoXdgNoUserFolders",
     {"/usr/bin", false, "", "", ""},
     {"/usr/share/wingsheet", "", "", true}},
    {"NoHomeButXdgFolders",
     {"/usr/bin", false, "", "/data", "/config"},
     {"/usr/share/wingsheet", "/config/wingsheet/tz.ini", "/data/wingsheet", true}},
};

TEST(LanguagePlacesTest, ChoosesTheLayout) {
    for (const LayoutCase& row : kLayoutCases) {
        SCOPED_TRACE(row.name);
        const LanguagePlaces places = choosePlaces(row.facts);
        EXPECT_EQ(places.languageFolder, row.expected.languageFolder);
        EXPECT_EQ(places.settingsFile, row.expected.settingsFile);
        EXPECT_EQ(places.userFolder, row.expected.userFolder);
        EXPECT_EQ(places.installed, row.expected.installed);
    }
}

TEST(LanguagePlacesTest, GathersTheFactsOfThisRun) {
    TestFolder program;
    const EnvironmentScope home("HOME", "/home/bob");
    const EnvironmentScope data("XDG_DATA_HOME", nullptr);
    const EnvironmentScope config("XDG_CONFIG_HOME", "/cfg");
    PlaceFacts facts = gatherPlaceFacts(program.path());
    EXPECT_FALSE(facts.languageFilesBesideProgram);
    EXPECT_EQ(facts.home, "/home/bob");
    EXPECT_EQ(facts.xdgDataHome, "");
    EXPECT_EQ(facts.xdgConfigHome, "/cfg");
    writeBytes(program / "Deutsch.LNG", "[Label]\r\n");
    EXPECT_TRUE(gatherPlaceFacts(program.path()).languageFilesBesideProgram);

    const EnvironmentScope noHome("HOME", nullptr);
    EXPECT_FALSE(gatherPlaceFacts(program.path()).home.empty()); // the account's home
}

// An installation (program folder with bin/, data folder) and a user's home, all temporary.
class InstalledLanguage : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(root / "usr/bin");
        std::filesystem::create_directories(root / "usr/share/wingsheet");
        writeBytes(dataFolder("English.lng"), "[Label]\r\n0=Installed English\r\n");
        writeBytes(dataFolder("Deutsch.lng"), "[Label]\r\n0=Deutsch\r\n");
    }

    std::string dataFolder(const std::string& name) const {
        return root / ("usr/share/wingsheet/" + name);
    }
    std::string userFolder(const std::string& name) const {
        return home / (".local/share/wingsheet/" + name);
    }
    LanguageState language() {
        return LanguageState(choosePlaces({root / "usr/bin", false, home.path(), "", ""}),
                             [this](const std::string& text) { reports.push_back(text); });
    }

    TestFolder root;
    TestFolder home;
    std::vector<std::string> reports;
};

TEST_F(InstalledLanguage, TheUsersFilesJoinTheInstalledOnesAndWin) {
    std::filesystem::create_directories(home / ".local/share/wingsheet");
    writeBytes(userFolder("English.lng"), "[Label]\r\n0=My English\r\n");
    writeBytes(userFolder("Klingon.LNG"), "[Label]\r\n0=tlhIngan\r\n");
    LanguageState state = language();
    const std::vector<std::string> expected = {"Deutsch", "English", "Klingon"};
    EXPECT_EQ(state.availableLanguages(), expected);
    const struct {
        const char* name;
        std::string file;
        const char* caption;
    } picks[] = {
        {"English", userFolder("English.lng"), "My English"},
        {"Deutsch", dataFolder("Deutsch.lng"), "Deutsch"},
        {"Klingon", userFolder("Klingon.LNG"), "tlhIngan"},
    };
    for (const auto& pick : picks) {
        state.select(pick.name);
        EXPECT_EQ(state.languageFile(), pick.file);
        EXPECT_EQ(state.text({"Label", "0"}), pick.caption);
    }
    EXPECT_TRUE(reports.empty());
}

// A name read from a Windows disk is listed and picked by its Windows-1252 reading; a file whose
// name could not name a language (a "..", a control character even once decoded) is not offered,
// and no name leads out of the language folders.
TEST_F(InstalledLanguage, OnlyNamesThatCanBeSelectedAreListed) {
    std::filesystem::create_directories(home / ".local/share/wingsheet");
    for (const char* name : {"Fran\xE7"
                             "ais.lng",
                             "Euro\x80.lng", "a..b.lng", "Tab\tName.lng", "x\x81.lng"})
        writeBytes(userFolder(name), "[Label]\r\n0=" + std::string(name) + "\r\n");
    LanguageState state = language();
    const std::vector<std::string> expected = {"Deutsch", "English", "Euro\u20AC",
                                               "Fran\u00E7"
                                               "ais"};
    EXPECT_EQ(state.availableLanguages(), expected);

    const std::string french = "Fran\u00E7"
                               "ais";
    const std::string frenchFile = userFolder("Fran\xE7"
                                              "ais.lng");
    // The name as tz.ini gives it back (read as Windows-1252 where it is not UTF-8); "" for none.
    const struct {
        std::string name;
        std::string file; // "" when the name selects nothing
        std::string stored;
    } picks[] = {
        {french, frenchFile, french},
        {"Fran\xE7"
         "ais",
         frenchFile, french},
        {"Euro\u20AC", userFolder("Euro\x80.lng"), "Euro\u20AC"},
        {"a..b", "", ""},
        {"x\u0081", "", ""},
        {"../wingsheet/Deutsch", "", ""},
    };
    for (const auto& pick : picks) {
        SCOPED_TRACE(pick.name);
        state.select(pick.name);
        EXPECT_EQ(state.languageFile(), pick.file);
        EXPECT_EQ(state.hasLanguageFile(pick.name), !pick.file.empty());
        EXPECT_TRUE(state.storeLanguage(pick.name));
        EXPECT_EQ(state.usableStoredLanguage(), pick.stored);
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(InstalledLanguage, TheChoiceGoesIntoANewConfigFolderNeverTheInstallation) {
    LanguageState state = language();
    EXPECT_EQ(state.storedLanguage(), "");
    EXPECT_TRUE(state.storeLanguage("Deutsch"));
    EXPECT_EQ(readBytes(home / ".config/wingsheet/tz.ini"), "[Langue]\r\n1=Deutsch\r\n");
    EXPECT_EQ(language().storedLanguage(), "Deutsch");
    EXPECT_EQ(root.names(), std::vector<std::string>{"usr"});
    const std::vector<std::string> installed = {"Deutsch.lng", "English.lng"};
    EXPECT_EQ(namesIn(root / "usr/share/wingsheet"), installed);
    EXPECT_TRUE(namesIn(root / "usr/bin").empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(InstalledLanguage, ASettingThatCannotBeKeptIsReported) {
    writeBytes(home / ".config", "a file where the folder belongs");
    LanguageState blocked = language();
    EXPECT_FALSE(blocked.storeLanguage("Deutsch"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], fillIn(kLanguageNotRememberedMessage.fallback,
                                 {home / ".config/wingsheet/tz.ini", std::to_string(ENOTDIR),
                                  std::strerror(ENOTDIR)}));

    LanguageState homeless(choosePlaces({root / "usr/bin", false, "", "", ""}),
                           [this](const std::string& text) { reports.push_back(text); });
    EXPECT_EQ(homeless.storedLanguage(), "");
    EXPECT_FALSE(homeless.storeLanguage("Deutsch"));
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1], fillIn(kLanguageNotRememberedMessage.fallback,
                                 {"tz.ini", std::to_string(ENOENT), std::strerror(ENOENT)}));
    EXPECT_EQ(root.names(), std::vector<std::string>{"usr"});

    // HOME=/nonexistent: the home folder is not made for the settings' sake.
    const std::string gone = home / "gone";
    LanguageState homeGone(choosePlaces({root / "usr/bin", false, gone, "", ""}),
                           [this](const std::string& text) { reports.push_back(text); });
    EXPECT_FALSE(homeGone.storeLanguage("Deutsch"));
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[2], fillIn(kLanguageNotRememberedMessage.fallback,
                                 {gone + "/.config/wingsheet/tz.ini", std::to_string(ENOENT),
                                  std::strerror(ENOENT)}));
    EXPECT_FALSE(std::filesystem::exists(gone));
}

} // namespace
