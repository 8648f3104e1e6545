// The windows' access to the current language file, as Qt strings.
#pragma once

#include "Language.h"

#include <QString>
#include <string_view>

inline QString Text(std::string_view section, std::string_view key) {
    return QString::fromStdString(GetINIFile(section, key));
}
