// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WingFilePath.h"

#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"

namespace {

constexpr std::string_view kWingFileSuffix = ".txt";

} // namespace

int lastSeparatorPosition(std::string_view path) {
    const std::size_t slash = path.rfind(kPathSeparator);
    if (slash == std::string_view::npos)
        return 0;
    return static_cast<int>(countCharacters(path.substr(0, slash + 1)));
}

std::string bareFileName(std::string_view path) {
    const std::size_t length = countCharacters(path);
    return std::string(
        lastCharacters(path, length - static_cast<std::size_t>(lastSeparatorPosition(path))));
}

std::string companionFilePath(const std::string& wingPath, std::string_view suffix) {
    const std::string_view path(wingPath);
    const std::string_view stem = path.ends_with(kWingFileSuffix)
                                      ? path.substr(0, path.size() - kWingFileSuffix.size())
                                      : path;
    return std::string(stem) + std::string(suffix);
}
