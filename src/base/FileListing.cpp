// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/FileListing.h"

#include "base/ProgramFolder.h"
#include "base/TextEncoding.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Non-blocking, so that probing a named pipe cannot hang the chooser.
bool canOpenRegularFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    return regular;
}

} // namespace

bool fileExists(const std::string& path) {
    const int savedErrno = errno;
    std::string name = path;
    if (!name.empty() && name.back() == kPathSeparator)
        name.pop_back();
    const bool exists = !name.empty() && canOpenRegularFile(name);
    errno = savedErrno;
    return exists;
}

// Greedy wildcard match: on a mismatch, let the last "*" swallow one more character.
bool matchesPattern(std::string_view name, std::string_view pattern) {
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n, ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> regularFileNames(const std::string& folder,
                                          const std::function<bool(std::string_view)>& wanted) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (wanted && !wanted(name))
            continue;
        std::error_code typeError;
        if (entry->is_regular_file(typeError))
            names.push_back(std::move(name));
    }
    return names;
}

std::vector<std::string> listLanguageFiles(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    for (const std::string& fileName : regularFileNames(folder)) {
        if (matchesPattern(fileName, pattern))
            names.emplace_back(dropLastCharacters(fileName, 4));
    }
    std::ranges::sort(names);
    return names;
}
