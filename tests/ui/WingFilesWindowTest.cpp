#include "MainWindowFixture.h"
#include "WingFile.h"

namespace {

using WingFilesWindow = MainWindowFixture;

const char* const kTwoPanelFile = "V2M-Please don't Delete ....\r\n"
                                  "300\r\n200\r\n400\r\n50\r\n"
                                  "200\r\n100\r\n300\r\n150\r\n"
                                  "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                  "25\r\n1500\r\n";

TEST_F(WingFilesWindow, OpenLoadsCalculatesAndNamesTheFile) {
    Start();
    WriteBytes(folder / "two.txt", kTwoPanelFile);
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "two.txt"));
    window->mnuopen_Click();
    EXPECT_EQ(c().C_max[1]->text(), "200");
    EXPECT_EQ(c().masse->text(), "1500");
    EXPECT_EQ(c().Lbcmoy->text(), " 222.99 mm  ");
    EXPECT_TRUE(window->calcValid());
    EXPECT_EQ(window->windowTitle().toStdString(),
              "Wingsheet - " + GetINIFile("Message", "5") + " : two.txt");
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].title.toStdString(), GetINIFile("Message", "7"));
    EXPECT_EQ(prompter.fileDialogs[0].filter.toStdString(),
              GetINIFile("Message", "5") + " (*.txt)");
    EXPECT_EQ(prompter.fileDialogs[0].folder.toStdString(), folder.Path());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(WingFilesWindow, ShortAndTwoBlockFiles) {
    Start();
    const std::string block = std::string(kTwoPanelFile);
    WriteBytes(folder / "short.txt", block.substr(0, 60));
    WriteBytes(folder / "double.txt",
               block + std::string(kTwoPanelFile).replace(block.find("25\r\n"), 2, "33"));
    prompter.fileAnswers = {QString::fromStdString(folder / "short.txt"),
                            QString::fromStdString(folder / "double.txt")};

    window->mnuopen_Click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(" # 62 "));
    EXPECT_TRUE(prompter.messages[0].text.endsWith("\rInput past end of file"));
    EXPECT_EQ(prompter.messages[0].style, 64);
    EXPECT_TRUE(c().C_max[0]->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Wingsheet");

    window->mnuopen_Click();
    EXPECT_EQ(c().Cg->text(), "33"); // the second block wins
    EXPECT_TRUE(window->calcValid());
}

TEST_F(WingFilesWindow, SaveAsThenOpenRestoresEveryFieldText) {
    Start();
    c().C_max[0]->setText("250,5");
    c().C_min[0]->setText("180");
    c().L_trap[0]->setText("600");
    c().deport[0]->setText("-12.5");
    c().C_min[1]->setText("90");
    c().L_trap[1]->setText("300");
    c().deport[1]->setText("");
    c().masse->setText("1200");
    window->cmdCalcul_Click();
    ASSERT_TRUE(window->calcValid());
    c().deport[1]->setText("40"); // edited after calculating: still saved
    const WingFields typed = window->ReadFields();

    const QString path = QString::fromStdString(folder / "my wing.txt");
    prompter.fileAnswers = {path, path};
    window->mnusave_Click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.toStdString(),
              GetINIFile("Message", "6") + (folder / "my wing.txt"));
    EXPECT_TRUE(window->windowTitle().endsWith(" : my wing.txt"));

    window->cmdClear_Click();
    window->mnuopen_Click();
    EXPECT_EQ(window->ReadFields(), typed);
}

TEST_F(WingFilesWindow, AFailedSaveSaysWhyAndKeepsTheOldFile) {
    Start();
    TypeWing({{"250", "150", "1000", "50"}}, "30", "");
    window->cmdCalcul_Click();
    std::filesystem::create_directory(folder / "wing.txt"); // a folder where the file should go
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "wing.txt"));
    window->mnusave_Click();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(" # "))
        << prompter.messages[0].text.toStdString();
    EXPECT_EQ(prompter.messages[0].style, 64);
    EXPECT_EQ(window->windowTitle(), "Wingsheet");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "wing.txt"));
}

TEST_F(WingFilesWindow, CancelledDialogsChangeNothing) {
    Start();
    TypeWing({{"250", "150", "1000", "50"}}, "30", "");
    window->cmdCalcul_Click();
    window->mnusave_Click();
    window->mnuopen_Click();
    EXPECT_EQ(c().C_max[0]->text(), "250");
    EXPECT_TRUE(window->calcValid());
    EXPECT_TRUE(prompter.messages.empty());
}

} // namespace
