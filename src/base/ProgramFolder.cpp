// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/ProgramFolder.h"

#include <filesystem>
#include <system_error>

std::string executableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return executable.parent_path().string();
}

std::string parentFolder(const std::string& path) {
    const std::size_t separator = path.rfind(kPathSeparator);
    if (separator == std::string::npos)
        return ".";
    return separator == 0 ? std::string(1, kPathSeparator) : path.substr(0, separator);
}
