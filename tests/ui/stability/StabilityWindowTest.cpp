// SPDX-License-Identifier: GPL-3.0-or-later
// Stability > Tail and neutral point, driven as a user would: the menu, the choice of a tail or a
// flying wing, the fields with the main grid's behaviour, results that follow the edits, Enter,
// each refusal's message, the warnings, Remove and Cancel, the preview's green tick, the .stab
// beside the wing through Open and Save as, names for a screen reader, captions that fit.
#include "files/StabilityFile.h"
#include "session/AccessibleTexts.h"
#include "support/StabilityWings.h"
#include "support/WingTexts.h"
#include "ui/MainWindowFixture.h"
#include "ui/WindowChecks.h"
#include "ui/main/WingsheetApp.h"
#include "ui/stability/StabilityDialog.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <set>

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

const std::string kFrench = "Fran\xc3\xa7"
                            "ais";

// Types the rectangular worked tail key by key, so the key filter sees every character.
void typeRectangularTail(const StabilityDialogControls& c) {
    c.withTailChoice->click();
    QTest::keyClicks(c.rootChordFields[0], "100");
    QTest::keyClicks(c.tipChordFields[0], "100");
    QTest::keyClicks(c.panelLengthFields[0], "200");
    QTest::keyClicks(c.sweepOffsetFields[0], "0");
    QTest::keyClicks(c.distanceField, "600");
    c.efficiencyField->clear();
    QTest::keyClicks(c.efficiencyField, "0.90");
}

using Check = std::function<void(StabilityDialog&, const StabilityDialogControls&)>;

class StabilityWindow : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        addEveryLanguage();
    }

    // Opens the window from its menu entry and runs the check while it is open.
    void openStability(const Check& check) {
        QPointer<QDialog> opened;
        prompter.modalScripts.push_back([&](QDialog& dialog) {
            auto* shown = dynamic_cast<StabilityDialog*>(&dialog);
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->parentWidget(), window.get());
            opened = shown;
            check(*shown, shown->controls());
        });
        window->stability().tailAction()->trigger();
        EXPECT_TRUE(prompter.modalScripts.empty());
        EXPECT_TRUE(opened.isNull()) << "made afresh at each opening";
    }

    void calculateRectangularWing() {
        typeWing(kRectangularWing, "30", "");
        window->calculate();
        ASSERT_TRUE(window->hasValidResults());
    }

    // The preview's pixels in the tick's green.
    int greenPixels() const {
        const QImage image = c().preview->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                count += pixel.green() > 110 && pixel.red() < 80 && pixel.blue() < 80 ? 1 : 0;
            }
        }
        return count;
    }

    QString decimal(const char* text) const {
        return QString::fromStdString(text).replace(
            u'.', QString::fromStdString(window->session().decimalSeparator()));
    }
};

TEST_F(StabilityWindow, MenuSitsAfterLanguageAndFollowsTheLanguage) {
    startWindow();
    const QList<QAction*> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), 6);
    EXPECT_EQ(bar[1], c().languageAction);
    EXPECT_EQ(bar[2], window->units().menu()->menuAction());
    EXPECT_EQ(bar[3], window->stability().menu()->menuAction());
    EXPECT_EQ(bar[5], c().helpMenu->menuAction());
    EXPECT_EQ(window->stability().menu()->title(), "&Stability");
    EXPECT_EQ(window->stability().tailAction()->text(), "&Tail and neutral point\u2026");

    prompter.modalScripts.push_back(pick(QString::fromStdString(kFrench)));
    window->chooseLanguage();
    EXPECT_EQ(window->stability().menu()->title(), textOf(kStabilityMenu));
    EXPECT_NE(textOf(kStabilityMenu), "&Stability");
}

// A wing without stability data opens with nothing chosen and nothing to type; opening and closing
// the window untouched adds nothing to the wing. A flying wing is the user's choice.
TEST_F(StabilityWindow, OpensWithNothingChosenAndTheMainGridsFields) {
    startWindow();
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        EXPECT_FALSE(c.withTailChoice->isChecked());
        EXPECT_FALSE(c.noTailChoice->isChecked());
        for (const QWidget* control : std::initializer_list<const QWidget*>{
                 c.tailGroup, c.distanceField, c.positionCombo, c.marginField, c.buttons.remove})
            EXPECT_FALSE(control->isEnabled());
        EXPECT_EQ(c.marginField->text(), "10");
        EXPECT_EQ(c.efficiencyField->text(), decimal("0.60"));
        EXPECT_EQ(c.positionCombo->currentIndex(), 0);
        for (int panel = 0; panel < kPanelCount; ++panel) {
            EXPECT_EQ(c.rootChordFields[panel]->isEnabledTo(c.tailGroup), panel == 0);
            EXPECT_NE(qobject_cast<WingField*>(c.sweepOffsetFields[panel]), nullptr);
        }
        EXPECT_TRUE(c.buttons.calculate->isDefault());
    });
    EXPECT_FALSE(window->session().stability().exists());
    openStability(
        [](StabilityDialog&, const StabilityDialogControls& c) { c.noTailChoice->click(); });
    EXPECT_TRUE(window->session().stability().exists());
    EXPECT_FALSE(window->session().stability().fields().hasTail);
}

TEST_F(StabilityWindow, KeyFilterAndChainingAreTheMainGrids) {
    startWindow();
    openStability([](StabilityDialog& dialog, const StabilityDialogControls& c) {
        c.withTailChoice->click();
        QTest::keyClicks(c.tipChordFields[0], "9a0-+ ");
        QTest::keyClicks(c.sweepOffsetFields[0], "-1x5");
        QTest::keyClicks(c.distanceField, "-6y0");
        QTest::keyClicks(c.marginField, "z-");
        EXPECT_EQ(c.tipChordFields[0]->text(), "90");
        EXPECT_EQ(c.rootChordFields[1]->text(), "90");
        EXPECT_EQ(c.sweepOffsetFields[0]->text(), "-15");
        EXPECT_EQ(c.distanceField->text(), "-60");
        EXPECT_EQ(c.marginField->text(), "10-");
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        c.tipChordFields[0]->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(c.tipChordFields[0]->selectedText(), "90");
        dialog.hide();
    });
    EXPECT_TRUE(window->session().stability().exists());
    EXPECT_EQ(window->session().stability().fields().tail.rootChord[1], "90");
}

// The worked rectangular case: Enter in a field shows the results; the preview gets its tick.
TEST_F(StabilityWindow, EnterWorksOutTheNeutralPointAndTicksThePreview) {
    startWindow();
    calculateRectangularWing();
    EXPECT_EQ(greenPixels(), 0);
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        typeRectangularTail(c);
        QTest::keyClick(c.marginField, Qt::Key_Return);
        EXPECT_TRUE(prompter.messages.empty());
        EXPECT_EQ(c.tailArea.value->text(), decimal(" 4.00 dm\u00b2  "));
        EXPECT_EQ(c.tailMeanChord.value->text(), decimal(" 100.00 mm  "));
        EXPECT_EQ(c.tailAspectRatio.value->text(), decimal(" 4.00"));
        EXPECT_EQ(c.tailArm.value->text(), decimal(" 575.00 mm  "));
        EXPECT_EQ(c.tailVolume.value->text(), decimal(" 0.58"));
        EXPECT_EQ(c.neutralPoint.value->text(), decimal(" 91.84 mm  "));
        EXPECT_EQ(c.neutralPoint.percentValue->text(), decimal(" 45.92 %"));
        EXPECT_EQ(c.balanceForMargin.value->text(), decimal(" 71.84 mm  "));
        EXPECT_EQ(c.balanceForMargin.percentValue->text(), decimal(" 35.92 %"));
        EXPECT_EQ(c.marginAtBalance.value->text(), decimal(" 15.92 %"));
        EXPECT_TRUE(c.warningLabel->text().isEmpty());
        EXPECT_EQ(c.neutralPoint.value->accessibleName(), decimal("Neutral point: 91.84 mm"));
        EXPECT_GT(greenPixels(), 0) << "the preview follows while the window is open";
    });
    EXPECT_GT(greenPixels(), 0);
    // Reopened, the window shows the wing's data and their results at once.
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        EXPECT_TRUE(c.withTailChoice->isChecked());
        EXPECT_EQ(c.distanceField->text(), "600");
        EXPECT_EQ(c.neutralPoint.value->text(), decimal(" 91.84 mm  "));
    });
    window->clearForm();
    EXPECT_FALSE(window->session().stability().exists());
}

// A screen reader hears of the green mark with the rest of the preview, and no more once it goes.
TEST_F(StabilityWindow, ThePreviewDescriptionFollowsTheGreenMark) {
    startWindow();
    calculateRectangularWing();
    const QString mark =
        decimal("Neutral point 91.84 mm behind the root leading edge (green mark).");
    EXPECT_FALSE(c().preview->accessibleDescription().contains("green mark"));
    openStability([&](StabilityDialog&, const StabilityDialogControls& c) {
        typeRectangularTail(c);
        c.buttons.calculate->click();
        EXPECT_TRUE(this->c().preview->accessibleDescription().endsWith(" " + mark))
            << this->c().preview->accessibleDescription().toStdString();
        c.buttons.remove->click();
        EXPECT_FALSE(this->c().preview->accessibleDescription().contains("green mark"));
    });
}

struct Refusal {
    const char* name;
    bool calculateWing;
    void (*type)(const StabilityDialogControls& c);
    TextKey message;
};

const Refusal kRefusals[] = {
    {"wing not calculated", false, [](const StabilityDialogControls&) {},
     kStabilityNeedsWingMessage},
    {"nothing chosen", true, [](const StabilityDialogControls&) {}, kChooseLayoutMessage},
    {"tail without panels", true,
     [](const StabilityDialogControls& c) {
         c.withTailChoice->click();
         QTest::keyClicks(c.distanceField, "600");
     },
     kTailPanelMessage},
    {"distance 0", true,
     [](const StabilityDialogControls& c) {
         c.withTailChoice->click();
         QTest::keyClicks(c.rootChordFields[0], "100");
         QTest::keyClicks(c.tipChordFields[0], "100");
         QTest::keyClicks(c.panelLengthFields[0], "200");
         QTest::keyClicks(c.distanceField, "0");
     },
     kTailDistanceMessage},
    {"tail ahead of the wing's quarter chord", true,
     [](const StabilityDialogControls& c) {
         c.withTailChoice->click();
         QTest::keyClicks(c.rootChordFields[0], "100");
         QTest::keyClicks(c.tipChordFields[0], "100");
         QTest::keyClicks(c.panelLengthFields[0], "200");
         QTest::keyClicks(c.distanceField, "20");
     },
     kTailArmMessage},
    {"efficiency 0.2", true,
     [](const StabilityDialogControls& c) {
         typeRectangularTail(c);
         c.efficiencyField->setText("0.2");
     },
     kEfficiencyMessage},
    {"margin empty", true,
     [](const StabilityDialogControls& c) {
         c.noTailChoice->click();
         c.marginField->clear();
     },
     kMarginMessage},
};

TEST_F(StabilityWindow, EachRefusalShowsItsOwnMessageAndNoTick) {
    for (const Refusal& refusal : kRefusals) {
        SCOPED_TRACE(refusal.name);
        startWindow();
        if (refusal.calculateWing)
            calculateRectangularWing();
        prompter.messages.clear();
        openStability([&](StabilityDialog&, const StabilityDialogControls& c) {
            refusal.type(c);
            c.buttons.calculate->click();
            ASSERT_EQ(prompter.messages.size(), 1u);
            EXPECT_EQ(prompter.messages[0].text, textOf(refusal.message));
            EXPECT_EQ(prompter.messages[0].style, kExclamationMessage);
            EXPECT_EQ(prompter.messages[0].title, textOf(kProgramCaption));
            EXPECT_TRUE(c.neutralPoint.value->text().isEmpty());
        });
        EXPECT_EQ(greenPixels(), 0);
    }
}

// An empty tail panel between used ones is the tail's gap: the message names that tail panel.
TEST_F(StabilityWindow, ATailGapNamesTheTailPanel) {
    startWindow();
    calculateRectangularWing();
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        typeRectangularTail(c);
        QTest::keyClicks(c.tipChordFields[2], "80");
        QTest::keyClicks(c.panelLengthFields[2], "100");
        QTest::keyClick(c.distanceField, Qt::Key_Return);
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text,
                  "Tail panel 2 is empty, but a tail panel further out is used. Fill the tail "
                  "panels one after another from panel 1, or empty the outer ones.");
        EXPECT_TRUE(c.neutralPoint.value->text().isEmpty());
    });
    EXPECT_TRUE(window->hasValidResults()) << "the wing is not to blame";
    EXPECT_EQ(greenPixels(), 0);
}

TEST_F(StabilityWindow, TheTailPositionSetsTheEfficiencyAndFollowsIt) {
    startWindow();
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        c.withTailChoice->click();
        c.positionCombo->setCurrentIndex(1);
        emit c.positionCombo->activated(1);
        EXPECT_EQ(c.efficiencyField->text(), decimal("0.80"));
        c.efficiencyField->setText("1");
        EXPECT_EQ(c.positionCombo->currentIndex(), 3);
        c.efficiencyField->setText("0.9");
        EXPECT_EQ(c.positionCombo->currentIndex(), 2) << "as files written before hold it";
        c.efficiencyField->setText("0.5");
        EXPECT_EQ(c.positionCombo->currentIndex(), 4);
        c.positionCombo->setCurrentIndex(4);
        emit c.positionCombo->activated(4);
        EXPECT_EQ(c.efficiencyField->text(), "0.5");
    });
    EXPECT_EQ(window->session().stability().fields().efficiency, "0.5");
}

// Remove asks first, naming the file the next Save as deletes; then nothing is chosen.
TEST_F(StabilityWindow, RemoveAsksThenDropsTheDataAndTheTick) {
    startWindow();
    calculateRectangularWing();
    openStability([this](StabilityDialog&, const StabilityDialogControls& c) {
        typeRectangularTail(c);
        c.buttons.calculate->click();
        ASSERT_GT(greenPixels(), 0);
        EXPECT_FALSE(c.buttons.remove->text().contains(u'&'));
        prompter.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::Ok};
        c.buttons.remove->click();
        EXPECT_GT(greenPixels(), 0);
        c.buttons.remove->click();
        ASSERT_EQ(prompter.messages.size(), 2u);
        EXPECT_EQ(prompter.messages[0].text,
                  "Remove the tail and neutral-point data from this wing? The next Save as also "
                  "deletes NAME.stab.");
        EXPECT_EQ(prompter.messages[0].style, kOkCancelQuestion);
        EXPECT_EQ(greenPixels(), 0);
        EXPECT_FALSE(c.withTailChoice->isChecked() || c.noTailChoice->isChecked());
        EXPECT_TRUE(c.distanceField->text().isEmpty());
        EXPECT_TRUE(c.neutralPoint.value->text().isEmpty());
    });
    EXPECT_FALSE(window->session().stability().exists());
}

// Each edit works the results out again, quietly; Escape gives the wing back its data as they
// were when the window opened, as Cancel does.
TEST_F(StabilityWindow, ResultsFollowTheEditsAndEscapeDropsThem) {
    startWindow();
    calculateRectangularWing();
    openStability(
        [](StabilityDialog&, const StabilityDialogControls& c) { typeRectangularTail(c); });
    const StabilityFields entered = window->session().stability().fields();
    openStability([this](StabilityDialog& dialog, const StabilityDialogControls& c) {
        c.distanceField->clear();
        EXPECT_TRUE(c.neutralPoint.value->text().isEmpty());
        EXPECT_EQ(greenPixels(), 0);
        QTest::keyClicks(c.distanceField, "700");
        EXPECT_NE(c.neutralPoint.value->text(), decimal(" 91.84 mm  "));
        EXPECT_FALSE(c.neutralPoint.value->text().isEmpty());
        c.noTailChoice->click();
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(c.marginField, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(prompter.messages.empty());
    });
    EXPECT_EQ(window->session().stability().fields(), entered);
    EXPECT_GT(greenPixels(), 0);
}

// Every field is named in the current language, the tail's as its messages name them, again
// after a switch, and no two fields share a name.
TEST_F(StabilityWindow, EveryFieldHasANameFromItsCaptions) {
    startWindow();
    openStability([this](StabilityDialog& dialog, const StabilityDialogControls& c) {
        EXPECT_EQ(c.rootChordFields[0]->accessibleName(), "Root chord, tail panel 1");
        EXPECT_EQ(c.sweepOffsetFields[4]->accessibleName(), "Sweep +/-, tail panel 5");
        EXPECT_EQ(c.distanceField->accessibleName(), "Distance to the tail, mm");
        EXPECT_EQ(c.positionCombo->accessibleName(), "Tail position");
        EXPECT_EQ(accessible(c.positionCombo)->text(QAccessible::Name), "Tail position");
        EXPECT_EQ(accessible(c.positionCombo)->text(QAccessible::Value),
                  c.positionCombo->currentText());
        EXPECT_TRUE(accessible(c.helpText)->text(QAccessible::Value).contains("neutral point"));
        EXPECT_EQ(c.neutralPoint.value->accessibleName(), "Neutral point");
        for (QWidget* widget : dialog.findChildren<QWidget*>()) {
            for (const QAccessible::Text kind : {QAccessible::Name, QAccessible::Description})
                EXPECT_FALSE(accessible(widget)->text(kind).contains(u'<'))
                    << accessible(widget)->text(kind).toStdString();
        }
        std::set<QString> names;
        for (WingField* field : dialog.findChildren<WingField*>()) {
            EXPECT_FALSE(field->accessibleName().isEmpty());
            EXPECT_TRUE(names.insert(field->accessibleName()).second)
                << field->accessibleName().toStdString();
        }
        EXPECT_EQ(names.size(), 4u * kPanelCount + 3);
        EXPECT_TRUE(controlsWithoutNames(dialog).empty()) << listed(controlsWithoutNames(dialog));

        language.select(kFrench);
        dialog.translate();
        EXPECT_EQ(c.rootChordFields[0]->accessibleName(),
                  QString::fromUtf8("Corde d'emplanture, trap\xc3\xa8ze 1 de l'empennage"));
        EXPECT_EQ(c.marginField->accessibleName(),
                  QString::fromStdString(withoutColon(language.text(kMarginCaption))) + ", %");
        EXPECT_EQ(c.neutralPoint.value->accessibleName(),
                  QString::fromStdString(withoutColon(language.text(kNeutralPointCaption))));
        EXPECT_EQ(dialog.windowTitle(), textOf(kStabilityTitle));
    });
}

// The window at its tallest, a tail with both warnings in red and a negative margin, measured by
// the checks every window gets in each of the six languages: it fits a 1366 × 768 screen with a
// title bar, and a user may resize it.
TEST_F(StabilityWindow, EveryCaptionFitsAndTheWindowFitsTheScreenInEveryLanguage) {
    constexpr int kTitleBar = 40;
    startWindow();
    typeWing(kRectangularWing, "90", "");
    window->calculate();
    for (const std::string& name : language.availableLanguages()) {
        SCOPED_TRACE(name);
        language.select(name);
        window->translate();
        openStability([&](StabilityDialog& dialog, const StabilityDialogControls& c) {
            typeRectangularTail(c);
            c.distanceField->setText("150");
            EXPECT_EQ(c.warningLabel->text().count(u'\n'), 1);
            EXPECT_EQ(c.warningLabel->palette().color(QPalette::WindowText), QColor(176, 0, 0));
            EXPECT_EQ(c.marginAtBalance.value->palette().color(QPalette::WindowText),
                      QColor(176, 0, 0));
            EXPECT_EQ(c.marginAtBalance.value->text(), decimal(" -60.45 %"));
            dialog.show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
            const std::vector<std::string> problems = captionsThatDoNotFit(dialog);
            EXPECT_TRUE(problems.empty()) << listed(problems);
            EXPECT_LE(dialog.width(), 1366);
            EXPECT_LE(dialog.height() + kTitleBar, 768);
            EXPECT_GT(dialog.maximumWidth(), dialog.minimumWidth());
            EXPECT_GT(dialog.maximumHeight(), dialog.minimumHeight());
            dialog.reject();
        });
    }
}

TEST_F(StabilityWindow, OpenReadsTheDataBesideTheWing) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    ASSERT_EQ(saveStabilityFile(folder / "two.stab", rectangularTail()), std::nullopt);
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "two.txt"));
    window->openWingFile();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_GT(greenPixels(), 0);
    openStability([](StabilityDialog&, const StabilityDialogControls& c) {
        EXPECT_EQ(c.distanceField->text(), "600");
        EXPECT_FALSE(c.neutralPoint.value->text().isEmpty());
    });
}

// A wing named on the command line opens as File > Open does, with its data beside it.
TEST_F(StabilityWindow, AWingNamedOnTheCommandLineBringsItsData) {
    storeLanguage("English");
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    ASSERT_EQ(saveStabilityFile(folder / "two.stab", rectangularTail()), std::nullopt);
    window = std::make_unique<MainWindow>(prompter, language);
    ASSERT_TRUE(showMainWindow(*window, folder / "two.txt"));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_TRUE(window->session().stability().exists());
    EXPECT_GT(greenPixels(), 0);
}

// An Open that fails leaves the wing, its tick and its data as they were.
TEST_F(StabilityWindow, AFailedOpenKeepsTheTailAndTheTick) {
    startWindow();
    calculateRectangularWing();
    openStability([](StabilityDialog&, const StabilityDialogControls& c) {
        typeRectangularTail(c);
        c.buttons.calculate->click();
    });
    ASSERT_GT(greenPixels(), 0);
    writeBytes(folder / "short.txt", kTwoPanelWingFile.substr(0, 60));
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "short.txt"));
    window->openWingFile();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_GT(greenPixels(), 0);
    openStability([](StabilityDialog&, const StabilityDialogControls& c) {
        EXPECT_EQ(c.distanceField->text(), "600");
        EXPECT_FALSE(c.neutralPoint.value->text().isEmpty());
    });
}

TEST_F(StabilityWindow, ABrokenFileIsReportedAndTheWingStillOpens) {
    startWindow();
    writeBytes(folder / "two.txt", kTwoPanelWingFile);
    writeBytes(folder / "two.stab", "not a stability file");
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "two.txt"));
    window->openWingFile();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              textOf(kStabilityReadMessage) + "\r" + QString::fromStdString(folder / "two.stab"));
    EXPECT_EQ(prompter.messages[0].style, kExclamationMessage);
    EXPECT_TRUE(window->hasValidResults());
    EXPECT_EQ(c().meanChordValue->text(), " 222.99 mm  ");
    EXPECT_FALSE(window->session().stability().exists());
    EXPECT_EQ(greenPixels(), 0);
}

// One box says the wing was saved and its companion was not.
TEST_F(StabilityWindow, SaveAsSaysWhenTheDataCannotBeKeptBesideTheWing) {
    startWindow();
    calculateRectangularWing();
    openStability(
        [](StabilityDialog&, const StabilityDialogControls& c) { typeRectangularTail(c); });
    std::filesystem::create_directory(folder / "glider.stab");
    prompter.fileAnswers.push_back(QString::fromStdString(folder / "glider.txt"));
    window->saveWingFileAs();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].text.startsWith(
        textOf(kStabilityWriteMessage) + "\r" + QString::fromStdString(folder / "glider.stab")));
    EXPECT_TRUE(prompter.messages[0].text.contains(" # 21 "));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "glider.txt"));
    EXPECT_TRUE(window->windowTitle().endsWith(" : glider.txt"));
}

} // namespace
