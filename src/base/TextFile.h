// SPDX-License-Identifier: GPL-3.0-or-later
// The failures of the file layer, and the one bounded read of the small files the program keeps:
// wing files, language files and tz.ini. Writes go through base/OutputFile.h.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct FileError {
    int number = 0;          // errno value, or a file-layer code such as 62
    std::string description; // std::strerror text for errno values, sometimes with a detail

    bool operator==(const FileError&) const = default;
};

FileError errorFromErrno(int number);

// No wing, language or settings file comes near this size; anything larger is refused unread.
inline constexpr std::size_t kInputFileLimit = std::size_t{1} << 20;

// A pipe, a device or a socket where a file was expected: reading it could wait for ever or
// never end. A file-layer code, as 62 is.
inline const FileError kNotARegularFile{54, "Not a regular file"};
inline const FileError kFileTooLarge{27, "File too large (more than 1 MiB)"};

// Reads a whole regular file of at most `limit` bytes. A folder gives EISDIR, a FIFO, device or
// socket kNotARegularFile at once (it is never opened), a larger file kFileTooLarge without
// being read. A symbolic link is followed.
std::optional<FileError> readFileBytes(const std::string& path, std::string& bytes,
                                       std::size_t limit = kInputFileLimit);

// Reads standard input to its end, at most `limit` bytes; it may be a pipe or a terminal, as the
// user chose.
std::optional<FileError> readStandardInput(std::string& bytes, std::size_t limit = kInputFileLimit);
