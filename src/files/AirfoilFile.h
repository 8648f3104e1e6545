// SPDX-License-Identifier: GPL-3.0-or-later
// Airfoil coordinate files as the public collections publish them. Selig form: a name line,
// then x y from the trailing edge over the upper surface to the leading edge and back along the
// lower. Lednicer form: a name line, the two point counts ("61. 61."), then the upper and the
// lower surface from leading to trailing edge, each after a blank line.
#pragma once

#include "base/TextFile.h"
#include "ribs/Airfoil.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kAirfoilFileExtension = ".dat";

struct AirfoilFileFault {
    AirfoilFault fault = AirfoilFault::NoNumbers;
    int line = 0; // from 1
};

struct AirfoilFileRead {
    std::optional<Airfoil> airfoil; // normalised; nothing when the file is refused
    AirfoilNotes notes;
    std::optional<AirfoilFileFault> fault;
    std::optional<FileError> fileError;
};

// Any line ending, tabs, blank lines, numbers like 1.0000E+00 and text after the points (notes
// that collections append) are read; text before the points is taken for more of the heading.
// The name is the first line's, made fit for a .ribs file, else fallbackName's.
AirfoilFileRead readAirfoilText(std::string_view bytes, std::string_view fallbackName);

// Through the bounded read (regular files of at most 1 MiB); named after the file when its name
// line is empty.
AirfoilFileRead loadAirfoilFile(const std::string& path);
