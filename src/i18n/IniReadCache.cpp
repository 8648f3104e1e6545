// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/IniReadCache.h"

#include "base/TextEncoding.h"
#include "base/TextFile.h"

#include <ctime>
#include <optional>
#include <sys/stat.h>

namespace {

// Longer than any file system's tick (FAT keeps times to two seconds).
constexpr long long kSettleSeconds = 2;

} // namespace

std::optional<FileStamp> fileStamp(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return FileStamp{status.st_dev,         status.st_ino,          status.st_size,
                     status.st_mtim.tv_sec, status.st_mtim.tv_nsec, status.st_ctim.tv_sec,
                     status.st_ctim.tv_nsec};
}

long long realTimeSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec;
}

IniRead IniReadCache::read(const std::string& path, std::string_view section, std::string_view key,
                           std::size_t maxCharacters) {
    // The stamp is taken before the read: a file changed meanwhile is read again next time.
    const std::optional<FileStamp> stamp = stampOf_(path);
    auto cached = files_.find(path);
    if (stamp && cached != files_.end() && cached->second.settled && cached->second.stamp == *stamp)
        return {iniValueIn(cached->second.text, section, key, maxCharacters), {}};

    const bool settled = stamp && stamp->changedSeconds + kSettleSeconds < now_();
    files_.erase(path);
    if (!stamp)
        return readIniValue(path, section, key, maxCharacters);
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes))
        return iniReadFailure(std::move(*error));
    cached = files_.emplace(path, DecodedFile{*stamp, settled, decodeText(bytes)}).first;
    return {iniValueIn(cached->second.text, section, key, maxCharacters), {}};
}
