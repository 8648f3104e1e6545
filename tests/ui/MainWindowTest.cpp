#include "MainWindowFixture.h"

#include <QApplication>
#include <QTest>

namespace {

QString Lookup(const char* section, const char* key) {
    return QString::fromStdString(GetINIFile(section, key));
}

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, StartsEmptyWithTheBalanceAt30) {
    Start();
    ASSERT_TRUE(started);
    for (const PanelFields* row : {&c().C_max, &c().C_min, &c().L_trap, &c().deport})
        for (const WingField* field : *row)
            EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(c().Cg->text(), "30");
    EXPECT_TRUE(c().masse->text().isEmpty());
    EXPECT_TRUE(c().Lbenv->text().isEmpty());
    EXPECT_TRUE(c().plan->isBlank());
    EXPECT_FALSE(window->calcValid());
    EXPECT_EQ(window->windowTitle(), "Wingsheet");
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

struct WorkedWing {
    const char* name;
    std::vector<std::array<const char*, 4>> panels;
    const char* balance;
    const char* mass;
    std::array<const char*, 7> labels; // Lbenv Lbsurf Lballong Lbdist_x Lbdistcentr Lbcmoy Lbaff..
};

TEST_F(MainWindow, CalculateShowsEveryResultAndDrawsThePlanform) {
    Start();
    const WorkedWing wings[] = {
        {"rectangle",
         {{"200", "200", "500", "0"}},
         "30",
         "1000",
         {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 60.00 mm  ",
          " 200.00 mm  ", " 50.00 g/dm\u00b2"}},
        {"two panels",
         {{"300", "200", "400", "50"}, {"", "100", "300", "150"}},
         "25",
         "1500",
         {"1 400.00 mm  ", " 29.00 dm\u00b2  ", " 6.76", " 294.25 mm  ", " 101.15 mm  ",
          " 222.99 mm  ", " 51.72 g/dm\u00b2"}},
        {"three panels",
         {{"250", "250", "200", "0"}, {"", "180", "300", "20"}, {"", "80", "150", "90"}},
         "33",
         "2200",
         {"1 300.00 mm  ", " 26.80 dm\u00b2  ", " 6.31", " 284.14 mm  ", " 83.69 mm  ",
          " 217.54 mm  ", " 82.09 g/dm\u00b2"}},
    };
    for (const auto& wing : wings) {
        window->cmdClear_Click();
        TypeWing(wing.panels, wing.balance, wing.mass);
        QTest::keyClick(c().masse, Qt::Key_Return); // Enter calculates
        const QLabel* labels[] = {c().Lbenv,       c().Lbsurf, c().Lballong,   c().Lbdist_x,
                                  c().Lbdistcentr, c().Lbcmoy, c().LbafficheCA};
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(labels[i]->text(), QString::fromUtf8(wing.labels[i])) << wing.name << i;
        EXPECT_TRUE(window->calcValid()) << wing.name;
        EXPECT_FALSE(c().plan->isBlank()) << wing.name;
    }
    EXPECT_TRUE(prompter.messages.empty());
}

struct Refusal {
    const char* name;
    std::vector<std::array<const char*, 4>> panels;
    const char* balance;
    const char* messageKey;
};

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
        {"balance 0.0 on two panels",
         {{"300", "200", "400", "50"}, {"", "100", "300", "150"}},
         "0.0",
         "2"},
    };
    for (const auto& refusal : refusals) {
        window->cmdClear_Click();
        TypeWing({{"200", "200", "500", "0"}}, "30", "");
        window->cmdCalcul_Click();
        const QString spanBefore = c().Lbenv->text();
        window->cmdClear_Click();
        c().Lbenv->setText(spanBefore);
        TypeWing(refusal.panels, refusal.balance, "");
        prompter.messages.clear();
        window->cmdCalcul_Click();
        ASSERT_EQ(prompter.messages.size(), 1u) << refusal.name;
        EXPECT_EQ(prompter.messages[0].text, Lookup("Message", refusal.messageKey)) << refusal.name;
        EXPECT_EQ(prompter.messages[0].style, 48) << refusal.name;
        EXPECT_EQ(prompter.messages[0].title, "Wingsheet") << refusal.name;
        EXPECT_FALSE(window->calcValid()) << refusal.name;
        EXPECT_EQ(c().Lbenv->text(), spanBefore) << refusal.name;
    }
}

TEST_F(MainWindow, ClearEmptiesResultsAndRefusesPrintAndSave) {
    Start();
    window->mnufileprint_Click();
    window->mnusave_Click();
    TypeWing({{"250", "150", "1000", "50"}}, "30", "900");
    window->cmdCalcul_Click();
    window->cmdClear_Click();
    EXPECT_TRUE(c().Lbcmoy->text().isEmpty());
    EXPECT_TRUE(c().LbafficheCA->text().isEmpty());
    EXPECT_TRUE(c().plan->isBlank());
    window->cmdprint_Click();

    ASSERT_EQ(prompter.messages.size(), 3u);
    EXPECT_EQ(prompter.messages[0].text, Lookup("Message", "10"));
    EXPECT_EQ(prompter.messages[0].style, 16);
    EXPECT_EQ(prompter.messages[1].text, Lookup("Message", "3"));
    EXPECT_EQ(prompter.messages[1].style, 48);
    EXPECT_EQ(prompter.messages[1].title, Lookup("Message", "4"));
    EXPECT_EQ(prompter.messages[2].text, Lookup("Message", "10"));
    EXPECT_TRUE(prompter.fileDialogs.empty());
}

} // namespace
