// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

// Every text the translation sets, tooltips included, in one list to compare languages.
QStringList translatedTexts(const MainWindow& window) {
    const MainWindowControls& c = window.controls();
    QStringList texts{
        window.windowTitle(),      c.fileMenu->title(),          c.openAction->text(),
        c.saveAsAction->text(),    c.printAction->text(),        c.quitAction->text(),
        c.languageAction->text(),  c.helpMenu->title(),          c.helpAction->text(),
        c.aboutAction->text(),     c.inputsGroup->title(),       c.resultsGroup->title(),
        c.calculateButton->text(), c.calculateButton->toolTip(), c.clearButton->text(),
        c.printButton->text(),     c.massCaption->text(),        c.wingLoadingCaption->text()};
    for (const QLabel* label :
         {c.rootChordCaption, c.tipChordCaption, c.panelLengthCaption, c.sweepOffsetCaption,
          c.balanceCaption, c.spanCaption, c.areaCaption, c.aspectRatioCaption,
          c.meanChordStationCaption, c.meanChordCaption, c.balanceDistanceCaption})
        texts << label->text() << label->toolTip();
    for (const QLabel* heading : c.panelCaptions)
        texts << heading->text();
    // Qt's own texts follow the language file's locale too: its message boxes, file dialogs.
    texts << QMessageBox(QMessageBox::Question, {}, {}, QMessageBox::Cancel)
                 .button(QMessageBox::Cancel)
                 ->text();
    return texts;
}

using LanguageWindow = MainWindowFixture;

TEST_F(LanguageWindow, FirstStartAsksForALanguageAndRemembersIt) {
    prompter.modalScripts.push_back(pick("Fran\u00e7ais"));
    startWindow("");
    ASSERT_TRUE(started);
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_EQ(language.name(), "Fran\xc3\xa7"
                               "ais");
    EXPECT_EQ(language.languageFile(), folder / "Fran\xc3\xa7"
                                                "ais.lng");
    EXPECT_FALSE(language.choosingAtStartup());
    EXPECT_EQ(language.storedLanguage(), "Fran\xc3\xa7"
                                         "ais");
    EXPECT_EQ(c().rootChordCaption->text().toStdString(), language.text(kRootChordCaption));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LanguageWindow, StartWithAStoredLanguageOpensNoChooser) {
    startWindow("English");
    EXPECT_EQ(prompter.modalRuns, 0);
    EXPECT_EQ(c().fileMenu->title().toStdString(), language.text(kFileMenu));
}

TEST_F(LanguageWindow, LeavingTheFirstChooserAsksAgainUntilQuit) {
    // Closed untouched twice: retry once, then quit.
    prompter.messageAnswers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    startWindow("");
    EXPECT_FALSE(started);
    EXPECT_EQ(prompter.modalRuns, 2);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, "Please select a language");
    EXPECT_EQ(prompter.messages[0].style.icon, MessageIcon::Critical);
}

// A start that gets no language (a chooser script that found no entry to pick) ends at the
// first question, so the test fails at once instead of spinning.
TEST_F(LanguageWindow, AStartThatGetsNoLanguageEndsAtTheFirstQuestion) {
    startWindow("");
    EXPECT_FALSE(started);
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_EQ(prompter.messages.size(), 1u);
}

// The title keeps the wing file's name.
TEST_F(LanguageWindow, SwitchingLanguageAndBackRestoresEveryText) {
    startWindow("English");
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    window->openWingFileAt(folder / "two.txt");
    const QStringList english = translatedTexts(*window);
    prompter.modalScripts.push_back(pick("Fran\u00e7ais"));
    window->chooseLanguage();
    const QStringList french = translatedTexts(*window);
    EXPECT_NE(french, english);
    EXPECT_EQ(french[0], "Wingsheet - Fichier d'aile : two.txt");
    EXPECT_EQ(french.back(), "Annuler");
    prompter.modalScripts.push_back(pick("English"));
    window->chooseLanguage();
    EXPECT_EQ(translatedTexts(*window), english);
    EXPECT_EQ(language.storedLanguage(), "English");
}

TEST_F(LanguageWindow, ChooserFromTheMenuShowsTheCurrentNameAndNeedsAPick) {
    startWindow("English");
    prompter.modalScripts.push_back([this](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        EXPECT_EQ(chooser.languageCombo()->placeholderText(), "English");
        EXPECT_EQ(chooser.windowTitle().toStdString(), language.text(kLanguageDialogTitle));
        EXPECT_EQ(chooser.languageCombo()->count(), 2);
        chooser.okButton()->click(); // nothing picked: nothing changes
    });
    window->chooseLanguage();
    EXPECT_EQ(language.name(), "English");
    EXPECT_EQ(language.storedLanguage(), "English");
}

TEST_F(LanguageWindow, MissingTextsShowEmptyWithTheProgramsOwnSeparators) {
    writeBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    startWindow("Bare");
    EXPECT_EQ(c().panelCaptions[0]->text(), " 1");
    EXPECT_EQ(c().massCaption->text(), " : ");
    EXPECT_TRUE(window->windowTitle().isEmpty() || window->windowTitle() == "wingsheet_ui_tests");
    EXPECT_EQ(c().languageAction->text(), "Lang");
    EXPECT_TRUE(c().rootChordCaption->text().isEmpty());
}

// A remembered language whose file has gone would leave the window without a word: the chooser
// asks again, as at the first start.
TEST_F(LanguageWindow, RememberedLanguageWithoutItsFileOpensTheChooser) {
    prompter.modalScripts.push_back([this](QDialog& dialog) {
        EXPECT_TRUE(language.choosingAtStartup());
        pick("English")(dialog);
    });
    startWindow("Klingon");
    ASSERT_TRUE(started);
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_EQ(language.name(), "English");
    EXPECT_EQ(language.storedLanguage(), "English");
    EXPECT_EQ(c().fileMenu->title().toStdString(), language.text(kFileMenu));
}

// Down then Enter in the chooser from the menu picks the language after the one in use.
TEST_F(LanguageWindow, ChooserFromTheMenuStartsAtTheLanguageInUse) {
    startWindow("English");
    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        chooser.show(); // the default button takes Enter only when it shows
        EXPECT_EQ(chooser.languageCombo()->currentText(), "English");
        EXPECT_FALSE(chooser.selectionMade());
        QTest::keyClick(chooser.languageCombo(), Qt::Key_Down);
        QTest::keyClick(chooser.languageCombo(), Qt::Key_Return);
    });
    window->chooseLanguage();
    EXPECT_EQ(language.name(), "Fran\xc3\xa7"
                               "ais");
    EXPECT_EQ(language.storedLanguage(), language.name());
}

} // namespace
