// SPDX-License-Identifier: GPL-3.0-or-later
// Where the language files, the help sketches and the remembered language (tz.ini) are found.
// Portable layout: all of them beside the program, as in a build folder or an unpacked folder.
// Installed layout: the installation's data folder, read-only, plus the user's own folders.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kLanguageExtension = ".lng";
inline constexpr std::string_view kSketchExtension = ".gif";

struct LanguagePlaces {
    std::string languageFolder; // *.lng and sketches: the program folder, or the data folder
    std::string settingsFile;   // tz.ini; "" when there is no place for it (no home folder)
    std::string userFolder{};   // installed: the user's own *.lng and sketches, which win
    bool installed = false; // tz.ini's folder is made on first write; wing files start in Documents

    // The portable layout: everything in the program folder.
    static LanguagePlaces beside(const std::string& programFolder);

    // The folders that hold language files and sketches, the one that wins first.
    std::vector<std::string> dataFolders() const;
};

// The data file name + extension (".lng", ".gif") in the data folders, the one that wins first;
// nullopt when no folder has it.
std::optional<std::string> findDataFile(const LanguagePlaces& places, const std::string& name,
                                        std::string_view extension);

// What the layout is chosen from. Environment values are as set, "" when unset.
struct PlaceFacts {
    std::string programFolder;
    bool languageFilesBesideProgram = false;
    std::string home; // $HOME, else the account's home folder; "" when neither is known
    std::string xdgDataHome;
    std::string xdgConfigHome;
};

// Portable when a language file lies beside the program, installed otherwise: then the data
// folder is <prefix>/share/wingsheet, found from the program folder <prefix>/bin so that a moved
// prefix still works, and the user's folders follow the XDG base directories (a relative or empty
// value counts as unset).
LanguagePlaces choosePlaces(const PlaceFacts& facts);

// The facts of this run: the environment, the account and the program folder's language files.
PlaceFacts gatherPlaceFacts(const std::string& programFolder);

inline LanguagePlaces findLanguagePlaces(const std::string& programFolder) {
    return choosePlaces(gatherPlaceFacts(programFolder));
}
