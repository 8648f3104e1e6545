// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/LanguageState.h"

#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageName.h"

LanguagePlaces LanguagePlaces::beside(const std::string& programFolder) {
    return {programFolder, programFolder + kPathSeparator + "tz.ini"};
}

LanguageState::LanguageState(LanguagePlaces places, FailureReporter reporter)
    : places_(std::move(places))
    , reports_(std::move(reporter)) {}

void LanguageState::select(const std::string& name) {
    if (!isLanguageName(name)) {
        name_.clear();
        fileName_.clear();
        return;
    }
    name_ = name;
    fileName_ = name + ".lng";
}

std::string LanguageState::languageFile() const {
    if (fileName_.empty())
        return {};
    return places_.languageFolder + kPathSeparator + fileName_;
}

// The procedure names are part of the report a user sees, kept from the first versions.
std::string LanguageState::text(TextKey key) const {
    const std::string file = languageFile();
    std::string text;
    if (!file.empty())
        text = readValue(file, key.section, key.key, kLanguageTextMaxCharacters, "GetINIFile");
    return text.empty() ? std::string(key.fallback) : text;
}

TextLookup LanguageState::lookup() const {
    return [this](TextKey key) {
        return text(key);
    };
}

std::string LanguageState::readSetting(std::string_view section, std::string_view key) const {
    return readValue(places_.settingsFile, section, key, kSettingMaxCharacters, "GetINI");
}

bool LanguageState::writeSetting(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (const std::optional<FileError> error =
            writeIniValue(places_.settingsFile, section, key, value)) {
        reports_.report(*error, "WriteINI");
        return false;
    }
    return true;
}

std::string LanguageState::storedLanguage() const {
    std::string stored = readSetting(kLanguageSettingSection, kLanguageSettingKey);
    return isLanguageName(stored) ? stored : std::string();
}

bool LanguageState::storeLanguage(const std::string& name) {
    return writeSetting(kLanguageSettingSection, kLanguageSettingKey, name);
}

std::vector<std::string> LanguageState::availableLanguages() const {
    return listLanguageFiles(places_.languageFolder + kPathSeparator, "*.lng");
}

std::string LanguageState::readValue(const std::string& path, std::string_view section,
                                     std::string_view key, std::size_t maxCharacters,
                                     std::string_view procedure) const {
    IniRead read = readIniValue(path, section, key, maxCharacters);
    if (read.error)
        reports_.reportReadFailureOnce(path, *read.error, procedure);
    else
        reports_.forgetReadFailure(path);
    return std::move(read.value);
}
