// SPDX-License-Identifier: GPL-3.0-or-later
// A text lookup in which every key's text is its own "section/key", so a test sees which key a
// control or a message took: a swapped key cannot pass unnoticed.
#pragma once

#include "i18n/TextKey.h"

#include <string>

// "Section/key", followed by the blanks "%1" to "%3" its English text has, so filled-in names
// show their parts too.
inline std::string namedText(TextKey key) {
    std::string text = std::string(key.section) + "/" + std::string(key.key);
    for (const char* blank : {"%1", "%2", "%3"}) {
        if (key.fallback.find(blank) != std::string_view::npos)
            text += std::string(" ") + blank;
    }
    return text;
}
