// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/FileIdentity.h"

#include "base/ProgramFolder.h"

#include <sys/stat.h>

namespace {

std::optional<FileIdentity> regularFile(const struct stat& info) {
    if (!S_ISREG(info.st_mode))
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino, {}};
}

} // namespace

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return regularFile(info);
    if (::stat(parentFolder(path).c_str(), &info) != 0)
        return std::nullopt;
    // rfind's npos + 1 is 0: a bare name is all name.
    return FileIdentity{info.st_dev, info.st_ino, path.substr(path.rfind(kPathSeparator) + 1)};
}

std::optional<FileIdentity> descriptorIdentity(int descriptor) {
    struct stat info {};
    if (::fstat(descriptor, &info) != 0)
        return std::nullopt;
    return regularFile(info);
}
