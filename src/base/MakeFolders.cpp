// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/MakeFolders.h"

#include "base/ProgramFolder.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

bool isFolder(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

std::optional<FileError> makeFolders(const std::string& path) {
    // Each prefix that ends before a separator, then the whole path.
    for (std::size_t end = path.find(kPathSeparator, 1);;
         end = path.find(kPathSeparator, end + 1)) {
        const std::string folder = path.substr(0, end);
        if (!folder.empty() && !isFolder(folder) && ::mkdir(folder.c_str(), 0700) != 0 &&
            !(errno == EEXIST && isFolder(folder)))
            return errorFromErrno(errno == EEXIST ? ENOTDIR : errno);
        if (end == std::string::npos)
            return std::nullopt;
    }
}

std::optional<FileError> makeFoldersBelow(const std::string& existing, const std::string& path) {
    struct stat info {};
    if (::stat(existing.c_str(), &info) != 0)
        return errorFromErrno(errno);
    if (!S_ISDIR(info.st_mode))
        return errorFromErrno(ENOTDIR);
    return makeFolders(path);
}
