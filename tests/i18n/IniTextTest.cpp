// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/IniText.h"

#include <gtest/gtest.h>

namespace {

struct FindCase {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

const std::string kLanguageFile = "[Label]\r\n0=Wing sheet\r\n1=Root chord\r\n"
                                  "[language]\r\n1=Language\r\n2=Choose\r\n";

const FindCase kFindCases[] = {
    {"Plain", kLanguageFile, "Label", "1", "Root chord"},
    {"SectionCaseIgnored", kLanguageFile, "LANGUAGE", "2", "Choose"},
    {"KeyCaseIgnored", "[Label]\n4T=tip\n", "Label", "4t", "tip"},
    {"MissingSection", kLanguageFile, "Help", "1", std::nullopt},
    {"MissingKey", kLanguageFile, "Label", "7", std::nullopt},
    {"KeyOfOtherSection", kLanguageFile, "language", "0", std::nullopt},
    {"EmptyValue", "[Label]\n3=\n", "Label", "3", ""},
    {"BlanksTrimmed", "[Label]\n  3 \t=  \t Span  \t\n", "Label", "3", "Span"},
    {"InnerBlanksKept", "[Label]\n3=Half  span\n", "Label", "3", "Half  span"},
    {"IndentedSection", "  [Label]\n3=x\n", "Label", "3", "x"},
    {"DoubleQuotesRemoved", "[Label]\n3=\"  Span \"\n", "Label", "3", "  Span "},
    {"SingleQuotesRemoved", "[Label]\n3='Span'\n", "Label", "3", "Span"},
    {"MismatchedQuotesKept", "[Label]\n3=\"Span'\n", "Label", "3", "\"Span'"},
    {"OneQuotePairOnly", "[Label]\n3=\"\"x\"\"\n", "Label", "3", "\"x\""},
    {"LoneQuoteKept", "[Label]\n3=\"\n", "Label", "3", "\""},
    {"QuotesAfterTrim", "[Label]\n3=  'x'  \n", "Label", "3", "x"},
    {"CommentLineSkipped", "[Label]\n;3=old\n3=new\n", "Label", "3", "new"},
    {"IndentedComment", "[Label]\n  ; 3=old\n", "Label", "3", std::nullopt},
    {"SemicolonInsideValueKept", "[Label]\n3=a ; b\n", "Label", "3", "a ; b"},
    {"FirstKeyWins", "[Label]\n3=first\n3=second\n", "Label", "3", "first"},
    {"FirstSectionOnly", "[Label]\n1=a\n[Label]\n3=b\n", "Label", "3", std::nullopt},
    {"TextAfterBracketIgnored", "[Label] ; captions\n3=x\n", "Label", "3", "x"},
    {"NameEndsAtFirstBracket", "[Label] ; see [Help]\n3=x\n", "Label", "3", "x"},
    {"HeaderWithoutBracketOpensItsSection", "[ Label \n3=x\n", "Label", "3", "x"},
    {"KeysBeforeAnySectionIgnored", "3=x\n[Label]\n", "Label", "3", std::nullopt},
    {"LineWithoutEqualsIsNoKey", "[Label]\n3\n3=x\n", "Label", "3", "x"},
    {"EqualsInValueKept", "[About]\nemail=a=b\n", "About", "email", "a=b"},
    {"CrFile", "[Label]\r3=x\r4=y\r", "Label", "4", "y"},
    {"MixedEndings", "[Label]\r\n3=x\r4=y\n5=z", "Label", "5", "z"},
    {"EmptyContent", "", "Label", "3", std::nullopt},
    {"BlanksInsideBracketsIgnored", "[ Label ]\n3=x\n", "Label", "3", "x"},
    {"TabAndVerticalTabInsideBrackets", "[\tLabel\v]\n3=x\n", "label", "3", "x"},
    {"InnerBlankOfSectionNameKept", "[ My  Section ]\n3=x\n", "My  Section", "3", "x"},
    {"BlanksOnlyInBracketsIsEmptyName", "[ \t ]\n3=x\n", "", "3", "x"},
    {"VerticalTabAroundHeader", "\v[Label]\v\n3=x\n", "Label", "3", "x"},
    {"VerticalTabAroundKeyAndValue", "[Label]\n\v3\v=\v x\v\n", "Label", "3", "x"},
    {"VerticalTabBeforeCommentMark", "[Label]\n\v;3=old\n", "Label", "3", std::nullopt},
    {"VerticalTabInsideValueKept", "[Label]\n3=a\vb\n", "Label", "3", "a\vb"},
    {"FormFeedIsNoBlank", "[Label]\n\f3=x\n", "Label", "3", std::nullopt},
    {"SpacesAroundPassedNamesTrimmed", "[Label]\n3=x\n", "  Label ", " 3  ", "x"},
    {"TabAroundPassedSectionIsPartOfIt", "[Label]\n3=x\n", "\tLabel", "3", std::nullopt},
    {"VerticalTabAroundPassedKeyIsPartOfIt", "[Label]\n3=x\n", "Label", "3\v", std::nullopt},
};

TEST(FindIniValueTest, Finds) {
    for (const FindCase& c : kFindCases)
        EXPECT_EQ(findIniValue(c.content, c.section, c.key), c.expected) << c.name;
}

struct SetCase {
    const char* name;
    std::string content;
    std::string section;
    std::string key;
    std::string value;
    std::string expected;
};

const SetCase kSetCases[] = {
    {"NewFile", "", "Langue", "1", "English", "[Langue]\r\n1=English\r\n"},
    {"ReplaceInPlaceKeepingTheRest",
     "; settings\r\n[Langue]\r\n  1 = Français ; old\r\n2=x\r\n\r\n[Other]\r\n1=y\r\n", "langue",
     "1", "English", "; settings\r\n[Langue]\r\n  1=English\r\n2=x\r\n\r\n[Other]\r\n1=y\r\n"},
    {"ReplaceKeepsFileKeySpelling", "[Label]\nAbC=1\n", "Label", "abc", "2", "[Label]\nAbC=2\n"},
    {"ReplaceFirstKeyOnly", "[L]\n1=a\n1=b\n", "L", "1", "c", "[L]\n1=c\n1=b\n"},
    {"ReplaceLastLineWithoutEnding", "[L]\r\n1=a", "L", "1", "b", "[L]\r\n1=b"},
    {"ReplaceWithEmpty", "[L]\n1=a\n", "L", "1", "", "[L]\n1=\n"},
    {"NewKeyAfterLastKey", "[L]\n1=a\n; note\n\n2=b\n\n[M]\n1=c\n", "L", "3", "z",
     "[L]\n1=a\n; note\n\n2=b\n3=z\n\n[M]\n1=c\n"},
    {"NewKeyInEmptySection", "[L]\n; nothing yet\n\n[M]\n", "L", "1", "z",
     "[L]\n1=z\n; nothing yet\n\n[M]\n"},
    {"NewKeyAfterHeaderAtEndWithoutEnding", "[L]", "L", "1", "z", "[L]\r\n1=z\r\n"},
    {"NewKeyAfterLastKeyWithoutEnding", "[L]\n1=a", "L", "2", "z", "[L]\n1=a\n2=z\n"},
    {"NewKeyGoesToFirstSectionOfName", "[L]\n1=a\n[L]\n2=b\n", "L", "2", "z",
     "[L]\n1=a\n2=z\n[L]\n2=b\n"},
    {"NewSectionAtEnd", "[L]\n1=a\n", "Langue", "1", "z", "[L]\n1=a\n[Langue]\n1=z\n"},
    {"NewSectionAfterLastLineWithoutEnding", "[L]\r1=a", "Langue", "1", "z",
     "[L]\r1=a\r[Langue]\r1=z\r"},
    {"NewSectionInTextWithoutSections", "; only a comment", "Langue", "1", "z",
     "; only a comment\r\n[Langue]\r\n1=z\r\n"},
    {"NamesTrimmedBeforeWriting", "", " Langue  ", "  1 ", "English", "[Langue]\r\n1=English\r\n"},
    {"TrimmedNamesFindTheExistingKey", "[Langue]\r\n1=x\r\n", "  Langue ", " 1 ", "y",
     "[Langue]\r\n1=y\r\n"},
    {"SpacedHeaderTakesTheWrite", "[ Langue ]\r\n1=x\r\n", "Langue", "1", "y",
     "[ Langue ]\r\n1=y\r\n"},
    {"NewKeyUnderSpacedHeader", "[ Langue ]\r\n", "Langue", "1", "y", "[ Langue ]\r\n1=y\r\n"},
};

TEST(SetIniValueTest, Writes) {
    for (const SetCase& c : kSetCases) {
        const std::string written = setIniValue(c.content, c.section, c.key, c.value);
        EXPECT_EQ(written, c.expected) << c.name;
        EXPECT_EQ(findIniValue(written, c.section, c.key), c.value) << c.name;
    }
}

} // namespace
