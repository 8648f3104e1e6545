// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a run: which language is chosen, where its file and the remembered choice
// (tz.ini) live, whether the start-up is still asking for one, and how read and write failures
// of those files are reported. One object per run, handed to whoever shows text.
#pragma once

#include "i18n/FailureReport.h"
#include "i18n/TextKey.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where the language files lie and where the chosen language is remembered.
struct LanguagePlaces {
    std::string languageFolder; // *.lng and the help sketches
    std::string settingsFile;   // tz.ini

    // The portable layout: everything in the program folder.
    static LanguagePlaces beside(const std::string& programFolder);
};

// The remembered language: tz.ini, section "Langue", key "1".
inline constexpr std::string_view kLanguageSettingSection = "Langue";
inline constexpr std::string_view kLanguageSettingKey = "1";

inline constexpr std::size_t kLanguageTextMaxCharacters = 199;
inline constexpr std::size_t kSettingMaxCharacters = 99;

class LanguageState {
public:
    explicit LanguageState(LanguagePlaces places, FailureReporter reporter = writeToStandardError);

    const LanguagePlaces& places() const { return places_; }
    void setFailureReporter(FailureReporter reporter) { reports_.setReporter(std::move(reporter)); }

    // The chosen language's name, without folder and ".lng"; empty until one is chosen.
    const std::string& name() const { return name_; }
    // A name that isLanguageName refuses selects no language at all.
    void select(const std::string& name);
    // The file of the selected language in the language folder; "" while none is selected.
    std::string languageFile() const;
    // The chooser opened from the menu takes the name remembered in tz.ini as the one in use,
    // while the texts keep coming from the file selected last.
    void recallStoredName() { name_ = storedLanguage(); }

    // True while the start-up has the chooser open because no language is remembered.
    bool choosingAtStartup() const { return choosingAtStartup_; }
    void setChoosingAtStartup(bool choosing) { choosingAtStartup_ = choosing; }

    // The text of that key in the current language file; when anything is missing, the key's
    // fall-back (see TextKey). The file is read anew on every call, so a newly chosen language
    // shows at the next lookup.
    std::string text(TextKey key) const;
    TextLookup lookup() const;

    // A value of the settings file, or ""; a file that exists but cannot be read is reported.
    std::string readSetting(std::string_view section, std::string_view key) const;
    // False (and one report) when the settings file cannot be written.
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value);

    // The language remembered in tz.ini; "" also when what is stored is no language name, so
    // the start-up asks again.
    std::string storedLanguage() const;
    bool storeLanguage(const std::string& name);

    // The names of the language files in the language folder, sorted.
    std::vector<std::string> availableLanguages() const;

private:
    std::string readValue(const std::string& path, std::string_view section, std::string_view key,
                          std::size_t maxCharacters, std::string_view procedure) const;

    LanguagePlaces places_;
    std::string name_;
    std::string fileName_; // name_ + ".lng" as last selected
    bool choosingAtStartup_ = false;
    mutable FailureReports reports_;
};
