// SPDX-License-Identifier: GPL-3.0-or-later
// Whether two names lead to one file, whatever the names: a path, a symbolic link, a hard link or
// the descriptor of a standard stream. An output is checked against the files a command reads.
#pragma once

#include <optional>
#include <string>

struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    std::string name; // for a file not there yet: its name in the folder the device and inode give
    bool operator==(const FileIdentity&) const = default;
};

// The regular file the path leads to, links followed; for a missing file, its folder and its
// name, so two names of a file still to be made compare equal too. Nothing for what a write does
// not replace (a device, a pipe, a terminal, a folder) and for a path whose folder is missing.
std::optional<FileIdentity> fileIdentity(const std::string& path);

// The regular file an open descriptor (standard input or output) is, if it is one.
std::optional<FileIdentity> descriptorIdentity(int descriptor);
