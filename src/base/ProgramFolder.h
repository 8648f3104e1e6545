// SPDX-License-Identifier: GPL-3.0-or-later
// The folder that holds the executable: in the portable layout its language files and tz.ini
// lie beside it. Paths are joined as plain strings with the separator.
#pragma once

#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The running executable's folder, without a trailing separator; argv0 is the fall-back where
// the system cannot say.
std::string executableFolder(const char* argv0);

// The folder part of a path: "." for a bare name, the root folder for a name in it.
std::string parentFolder(const std::string& path);
