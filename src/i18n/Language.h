// The language state shared by every window and the INI procedures that read the current
// language file and read and write tz.ini, all relative to the program folder.
#pragma once

#include "i18n/FailureReport.h"
#include "base/FileListing.h"
#include "base/ProgramFolder.h"

#include <string>
#include <string_view>

// The chosen language's file name without folder and ".lng"; empty until one is chosen.
extern std::string CurrentLanguageName;
// kPathSeparator + CurrentLanguageName + ".lng", relative to the program folder.
extern std::string CurrentLanguageFile;
// True while the start-up has the chooser open because tz.ini names no language.
extern bool ChoosingAtStartup;

// The settings file beside the program, as the INI procedures take it: separator first.
inline const std::string kSettingsFile = std::string(1, kPathSeparator) + "tz.ini";

inline constexpr std::size_t kLanguageTextMaxCharacters = 199;
inline constexpr std::size_t kSettingMaxCharacters = 99;

void SelectLanguage(const std::string& name);

// The text of that key in the current language file, or "" when anything is missing. The file is
// read anew on every call, so a newly chosen language shows at the next lookup.
std::string GetINIFile(std::string_view section, std::string_view key);

// The value of that key in program folder + fileName (e.g. "/tz.ini"), or "".
std::string GetINI(std::string_view section, std::string_view key, std::string_view fileName);

// Sets the key in program folder + fileName, creating file and section when needed, keeping the
// file's encoding where the value allows; false (and one report) when the file cannot be written.
bool WriteINI(std::string_view section, std::string_view key, std::string_view value,
              std::string_view fileName);
