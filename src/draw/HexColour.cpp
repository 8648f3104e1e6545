// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/HexColour.h"

#include <string_view>

std::string hexColour(Rgb colour) {
    constexpr std::string_view digits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t component : {colour.red, colour.green, colour.blue}) {
        text += digits[component >> 4];
        text += digits[component & 0x0F];
    }
    return text;
}
