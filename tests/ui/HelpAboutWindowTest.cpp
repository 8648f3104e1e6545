#include "MainWindowFixture.h"
#include "ui/frmAbout.h"
#include "ui/frmAide.h"

#include <QAction>
#include <QFrame>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

const std::string kFrench = "Fran\xc3\xa7"
                            "ais";

// Every help key holds its own name, so the layout shows where each text went; keys 19 and 20
// are there too and must stay out.
std::string NamedHelpTexts() {
    std::string file = "[Button]\r\n4=Done\r\n5=Picture\r\n[MsgHelp]\r\n";
    for (int key = 1; key <= 24; ++key)
        file += std::to_string(key) + "=H" + std::to_string(key) + "\r\n";
    return file;
}

// Each test runs from an empty working folder of its own, never the program folder, so a sketch
// is found only where the test puts one.
class HelpAboutWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::current_path(elsewhere.Path());
    }
    void TearDown() override {
        std::filesystem::current_path(previousWorkingFolder);
        MainWindowFixture::TearDown();
    }

    // Opens the window from its menu entry and hands it to the check while it is open. Each
    // opening makes a new window, owned by the main window and gone once closed.
    template <typename Window>
    void Open(QAction* entry, const std::function<void(Window&)>& check) {
        QPointer<QDialog> opened;
        prompter.modalScripts.push_back([&](QDialog& dialog) {
            auto* shown = dynamic_cast<Window*>(&dialog);
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->parentWidget(), window.get());
            opened = shown;
            check(*shown);
        });
        entry->trigger();
        EXPECT_TRUE(prompter.modalScripts.empty());
        EXPECT_TRUE(opened.isNull());
    }
    void OpenHelp(const std::function<void(frmAide&)>& check) { Open(c().mnuhlp, check); }
    void OpenAbout(const std::function<void(frmAbout&)>& check) { Open(c().nmuabout, check); }
    void PutSketch(const std::string& folderPath, const std::string& language) {
        WriteBytes(folderPath + "/" + language + ".gif", "GIF89a");
    }

    const std::filesystem::path previousWorkingFolder = std::filesystem::current_path();
    TestFolder elsewhere;
};

// Every help key holds its own name in one language and is missing in the other.
TEST_F(HelpAboutWindow, HelpTextsFollowTheirLayoutTables) {
    const QString label1 = "H1\r\n"
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
                           "H18\r\n\r\n";
    const QString label2 = "H21\r\n"
                           "          H22\r\n"
                           "          H23\r\n"
                           "          H24";
    WriteBytes(folder / "Named.lng", NamedHelpTexts());
    WriteBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    for (const bool named : {true, false}) {
        Start(named ? "Named" : "Bare");
        // Without texts, only the layout's own blanks and breaks remain.
        const QRegularExpression text(named ? QStringLiteral("(?!)") : QStringLiteral("H\\d+"));
        OpenHelp([&](frmAide& help) {
            EXPECT_EQ(help.Label1()->text(), QString(label1).remove(text));
            EXPECT_EQ(help.Label2()->text(), QString(label2).remove(text));
            EXPECT_EQ(help.cmdok()->text(), named ? "Done" : "");
            EXPECT_EQ(help.windowTitle(), "Informations :");
        });
    }
}

// A sketch that vanishes while the window is open is not handed to the viewer.
TEST_F(HelpAboutWindow, SketchThatVanishesOpensNothing) {
    PutSketch(folder.Path(), "English");
    Start("English");
    OpenHelp([&](frmAide& help) {
        EXPECT_FALSE(help.croquis()->isHidden());
        std::filesystem::remove(folder / "English.gif");
        help.croquis()->click();
    });
    EXPECT_TRUE(prompter.openedFiles.empty());
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
            const std::string caption = row.shown ? language.text(kSketchButton) : "Croquis";
            EXPECT_EQ(help.croquis()->text().toStdString(), caption);
            help.croquis()->click();
        });
        std::vector<QString> expected;
        if (row.shown)
            expected.push_back(QString::fromStdString(
                row.opensTheOneBesideProgram ? folder / "English.gif" : elsewhere / "English.gif"));
        EXPECT_EQ(prompter.openedFiles, expected);
    }
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

// Esc presses OK in both windows; Enter too in the About window, whose OK is the default.
TEST_F(HelpAboutWindow, KeysPressOk) {
    Start("English");
    OpenHelp([](frmAide& help) {
        const QSignalSpy pressed(help.cmdok(), &QPushButton::clicked);
        QTest::keyClick(&help, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
        EXPECT_EQ(help.result(), QDialog::Accepted);
    });
    OpenAbout([](frmAbout& about) {
        about.show();
        const QSignalSpy pressed(about.cmdOK(), &QPushButton::clicked);
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
        about.show();
        EXPECT_TRUE(about.cmdOK()->isDefault());
        QTest::keyClick(&about, Qt::Key_Return);
        EXPECT_EQ(pressed.count(), 2);
        EXPECT_FALSE(about.isVisible());
    });
}

struct AboutCase {
    const char* language;
    std::string file;
    const char* title;
    const char* heading;
    const char* description;
    const char* ok;
};

// A language without [About] keeps only the program's own parts: version line, blanks and
// breaks of the description, the contact line and the picture.
const AboutCase kAboutCases[] = {
    {"Named",
     "[Button]\r\n4=Done\r\n[About]\r\n1=A1\r\n2=A2\r\n3=A3\r\n4=A4\r\n5=A5\r\n6=A6\r\n"
     "translate=Atr\r\nemail=Aem\r\n",
     "A1", "A2", "A4\r\nA5\r\nA6 : Atr\r\nAem\r\n\r\n", "Done"},
    {"Bare", "[language]\r\n1=Lang\r\n", "", "", "\r\n\r\n : \r\n\r\n\r\n", ""},
};

TEST_F(HelpAboutWindow, AboutTextsAreBuiltFromTheLanguageFile) {
    for (const AboutCase& row : kAboutCases) {
        SCOPED_TRACE(row.language);
        WriteBytes(folder / (std::string(row.language) + ".lng"), row.file);
        Start(row.language);
        OpenAbout([&](frmAbout& about) {
            EXPECT_EQ(about.windowTitle(), row.title);
            EXPECT_EQ(about.lblTitle()->text(), row.heading);
            EXPECT_EQ(about.lblVersion()->text(),
                      QStringLiteral("Version 3.1.0 - ") + row.language);
            EXPECT_EQ(about.lblDescription()->text(), row.description);
            EXPECT_EQ(about.cmdOK()->text(), row.ok);
            EXPECT_EQ(about.lblinfo()->text(), "Wingsheet \u2014 wingsheet@example.org");
            EXPECT_TRUE(about.lblTitle()->font().bold());
            EXPECT_TRUE(about.lblVersion()->font().bold());
            EXPECT_EQ(about.picIcon()->pixmap().size(), QSize(116, 37)); // our own picture
            EXPECT_EQ(about.picIcon()->toolTip(), "wingsheet@example.org");
        });
    }
    EXPECT_EQ(prompter.modalRuns, 2);
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

    OpenHelp([this](frmAide& help) {
        EXPECT_EQ(help.Label1()->text().section(QStringLiteral("\r\n"), 0, 0).toStdString(),
                  language.text(kHelpLines[0]));
        EXPECT_TRUE(help.Label1()->text().startsWith(QString::fromUtf8("D\xc3\xa9"
                                                                       "crivez")));
        EXPECT_FALSE(help.croquis()->isHidden());
        EXPECT_EQ(help.croquis()->text(), "Croquis");
    });
    OpenAbout([this](frmAbout& about) {
        EXPECT_EQ(about.lblVersion()->text().toStdString(), "Version 3.1.0 - " + kFrench);
        EXPECT_EQ(about.windowTitle().toStdString(), language.text(kAboutTitle));
        EXPECT_TRUE(about.lblDescription()->text().contains(
            QString::fromStdString(" : " + language.text(kTranslatorName) + "\r\n")));
    });
}

} // namespace
