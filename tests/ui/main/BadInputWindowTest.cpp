// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows when it meets bad input: numbers far beyond any wing, broken wing
// files, a full disk and a tz.ini it cannot use. Awkward paths go with save as and open.
#include "files/WingFile.h"
#include "i18n/TextPattern.h"
#include "support/FailureScopes.h"
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/dialogs/AboutDialog.h"

#include <sys/stat.h>

namespace {

using BadInputWindow = MainWindowFixture;

const std::string kTenThousandDigits(10'000, '9');
const std::string kTenTo308 = "1" + std::string(308, '0');
const std::string kTenToMinus308 = "0." + std::string(307, '0') + "1";

struct NumberCase {
    const char* name;
    std::string text; // typed into every panel field and the mass
    std::string balance;
    const char* messageKey;      // "Message" key of the warning, nullptr when it calculates
    const char* named = nullptr; // the field the warning names
};

// A value too large to calculate with is named, a zero area ends in the panel warning, a balance
// of 100 or more in the balance warning; typed exponents are not part of a number, so "1e308"
// reads as 1.
const NumberCase kNumberCases[] = {
    {"TenThousandDigits", kTenThousandDigits, "30", "toolarge", "Root chord, panel 1"},
    {"TenThousandDigitsAsBalanceToo", kTenThousandDigits, kTenThousandDigits, "2"},
    {"TenTo308", kTenTo308, "30", "toolarge", "Root chord, panel 1"},
    {"TenTo308AsBalanceToo", kTenTo308, kTenTo308, "2"},
    {"TenToMinus308", kTenToMinus308, "30", "1"},
    {"TenToMinus308AsBalanceToo", kTenToMinus308, kTenToMinus308, "1"},
    {"ExponentTyped", "1e308", "1e308", nullptr},
    {"NegativeExponentTyped", "1e-308", "1e-308", nullptr},
};

class HugeAndTinyNumbers : public BadInputWindow, public testing::WithParamInterface<NumberCase> {};

TEST_P(HugeAndTinyNumbers, CalculateShowsAWarningOrResults) {
    startWindow();
    const char* text = GetParam().text.c_str();
    typeWing(std::vector<TypedPanel>(kPanelCount, {text, text, text, text}),
             GetParam().balance.c_str(), text);
    window->calculate();
    if (GetParam().messageKey) {
        ASSERT_EQ(prompter.messages.size(), 1u);
        const std::string message = language.text({"Message", GetParam().messageKey});
        EXPECT_EQ(prompter.messages[0].text.toStdString(),
                  GetParam().named ? fillIn(message, {GetParam().named}) : message);
        EXPECT_FALSE(window->hasValidResults());
        EXPECT_TRUE(c().spanValue->text().isEmpty());
    } else {
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_TRUE(window->hasValidResults());
        EXPECT_EQ(c().spanValue->text(), " 10.00 mm  "); // five panels of 1 mm
    }
}

INSTANTIATE_TEST_SUITE_P(Table, HugeAndTinyNumbers, testing::ValuesIn(kNumberCases),
                         [](const auto& row) { return std::string(row.param.name); });

struct BadFileCase {
    const char* name;
    std::function<std::string()> bytes; // nullptr: `make` puts something else at the path
    std::string shown; // " # N " of a file error, else the Message key of the warning, else ""
    bool unreadable = false;
    std::function<void(const std::string& path)> make = [](const std::string& path) {
        std::filesystem::create_directory(path);
    };
};

// Files over 1 MiB, FIFOs and devices are refused at once, without being read.
const BadFileCase kBadFiles[] = {
    {"EmptyFileWarnsOfThePanels", [] { return std::string(); }, "incomplete"},
    {"BinaryFileEndsEarly", [] { return binaryBytes(); }, " # 62 "},
    {"TenMegabyteLineIsTooLarge", [] { return std::string(10'000'000, '7'); }, " # 27 "},
    {"NineHundredKilobyteLineEndsEarly", [] { return std::string(900'000, '7'); }, " # 62 "},
    {"NulBytesCalculate",
     [] {
         std::string block = kTwoPanelWingFile;
         return block.replace(block.find("300"), 3, std::string("300\0x", 5));
     },
     ""},
    {"TenMegabytesAreTooLarge",
     [] { return repeat(kTwoPanelWingFile, 10'000'000 / kTwoPanelWingFile.size() + 1); }, " # 27 "},
    {"NineHundredKilobytesCalculate",
     [] { return repeat(kTwoPanelWingFile, 900'000 / kTwoPanelWingFile.size()); }, ""},
    {"FortyThousandCharacterLinesWarnOfTheBalance",
     [] {
         const std::string line = "250" + std::string(39'997, 'x');
         return wingFileOfEveryField(line, line);
     },
     "2"},
    {"FolderCannotBeOpened", nullptr, " # 21 "},
    {"UnreadableFileCannotBeOpened", [] { return kTwoPanelWingFile; }, " # 13 ", true},
    {"FifoIsRefusedAtOnce", nullptr, " # 54 ", false,
     [](const std::string& path) {
         ::mkfifo(path.c_str(), 0644);
     }},
    {"DevZeroIsRefusedAtOnce", nullptr, " # 54 ", false,
     [](const std::string& path) {
         std::filesystem::create_symlink("/dev/zero", path);
     }},
};

class BadWingFiles : public BadInputWindow, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadWingFiles, OpenSaysWhatIsWrong) {
    startWindow();
    const std::string path = folder / "wing.txt";
    if (GetParam().bytes)
        writeBytes(path, GetParam().bytes());
    else
        GetParam().make(path);
    prompter.fileAnswers.push_back(QString::fromStdString(path));
    if (GetParam().unreadable) {
        ::chmod(path.c_str(), 0);
        ::chmod(folder.path().c_str(), 0755);
        const UnprivilegedScope nobody;
        window->openWingFile();
    } else {
        window->openWingFile();
    }
    const std::string& shown = GetParam().shown;
    if (shown.starts_with(" # ")) {
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(prompter.messages[0].text.contains(QString::fromStdString(shown)))
            << prompter.messages[0].text.toStdString();
        EXPECT_TRUE(c().rootChordFields[0]->text().isEmpty());
        EXPECT_EQ(window->windowTitle().toStdString(), language.text(kProgramCaption));
        return;
    }
    EXPECT_TRUE(window->windowTitle().endsWith(" : wing.txt"));
    if (shown.empty()) {
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_EQ(c().meanChordValue->text(), " 222.99 mm  ");
    } else {
        ASSERT_EQ(prompter.messages.size(), 1u);
        // Only the panels' warning names a field: an empty wing's first, panel 1's root chord.
        EXPECT_EQ(prompter.messages[0].text.toStdString(),
                  fillIn(language.text({"Message", shown}), {"Root chord, panel 1"}));
        EXPECT_FALSE(window->hasValidResults());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BadWingFiles, testing::ValuesIn(kBadFiles),
                         [](const auto& row) { return std::string(row.param.name); });

// The old file must survive a save as that cannot be completed, whatever stops it.
class FailedSaveAs : public BadInputWindow {
protected:
    void saveOverAnOldFile(const char* errorNumber, const std::function<void()>& save) {
        startWindow();
        writeBytes(folder / "wing.txt", kTwoPanelWingFile);
        typeWing({{"250", "150", "1000", "50"}}, "30", "900");
        window->calculate();
        prompter.fileAnswers.push_back(QString::fromStdString(folder / "wing.txt"));
        save();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(prompter.messages[0].text.contains(errorNumber));
        EXPECT_EQ(prompter.messages[0].style, kInformationMessage);
        EXPECT_EQ(readBytes(folder / "wing.txt"), kTwoPanelWingFile);
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"English.lng",
                                                            "Fran\xc3\xa7"
                                                            "ais.lng",
                                                            "tz.ini", "wing.txt"}));
        EXPECT_TRUE(window->hasValidResults());
        EXPECT_EQ(window->windowTitle().toStdString(), language.text(kProgramCaption));
    }
};

TEST_F(FailedSaveAs, OnAFullDiskKeepsTheOldFile) {
    saveOverAnOldFile(" # 27 ", [this] {
        const FileSizeLimitScope fullDisk(16);
        window->saveWingFileAs();
    });
}

// As a file manager would, even for root: the file's read-only mode is the user's wish.
TEST_F(FailedSaveAs, OntoAReadOnlyFileIsRefused) {
    saveOverAnOldFile(" # 13 ", [this] {
        ::chmod((folder / "wing.txt").c_str(), 0444);
        window->saveWingFileAs();
    });
    struct stat info {};
    ::stat((folder / "wing.txt").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
}

TEST_F(FailedSaveAs, InAReadOnlyFolderKeepsTheOldFile) {
    saveOverAnOldFile(" # 13 ", [this] {
        ::chmod(folder.path().c_str(), 0555);
        const UnprivilegedScope nobody;
        window->saveWingFileAs();
    });
    ::chmod(folder.path().c_str(), 0755);
}

// tz.ini in a program folder the user may not write: the pick from the menu holds for the run,
// and so do the choices remembered beside it, with one message for all of them.
TEST_F(BadInputWindow, ReadOnlyProgramFolderKeepsThePickForTheRun) {
    startWindow("English");
    ::chmod((folder / "tz.ini").c_str(), 0644);
    ::chmod(folder.path().c_str(), 0555);
    prompter.modalScripts.push_back(pick("Fran\u00e7ais"));
    {
        const UnprivilegedScope nobody;
        window->chooseLanguage();
        for (const bool bothHalves : {true, false, true})
            window->fullSize().bothHalvesAction()->setChecked(bothHalves);
        window->units().inchesAction()->trigger();
    }
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(language.languageFile(), folder / "Fran\xc3\xa7"
                                                "ais.lng");
    EXPECT_EQ(c().rootChordCaption->text().toStdString(), language.text(kRootChordCaption));
    EXPECT_EQ(language.storedLanguage(), "English");
    ASSERT_EQ(reports.size(), 2u); // each failed write, once, in words for the user
    EXPECT_EQ(reports[0], fillIn(language.text(kLanguageNotRememberedMessage),
                                 {folder / "tz.ini", "13", "Permission denied"}));
    EXPECT_EQ(reports[1], fillIn(language.text(kChoiceNotRememberedMessage),
                                 {folder / "tz.ini", "13", "Permission denied"}));
    EXPECT_TRUE(window->fullSize().bothHalvesAction()->isChecked());
    EXPECT_EQ(window->session().units().length, LengthUnit::Inch);
    EXPECT_TRUE(window->units().inchesAction()->isChecked());
}

// At the first start a pick that tz.ini cannot keep must still let the window open.
struct UnusableSettingsCase {
    const char* name;
    std::function<void(const TestFolder& folder)> spoil;
};

const UnusableSettingsCase kUnusableSettings[] = {
    {"TzIniIsAFolder",
     [](const TestFolder& folder) {
         std::filesystem::create_directory(folder / "tz.ini");
     }},
    {"TzIniIsUnreadable",
     [](const TestFolder& folder) {
         writeBytes(folder / "tz.ini", "[Langue]\r\n1=English\r\n");
         ::chmod((folder / "tz.ini").c_str(), 0);
     }},
    {"ProgramFolderIsReadOnly",
     [](const TestFolder& folder) {
         ::chmod(folder.path().c_str(), 0555);
     }},
};

class UnusableSettingsAtStart : public BadInputWindow,
                                public testing::WithParamInterface<UnusableSettingsCase> {};

TEST_P(UnusableSettingsAtStart, ThePickHoldsForTheRun) {
    ::chmod(folder.path().c_str(), 0755);
    GetParam().spoil(folder);
    prompter.modalScripts.push_back(pick("English"));
    prompter.messageAnswers = {MessageAnswer::Cancel}; // should the chooser come back, quit
    {
        const UnprivilegedScope nobody;
        startWindow("");
    }
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_TRUE(started);
    EXPECT_EQ(language.name(), "English");
    EXPECT_EQ(c().rootChordCaption->text().toStdString(), language.text(kRootChordCaption));
}

INSTANTIATE_TEST_SUITE_P(Table, UnusableSettingsAtStart, testing::ValuesIn(kUnusableSettings),
                         [](const auto& row) { return std::string(row.param.name); });

// With nothing remembered, the chooser from the menu keeps the name in use: the About window and
// the sketch still know the language the window shows.
TEST_F(BadInputWindow, ChooserFromTheMenuKeepsTheNameWhenNothingIsRemembered) {
    ::chmod(folder.path().c_str(), 0555);
    prompter.modalScripts.push_back(pick("English"));
    {
        const UnprivilegedScope nobody;
        startWindow("");
        ASSERT_TRUE(started);
        window->chooseLanguage(); // closed untouched
    }
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(language.name(), "English");
    prompter.modalScripts.push_back([](QDialog& dialog) {
        EXPECT_EQ(dynamic_cast<AboutDialog&>(dialog).versionLabel()->text(),
                  "Version 3.1.0 - English");
    });
    window->showAbout();
    EXPECT_TRUE(prompter.modalScripts.empty());
}

} // namespace
