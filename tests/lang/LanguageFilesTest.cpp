// The language files shipped in lang/, read through the program's own reader: every text the
// windows ask for is there, none is cut, access keys do not clash, and each has its sketch.
#include "Language.h"
#include "TestFolder.h"
#include "TextEncoding.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kLangFolder = WINGSHEET_SOURCE_LANG;

struct KeyRange {
    const char* section;
    std::vector<std::string> keys;
};

std::vector<std::string> Numbered(int first, int last) {
    std::vector<std::string> keys;
    for (int key = first; key <= last; ++key)
        keys.push_back(std::to_string(key));
    return keys;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Every section and key a window, a message or the printed sheet looks up.
const std::vector<KeyRange>& TableOfKeys() {
    static const std::vector<KeyRange> table{
        {"Label", Joined(Numbered(0, 16), {"4t", "5t", "6t", "9t", "11t"})},
        {"Button", Numbered(1, 5)},
        {"ToolTipText", Numbered(1, 1)},
        {"File", Numbered(0, 4)},
        {"language", Numbered(1, 1)},
        {"LANGUAGE", Numbered(2, 2)},
        {"Help", Numbered(0, 2)},
        {"Message", Numbered(1, 16)},
        {"Print", Numbered(1, 3)},
        {"About", {"1", "2", "4", "5", "6", "translate", "email"}},
        {"MsgHelp", Joined(Numbered(1, 18), Numbered(21, 24))},
    };
    return table;
}

std::vector<std::string> Languages() {
    return ListLanguageFiles(kLangFolder + kPathSeparator, "*.lng");
}

std::string Lower(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A value written in double quotes keeps its blanks; the quotes are not part of it.
std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

// The value as it stands in the file, read line by line without any length limit.
std::optional<std::string> RawValue(const std::string& utf8File, const std::string& section,
                                    const std::string& key) {
    std::string current;
    std::size_t start = 0;
    while (start < utf8File.size()) {
        std::size_t end = utf8File.find('\n', start);
        if (end == std::string::npos)
            end = utf8File.size();
        const std::string line = Trimmed(utf8File.substr(start, end - start));
        start = end + 1;
        if (line.starts_with('[') && line.ends_with(']'))
            current = Lower(line.substr(1, line.size() - 2));
        else if (const auto equals = line.find('=');
                 equals != std::string::npos && current == Lower(section) &&
                 Lower(Trimmed(line.substr(0, equals))) == Lower(key))
            return Unquoted(Trimmed(line.substr(equals + 1)));
    }
    return std::nullopt;
}

// The character after a single "&", lower-cased; "&&" stands for an ampersand itself.
std::optional<std::string> AccessKey(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const std::string rest = caption.substr(i + 1);
        std::string key(FirstCharacters(rest, 1));
        if (key.size() == 1)
            return Lower(key);
        // Latin-1 capitals (À to Þ) are two bytes C3 80..9E; their small letters lie 0x20 above.
        const auto second = key.size() == 2 ? static_cast<unsigned char>(key[1]) : 0;
        if (key[0] == '\xC3' && second >= 0x80 && second <= 0x9E && second != 0x97)
            key[1] = static_cast<char>(second + 0x20);
        return key;
    }
    return std::nullopt;
}

class LanguageFiles : public testing::Test {
protected:
    void SetUp() override {
        SetProgramFolder(kLangFolder);
        SetFailureReporter([this](const std::string& text) { reports.push_back(text); });
    }
    void TearDown() override {
        SetFailureReporter({});
        CurrentLanguageName.clear();
        CurrentLanguageFile.clear();
    }
    std::vector<std::string> reports;
};

TEST_F(LanguageFiles, TheSixLanguagesAreThere) {
    const std::vector<std::string> expected{"Deutsch",
                                            "English",
                                            "Espa\xC3\xB1ol",
                                            "Fran\xC3\xA7"
                                            "ais",
                                            "Italiano",
                                            "Nederlands"};
    EXPECT_EQ(Languages(), expected);
}

TEST_F(LanguageFiles, EveryKeyOfTheTableHasAText) {
    for (const std::string& language : Languages()) {
        SelectLanguage(language);
        for (const KeyRange& range : TableOfKeys())
            for (const std::string& key : range.keys)
                EXPECT_FALSE(GetINIFile(range.section, key).empty())
                    << language << " [" << range.section << "] " << key;
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(LanguageFiles, NoTextIsCutByTheLengthLimit) {
    for (const std::string& language : Languages()) {
        SelectLanguage(language);
        const std::string file = DecodeText(ReadBytes(kLangFolder + CurrentLanguageFile));
        for (const KeyRange& range : TableOfKeys())
            for (const std::string& key : range.keys) {
                const std::optional<std::string> raw = RawValue(file, range.section, key);
                ASSERT_TRUE(raw) << language << " [" << range.section << "] " << key;
                EXPECT_LE(CountCharacters(*raw), kLanguageTextMaxCharacters)
                    << language << " [" << range.section << "] " << key;
                EXPECT_EQ(GetINIFile(range.section, key), *raw)
                    << language << " [" << range.section << "] " << key;
            }
    }
}

// Translators save in Windows-1252: accented letters must not arrive as UTF-8 pairs.
TEST_F(LanguageFiles, AreWindows1252Text) {
    for (const std::string& language : Languages()) {
        const std::string bytes = ReadBytes(kLangFolder + kPathSeparator + language + ".lng");
        const bool ascii = std::ranges::none_of(
            bytes, [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
        EXPECT_FALSE(bytes.starts_with(kUtf8ByteOrderMark)) << language;
        EXPECT_TRUE(ascii || !IsValidUtf8(bytes)) << language;
    }
}

struct KeyGroup {
    const char* name;
    std::vector<std::pair<const char*, const char*>> captions; // section, key
};

// Captions that one Alt press chooses among: the entries of each menu, and the menu bar together
// with the main window's buttons.
const KeyGroup kKeyGroups[] = {
    {"File menu", {{"File", "1"}, {"File", "2"}, {"File", "3"}, {"File", "4"}}},
    {"Help menu", {{"Help", "1"}, {"Help", "2"}}},
    {"menu bar and buttons",
     {{"File", "0"},
      {"language", "1"},
      {"Help", "0"},
      {"Button", "1"},
      {"Button", "2"},
      {"Button", "3"}}},
};

TEST_F(LanguageFiles, AccessKeysAreUniqueWithinEachMenu) {
    for (const std::string& language : Languages()) {
        SelectLanguage(language);
        for (const KeyGroup& group : kKeyGroups) {
            std::map<std::string, std::string> captionOfKey;
            for (const auto& [section, key] : group.captions) {
                const std::string caption = GetINIFile(section, key);
                const std::optional<std::string> accessKey = AccessKey(caption);
                if (!accessKey)
                    continue;
                const auto [clash, inserted] = captionOfKey.emplace(*accessKey, caption);
                EXPECT_TRUE(inserted) << language << ", " << group.name << ": \"" << caption
                                      << "\" and \"" << clash->second << "\"";
            }
        }
    }
}

TEST(AccessKey, ReadsTheLetterAfterASingleAmpersand) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"&File", "f"},
        {"Save &As...", "a"},
        {"\xC3\x96&ffnen", "f"},
        {"&\xC3\x9C"
         "ber",
         "\xC3\xBC"},
        {"Fish && &Chips", "c"},
        {"No key", std::nullopt},
        {"Trailing &", std::nullopt},
    };
    for (const auto& [caption, expected] : cases)
        EXPECT_EQ(AccessKey(caption), expected) << caption;
}

bool IsGif(const std::string& path) {
    const std::string bytes = ReadBytes(path);
    return bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a");
}

TEST_F(LanguageFiles, EveryLanguageHasItsSketchAndEverySketchItsLanguage) {
    const std::vector<std::string> languages = Languages();
    for (const std::string& language : languages)
        EXPECT_TRUE(IsGif(kLangFolder + kPathSeparator + language + ".gif")) << language;
    const std::vector<std::string> sketches =
        ListLanguageFiles(kLangFolder + kPathSeparator, "*.gif");
    EXPECT_EQ(sketches, languages);
}

} // namespace
