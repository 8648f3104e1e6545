// SPDX-License-Identifier: GPL-3.0-or-later
// Values of INI files read through a cache of their decoded text. Every caption of a window is
// one lookup, and reading and decoding the language file each time made a translation of the
// main window read it seventy times. The cache keeps the promise of a fresh read: a file is read
// again whenever its identity, size or times on disk have changed since it was read, and a file
// changed in the last two seconds is always read again, since two writes within one tick of the
// file system's clock leave the same times behind.
#pragma once

#include "i18n/IniFile.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

// Seconds of the real-time clock, the one file times are taken from.
long long realTimeSeconds();

class IniReadCache {
public:
    using SecondsNow = long long (*)();
    // Tests move the clock on to see every file as long settled.
    explicit IniReadCache(SecondsNow now = realTimeSeconds)
        : now_(now) {}

    // As readIniValue.
    IniRead read(const std::string& path, std::string_view section, std::string_view key,
                 std::size_t maxCharacters);
    // After a write through another route, the next read goes to the disk.
    void forget(const std::string& path) { files_.erase(path); }

    // What the file system says of a file; equal stamps mean an unchanged file.
    struct Stamp {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        long long modifiedSeconds = 0;
        long long modifiedNanoseconds = 0;
        long long changedSeconds = 0;
        long long changedNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

private:
    struct DecodedFile {
        Stamp stamp;
        bool settled = false; // unchanged for long enough that a new write shows in its times
        std::string text;
    };
    SecondsNow now_;
    std::map<std::string, DecodedFile, std::less<>> files_;
};
