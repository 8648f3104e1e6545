// SPDX-License-Identifier: GPL-3.0-or-later
// Where the bare file name starts in a path: the window's caption shows only that name.
// Positions count characters, not bytes, as the caption shows them.
#pragma once

#include <string>
#include <string_view>

// 1-based position, in characters, of the last path separator; 0 when there is none.
int lastSeparatorPosition(std::string_view path);

// The last (length - lastSeparatorPosition) characters: everything after the last separator.
std::string bareFileName(std::string_view path);
