// SPDX-License-Identifier: GPL-3.0-or-later
// A text of the language files, named by its section and key. Logic never looks at the text
// itself: it asks for a key and shows what comes back.
#pragma once

#include <functional>
#include <string>
#include <string_view>

struct TextKey {
    std::string_view section;
    std::string_view key;
    bool operator==(const TextKey&) const = default;
};

// The text of a key in the current language, or "" when the file or the key is missing.
using TextLookup = std::function<std::string(TextKey key)>;
