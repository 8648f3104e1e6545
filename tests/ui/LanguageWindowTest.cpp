#include "MainWindowFixture.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>

namespace {

// Every text the translation sets, tooltips included, in one list to compare languages.
QStringList TranslatedTexts(const frmMain& window) {
    const MainWindowControls& c = window.controls();
    QStringList texts{window.windowTitle(), c.mnufile->title(),     c.mnuopen->text(),
                      c.mnusave->text(),    c.mnufileprint->text(), c.mnufilequit->text(),
                      c.mnulang->text(),    c.mnuaide->title(),     c.mnuhlp->text(),
                      c.nmuabout->text(),   c.donnees->title(),     c.resultats->title(),
                      c.cmdCalcul->text(),  c.cmdCalcul->toolTip(), c.cmdClear->text(),
                      c.cmdprint->text(),   c.Lbmasse->text(),      c.Lbca->text()};
    for (const QLabel* label : {c.Label1, c.Label2, c.Label3, c.Label4, c.Label5, c.Label6,
                                c.Label7, c.Label8, c.Label9, c.Label10, c.Label11})
        texts << label->text() << label->toolTip();
    for (const QLabel* heading : c.Trap)
        texts << heading->text();
    return texts;
}

using LanguageWindow = MainWindowFixture;

TEST_F(LanguageWindow, FirstStartAsksForALanguageAndRemembersIt) {
    prompter.modalScripts.push_back(Pick("Fran\u00e7ais"));
    Start("");
    ASSERT_TRUE(started);
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_EQ(language.name(), "Fran\xc3\xa7"
                               "ais");
    EXPECT_EQ(language.languageFile(), folder / "Fran\xc3\xa7"
                                                "ais.lng");
    EXPECT_FALSE(language.choosingAtStartup());
    EXPECT_EQ(language.storedLanguage(), "Fran\xc3\xa7"
                                         "ais");
    EXPECT_EQ(c().Label1->text().toStdString(), language.text(kRootChordCaption));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(LanguageWindow, StartWithAStoredLanguageOpensNoChooser) {
    Start("English");
    EXPECT_EQ(prompter.modalRuns, 0);
    EXPECT_EQ(c().mnufile->title().toStdString(), language.text(kFileMenu));
}

TEST_F(LanguageWindow, LeavingTheFirstChooserAsksAgainUntilQuit) {
    // Closed untouched twice: retry once, then quit.
    prompter.messageAnswers = {MessageAnswer::Retry, MessageAnswer::Cancel};
    Start("");
    EXPECT_FALSE(started);
    EXPECT_EQ(prompter.modalRuns, 2);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, "Please select a language");
    EXPECT_EQ(prompter.messages[0].style.icon, MessageIcon::Critical);
}

TEST_F(LanguageWindow, SwitchingLanguageAndBackRestoresEveryText) {
    Start("English");
    const QStringList english = TranslatedTexts(*window);
    prompter.modalScripts.push_back(Pick("Fran\u00e7ais"));
    window->mnulang_Click();
    const QStringList french = TranslatedTexts(*window);
    EXPECT_NE(french, english);
    EXPECT_EQ(french[0], "Wingsheet");
    prompter.modalScripts.push_back(Pick("English"));
    window->mnulang_Click();
    EXPECT_EQ(TranslatedTexts(*window), english);
    EXPECT_EQ(language.storedLanguage(), "English");
}

TEST_F(LanguageWindow, ChooserFromTheMenuShowsTheCurrentNameAndNeedsAPick) {
    Start("English");
    prompter.modalScripts.push_back([this](QDialog& dialog) {
        auto& chooser = dynamic_cast<lang&>(dialog);
        EXPECT_EQ(chooser.Combo1()->placeholderText(), "English");
        EXPECT_EQ(chooser.windowTitle().toStdString(), language.text(kLanguageDialogTitle));
        EXPECT_EQ(chooser.Combo1()->count(), 2);
        chooser.ok()->click(); // nothing picked: nothing changes
    });
    window->mnulang_Click();
    EXPECT_EQ(language.name(), "English");
    EXPECT_EQ(language.storedLanguage(), "English");
}

TEST_F(LanguageWindow, MissingTextsShowEmptyWithTheProgramsOwnSeparators) {
    WriteBytes(folder / "Bare.lng", "[language]\r\n1=Lang\r\n");
    Start("Bare");
    EXPECT_EQ(c().Trap[0]->text(), " 1");
    EXPECT_EQ(c().Lbmasse->text(), " : ");
    EXPECT_TRUE(window->windowTitle().isEmpty() || window->windowTitle() == "wingsheet_ui_tests");
    EXPECT_EQ(c().mnulang->text(), "Lang");
    EXPECT_TRUE(c().Label1->text().isEmpty());
}

} // namespace
