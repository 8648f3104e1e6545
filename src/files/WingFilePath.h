// SPDX-License-Identifier: GPL-3.0-or-later
// Where the bare file name starts in a path: the window's caption shows only that name.
// Positions count characters, not bytes, as the caption shows them. And the names of the files
// kept beside a wing file.
#pragma once

#include <string>
#include <string_view>

// 1-based position, in characters, of the last path separator; 0 when there is none.
int lastSeparatorPosition(std::string_view path);

// The last (length - lastSeparatorPosition) characters: everything after the last separator.
std::string bareFileName(std::string_view path);

// The ribs kept beside a wing file, as its tail is kept in NAME.stab.
inline constexpr std::string_view kRibsFileSuffix = ".ribs";

// NAME.txt gives NAME + suffix; any other name gets the suffix appended, so no two wing files
// share one.
std::string companionFilePath(const std::string& wingPath, std::string_view suffix);
