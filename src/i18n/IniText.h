// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing one value of INI text the way the Windows profile functions do, so that
// hand-edited language files and tz.ini behave as translators expect. Works on decoded UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The blanks of the profile functions, trimmed around names and values: a vertical tab counts
// as one, as space and tab do.
inline constexpr std::string_view kIniBlanks = " \t\v";

// The text without the blanks around it.
std::string_view trimBlanks(std::string_view text);

// The trimmed, unquoted value of the first key of that name in the first section of that name
// (names compared without regard to ASCII letter case); nullopt when the section or key is missing.
std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// The content with the key set: an existing key line is replaced in place, a new key goes after
// the last key of its section, a new section at the end. Every other byte is kept.
std::string setIniValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value);

// One section of INI text as the lookups above read it: its keys in file order, names and values
// trimmed, values unquoted.
struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys;
};

// Every section in one pass, for files of many keys where a lookup per key would read the text
// once per key. Keys before the first section belong to none and are left out.
std::vector<IniSection> readIniSections(std::string_view content);

// The first section of that name, as findIniValue takes it; nullptr when there is none.
const IniSection* findIniSection(const std::vector<IniSection>& sections, std::string_view name);

// The value of the section's first key of that name.
std::optional<std::string> findIniKey(const IniSection& section, std::string_view key);
