// SPDX-License-Identifier: GPL-3.0-or-later
// A main window started in a program folder of its own, with the real language files and a
// scripted prompter in place of every dialog.
#pragma once

#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/fullsize/FullSizeActions.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowControls.h"
#include "ui/main/PlanformPreview.h"
#include "ui/stability/StabilityActions.h"
#include "ui/units/UnitsActions.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

// A value in millimetres or grams, typed as the field shows it in its units.
inline void typeStored(WingField* field, const char* stored) {
    field->setText(field->shownText(stored));
}

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"English.lng", "Fran\xc3\xa7"
                                                "ais.lng"})
            std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / name,
                                       folder / name);
    }

    // The other four shipped languages too, for the checks made in every language.
    void addEveryLanguage() {
        for (const char* name :
             {"Deutsch.lng", "Espa\xc3\xb1ol.lng", "Italiano.lng", "Nederlands.lng"})
            std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / name,
                                       folder / name);
    }

    // tz.ini names the language and, unless they are millimetres and grams, the units.
    void storeLanguage(const std::string& name) {
        std::string settings = "[Langue]\r\n1=" + name + "\r\n";
        if (units != UnitChoice{})
            settings += "[Units]\r\nLength=" + std::string(unitName(units.length)) +
                        "\r\nMass=" + std::string(unitName(units.mass)) + "\r\n";
        writeBytes(folder / "tz.ini", settings);
    }

    MainWindow& startWindow(const std::string& languageName = "English") {
        if (!languageName.empty())
            storeLanguage(languageName);
        window = std::make_unique<MainWindow>(prompter, language);
        started = window->start();
        return *window;
    }

    const MainWindowControls& c() const { return window->controls(); }

    // A text of the current language, as the windows show it.
    QString textOf(TextKey key) const { return QString::fromStdString(language.text(key)); }
    QString pdfWrittenText(int pages, const std::string& path) const {
        return textOf(kPdfWrittenMessage)
            .replace("%1", QString::number(pages))
            .replace("%2", QString::fromStdString(path));
    }

    // A wing in millimetres and grams, typed as the fields show it in the window's units.
    void typeWing(const std::vector<TypedPanel>& panels, const char* balance, const char* mass) {
        for (std::size_t i = 0; i < panels.size(); ++i) {
            if (i == 0)
                typeStored(c().rootChordFields[0], panels[i][0]);
            typeStored(c().tipChordFields[i], panels[i][1]);
            typeStored(c().panelLengthFields[i], panels[i][2]);
            typeStored(c().sweepOffsetFields[i], panels[i][3]);
        }
        c().balanceField->setText(balance);
        typeStored(c().massField, mass);
    }

    // The window started in English with the wing typed and calculated, no message pending.
    void startWithWing(const std::vector<TypedPanel>& panels) {
        startWindow();
        typeWing(panels, "30", "1500");
        window->calculate();
        ASSERT_TRUE(window->hasValidResults());
        prompter.messages.clear();
    }
    void startWithWorkedWing() { startWithWing({{"250", "150", "1000", "50"}}); }

    // Picks the named entry in the chooser and presses OK, as a user would.
    static std::function<void(QDialog&)> pick(const QString& name) {
        return [name](QDialog& dialog) {
            auto& chooser = dynamic_cast<LanguageDialog&>(dialog);
            const int index = chooser.languageCombo()->findText(name);
            ASSERT_GE(index, 0) << name.toStdString();
            chooser.languageCombo()->setCurrentIndex(index);
            emit chooser.languageCombo()->activated(index);
            chooser.okButton()->click();
        };
    }

    TestFolder folder;
    ScriptedPrompter prompter;
    std::vector<std::string> reports;
    LanguageState language{LanguagePlaces::beside(folder.path()), [this](const std::string& text) {
                               reports.push_back(text);
                           }};
    std::unique_ptr<MainWindow> window;
    bool started = false;
    UnitChoice units; // what startWindow finds remembered
};
