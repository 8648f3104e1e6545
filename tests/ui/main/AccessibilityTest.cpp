// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds through Qt's accessibility interfaces: every field named by its row
// and panel in the current language, results read with their captions, the language list named
// and the preview described.
#include "ui/MainWindowFixture.h"
#include "ui/WindowChecks.h"
#include "ui/dialogs/HelpDialog.h"

#include <QAccessible>
#include <QSet>

namespace {

QAccessibleInterface* accessibleOf(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString nameOf(QWidget* widget) {
    return accessibleOf(widget)->text(QAccessible::Name);
}

// The names of what labels the widget: its caption, and the frame around it.
QStringList labelsOf(QWidget* widget) {
    QStringList names;
    for (const auto& [label, relation] : accessibleOf(widget)->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

using Accessibility = MainWindowFixture;

TEST_F(Accessibility, EveryFieldIsNamedByItsRowAndPanel) {
    startWindow("English");
    EXPECT_EQ(nameOf(c().rootChordFields[0]), "Root chord, panel 1");
    EXPECT_EQ(nameOf(c().tipChordFields[2]), "Tip chord, panel 3");
    EXPECT_EQ(nameOf(c().panelLengthFields[4]), "Panel length, panel 5");
    EXPECT_EQ(nameOf(c().sweepOffsetFields[1]), "Sweep +/-, panel 2");
    EXPECT_EQ(nameOf(c().balanceField), "CG (% MAC)");
    EXPECT_EQ(nameOf(c().massField), "Weight");
    QSet<QString> names;
    for (const PanelFields* row : {&c().rootChordFields, &c().tipChordFields,
                                   &c().panelLengthFields, &c().sweepOffsetFields})
        for (WingField* field : *row) {
            EXPECT_EQ(accessibleOf(field)->role(), QAccessible::EditableText);
            names.insert(nameOf(field));
        }
    EXPECT_EQ(names.size(), 20);
    EXPECT_TRUE(controlsWithoutNames(*window).empty()) << listed(controlsWithoutNames(*window));
}

TEST_F(Accessibility, BalanceAndMassAreLabelledByTheirCaptions) {
    startWindow("English");
    EXPECT_TRUE(labelsOf(c().balanceField).contains("CG (% MAC):"));
    EXPECT_TRUE(labelsOf(c().massField).contains("Weight : "));
}

// The names follow the language at once, without reopening anything.
TEST_F(Accessibility, NamesFollowALanguageSwitch) {
    startWindow("English");
    prompter.modalScripts.push_back(pick("Fran\u00e7ais"));
    window->chooseLanguage();
    EXPECT_EQ(nameOf(c().rootChordFields[0]),
              QString::fromUtf8("Corde d'emplanture, trap\xc3\xa8ze 1"));
    EXPECT_EQ(nameOf(c().massField), "Masse");
    EXPECT_EQ(c().preview->accessibleName().toStdString(), language.text(kPreviewName));
}

// Each value is read with its caption, and points back to it as its label.
TEST_F(Accessibility, ResultsAreReadWithTheirCaptions) {
    startWindow("English");
    EXPECT_EQ(nameOf(c().spanValue), "Span");
    typeWing(kWorkedWings[1].panels, kWorkedWings[1].balance, kWorkedWings[1].mass);
    window->calculate();
    const std::pair<QLabel*, const char*> results[] = {
        {c().spanValue, "Span: 1 400.00 mm"},
        {c().areaValue, "Area: 29.00 dm\u00b2"},
        {c().aspectRatioValue, "Aspect ratio: 6.76"},
        {c().meanChordStationValue, "MAC position: 294.25 mm"},
        {c().meanChordValue, "MAC: 222.99 mm"},
        {c().balanceDistanceValue, "CG from root LE: 101.15 mm"},
        {c().wingLoadingValue, "Wing loading : 51.72 g/dm\u00b2"},
    };
    for (const auto& [value, name] : results) {
        SCOPED_TRACE(name);
        EXPECT_EQ(nameOf(value), QString::fromUtf8(name));
        const QString caption = QString::fromUtf8(name).section(':', 0, 0) + ':';
        EXPECT_TRUE(labelsOf(value).join('|').contains(caption))
            << labelsOf(value).join('|').toStdString();
    }
    window->clearForm();
    EXPECT_EQ(nameOf(c().spanValue), "Span");
}

TEST_F(Accessibility, PreviewIsAPictureThatSaysWhatItShows) {
    startWindow("English");
    QAccessibleInterface* preview = accessibleOf(c().preview);
    EXPECT_EQ(preview->role(), QAccessible::Graphic);
    EXPECT_EQ(preview->text(QAccessible::Name), "Drawing of the half-wing");
    EXPECT_EQ(preview->text(QAccessible::Description), "Empty until the wing is calculated.");
    typeWing(kWorkedWings[1].panels, kWorkedWings[1].balance, kWorkedWings[1].mass);
    window->calculate();
    EXPECT_EQ(preview->text(QAccessible::Description),
              "The half-wing to scale, root on the left: span 1 400.00 mm, mean aerodynamic "
              "chord 294.25 mm from the root (red line), CG 101.15 mm behind the root leading "
              "edge (blue mark).");
    // A refused wing leaves the drawing, and so the description, of the last good one.
    c().balanceField->setText("100");
    window->calculate();
    EXPECT_TRUE(preview->text(QAccessible::Description).contains("1 400.00 mm"));
}

// On Linux a list is named by the label it belongs to (its own name is the entry it shows);
// elsewhere by its accessible name. Both are set.
TEST_F(Accessibility, LanguageListIsNamedAtFirstStartAndFromTheMenu) {
    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        EXPECT_EQ(labelsOf(chooser.languageCombo()), QStringList{"Language"});
        EXPECT_EQ(chooser.languageCombo()->accessibleName(), "Language");
        EXPECT_TRUE(controlsWithoutNames(chooser).empty());
        pick("English")(dialog);
    });
    startWindow("");
    prompter.modalScripts.push_back([](QDialog& dialog) {
        auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
        EXPECT_EQ(labelsOf(chooser.languageCombo()), QStringList{"Language"}); // "&Language"
        EXPECT_EQ(nameOf(chooser.languageCombo()), "English");                 // the entry in use
    });
    window->chooseLanguage();
    EXPECT_TRUE(prompter.modalScripts.empty());
}

// The help, About, sketch and stability windows: every control a user can reach has a name.
TEST_F(Accessibility, EveryWindowNamesItsControls) {
    std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.gif",
                               folder / "English.gif");
    startWindow("English");
    std::vector<std::string> problems;
    const auto check = [&problems](QDialog& dialog) {
        for (std::string& problem : controlsWithoutNames(dialog))
            problems.push_back(std::move(problem));
    };
    prompter.modalScripts.push_back([&](QDialog& dialog) {
        check(dialog);
        prompter.modalScripts.push_back(check); // the sketch window
        dynamic_cast<HelpDialog&>(dialog).sketchButton()->click();
    });
    window->showHelp();
    prompter.modalScripts.push_back(check);
    window->showAbout();
    prompter.modalScripts.push_back(check);
    window->stability().showStability();
    EXPECT_EQ(prompter.modalRuns, 4);
    EXPECT_TRUE(problems.empty()) << listed(problems);
}

} // namespace
