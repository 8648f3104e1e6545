// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption of every window, in every shipped language, fits its control as the font's
// metrics measure it; no control lies outside its window and no two texts overlap.
#include "base/FileListing.h"
#include "ui/MainWindowFixture.h"
#include "ui/WindowChecks.h"
#include "ui/dialogs/HelpDialog.h"
#include "ui/stability/StabilityDialog.h"

#include <QRadioButton>
#include <QTest>

namespace {

std::vector<std::string> shippedLanguages() {
    return listLanguageFiles(std::string(WINGSHEET_SOURCE_LANG) + "/", "*.lng");
}

class CaptionFit : public MainWindowFixture {
protected:
    void SetUp() override {
        for (const auto& entry : std::filesystem::directory_iterator(WINGSHEET_SOURCE_LANG)) {
            const std::string name = entry.path().filename().string();
            if (!std::filesystem::exists(folder / name))
                std::filesystem::copy_file(entry.path(), folder / name);
        }
    }

    // Checks the modal window that opens next, once it shows, then closes it.
    void checkNextWindow(std::vector<std::string>& problems) {
        prompter.modalScripts.push_back([&problems](QDialog& dialog) {
            dialog.show();
            for (std::string& problem : captionsThatDoNotFit(dialog))
                problems.push_back(std::move(problem));
            dialog.close();
        });
    }
};

// The widest results a model gives: five long panels, a heavy model.
const std::vector<TypedPanel> kWideWing = {{"2500", "2400", "2000", "-1500"},
                                           {"2400", "2300", "2000", "-1000"},
                                           {"2300", "2200", "2000", "-500"},
                                           {"2200", "2100", "2000", "0"},
                                           {"2100", "2000", "2000", "500"}};

// A tail as large as the wide wing, far behind it, so the stability results are at their widest.
void typeWideTail(const StabilityDialogControls& c) {
    c.withTailChoice->click();
    typeStored(c.rootChordFields[0], kWideWing[0][0]);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        typeStored(c.tipChordFields[panel], kWideWing[panel][1]);
        typeStored(c.panelLengthFields[panel], kWideWing[panel][2]);
        typeStored(c.sweepOffsetFields[panel], kWideWing[panel][3]);
    }
    typeStored(c.distanceField, "99999");
}

// In millimetres and grams, and in inches and ounces, whose words and captions differ.
TEST_F(CaptionFit, EveryCaptionOfEveryWindowFitsInEveryLanguage) {
    const std::vector<std::string> languages = shippedLanguages();
    ASSERT_EQ(languages.size(), 6u);
    std::vector<std::pair<std::string, bool>> runs;
    for (const std::string& name : languages)
        runs.insert(runs.end(), {{name, false}, {name, true}});
    for (const auto& [name, inches] : runs) {
        SCOPED_TRACE(name + (inches ? " in inches" : ""));
        units = inches ? UnitChoice{LengthUnit::Inch, MassUnit::Ounce} : UnitChoice{};
        startWindow(name);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        typeWing(kWideWing, "33", "999999");
        window->calculate();
        ASSERT_TRUE(window->hasValidResults());
        std::vector<std::string> problems = captionsThatDoNotFit(*window);

        checkNextWindow(problems); // help, with its sketch button
        prompter.modalScripts.push_back([&problems, this](QDialog& dialog) {
            auto& help = dynamic_cast<HelpDialog&>(dialog);
            help.show();
            EXPECT_FALSE(help.sketchButton()->isHidden());
            for (std::string& problem : captionsThatDoNotFit(help))
                problems.push_back(std::move(problem));
            checkNextWindow(problems); // the sketch window it opens
            help.sketchButton()->click();
        });
        prompter.modalScripts.pop_front();
        window->showHelp();
        checkNextWindow(problems);
        window->showAbout();
        prompter.modalScripts.push_back([&problems](QDialog& dialog) {
            auto& stability = dynamic_cast<StabilityDialog&>(dialog);
            typeWideTail(stability.controls());
            stability.calculate();
            EXPECT_FALSE(stability.controls().tailVolume.value->text().isEmpty());
            stability.show();
            for (std::string& problem : captionsThatDoNotFit(stability))
                problems.push_back(std::move(problem));
            stability.close();
        });
        window->stability().showStability();
        checkNextWindow(problems);
        window->chooseLanguage();
        EXPECT_TRUE(prompter.modalScripts.empty());
        EXPECT_TRUE(problems.empty()) << listed(problems);
        window.reset();
    }
}

} // namespace
