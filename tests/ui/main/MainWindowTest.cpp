// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/TextPattern.h"
#include "ui/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <optional>

namespace {

using MainWindowBehaviour = MainWindowFixture;

// The form at start and after Clear: every field and result empty, the balance at 30 %.
void expectEmptyForm(const MainWindow& window) {
    const MainWindowControls& c = window.controls();
    for (const PanelFields* row :
         {&c.rootChordFields, &c.tipChordFields, &c.panelLengthFields, &c.sweepOffsetFields})
        for (const WingField* field : *row)
            EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(c.balanceField->text(), "30");
    EXPECT_TRUE(c.massField->text().isEmpty());
    for (const QLabel* label :
         {c.spanValue, c.areaValue, c.aspectRatioValue, c.meanChordStationValue,
          c.balanceDistanceValue, c.meanChordValue, c.wingLoadingValue})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(c.preview->isBlank());
    EXPECT_FALSE(window.hasValidResults());
}

struct Typing {
    const char* name;
    WingField* MainWindowControls::*single; // or a panel row
    PanelFields MainWindowControls::*row;
    const char* keys;
    const char* shown;
};

TEST_F(MainWindowBehaviour, TypingLetsOnlyNumberCharactersThrough) {
    startWindow();
    const Typing cases[] = {
        {"root chord", nullptr, &MainWindowControls::rootChordFields, "12a+ ,5-", "12,5"},
        {"sweep takes a minus", nullptr, &MainWindowControls::sweepOffsetFields, "-3x.5", "-3.5"},
        {"balance", &MainWindowControls::balanceField, nullptr, "2-5", "25"},
        {"mass", &MainWindowControls::massField, nullptr, "1 500g", "1500"},
    };
    for (const auto& typing : cases) {
        WingField* field = typing.single ? c().*typing.single : (c().*typing.row)[0];
        field->clear();
        QTest::keyClicks(field, typing.keys);
        EXPECT_EQ(field->text(), typing.shown) << typing.name;
    }
    QTest::keyClick(c().rootChordFields[0], Qt::Key_Backspace);
    EXPECT_EQ(c().rootChordFields[0]->text(), "12,");
    QGuiApplication::clipboard()->setText("abc"); // nothing of a number to paste
    QTest::keyClick(c().rootChordFields[0], Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(c().rootChordFields[0]->text(), "12,");
}

TEST_F(MainWindowBehaviour, TipChordsChainIntoTheNextRootChords) {
    startWindow();
    QTest::keyClicks(c().tipChordFields[0], "125");
    EXPECT_EQ(c().rootChordFields[1]->text(), "125");
    c().tipChordFields[2]->setText("80");
    EXPECT_EQ(c().rootChordFields[3]->text(), "80");
    c().tipChordFields[0]->clear();
    EXPECT_TRUE(c().rootChordFields[1]->text().isEmpty());
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(c().rootChordFields[i]->isEnabled()) << i;
}

TEST_F(MainWindowBehaviour, FocusSelectsTheWholeText) {
    startWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->rootChordHadFocus()); // the first field of the keyboard order
    c().tipChordFields[0]->setText("250");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().tipChordFields[0]);
    EXPECT_EQ(c().tipChordFields[0]->selectedText(), "250");

    c().panelLengthFields[0]->setText("1000");
    QTest::mouseClick(c().panelLengthFields[0], Qt::LeftButton);
    EXPECT_EQ(c().panelLengthFields[0]->selectedText(), "1000");
    QTest::keyClicks(c().panelLengthFields[0], "9");
    EXPECT_EQ(c().panelLengthFields[0]->text(), "9");
}

// Calculate by Enter or by the button, and Clear, hand the first root chord back to the user with
// its text selected, so the next wing can be typed straight away.
TEST_F(MainWindowBehaviour, CalculateAndClearSelectTheFirstRootChord) {
    startWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    typeWing(kWorkedWings[1].panels, kWorkedWings[1].balance, kWorkedWings[1].mass);
    WingField* first = c().rootChordFields[0];
    const std::function<void()> commands[] = {
        [this] { QTest::keyClick(c().massField, Qt::Key_Return); },
        [this] { QTest::mouseClick(c().calculateButton, Qt::LeftButton); },
        [this] { QTest::keyClick(c().calculateButton, Qt::Key_Space); },
        [this] { QTest::mouseClick(c().clearButton, Qt::LeftButton); },
    };
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        SCOPED_TRACE(i);
        c().massField->setFocus(Qt::TabFocusReason);
        commands[i]();
        EXPECT_EQ(QApplication::focusWidget(), first);
        EXPECT_EQ(first->selectedText(), first->text());
        EXPECT_EQ(first->text(), i < 3 ? "300" : "");
    }
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowBehaviour, TabOrderRunsDownPanelZeroThenTheBalanceThenTheOtherPanels) {
    startWindow();
    QList<QWidget*> expected{c().rootChordFields[0], c().tipChordFields[0],
                             c().panelLengthFields[0], c().sweepOffsetFields[0], c().balanceField};
    for (int i = 1; i < 5; ++i)
        expected << c().tipChordFields[i] << c().panelLengthFields[i]
                 << c().sweepOffsetFields[i]; // root chords are disabled
    expected << c().massField << c().calculateButton << c().clearButton << c().printButton;
    QWidget* widget = c().rootChordFields[0];
    for (qsizetype i = 1; i < expected.size(); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled());
        EXPECT_EQ(widget, expected[i]) << i;
    }
}

// Enter in the last field calculates.
TEST_F(MainWindowBehaviour, CalculateShowsEveryResultAndDrawsThePlanform) {
    startWindow();
    for (const WorkedWingCase& wing : kWorkedWings) {
        window->clearForm();
        typeWing(wing.panels, wing.balance, wing.mass);
        QTest::keyClick(c().massField, Qt::Key_Return);
        const QLabel* labels[] = {c().spanValue,
                                  c().areaValue,
                                  c().aspectRatioValue,
                                  c().meanChordStationValue,
                                  c().balanceDistanceValue,
                                  c().meanChordValue,
                                  c().wingLoadingValue};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(labels[i]->text(), QString::fromUtf8(wing.texts[i])) << wing.name << i;
        EXPECT_TRUE(window->hasValidResults()) << wing.name;
        EXPECT_FALSE(c().preview->isBlank()) << wing.name;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

struct Refusal {
    const char* name;
    std::vector<TypedPanel> panels;
    const char* balance;
    const char* messageKey;
    const char* named;   // the panel or field the message names, or nullptr
    const char* mending; // the field that has the cursor then, by its accessible name
};

// The results of an earlier wing stay on show; the cursor waits in the field to mend, its text
// selected.
TEST_F(MainWindowBehaviour, RefusedWingsShowTheirWarningAndChangeNothing) {
    startWindow();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const Refusal refusals[] = {
        {"no tip chord",
         {{"250", "", "1000", "50"}},
         "30",
         "incomplete",
         "Tip chord, panel 1",
         "Tip chord, panel 1"},
        {"tip chord of panel 2 without its length",
         {{"250", "150", "1000", "0"}, {"", "100", "", ""}},
         "30",
         "incomplete",
         "Panel length, panel 2",
         "Panel length, panel 2"},
        {"balance 100", {{"250", "150", "1000", "50"}}, "100", "2", nullptr, "CG (% MAC)"},
        {"panel error first",
         {{"250", "", "1000", "50"}},
         "100",
         "incomplete",
         "Tip chord, panel 1",
         "Tip chord, panel 1"},
        {"gap in the chain",
         {{"250", "150", "1000", "0"}, {"", "", "", ""}, {"", "100", "300", "0"}},
         "30",
         "gap",
         "2",
         "Panel length, panel 2"},
        {"negative length",
         {{"250", "150", "-1000", "0"}},
         "30",
         "negative",
         "Panel length, panel 1",
         "Panel length, panel 1"},
        {"balance 0.0 on two panels", kWorkedWings[1].panels, "0.0", "2", nullptr, "CG (% MAC)"},
    };
    for (const auto& refusal : refusals) {
        window->clearForm();
        typeWing({{"200", "200", "500", "0"}}, "30", "");
        window->calculate();
        typeWing(refusal.panels, refusal.balance, "");
        prompter.messages.clear();
        window->calculate();
        ASSERT_EQ(prompter.messages.size(), 1u) << refusal.name;
        const std::string message = language.text({"Message", refusal.messageKey});
        EXPECT_EQ(prompter.messages[0].text.toStdString(),
                  refusal.named ? fillIn(message, {refusal.named}) : message)
            << refusal.name;
        EXPECT_EQ(prompter.messages[0].style, kExclamationMessage) << refusal.name;
        EXPECT_EQ(prompter.messages[0].title, "Wingsheet") << refusal.name;
        EXPECT_FALSE(window->hasValidResults()) << refusal.name;
        EXPECT_EQ(c().spanValue->text(), "1 000.00 mm  ") << refusal.name;
        const auto* mending = qobject_cast<const WingField*>(QApplication::focusWidget());
        ASSERT_NE(mending, nullptr) << refusal.name;
        EXPECT_EQ(mending->accessibleName(), refusal.mending) << refusal.name;
        EXPECT_EQ(mending->selectedText(), mending->text()) << refusal.name;
    }
}

// print and save as are refused from the menu and the button, before any calculate and after
// Clear.
TEST_F(MainWindowBehaviour, StartsAndClearsToAnEmptyFormThatRefusesPrintAndSave) {
    startWindow();
    ASSERT_TRUE(started);
    EXPECT_EQ(window->windowTitle(), "Wingsheet");
    expectEmptyForm(*window);
    c().printAction->trigger();
    c().saveAsAction->trigger();
    typeWing({{"250", "150", "1000", "50"}, {"", "100", "300", "0"}}, "25", "900");
    window->calculate();
    ASSERT_TRUE(window->hasValidResults());
    c().clearButton->click();
    expectEmptyForm(*window);
    c().printButton->click();

    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(prompter.messages[0].text, textOf(kPrintNeedsCalculationMessage));
    EXPECT_EQ(prompter.messages[0].style, kCriticalMessage);
    EXPECT_EQ(prompter.messages[0].title, "Wingsheet");
    EXPECT_EQ(prompter.messages[1].text, textOf(kSaveNeedsCalculationMessage));
    EXPECT_EQ(prompter.messages[1].style, kExclamationMessage);
    EXPECT_EQ(prompter.messages[1].title, textOf(kSaveDialogTitle));
    EXPECT_EQ(prompter.messages[2].text, textOf(kPrintNeedsCalculationMessage));
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.prompts.empty());
}

// File > Quit and the close box ask only when a quit would lose changes; Save runs Save as, and
// the window closes once the wing is saved.
TEST_F(MainWindowBehaviour, QuittingWithUnsavedChangesAsksFirst) {
    const std::string saved = folder / "saved.txt";
    const struct {
        bool typed;
        std::optional<MessageAnswer> answer; // none: not asked
        const char* saveAs;                  // the save dialog's answer
        bool quits;
    } rows[] = {
        {false, std::nullopt, "", true},
        {true, MessageAnswer::Cancel, "", false},
        {true, MessageAnswer::Discard, "", true},
        {true, MessageAnswer::Save, "", false},
        {true, MessageAnswer::Save, saved.c_str(), true},
    };
    for (const auto& row : rows) {
        for (const bool closeBox : {false, true}) {
            SCOPED_TRACE(testing::Message() << &row - rows << (closeBox ? " close box" : " Quit"));
            startWindow();
            window->show();
            if (row.typed) {
                typeWing({{"250", "150", "1000", "0"}}, "30", "");
                window->calculate();
            }
            prompter.messages.clear();
            prompter.messageAnswers = {row.answer.value_or(MessageAnswer::Ok)};
            prompter.fileAnswers = {QString::fromLatin1(row.saveAs)};
            closeBox ? static_cast<void>(window->close()) : c().quitAction->trigger();
            EXPECT_EQ(window->isVisible(), !row.quits);
            ASSERT_EQ(prompter.messages.empty(), !row.answer);
            if (row.answer) {
                EXPECT_EQ(prompter.messages[0].style, kSaveDiscardQuestion);
            }
            EXPECT_EQ(std::filesystem::exists(saved), row.quits && *row.saveAs);
            std::filesystem::remove(saved);
        }
    }
}

} // namespace
