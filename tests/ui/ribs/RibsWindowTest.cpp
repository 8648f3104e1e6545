// SPDX-License-Identifier: GPL-3.0-or-later
// Ribs > Ribs and airfoils, driven as a user would: the menu after Stability, values that go to
// the list at once, a value out of range named with its field focused, airfoils chosen and
// imported, Remove that asks, a broken .ribs named, names for a screen reader and
// captions that fit in every language.
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/WindowChecks.h"
#include "ui/ribs/RibView.h"
#include "ui/ribs/RibsActions.h"
#include "ui/ribs/RibsDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

namespace {

using Check = std::function<void(RibsDialog&, const RibsDialogControls&)>;

class RibsWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        addEveryLanguage();
    }

    // Opens the window from its menu entry and runs the check while it is open.
    void openRibs(const Check& check) {
        QPointer<QDialog> opened;
        prompter.modalScripts.push_back([&](QDialog& dialog) {
            auto* shown = dynamic_cast<RibsDialog*>(&dialog);
            ASSERT_NE(shown, nullptr);
            opened = shown;
            check(*shown, shown->controls());
        });
        window->ribs().ribsAction()->trigger();
        EXPECT_TRUE(prompter.modalScripts.empty());
        EXPECT_TRUE(opened.isNull()) << "made afresh at each opening";
    }

    // The two-panel worked wing, 400 and 300 mm long, with the ribs given.
    void openTwoPanelWing(const std::string& ribs = {}) {
        startWindow();
        writeBytes(folder / "two.txt", kTwoPanelWingFile);
        if (!ribs.empty())
            writeBytes(folder / "two.ribs", ribs);
        window->openWingFileAt(folder / "two.txt");
        ASSERT_TRUE(window->hasValidResults());
        prompter.messages.clear();
    }

    static void choose(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
};

TEST_F(RibsWindow, MenuSitsAfterStabilityAndFollowsTheLanguage) {
    startWindow();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(bar[4], window->ribs().menu()->menuAction());
    EXPECT_EQ(window->ribs().menu()->title(), "&Ribs");
    prompter.modalScripts.push_back(pick(QStringLiteral("Fran\u00e7ais")));
    window->chooseLanguage();
    EXPECT_EQ(window->ribs().ribsAction()->text(), textOf(kRibsAction));
    EXPECT_EQ(textOf(kRibsMenu), "&Nervures");
}

// Opening and closing the window untouched adds nothing to the wing; typing goes to the list.
TEST_F(RibsWindow, ValuesGoToTheListAsTheyAreTyped) {
    openTwoPanelWing();
    openRibs([this](RibsDialog&, const RibsDialogControls& c) {
        EXPECT_EQ(c.spacingField->text(), "60");
        EXPECT_EQ(c.ribList->rowCount(), 7 + 5 + 1);
        EXPECT_FALSE(c.airfoilCombos[3]->isEnabled()) << "a panel the wing has not";
        EXPECT_TRUE(c.ribView->rib().has_value());
        EXPECT_FALSE(window->session().ribs().exists());
        c.spacingField->selectAll();
        QTest::keyClicks(c.spacingField, "1a00");
        EXPECT_EQ(c.spacingField->text(), "100");
        EXPECT_EQ(c.ribList->rowCount(), 4 + 3 + 1);
        QTest::keyClicks(c.twistFields[1], "-");
        c.ribList->selectRow(7);
        EXPECT_EQ(c.ribList->item(7, 1)->text(), "4");
        EXPECT_EQ(c.ribView->rib()->label, "P2 R4  100.0");
        EXPECT_TRUE(c.ribCaption->text().startsWith("P2 R4  100.0: chord 100.0 mm"));
    });
    EXPECT_EQ(window->session().ribs().definition().settings.spacing, 100);
}

// Cancel, Escape and the close box give the wing back the ribs it had at the opening; OK keeps
// the edits.
TEST_F(RibsWindow, CancelAndEscapeGiveBackTheRibsAtOpening) {
    openTwoPanelWing("[Ribs]\r\nSpacing=60\r\n[Airfoils]\r\nRoot=NACA 2412\r\n");
    enum class Close { Cancel, Escape, CloseBox, Ok };
    for (const Close close : {Close::Cancel, Close::Escape, Close::CloseBox, Close::Ok}) {
        SCOPED_TRACE(static_cast<int>(close));
        const RibsDefinition atOpening = window->session().ribs().definition();
        openRibs([&](RibsDialog& dialog, const RibsDialogControls& c) {
            dialog.show();
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            choose(c.airfoilCombos[0], "NACA 0012");
            c.spacingField->selectAll();
            QTest::keyClicks(c.spacingField, "100");
            if (close == Close::Cancel)
                c.buttons.cancel->click();
            else if (close == Close::Escape)
                QTest::keyClick(c.spacingField, Qt::Key_Escape);
            else if (close == Close::CloseBox)
                dialog.close();
            else
                c.buttons.ok->click();
            EXPECT_FALSE(dialog.isVisible());
        });
        const RibsDefinition& after = window->session().ribs().definition();
        if (close == Close::Ok) {
            EXPECT_EQ(after.settings.spacing, 100);
            EXPECT_EQ(after.stationAirfoils[0], "NACA 0012");
        } else {
            EXPECT_EQ(after, atOpening);
        }
    }
}

// In inches: fields, list and labels; a fraction typed changes only its own setting, and the
// settings shown rounded keep their millimetres.
TEST_F(RibsWindow, InchesInTheFieldsTheListAndTheLabels) {
    units = {LengthUnit::Inch, MassUnit::Gram};
    openTwoPanelWing("[Ribs]\r\nSpacing=60\r\nSheeting=1.5\r\n[Airfoils]\r\nRoot=NACA 2412\r\n");
    openRibs([this](RibsDialog&, const RibsDialogControls& c) {
        EXPECT_EQ(c.spacingField->text(), "2.3622");
        c.leadingEdgeCutField->clear();
        QTest::keyClicks(c.leadingEdgeCutField, "3/16");
        c.ribList->selectRow(0);
        EXPECT_EQ(c.ribView->rib()->label, "P1 R1  11.81");
        EXPECT_EQ(c.ribList->item(0, 3)->text(), "11.811");
        EXPECT_EQ(c.ribList->horizontalHeaderItem(3)->text(), textOf(kRibChordColumnInInches));
        EXPECT_TRUE(c.ribCaption->text().startsWith("P1 R1  11.81: chord 11.811 in, "));
        EXPECT_EQ(c.jig.heightCaption->text(), textOf(kJigHeightCaptionInInches));
        EXPECT_EQ(c.jig.coreKerfCaption->text(), textOf(kCoreKerfCaptionInInches));
    });
    const RibSettings& settings = window->session().ribs().definition().settings;
    EXPECT_EQ(settings.spacing, 60);
    EXPECT_EQ(settings.sheeting, 1.5);
    EXPECT_DOUBLE_EQ(settings.leadingEdgeCut, 4.7625);
}

// The tabs' values wait greyed until the tabs are asked for; then they go to the wing, the drawing
// shows the tabs, and a rear tab ahead of the front one is named.
TEST_F(RibsWindow, JigTabsAreSwitchedOnAndSized) {
    openTwoPanelWing();
    openRibs([this](RibsDialog&, const RibsDialogControls& c) {
        const JigControls& jig = c.jig;
        EXPECT_FALSE(jig.heightField->isEnabled());
        EXPECT_TRUE(jig.coreKerfField->isEnabled()) << "the hot wire's, not the tabs'";
        EXPECT_TRUE(c.ribView->rib()->jigTabs.empty());
        jig.tabsCheck->click();
        EXPECT_TRUE(jig.heightField->isEnabled());
        jig.heightField->selectAll();
        QTest::keyClicks(jig.heightField, "14");
        choose(jig.sideCombo, "upside down");
        EXPECT_EQ(c.ribView->rib()->jigTabs.size(), 2u);
        jig.rearField->selectAll();
        QTest::keyClicks(jig.rearField, "10");
        EXPECT_EQ(c.problemLabel->text(), "This value is out of range: Rear tab (% of chord).");
    });
    const JigTabSettings& jig = window->session().ribs().definition().settings.jig;
    EXPECT_TRUE(jig.enabled);
    EXPECT_EQ(jig.height, 14);
    EXPECT_EQ(jig.side, BuildingSide::UpsideDown);
    EXPECT_EQ(jig.rearPercent, 70) << "the value out of range waits";
}

TEST_F(RibsWindow, AValueOutOfRangeIsNamedAndItsFieldFocused) {
    openTwoPanelWing();
    openRibs([this](RibsDialog& dialog, const RibsDialogControls& c) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        choose(c.spars[1].sideCombo, "top");
        QTest::keyClicks(c.spars[1].positionField, "120");
        QTest::keyClicks(c.spars[1].widthField, "5");
        EXPECT_TRUE(c.problemLabel->isVisible());
        EXPECT_EQ(c.problemLabel->text(),
                  "This value is out of range: Spar 2, Centre (% of chord).");
        EXPECT_EQ(prompter.messages.size(), 0u) << "no message while typing";
        QTest::keyClick(c.spars[1].widthField, Qt::Key_Return);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, c.problemLabel->text());
        EXPECT_TRUE(c.spars[1].positionField->hasFocus());
        EXPECT_FALSE(window->session().ribs().definition().settings.spars[1]);
    });
}

TEST_F(RibsWindow, AirfoilsAreChosenAndImported) {
    openTwoPanelWing();
    prompter.fileAnswers.push_back(
        QString::fromStdString(std::string(WINGSHEET_AIRFOIL_FILES) + "/bad-crossing.dat"));
    prompter.fileAnswers.push_back(
        QString::fromStdString(std::string(WINGSHEET_AIRFOIL_FILES) + "/e374-percent.dat"));
    openRibs([this](RibsDialog&, const RibsDialogControls& c) {
        choose(c.airfoilCombos[1], "NACA 0009");
        EXPECT_EQ(c.ribList->item(3, 5)->text(), "NACA 2412 \u2192 NACA 0009");
        choose(c.airfoilCombos[2], textOf(kImportAirfoilChoice));
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(prompter.messages[0].text.endsWith(
            "bad-crossing.dat, line 42: the outline crosses itself"));
        EXPECT_EQ(c.airfoilCombos[2]->currentText(), textOf(kSameAirfoilChoice));
        choose(c.airfoilCombos[2], textOf(kImportAirfoilChoice));
        ASSERT_EQ(prompter.messages.size(), 2u);
        EXPECT_TRUE(prompter.messages[1].text.startsWith("E374 in percent was imported.\r"));
        EXPECT_EQ(c.airfoilCombos[2]->currentText(), "E374 in percent");
        EXPECT_GE(c.airfoilCombos[0]->findText("E374 in percent"), 0) << "offered everywhere";
    });
    EXPECT_EQ(prompter.fileDialogs.back().filter, "Airfoil coordinates (*.dat *.DAT)");
}

// A broken .ribs is named when the wing opens (Save as and Open are the session's); Remove asks.
TEST_F(RibsWindow, ABrokenFileIsNamedAndRemoveAsks) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    writeBytes(folder / "two.ribs", "[Ribs]\r\nSpacing=-5\r\n");
    window->openWingFileAt(folder / "two.txt");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.contains("This value cannot be used: [Ribs] Spacing=-5"));
    prompter.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    openRibs([](RibsDialog&, const RibsDialogControls& c) {
        choose(c.airfoilCombos[0], "NACA 0012");
        c.buttons.remove->click();
        EXPECT_EQ(c.airfoilCombos[0]->currentText(), "NACA 0012") << "cancelled";
        c.buttons.remove->click();
        EXPECT_EQ(c.airfoilCombos[0]->currentText(), "NACA 2412");
    });
    EXPECT_FALSE(window->session().ribs().exists());
}

// The checks every window gets, in each of the six languages, with a rib's problems listed.
TEST_F(RibsWindow, EveryControlIsNamedAndEveryCaptionFitsInEveryLanguage) {
    openTwoPanelWing("[Ribs]\r\nSpacing=60\r\nSheeting=20\r\n[Airfoils]\r\nRoot=NACA 2412\r\n");
    std::vector<std::pair<std::string, UnitChoice>> runs;
    for (const std::string& name : language.availableLanguages())
        runs.insert(runs.end(), {{name, {}}, {name, {LengthUnit::Inch, MassUnit::Ounce}}});
    for (const auto& [name, inUnits] : runs) {
        SCOPED_TRACE(name + (inUnits == UnitChoice{} ? "" : " in inches"));
        language.select(name);
        window->units().choose(inUnits);
        openRibs([](RibsDialog& dialog, const RibsDialogControls& c) {
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            EXPECT_FALSE(c.ribList->item(0, 7)->text().isEmpty());
            EXPECT_TRUE(controlsWithoutNames(dialog).empty())
                << listed(controlsWithoutNames(dialog));
            const std::vector<std::string> problems = captionsThatDoNotFit(dialog);
            EXPECT_TRUE(problems.empty()) << listed(problems);
            EXPECT_FALSE(c.ribView->accessibleDescription().isEmpty());
            dialog.hide();
        });
    }
}

} // namespace
