// SPDX-License-Identifier: GPL-3.0-or-later
// A language file whose every value is HTML, with an image, a link and bold text: every window,
// menu entry and dialog must show those tags as the characters they are, and load nothing.
#include "support/OnePixelGif.h"
#include "ui/MainWindowFixture.h"
#include "ui/ShownText.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/dialogs/QtPrompter.h"
#include "ui/dialogs/SketchWindow.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <map>

namespace {

std::string markupText(TextKey key) {
    return "<img src=\"/nowhere/x.png\"><b>" + std::string(key.section) + "/" +
           std::string(key.key) + "</b> <a href=\"file:///\">x</a>";
}

// Sections match without regard to case, so "language" and "LANGUAGE" go under one header.
std::string markupLanguageFile() {
    std::map<std::string, std::string> sections;
    for (const TextKey key : kNamedTextKeys) {
        std::string section(key.section);
        std::ranges::transform(section, section.begin(), ::tolower);
        sections[section] += std::string(key.key) + "=" + markupText(key) + "\r\n";
    }
    std::string file;
    for (const auto& [section, lines] : sections)
        file += "[" + section + "]\r\n" + lines;
    return file;
}

// Labels must not take their text for markup; a tooltip, always taken for markup when it looks
// like some, must come escaped, so that rendering gives back its tags and places no image.
void expectTagsShown(const QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(label->textFormat() == Qt::PlainText || !Qt::mightBeRichText(label->text()));
    }
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString tip = widget->toolTip();
        SCOPED_TRACE(tip.toStdString());
        const QString shown = shownAs(tip, Qt::AutoText);
        EXPECT_FALSE(shown.contains(QChar::ObjectReplacementCharacter));
        if (Qt::mightBeRichText(tip)) {
            EXPECT_TRUE(shown.contains(u"<img src="));
        }
    }
}

class MarkupLanguage : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        writeBytes(folder / "Markup.lng", markupLanguageFile());
        startWindow("Markup");
        ASSERT_TRUE(started);
    }
};

TEST_F(MarkupLanguage, MainWindowShowsTheTags) {
    expectTagsShown(*window);
    EXPECT_EQ(c().rootChordCaption->text().toStdString(), markupText(kRootChordCaption));
    EXPECT_EQ(shownAs(c().calculateButton->toolTip(), Qt::AutoText).toStdString(),
              markupText(kCalculateTip));
    EXPECT_EQ(window->windowTitle().toStdString(), markupText(kProgramCaption));
    // Menu entries show their text as written, the full-size ones too.
    const std::pair<const QAction*, TextKey> entries[] = {
        {c().printAction, kPrintAction},
        {c().printPreviewAction, kPrintPreviewAction},
        {window->fullSize().printFullSizeAction(), kPrintFullSizeAction},
        {window->fullSize().exportOutlineAction(), kExportOutlineAction},
        {window->fullSize().bothHalvesAction(), kBothHalvesAction},
    };
    for (const auto& [entry, key] : entries)
        EXPECT_EQ(entry->text().toStdString(), markupText(key));
}

// The chooser opened from the menu and the sketch window take their titles and captions from
// the language file too.
TEST_F(MarkupLanguage, ChooserAndSketchShowTheTags) {
    prompter.modalScripts.push_back([](QDialog& dialog) {
        expectTagsShown(dialog);
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        EXPECT_EQ(chooser.windowTitle().toStdString(), markupText(kLanguageDialogTitle));
        EXPECT_EQ(chooser.languageCaption()->text().toStdString(), markupText(kLanguageAction));
    });
    window->chooseLanguage();

    writeBytes(folder / "Markup.gif", onePixelGif());
    bool sketchShown = false;
    prompter.modalScripts.push_back(
        [](QDialog& dialog) { dynamic_cast<HelpDialog&>(dialog).sketchButton()->click(); });
    prompter.modalScripts.push_back([&sketchShown](QDialog& dialog) {
        expectTagsShown(dialog);
        ASSERT_NE(dynamic_cast<SketchWindow*>(&dialog), nullptr);
        EXPECT_EQ(dialog.windowTitle().toStdString(), markupText(kSketchButton));
        sketchShown = true;
    });
    window->showHelp();
    EXPECT_TRUE(sketchShown);
    EXPECT_TRUE(prompter.modalScripts.empty());
}

TEST_F(MarkupLanguage, HelpAndAboutShowTheTags) {
    int checked = 0;
    const auto check = [&checked](QDialog& dialog) {
        expectTagsShown(dialog);
        ++checked;
    };
    prompter.modalScripts = {check, check};
    window->showHelp();
    window->showAbout();
    EXPECT_EQ(checked, 2);
}

// The real message box and input box, closed as soon as they show.
TEST(PlainTextPrompter, MessageAndInputBoxesShowTheTags) {
    const QString markup = QStringLiteral("<b>bold</b> <img src=\"/nowhere/x.png\">");
    QtPrompter prompter;
    int checked = 0;
    const auto inspectThenClose = [&checked] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        expectTagsShown(*shown);
        // Qt would take "[*]" for the place of the modified mark and drop it from the title.
        ASSERT_NE(shown->windowHandle(), nullptr);
        EXPECT_EQ(shown->windowHandle()->title(), QStringLiteral("<i>title</i> [*]"));
        ++checked;
        if (auto* dialog = qobject_cast<QDialog*>(shown))
            dialog->reject();
    };
    QTimer::singleShot(0, inspectThenClose);
    prompter.messageBox(markup, kCriticalMessage, QStringLiteral("<i>title</i> [*]"));
    QTimer::singleShot(0, inspectThenClose);
    EXPECT_TRUE(prompter.inputBox(markup, QStringLiteral("<i>title</i> [*]"), markup).isEmpty());
    // The export dialog, which offers DXF and SVG.
    QTimer::singleShot(0, inspectThenClose);
    EXPECT_TRUE(
        prompter
            .saveFileNameOfType({QStringLiteral("<i>title</i> [*]"), {}, {}, {}, {}},
                                {QStringLiteral("DXF (*.dxf)"), QStringLiteral("SVG (*.svg)")})
            .path.isEmpty());
    EXPECT_EQ(checked, 3);
}

} // namespace
