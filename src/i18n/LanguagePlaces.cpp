// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/LanguagePlaces.h"

#include "base/NamedFiles.h"
#include "base/ProgramFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace {

// Set by the build from the install folders, "../share/wingsheet" by default.
constexpr const char* kDataFolderFromProgram = WINGSHEET_DATA_FROM_PROGRAM;
constexpr const char* kSettingsFileName = "tz.ini";
constexpr const char* kProgramName = "wingsheet";

std::string joined(const std::string& folder, const std::string& name) {
    return folder + kPathSeparator + name;
}

// An XDG folder given as a relative path is invalid and ignored, as the base directories say.
std::string xdgFolder(const std::string& value, const std::string& home,
                      const std::string& fallbackBelowHome) {
    if (!value.empty() && value.front() == kPathSeparator)
        return value;
    return home.empty() ? std::string() : joined(home, fallbackBelowHome);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A service or a login without HOME still has an account with a home folder.
std::string accountHome() {
    const passwd* account = ::getpwuid(::getuid());
    return account && account->pw_dir ? account->pw_dir : "";
}

} // namespace

LanguagePlaces LanguagePlaces::beside(const std::string& programFolder) {
    return {programFolder, joined(programFolder, kSettingsFileName), {}, false};
}

std::vector<std::string> LanguagePlaces::dataFolders() const {
    if (userFolder.empty())
        return {languageFolder};
    return {userFolder, languageFolder};
}

std::optional<std::string> findDataFile(const LanguagePlaces& places, const std::string& name,
                                        std::string_view extension) {
    for (const std::string& folder : places.dataFolders()) {
        if (auto path = findNamedFile(folder, name, extension))
            return path;
    }
    return std::nullopt;
}

LanguagePlaces choosePlaces(const PlaceFacts& facts) {
    if (facts.languageFilesBesideProgram)
        return LanguagePlaces::beside(facts.programFolder);
    LanguagePlaces places;
    places.installed = true;
    places.languageFolder =
        (std::filesystem::path(joined(facts.programFolder, kDataFolderFromProgram)))
            .lexically_normal()
            .string();
    const std::string dataHome = xdgFolder(facts.xdgDataHome, facts.home, ".local/share");
    const std::string configHome = xdgFolder(facts.xdgConfigHome, facts.home, ".config");
    if (!dataHome.empty())
        places.userFolder = joined(dataHome, kProgramName);
    if (!configHome.empty())
        places.settingsFile = joined(joined(configHome, kProgramName), kSettingsFileName);
    return places;
}

PlaceFacts gatherPlaceFacts(const std::string& programFolder) {
    PlaceFacts facts;
    facts.programFolder = programFolder;
    facts.languageFilesBesideProgram = !listNamedFiles(programFolder, kLanguageExtension).empty();
    facts.home = environment("HOME");
    if (facts.home.empty())
        facts.home = accountHome();
    facts.xdgDataHome = environment("XDG_DATA_HOME");
    facts.xdgConfigHome = environment("XDG_CONFIG_HOME");
    return facts;
}
