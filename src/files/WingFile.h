// SPDX-License-Identifier: GPL-3.0-or-later
// The wing file: the texts of the 22 input fields, one per line after a header, exactly as typed.
// Reading replays the field assignments so the tip-chord chaining runs as in the window.
#pragma once

#include "base/TextFile.h"
#include "calc/WingFields.h"
#include "files/WingFilePath.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kWingFileHeader = "V2M-Please don't Delete ....";

// Only these first characters of the header say whether the block carries a mass line.
inline constexpr std::string_view kMassHeaderTag = "V2M";

// What the file layer reports when a block ends early.
inline const FileError kInputPastEndOfFile{62, "Input past end of file"};

// The 23 lines, each ended by CRLF, as UTF-8.
std::string wingFileText(const WingFields& fields);

// Windows-1252 when every text has a byte there and the bytes read back as the same texts, else
// UTF-8 without BOM. Written through writeOutputFile: a failed save leaves any earlier file of
// that name intact and no partial file behind.
std::optional<FileError> saveWingFile(const std::string& path, const WingFields& fields);

// Reads block after block into fields, which arrive as Clear left them. On error the fields
// hold whatever was read so far; the caller clears the form. Only a regular file of at most
// kInputFileLimit bytes is read (see readFileBytes).
std::optional<FileError> loadWingFile(const std::string& path, WingFields& fields);

// Loads from the file's bytes read elsewhere (standard input), in either encoding.
std::optional<FileError> loadWingFileBytes(std::string_view bytes, WingFields& fields);

// Loads from text already decoded to UTF-8.
std::optional<FileError> loadWingFileText(std::string_view content, WingFields& fields);
