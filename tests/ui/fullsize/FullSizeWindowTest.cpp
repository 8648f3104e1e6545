// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's full-size entries through the prompter seam: the print preview of the sheet,
// printing at 1:1 with the print dialog cancelled, accepted or absent (the PDF fall-back), the
// outline exported as DXF or SVG, and a language file that knows nothing of them.
#include "support/NoPrinter.h"
#include "support/PdfTools.h"
#include "ui/MainWindowFixture.h"
#include "ui/templates/TemplateActions.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <optional>

namespace {

class FullSizeWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        cutOffPrinters();
    }

    void expectOnlyMessage(const QString& text, MessageStyle style) const {
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, text);
        EXPECT_EQ(prompter.messages[0].style, style);
    }

    static int pdfPages(const std::string& pdf) {
        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
        const auto pages = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info.out);
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    }
};

TEST_F(FullSizeWindow, FileMenuHasTheNewEntriesAfterPrint) {
    startWindow();
    const QList<QAction*> entries = c().fileMenu->actions();
    const std::vector<QAction*> expected{c().openAction,
                                         c().saveAsAction,
                                         nullptr,
                                         c().printAction,
                                         c().printPreviewAction,
                                         window->fullSize().printFullSizeAction(),
                                         window->fullSize().exportOutlineAction(),
                                         window->fullSize().bothHalvesAction(),
                                         window->templates().printRibTemplatesAction(),
                                         window->templates().printCoreTemplatesAction(),
                                         nullptr,
                                         c().quitAction};
    ASSERT_EQ(entries.size(), static_cast<qsizetype>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        if (expected[i])
            EXPECT_EQ(entries[static_cast<qsizetype>(i)], expected[i]);
        else
            EXPECT_TRUE(entries[static_cast<qsizetype>(i)]->isSeparator());
    }
    EXPECT_EQ(c().printPreviewAction->text(), "Print pre&view\u2026");
    EXPECT_EQ(window->fullSize().printFullSizeAction()->text(), "Print f&ull size\u2026");
    EXPECT_EQ(window->fullSize().exportOutlineAction()->text(), "E&xport outline\u2026");
    EXPECT_TRUE(window->fullSize().bothHalvesAction()->isCheckable());
    EXPECT_FALSE(window->fullSize().bothHalvesAction()->isChecked());
}

TEST_F(FullSizeWindow, EveryEntryWantsACalculatedWingFirst) {
    startWindow();
    c().printPreviewAction->trigger();
    expectOnlyMessage(textOf(kPrintNeedsCalculationMessage), kCriticalMessage);
    prompter.messages.clear();
    window->fullSize().printFullSizeAction()->trigger();
    expectOnlyMessage(textOf(kPrintNeedsCalculationMessage), kCriticalMessage);
    prompter.messages.clear();
    window->fullSize().exportOutlineAction()->trigger();
    expectOnlyMessage(textOf(kExportNeedsCalculationMessage), kExclamationMessage);
    EXPECT_EQ(prompter.messages[0].title, textOf(kExportDialogTitle));
    EXPECT_TRUE(prompter.prompts.empty());
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_EQ(prompter.previews + prompter.printerDialogs, 0);
}

// The preview gets an A4 landscape printer; painted, it holds the one sheet with the title typed.
TEST_F(FullSizeWindow, PreviewShowsTheSheetAsPrintWouldPrintIt) {
    startWithWorkedWing();
    const std::string pdf = folder / "preview.pdf";
    prompter.inputAnswers = {QStringLiteral("Preview glider")};
    prompter.previewScripts.push_back(
        [&](QPrinter& printer, const std::function<void(QPrinter&)>& paintPages) {
            EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
            EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
            printer.setOutputFormat(QPrinter::PdfFormat); // a test's stand-in for the screen
            printer.setOutputFileName(QString::fromStdString(pdf));
            paintPages(printer);
        });
    c().printPreviewAction->trigger();
    EXPECT_EQ(prompter.previews, 1);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(window->printTitle(), "Preview glider");
    if (!havePoppler())
        GTEST_SKIP() << "Poppler's tools are not installed";
    EXPECT_EQ(pdfPages(pdf), 1);
    const QString page =
        runTool(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")})
            .out.simplified();
    EXPECT_TRUE(page.contains(textOf(kSheetTitleCaption) + " Preview glider"));
}

TEST_F(FullSizeWindow, PreviewOfASheetThatCannotBeDrawnSaysSoInstead) {
    // An inner tip 1e39 mm behind the root: the scale fits the root and the last tip, the
    // outline leaves single precision.
    const std::string e39 = "1" + std::string(39, '0');
    startWithWing({{"250", "150", "500", e39.c_str()}, {"150", "100", "500", "80"}});
    c().printPreviewAction->trigger();
    EXPECT_EQ(prompter.previews, 0);
    expectOnlyMessage(textOf(kPrintFailedMessage), kCriticalMessage);
}

TEST_F(FullSizeWindow, PrintDialogCancelledPrintsNothing) {
    startWithWorkedWing();
    prompter.printerScripts.push_back([](QPrinter&) { return PrinterChoice::Cancelled; });
    window->fullSize().printFullSizeAction()->trigger();
    EXPECT_EQ(prompter.printerDialogs, 1);
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.messages.empty());
}

// "Print to file" in the dialog: the PDF is made in memory and written as every other file is,
// on the paper the user picked.
TEST_F(FullSizeWindow, PrintDialogAcceptedPrintsOnThePaperChosen) {
    startWithWorkedWing();
    const std::string pdf = folder / "dialog.pdf";
    prompter.printerScripts.push_back([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return PrinterChoice::Chosen;
    });
    window->fullSize().printFullSizeAction()->trigger();
    EXPECT_TRUE(prompter.fileDialogs.empty());
    ASSERT_TRUE(readBytes(pdf).starts_with("%PDF-"));
    if (!havePoppler())
        GTEST_SKIP() << "Poppler's tools are not installed";
    const int pages = pdfPages(pdf);
    EXPECT_GT(pages, 1);
    expectOnlyMessage(pdfWrittenText(pages, pdf), kPlainMessage);
    const ToolRun info = runTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    EXPECT_TRUE(info.out.contains(QStringLiteral("(letter)"))) << info.out.toStdString();
}

TEST_F(FullSizeWindow, WithoutPrinterThePlanGoesIntoThePdfTheUserPlaces) {
    startWithWorkedWing();
    const std::string half = folder / "half.pdf";
    const std::string both = folder / "both.pdf";
    prompter.inputAnswers = {QStringLiteral("F3B/2026"), QStringLiteral("F3B/2026")};
    prompter.fileAnswers = {QString::fromStdString(half), QString::fromStdString(both)};
    window->fullSize().printFullSizeAction()->trigger();
    window->fullSize().bothHalvesAction()->setChecked(true);
    window->fullSize().printFullSizeAction()->trigger();

    ASSERT_EQ(prompter.fileDialogs.size(), 2u);
    const FileDialogRequest& dialog = prompter.fileDialogs[0];
    EXPECT_EQ(dialog.title, textOf(kFullSizePrintsOnMessage) + " PDF");
    EXPECT_EQ(dialog.filter, "PDF (*.pdf)");
    EXPECT_EQ(dialog.suggestedName, "F3B_2026.pdf");
    EXPECT_EQ(window->printTitle(), "F3B/2026");
    if (!havePoppler())
        GTEST_SKIP() << "Poppler's tools are not installed";
    const int halfPages = pdfPages(half);
    const int bothPages = pdfPages(both);
    EXPECT_GT(bothPages, halfPages);
    // As Print asks where there is no printer; then what was written, and where.
    ASSERT_EQ(prompter.messages.size(), 4u);
    for (const std::size_t asked : {0u, 2u}) {
        EXPECT_EQ(prompter.messages[asked].text, textOf(kFullSizePrintsOnMessage) + " PDF ?");
        EXPECT_EQ(prompter.messages[asked].style, kOkCancelQuestion);
    }
    EXPECT_EQ(prompter.messages[1].text, pdfWrittenText(halfPages, half));
    EXPECT_EQ(prompter.messages[3].text, pdfWrittenText(bothPages, both));
    const QString first =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-l"), QStringLiteral("1"),
                                              QString::fromStdString(half), QStringLiteral("-")})
            .out.simplified();
    EXPECT_TRUE(first.startsWith("A1 page 1 of " + QString::number(halfPages) + " F3B/2026"))
        << first.toStdString();
}

TEST_F(FullSizeWindow, AnEmptyTitleOrACancelledSaveDialogEndsQuietly) {
    startWithWorkedWing();
    prompter.inputAnswers = {QString(), QString()};
    window->fullSize().printFullSizeAction()->trigger();
    window->fullSize().exportOutlineAction()->trigger(); // asks for the title as printing does
    EXPECT_EQ(prompter.printerDialogs, 0);
    EXPECT_EQ(prompter.prompts.size(), 2u);
    window->fullSize().printFullSizeAction()->trigger(); // the save dialog is cancelled
    EXPECT_EQ(prompter.fileDialogs.size(), 1u);
    expectOnlyMessage(textOf(kFullSizePrintsOnMessage) + " PDF ?", kOkCancelQuestion);
}

TEST_F(FullSizeWindow, APdfThatCannotBeWrittenLeavesNothingAndSaysWhy) {
    startWithWorkedWing();
    prompter.fileAnswers = {QString::fromStdString(folder / "missing/plan.pdf")};
    window->fullSize().printFullSizeAction()->trigger();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].style, kInformationMessage);
    EXPECT_TRUE(prompter.messages[1].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(FullSizeWindow, ExportWritesDxfOrSvgByTheTypeChosen) {
    startWithWorkedWing();
    const std::string dxf = folder / "outline.dxf";
    const std::string svg = folder / "outline.svg";
    prompter.typedFileAnswers = {{QString::fromStdString(dxf), 0},
                                 {QString::fromStdString(svg), 1}};
    prompter.inputAnswers = {textOf(kDefaultSheetTitle), QStringLiteral("F3F racer")};
    window->fullSize().exportOutlineAction()->trigger();
    window->fullSize().bothHalvesAction()->setChecked(true);
    window->fullSize().exportOutlineAction()->trigger();

    ASSERT_EQ(prompter.offeredFileTypes.size(), 2u);
    EXPECT_EQ(prompter.offeredFileTypes[0],
              (QStringList{textOf(kDxfFileType) + " (*.dxf)", textOf(kSvgFileType) + " (*.svg)"}));
    EXPECT_EQ(prompter.fileDialogs[0].title, textOf(kExportDialogTitle));
    EXPECT_EQ(prompter.fileDialogs[0].suggestedName, textOf(kDefaultSheetTitle) + ".dxf");
    const std::string dxfBytes = readBytes(dxf);
    EXPECT_TRUE(dxfBytes.starts_with("999\ndxflib"));
    EXPECT_NE(dxfBytes.find("\nLWPOLYLINE\n"), std::string::npos);
    const std::string svgBytes = readBytes(svg);
    EXPECT_TRUE(svgBytes.starts_with("<?xml"));
    EXPECT_NE(svgBytes.find("F3F racer"), std::string::npos); // the title typed
    // Both halves: the panel and its mirror image.
    EXPECT_NE(svgBytes.find("M0,0 L1000,50 L1000,200 L0,250 L0,0"), std::string::npos);
    EXPECT_NE(svgBytes.find("M0,250 L-1000,200 L-1000,50 L0,0 L0,250"), std::string::npos);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text,
              textOf(kOutlineExportedMessage) + " " + QString::fromStdString(dxf));
    EXPECT_EQ(prompter.messages[1].text,
              textOf(kOutlineExportedMessage) + " " + QString::fromStdString(svg));
}

TEST_F(FullSizeWindow, ExportCancelledOrFailingLeavesNothing) {
    startWithWorkedWing();
    window->fullSize().exportOutlineAction()->trigger(); // cancelled
    EXPECT_TRUE(prompter.messages.empty());
    prompter.typedFileAnswers = {{QString::fromStdString(folder / "missing/outline.dxf"), 0}};
    window->fullSize().exportOutlineAction()->trigger();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains(QStringLiteral("No such file or directory")));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(FullSizeWindow, AWingBeyondAKilometreIsRefusedAsTooLarge) {
    startWithWing({{"2000000", "150", "1000", "50"}});
    prompter.typedFileAnswers = {{QString::fromStdString(folder / "huge.dxf"), 0}};
    window->fullSize().exportOutlineAction()->trigger();
    window->fullSize().printFullSizeAction()->trigger();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, textOf(kTooLargeMessage));
    EXPECT_EQ(prompter.messages[1].text, textOf(kTooLargeMessage));
    EXPECT_EQ(prompter.printerDialogs, 0);
    EXPECT_FALSE(std::filesystem::exists(folder / "huge.dxf"));
}

// A language file made for an earlier version: the new entries show their English texts, never
// an empty caption, while the file's own texts stay as they are.
TEST_F(FullSizeWindow, ALanguageFileWithoutTheNewKeysShowsTheEnglishTexts) {
    std::string old = readBytes(folder / "Fran\xc3\xa7"
                                         "ais.lng");
    const auto cut = [&old](const std::string& from, const std::string& to) {
        const std::size_t start = old.find(from);
        ASSERT_NE(start, std::string::npos) << from;
        old.erase(start, old.find(to, start) - start);
    };
    cut("5=&Aper", "\r\n\r\n");
    cut("[FullSize]", "[About]");
    writeBytes(folder / "Ancien.lng", old);
    startWindow("Ancien");
    EXPECT_EQ(c().openAction->text(), "&Ouvrir...");
    for (const auto& [action, key] :
         {std::pair{c().printPreviewAction, kPrintPreviewAction},
          std::pair{window->fullSize().printFullSizeAction(), kPrintFullSizeAction},
          std::pair{window->fullSize().exportOutlineAction(), kExportOutlineAction},
          std::pair{window->fullSize().bothHalvesAction(), kBothHalvesAction}}) {
        EXPECT_EQ(action->text().toStdString(), key.fallback);
        EXPECT_FALSE(action->text().isEmpty());
    }
    EXPECT_EQ(language.text(kPageOfPages), "page %1 of %2");

    // The shipped French file has them in French.
    startWindow("Fran\xc3\xa7"
                "ais");
    EXPECT_EQ(window->fullSize().printFullSizeAction()->text(),
              "Imprimer en &grandeur r\u00e9elle\u2026");
}

// The preview shows the pages on the paper chosen before anything is printed, and Cancel there
// prints nothing; the next plan offers that paper first.
TEST_F(FullSizeWindow, PaperIsChosenAndThePagesPreviewedBeforePrinting) {
    startWithWorkedWing();
    const std::string preview = folder / "preview.pdf";
    prompter.itemAnswers = {1};
    prompter.printPreviewScripts.push_back(
        [&](QPrinter& printer, const std::function<void(QPrinter&)>& paintPages) {
            printer.setOutputFileName(QString::fromStdString(preview));
            paintPages(printer);
            return false;
        });
    window->fullSize().printFullSizeAction()->trigger();
    EXPECT_EQ(prompter.offeredItems.at(0),
              (QStringList{QPageSize::name(QPageSize::A4), QPageSize::name(QPageSize::Letter)}));
    EXPECT_EQ(prompter.printerDialogs + prompter.fileDialogs.size() + prompter.messages.size(), 0u);
    const std::string plan = folder / "plan.pdf";
    prompter.fileAnswers = {QString::fromStdString(plan)};
    window->fullSize().printFullSizeAction()->trigger();
    if (!havePoppler())
        GTEST_SKIP() << "Poppler's tools are not installed";
    const int pages = pdfPages(preview);
    EXPECT_EQ(prompter.printPreviewTitles.at(0),
              textOf(kPagesPreviewTitle).replace("%1", QString::number(pages)));
    EXPECT_EQ(pdfPages(plan), pages);
    for (const std::string& pdf : {preview, plan})
        EXPECT_TRUE(runTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)})
                        .out.contains(QStringLiteral("(letter)")));
}

// A plan of more than twenty pages is a lot of paper: its count comes first, and Cancel stops.
TEST_F(FullSizeWindow, MoreThanTwentyPagesAskFirst) {
    for (const auto& [panel, answer] :
         {std::pair{TypedPanel{"250", "150", "1000", "50"}, std::optional<MessageAnswer>()},
          {TypedPanel{"600", "400", "2500", "100"}, MessageAnswer::Cancel},
          {TypedPanel{"600", "400", "2500", "100"}, MessageAnswer::Ok}}) {
        startWithWing({panel});
        prompter.printPreviewTitles.clear();
        prompter.messageAnswers = {answer.value_or(MessageAnswer::Cancel)};
        window->fullSize().printFullSizeAction()->trigger();
        EXPECT_EQ(prompter.printPreviewTitles.size(), answer == MessageAnswer::Cancel ? 0u : 1u);
        if (!answer)
            continue;
        const QString count = prompter.messages.at(0).text.section(u' ', 4, 4);
        EXPECT_GT(count.toInt(), 20);
        EXPECT_EQ(prompter.messages[0].text, textOf(kManyPagesMessage).replace("%1", count));
    }
}

// Every file dialog starts where the last file was opened or written, however long its path, and
// both halves stay chosen, at the next start too.
TEST_F(FullSizeWindow, TheLastFolderAndBothHalvesAreRemembered) {
    startWithWorkedWing();
    const std::string plans = folder / std::string(120, 'p');
    std::filesystem::create_directory(plans);
    window->fullSize().bothHalvesAction()->setChecked(true);
    prompter.typedFileAnswers = {{QString::fromStdString(plans + "/outline.dxf"), 0}};
    window->fullSize().exportOutlineAction()->trigger();

    startWindow(""); // tz.ini as this run left it
    typeWing({{"250", "150", "1000", "50"}}, "30", "");
    window->calculate();
    EXPECT_TRUE(window->fullSize().bothHalvesAction()->isChecked());
    prompter.fileDialogs.clear();
    window->openWingFile();
    window->saveWingFileAs();
    window->printSheet();
    window->fullSize().exportOutlineAction()->trigger();
    ASSERT_EQ(prompter.fileDialogs.size(), 4u);
    for (const FileDialogRequest& dialog : prompter.fileDialogs)
        EXPECT_EQ(dialog.folder.toStdString(), plans) << dialog.title.toStdString();
}

} // namespace
