// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/TextPattern.h"
#include "support/OnePixelGif.h"
#include "ui/MainWindowFixture.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/SketchWindow.h"

#include <QAction>
#include <QFrame>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <span>

namespace {

const std::string kFrench = "Fran\xc3\xa7"
                            "ais";

// Every help key holds its own name, so the layout shows where each text went; keys 19 and 20
// are there too and must stay out.
std::string namedHelpTexts() {
    std::string file = "[Button]\r\n4=Done\r\n5=Picture\r\n[MsgHelp]\r\n";
    for (int key = 1; key <= 24; ++key)
        file += std::to_string(key) + "=H" + std::to_string(key) + "\r\n";
    for (const std::string key :
         {"preview", "fullsize", "pages", "export", "halves", "stability", "stability2", "ribs",
          "ribs2", "ribs3", "templates", "templates2", "units", "keys"})
        file += key + "=H" + key + "\r\n";
    return file;
}

// What a language file without the help texts shows: the first keys empty, the later ones in
// their English.
QString withoutHelpTexts(QString named) {
    named.remove(QRegularExpression(QStringLiteral("H\\d+\\b")));
    for (const auto& keys :
         {std::span<const TextKey>(kHelpLines), std::span<const TextKey>(kHelpTips)}) {
        for (const TextKey& key : keys) {
            if (!key.fallback.empty())
                named.replace(QRegularExpression("H" + QString::fromUtf8(key.key) + "\\b"),
                              QString::fromUtf8(key.fallback));
        }
    }
    return named;
}

// Each test runs from an empty working folder of its own, never the program folder, so a sketch
// is found only where the test puts one.
class HelpAboutWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        std::filesystem::current_path(elsewhere.path());
    }
    void TearDown() override {
        std::filesystem::current_path(previousWorkingFolder);
        MainWindowFixture::TearDown();
    }

    // Opens the window from its menu entry and hands it to the check while it is open. Each
    // opening makes a new window, owned by the main window and gone once closed.
    template <typename Window>
    void open(QAction* entry, const std::function<void(Window&)>& check) {
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
    void openHelp(const std::function<void(HelpDialog&)>& check) { open(c().helpAction, check); }
    void openAbout(const std::function<void(AboutDialog&)>& check) { open(c().aboutAction, check); }
    // A real one-pixel GIF: the sketch window shows only what Qt can read as a picture.
    void putSketch(const std::string& folderPath, const std::string& languageName) {
        writeBytes(folderPath + "/" + languageName + ".gif", onePixelGif());
    }
    // Clicks the help window's sketch button; the sketch window that opens, if any, is recorded
    // with the file it shows.
    void clickSketch(HelpDialog& help) {
        const std::size_t scripts = prompter.modalScripts.size();
        prompter.modalScripts.push_front([this](QDialog& dialog) {
            auto* sketch = dynamic_cast<SketchWindow*>(&dialog);
            ASSERT_NE(sketch, nullptr);
            EXPECT_EQ(sketch->parentWidget(), dialog.parentWidget());
            EXPECT_TRUE(sketch->hasPicture());
            shownSketches.push_back(sketch->path());
        });
        help.sketchButton()->click();
        if (prompter.modalScripts.size() > scripts)
            prompter.modalScripts.pop_front(); // no sketch window opened
    }
    std::vector<QString> shownSketches;

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
                           "H15\r\n"
                           "Hpreview\r\n\r\n"
                           "Hfullsize\r\n"
                           "Hpages\r\n"
                           "Hexport\r\n"
                           "Hhalves\r\n\r\n"
                           "H16\r\n"
                           "H17\r\n\r\n"
                           "Hstability\r\n"
                           "Hstability2\r\n\r\n"
                           "Hribs\r\n"
                           "Hribs2\r\n"
                           "Hribs3\r\n"
                           "Htemplates\r\n"
                           "Htemplates2\r\n\r\n"
                           "H18\r\n"
                           "Hunits\r\n\r\n";
    const QString label2 = "H21\r\n"
                           "          H22\r\n"
                           "          H23\r\n"
                           "          H24\r\n"
                           "          Hkeys";
    writeBytes(folder / "Named.lng", namedHelpTexts());
    writeBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    for (const bool named : {true, false}) {
        startWindow(named ? "Named" : "Bare");
        openHelp([&](HelpDialog& help) {
            EXPECT_EQ(help.helpLabel()->text().toStdString(),
                      (named ? label1 : withoutHelpTexts(label1)).toStdString());
            EXPECT_EQ(help.tipsLabel()->text(), named ? label2 : withoutHelpTexts(label2));
            EXPECT_EQ(help.okButton()->text(), named ? "Done" : "");
            EXPECT_EQ(help.windowTitle(), "Informations :");
        });
    }
}

// A sketch that vanishes while the window is open is not shown.
TEST_F(HelpAboutWindow, SketchThatVanishesOpensNothing) {
    putSketch(folder.path(), "English");
    startWindow("English");
    openHelp([&](HelpDialog& help) {
        EXPECT_FALSE(help.sketchButton()->isHidden());
        std::filesystem::remove(folder / "English.gif");
        clickSketch(help);
    });
    EXPECT_TRUE(shownSketches.empty());
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_TRUE(prompter.messages.empty());
}

// A file that is not a picture gets a message naming it, not an empty window.
TEST_F(HelpAboutWindow, DamagedSketchIsReported) {
    writeBytes(folder / "English.gif", "GIF89a, and then nothing of a picture");
    startWindow("English");
    openHelp([&](HelpDialog& help) { clickSketch(help); });
    EXPECT_TRUE(shownSketches.empty());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.toStdString(),
              fillIn(language.text(kSketchUnreadableMessage), {folder / "English.gif"}));
    EXPECT_EQ(prompter.messages[0].style, kExclamationMessage);
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
            putSketch(folder.path(), "English");
        if (row.inWorkingFolder)
            putSketch(elsewhere.path(), "English");
        shownSketches.clear();
        startWindow("English");
        openHelp([&](HelpDialog& help) {
            EXPECT_EQ(!help.sketchButton()->isHidden(), row.shown);
            const std::string caption = row.shown ? language.text(kSketchButton) : "Croquis";
            EXPECT_EQ(help.sketchButton()->text().toStdString(), caption);
            clickSketch(help);
        });
        std::vector<QString> expected;
        if (row.shown)
            expected.push_back(QString::fromStdString(
                row.opensTheOneBesideProgram ? folder / "English.gif" : elsewhere / "English.gif"));
        EXPECT_EQ(shownSketches, expected);
    }
}

// The path reaches the sketch window as one name: nothing in it is read as a command.
TEST_F(HelpAboutWindow, SketchPathWithBlanksQuotesAndSemicolonsIsPassedAsItIs) {
    const std::string odd = "it's a \"wing\"; rm -rf x";
    writeBytes(folder / (odd + ".lng"), "[Button]\r\n5=&Sketch\r\n");
    putSketch(folder.path(), odd);
    startWindow(odd);
    openHelp([this](HelpDialog& help) { clickSketch(help); });
    ASSERT_EQ(shownSketches.size(), 1u);
    EXPECT_EQ(shownSketches[0].toStdString(), folder / (odd + ".gif"));
    EXPECT_TRUE(prompter.openedFiles.empty()); // no desktop viewer is asked
}

// The shipped sketch fills the window whatever its size, undistorted; Esc closes the window.
TEST_F(HelpAboutWindow, SketchWindowScalesThePictureToFitAndClosesWithEsc) {
    const QString path = QStringLiteral(WINGSHEET_SOURCE_LANG "/English.gif");
    SketchWindow sketch(nullptr, path, QStringLiteral("Sketch"));
    ASSERT_TRUE(sketch.hasPicture());
    EXPECT_EQ(sketch.windowTitle(), "Sketch");
    EXPECT_EQ(sketch.pictureLabel()->accessibleName(), "Sketch");
    sketch.show();
    for (const QSize size : {QSize(920, 375), QSize(400, 600), QSize(1200, 300)}) {
        sketch.resize(size);
        const QSize shown = sketch.pictureLabel()->pixmap().size();
        SCOPED_TRACE(size.width());
        EXPECT_TRUE(shown.width() == size.width() || shown.height() == size.height());
        EXPECT_LE(shown.width(), size.width());
        EXPECT_LE(shown.height(), size.height());
        EXPECT_NEAR(double(shown.width()) / shown.height(), 920.0 / 375, 0.02);
    }
    QTest::keyClick(&sketch, Qt::Key_Escape);
    EXPECT_FALSE(sketch.isVisible());
    EXPECT_EQ(sketch.result(), QDialog::Rejected);
}

// Esc presses OK in both windows; Enter too in the About window, whose OK is the default.
TEST_F(HelpAboutWindow, KeysPressOk) {
    startWindow("English");
    openHelp([](HelpDialog& help) {
        const QSignalSpy pressed(help.okButton(), &QPushButton::clicked);
        QTest::keyClick(&help, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
        EXPECT_EQ(help.result(), QDialog::Accepted);
    });
    openAbout([](AboutDialog& about) {
        about.show();
        const QSignalSpy pressed(about.okButton(), &QPushButton::clicked);
        QTest::keyClick(&about, Qt::Key_Escape);
        EXPECT_EQ(pressed.count(), 1);
        about.show();
        EXPECT_TRUE(about.okButton()->isDefault());
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
        writeBytes(folder / (std::string(row.language) + ".lng"), row.file);
        startWindow(row.language);
        openAbout([&](AboutDialog& about) {
            EXPECT_EQ(about.windowTitle(), row.title);
            EXPECT_EQ(about.titleLabel()->text(), row.heading);
            EXPECT_EQ(about.versionLabel()->text(),
                      QStringLiteral("Version 3.1.0 - ") + row.language);
            EXPECT_EQ(about.descriptionLabel()->text(), row.description);
            EXPECT_EQ(about.okButton()->text(), row.ok);
            EXPECT_EQ(about.contactLabel()->text(), "Wingsheet \u2014 wingsheet@example.org");
            EXPECT_TRUE(about.titleLabel()->font().bold());
            EXPECT_TRUE(about.versionLabel()->font().bold());
            EXPECT_EQ(about.pictureLabel()->pixmap().size(), QSize(116, 37)); // our own picture
            EXPECT_EQ(about.pictureLabel()->toolTip(), "wingsheet@example.org");
        });
    }
    EXPECT_EQ(prompter.modalRuns, 2);
}

TEST_F(HelpAboutWindow, LanguageSwitchShowsInTheNextOpening) {
    putSketch(folder.path(), kFrench);
    startWindow("English");
    openHelp([](HelpDialog& help) {
        EXPECT_TRUE(help.helpLabel()->text().startsWith("Describe the half-wing"));
        EXPECT_TRUE(help.sketchButton()->isHidden());
    });
    openAbout([](AboutDialog& about) {
        EXPECT_EQ(about.versionLabel()->text(), "Version 3.1.0 - English");
    });

    prompter.modalScripts.push_back(pick(QString::fromStdString(kFrench)));
    window->chooseLanguage();

    openHelp([this](HelpDialog& help) {
        EXPECT_EQ(help.helpLabel()->text().section(QStringLiteral("\r\n"), 0, 0).toStdString(),
                  language.text(kHelpLines[0]));
        EXPECT_TRUE(help.helpLabel()->text().startsWith(QString::fromUtf8("D\xc3\xa9"
                                                                          "crivez")));
        EXPECT_FALSE(help.sketchButton()->isHidden());
        EXPECT_EQ(help.sketchButton()->text(), "Croquis");
    });
    openAbout([this](AboutDialog& about) {
        EXPECT_EQ(about.versionLabel()->text().toStdString(), "Version 3.1.0 - " + kFrench);
        EXPECT_EQ(about.windowTitle().toStdString(), language.text(kAboutTitle));
        EXPECT_TRUE(about.descriptionLabel()->text().contains(
            QString::fromStdString(" : " + language.text(kTranslatorName) + "\r\n")));
    });
}

} // namespace
