// SPDX-License-Identifier: GPL-3.0-or-later
// The Units menu: the window shows and takes inches and ounces, fractions included, while the
// wing file keeps millimetres and grams; the choice is remembered for the next start.
#include "calc/ParseNumber.h"
#include "files/WingFile.h"
#include "ui/MainWindowFixture.h"

#include <QAction>
#include <QFocusEvent>
#include <QGroupBox>
#include <QTest>

namespace {

constexpr UnitChoice kMetric{};
constexpr UnitChoice kImperial{LengthUnit::Inch, MassUnit::Ounce};

using UnitsWindow = MainWindowFixture;

// A value typed in one system into the sweep (or the mass), saved, and reopened in both.
struct RoundTrip {
    const char* name;
    UnitChoice typedIn;
    bool mass;
    const char* typed;
    const char* saved; // what the wing file keeps
    const char* shownInImperial;
};

// The hidden corners of a value: 0, the smallest fraction modellers use, a big glider's 10 m,
// and 15 digits, the longest number read exactly.
const RoundTrip kRoundTrips[] = {
    {"zero in inches", kImperial, false, "0", "0", "0"},
    {"1/64 in", kImperial, false, "1/64", "0.396875", "0.015625"},
    {"10 000 mm", kMetric, false, "10000", "10000", "393.7008"},
    {"10 000 mm as inches", kImperial, false, "393.700787401575", "10000", "393.7008"},
    {"15 digits in inches", kImperial, false, "1234.56789012345", "31358.0244091356", "1234.5679"},
    {"15 digits in millimetres", kMetric, false, "1234.56789012345", "1234.56789012345", "48.605"},
    {"ounces with a fraction", kImperial, true, "52 7/8", "1498.98103523437", "52.875"},
};

TEST_F(UnitsWindow, RoundTripsKeepTheHiddenCornersOfAValue) {
    const QString path = QString::fromStdString(folder / "corner.txt");
    for (const RoundTrip& row : kRoundTrips) {
        SCOPED_TRACE(row.name);
        const auto field = [&row, this] {
            return row.mass ? c().massField : c().sweepOffsetFields[0];
        };
        units = row.typedIn;
        startWindow();
        typeWing({{"250", "150", "1000", "0"}}, "30", "1500");
        field()->setText(row.typed);
        window->calculate();
        prompter.fileAnswers = {path};
        ASSERT_TRUE(window->saveWingFileAs());
        WingFields saved;
        ASSERT_EQ(loadWingFile(path.toStdString(), saved), std::nullopt);
        const std::string& kept = row.mass ? saved.mass : saved.sweepOffset[0];
        EXPECT_EQ(kept, row.saved);
        // The same wing to 0.0001 mm, and shown again to 1/1000 in.
        const double perUnit = row.mass ? kGramsPerOunce : kMillimetresPerInch;
        const double typedFactor = row.typedIn == kMetric ? 1 : perUnit;
        EXPECT_NEAR(parseNumber(kept, "."), parseTypedValue(row.typed, ".") * typedFactor, 1e-4);
        EXPECT_NEAR(parseTypedValue(row.shownInImperial, ".") * perUnit, parseNumber(kept, "."),
                    perUnit / 1000);
        for (const UnitChoice reopenedIn : {kMetric, kImperial}) {
            units = reopenedIn;
            startWindow();
            prompter.fileAnswers = {path};
            window->openWingFile();
            EXPECT_EQ(field()->text().toStdString(),
                      reopenedIn == kMetric ? row.saved : row.shownInImperial);
            EXPECT_FALSE(window->session().hasUnsavedChanges()); // shown, never rewritten
        }
    }
}

// The field keeps the fraction while it is typed, the session has the millimetres at every key,
// and the field shows the value as it would from the session once left. A switch of units shows
// the same wing in the new ones and is remembered.
TEST_F(UnitsWindow, TypedFractionsAndASwitchOfUnits) {
    units = kImperial;
    startWindow();
    typeWing({{"254", "152.4", "1016", "50.8"}}, "30", "1417.476"); // 10, 6, 40, 2 in; 50 oz
    WingField* tip = c().tipChordFields[0];
    tip->clear();
    QTest::keyClicks(tip, "5 1/2x");
    EXPECT_EQ(tip->text(), "5 1/2");
    EXPECT_EQ(window->session().fields().tipChord[0], "139.7");
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(tip, &leaving);
    EXPECT_EQ(tip->text(), "5.5");
    QTest::keyClicks(c().balanceField, " /");
    EXPECT_EQ(c().balanceField->text(), "30");
    window->calculate();
    EXPECT_EQ(c().spanValue->text(), " 80.00 in  ");

    window->units().millimetresAction()->trigger();
    EXPECT_EQ(tip->text(), "139.7");
    EXPECT_EQ(c().spanValue->text(), "2 032.00 mm  ");
    QTest::keyClicks(c().panelLengthFields[1], "1 /2");
    EXPECT_EQ(c().panelLengthFields[1]->text(), "12");

    startWindow(""); // tz.ini as the run left it
    EXPECT_EQ(window->session().units(), (UnitChoice{LengthUnit::Millimetre, MassUnit::Ounce}));
    EXPECT_TRUE(window->units().ouncesAction()->isChecked());
}

} // namespace
