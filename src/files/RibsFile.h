// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs of a wing kept beside its file: NAME.ribs next to NAME.txt, a small INI file as
// NAME.stab is, carrying every airfoil it names so the wing keeps its ribs on another machine.
//   [Ribs]      Spacing, Sheeting, LeadingEdgeCut, TrailingEdgeCut (mm), Spar1..3
//               ("position %,width mm,depth mm,top|bottom|both"), Twist1..5 (degrees),
//               JigTabs (0|1), JigHeight, JigFront, JigRear (% chord), JigWidth, JigUpsideDown
//               (0|1), CoreKerf (mm, the hot wire's)
//   [Airfoils]  Root, Tip1..5: an airfoil's name, "NACA dddd", or a .dat file beside the wing
//   [Airfoil N] Points=n, 1..n = "x y" in Selig order, chord 1
// Numbers are written with a point; a ";" starts a comment at the end of any value.
#pragma once

#include "base/TextFile.h"
#include "files/AirfoilFile.h"
#include "files/WingFilePath.h"
#include "ribs/RibSettings.h"

#include <optional>
#include <string>
#include <string_view>

// NAME.txt gives NAME.ribs (kRibsFileSuffix); any other name gets ".ribs" appended.
std::string ribsFilePath(const std::string& wingPath);

// The settings, the station names, and a section for each airfoil the stations name that is
// carried (generated NACA sections are not: their name is enough). CRLF line ends.
std::string ribsFileText(const RibsDefinition& definition);

enum class RibsFileState { Missing, Loaded, Broken };

// Why a .ribs file is broken, and where.
enum class RibsFileFaultKind {
    NoRibsSection,    // not a .ribs file
    BadValue,         // where: "[Ribs] Spacing=abc"
    UnknownAirfoil,   // where: the name
    BadAirfoil,       // where: "[Airfoil NAME]" (line: the point's key) or the .dat file's path
    AirfoilFileError, // where: the .dat file's path
};

struct RibsFileFault {
    RibsFileFaultKind kind = RibsFileFaultKind::NoRibsSection;
    std::string where;
    AirfoilFileFault airfoil; // for BadAirfoil: the line of a .dat file, the point of a section
    std::optional<FileError> fileError; // for AirfoilFileError
};

struct RibsFileRead {
    RibsFileState state = RibsFileState::Missing;
    RibsDefinition definition;          // when Loaded
    std::optional<RibsFileFault> fault; // when Broken by its content
    std::optional<FileError> error;     // when Broken because it could not be read
};

// The text alone: a station naming a .dat file keeps that name, for the caller to import.
RibsFileRead readRibsFileText(std::string_view content);

// Missing when there is no file of that name. Stations naming a .dat file are imported from the
// .ribs file's folder and carried from then on; every station must name an airfoil there is.
RibsFileRead loadRibsFile(const std::string& path);

std::optional<FileError> saveRibsFile(const std::string& path, const RibsDefinition& definition);

// A missing file is no error.
std::optional<FileError> removeRibsFile(const std::string& path);
