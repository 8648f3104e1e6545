// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the INI reader and writer on any file bytes: lookups ignore letter case, a written value
// reads back as written, and every other value of the file reads as before. Once in memory, once
// through tz.ini on disk with the file's own encoding.
#include "FuzzCheck.h"
#include "ScratchFolder.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "base/TextLines.h"
#include "i18n/IniText.h"
#include "i18n/LanguageState.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMostNames = 6;

// The file's blanks go from around its names and values; the names the program passes in lose
// their spaces only.
std::string trimmed(std::string_view text, std::string_view blanks = " \t\v") {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string passedName(std::string_view name) {
    return trimmed(name, " ");
}

char flipAsciiCase(char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<char>(c - 'A' + 'a');
    return c;
}

std::string flipCase(std::string_view text) {
    std::string flipped(text);
    std::ranges::transform(flipped, flipped.begin(), flipAsciiCase);
    return flipped;
}

// The reader trims the names it is given and compares ASCII letters without case.
bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](std::string_view text) {
        std::string lowered = passedName(text);
        std::ranges::transform(lowered, lowered.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        return lowered;
    };
    return lower(a) == lower(b);
}

// Section names, key names and texts as a translator's file spells them, plus a few that the
// program looks up, so lookups of missing names happen too.
struct IniNames {
    std::vector<std::string> sections{"Langue", "Label"};
    std::vector<std::string> keys{"1", "0"};
    std::vector<std::string> texts{"English"};
};

void addCapped(std::vector<std::string>& names, std::string name) {
    if (names.size() < kMostNames)
        names.push_back(std::move(name));
}

IniNames collectNames(std::string_view content) {
    IniNames names;
    TextLineReader reader(content);
    while (const std::optional<TextLine> line = reader.next()) {
        const std::string text = trimmed(line->text);
        if (text.starts_with('[')) {
            const std::size_t close = text.find(']'); // a header without one runs to the end
            addCapped(names.sections,
                      text.substr(1, close == std::string::npos ? close : close - 1));
        } else if (const std::size_t equals = text.find('='); equals != std::string::npos) {
            addCapped(names.keys, trimmed(std::string_view(text).substr(0, equals)));
            addCapped(names.texts, text.substr(equals + 1));
        } else {
            addCapped(names.texts, text);
        }
    }
    return names;
}

// A value comes back as written when trimming and unquoting leave it alone.
std::string roundTrippable(std::string value) {
    value = trimmed(value);
    while (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
           value.back() == value.front())
        value = trimmed(std::string_view(value).substr(1, value.size() - 2));
    return value;
}

// names the writer can put in a line that the reader then finds again; the writer trims their
// spaces first, so spaces around a name are fine, and a tab there is a name no file can hold.
bool isWritableName(std::string_view name, std::string_view forbidden) {
    const std::string written = passedName(name);
    return written == trimmed(written) && written.find_first_of(forbidden) == std::string::npos;
}

bool isWritableSection(std::string_view name) {
    return isWritableName(name, "]\r\n");
}

bool isWritableKey(std::string_view name) {
    const std::string key = passedName(name);
    return isWritableName(name, "=\r\n") && !key.starts_with(';') && !key.starts_with('[');
}

struct Lookup {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

std::vector<Lookup> lookUpAll(std::string_view content, const IniNames& names) {
    std::vector<Lookup> lookups;
    for (const std::string& section : names.sections) {
        for (const std::string& key : names.keys) {
            std::optional<std::string> value = findIniValue(content, section, key);
            require(value == findIniValue(content, flipCase(section), flipCase(key)),
                    "names match without regard to letter case");
            lookups.push_back({section, key, std::move(value)});
        }
    }
    return lookups;
}

bool isWrittenPair(const Lookup& lookup, std::string_view section, std::string_view key) {
    return sameName(lookup.section, section) && sameName(lookup.key, key);
}

void checkInMemoryWrite(std::string_view content, const std::vector<Lookup>& before,
                        const std::string& section, const std::string& key,
                        const std::string& value) {
    const std::string updated = setIniValue(content, section, key, value);
    require(findIniValue(updated, section, key) == value, "a written value reads back");
    for (const Lookup& lookup : before) {
        if (!isWrittenPair(lookup, section, key))
            require(findIniValue(updated, lookup.section, lookup.key) == lookup.value,
                    "a write changes no other value");
    }
}

// The same through the settings file, which adds the file's encoding and the 99-character
// limit; the other values are read from the written file in one go.
void checkFileWrite(const std::string& bytes, const std::vector<Lookup>& before,
                    const std::string& section, const std::string& key, const std::string& value) {
    LanguageState language(LanguagePlaces::beside(scratchFolder()), [](const std::string& text) {
        std::fprintf(stderr, "%s\n", text.c_str());
        require(false, "no settings write or read fails on a readable tmpfs file");
    });
    const std::string path = language.places().settingsFile;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    require(language.writeSetting(section, key, value), "tz.ini on tmpfs can be written");
    require(language.readSetting(section, key) == firstCharacters(value, kSettingMaxCharacters),
            "a written setting reads back");
    std::string written;
    require(!readFileBytes(path, written), "the written tz.ini reads");
    const std::string content = decodeText(written);
    for (const Lookup& lookup : before) {
        if (!isWrittenPair(lookup, section, key))
            require(findIniValue(content, lookup.section, lookup.key) == lookup.value,
                    "writing a setting changes no other value");
    }
}

template <typename T> const T& pick(const std::vector<T>& items, std::size_t choice) {
    return items[choice % items.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // The choices come from the end of the input, so a seed file's own bytes stay its content.
    const auto sectionChoice = input.ConsumeIntegral<std::uint8_t>();
    const auto keyChoice = input.ConsumeIntegral<std::uint8_t>();
    const auto valueChoice = input.ConsumeIntegral<std::uint8_t>();
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    const std::string content = decodeText(bytes);
    const IniNames names = collectNames(content);
    const std::vector<Lookup> before = lookUpAll(content, names);

    const std::string& section = pick(names.sections, sectionChoice);
    const std::string& key = pick(names.keys, keyChoice);
    const std::string value = roundTrippable(pick(names.texts, valueChoice));
    if (!isWritableSection(section) || !isWritableKey(key) ||
        value.find_first_of("\r\n") != std::string::npos) {
        setIniValue(content, section, key, value); // must not crash, whatever it writes
        return 0;
    }
    checkInMemoryWrite(content, before, section, key, value);
    if (bytes.size() <= kInputFileLimit) // a larger tz.ini is refused unread
        checkFileWrite(bytes, before, section, key, value);
    return 0;
}
