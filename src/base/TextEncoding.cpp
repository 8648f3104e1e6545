// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of Windows-1252 equals Latin-1.
// The unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their C1 control code point.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

struct DecodedChar {
    char32_t codePoint = 0;
    std::size_t length = 0; // 0 when the sequence is malformed
};

// Reads one UTF-8 sequence at the start of the bytes, rejecting every ill-formed variant.
DecodedChar readUtf8Char(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() < length)
        return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!isContinuation(byte))
            return {};
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < smallest || codePoint > 0x10FFFF || surrogate)
        return {};
    return {codePoint, length};
}

// Windows-1252 reaches only the Basic Multilingual Plane, so three bytes are enough.
void appendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::optional<char> windows1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

// A byte-order mark declares UTF-8; a stray byte in such a file most likely comes from an
// editor that saved in Windows-1252, so it keeps that meaning instead of breaking the text.
std::string utf8WithStrayBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t length = readUtf8Char(bytes).length;
        if (length == 0) {
            out += windows1252ToUtf8(bytes.substr(0, 1));
            bytes.remove_prefix(1);
        } else {
            out += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return out;
}

} // namespace

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const DecodedChar decoded = readUtf8Char(bytes);
        if (decoded.length == 0)
            return false;
        bytes.remove_prefix(decoded.length);
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value < 0xA0)
            appendUtf8(out, kHighControlRange[value - 0x80]);
        else
            appendUtf8(out, value);
    }
    return out;
}

std::string decodeText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark))
        return utf8WithStrayBytes(bytes.substr(kUtf8ByteOrderMark.size()));
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return windows1252ToUtf8(bytes);
}

std::optional<std::string> encodeWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const DecodedChar decoded = readUtf8Char(utf8);
        if (decoded.length == 0)
            return std::nullopt;
        const std::optional<char> byte = windows1252Byte(decoded.codePoint);
        if (!byte)
            return std::nullopt;
        out += *byte;
        utf8.remove_prefix(decoded.length);
    }
    return out;
}

std::optional<std::string> encodeWindows1252Unambiguously(std::string_view utf8) {
    std::optional<std::string> bytes = encodeWindows1252(utf8);
    if (bytes && decodeText(*bytes) != utf8)
        return std::nullopt;
    return bytes;
}

std::string windows1252OrUtf8(std::string_view utf8) {
    std::optional<std::string> windows1252 = encodeWindows1252Unambiguously(utf8);
    return windows1252 ? *std::move(windows1252) : std::string(utf8);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return std::ranges::equal(a, b, [&lower](char x, char y) { return lower(x) == lower(y); });
}

std::size_t countCharacters(std::string_view utf8) {
    std::size_t count = 0;
    for (const char byte : utf8) {
        if (!isContinuation(static_cast<unsigned char>(byte)))
            ++count;
    }
    return count;
}

std::string_view firstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (isContinuation(static_cast<unsigned char>(utf8[i])))
            continue;
        if (seen == count)
            return utf8.substr(0, i);
        ++seen;
    }
    return utf8;
}

std::string_view dropLastCharacters(std::string_view utf8, std::size_t count) {
    const std::size_t total = countCharacters(utf8);
    return firstCharacters(utf8, total > count ? total - count : 0);
}

std::string_view lastCharacters(std::string_view utf8, std::size_t count) {
    const std::size_t total = countCharacters(utf8);
    const std::size_t dropped = total > count ? total - count : 0;
    return utf8.substr(firstCharacters(utf8, dropped).size());
}
