// SPDX-License-Identifier: GPL-3.0-or-later
// The window of an installed program, started by installed_program_test.sh from a read-only
// installation in a temporary root, with HOME and the XDG folders in a temporary home: what a
// user's first start finds, asks and remembers. Not run on its own.
#include "i18n/LanguageState.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFolder.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/main/MainWindow.h"

#include <QComboBox>
#include <QMimeDatabase>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        throw std::runtime_error(std::string(name) + " is not set: run installed_program_test.sh");
    return value;
}

class InstalledWindow : public testing::Test {
protected:
    const std::string root = environment("WINGSHEET_INSTALLED_ROOT");
    const std::string configHome = environment("XDG_CONFIG_HOME");
    const std::string dataHome = environment("XDG_DATA_HOME");
    const std::string dataFolder = root + "/usr/share/wingsheet";
    ScriptedPrompter prompter;
};

TEST_F(InstalledWindow, FirstStartListsEveryLanguageAndRemembersThePickInTheUsersConfig) {
    // A user's own language, dropped into the user's data folder.
    std::filesystem::create_directories(dataHome + "/wingsheet");
    std::filesystem::copy_file(dataFolder + "/English.lng", dataHome + "/wingsheet/Testish.LNG",
                               std::filesystem::copy_options::overwrite_existing);

    LanguageState language(findLanguagePlaces(root + "/usr/bin"));
    ASSERT_TRUE(language.places().installed);
    EXPECT_EQ(language.places().languageFolder, dataFolder);
    ASSERT_EQ(language.storedLanguage(), "") << "the home must start empty";

    QStringList listed;
    prompter.modalScripts.push_back([&listed](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        QComboBox* combo = chooser.languageCombo();
        for (int i = 0; i < combo->count(); ++i)
            listed << combo->itemText(i);
        const int index = combo->findText(QStringLiteral("English"));
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        chooser.okButton()->click();
    });
    MainWindow window(prompter, language);
    ASSERT_TRUE(window.start());
    EXPECT_EQ(prompter.modalRuns, 1);
    const QStringList expected = {"Deutsch",
                                  "English",
                                  QString::fromUtf8("Español"),
                                  QString::fromUtf8("Français"),
                                  "Italiano",
                                  "Nederlands",
                                  "Testish"};
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(readBytes(configHome + "/wingsheet/tz.ini"), "[Langue]\r\n1=English\r\n");
    EXPECT_EQ(language.languageFile(), dataFolder + "/English.lng");
    EXPECT_EQ(window.windowTitle().toStdString(), "Wingsheet");
    EXPECT_TRUE(prompter.messages.empty());

    // The next start remembers it and asks nothing.
    LanguageState again(findLanguagePlaces(root + "/usr/bin"));
    MainWindow second(prompter, again);
    ASSERT_TRUE(second.start());
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_EQ(again.name(), "English");
}

TEST_F(InstalledWindow, HelpSketchComesFromTheInstallation) {
    const LanguagePlaces places = findLanguagePlaces(root + "/usr/bin");
    EXPECT_EQ(findSketch(places, "English").toStdString(), dataFolder + "/English.gif");
}

// File managers name a wing file by its first line, any other .txt stays plain text.
TEST_F(InstalledWindow, WingFilesHaveTheirOwnFileType) {
    const QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile(QString::fromUtf8(WINGSHEET_WING_FILE)).name(),
              "application/x-wingsheet-wing");
    const std::string notes = configHome + "/notes.txt";
    writeBytes(notes, "shopping list\r\n");
    EXPECT_EQ(types.mimeTypeForFile(QString::fromStdString(notes)).name(), "text/plain");
    EXPECT_TRUE(types.mimeTypeForName("application/x-wingsheet-wing").inherits("text/plain"));
}

} // namespace
