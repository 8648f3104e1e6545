// SPDX-License-Identifier: GPL-3.0-or-later
// A text of the language files, named by its section and key. Logic never looks at the text
// itself: it asks for a key and shows what comes back.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Keys of the first language files have no fall-back: a missing text shows empty, as translators
// of those files expect. Keys added since carry the English text, shown when a language file
// made for an earlier version lacks them, so no caption of a newer feature is ever empty.
struct TextKey {
    std::string_view section;
    std::string_view key;
    std::string_view fallback = {};
    bool operator==(const TextKey&) const = default;
};

// The text of a key in the current language; when the file or the key is missing, the key's
// fall-back, which is "" for the keys of the first language files.
using TextLookup = std::function<std::string(TextKey key)>;
