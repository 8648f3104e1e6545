// SPDX-License-Identifier: GPL-3.0-or-later
// A language file in which every text is its own "section/key": each control must show exactly
// the key the translation map gives it, so two swapped keys cannot pass unnoticed.
#include "support/NamedTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/ShownText.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/stability/StabilityDialog.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <map>

namespace {

// Sections match without regard to case, so "language" and "LANGUAGE" share one.
std::string namedLanguageFile() {
    std::map<std::string, std::string> sections;
    std::vector<TextKey> keys(kNamedTextKeys.begin(), kNamedTextKeys.end());
    keys.insert(keys.end(), kHelpLines.begin(), kHelpLines.end());
    keys.insert(keys.end(), kHelpTips.begin(), kHelpTips.end());
    keys.insert(keys.end(), kStabilityHelpLines.begin(), kStabilityHelpLines.end());
    for (const TextKey& key : keys) {
        std::string section(key.section);
        std::ranges::transform(section, section.begin(), ::tolower);
        sections[section] += std::string(key.key) + "=" + namedText(key) + "\r\n";
    }
    std::string file;
    for (const auto& [section, lines] : sections)
        file += "[" + section + "]\r\n" + lines;
    return file;
}

struct Shown {
    QString what;
    QString text;
    QString toolTip;
    const char* expectedText;
    const char* expectedToolTip = "";
};

using TranslationMap = MainWindowFixture;

TEST_F(TranslationMap, EveryControlShowsItsOwnKey) {
    writeBytes(folder / "Named.lng", namedLanguageFile());
    startWindow("Named");
    const MainWindowControls& c = this->c();
    const auto label = [](const char* what, const QLabel* l, const char* text,
                          const char* toolTip = "") {
        return Shown{what, l->text(), shownToolTip(l->toolTip()), text, toolTip};
    };
    const auto action = [](const char* what, const QAction* a, const char* text) {
        return Shown{what, a->text(), a->toolTip() == a->text().remove('&') ? "" : a->toolTip(),
                     text};
    };
    const auto button = [](const char* what, const QPushButton* b, const char* text,
                           const char* toolTip = "") {
        return Shown{what, b->text(), shownToolTip(b->toolTip()), text, toolTip};
    };
    const Shown shown[] = {
        {"window title", window->windowTitle(), {}, "Label/0"},
        {"File menu", c.fileMenu->title(), c.fileMenu->toolTip(), "File/0"},
        action("Open", c.openAction, "File/1"),
        action("Save as", c.saveAsAction, "File/2"),
        action("Print entry", c.printAction, "File/3"),
        action("Quit", c.quitAction, "File/4"),
        action("Language menu", c.languageAction, "language/1"),
        {"Help menu", c.helpMenu->title(), c.helpMenu->toolTip(), "Help/0"},
        action("Help", c.helpAction, "Help/1"),
        action("About", c.aboutAction, "Help/2"),
        label("root chord", c.rootChordCaption, "Label/1"),
        label("tip chord", c.tipChordCaption, "Label/2"),
        label("panel length", c.panelLengthCaption, "Label/3"),
        label("sweep", c.sweepOffsetCaption, "Label/4", "Label/4t"),
        label("balance", c.balanceCaption, "Label/5", "Label/5t"),
        label("percent", c.percentCaption, "%"),
        label("span", c.spanCaption, "Label/6", "Label/6t"),
        label("area", c.areaCaption, "Label/7"),
        label("aspect ratio", c.aspectRatioCaption, "Label/8"),
        label("mean chord station", c.meanChordStationCaption, "Label/9", "Label/9t"),
        label("mean chord", c.meanChordCaption, "Label/10"),
        label("balance distance", c.balanceDistanceCaption, "Label/11", "Label/11t"),
        label("panel 1", c.panelCaptions[0], "Label/12 1"),
        label("panel 2", c.panelCaptions[1], "Label/12 2"),
        label("panel 3", c.panelCaptions[2], "Label/12 3"),
        label("panel 4", c.panelCaptions[3], "Label/12 4"),
        label("panel 5", c.panelCaptions[4], "Label/12 5"),
        {"inputs frame", c.inputsGroup->title(), c.inputsGroup->toolTip(), "Label/13"},
        {"results frame", c.resultsGroup->title(), c.resultsGroup->toolTip(), "Label/14"},
        label("mass", c.massCaption, "Label/15 : "),
        label("grams", c.gramsCaption, "g"),
        label("wing loading", c.wingLoadingCaption, "Label/16 : "),
        button("Calculate", c.calculateButton, "Button/1", "ToolTipText/1"),
        button("Clear", c.clearButton, "Button/2"),
        button("Print", c.printButton, "Button/3"),
        {"root chord 1 name", c.rootChordFields[0]->accessibleName(), {}, "Label/field Label/1 1"},
        {"tip chord 3 name", c.tipChordFields[2]->accessibleName(), {}, "Label/field Label/2 3"},
        {"length 5 name", c.panelLengthFields[4]->accessibleName(), {}, "Label/field Label/3 5"},
        {"sweep 2 name", c.sweepOffsetFields[1]->accessibleName(), {}, "Label/field Label/4 2"},
        {"balance name", c.balanceField->accessibleName(), {}, "Label/5"},
        {"mass name", c.massField->accessibleName(), {}, "Label/15"},
        {"preview name", c.preview->accessibleName(), {}, "Label/preview"},
        {"preview description", c.preview->accessibleDescription(), {}, "Label/previewempty"},
    };
    for (const Shown& row : shown) {
        SCOPED_TRACE(row.what.toStdString());
        EXPECT_EQ(row.text, row.expectedText);
        EXPECT_EQ(row.toolTip, row.expectedToolTip);
    }

    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& help = dynamic_cast<HelpDialog&>(dialog);
        EXPECT_EQ(help.okButton()->text(), "Button/4");
        EXPECT_TRUE(help.helpLabel()->text().startsWith("MsgHelp/1\r\n     MsgHelp/2\r\n"));
        EXPECT_TRUE(help.helpLabel()->text().endsWith("MsgHelp/18\r\nMsgHelp/units\r\n\r\n"));
        EXPECT_TRUE(help.tipsLabel()->text().endsWith("MsgHelp/24\r\n          MsgHelp/keys"));
    });
    window->showHelp();
    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& about = dynamic_cast<AboutDialog&>(dialog);
        EXPECT_EQ(about.windowTitle(), "About/1");
        EXPECT_EQ(about.titleLabel()->text(), "About/2");
        EXPECT_EQ(about.descriptionLabel()->text(),
                  "About/4\r\nAbout/5\r\nAbout/6 : About/translate\r\nAbout/email\r\n\r\n");
        EXPECT_EQ(about.okButton()->text(), "Button/4");
    });
    window->showAbout();
    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        EXPECT_EQ(chooser.windowTitle(), "LANGUAGE/2");
        EXPECT_EQ(chooser.languageCaption()->text(), "language/1");
        EXPECT_EQ(chooser.languageCombo()->accessibleName(), "language/1");
        EXPECT_EQ(chooser.okButton()->text(), "OK");
    });
    window->chooseLanguage();
    EXPECT_TRUE(prompter.modalScripts.empty());
}

// The stability window and its menu, control by control, the field names included.
TEST_F(TranslationMap, EveryStabilityControlShowsItsOwnKey) {
    writeBytes(folder / "Named.lng", namedLanguageFile());
    startWindow("Named");
    const StabilityActions& stability = window->stability();
    EXPECT_EQ(stability.menu()->title(), "Stability/Menu");
    EXPECT_EQ(stability.tailAction()->text(), "Stability/Open");
    prompter.modalScripts.push_back([](QDialog& dialog) {
        const StabilityDialogControls& c = dynamic_cast<StabilityDialog&>(dialog).controls();
        const auto label = [](const char* what, const QLabel* l, const char* text,
                              const char* toolTip = "") {
            return Shown{what, l->text(), shownToolTip(l->toolTip()), text, toolTip};
        };
        const auto result = [&label](const char* what, const StabilityResultRow& row,
                                     const char* text, const char* toolTip = "") {
            return label(what, row.caption, text, toolTip);
        };
        const auto name = [](const char* what, const QWidget* w, const char* text) {
            return Shown{what, w->accessibleName(), {}, text};
        };
        const Shown shown[] = {
            {"window title", dialog.windowTitle(), {}, "Stability/Title"},
            {"with tail", c.withTailChoice->text(), c.withTailChoice->toolTip(),
             "Stability/WithTail"},
            {"no tail", c.noTailChoice->text(), c.noTailChoice->toolTip(), "Stability/NoTail"},
            {"tail frame", c.tailGroup->title(), c.tailGroup->toolTip(), "Stability/Tail"},
            label("panel 1", c.panelCaptions[0], "Label/12 1"),
            label("panel 5", c.panelCaptions[4], "Label/12 5"),
            label("root chord", c.rowCaptions[0], "Label/1"),
            label("tip chord", c.rowCaptions[1], "Label/2"),
            label("panel length", c.rowCaptions[2], "Label/3"),
            label("sweep", c.rowCaptions[3], "Label/4", "Stability/SweepTip"),
            label("distance", c.distanceCaption, "Stability/Distance", "Stability/DistanceTip"),
            label("position", c.positionCaption, "Stability/Position"),
            {"on the fuselage", c.positionCombo->itemText(0), {}, "Stability/OnFuselage"},
            {"on the fin", c.positionCombo->itemText(1), {}, "Stability/OnFin"},
            {"mostly clear", c.positionCombo->itemText(2), {}, "Stability/MostlyClear"},
            {"T-tail", c.positionCombo->itemText(3), {}, "Stability/TTail"},
            {"other value", c.positionCombo->itemText(4), {}, "Stability/OtherValue"},
            label("efficiency", c.efficiencyCaption, "Stability/Efficiency",
                  "Stability/EfficiencyTip"),
            label("margin", c.marginCaption, "Stability/Margin", "Stability/MarginTip"),
            {"results frame", c.resultsGroup->title(), {}, "Label/14"},
            result("tail area", c.tailArea, "Stability/TailArea"),
            result("tail mean chord", c.tailMeanChord, "Stability/TailMac"),
            result("tail aspect ratio", c.tailAspectRatio, "Stability/TailAspectRatio"),
            result("tail arm", c.tailArm, "Stability/TailArm", "Stability/TailArmTip"),
            result("tail volume", c.tailVolume, "Stability/TailVolume"),
            result("neutral point", c.neutralPoint, "Stability/NeutralPoint",
                   "Stability/NeutralPointTip"),
            result("balance for margin", c.balanceForMargin, "Stability/BalanceForMargin",
                   "Stability/BalanceForMarginTip"),
            result("margin at balance", c.marginAtBalance, "Stability/MarginAtBalance",
                   "Stability/MarginAtBalanceTip"),
            {"method frame", c.helpGroup->title(), {}, "Stability/HelpTitle"},
            {"method",
             c.helpText->toPlainText().section(QStringLiteral("\n\n"), 0, 1),
             {},
             "StabilityHelp/1\n\nStabilityHelp/2"},
            name("method name", c.helpText, "Stability/HelpTitle"),
            {"Calculate", c.buttons.calculate->text(), shownToolTip(c.buttons.calculate->toolTip()),
             "Button/1", "Stability/CalculateTip"},
            {"Remove", c.buttons.remove->text(), shownToolTip(c.buttons.remove->toolTip()),
             "Stability/Remove", "Stability/RemoveTip"},
            {"OK", c.buttons.ok->text(), c.buttons.ok->toolTip(), "Button/4"},
            {"Cancel", c.buttons.cancel->text(), c.buttons.cancel->toolTip(), "Stability/Cancel"},
            name("root chord 1 name", c.rootChordFields[0], "Stability/TailField Label/1 1"),
            name("tip chord 3 name", c.tipChordFields[2], "Stability/TailField Label/2 3"),
            name("length 4 name", c.panelLengthFields[3], "Stability/TailField Label/3 4"),
            name("sweep 5 name", c.sweepOffsetFields[4], "Stability/TailField Label/4 5"),
            name("distance name", c.distanceField, "Stability/Distance, mm"),
            name("position name", c.positionCombo, "Stability/Position"),
            name("efficiency name", c.efficiencyField, "Stability/Efficiency"),
            name("margin name", c.marginField, "Stability/Margin, %"),
        };
        for (const Shown& row : shown) {
            SCOPED_TRACE(row.what.toStdString());
            EXPECT_EQ(row.text, row.expectedText);
            EXPECT_EQ(row.toolTip, row.expectedToolTip);
        }
    });
    window->stability().showStability();
    EXPECT_TRUE(prompter.modalScripts.empty());
}

// In inches and ounces: the Units menu, and every caption, tip and help line that names a unit.
TEST_F(TranslationMap, EveryUnitCaptionShowsItsOwnKey) {
    writeBytes(folder / "Named.lng", namedLanguageFile());
    units = {LengthUnit::Inch, MassUnit::Ounce};
    startWindow("Named");
    const UnitsActions& menu = window->units();
    EXPECT_EQ(menu.menu()->title(), "Units/Menu");
    EXPECT_EQ(QStringList({menu.millimetresAction()->text(), menu.inchesAction()->text(),
                           menu.gramsAction()->text(), menu.ouncesAction()->text()}),
              QStringList({"Units/Millimetres", "Units/Inches", "Units/Grams", "Units/Ounces"}));
    EXPECT_EQ(c().inputsGroup->title(), "Units/InputsTitle");
    EXPECT_EQ(shownToolTip(c().sweepOffsetCaption->toolTip()), "Units/SweepTip");
    EXPECT_EQ(c().gramsCaption->text(), "Units/Ounce");
    prompter.modalScripts.push_back([](QDialog& dialog) {
        const StabilityDialogControls& c = dynamic_cast<StabilityDialog&>(dialog).controls();
        EXPECT_EQ(c.tailGroup->title(), "Units/TailTitle");
        EXPECT_EQ(shownToolTip(c.rowCaptions[3]->toolTip()), "Units/TailSweepTip");
        EXPECT_EQ(shownToolTip(c.distanceCaption->toolTip()), "Units/DistanceTip");
        EXPECT_EQ(c.distanceUnit->text(), "Units/Inch");
        EXPECT_EQ(c.distanceField->accessibleName(), "Stability/Distance, Units/Inch");
    });
    window->stability().showStability();
    prompter.modalScripts.push_back([](QDialog& dialog) {
        const QString help = dynamic_cast<HelpDialog&>(dialog).helpLabel()->text();
        EXPECT_TRUE(help.startsWith("Units/HelpLengths\r\n")) << help.toStdString();
        EXPECT_TRUE(help.contains("\r\nUnits/HelpWeight\r\n"));
    });
    window->showHelp();
    EXPECT_TRUE(prompter.modalScripts.empty());
}

} // namespace
