// SPDX-License-Identifier: GPL-3.0-or-later
// One value of an INI file on disk, read or written the way the Windows profile functions do:
// the file's encoding (Windows-1252, UTF-8, UTF-8 with BOM) is kept across a write.
#pragma once

#include "base/TextFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct IniRead {
    std::string value;              // "" when the file, section or key is missing
    std::optional<FileError> error; // set when the file exists but cannot be read
};

// The value of that key in decoded INI text, at most maxCharacters long; "" when it is missing.
std::string iniValueIn(std::string_view text, std::string_view section, std::string_view key,
                       std::size_t maxCharacters);

// A missing file is an ordinary state (no language yet, no tz.ini yet): no error.
IniRead iniReadFailure(FileError error);
IniRead readIniValue(const std::string& path, std::string_view section, std::string_view key,
                     std::size_t maxCharacters);

// Sets the key, creating file and section when needed, through writeOutputFile. A file that
// cannot be read whole (too large, not a regular file) is left alone and its error returned.
std::optional<FileError> writeIniValue(const std::string& path, std::string_view section,
                                       std::string_view key, std::string_view value);
