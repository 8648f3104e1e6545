// SPDX-License-Identifier: GPL-3.0-or-later
// whole-file reads and crash-safe whole-file writes for the small text files the program keeps:
// language files, tz.ini and wing files. Failures carry the platform's error number and text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct FileError {
    int number = 0;          // errno value, or a file-layer code such as 62
    std::string description; // std::strerror text for errno values

    bool operator==(const FileError&) const = default;
};

FileError errorFromErrno(int number);

// Reads the whole file; a folder gives EISDIR.
std::optional<FileError> readFileBytes(const std::string& path, std::string& bytes);

// Writes a temporary file in the same folder, flushes it to disk and renames it over the target,
// so readers see the old file or the new one, never half of one. On failure nothing is left behind.
std::optional<FileError> writeFileAtomically(const std::string& path, std::string_view bytes);
