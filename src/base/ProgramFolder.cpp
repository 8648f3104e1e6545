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
