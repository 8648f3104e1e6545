// SPDX-License-Identifier: GPL-3.0-or-later
// The two file probes of the language chooser: whether a file can be read, and which language
// files lie in a folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// True when a regular file can be opened for reading; one trailing separator is ignored.
// Folders, missing or unreadable files and the empty path give false. errno is left as it was.
bool fileExists(const std::string& path);

// The names of the regular files in the folder (links to one included) that `wanted` accepts, in
// no particular order; a missing or unreadable folder gives none. The name is looked at first,
// so a large folder such as /usr/bin costs no file-type lookups for names nobody wants.
std::vector<std::string>
regularFileNames(const std::string& folder,
                 const std::function<bool(std::string_view)>& wanted = nullptr);

// names of the regular files in the folder that match the pattern ("*" and "?" wildcards), each
// without its last four characters, sorted by byte order. A missing folder gives an empty list.
std::vector<std::string> listLanguageFiles(const std::string& folder, std::string_view pattern);

bool matchesPattern(std::string_view name, std::string_view pattern);
