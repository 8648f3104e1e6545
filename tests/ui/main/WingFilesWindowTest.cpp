// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WingFile.h"
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"

namespace {

using WingFilesWindow = MainWindowFixture;

TEST_F(WingFilesWindow, OpenLoadsCalculatesAndNamesTheFile) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "two.txt"));
    window->openWingFile();
    EXPECT_EQ(c().rootChordFields[1]->text(), "200");
    EXPECT_EQ(c().massField->text(), "1500");
    EXPECT_EQ(c().meanChordValue->text(), " 222.99 mm  ");
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Wingsheet - " + language.text(kWingFileType) + " : two.txt");
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].title.toStdString(), language.text(kOpenDialogTitle));
    EXPECT_EQ(prompter.fileDialogs[0].filter.toStdString(),
              language.text(kWingFileType) + " (*.txt)");
    EXPECT_EQ(prompter.fileDialogs[0].folder.toStdString(), folder.path());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(WingFilesWindow, ShortAndTwoBlockFiles) {
    startWindow();
    const std::string& block = kTwoPanelWingFile;
    writeBytes(folder / "short.txt", block.substr(0, 60));
    const std::size_t balance = block.find("25\r\n");
    writeBytes(folder / "double.txt",
               block + block.substr(0, balance) + "33" + block.substr(balance + 2));
    prompter.fileAnswers = {QString::fromStdString(folder / "short.txt"),
                            QString::fromStdString(folder / "double.txt")};

    window->openWingFile();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(" # 62 "));
    EXPECT_TRUE(prompter.messages[0].text.endsWith("\rInput past end of file"));
    EXPECT_EQ(prompter.messages[0].style, kInformationMessage);
    EXPECT_TRUE(c().rootChordFields[0]->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Wingsheet");

    window->openWingFile();
    EXPECT_EQ(c().balanceField->text(), "33"); // the second block wins
    EXPECT_TRUE(window->hasValidResults());
}

// The name a modeller may type: blanks, quotes, semicolons and letters beyond ASCII, in the
// folder too; no shell ever sees it.
TEST_F(WingFilesWindow, SaveAsThenOpenRestoresEveryFieldText) {
    startWindow();
    typeWing({{"250,5", "180", "600", "-12.5"}, {"", "90", "300", ""}}, "30", "1200");
    window->calculate();
    ASSERT_TRUE(window->hasValidResults());
    c().sweepOffsetFields[1]->setText("40"); // edited after calculating: still saved
    const WingFields typed = window->session().fields();

    const std::string awkwardFolder = folder / "mes ailes; \"2024\"";
    std::filesystem::create_directory(awkwardFolder);
    const std::string name = "aile ; \"x\" 'y' fl\xc3\xa8"
                             "che \xe7\xbf\xbc $(z).txt";
    const QString path = QString::fromStdString(awkwardFolder + "/" + name);
    prompter.fileAnswers = {path, path};
    window->saveWingFileAs();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              QString::fromStdString(language.text(kWingSavedMessage)) + path);
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(" : " + name)));

    window->clearForm();
    window->openWingFile();
    EXPECT_EQ(window->session().fields(), typed);
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(" : " + name)));
}

TEST_F(WingFilesWindow, CancelledDialogsChangeNothing) {
    startWindow();
    typeWing({{"250", "150", "1000", "50"}}, "30", "");
    window->calculate();
    window->saveWingFileAs();
    window->openWingFile();
    EXPECT_EQ(c().rootChordFields[0]->text(), "250");
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_TRUE(prompter.messages.empty());
}

// A file that cannot be read whole costs nothing: the form, the results, the drawing and the
// caption of the wing being edited stay, and only the error is shown.
TEST_F(WingFilesWindow, OpenThatFailsKeepsTheWingBeingEdited) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    writeBytes(folder / "short.txt", kTwoPanelWingFile.substr(0, 60));
    std::filesystem::create_directory(folder / "folder.txt");
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "two.txt"));
    window->openWingFile();
    c().massField->setText("1800"); // edited after opening
    const WingFields edited = window->session().fields();
    const QString title = window->windowTitle();
    for (const char* name : {"short.txt", "folder.txt", "missing.txt"}) {
        SCOPED_TRACE(name);
        prompter.messages.clear();
        prompter.fileAnswers.push_back(QString::fromStdString(folder / name));
        window->openWingFile();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].style, kInformationMessage);
        EXPECT_EQ(window->session().fields(), edited);
        EXPECT_EQ(c().massField->text(), "1800");
        EXPECT_EQ(c().rootChordFields[1]->text(), "200");
        EXPECT_EQ(c().meanChordValue->text(), " 222.99 mm  ");
        EXPECT_FALSE(c().preview->isBlank());
        EXPECT_TRUE(window->hasValidResults());
        EXPECT_EQ(window->windowTitle(), title);
    }
}

} // namespace
