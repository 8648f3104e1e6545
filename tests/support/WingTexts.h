// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes for the tests, written out by hand so no reader fault can hide in them: the two-panel
// worked wing as a file, blocks of one repeated field text, and binary garbage.
#pragma once

#include <cstddef>
#include <string>

// The two-panel worked wing: its mean chord shows as " 222.99 mm  ".
inline const std::string kTwoPanelWingFile = "V2M-Please don't Delete ....\r\n"
                                             "300\r\n200\r\n400\r\n50\r\n"
                                             "200\r\n100\r\n300\r\n150\r\n"
                                             "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
                                             "25\r\n1500\r\n";

// One block: the 20 panel lines and the mass line hold text, the balance line holds balance.
inline std::string wingFileOfEveryField(const std::string& text, const std::string& balance) {
    std::string block = "V2M-Please don't Delete ....\r\n";
    for (int line = 0; line < 20; ++line)
        block += text + "\r\n";
    return block + balance + "\r\n" + text + "\r\n";
}

inline std::string repeat(const std::string& piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Bytes of every value in a fixed scramble, line breaks, "[", "]" and "=" among them.
inline std::string binaryBytes(std::size_t size = 65536) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 167 + i / 256 * 13) & 0xFF);
    return bytes;
}
