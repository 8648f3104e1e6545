#include "MainWindowFixture.h"
#include "frmAbout.h"
#include "frmAide.h"

#include <QFrame>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <optional>

namespace {

const std::string kFrench = "Fran\xc3\xa7"
                            "ais";

// Runs the test in another working folder and goes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& path)
        : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(path);
    }
    ~WorkingFolder() { std::filesystem::current_path(previous_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// Every help key holds its own name, so the layout shows where each text went; keys 19 and 20
// are there too and must stay out.
std::string NamedHelpTexts() {
    std::string file = "[Button]\r\n4=Done\r\n5=Picture\r\n[MsgHelp]\r\n";
    for (int key = 1; key <= 24; ++key)
        file += std::to_string(key) + "=H" + std::to_string(key) + "\r\n";
    return file;
}

const char kNamedAboutTexts[] = "[Button]\r\n4=Done\r\n"
                                "[About]\r\n1=A1\r\n2=A2\r\n3=A3\r\n4=A4\r\n5=A5\r\n6=A6\r\n"
                                "translate=Atr\r\nemail=Aem\r\n";

// Each test runs from an empty working folder of its own, never the program folder, so a sketch
// is found only where the test puts one.
class HelpAboutWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        working.emplace(elsewhere.Path());
    }
    void TearDown() override {
        working.reset();
        MainWindowFixture::TearDown();
    }

    // Opens the window from its menu entry and hands it to the check while it is open.
    template <typename Window>
    void Open(void (frmMain::*handler)(), const std::function<void(Window&)>& check) {
        bool ran = false;
        prompter.modalScripts.push_back([&](QDialog& dialog) {
            auto* window = dynamic_cast<Window*>(&dialog);
            ASSERT_NE(window, nullptr);
            ran = true;
            check(*window);
        });
        (this->window.get()->*handler)();
        EXPECT_TRUE(ran);
    }
    void OpenHelp(const std::function<void(frmAide&)>& check) {
        Open<frmAide>(&frmMain::mnuhlp_Click, check);
    }
    void OpenAbout(const std::function<void(frmAbout&)>& check) {
        Open<frmAbout>(&frmMain::nmuabout_Click, check);
    }
    void PutSketch(const std::string& folderPath, const std::string& language) {
        WriteBytes(folderPath + "/" + language + ".gif", "GIF89a");
    }

    TestFolder elsewhere;
    std::optional<WorkingFolder> working;
};

TEST_F(HelpAboutWindow, HelpTextsFollowTheirLayoutTables) {
    WriteBytes(folder / "Named.lng", NamedHelpTexts());
    Start("Named");
    OpenHelp([](frmAide& help) {
        EXPECT_EQ(help.Label1()->text(), "H1\r\n"
                                         "     H2\r\n"
                                         "     H3\r\n"
                                         "     H4\r\n"
                                         "     H5\r\n"
                                         "        H6\r\n"
                                         "        H7\r\n"
                                         "     H8\r\n\r\n"
                                         "H9\r\n\r\n"
                                         "H10\r\n"
                                         "H11\r\n"
                                         "H12\r\n\r\n"
                                         "H13\r\n\r\n"
                                         "H14\r\n"
                                         "H15\r\n\r\n"
                                         "H16\r\n"
                                         "H17\r\n\r\n"
                                         "H18\r\n\r\n");
        EXPECT_EQ(help.Label2()->text(), "H21\r\n"
                                         "          H22\r\n"
                                         "          H23\r\n"
                                         "          H24");
        EXPECT_EQ(help.cmdok()->text(), "Done");
        EXPECT_EQ(help.windowTitle(), "Informations :");
    });
}

TEST_F(HelpAboutWindow, MissingHelpKeysKeepTheirBlanksAndBreaks) {
    WriteBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    Start("Bare");
    OpenHelp([](frmAide& help) {
        // One row per key, 1 to 18: the blanks and breaks stay where the texts would be.
        EXPECT_EQ(help.Label1()->text(), "\r\n"
                                         "     \r\n"
                                         "     \r\n"
                                         "     \r\n"
                                         "     \r\n"
                                         "        \r\n"
                                         "        \r\n"
                                         "     \r\n\r\n"
                                         "\r\n\r\n"
                                         "\r\n"
                                         "\r\n"
                                         "\r\n\r\n"
                                         "\r\n\r\n"
                                         "\r\n"
                                         "\r\n\r\n"
                                         "\r\n"
                                         "\r\n\r\n"
                                         "\r\n\r\n");
        EXPECT_EQ(help.Label2()->text(), "\r\n          \r\n          \r\n          ");
        EXPECT_TRUE(help.cmdok()->text().isEmpty());
    });
}

TEST_F(HelpAboutWindow, RealHelpTextHas18LinesAndEndsWithAnEmptyLine) {
    Start("English");
    OpenHelp([](frmAide& help) {
        const QStringList lines = help.Label1()->text().split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), 26);
        EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("\\S"))).size(), 18);
        EXPECT_TRUE(lines[24].isEmpty());
        EXPECT_TRUE(lines[25].isEmpty());
        EXPECT_EQ(lines[1], "     " + QString::fromStdString(GetINIFile("MsgHelp", "2")));
        EXPECT_EQ(lines[5], "        " + QString::fromStdString(GetINIFile("MsgHelp", "6")));
    });
}

struct SketchCase {
    const char* name;
    bool besideProgram;
    bool inWorkingFolder;
    bool shown;
    bool opensTheOneBesideProgram;
};

const SketchCase kSketchCases[] = {
    {"none anywhere", false, false, false, false},
    {"beside the program, started from elsewhere", true, false, true, true},
    {"only in the working folder", false, true, true, false},
    {"in both: the program's own wins", true, true, true, true},
};

TEST_F(HelpAboutWindow, SketchButtonShowsWhenASketchIsFoundAndOpensIt) {
    for (const SketchCase& row : kSketchCases) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(folder / "English.gif");
        std::filesystem::remove(elsewhere / "English.gif");
        if (row.besideProgram)
            PutSketch(folder.Path(), "English");
        if (row.inWorkingFolder)
            PutSketch(elsewhere.Path(), "English");
        prompter.openedFiles.clear();
        Start("English");
        OpenHelp([&](frmAide& help) {
            EXPECT_EQ(!help.croquis()->isHidden(), row.shown);
            const std::string caption = row.shown ? GetINIFile("Button", "5") : "Croquis";
            EXPECT_EQ(help.croquis()->text().toStdString(), caption);
            help.croquis()->click();
        });
        if (!row.shown) {
            EXPECT_TRUE(prompter.openedFiles.empty());
            continue;
        }
        const std::string expected =
            row.opensTheOneBesideProgram ? folder / "English.gif" : elsewhere / "English.gif";
        ASSERT_EQ(prompter.openedFiles.size(), 1u);
        EXPECT_EQ(prompter.openedFiles[0].toStdString(), expected);
    }
}

TEST_F(HelpAboutWindow, SketchThatVanishesWhileTheWindowIsOpenOpensNothing) {
    PutSketch(folder.Path(), "English");
    Start("English");
    OpenHelp([&](frmAide& help) {
        EXPECT_FALSE(help.croquis()->isHidden());
        std::filesystem::remove(folder / "English.gif");
        help.croquis()->click();
    });
    EXPECT_TRUE(prompter.openedFiles.empty());
}

// The path reaches the viewer as one name: nothing in it is read as a command.
TEST_F(HelpAboutWindow, SketchPathWithBlanksQuotesAndSemicolonsIsPassedAsItIs) {
    const std::string odd = "it's a \"wing\"; rm -rf x";
    WriteBytes(folder / (odd + ".lng"), "[Button]\r\n5=Sketch\r\n");
    PutSketch(folder.Path(), odd);
    Start(odd);
    OpenHelp([](frmAide& help) { help.croquis()->click(); });
    ASSERT_EQ(prompter.openedFiles.size(), 1u);
    EXPECT_EQ(prompter.openedFiles[0].toStdString(), folder / (odd + ".gif"));
}

TEST_F(HelpAboutWindow, EscapePressesOk) {
    Start("English");
    OpenHelp([](frmAide& help) {
        const QSignalSpy pressed(help.cmdok(), &QPushButton::clicked);
        QTest::keyClick(&help, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
        EXPECT_EQ(help.result(), QDialog::Accepted);
    });
    OpenAbout([](frmAbout& about) {
        const QSignalSpy pressed(about.cmdOK(), &QPushButton::clicked);
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
    });
}

TEST_F(HelpAboutWindow, EnterPressesOkInTheAboutWindow) {
    Start("English");
    OpenAbout([](frmAbout& about) {
        EXPECT_TRUE(about.cmdOK()->isDefault());
        about.show();
        const QSignalSpy pressed(about.cmdOK(), &QPushButton::clicked);
        QTest::keyClick(&about, Qt::Key_Return);
        EXPECT_EQ(pressed.count(), 1);
        EXPECT_FALSE(about.isVisible());
    });
}

TEST_F(HelpAboutWindow, WindowsAreOwnedByTheMainWindowAndGoneWhenClosed) {
    Start("English");
    QPointer<QDialog> help;
    OpenHelp([&](frmAide& window) {
        help = &window;
        EXPECT_EQ(window.parentWidget(), this->window.get());
    });
    EXPECT_TRUE(help.isNull());
    QPointer<QDialog> about;
    OpenAbout([&](frmAbout& window) {
        about = &window;
        EXPECT_EQ(window.parentWidget(), this->window.get());
    });
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(prompter.modalRuns, 2);
}

TEST_F(HelpAboutWindow, AboutTextsAreBuiltFromTheLanguageFile) {
    WriteBytes(folder / "Named.lng", kNamedAboutTexts);
    Start("Named");
    OpenAbout([](frmAbout& about) {
        EXPECT_EQ(about.windowTitle(), "A1");
        EXPECT_EQ(about.lblTitle()->text(), "A2");
        EXPECT_EQ(about.lblVersion()->text(), "Version 3.1.0 - Named");
        EXPECT_EQ(about.lblDescription()->text(), "A4\r\nA5\r\nA6 : Atr\r\nAem\r\n\r\n");
        EXPECT_EQ(about.cmdOK()->text(), "Done");
        EXPECT_EQ(about.lblinfo()->text(), "Wingsheet \u2014 wingsheet@example.org");
        EXPECT_TRUE(about.lblTitle()->font().bold());
        EXPECT_TRUE(about.lblVersion()->font().bold());
    });
}

TEST_F(HelpAboutWindow, AboutPictureIsBuiltIn) {
    Start("English");
    OpenAbout([](frmAbout& about) {
        const QPixmap picture = about.picIcon()->pixmap();
        EXPECT_EQ(picture.size(), QSize(116, 37));
        EXPECT_EQ(about.picIcon()->toolTip(), "wingsheet@example.org");
    });
}

TEST_F(HelpAboutWindow, LanguageWithoutAboutShowsOnlyTheProgramsOwnParts) {
    WriteBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    Start("Bare");
    OpenAbout([](frmAbout& about) {
        EXPECT_TRUE(about.windowTitle().isEmpty());
        EXPECT_TRUE(about.lblTitle()->text().isEmpty());
        EXPECT_EQ(about.lblVersion()->text(), "Version 3.1.0 - Bare");
        EXPECT_EQ(about.lblDescription()->text(), "\r\n\r\n : \r\n\r\n\r\n");
        EXPECT_EQ(about.lblinfo()->text(), "Wingsheet \u2014 wingsheet@example.org");
    });
}

TEST_F(HelpAboutWindow, LanguageSwitchShowsInTheNextOpening) {
    PutSketch(folder.Path(), kFrench);
    Start("English");
    OpenHelp([](frmAide& help) {
        EXPECT_TRUE(help.Label1()->text().startsWith("Describe the half-wing"));
        EXPECT_TRUE(help.croquis()->isHidden());
    });
    OpenAbout(
        [](frmAbout& about) { EXPECT_EQ(about.lblVersion()->text(), "Version 3.1.0 - English"); });

    prompter.modalScripts.push_back(Pick(QString::fromStdString(kFrench)));
    window->mnulang_Click();

    OpenHelp([](frmAide& help) {
        EXPECT_EQ(help.Label1()->text().section(QStringLiteral("\r\n"), 0, 0).toStdString(),
                  GetINIFile("MsgHelp", "1"));
        EXPECT_TRUE(help.Label1()->text().startsWith(QString::fromUtf8("D\xc3\xa9"
                                                                       "crivez")));
        EXPECT_FALSE(help.croquis()->isHidden());
        EXPECT_EQ(help.croquis()->text(), "Croquis");
    });
    OpenAbout([](frmAbout& about) {
        EXPECT_EQ(about.lblVersion()->text().toStdString(), "Version 3.1.0 - " + kFrench);
        EXPECT_EQ(about.windowTitle().toStdString(), GetINIFile("About", "1"));
        EXPECT_TRUE(about.lblDescription()->text().contains(
            QString::fromStdString(" : " + GetINIFile("About", "translate") + "\r\n")));
    });
}

} // namespace
