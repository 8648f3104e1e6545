#include "MainWindowFixture.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

namespace {

using MainWindow = MainWindowFixture;

// The form at start and after Clear: every field and result empty, the balance at 30 %.
void ExpectEmptyForm(const frmMain& window) {
    const MainWindowControls& c = window.controls();
    for (const PanelFields* row : {&c.C_max, &c.C_min, &c.L_trap, &c.deport})
        for (const WingField* field : *row)
            EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(c.Cg->text(), "30");
    EXPECT_TRUE(c.masse->text().isEmpty());
    for (const QLabel* label :
         {c.Lbenv, c.Lbsurf, c.Lballong, c.Lbdist_x, c.Lbdistcentr, c.Lbcmoy, c.LbafficheCA})
        EXPECT_TRUE(label->text().isEmpty());
    EXPECT_TRUE(c.plan->isBlank());
    EXPECT_FALSE(window.calcValid());
}

struct Typing {
    const char* name;
    WingField* MainWindowControls::*single; // or a panel row
    PanelFields MainWindowControls::*row;
    const char* keys;
    const char* shown;
};

TEST_F(MainWindow, TypingLetsOnlyNumberCharactersThrough) {
    Start();
    const Typing cases[] = {
        {"root chord", nullptr, &MainWindowControls::C_max, "12a+ ,5-", "12,5"},
        {"sweep takes a minus", nullptr, &MainWindowControls::deport, "-3x.5", "-3.5"},
        {"balance", &MainWindowControls::Cg, nullptr, "2-5", "25"},
        {"mass", &MainWindowControls::masse, nullptr, "1 500g", "1500"},
    };
    for (const auto& typing : cases) {
        WingField* field = typing.single ? c().*typing.single : (c().*typing.row)[0];
        field->clear();
        QTest::keyClicks(field, typing.keys);
        EXPECT_EQ(field->text(), typing.shown) << typing.name;
    }
    QTest::keyClick(c().C_max[0], Qt::Key_Backspace);
    EXPECT_EQ(c().C_max[0]->text(), "12,");
    QTest::keyClick(c().C_max[0], Qt::Key_V, Qt::ControlModifier); // a paste shortcut types ^V
    EXPECT_EQ(c().C_max[0]->text(), "12,");
}

TEST_F(MainWindow, TipChordsChainIntoTheNextRootChords) {
    Start();
    QTest::keyClicks(c().C_min[0], "125");
    EXPECT_EQ(c().C_max[1]->text(), "125");
    c().C_min[2]->setText("80");
    EXPECT_EQ(c().C_max[3]->text(), "80");
    c().C_min[0]->clear();
    EXPECT_TRUE(c().C_max[1]->text().isEmpty());
    for (int i = 1; i < 5; ++i)
        EXPECT_FALSE(c().C_max[i]->isEnabled()) << i;
}

TEST_F(MainWindow, FocusSelectsTheWholeText) {
    Start();
    window->show();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(window->rootChordFocused()); // the first field of the keyboard order
    c().C_min[0]->setText("250");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), c().C_min[0]);
    EXPECT_EQ(c().C_min[0]->selectedText(), "250");

    c().L_trap[0]->setText("1000");
    QTest::mouseClick(c().L_trap[0], Qt::LeftButton);
    EXPECT_EQ(c().L_trap[0]->selectedText(), "1000");
    QTest::keyClicks(c().L_trap[0], "9");
    EXPECT_EQ(c().L_trap[0]->text(), "9");
}

TEST_F(MainWindow, TabOrderRunsDownPanelZeroThenTheBalanceThenTheOtherPanels) {
    Start();
    QList<QWidget*> expected{c().C_max[0], c().C_min[0], c().L_trap[0], c().deport[0], c().Cg};
    for (int i = 1; i < 5; ++i)
        expected << c().C_min[i] << c().L_trap[i] << c().deport[i]; // root chords are disabled
    expected << c().masse << c().cmdCalcul << c().cmdClear << c().cmdprint;
    QWidget* widget = c().C_max[0];
    for (qsizetype i = 1; i < expected.size(); ++i) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus) || !widget->isEnabled());
        EXPECT_EQ(widget, expected[i]) << i;
    }
}

// Enter in the last field calculates.
TEST_F(MainWindow, CalculateShowsEveryResultAndDrawsThePlanform) {
    Start();
    for (const WorkedWingCase& wing : kWorkedWings) {
        window->cmdClear_Click();
        TypeWing(wing.panels, wing.balance, wing.mass);
        QTest::keyClick(c().masse, Qt::Key_Return);
        const QLabel* labels[] = {c().Lbenv,       c().Lbsurf, c().Lballong,   c().Lbdist_x,
                                  c().Lbdistcentr, c().Lbcmoy, c().LbafficheCA};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(labels[i]->text(), QString::fromUtf8(wing.texts[i])) << wing.name << i;
        EXPECT_TRUE(window->calcValid()) << wing.name;
        EXPECT_FALSE(c().plan->isBlank()) << wing.name;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

struct Refusal {
    const char* name;
    std::vector<TypedPanel> panels;
    const char* balance;
    const char* messageKey;
};

// The results of an earlier wing stay on show.
TEST_F(MainWindow, RefusedWingsShowTheirWarningAndChangeNothing) {
    Start();
    const Refusal refusals[] = {
        {"no tip chord", {{"250", "", "1000", "50"}}, "30", "1"},
        {"balance 100", {{"250", "150", "1000", "50"}}, "100", "2"},
        {"panel error first", {{"250", "", "1000", "50"}}, "100", "1"},
        {"gap in the chain",
         {{"250", "150", "1000", "0"}, {"", "", "", ""}, {"", "100", "300", "0"}},
         "30",
         "1"},
        {"balance 0.0 on two panels", kWorkedWings[1].panels, "0.0", "2"},
    };
    for (const auto& refusal : refusals) {
        window->cmdClear_Click();
        TypeWing({{"200", "200", "500", "0"}}, "30", "");
        window->cmdCalcul_Click();
        TypeWing(refusal.panels, refusal.balance, "");
        prompter.messages.clear();
        window->cmdCalcul_Click();
        ASSERT_EQ(prompter.messages.size(), 1u) << refusal.name;
        EXPECT_EQ(prompter.messages[0].text, Lng({"Message", refusal.messageKey})) << refusal.name;
        EXPECT_EQ(prompter.messages[0].style, kExclamationMessage) << refusal.name;
        EXPECT_EQ(prompter.messages[0].title, "Wingsheet") << refusal.name;
        EXPECT_FALSE(window->calcValid()) << refusal.name;
        EXPECT_EQ(c().Lbenv->text(), "1 000.00 mm  ") << refusal.name;
    }
}

// Print and Save as are refused from the menu and the button, before any Calculate and after
// Clear.
TEST_F(MainWindow, StartsAndClearsToAnEmptyFormThatRefusesPrintAndSave) {
    Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(window->windowTitle(), "Wingsheet");
    ExpectEmptyForm(*window);
    c().mnufileprint->trigger();
    c().mnusave->trigger();
    TypeWing({{"250", "150", "1000", "50"}, {"", "100", "300", "0"}}, "25", "900");
    window->cmdCalcul_Click();
    ASSERT_TRUE(window->calcValid());
    c().cmdClear->click();
    ExpectEmptyForm(*window);
    c().cmdprint->click();

    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(prompter.messages[0].text, Lng(kPrintNeedsCalculationMessage));
    EXPECT_EQ(prompter.messages[0].style, kCriticalMessage);
    EXPECT_EQ(prompter.messages[0].title, "Wingsheet");
    EXPECT_EQ(prompter.messages[1].text, Lng(kSaveNeedsCalculationMessage));
    EXPECT_EQ(prompter.messages[1].style, kExclamationMessage);
    EXPECT_EQ(prompter.messages[1].title, Lng(kSaveDialogTitle));
    EXPECT_EQ(prompter.messages[2].text, Lng(kPrintNeedsCalculationMessage));
    EXPECT_TRUE(prompter.fileDialogs.empty());
    EXPECT_TRUE(prompter.prompts.empty());
}

} // namespace
