// SPDX-License-Identifier: GPL-3.0-or-later
// Creating a folder and the folders above it, for the per-user settings that appear on first use.
#pragma once

#include "base/TextFile.h"

#include <optional>
#include <string>

// Creates every missing folder of the path, each readable by its owner only (0700); an existing
// folder is left as it is. A part of the path that is not a folder gives ENOTDIR.
std::optional<FileError> makeFolders(const std::string& path);

// As makeFolders, only below `existing`, which must already be a folder (its own error, ENOENT
// when it is missing): a home folder that is not there is never made.
std::optional<FileError> makeFoldersBelow(const std::string& existing, const std::string& path);
