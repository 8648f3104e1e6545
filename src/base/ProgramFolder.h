// The folder that holds the executable, its language files and tz.ini. Paths inside it are
// joined as plain strings: the folder, then a name that starts with the separator.
#pragma once

#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Set once at start, without a trailing separator.
void SetProgramFolder(std::string folder);
const std::string& ProgramFolder();
