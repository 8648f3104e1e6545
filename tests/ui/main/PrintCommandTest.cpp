// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/NoPrinter.h"
#include "support/PdfTools.h"
#include "ui/MainWindowFixture.h"

#include <QByteArray>
#include <QGuiApplication>
#include <optional>

namespace {

// The environment variable as it was, put back when the test ends.
class SetVariable {
public:
    SetVariable(const char* name, const std::string& value)
        : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            old_ = qgetenv(name);
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~SetVariable() { old_ ? qputenv(name_, *old_) : qunsetenv(name_); }

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

// No printer is reachable, so every print goes to a PDF file in a home folder of the test's own.
class PrintCommand : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        cutOffPrinters();
        std::filesystem::create_directory(home);
    }

    void expectMessage(std::size_t index, const QString& text, MessageStyle style) const {
        ASSERT_LT(index, prompter.messages.size());
        EXPECT_EQ(prompter.messages[index].text, text);
        EXPECT_EQ(prompter.messages[index].style, style);
        EXPECT_EQ(prompter.messages[index].title, textOf(kProgramCaption));
    }
    void expectConfirmationOnly() const {
        ASSERT_EQ(prompter.messages.size(), 1u);
        expectMessage(0, textOf(kPrintsOnMessage) + " PDF ?", kOkCancelQuestion);
    }

    const std::string home = folder / "home";
    const SetVariable homeVariable{"HOME", home};
    const SetVariable configVariable{"XDG_CONFIG_HOME", home + "/.config"};
};

TEST_F(PrintCommand, CancelOnTheConfirmationStops) {
    startWithWorkedWing();
    prompter.messageAnswers = {MessageAnswer::Cancel};
    c().printButton->click();
    expectConfirmationOnly();
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_TRUE(window->printTitle().isEmpty());
}

// The default title is offered each time, never the last one; the answer replaces printTitle.
TEST_F(PrintCommand, EmptyTitleEndsQuietlyEvenAfterASheet) {
    startWithWorkedWing();
    prompter.inputAnswers = {QStringLiteral("First sheet"), QString()};
    prompter.fileAnswers = {QString::fromStdString(folder / "first.pdf")};
    window->printSheet();
    ASSERT_EQ(window->printTitle(), "First sheet");
    prompter.messages.clear();

    window->printSheet();
    expectConfirmationOnly();
    EXPECT_TRUE(window->printTitle().isEmpty());
    ASSERT_EQ(prompter.prompts.size(), 2u);
    EXPECT_EQ(prompter.prompts[1], "\r\n\r\n" + textOf(kTitlePrompt) + "|" +
                                       textOf(kTitleBoxTitle) + "|" + textOf(kDefaultSheetTitle));
    EXPECT_EQ(prompter.fileDialogs.size(), 1u);
}

TEST_F(PrintCommand, WithoutPrinterThePdfGoesWhereTheSaveDialogSays) {
    startWithWorkedWing();
    const std::string pdf = folder / "chosen.pdf";
    prompter.fileAnswers = {QString::fromStdString(pdf)};
    window->printSheet();

    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    const FileDialogRequest& dialog = prompter.fileDialogs[0];
    EXPECT_EQ(dialog.title, textOf(kPrintsOnMessage) + " PDF");
    EXPECT_EQ(dialog.filter, "PDF (*.pdf)");
    EXPECT_EQ(dialog.defaultSuffix, "pdf");
    EXPECT_EQ(dialog.suggestedName, textOf(kDefaultSheetTitle) + ".pdf");
    EXPECT_EQ(dialog.folder.toStdString(), home + "/Documents");
    EXPECT_TRUE(std::filesystem::is_directory(home + "/Documents"));

    ASSERT_EQ(prompter.messages.size(), 2u);
    expectMessage(0, textOf(kPrintsOnMessage) + " PDF ?", kOkCancelQuestion);
    expectMessage(1, pdfWrittenText(1, pdf), kPlainMessage);
    EXPECT_EQ(window->printTitle(), textOf(kDefaultSheetTitle));
    ASSERT_TRUE(readBytes(pdf).starts_with("%PDF-"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The sheet carries the typed title and the loading caption the window shows.
    if (!havePoppler())
        GTEST_SKIP() << "Poppler's tools are not installed";
    const QString page =
        runTool(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")})
            .out.simplified();
    EXPECT_TRUE(page.contains(textOf(kSheetTitleCaption) + " " + textOf(kDefaultSheetTitle)));
    EXPECT_TRUE(page.contains(textOf(kWingLoadingCaption) + " : " +
                              c().wingLoadingValue->text().simplified()));
}

TEST_F(PrintCommand, PdfFolderFallsBackToHomeWhereDocumentsCannotBeMade) {
    writeBytes(home + "/Documents", "a file where the folder would go");
    startWithWorkedWing();
    window->printSheet(); // the save dialog is cancelled: nothing more happens
    ASSERT_EQ(prompter.fileDialogs.size(), 1u);
    EXPECT_EQ(prompter.fileDialogs[0].folder.toStdString(), home);
    expectConfirmationOnly();
    EXPECT_EQ(window->printTitle(), textOf(kDefaultSheetTitle));
}

// A title of spaces is not empty; characters no file name may hold are replaced in the name.
TEST_F(PrintCommand, AnyNonEmptyTitlePrints) {
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral("   "), QStringLiteral("   .pdf")},
        {QStringLiteral("F3F/2026: \"fast\""), QStringLiteral("F3F_2026_ _fast_.pdf")},
    };
    for (const auto& [title, suggested] : rows) {
        SCOPED_TRACE(title.toStdString());
        startWithWorkedWing();
        prompter.fileDialogs.clear();
        prompter.inputAnswers = {title};
        prompter.fileAnswers = {QString::fromStdString(folder / "sheet.pdf")};
        window->printSheet();
        ASSERT_EQ(prompter.fileDialogs.size(), 1u);
        EXPECT_EQ(prompter.fileDialogs[0].suggestedName, suggested);
        EXPECT_EQ(window->printTitle(), title);
        expectMessage(1, pdfWrittenText(1, folder / "sheet.pdf"), kPlainMessage);
        EXPECT_TRUE(std::filesystem::exists(folder / "sheet.pdf"));
        std::filesystem::remove(folder / "sheet.pdf");
    }
}

// The PDF appears whole or not at all: nothing half-written, and an older sheet of the same
// name survives. A file that cannot be written shows its error number as Save as does; a sheet
// that cannot be drawn shows message 16.
TEST_F(PrintCommand, FailureShowsMessage16AndLeavesTheFolderAsItWas) {
    // An inner tip 1e39 mm behind the root: the scale fits the root and the last tip, the
    // outline leaves single precision.
    std::string e39(40, '0');
    e39.front() = '1';
    const struct {
        const char* name;
        std::vector<TypedPanel> panels;
        const char* target;
        bool folderInTheWay;
        const char* fileError; // " # N " of the file error, nullptr for message 16
    } rows[] = {
        {"a folder has the file's name",
         {{"250", "150", "1000", "50"}},
         "sheet.pdf",
         true,
         " # 21 "},
        {"the folder is missing",
         {{"250", "150", "1000", "50"}},
         "missing/sheet.pdf",
         false,
         " # 2 "},
        {"the sheet overflows over an older sheet",
         {{"250", "150", "500", e39.c_str()}, {"150", "100", "500", "80"}},
         "sheet.pdf",
         false,
         nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const TestFolder target;
        if (row.folderInTheWay)
            std::filesystem::create_directory(target / row.target);
        else
            writeBytes(target / "sheet.pdf", "older sheet");
        const std::vector<std::string> before = target.names();
        startWithWing(row.panels);
        prompter.fileAnswers = {QString::fromStdString(target / row.target)};
        window->printSheet();
        ASSERT_EQ(prompter.messages.size(), 2u);
        if (row.fileError) {
            EXPECT_TRUE(prompter.messages[1].text.startsWith(textOf(kErrorWord) + row.fileError))
                << prompter.messages[1].text.toStdString();
            EXPECT_EQ(prompter.messages[1].style, kInformationMessage);
        } else {
            expectMessage(1, textOf(kPrintFailedMessage), kCriticalMessage);
        }
        EXPECT_EQ(target.names(), before);
        if (!row.folderInTheWay) {
            EXPECT_EQ(readBytes(target / "sheet.pdf"), "older sheet");
        }
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

} // namespace
