// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/IniText.h"

#include "base/TextEncoding.h"
#include "base/TextLines.h"

#include <algorithm>

namespace {

enum class LineKind { Other, Section, Key };

struct IniLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name
    std::string_view value; // trimmed, quotes still on
};

struct IniLocation {
    std::optional<TextLine> header;  // first section of the wanted name
    std::optional<TextLine> lastKey; // last key line seen in that section
    std::optional<TextLine> keyLine; // first key of the wanted name in it
    std::string_view keyName;        // that key's name as the file spells it
};

std::string_view trimmed(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The section and key names the program passes in lose their spaces only, as with the profile
// functions: a tab there is part of the name, which no name in the file can match.
std::string_view trimPassedName(std::string_view name) {
    return trimmed(name, " ");
}

// One pair of matching outer quotes is part of the syntax, not of the value.
std::string_view stripQuotes(std::string_view value) {
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Only a ";" opening a line makes a comment; a "[" line opens a section whose name is what
// follows up to the "]", or to the line's end when it has none, without the blanks: "[ Label ]"
// and "[Label" are both section "Label".
IniLine classifyLine(std::string_view text) {
    const std::string_view line = trimBlanks(text);
    if (line.empty() || line.front() == ';')
        return {};
    if (line.front() == '[') {
        const std::size_t close = line.find(']');
        const std::size_t length = close == std::string_view::npos ? close : close - 1;
        return {LineKind::Section, trimBlanks(line.substr(1, length)), {}};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    return {LineKind::Key, trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

// One pass that stops at the wanted key or at the end of the first section of the wanted name.
IniLocation locate(std::string_view content, std::string_view section, std::string_view key) {
    section = trimPassedName(section);
    key = trimPassedName(key);
    IniLocation where;
    TextLineReader reader(content);
    while (const std::optional<TextLine> line = reader.next()) {
        const IniLine parsed = classifyLine(line->text);
        if (parsed.kind == LineKind::Section) {
            if (where.header)
                break;
            if (equalsIgnoringAsciiCase(parsed.name, section))
                where.header = line;
            continue;
        }
        if (!where.header || parsed.kind != LineKind::Key)
            continue;
        where.lastKey = line;
        if (equalsIgnoringAsciiCase(parsed.name, key)) {
            where.keyLine = line;
            where.keyName = parsed.name;
            break;
        }
    }
    return where;
}

std::string insertLineAfter(std::string_view content, const TextLine& anchor,
                            std::string_view newLine, std::string_view ending) {
    std::string result(content.substr(0, anchor.end));
    if (anchor.ending.empty())
        result += ending;
    result += newLine;
    result += ending;
    result += content.substr(anchor.end);
    return result;
}

std::string appendSection(std::string_view content, std::string_view section,
                          std::string_view newLine, std::string_view ending) {
    std::string result(content);
    if (!result.empty() && result.back() != '\n' && result.back() != '\r')
        result += ending;
    result += '[';
    result += section;
    result += ']';
    result += ending;
    result += newLine;
    result += ending;
    return result;
}

} // namespace

std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
    const IniLocation where = locate(content, section, key);
    if (!where.keyLine)
        return std::nullopt;
    return std::string(stripQuotes(classifyLine(where.keyLine->text).value));
}

// The names are trimmed as a lookup trims them, so a write adds no section or key of another
// spelling.
std::string setIniValue(std::string_view content, std::string_view section, std::string_view key,
                        std::string_view value) {
    section = trimPassedName(section);
    key = trimPassedName(key);
    std::string_view ending = firstLineEnding(content);
    if (ending.empty())
        ending = "\r\n";
    const IniLocation where = locate(content, section, key);
    if (where.keyLine) {
        const TextLine& line = *where.keyLine;
        const std::size_t indent = line.text.find_first_not_of(kIniBlanks);
        std::string result(content.substr(0, line.begin + indent));
        result.append(where.keyName).append("=").append(value);
        result += content.substr(line.begin + line.text.size());
        return result;
    }
    const std::string newLine = std::string(key) + "=" + std::string(value);
    if (where.header)
        return insertLineAfter(content, where.lastKey ? *where.lastKey : *where.header, newLine,
                               ending);
    return appendSection(content, section, newLine, ending);
}

std::vector<IniSection> readIniSections(std::string_view content) {
    std::vector<IniSection> sections;
    TextLineReader reader(content);
    while (const std::optional<TextLine> line = reader.next()) {
        const IniLine parsed = classifyLine(line->text);
        if (parsed.kind == LineKind::Section)
            sections.push_back({std::string(parsed.name), {}});
        else if (parsed.kind == LineKind::Key && !sections.empty())
            sections.back().keys.emplace_back(parsed.name, stripQuotes(parsed.value));
    }
    return sections;
}

const IniSection* findIniSection(const std::vector<IniSection>& sections, std::string_view name) {
    for (const IniSection& section : sections) {
        if (equalsIgnoringAsciiCase(section.name, trimBlanks(name)))
            return &section;
    }
    return nullptr;
}

std::optional<std::string> findIniKey(const IniSection& section, std::string_view key) {
    for (const auto& [name, value] : section.keys) {
        if (equalsIgnoringAsciiCase(name, trimBlanks(key)))
            return value;
    }
    return std::nullopt;
}

std::string_view trimBlanks(std::string_view text) {
    return trimmed(text, kIniBlanks);
}
