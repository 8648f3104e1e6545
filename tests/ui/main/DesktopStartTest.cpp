// SPDX-License-Identifier: GPL-3.0-or-later
// The ways a desktop hands Wingsheet a wing file, "wingsheet FILE" and a drop on the window, both
// opening it exactly as File > Open does; and where an installed program's dialogs and sketches
// are looked for.
#include "support/EnvironmentScope.h"
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/main/WingsheetApp.h"

#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {

using DesktopStart = MainWindowFixture;

// What the window shows after the worked two-panel file was opened and calculated.
void expectTwoPanelWingShown(const MainWindow& window, const std::string& fileName) {
    const MainWindowControls& c = window.controls();
    EXPECT_EQ(c.rootChordFields[1]->text(), "200");
    EXPECT_EQ(c.massField->text(), "1500");
    EXPECT_EQ(c.meanChordValue->text(), " 222.99 mm  ");
    EXPECT_TRUE(window.hasValidResults());
    EXPECT_TRUE(window.windowTitle().endsWith(QString::fromStdString(" : " + fileName)));
}

TEST_F(DesktopStart, FileOnTheCommandLineOpensAfterTheLanguageIsPicked) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    prompter.modalScripts.push_back(pick("English"));
    window = std::make_unique<MainWindow>(prompter, language);
    ASSERT_TRUE(showMainWindow(*window, folder / "two.txt"));
    EXPECT_EQ(prompter.modalRuns, 1);
    EXPECT_TRUE(window->isVisible());
    expectTwoPanelWingShown(*window, "two.txt");
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.messages.empty());

    // The next Open starts where that file lies, as after an Open from the menu.
    std::filesystem::create_directory(folder / "wings");
    std::filesystem::rename(folder / "two.txt", folder / "wings/two.txt");
    window = std::make_unique<MainWindow>(prompter, language);
    showMainWindow(*window, folder / "wings/two.txt");
    window->openWingFile();
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].folder.toStdString(), folder / "wings");
}

TEST_F(DesktopStart, BadFileOnTheCommandLineTakesOpensErrorPath) {
    storeLanguage("English");
    writeBytes(folder / "short.txt", kTwoPanelWingFile.substr(0, 60));
    window = std::make_unique<MainWindow>(prompter, language);
    ASSERT_TRUE(showMainWindow(*window, folder / "short.txt"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.endsWith("\rInput past end of file"));
    EXPECT_EQ(prompter.messages[0].style, kInformationMessage);
    EXPECT_TRUE(c().rootChordFields[0]->text().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Wingsheet");

    prompter.messages.clear();
    window = std::make_unique<MainWindow>(prompter, language);
    ASSERT_TRUE(showMainWindow(*window, folder / "missing.txt"));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].style, kInformationMessage);
}

TEST_F(DesktopStart, QuittingTheFirstChooserOpensNothing) {
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    prompter.messageAnswers = {MessageAnswer::Cancel};
    window = std::make_unique<MainWindow>(prompter, language);
    EXPECT_FALSE(showMainWindow(*window, folder / "two.txt"));
    EXPECT_FALSE(window->hasValidResults());
}

// Sends a drag of the URLs onto the widget, then drops them; true when the drag was accepted.
bool dragAndDrop(QWidget* target, const QList<QUrl>& urls) {
    QMimeData data;
    data.setUrls(urls);
    data.setText(urls.isEmpty() ? QString() : urls.front().toString());
    const QPoint middle = target->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(middle), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents(); // the file opens once the drop has finished
    return drop.isAccepted();
}

TEST_F(DesktopStart, DroppedFileOpensOnTheWindowAndOnAField) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    const QUrl two = QUrl::fromLocalFile(QString::fromStdString(folder / "two.txt"));
    for (QWidget* target : std::initializer_list<QWidget*>{window.get(), c().massField}) {
        SCOPED_TRACE(target->objectName().toStdString());
        window->clearForm();
        EXPECT_TRUE(dragAndDrop(target, {two}));
        expectTwoPanelWingShown(*window, "two.txt"); // not the file's name typed into the field
    }
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(DesktopStart, DropOfABadFileShowsOpensMessageAndOfSeveralFilesIsRefused) {
    startWindow();
    writeBytes(folder / "notes.txt", "shopping list\r\n");
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    const QUrl notes = QUrl::fromLocalFile(QString::fromStdString(folder / "notes.txt"));
    const QUrl two = QUrl::fromLocalFile(QString::fromStdString(folder / "two.txt"));
    EXPECT_TRUE(dragAndDrop(window.get(), {notes}));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(window->hasValidResults());

    EXPECT_FALSE(dragAndDrop(window.get(), {two, notes}));
    EXPECT_FALSE(dragAndDrop(window.get(), {QUrl("https://example.org/two.txt")}));
    EXPECT_FALSE(window->hasValidResults());
    EXPECT_EQ(prompter.messages.size(), 1u);
}

// The bytes of the name reach the file system as given, from the command line and from a drop's
// URL, also when they are not UTF-8.
TEST_F(DesktopStart, NamesThatAreNotUtf8OpenFromTheCommandLineAndFromADrop) {
    const std::string odd = folder / "aile-\xE9t\xE9.txt";
    writeBytes(odd, kTwoPanelWingFile);
    storeLanguage("English");
    window = std::make_unique<MainWindow>(prompter, language);
    ASSERT_TRUE(showMainWindow(*window, odd));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_EQ(c().massField->text(), "1500");

    window->clearForm();
    const QUrl url = QUrl::fromEncoded(
        "file://" + QByteArray::fromStdString(odd).toPercentEncoding("/"), QUrl::StrictMode);
    ASSERT_TRUE(url.isLocalFile());
    EXPECT_TRUE(dragAndDrop(window.get(), {url}));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_EQ(c().massField->text(), "1500");
}

TEST_F(DesktopStart, InstalledProgramsDialogsStartInDocuments) {
    TestFolder home;
    const EnvironmentScope homeFolder("HOME", home.path().c_str());
    const EnvironmentScope configFolder("XDG_CONFIG_HOME", (home / ".config").c_str());
    std::filesystem::create_directories(folder / "usr/bin");
    std::filesystem::create_directories(folder / "usr/share/wingsheet");
    std::filesystem::copy_file(folder / "English.lng", folder / "usr/share/wingsheet/English.lng");
    LanguageState installed(findLanguagePlaces(folder / "usr/bin"));
    ASSERT_TRUE(installed.places().installed);
    ASSERT_TRUE(installed.storeLanguage("English"));

    const struct {
        const char* name;
        bool documentsExist;
        std::string expected;
    } rows[] = {
        {"no Documents folder: home", false, home.path()},
        {"Documents", true, home / "Documents"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.documentsExist)
            std::filesystem::create_directory(home / "Documents");
        MainWindow installedWindow(prompter, installed);
        ASSERT_TRUE(installedWindow.start());
        prompter.fileDialogs.clear();
        installedWindow.openWingFile();
        installedWindow.saveWingFileAs(); // refused: nothing calculated, so no dialog
        ASSERT_EQ(prompter.fileDialogs.size(), 1u);
        EXPECT_EQ(prompter.fileDialogs[0].folder.toStdString(), row.expected);
    }
}

using CopiedLanguageFiles = MainWindowFixture;

// Files copied from an old Windows disk: a Windows-1252 name and an extension in capitals.
TEST_F(CopiedLanguageFiles, AreListedByTheirNamesAndCanBePicked) {
    const std::string french1252 = "Fran\xe7"
                                   "ais";
    std::filesystem::rename(folder / "Fran\xc3\xa7"
                                     "ais.lng",
                            folder / (french1252 + ".lng"));
    std::filesystem::rename(folder / "English.lng", folder / "English.LNG");
    QStringList listed;
    prompter.modalScripts.push_back([&listed](QDialog& dialog) {
        const QComboBox* combo = dynamic_cast<LanguageDialog&>(dialog).languageCombo();
        for (int i = 0; i < combo->count(); ++i)
            listed << combo->itemText(i);
    });
    prompter.modalScripts.push_back(pick(QString::fromUtf8("Fran\u00e7ais")));
    prompter.messageAnswers = {MessageAnswer::Retry};
    startWindow("");
    ASSERT_TRUE(started);
    EXPECT_EQ(listed, QStringList({"English", QString::fromUtf8("Fran\u00e7ais")}));
    EXPECT_EQ(language.languageFile(), folder / (french1252 + ".lng"));
    EXPECT_EQ(c().fileMenu->title().toStdString(), language.text(kFileMenu));
    const QString frenchFileMenu = c().fileMenu->title();
    EXPECT_FALSE(frenchFileMenu.isEmpty());

    // Remembered, and found again at the next start.
    window.reset();
    LanguageState next(LanguagePlaces::beside(folder.path()));
    MainWindow again(prompter, next);
    ASSERT_TRUE(again.start());
    EXPECT_EQ(next.languageFile(), folder / (french1252 + ".lng"));
    EXPECT_EQ(again.controls().fileMenu->title(), frenchFileMenu);
}

TEST(SketchPlaces, TheUsersSketchWinsThenTheInstallations) {
    TestFolder user;
    TestFolder data;
    LanguagePlaces places = LanguagePlaces::beside(data.path());
    places.userFolder = user.path();
    places.installed = true;
    EXPECT_TRUE(findSketch(places, "English").isEmpty());
    writeBytes(data / "English.gif", "GIF89a");
    EXPECT_EQ(findSketch(places, "English").toStdString(), data / "English.gif");
    writeBytes(user / "English.GIF", "GIF89a");
    EXPECT_EQ(findSketch(places, "English").toStdString(), user / "English.GIF");
}

} // namespace
