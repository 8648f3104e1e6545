// SPDX-License-Identifier: GPL-3.0-or-later
// Data files found by name (language files, help sketches): a folder's files with one extension
// in any letter case, named for display even when the file name is not UTF-8.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct NamedFile {
    std::string name; // the file name without its extension, UTF-8 (read as Windows-1252 if not)
    std::string path; // folder + separator + the file name's own bytes, to open the file by
    auto operator<=>(const NamedFile&) const = default; // by name, then by path
};

// The regular files of the folder whose names end in the extension (".lng"), compared without
// regard to ASCII letter case, sorted by name. A missing or unreadable folder gives nothing.
std::vector<NamedFile> listNamedFiles(const std::string& folder, std::string_view extension);

// The path of the file called name + extension in the folder: that exact file name when it can
// be read, else a listed file of that display name. nullopt when there is none.
std::optional<std::string> findNamedFile(const std::string& folder, const std::string& name,
                                         std::string_view extension);
