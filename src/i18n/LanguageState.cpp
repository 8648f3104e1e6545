// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/LanguageState.h"

#include "base/MakeFolders.h"
#include "base/NamedFiles.h"
#include "base/ProgramFolder.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageName.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"

#include <algorithm>
#include <cerrno>

LanguageState::LanguageState(LanguagePlaces places, FailureReporter reporter)
    : places_(std::move(places))
    , reports_(std::move(reporter)) {}

void LanguageState::select(const std::string& name) {
    if (!isLanguageName(name)) {
        name_.clear();
        languageFile_.clear();
        return;
    }
    name_ = name;
    languageFile_ = findDataFile(places_, name, kLanguageExtension)
                        .value_or(places_.languageFolder + kPathSeparator + name +
                                  std::string(kLanguageExtension));
}

void LanguageState::recallStoredName() {
    if (std::string stored = storedLanguage(); !stored.empty())
        name_ = std::move(stored);
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

std::string LanguageState::readSetting(std::string_view section, std::string_view key,
                                       std::size_t maxCharacters) const {
    if (places_.settingsFile.empty())
        return {};
    return readValue(places_.settingsFile, section, key, maxCharacters, "GetINI");
}

bool LanguageState::writeSetting(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (const std::optional<FileError> error = writeValue(section, key, value)) {
        reports_.reportText(failureReport(*error, "WriteINI", "write", shownSettingsFile()));
        return false;
    }
    return true;
}

std::optional<FileError> LanguageState::writeValue(std::string_view section, std::string_view key,
                                                   std::string_view value) {
    std::optional<FileError> error = settingsFolderError();
    if (!error)
        error = writeIniValue(places_.settingsFile, section, key, value);
    iniReads_.forget(places_.settingsFile);
    return error;
}

std::string LanguageState::storedLanguage() const {
    std::string stored = readSetting(kLanguageSettingSection, kLanguageSettingKey);
    return isLanguageName(stored) ? stored : std::string();
}

std::string LanguageState::usableStoredLanguage() const {
    std::string stored = storedLanguage();
    return !stored.empty() && hasLanguageFile(stored) ? stored : std::string();
}

bool LanguageState::storeLanguage(const std::string& name) {
    return storeSetting(kLanguageSettingSection, kLanguageSettingKey, name,
                        kLanguageNotRememberedMessage);
}

bool LanguageState::storeSetting(std::string_view section, std::string_view key,
                                 std::string_view value, TextKey notRemembered) {
    const std::optional<FileError> error = writeValue(section, key, value);
    if (!error)
        return true;
    reports_.reportText(
        fillIn(text(notRemembered),
               {shownSettingsFile(), std::to_string(error->number), error->description}));
    return false;
}

std::vector<std::string> LanguageState::availableLanguages() const {
    std::vector<std::string> names;
    // A file whose name could not be selected is not offered.
    for (const std::string& folder : places_.dataFolders()) {
        for (NamedFile& file : listNamedFiles(folder, kLanguageExtension)) {
            if (isLanguageName(file.name))
                names.push_back(std::move(file.name));
        }
    }
    std::ranges::sort(names);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

// The installed layout's settings folder appears with the first setting written: the program's
// folder and the configuration folder above it (~/.config), never the home folder itself.
std::optional<FileError> LanguageState::settingsFolderError() const {
    if (places_.settingsFile.empty())
        return errorFromErrno(ENOENT);
    if (!places_.installed)
        return std::nullopt;
    const std::string folder = parentFolder(places_.settingsFile);
    return makeFoldersBelow(parentFolder(parentFolder(folder)), folder);
}

bool LanguageState::hasLanguageFile(const std::string& name) const {
    return isLanguageName(name) && findDataFile(places_, name, kLanguageExtension).has_value();
}

// Without a place for settings (no home folder) the file is named as the user knows it.
std::string LanguageState::shownSettingsFile() const {
    return places_.settingsFile.empty() ? "tz.ini" : places_.settingsFile;
}

std::string LanguageState::failureReport(const FileError& error, std::string_view procedure,
                                         std::string_view verb, const std::string& path) const {
    if (name_.empty())
        return plainFailureText(error, verb, path);
    return failureText(error, procedure);
}

std::string LanguageState::readValue(const std::string& path, std::string_view section,
                                     std::string_view key, std::size_t maxCharacters,
                                     std::string_view procedure) const {
    IniRead read = iniReads_.read(path, section, key, maxCharacters);
    if (read.error)
        reports_.reportReadFailureOnce(path, read.error->number,
                                       failureReport(*read.error, procedure, "read", path));
    else
        reports_.forgetReadFailure(path);
    return std::move(read.value);
}
