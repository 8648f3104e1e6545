// SPDX-License-Identifier: GPL-3.0-or-later
// The language files shipped in lang/, read through the program's own reader: every text the
// windows ask for is there, none is cut, access keys do not clash, and each has its sketch.
#include "base/FileListing.h"
#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "support/TestFolder.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kLangFolder = WINGSHEET_SOURCE_LANG;

// Every text a window, a message or the printed sheet looks up.
std::vector<TextKey> everyTextKey() {
    std::vector<TextKey> keys(kNamedTextKeys.begin(), kNamedTextKeys.end());
    keys.insert(keys.end(), kHelpLines.begin(), kHelpLines.end());
    keys.insert(keys.end(), kHelpTips.begin(), kHelpTips.end());
    keys.insert(keys.end(), kStabilityHelpLines.begin(), kStabilityHelpLines.end());
    return keys;
}

std::vector<std::string> shippedLanguages() {
    return listLanguageFiles(kLangFolder + kPathSeparator, "*.lng");
}

// The character after a single "&", lower-cased; "&&" stands for an ampersand itself.
std::optional<std::string> accessKeyOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        const std::string rest = caption.substr(i + 1);
        std::string key(firstCharacters(rest, 1));
        if (key.size() == 1)
            return std::string(1, static_cast<char>(std::tolower(key[0])));
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
    std::vector<std::string> reports;
    LanguageState language{LanguagePlaces::beside(kLangFolder), [this](const std::string& text) {
                               reports.push_back(text);
                           }};
};

TEST_F(LanguageFiles, TheSixLanguagesAreThere) {
    const std::vector<std::string> expected{"Deutsch",  "English",  "Espa\xC3\xB1ol",
                                            "Français", "Italiano", "Nederlands"};
    EXPECT_EQ(shippedLanguages(), expected);
}

// A text cut by the reader would be exactly kLanguageTextMaxCharacters long.
TEST_F(LanguageFiles, EveryKeyOfTheTableHasATextNoneCut) {
    for (const std::string& name : shippedLanguages()) {
        language.select(name);
        for (const TextKey& key : everyTextKey()) {
            const std::size_t length = countCharacters(language.text(key));
            EXPECT_GT(length, 0u) << name << " [" << key.section << "] " << key.key;
            EXPECT_LT(length, kLanguageTextMaxCharacters)
                << name << " [" << key.section << "] " << key.key;
        }
    }
    EXPECT_TRUE(reports.empty());
}

// The English fall-back is for a user's file made for an earlier version: the shipped files
// carry every newer text themselves.
TEST_F(LanguageFiles, CarryEveryNewerTextThemselves) {
    for (const std::string& name : shippedLanguages()) {
        language.select(name);
        for (const TextKey& key : kNamedTextKeys) {
            if (key.fallback.empty())
                continue;
            EXPECT_FALSE(language.text({key.section, key.key}).empty())
                << name << " [" << key.section << "] " << key.key;
        }
    }
}

// Translators save in Windows-1252: accented letters must not arrive as UTF-8 pairs.
TEST_F(LanguageFiles, AreWindows1252Text) {
    for (const std::string& name : shippedLanguages()) {
        const std::string bytes = readBytes(kLangFolder + kPathSeparator + name + ".lng");
        const bool ascii = std::ranges::none_of(
            bytes, [](char c) { return (static_cast<unsigned char>(c) & 0x80) != 0; });
        EXPECT_FALSE(bytes.starts_with(kUtf8ByteOrderMark)) << name;
        EXPECT_TRUE(ascii || !isValidUtf8(bytes)) << name;
    }
}

struct KeyGroup {
    const char* name;
    std::vector<TextKey> captions;
};

// Captions that one Alt press chooses among: the entries of each menu, and the menu bar together
// with the main window's buttons.
const KeyGroup kKeyGroups[] = {
    {"File menu",
     {kOpenAction, kSaveAsAction, kPrintAction, kPrintPreviewAction, kPrintFullSizeAction,
      kExportOutlineAction, kBothHalvesAction, kPrintRibTemplatesAction, kPrintCoreTemplatesAction,
      kQuitAction}},
    {"Help menu", {kHelpAction, kAboutAction}},
    {"Units menu", {kMillimetresChoice, kInchesChoice, kGramsChoice, kOuncesChoice}},
    {"menu bar and buttons",
     {kFileMenu, kLanguageAction, kUnitsMenu, kStabilityMenu, kRibsMenu, kHelpMenu,
      kCalculateButton, kClearButton, kPrintButton}},
    {"stability window", {kWithTailChoice, kNoTailCheck, kCalculateButton, kRemoveStabilityButton}},
    {"ribs window", {kCalculateButton, kRemoveRibsButton}},
};

TEST_F(LanguageFiles, AccessKeysAreUniqueWithinEachMenu) {
    for (const std::string& name : shippedLanguages()) {
        language.select(name);
        for (const KeyGroup& group : kKeyGroups) {
            std::map<std::string, std::string> captionOfKey;
            for (const TextKey& key : group.captions) {
                const std::string caption = language.text(key);
                const std::optional<std::string> accessKey = accessKeyOf(caption);
                if (!accessKey)
                    continue;
                const auto [clash, inserted] = captionOfKey.emplace(*accessKey, caption);
                EXPECT_TRUE(inserted) << name << ", " << group.name << ": \"" << caption
                                      << "\" and \"" << clash->second << "\"";
            }
        }
    }
}

// The built-in English of the newer keys is what a language file without them shows: it must
// read exactly as the English file does.
TEST_F(LanguageFiles, EnglishFileAgreesWithTheBuiltInFallBacks) {
    TestFolder empty;
    LanguageState withoutFile{LanguagePlaces::beside(empty.path()), [](const std::string&) {
                              }};
    withoutFile.select("English");
    language.select("English");
    for (const TextKey& key : everyTextKey()) {
        if (key.fallback.empty())
            continue;
        EXPECT_EQ(withoutFile.text(key), language.text(key))
            << "[" << key.section << "] " << key.key;
    }
}

// The blanks "%1" to "%9" a text leaves for the program to fill in, in order of their numbers.
std::string blanksOf(std::string_view text) {
    std::string blanks;
    for (char number = '1'; number <= '9'; ++number) {
        if (text.find(std::string("%") + number) != std::string_view::npos)
            blanks += number;
    }
    return blanks;
}

// The English fall-back is for language files made before a key existed; the shipped files carry
// their own words, with every blank the program fills in.
TEST_F(LanguageFiles, NewerKeysAreTranslatedWithTheirBlanks) {
    for (const std::string& name : shippedLanguages()) {
        const std::string file = kLangFolder + kPathSeparator + name + ".lng";
        for (const TextKey& key : everyTextKey()) {
            if (key.fallback.empty())
                continue;
            SCOPED_TRACE(name + " [" + std::string(key.section) + "] " + std::string(key.key));
            const IniRead read =
                readIniValue(file, key.section, key.key, kLanguageTextMaxCharacters);
            EXPECT_FALSE(read.value.empty());
            EXPECT_EQ(blanksOf(read.value), blanksOf(key.fallback));
        }
    }
}

bool isGif(const std::string& path) {
    const std::string bytes = readBytes(path);
    return bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a");
}

TEST_F(LanguageFiles, EveryLanguageHasItsSketchAndEverySketchItsLanguage) {
    const std::vector<std::string> languages = shippedLanguages();
    for (const std::string& name : languages)
        EXPECT_TRUE(isGif(kLangFolder + kPathSeparator + name + ".gif")) << name;
    const std::vector<std::string> sketches =
        listLanguageFiles(kLangFolder + kPathSeparator, "*.gif");
    EXPECT_EQ(sketches, languages);
}

} // namespace
