// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print rib templates and Print foam-core templates through the prompter seam: a wing
// without ribs is told where to define them; with ribs, the title, the paper, a preview titled
// with its pages, then the PDF where there is no printer, holding as many pages, each rib twice
// with both halves.
#include "support/NoPrinter.h"
#include "support/PdfTools.h"
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/templates/TemplateActions.h"

#include <QAction>
#include <QRegularExpression>

namespace {

class TemplatesWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        cutOffPrinters();
    }
};

struct TemplatesRow {
    const char* name;
    QAction* (TemplateActions::*action)() const;
    TextKey previewTitle;
    TextKey printsOn;
    const char* written;
};

const TemplatesRow kRows[] = {
    {"ribs", &TemplateActions::printRibTemplatesAction, kRibTemplatesPreviewTitle,
     kRibTemplatesPrintsOn, "P1 R3 R 250.0"},
    {"cores", &TemplateActions::printCoreTemplatesAction, kCoreTemplatesPreviewTitle,
     kCoreTemplatesPrintsOn, "Panel 1, root: NACA 2412"},
};

TEST_F(TemplatesWindow, AWingWithoutRibsIsToldWhereToDefineThem) {
    startWithWorkedWing();
    for (const TemplatesRow& row : kRows) {
        SCOPED_TRACE(row.name);
        prompter.messages.clear();
        (window->templates().*row.action)()->trigger();
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, textOf(kTemplatesNeedRibsMessage));
        EXPECT_TRUE(prompter.prompts.empty());
    }
}

TEST_F(TemplatesWindow, PreviewThenThePdfTheUserPlaces) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    writeBytes(folder / "two.ribs", "[Ribs]\r\nSpacing=100\r\nJigTabs=1\r\n"
                                    "[Airfoils]\r\nRoot=NACA 2412\r\n");
    window->openWingFileAt(folder / "two.txt");
    ASSERT_TRUE(window->hasValidResults());
    window->fullSize().bothHalvesAction()->setChecked(true);
    for (const TemplatesRow& row : kRows) {
        SCOPED_TRACE(row.name);
        prompter.messages.clear();
        const std::string pdf = folder / (std::string(row.name) + ".pdf");
        prompter.inputAnswers = {QStringLiteral("Glider")};
        prompter.fileAnswers = {QString::fromStdString(pdf)};
        (window->templates().*row.action)()->trigger();
        ASSERT_EQ(prompter.messages.size(), 2u);
        EXPECT_EQ(prompter.messages[0].text, textOf(row.printsOn) + " PDF ?");
        ASSERT_TRUE(readBytes(pdf).starts_with("%PDF-"));
        if (!havePoppler())
            GTEST_SKIP() << "Poppler's tools are not installed";
        const QString info = runTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)}).out;
        const int pages =
            QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(info).captured(1).toInt();
        EXPECT_GT(pages, 0);
        EXPECT_EQ(prompter.printPreviewTitles.back(),
                  textOf(row.previewTitle).replace("%1", QString::number(pages)));
        EXPECT_EQ(prompter.messages[1].text, pdfWrittenText(pages, pdf));
        const QString text =
            runTool(QStringLiteral("pdftotext"), {QString::fromStdString(pdf), QStringLiteral("-")})
                .out.simplified();
        for (const QString& expected :
             {"page 1 of " + QString::number(pages), QString("Glider"), QString(row.written)})
            EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    }
}

} // namespace
