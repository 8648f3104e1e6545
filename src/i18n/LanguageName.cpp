// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/LanguageName.h"

#include <algorithm>

namespace {

// U+0080 to U+009F in UTF-8: 0xC2 followed by 0x80 to 0x9F.
bool holdsC1Control(std::string_view name) {
    for (std::size_t i = 0; i + 1 < name.size(); ++i) {
        const auto lead = static_cast<unsigned char>(name[i]);
        const auto next = static_cast<unsigned char>(name[i + 1]);
        if (lead == 0xC2 && next >= 0x80 && next <= 0x9F)
            return true;
    }
    return false;
}

bool isControl(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte < 0x20 || byte == 0x7F;
}

} // namespace

bool isLanguageName(std::string_view name) {
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos &&
           name.find("..") == std::string_view::npos && std::ranges::none_of(name, isControl) &&
           !holdsC1Control(name);
}
