// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the 8-bit Windows-1252 text of language and wing files and the UTF-8
// strings the program works with, plus the character counting the length limits need.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, at most U+10FFFF).
bool isValidUtf8(std::string_view bytes);

// A UTF-8 byte-order mark is stripped; otherwise valid UTF-8 is kept and anything else is read
// as Windows-1252. Its five unassigned bytes become U+0081, U+008D, ... so they round-trip.
// After a byte-order mark, a byte that is not part of a well-formed sequence is read as its
// Windows-1252 character, so the result is always well-formed UTF-8.
std::string decodeText(std::string_view bytes);

std::string windows1252ToUtf8(std::string_view bytes);

// nullopt when a character has no Windows-1252 byte or the text is not valid UTF-8.
std::optional<std::string> encodeWindows1252(std::string_view utf8);

// The Windows-1252 bytes of the text only when decodeText reads them back as the same text:
// nullopt also when the bytes would pass for UTF-8 ("Ã©" would come back as "é"). Writers then
// write the text as UTF-8.
std::optional<std::string> encodeWindows1252Unambiguously(std::string_view utf8);
// The bytes the program writes its own files with: Windows-1252 where that reads back as the
// same text, so older readers keep working, else UTF-8.
std::string windows1252OrUtf8(std::string_view utf8);

// Equal when only the letter case of ASCII letters differs, as INI names and file extensions
// are compared; other bytes must match exactly.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

// Counts and cuts by Unicode characters, never splitting a multi-byte sequence.
std::size_t countCharacters(std::string_view utf8);
std::string_view firstCharacters(std::string_view utf8, std::size_t count);
std::string_view dropLastCharacters(std::string_view utf8, std::size_t count);
std::string_view lastCharacters(std::string_view utf8, std::size_t count);
