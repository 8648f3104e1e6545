// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' access to the language of the run, as Qt strings.
#pragma once

#include "i18n/LanguageState.h"

#include <QString>
#include <string_view>

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString uiText(const LanguageState& language, TextKey key) {
    return fromUtf8(language.text(key));
}
