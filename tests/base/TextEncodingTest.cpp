// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::string expected;
};

const DecodeCase kDecodeCases[] = {
    {"Ascii", "Corde", "Corde"},
    {"Windows1252Accents",
     "Fran\xE7"
     "ais \xE9t\xE9",
     "Français été"},
    {"Windows1252EuroAndQuotes", "\x80 \x93x\x94 \x85", "€ “x” …"},
    {"UnassignedBytesKeepC1", "\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
    {"ValidUtf8KeptAsIs",
     "Fran\xC3\xA7"
     "ais",
     "Français"},
    {"BomStripped",
     "\xEF\xBB\xBF"
     "d\xC3\xA9port",
     "déport"},
    {"BomOnly", "\xEF\xBB\xBF", ""},
    // A Windows-1252 editor's stray bytes in a file marked as UTF-8 keep their 1252 meaning.
    {"BomWithStrayWindows1252Bytes",
     "\xEF\xBB\xBF"
     "\x93"
     "d\xC3\xA9port\x94 \xE9t\xE9",
     "“déport” été"},
    {"OverlongIsNotUtf8", "\xC0\xAF", "À¯"},
    {"SurrogateIsNotUtf8", "\xED\xA0\x80", "í\xC2\xA0€"},
    {"TruncatedSequenceIsNotUtf8", "ab\xE2\x82", "ab\xC3\xA2\xE2\x80\x9A"},
    {"FourByteUtf8", "\xF0\x9F\x9B\xA9", "\xF0\x9F\x9B\xA9"},
};

TEST(DecodeTextTest, Decodes) {
    for (const DecodeCase& c : kDecodeCases)
        EXPECT_EQ(decodeText(c.bytes), c.expected) << c.name;
}

TEST(EncodeWindows1252Test, EveryByteRoundTrips) {
    std::string allBytes;
    for (int value = 0; value < 256; ++value)
        allBytes += static_cast<char>(value);
    const std::string utf8 = windows1252ToUtf8(allBytes);
    ASSERT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(encodeWindows1252(utf8), allBytes);
}

struct EncodeCase {
    const char* name;
    std::string utf8;
    std::optional<std::string> expected;
};

const EncodeCase kEncodeCases[] = {
    {"Ascii", "250,5", "250,5"},
    {"Latin1", "déport", "d\xE9port"},
    {"Euro", "5 €", "5 \x80"},
    {"OeLigature", "œuvre", "\x9Cuvre"},
    {"Cyrillic", "крыло", std::nullopt},
    {"C1WithoutByte", "\xC2\x80", std::nullopt},
    {"InvalidUtf8", "\xE9t\xE9", std::nullopt},
};

TEST(EncodeWindows1252Test, UnambiguousOnlyWhenTheBytesReadBack) {
    EXPECT_EQ(encodeWindows1252Unambiguously("d\u00E9port 5 \u20AC"), "d\xE9port 5 \x80");
    EXPECT_EQ(encodeWindows1252Unambiguously("250,5"), "250,5");
    EXPECT_EQ(encodeWindows1252Unambiguously("\u00C3\u00A9"), std::nullopt); // "\xC3\xA9" is é
    EXPECT_EQ(encodeWindows1252Unambiguously("\u00EF\u00BB\u00BFx"), std::nullopt); // a BOM
    EXPECT_EQ(encodeWindows1252Unambiguously("крыло"), std::nullopt);
}

TEST(EncodeWindows1252Test, Encodes) {
    for (const EncodeCase& c : kEncodeCases)
        EXPECT_EQ(encodeWindows1252(c.utf8), c.expected) << c.name;
}

} // namespace
