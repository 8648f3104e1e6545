// The windows' access to the current language file, as Qt strings.
#pragma once

#include "i18n/Language.h"

#include <QString>
#include <string_view>

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString Text(std::string_view section, std::string_view key) {
    return QString::fromStdString(GetINIFile(section, key));
}
