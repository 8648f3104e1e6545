// SPDX-License-Identifier: GPL-3.0-or-later
// The tail and neutral-point inputs kept beside a wing file: NAME.stab next to NAME.txt, a small
// INI file, so the wing file itself stays readable by every program that reads it today.
#pragma once

#include "base/TextFile.h"
#include "calc/StabilityFields.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kStabilityFileSuffix = ".stab";

// NAME.txt gives NAME.stab; any other name gets ".stab" appended, so no two wing files share one.
std::string stabilityFilePath(const std::string& wingPath);

// Section Tail: RootChord1..5, TipChord1..5, Length1..5, Sweep1..5; section Stability: HasTail
// (0 or 1), Distance, Efficiency, Margin. Field texts as typed, UTF-8, CRLF line ends.
std::string stabilityFileText(const StabilityFields& fields);

enum class StabilityFileState { Missing, Loaded, Broken };

struct StabilityFileRead {
    StabilityFileState state = StabilityFileState::Missing;
    StabilityFields fields;         // what was read, when Loaded
    std::optional<FileError> error; // why it is Broken, when the file layer said so
};

// Loaded, or Broken when the text has no section Stability with HasTail 0 or 1. Missing keys
// keep the window's defaults, but a missing efficiency is the one such a file was calculated with
// before; the tail's chords are chained as they are read, as in wing files.
StabilityFileRead readStabilityFileText(std::string_view content,
                                        std::string_view decimalSeparator);

// Missing when there is no file of that name: a wing saved without stability data.
StabilityFileRead loadStabilityFile(const std::string& path, std::string_view decimalSeparator);

// Windows-1252 when every text has a byte there, else UTF-8; atomic like wing files.
std::optional<FileError> saveStabilityFile(const std::string& path, const StabilityFields& fields);

// Removes the file an earlier save left beside the wing; a missing file is no error.
std::optional<FileError> removeStabilityFile(const std::string& path);
