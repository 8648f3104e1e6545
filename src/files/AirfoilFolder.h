// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own airfoil files: airfoils/ beside the language files in the portable layout,
// $XDG_DATA_HOME/wingsheet/airfoils when installed. The program only reads it.
#pragma once

#include "base/NamedFiles.h"
#include "i18n/LanguagePlaces.h"

#include <string>
#include <vector>

// "" when an installed program has no user folder (no home).
std::string airfoilFolder(const LanguagePlaces& places);

// The folder's .dat files, in any letter case, sorted by name; none when it does not exist.
std::vector<NamedFile> listAirfoilFiles(const LanguagePlaces& places);
