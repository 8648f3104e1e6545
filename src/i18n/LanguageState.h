// SPDX-License-Identifier: GPL-3.0-or-later
// The language of a run: which language is chosen, where its file and the remembered choice
// (tz.ini) live, whether the start-up is still asking for one, and how read and write failures
// of those files are reported. One object per run, handed to whoever shows text.
#pragma once

#include "i18n/FailureReport.h"
#include "i18n/IniReadCache.h"
#include "i18n/LanguagePlaces.h"
#include "i18n/TextKey.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // The file of the selected language, found in the user's folder first, then in the language
    // folder (where a missing one would be); "" while none is selected.
    const std::string& languageFile() const { return languageFile_; }
    // The chooser opened from the menu takes the name remembered in tz.ini as the one in use,
    // while the texts keep coming from the file selected last. Nothing remembered (tz.ini could
    // not be written) keeps the name in use.
    void recallStoredName();

    // True while the start-up has the chooser open because no language is remembered.
    bool choosingAtStartup() const { return choosingAtStartup_; }
    void setChoosingAtStartup(bool choosing) { choosingAtStartup_ = choosing; }

    // The text of that key in the current language file; when anything is missing, the key's
    // fall-back (see TextKey). A file changed on disk or a newly chosen language shows at the
    // next lookup.
    std::string text(TextKey key) const;
    TextLookup lookup() const;

    // A value of the settings file, or ""; a file that exists but cannot be read is reported.
    std::string readSetting(std::string_view section, std::string_view key,
                            std::size_t maxCharacters = kSettingMaxCharacters) const;
    // False (and one report) when the settings file cannot be written.
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value);
    // False when tz.ini cannot be written; the report then tells the user, in the current
    // language, that the choice holds for this run only: notRemembered's %1 is where it would
    // have been kept, %2 and %3 the error's number and description.
    bool storeSetting(std::string_view section, std::string_view key, std::string_view value,
                      TextKey notRemembered);

    // The language remembered in tz.ini; "" also when what is stored is no language name, so
    // the start-up asks again.
    std::string storedLanguage() const;
    // The remembered language if its file is still there to read, else "": a language file that
    // has gone would leave every caption empty.
    std::string usableStoredLanguage() const;
    // False when tz.ini cannot be written; the report then tells the user, in the language just
    // chosen, that the choice holds for this run only and where it would have been kept.
    bool storeLanguage(const std::string& name);

    // The names of the language files in all language folders, sorted, each once.
    std::vector<std::string> availableLanguages() const;
    bool hasLanguageFile(const std::string& name) const;

private:
    std::optional<FileError> settingsFolderError() const;
    std::optional<FileError> writeValue(std::string_view section, std::string_view key,
                                        std::string_view value);
    std::string shownSettingsFile() const;
    // The report of the first versions; before a language is chosen, the plain one.
    std::string failureReport(const FileError& error, std::string_view procedure,
                              std::string_view verb, const std::string& path) const;
    std::string readValue(const std::string& path, std::string_view section, std::string_view key,
                          std::size_t maxCharacters, std::string_view procedure) const;

    LanguagePlaces places_;
    std::string name_;
    std::string languageFile_; // the file of name_ as found when it was selected
    bool choosingAtStartup_ = false;
    mutable FailureReports reports_;
    mutable IniReadCache iniReads_;
};
