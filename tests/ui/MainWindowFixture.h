// A main window started in a program folder of its own, with the real language files and a
// scripted prompter in place of every dialog.
#pragma once

#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"
#include "ui/MainWindowControls.h"
#include "ui/PlanPreview.h"
#include "ui/WingField.h"
#include "ui/frmMain.h"
#include "ui/lang.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

class MainWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"English.lng", "Fran\xc3\xa7"
                                                "ais.lng"})
            std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / name,
                                       folder / name);
    }

    void StoreLanguage(const std::string& name) {
        WriteBytes(folder / "tz.ini", "[Langue]\r\n1=" + name + "\r\n");
    }

    frmMain& Start(const std::string& languageName = "English") {
        if (!languageName.empty())
            StoreLanguage(languageName);
        window = std::make_unique<frmMain>(prompter, language);
        started = window->Form_Load();
        return *window;
    }

    const MainWindowControls& c() const { return window->controls(); }

    // A text of the current language, as the windows show it.
    QString Lng(TextKey key) const { return QString::fromStdString(language.text(key)); }

    void TypeWing(const std::vector<TypedPanel>& panels, const char* balance, const char* mass) {
        for (std::size_t i = 0; i < panels.size(); ++i) {
            if (i == 0)
                c().C_max[0]->setText(panels[i][0]);
            c().C_min[i]->setText(panels[i][1]);
            c().L_trap[i]->setText(panels[i][2]);
            c().deport[i]->setText(panels[i][3]);
        }
        c().Cg->setText(balance);
        c().masse->setText(mass);
    }

    // Picks the named entry in the chooser and presses OK, as a user would.
    static std::function<void(QDialog&)> Pick(const QString& name) {
        return [name](QDialog& dialog) {
            auto& chooser = dynamic_cast<lang&>(dialog);
            const int index = chooser.Combo1()->findText(name);
            ASSERT_GE(index, 0) << name.toStdString();
            chooser.Combo1()->setCurrentIndex(index);
            emit chooser.Combo1()->activated(index);
            chooser.ok()->click();
        };
    }

    TestFolder folder;
    ScriptedPrompter prompter;
    std::vector<std::string> reports;
    LanguageState language{LanguagePlaces::beside(folder.Path()), [this](const std::string& text) {
                               reports.push_back(text);
                           }};
    std::unique_ptr<frmMain> window;
    bool started = false;
};
